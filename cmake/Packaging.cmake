# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A Debian package: cijferwerf_<version>_<arch>.deb, with its dependencies taken
# from the program's shared libraries, and the fonts that stand in for Arial.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cijferwerf)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Cijferwerf)
set(CPACK_PACKAGE_CONTACT "Cijferwerf <ontwikkeling@cijferwerf.nl>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Cijferwerf <ontwikkeling@cijferwerf.nl>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "practise the four arithmetic operations")
# One string, its lines as they stand: a list would join them with ";".
set(CPACK_PACKAGE_DESCRIPTION "Cijferwerf is a small exercise program for the four arithmetic operations.
The pupil types two numbers and an own answer for each operation; the
program writes the correct results and the whole sums, and hides every
right answer, so that only the wrong ones stay. The texts are in Dutch.")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
# Native on Wayland, the default desktop session; the toolkit's own texts
# (a box's context menu, a message box's button) in Dutch.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The same package from the same source: every time in it is the source's
# (cpack takes SOURCE_DATE_EPOCH), and the parts of the package get fixed
# permissions whatever the umask cpack runs under.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/CPackSourceDate.cmake)
file(CONFIGURE OUTPUT ${CPACK_PROJECT_CONFIG_FILE}
    CONTENT "set(ENV{SOURCE_DATE_EPOCH} @CIJFERWERF_SOURCE_DATE_EPOCH@)\n" @ONLY)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/deb_permissions.cmake)
include(CPack)

if(BUILD_TESTING)
    # The package is built and taken apart by the tests themselves.
    add_test(NAME package_build
        COMMAND ${CMAKE_CPACK_COMMAND} --config ${PROJECT_BINARY_DIR}/CPackConfig.cmake
            -B ${PROJECT_BINARY_DIR}/package
        WORKING_DIRECTORY ${PROJECT_BINARY_DIR})
    set_tests_properties(package_build PROPERTIES FIXTURES_SETUP package TIMEOUT 300)
    add_test(NAME package_contents
        COMMAND ${PROJECT_SOURCE_DIR}/tools/check-package.sh
            ${PROJECT_BINARY_DIR}/package ${PROJECT_VERSION} ${CIJFERWERF_APP_ID}
            ${PROJECT_SOURCE_DIR}/data/debian/changelog)
    set_tests_properties(package_contents PROPERTIES FIXTURES_REQUIRED package TIMEOUT 120)
    # Debian's own checker: not an error, not a warning.
    find_program(LINTIAN lintian)
    if(LINTIAN)
        add_test(NAME package_lintian
            COMMAND sh -c "exec \"$0\" --fail-on error,warning --info \"$1\"/cijferwerf_*.deb"
                ${LINTIAN} ${PROJECT_BINARY_DIR}/package)
        set_tests_properties(package_lintian PROPERTIES FIXTURES_REQUIRED package TIMEOUT 300)
    else()
        cijferwerf_check_left_out("lintian missing: the package is not checked by it")
    endif()
endif()
