# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The service worker is named after what the site's files hold: the same
# files give the same name, so a rebuild changes nothing for the pupils, and
# a changed file gives another, so the browser fetches the new version.
# Usage: cmake -DSCRIPT=service_worker.cmake -DTEMPLATE=sw.js.in -DWORK=folder -P site_version_test.cmake
file(REMOVE_RECURSE ${WORK})
file(WRITE ${WORK}/index.html "one")
file(WRITE ${WORK}/page.wasm "two")

function(cache_name out)
    execute_process(COMMAND ${CMAKE_COMMAND} -DSITE=${WORK} -DTEMPLATE=${TEMPLATE}
        "-DFILES=index.html;page.wasm" -P ${SCRIPT} COMMAND_ERROR_IS_FATAL ANY)
    file(STRINGS ${WORK}/sw.js line REGEX "^const cacheName")
    set(${out} "${line}" PARENT_SCOPE)
endfunction()

cache_name(first)
cache_name(again)
file(WRITE ${WORK}/page.wasm "three")
cache_name(changed)
file(STRINGS ${WORK}/sw.js listed REGEX "^const files")

if(NOT first STREQUAL again)
    message(FATAL_ERROR "the same files, another name: ${first} / ${again}")
endif()
if(first STREQUAL changed)
    message(FATAL_ERROR "a changed file, the same name: ${first}")
endif()
if(NOT listed MATCHES [=[^const files = \["\./", "index\.html", "page\.wasm"\]]=])
    message(FATAL_ERROR "the files kept: ${listed}")
endif()
