#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the page costs: the bytes a first visit transfers, and the time until
it has handled its first click, against a bare page.

Size: a fresh headless Chromium visits the site, served gzipped (level 9, as
a web server compresses text) from 127.0.0.1, until the service worker has
kept every file; the server counts the bytes of each response body.

Start-up: from the navigation's start until a click on the OPNIEUW button
has been handled, in the page and in bench/web/bare_page.html (26 plain
controls, a click handler, nothing else), taking turns. A script the browser
runs before the page's own clicks the button as soon as it exists, and notes
the time once the click has emptied the sum's result box. Two cases: a first visit (the
browser's cache and the service worker bypassed) and a later one (files from
the service worker's cache).

In WebKit and Firefox (browsers.py, beside the page's tests), whose drivers
cannot disable the cache or add a script to every page, the same script
stands first in the head of both pages, and only a later visit is timed.

As a school's Chromebook sees it (school): Chromium's throttling of a
network with a 40 ms round trip and 10 Mbit/s, and of the processor four
times slower. The first contentful paint, and the first click that computes:
6 and 3 put in the operand boxes and ALLES clicked the moment the window's
controls exist, until the sum box shows 9 (the bare page writes 9 there from
its click handler). A first visit has a fresh browser each round; a later
visit one browser, its files from the service worker's cache.

Lighthouse (lighthouse): the page audited by Lighthouse, as pinned in the
page tests' package-lock.json and installed with their tools, driving
Debian's Chromium, with its mobile and its desktop settings, ROUNDS runs
each: the median performance score, layout shift and blocking time, and
every failed accessibility and best-practice audit.

Usage: page_benchmark.py SITE [ROUNDS] [chromium|webkit|firefox|school|lighthouse]
"""
import email.utils
import functools
import gzip
import http.server
import json
import os
import subprocess
import shutil
import socket
import statistics
import sys
import tempfile
import threading
from collections import defaultdict
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "shell" / "web" / "tests"))
import browsers  # noqa: E402

COMPRESSIBLE = (".html", ".css", ".js", ".wasm", ".webmanifest", ".svg", ".txt")
SENT = defaultdict(int)


@functools.lru_cache(maxsize=None)
def compressed(path):
    """A file gzipped once, as a server keeps it ready, so that compressing
    takes none of the time measured."""
    return gzip.compress(path.read_bytes(), compresslevel=9, mtime=0)


class CountingHandler(http.server.SimpleHTTPRequestHandler):
    """Serves files gzipped where that pays, and counts each body's bytes."""

    def log_message(self, *args):
        pass

    def send_head(self):
        path = Path(self.translate_path(self.path))
        if path.is_dir():
            path = path / "index.html"
        if not path.is_file():
            return super().send_head()
        modified = int(path.stat().st_mtime)
        since = self.headers.get("If-Modified-Since")
        if since:
            try:
                if email.utils.parsedate_to_datetime(since).timestamp() >= modified:
                    self.send_response(304)
                    self.end_headers()
                    return None
            except (TypeError, ValueError):
                pass
        gzipped = path.suffix in COMPRESSIBLE and "gzip" in self.headers.get("Accept-Encoding", "")
        body = compressed(path) if gzipped else path.read_bytes()
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(str(path)))
        if gzipped:
            self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Last-Modified", email.utils.formatdate(modified, usegmt=True))
        self.send_header("Cache-Control", "no-cache")
        self.end_headers()
        SENT[path.name] += len(body)
        self.wfile.write(body)
        return None


def serve(folder):
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        port = probe.getsockname()[1]
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", port), functools.partial(CountingHandler, directory=str(folder)))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{port}/"


def browser():
    options = webdriver.ChromeOptions()
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                     "--window-size=800,600", "--accept-lang=nl-NL"):
        options.add_argument(argument)
    options.binary_location = "/usr/bin/chromium"
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def sizes(url):
    SENT.clear()
    driver = browser()
    try:
        driver.get(url)
        WebDriverWait(driver, 30).until(lambda d: d.execute_async_script("""
            const done = arguments[arguments.length - 1];
            navigator.serviceWorker.getRegistration().then(r => done(!!r && !!r.active
                && r.active.state === 'activated'));"""))
    finally:
        driver.quit()
    return dict(SENT)


# Clicks OPNIEUW the moment it exists and notes when the sum's result box
# has been emptied: every value written into a box passes the setter, the
# program's too. A page that keeps an early click for its program to carry
# out is timed until it has.
CLICKER = """
const own = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, 'value');
Object.defineProperty(HTMLInputElement.prototype, 'value', {configurable: true, get: own.get,
    set(value) {
        own.set.call(this, value);
        if (this.id === 'Text3' && String(value).trim() === '' && window.firstClickHandled === undefined)
            window.firstClickHandled = performance.now();
    }});
new MutationObserver((changes, observer) => {
    const button = document.getElementById('Command6');
    if (!button) return;
    observer.disconnect();
    button.click();
}).observe(document, {childList: true, subtree: true});
"""


