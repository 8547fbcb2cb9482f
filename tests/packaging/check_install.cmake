# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a fresh prefix and checks that every part lands in
# its usual place: the program, the control library with its version links,
# headers and CMake package, the Designer plugin, the desktop entry, the
# AppStream metadata and the icons. A small project then finds the package.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DLIBDIR=lib -DDESIGNER_DIR=... -DSOURCE_DIR=... -P check_install.cmake
foreach(var BUILD_DIR PREFIX LIBDIR SOURCE_DIR)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}\n${err}")
endif()

set(failures "")
macro(expect_file path)
    if(NOT EXISTS "${PREFIX}/${path}" OR IS_DIRECTORY "${PREFIX}/${path}")
        list(APPEND failures "missing file: ${path}")
    endif()
endmacro()
macro(expect_link path target)
    if(NOT IS_SYMLINK "${PREFIX}/${path}")
        list(APPEND failures "not a symbolic link: ${path}")
    else()
        file(READ_SYMLINK "${PREFIX}/${path}" points_to)
        if(NOT points_to STREQUAL "${target}")
            list(APPEND failures "${path} points to ${points_to}, not ${target}")
        endif()
    endif()
endmacro()

# The program, with no run path left pointing into the build tree.
expect_file(bin/tundrik)
find_program(READELF readelf)
if(READELF AND EXISTS "${PREFIX}/bin/tundrik" AND NOT IS_DIRECTORY "${PREFIX}/bin/tundrik")
    execute_process(COMMAND "${READELF}" -d "${PREFIX}/bin/tundrik" OUTPUT_VARIABLE dynamic)
    string(FIND "${dynamic}" "${BUILD_DIR}" at)
    if(NOT at EQUAL -1)
        list(APPEND failures "bin/tundrik keeps a run path into the build tree")
    endif()
endif()

# The control library: the real file, the SONAME link and the development link.
expect_file(${LIBDIR}/libtundkast.so.1.0.2)
expect_link(${LIBDIR}/libtundkast.so.1 libtundkast.so.1.0.2)
expect_link(${LIBDIR}/libtundkast.so libtundkast.so.1)
if(READELF AND EXISTS "${PREFIX}/${LIBDIR}/libtundkast.so.1.0.2")
    execute_process(COMMAND "${READELF}" -d "${PREFIX}/${LIBDIR}/libtundkast.so.1.0.2"
                    OUTPUT_VARIABLE dynamic)
    if(NOT dynamic MATCHES "Library soname: \\[libtundkast\\.so\\.1\\]")
        list(APPEND failures "libtundkast.so.1.0.2 does not carry the SONAME libtundkast.so.1")
    endif()
endif()
foreach(h tundkast.h tkcontrol.h tkarvukast.h tkkellakast.h tkkuupkast.h modtundkast.h
          tundkast_export.h)
    expect_file(include/tundkast/${h})
endforeach()
foreach(f TundkastConfig.cmake TundkastConfigVersion.cmake TundkastTargets.cmake)
    expect_file(${LIBDIR}/cmake/Tundkast/${f})
endforeach()
if(DESIGNER_DIR)
    expect_file(${DESIGNER_DIR}/libtundkastdesigner.so)
endif()

# The manual page, the bash completion, and the licence and changelog of
# every package.
expect_file(share/man/man1/tundrik.1.gz)
expect_file(share/bash-completion/completions/tundrik)
set(packages tundrik libtundkast1 libtundkast-dev)
if(DESIGNER_DIR)
    list(APPEND packages tundkast-designer-plugin)
endif()
foreach(package ${packages})
    expect_file(share/doc/${package}/copyright)
    expect_file(share/doc/${package}/changelog.Debian.gz)
endforeach()

# Desktop integration.
expect_file(share/applications/tundrik.desktop)
expect_file(share/metainfo/ee.tundrik.Tundrik.metainfo.xml)
expect_file(share/icons/hicolor/scalable/apps/tundrik.svg)
foreach(size 32 48 64 128 256)
    expect_file(share/icons/hicolor/${size}x${size}/apps/tundrik.png)
endforeach()

# Another project finds the installed package and its target.
if(EXISTS "${PREFIX}/${LIBDIR}/cmake/Tundkast/TundkastConfig.cmake")
    set(consumer_build "${PREFIX}-consumer")
    file(REMOVE_RECURSE "${consumer_build}")
    execute_process(COMMAND "${CMAKE_COMMAND}" -S "${SOURCE_DIR}/tests/controls/consumer"
                            -B "${consumer_build}" "-DCMAKE_PREFIX_PATH=${PREFIX}"
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        list(APPEND failures "find_package(Tundkast) from the prefix failed:\n${out}\n${err}")
    endif()
    file(REMOVE_RECURSE "${consumer_build}")
endif()

if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "install layout under ${PREFIX}:\n  ${text}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
message(STATUS "install layout under ${PREFIX}: all expected files in place")
