# SPDX-License-Identifier: GPL-3.0-or-later
# The binary interface of libtundkast against the baseline kept beside this
# file, with libabigail's abidw and abidiff.
#
#   cmake -DMODE=check|baseline -DABIDW=... -DABIDIFF=... -DLIBRARY=<built .so>
#         -DHEADERS=<dir|dir> -DBASELINE=<file> -DWORK_DIR=<dir> -P abi.cmake
#
# tundkast.abignore beside this file names what is left out of the
# comparison.
#
# MODE=baseline writes the library's interface into the baseline. MODE=check
# compares the two: it passes when nothing changed or functions were only
# added, and fails with abidiff's report on any other change, unless the
# library's SONAME is higher than the baseline's, which is how an
# incompatible change is made.
foreach(var MODE ABIDW ABIDIFF LIBRARY HEADERS BASELINE WORK_DIR)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()

# Only the interface the public headers declare, without paths or line
# numbers, with type ids that do not shift when an unrelated type is added,
# so that the baseline is the same from any build folder.
set(suppressions "${CMAKE_CURRENT_LIST_DIR}/tundkast.abignore")
set(headers_args "")
string(REPLACE "|" ";" HEADERS "${HEADERS}")
foreach(dir ${HEADERS})
    list(APPEND headers_args --headers-dir "${dir}")
endforeach()
function(write_abi library out)
    execute_process(
        COMMAND "${ABIDW}" --no-corpus-path --no-comp-dir-path --no-show-locs --drop-private-types
                --exported-interfaces-only --type-id-style hash ${headers_args}
                --suppressions "${suppressions}"
                --out-file "${out}" "${library}"
        RESULT_VARIABLE rc ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "abidw failed on ${library} (${rc}):\n${err}")
    endif()
endfunction()

function(soname_of abi_file out_var)
    file(STRINGS "${abi_file}" corpus LIMIT_COUNT 1 REGEX "<abi-corpus ")
    if(NOT corpus MATCHES "soname='([^']+)'")
        message(FATAL_ERROR "${abi_file} names no SONAME")
    endif()
    set(${out_var} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

if(MODE STREQUAL "baseline")
    write_abi("${LIBRARY}" "${BASELINE}")
    soname_of("${BASELINE}" soname)
    message(STATUS "The ABI baseline of ${soname} is now ${BASELINE}")
    return()
elseif(NOT MODE STREQUAL "check")
    message(FATAL_ERROR "MODE must be check or baseline, not ${MODE}")
endif()

file(MAKE_DIRECTORY "${WORK_DIR}")
set(current "${WORK_DIR}/current.abi")
write_abi("${LIBRARY}" "${current}")
soname_of("${BASELINE}" old_soname)
soname_of("${current}" new_soname)
set(refresh "cmake --build <build folder> --target tundkast_abi_baseline")

if(NOT new_soname STREQUAL old_soname)
    string(REGEX REPLACE ".*\\.so\\." "" old_major "${old_soname}")
    string(REGEX REPLACE ".*\\.so\\." "" new_major "${new_soname}")
    if(new_major GREATER old_major)
        message(STATUS "The SONAME was raised from ${old_soname} to ${new_soname}, so the binary "
                       "interface may change. Commit the new baseline with the change: ${refresh}")
        return()
    endif()
    message(FATAL_ERROR "The SONAME ${new_soname} is not higher than the baseline's ${old_soname}")
endif()

# abidiff's exit status is a bit set: 1 an error, 2 a usage error, 4 a change
# of the interface, 8 a change known to break programs.
execute_process(COMMAND "${ABIDIFF}" --no-show-locs --suppressions "${suppressions}"
                        "${BASELINE}" "${current}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE report ERROR_VARIABLE err)
if(rc EQUAL 0)
    message(STATUS "The binary interface of ${new_soname} matches the baseline")
    return()
endif()
if(NOT rc MATCHES "^[0-9]+$")
    message(FATAL_ERROR "abidiff failed (${rc}):\n${report}${err}")
endif()
math(EXPR errors "${rc} & 3")
if(NOT errors EQUAL 0)
    message(FATAL_ERROR "abidiff failed (${rc}):\n${report}${err}")
endif()
math(EXPR breaking "${rc} & 8")
if(breaking EQUAL 0)
    # Only additions are compatible: the same comparison without them finds nothing.
    execute_process(COMMAND "${ABIDIFF}" --no-show-locs --no-added-syms --suppressions "${suppressions}"
                            "${BASELINE}" "${current}"
                    RESULT_VARIABLE rc_without_additions OUTPUT_QUIET ERROR_QUIET)
    if(rc_without_additions EQUAL 0)
        message(NOTICE "${report}")
        message(STATUS "${new_soname} adds to its binary interface (above), which programs "
                       "built against the baseline keep working with. Keep the additions in "
                       "the baseline: ${refresh}")
        return()
    endif()
endif()
message(NOTICE "abidiff's report:\n${report}")
message(FATAL_ERROR
    "The binary interface of ${new_soname} changed against ${BASELINE} in a way that can "
    "break programs built against it (abidiff's report above), while the SONAME stayed "
    "${old_soname}. Either keep the interface as it was (new data behind the d-pointers, no "
    "new virtual functions, no changed signatures), or raise SOVERSION in "
    "controls/CMakeLists.txt in the same change and refresh the baseline: ${refresh}")