def start_up(driver, url, first_visit):
    if driver.engine == "chromium":
        driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": first_visit})
        driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": first_visit})
    driver.get(url)
    WebDriverWait(driver, 30).until(
        lambda d: d.execute_script("return window.firstClickHandled !== undefined"))
    handled = driver.execute_script("return window.firstClickHandled")
    cleared = driver.execute_script("return document.getElementById('Text3').value.trim() === ''")
    assert cleared, "the click was not handled"
    return handled


def main():
    site = Path(sys.argv[1])
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 21
    engine = sys.argv[3] if len(sys.argv) > 3 else "chromium"
    folder = Path(tempfile.mkdtemp(prefix="cijferwerf-bench-"))
    shutil.copytree(site, folder, dirs_exist_ok=True)
    shutil.copy(Path(__file__).with_name("bare_page.html"), folder / "bare.html")
    if engine not in ("chromium", "school"):
        for page in ("index.html", "bare.html"):
            text = (folder / page).read_text(encoding="utf-8")
            head = text.index("<head>") + len("<head>")
            (folder / page).write_text(text[:head] + "<script>" + CLICKER + "</script>" + text[head:],
                                       encoding="utf-8")
    server, url = serve(folder)
    try:
        if engine == "school":
            return school(url, rounds)
        if engine == "lighthouse":
            return lighthouse(url, rounds)
        if engine != "chromium":
            return later_visits(engine, url, rounds)
        sent = sizes(url)
        print("## Bytes a first visit transfers (gzip -9 where it pays)\n")
        print("| file | bytes |\n|---|---:|")
        for name, count in sorted(sent.items(), key=lambda item: -item[1]):
            print(f"| `{name}` | {count:,} |")
        print(f"| all | {sum(sent.values()):,} |\n")

        driver = browser()
        driver.engine = "chromium"
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": CLICKER})
        driver.execute_cdp_cmd("Network.enable", {})
        pages = {"cijferwerf": url, "bare page": url + "bare.html"}
        for case, first_visit in (("first visit", True), ("later visit", False)):
            times = defaultdict(list)
            for name, page in pages.items():  # warm-up, and the service worker in place
                start_up(driver, page, False)
                start_up(driver, page, first_visit)
            timed_rounds(driver, pages, rounds, first_visit, times)
            print_times(f"Start-up, {case}, {rounds} rounds", times)
            print()
        driver.quit()
    finally:
        server.shutdown()
        shutil.rmtree(folder, ignore_errors=True)


def later_visits(engine, url, rounds):
    """Start-up in another engine, its files from the service worker's cache."""
    driver = browsers.start(engine, "nl-NL", 800, 600)
    try:
        pages = {"cijferwerf": url, "bare page": url + "bare.html"}
        start_up(driver, url, False)
        WebDriverWait(driver, 30).until(lambda d: d.execute_async_script("""
            const done = arguments[arguments.length - 1];
            navigator.serviceWorker.getRegistration().then(r => done(!!r && !!r.active
                && r.active.state === 'activated'));"""))
        for page in pages.values():  # warm-up
            start_up(driver, page, False)
        times = defaultdict(list)
        timed_rounds(driver, pages, rounds, False, times)
    finally:
        driver.quit()
    print_times(f"Start-up in {engine}, later visit, {rounds} rounds", times)


# Notes the first contentful paint, and when the sum box first shows 9:
# every value written into a box passes the setter, the program's too.
# Once the window's last control exists, 6 and 3 go into the operand boxes
# and ALLES is clicked.
COMPUTER = """
const own = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, 'value');
Object.defineProperty(HTMLInputElement.prototype, 'value', {configurable: true, get: own.get,
    set(value) {
        own.set.call(this, value);
        if (this.id === 'Text3' && String(value).trim() === '9' && window.firstComputed === undefined)
            window.firstComputed = performance.now();
    }});
new PerformanceObserver(list => {
    for (const entry of list.getEntries())
        if (entry.name === 'first-contentful-paint') window.firstPaint = entry.startTime;
}).observe({type: 'paint', buffered: true});
new MutationObserver((changes, observer) => {
    if (!document.getElementById('Command6')) return;
    observer.disconnect();
    document.getElementById('Text1').value = '6';
    document.getElementById('Text2').value = '3';
    document.getElementById('Command1').click();
}).observe(document, {childList: true, subtree: true});
"""
SCHOOL_NETWORK = {"offline": False, "latency": 40, "downloadThroughput": 10e6 / 8,
                  "uploadThroughput": 10e6 / 8}


def school_browser():
    driver = browser()
    driver.engine = "chromium"
    driver.execute_cdp_cmd("Network.enable", {})
    driver.execute_cdp_cmd("Network.emulateNetworkConditions", SCHOOL_NETWORK)
    driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 4})
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": COMPUTER})
    return driver


def school_visit(driver, url):
    """The first contentful paint and the first click computed, in ms from
    the navigation's start."""
    driver.get(url)
    WebDriverWait(driver, 60).until(lambda d: d.execute_script(
        "return window.firstPaint !== undefined && window.firstComputed !== undefined"))
    return driver.execute_script("return [window.firstPaint, window.firstComputed]")


