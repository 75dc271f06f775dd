# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by cpack on the packages it made: the three parts of a Debian package
# (an ar archive) are recorded with the permissions that cpack's umask gave
# their files; here they become rw-r--r--, as dpkg-deb writes them.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "\\.deb$")
        continue()
    endif()
    file(SIZE ${package} size)
    file(READ ${package} magic LIMIT 8)
    if(NOT magic STREQUAL "!<arch>\n")
        message(FATAL_ERROR "${package}: not an ar archive")
    endif()
    # Each part: a 60-byte header (name, time, owner, group, mode at byte 40,
    # size at byte 48) and its contents, padded to an even length.
    set(offset 8)
    while(offset LESS size)
        file(READ ${package} header OFFSET ${offset} LIMIT 60)
        string(SUBSTRING "${header}" 48 10 length)
        string(STRIP "${length}" length)
        math(EXPR mode_offset "${offset} + 40")
        execute_process(
            COMMAND printf "100644  "
            COMMAND dd of=${package} bs=1 seek=${mode_offset} conv=notrunc status=none
            COMMAND_ERROR_IS_FATAL ANY)
        math(EXPR offset "${offset} + 60 + ${length} + (${length} % 2)")
    endwhile()
endforeach()
