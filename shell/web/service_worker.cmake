# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the service worker for the site in SITE: the list of its files and
# a version named after what they hold, so that a site whose files changed
# has a new service worker and the browser fetches the new files.
# Usage: cmake -DSITE=... -DTEMPLATE=sw.js.in -DFILES="a;b;..." -P service_worker.cmake
set(digest_input "")
set(listed "\"./\"")
foreach(file IN LISTS FILES)
    file(SHA256 ${SITE}/${file} digest)
    string(APPEND digest_input "${file} ${digest}\n")
    string(APPEND listed ", \"${file}\"")
endforeach()
string(SHA256 version "${digest_input}")
string(SUBSTRING ${version} 0 16 SITE_VERSION)
set(SITE_FILES ${listed})
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