def school(url, rounds):
    pages = {"cijferwerf": url, "bare page": url + "bare.html"}
    kinds = ("first contentful paint", "first click computed")
    first, later = defaultdict(list), defaultdict(list)
    for round_ in range(rounds):
        order = list(pages.items()) if round_ % 2 == 0 else list(pages.items())[::-1]
        for name, page in order:
            driver = school_browser()
            try:
                for kind, value in zip(kinds, school_visit(driver, page)):
                    first[kind, name].append(value)
            finally:
                driver.quit()
    driver = school_browser()
    try:
        school_visit(driver, url)
        WebDriverWait(driver, 60).until(lambda d: d.execute_async_script("""
            const done = arguments[arguments.length - 1];
            navigator.serviceWorker.getRegistration().then(r => done(!!r && !!r.active
                && r.active.state === 'activated'));"""))
        for page in pages.values():  # warm-up
            school_visit(driver, page)
        for round_ in range(rounds):
            order = list(pages.items()) if round_ % 2 == 0 else list(pages.items())[::-1]
            for name, page in order:
                for kind, value in zip(kinds, school_visit(driver, page)):
                    later[kind, name].append(value)
    finally:
        driver.quit()
    print(f"## A school's Chromebook: 40 ms round trip, 10 Mbit/s, processor 4x slower; "
          f"{rounds} rounds\n")
    print("| visit | figure | cijferwerf (ms) | quartiles (ms) | bare page (ms) | quartiles (ms) "
          "| ratio |\n|---|---|---:|---:|---:|---:|---:|")
    for visit, times in (("first", first), ("later", later)):
        for kind in kinds:
            own, bare = times[kind, "cijferwerf"], times[kind, "bare page"]
            mine, reference = statistics.median(own), statistics.median(bare)
            q, r = statistics.quantiles(own, n=4), statistics.quantiles(bare, n=4)
            print(f"| {visit} | {kind} | {mine:.0f} | {q[0]:.0f} to {q[2]:.0f} | {reference:.0f} "
                  f"| {r[0]:.0f} to {r[2]:.0f} | {mine / reference:.2f} |")


LIGHTHOUSE = Path(os.environ.get("LIGHTHOUSE", Path(__file__).resolve().parents[2] /
                                 "build-web/shell/web/tests/node_modules/.bin/lighthouse"))


def lighthouse(url, rounds):
    environment = dict(os.environ, CHROME_PATH="/usr/bin/chromium")
    print(f"## Lighthouse {subprocess.run([LIGHTHOUSE, '--version'], capture_output=True, text=True).stdout.strip()}, "
          f"{rounds} runs each\n")
    print("| settings | performance | layout shift | blocking time (ms) | first paint (ms) "
          "| largest paint (ms) | failed audits |\n|---|---:|---:|---:|---:|---:|---|")
    for settings in ("mobile", "desktop"):
        runs, failed = [], set()
        for _ in range(rounds):
            with tempfile.NamedTemporaryFile(suffix=".json") as report:
                subprocess.run([LIGHTHOUSE, url, "--quiet", "--output=json", f"--output-path={report.name}",
                                "--only-categories=performance,accessibility,best-practices",
                                "--chrome-flags=--headless=new --no-sandbox --disable-gpu",
                                *(["--preset=desktop"] if settings == "desktop" else [])],
                               env=environment, check=True)
                result = json.load(open(report.name, encoding="utf-8"))
            audits = result["audits"]
            runs.append((result["categories"]["performance"]["score"],
                         audits["cumulative-layout-shift"]["numericValue"],
                         audits["total-blocking-time"]["numericValue"],
                         audits["first-contentful-paint"]["numericValue"],
                         audits["largest-contentful-paint"]["numericValue"]))
            for category in ("accessibility", "best-practices"):
                for reference in result["categories"][category]["auditRefs"]:
                    audit = audits[reference["id"]]
                    if audit["score"] is not None and audit["score"] < 1 and reference["weight"] >= 0:
                        failed.add(reference["id"])
        medians = [statistics.median(column) for column in zip(*runs)]
        print(f"| {settings} | {medians[0]:.2f} | {medians[1]:.4g} | {medians[2]:.0f} | {medians[3]:.0f} "
              f"| {medians[4]:.0f} | {', '.join(sorted(failed)) or 'none'} |")


def timed_rounds(driver, pages, rounds, first_visit, times):
    """Each page's start-up, the pages taking turns in alternating order."""
    for round_ in range(rounds):
        order = list(pages.items()) if round_ % 2 == 0 else list(pages.items())[::-1]
        for name, page in order:
            times[name].append(start_up(driver, page, first_visit))


def print_times(title, times):
    """A table of each page's median and quartiles, and its ratio to the bare page's."""
    print(f"## {title}\n")
    print("| page | median (ms) | quartiles (ms) | ratio |\n|---|---:|---:|---:|")
    reference = statistics.median(times["bare page"])
    for name, values in times.items():
        quartiles = statistics.quantiles(values, n=4)
        print(f"| {name} | {statistics.median(values):.1f} | {quartiles[0]:.1f} to "
              f"{quartiles[2]:.1f} | {statistics.median(values) / reference:.2f} |")


if __name__ == "__main__":
    main()
