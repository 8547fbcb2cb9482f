# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the control library from the main build into a temporary prefix,
# then configures, builds and runs the consumer project against it.
foreach(var BUILD_DIR SOURCE_DIR WORK_DIR GENERATOR CXX_COMPILER)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} not set")
    endif()
endforeach()

file(REMOVE_RECURSE "${WORK_DIR}")
set(prefix "${WORK_DIR}/prefix")

function(run what)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    message(STATUS "${what}:\n${out}${err}")
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${what} failed (${rc})")
    endif()
endfunction()

foreach(component tundkast tundkast_dev)
    run("install ${component}" ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}"
        --component ${component})
endforeach()
if(NOT EXISTS "${prefix}/include/tundkast/tundkast_export.h")
    message(FATAL_ERROR "headers not installed")
endif()

set(flags "")
if(SANITIZE)
    set(flags "-fsanitize=address,undefined")
endif()
run("configure" ${CMAKE_COMMAND} -S "${SOURCE_DIR}" -B "${WORK_DIR}/build" -G "${GENERATOR}"
    "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}"
    "-DCMAKE_PREFIX_PATH=${prefix}"
    "-DCMAKE_CXX_FLAGS=${flags}"
    "-DCMAKE_EXE_LINKER_FLAGS=${flags}")
run("build" ${CMAKE_COMMAND} --build "${WORK_DIR}/build")
run("run" "${WORK_DIR}/build/tundkast_consumer")
