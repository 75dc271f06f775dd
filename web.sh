#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the page into one folder (build-web/site)
# and serves it on 127.0.0.1, port 8080 or $PORT, until Ctrl+C. Without a
# display it saves a picture of the page from headless Chromium, prints its
# path and stops serving.
set -euo pipefail
cd "$(dirname "$0")"
source tools/dependencies.sh

site=build-web/site
port=${PORT:-8080}
url="http://127.0.0.1:$port/"

install_missing_packages "${site_packages[@]}"
cmake --preset web >/dev/null
cmake --build --preset web --target site

serve() {
    exec /usr/bin/python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site"
}

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "Cijferwerf: $url (Ctrl+C stops the server)"
    command -v xdg-open >/dev/null && (sleep 1; xdg-open "$url" >/dev/null 2>&1) &
    serve
fi

answers() { (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; }
if answers; then
    echo "web.sh: port $port is taken; PORT=8081 ./web.sh takes another" >&2
    exit 1
fi
install_missing_packages chromium
(serve) >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    answers && break
    sleep 0.1
done
screenshot="$PWD/screenshots/cijferwerf-web.png"
mkdir -p "$(dirname "$screenshot")"
chromium --headless=new --no-sandbox --disable-gpu --hide-scrollbars --accept-lang=nl-NL \
    --window-size=520,360 --virtual-time-budget=5000 --screenshot="$screenshot" "$url" >/dev/null 2>&1
echo "$screenshot"
