# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the page: its template with the window's style and markup put in,
# as the page writer gives them from the window's description.
# Usage: cmake -DNODE=... -DWRITER=page_writer.js -DTEMPLATE=index.html.in -DPAGE=index.html -P page.cmake
foreach(part style markup)
    execute_process(COMMAND ${NODE} --no-experimental-fetch ${WRITER} --${part}
        OUTPUT_VARIABLE window_${part} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
set(WINDOW_STYLE "${window_style}")
set(WINDOW_MARKUP "${window_markup}")
configure_file(${TEMPLATE} ${PAGE} @ONLY)
