# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack before it makes the Debian packages (CPACK_PROJECT_CONFIG_FILE).
# Expects TUNDRIK_INSTALL_PREFIX, TUNDRIK_DEB_WORK_DIR, TUNDKAST_LIBRARY_FILE,
# TUNDKAST_LIBRARY_DIR, TUNDKAST_SYMBOLS_TEMPLATE and TUNDKAST_DEB_VERSION
# from the build tree.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()

# Debian packages install under /usr, the library in the multiarch folder.
if(NOT TUNDRIK_INSTALL_PREFIX STREQUAL "/usr")
    message(FATAL_ERROR "Debian packages are made from a build configured with "
        "-DCMAKE_INSTALL_PREFIX=/usr (this one has ${TUNDRIK_INSTALL_PREFIX}); "
        "bash scripts/build-packages.sh makes such a build")
endif()

# Each package's description starts with its own synopsis; CPack would put
# the project's summary before it unless the summary is CPack's default.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${CPACK_DEFAULT_PACKAGE_DESCRIPTION_SUMMARY}")

# dpkg-shlibdeps finds libtundkast in the build tree when it looks at the
# program and the plugin.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "${TUNDKAST_LIBRARY_DIR}")

# The runtime library's own dependencies, from dpkg-shlibdeps run here: CPack
# would run it too, but would then add ldconfig calls to the maintainer
# scripts, where Debian wants the package's ldconfig trigger instead.
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps REQUIRED)
set(work "${TUNDRIK_DEB_WORK_DIR}/libtundkast-shlibdeps")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}/debian")
file(WRITE "${work}/debian/control" "")
execute_process(COMMAND "${DPKG_SHLIBDEPS}" -O "${TUNDKAST_LIBRARY_FILE}"
                WORKING_DIRECTORY "${work}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err
                OUTPUT_STRIP_TRAILING_WHITESPACE)
file(REMOVE_RECURSE "${work}")
if(NOT rc EQUAL 0 OR NOT out MATCHES "shlibs:Depends=(.+)")
    message(FATAL_ERROR "dpkg-shlibdeps on ${TUNDKAST_LIBRARY_FILE} failed (${rc}):\n${out}\n${err}")
endif()
set(CPACK_DEBIAN_TUNDKAST_PACKAGE_DEPENDS "${CMAKE_MATCH_1}")
message(STATUS "libtundkast1 depends on ${CPACK_DEBIAN_TUNDKAST_PACKAGE_DEPENDS}")

# The runtime library's symbols file, from the template in debian/ checked
# against the library built: dpkg-gensymbols -c4 stops the packaging when a
# symbol was added or lost without a line in the template.
find_program(DPKG_GENSYMBOLS dpkg-gensymbols REQUIRED)
set(work "${TUNDRIK_DEB_WORK_DIR}/libtundkast-gensymbols")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}")
execute_process(COMMAND "${DPKG_GENSYMBOLS}" -plibtundkast1 "-v${TUNDKAST_DEB_VERSION}"
                        "-e${TUNDKAST_LIBRARY_FILE}" "-I${TUNDKAST_SYMBOLS_TEMPLATE}"
                        "-O${TUNDRIK_DEB_WORK_DIR}/libtundkast1/symbols" -c4
                WORKING_DIRECTORY "${work}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(REMOVE_RECURSE "${work}")
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "The symbols of ${TUNDKAST_LIBRARY_FILE} differ from "
                        "${TUNDKAST_SYMBOLS_TEMPLATE} (dpkg-gensymbols ${rc}); add or remove "
                        "their lines there:\n${out}\n${err}")
endif()
message(STATUS "libtundkast1's symbols file matches ${TUNDKAST_SYMBOLS_TEMPLATE}")
