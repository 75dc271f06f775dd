# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The same source gives the same files, byte for byte, whatever folder, time,
# time zone, umask or locale it is built in.

# One time for whatever the build stamps with a time: SOURCE_DATE_EPOCH when
# it is set, else the time of the last commit, else (a source without its
# history) the time of its changelog: CIJFERWERF_SOURCE_DATE_EPOCH.
set(CIJFERWERF_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
if(CIJFERWERF_SOURCE_DATE_EPOCH STREQUAL "")
    execute_process(COMMAND git log -1 --format=%ct
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE CIJFERWERF_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
        RESULT_VARIABLE status ERROR_QUIET)
    if(NOT status EQUAL 0 OR NOT CIJFERWERF_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
        file(TIMESTAMP ${PROJECT_SOURCE_DIR}/data/debian/changelog CIJFERWERF_SOURCE_DATE_EPOCH
            "%s" UTC)
    endif()
endif()
if(NOT CIJFERWERF_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH is not a number of seconds: ${CIJFERWERF_SOURCE_DATE_EPOCH}")
endif()
set(ENV{SOURCE_DATE_EPOCH} ${CIJFERWERF_SOURCE_DATE_EPOCH})

# Folders that installing makes have the same permissions under any umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The folders of the source and the build stay out of what the compiler
# writes (debug information, and so the build id; __FILE__).
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
# A Windows program's header has a field for the time it was linked: left
# empty.
if(WIN32)
    add_link_options(LINKER:--no-insert-timestamp)
endif()
