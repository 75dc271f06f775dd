#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page in headless Chromium, as a pupil and a teacher use it.

The site is served from a copy on 127.0.0.1, the browser driven through
chromedriver and Selenium. The controls are checked against the window's
description (written out by description_dump), the exercises are done with
the keyboard and the mouse, the messages answered, the page used offline and
updated, and audited for accessibility with axe-core.
"""
import argparse
import contextlib
import functools
import http.server
import json
import re
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import unittest
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.common.exceptions import ElementClickInterceptedException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

ARGUMENTS = None
DESCRIPTION = None


# ---------------------------------------------------------------------------
# The server and the browser

class QuietHandler(http.server.SimpleHTTPRequestHandler):
    """Serves quietly, and notes each path it is asked for."""
    asked = None

    def log_message(self, *args):
        pass

    def send_head(self):
        if self.asked is not None:
            self.asked.append(self.path)
        return super().send_head()


class Site:
    """A copy of the site in a sub-folder of a server on one port of
    127.0.0.1, which stays the same when the server stops and starts again,
    as a school's server would."""

    def __init__(self):
        self.root = Path(tempfile.mkdtemp(prefix="cijferwerf-site-"))
        self.folder = self.root / "rekenen"
        shutil.copytree(ARGUMENTS.site, self.folder)
        with socket.socket() as probe:
            probe.bind(("127.0.0.1", 0))
            self.port = probe.getsockname()[1]
        self.url = f"http://127.0.0.1:{self.port}/rekenen/"
        self.server = None
        self.asked = []

    def start(self):
        handler = functools.partial(type("Handler", (QuietHandler,), {"asked": self.asked}),
                                    directory=str(self.root))
        http.server.ThreadingHTTPServer.allow_reuse_address = True
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", self.port), handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def stop(self):
        if self.server:
            self.server.shutdown()
            self.server.server_close()
            self.server = None

    def remove(self):
        self.stop()
        shutil.rmtree(self.root, ignore_errors=True)


def start_browser(language="nl-NL", width=900, height=600):
    options = webdriver.ChromeOptions()
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                     f"--window-size={width},{height}", f"--accept-lang={language}",
                     "--force-device-scale-factor=1"):
        options.add_argument(argument)
    options.binary_location = "/usr/bin/chromium"
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def open_page(driver, url):
    driver.get(url)
    WebDriverWait(driver, 20).until(
        lambda d: d.execute_script("return document.documentElement.hasAttribute('data-ready')"))


# ---------------------------------------------------------------------------
# Colours, the way the web's accessibility guidelines measure them

def parse_colour(css):
    inside = css[css.index("(") + 1:css.index(")")].replace(",", " ").split()
    return tuple(round(float(part)) for part in inside[:3])


def luminance(rgb):
    def linear(channel):
        channel /= 255
        return channel / 12.92 if channel <= 0.04045 else ((channel + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(first, second):
    high, low = sorted((luminance(first), luminance(second)), reverse=True)
    return (high + 0.05) / (low + 0.05)


# The browser's colours for the desktop's colour roles.
ROLE_COLOURS = {"WindowBackground": "Field", "WindowText": "FieldText", "ButtonFace": "ButtonFace",
                "ButtonText": "ButtonText", "MenuText": "CanvasText", "ActiveTitleBar": "Highlight"}


def window_green():
    value = DESCRIPTION["background"]
    return (value >> 16 & 0xFF, value >> 8 & 0xFF, value & 0xFF)


# ---------------------------------------------------------------------------

class PageTestCase(unittest.TestCase):
    language = "nl-NL"

    @classmethod
    def setUpClass(cls):
        cls.site = Site()
        cls.site.start()
        cls.driver = start_browser(cls.language)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.site.remove()

    def setUp(self):
        open_page(self.driver, self.site.url)

    def element(self, name):
        return self.driver.find_element(By.ID, name)

    def value(self, name):
        return self.element(name).get_attribute("value")

    def type_into(self, name, text):
        self.element(name).send_keys(text)

    def press(self, name):
        self.element(name).click()

    def shown(self, name):
        return self.driver.execute_script(
            "return getComputedStyle(arguments[0]).visibility === 'visible'", self.element(name))

    def message(self):
        """The open message's title, text and whether the stop icon shows, or None."""
        return self.driver.execute_script("""
            const dialog = document.getElementById('message');
            if (!dialog.open) return null;
            return [dialog.querySelector('h2').textContent, dialog.querySelector('p').textContent,
                    !dialog.querySelector('.stop-icon').hidden];""")

    def active(self):
        return self.driver.execute_script("return document.activeElement.id || document.activeElement.tagName")

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()


class ControlsTest(PageTestCase):
    def test_every_control_at_its_place_with_its_text_limit_and_state(self):
        self.assertEqual(self.driver.title, DESCRIPTION["title"])
        self.assertEqual(self.driver.execute_script("return document.documentElement.lang"), "nl")
        window = self.element("Form1").rect
        self.assertEqual((window["width"], window["height"]), (DESCRIPTION["width"], DESCRIPTION["height"]))
        for control in DESCRIPTION["controls"]:
            with self.subTest(control=control["name"]):
                seen = self.driver.execute_script("""
                    const e = arguments[0], window = document.getElementById('Form1').getBoundingClientRect();
                    const r = e.getBoundingClientRect();
                    return {left: r.left - window.left, top: r.top - window.top, width: r.width,
                            height: r.height, tag: e.tagName, text: e.tagName === 'INPUT' ? e.value : e.innerText,
                            limit: e.maxLength, readOnly: !!e.readOnly, disabled: !!e.disabled,
                            spoken: e.getAttribute('aria-label'), tabIndex: e.tabIndex,
                            weight: getComputedStyle(e).fontWeight, size: parseFloat(getComputedStyle(e).fontSize)};
                    """, self.element(control["name"]))
                self.assertEqual([seen[key] for key in ("left", "top", "width", "height")],
                                 [control[key] for key in ("left", "top", "width", "height")])
                self.assertEqual(seen["text"], control["text"])
                kind = control["kind"]
                self.assertEqual(seen["tag"], "H1" if control["heading"] else
                                 {"label": "DIV", "button": "BUTTON"}.get(kind, "INPUT"))
                if kind not in ("label", "button"):
                    self.assertEqual(seen["limit"], control["limit"] or -1)
                    self.assertEqual(seen["readOnly"], kind == "readonly")
                    self.assertEqual(seen["disabled"], kind == "disabled")
                if kind != "label":
                    self.assertEqual(seen["spoken"], control["spoken"])
                if control["takesFocus"]:
                    self.assertEqual(seen["tabIndex"], control["tabIndex"] + 1)
                self.assertEqual(seen["weight"], "700" if control["bold"] else "400")
                # Drawn in the control's own size or, to fit, a smaller one,
                # never below 7 points.
                self.assertLessEqual(seen["size"], control["points"] * 4 / 3 + 0.01)
                self.assertGreaterEqual(seen["size"], 7 * 4 / 3 - 0.01)

    def test_every_caption_shows_whole(self):
        for control in DESCRIPTION["controls"]:
            if control["kind"] not in ("label", "button"):
                continue
            with self.subTest(control=control["name"]):
                ink, room = self.driver.execute_script("""
                    const e = arguments[0], range = document.createRange();
                    range.selectNodeContents(e);
                    const style = getComputedStyle(e);
                    return [range.getBoundingClientRect().width,
                            e.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight)];
                    """, self.element(control["name"]))
                self.assertLessEqual(ink, room)

    def test_tab_and_shift_tab_follow_the_tab_order(self):
        order = [c["name"] for c in sorted(DESCRIPTION["controls"], key=lambda c: c["tabIndex"])
                 if c["takesFocus"]]
        self.driver.execute_script("document.activeElement.blur()")
        seen = []
        for _ in order:
            self.keys(Keys.TAB)
            seen.append(self.active())
        self.assertEqual(seen, order)
        backwards = []
        for _ in order[:-1]:
            ActionChains(self.driver).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).perform()
            backwards.append(self.active())
        self.assertEqual(backwards, order[-2::-1])

class ExercisesTest(PageTestCase):
    def test_all_writes_every_result_and_sum_and_hides_the_right_answers(self):
        self.type_into("Text1", "3")
        self.type_into("Text2", "5")
        self.type_into("Text12", "8")
        self.type_into("Text14", "16")
        self.press("Command1")
        self.assertEqual([self.value(f"Text{n}") for n in range(3, 12)],
                         ["8", "2", "15", "0,6", "3 + 5 = 8", "5 - 3 = 2", "3 x 5 = 15", "3 : 5 = 0,6", " "])
        self.assertEqual([self.shown(f"Text{n}") for n in range(12, 16)], [False, True, True, True])
        # The hidden box keeps its text, and Tab passes it by.
        self.assertEqual(self.value("Text12"), "8")
        self.driver.execute_script("arguments[0].focus()", self.element("Command2"))
        self.keys(Keys.TAB)
        self.assertEqual(self.active(), "Text13")
        # OPNIEUW shows every answer box again, empty.
        self.press("Command6")
        self.assertEqual([(self.shown(f"Text{n}"), self.value(f"Text{n}")) for n in range(12, 16)],
                         [(True, "")] * 4)

    def test_enter_in_an_operand_box_computes_without_checking_answers(self):
        self.type_into("Text1", "8")
        self.type_into("Text2", "3")
        self.type_into("Text12", "11")
        self.element("Text2").send_keys(Keys.ENTER)
        self.assertEqual(self.value("Text3"), "11")
        self.assertEqual(self.value("Text10"), "8 : 3 = 2,66666667")
        self.assertTrue(self.shown("Text12"))
        self.assertIsNone(self.message())

    def test_long_results_and_typed_answers_show_whole(self):
        self.type_into("Text1", "9999")
        self.type_into("Text2", "-999")
        self.type_into("Text14", "-999899999")
        self.press("Command1")
        self.assertEqual(self.value("Text5"), "-9989001")
        for name in ("Text3", "Text4", "Text5", "Text6", "Text14"):
            with self.subTest(box=name):
                scroll, client = self.driver.execute_script(
                    "return [arguments[0].scrollWidth, arguments[0].clientWidth]", self.element(name))
                self.assertLessEqual(scroll, client)

class MessagesTest(PageTestCase):
    def test_a_number_written_with_two_separators_asks_for_a_number(self):
        self.type_into("Text1", "1..5")
        self.type_into("Text2", "2")
        self.press("Command2")
        self.assertEqual(self.message(), ["LET OP !", "Geef een getal", True])
        self.assertEqual(self.element("message").accessible_name, "LET OP !")
        self.assertEqual(self.active(), "BUTTON")
        # Modal: the window takes no click while it is open.
        with contextlib.suppress(ElementClickInterceptedException):
            self.press("Command6")
        self.assertEqual(self.value("Text1"), "1..5")
        self.keys(Keys.ENTER)
        self.assertIsNone(self.message())
        self.assertEqual(self.active(), "Command2")
        self.assertEqual(self.value("Text3"), "+")

    def test_enter_that_opens_the_message_leaves_it_open_and_escape_closes_it(self):
        self.type_into("Text1", "a")
        self.element("Text1").send_keys(Keys.ENTER)
        self.assertEqual(self.message(), ["LET OP !", "Geef een getal", True])
        self.keys(Keys.ESCAPE)
        self.assertIsNone(self.message())
        self.assertEqual(self.active(), "Text1")
        self.type_into("Text1", "b")
        self.assertEqual(self.value("Text1"), "ab")

    def test_an_arithmetic_fault_is_reported_under_the_window_title(self):
        # A number past the box's limit, which no pupil can type: beyond the
        # double range, and infinity times zero is an invalid operation.
        self.driver.execute_script("arguments[0].value = '1E999'", self.element("Text1"))
        self.type_into("Text2", "0")
        self.press("Command1")
        self.assertEqual(self.message(), [DESCRIPTION["title"], "Rekenfout: ongeldige bewerking", True])
        self.keys(Keys.ENTER)
        self.assertEqual(self.value("Text3"), "INF")


def platform_separators():
    """The pairs of separators, decimal then grouping, that the logic is
    checked with, as the logic's tests list them."""
    header = Path(__file__).resolve().parents[3] / "exercise/tests/decimals_under.h"
    listed = header.read_text().split("kPlatformSeparators[] = {")[1].split("};")[0]
    character = r"u'(\\u[0-9a-f]{4}|\\'|[^\\'])'"
    return {tuple(chr(int(c[2:], 16)) if c.startswith("\\u") else c[-1] for c in pair)
            for pair in re.findall(r"\{" + character + ", " + character + r"\}", listed)}


class EveryLanguageTest(PageTestCase):
    """Every language the browser's Intl knows, as the first language of the
    browser, read as the page reads it."""
    language = "en-US"

    def test_decimal_sums_come_out_right_and_can_be_typed_back(self):
        self.driver.set_script_timeout(300)
        seen = self.driver.execute_script("""
            const letters = 'abcdefghijklmnopqrstuvwxyz', codes = [];
            for (const a of letters) for (const b of letters) {
                codes.push(a + b);
                for (const c of letters) codes.push(a + b + c);
            }
            const regionNames = new Intl.DisplayNames(['en'], {type: 'region', fallback: 'none'});
            const regions = [];
            for (const a of letters.toUpperCase()) for (const b of letters.toUpperCase())
                if (regionNames.of(a + b)) regions.push(a + b);
            const languages = new Set();
            for (const language of Intl.NumberFormat.supportedLocalesOf(codes)) {
                for (const tag of [language, ...regions.map(region => language + '-' + region)]) {
                    try { languages.add(new Intl.NumberFormat(tag).resolvedOptions().locale); }
                    catch (e) {}
                }
            }
            const box = name => document.getElementById(name);
            const message = document.getElementById('message');
            const press = (name, first, second) => {
                box('Text1').value = first;
                box('Text2').value = second;
                box(name).click();
                const asked = message.open;
                if (asked) message.close();
                return asked;
            };
            const results = [];
            for (const language of languages) {
                Object.defineProperty(navigator, 'language', {get: () => language, configurable: true});
                const parts = new Intl.NumberFormat(language).formatToParts(1234567.5);
                const part = type => (parts.find(p => p.type === type) || {value: ''}).value;
                const sum = press('Command2', '2.5', '4') ? 'Geef een getal' : box('Text3').value;
                const back = press('Command2', sum, '0') ? 'Geef een getal' : box('Text3').value;
                const comma = press('Command2', '2,5', '4') ? 'Geef een getal' : box('Text3').value;
                press('Command1', '1', '3');
                const quotient = box('Text6').value;
                box('Text15').value = quotient;
                press('Command1', '1', '3');
                results.push([language, part('decimal'), part('group'), sum, back, comma, quotient,
                              getComputedStyle(box('Text15')).visibility === 'hidden']);
                box('Command6').click();
            }
            return results;""")
        known = platform_separators()
        print(f"\n{len(seen)} languages, separators {sorted({(d, g) for _, d, g, *_ in seen})}",
              file=sys.stderr)
        self.assertGreater(len(seen), 400)
        for language, decimal, group, sum_, back, comma, quotient, right in seen:
            with self.subTest(language=language):
                self.assertIn((decimal, group), known)
                written = "6,5" if decimal == "," else "6.5"
                self.assertEqual((sum_, back), (written, written))
                self.assertIn(comma, (written, "Geef een getal"))
                self.assertTrue(right, f"the answer {quotient} is wrong")


class ColoursTest(PageTestCase):
    def scheme(self, name):
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
            "features": [{"name": "prefers-color-scheme", "value": name}]})

    def tearDown(self):
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})

    def resolved(self, css):
        return parse_colour(self.driver.execute_script("""
            const probe = document.createElement('span');
            probe.style.color = arguments[0];
            document.body.append(probe);
            const colour = getComputedStyle(probe).color;
            probe.remove();
            return colour;""", css))

    def colour_of(self, described):
        if described.startswith("#"):
            value = int(described[1:], 16)
            return (value >> 16, value >> 8 & 0xFF, value & 0xFF)
        return self.resolved(ROLE_COLOURS[described])

    def check_colours(self):
        """Each control in its group's colours as the scheme gives them, its
        text moved only where it would not read, its focus frame standing
        out from the window around it."""
        green = window_green()
        for control in DESCRIPTION["controls"]:
            with self.subTest(control=control["name"]):
                element = self.element(control["name"])
                text, background = (parse_colour(c) for c in self.driver.execute_script(
                    "const s = getComputedStyle(arguments[0]); return [s.color, s.backgroundColor]", element))
                self.assertEqual(background, self.colour_of(control["background"]))
                self.assertGreaterEqual(contrast(text, background), 4.5)
                own = self.colour_of(control["foreground"])
                if control["kind"] != "disabled" and contrast(own, background) >= 4.5:
                    self.assertEqual(text, own)
                if control["takesFocus"]:
                    self.driver.execute_script("arguments[0].focus()", element)
                    outline, width = self.driver.execute_script(
                        "const s = getComputedStyle(arguments[0]); return [s.outlineColor, s.outlineWidth]",
                        element)
                    self.assertEqual(width, "2px")
                    self.assertGreaterEqual(contrast(parse_colour(outline), green), 3.0)

    def test_light_scheme(self):
        self.scheme("light")
        self.check_colours()

    def test_dark_scheme_keeps_the_greens_and_every_text_readable(self):
        # Switched while the page is open, as a tablet does at dusk.
        self.scheme("dark")
        canvas = parse_colour(self.driver.execute_script("return getComputedStyle(document.body).backgroundColor"))
        self.assertLess(luminance(canvas), 0.1)
        window = parse_colour(self.driver.execute_script(
            "return getComputedStyle(document.getElementById('Form1')).backgroundColor"))
        self.assertEqual(window, window_green())
        self.check_colours()


class AccessibilityTest(PageTestCase):
    TAGS = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa"]

    def audit(self):
        self.driver.execute_script(Path(ARGUMENTS.axe).read_text(encoding="utf-8"))
        result = self.driver.execute_async_script("""
            const done = arguments[arguments.length - 1];
            axe.run(document, {runOnly: {type: 'tag', values: arguments[0]}})
               .then(r => done(r.violations.map(v => [v.id, v.nodes.map(n => n.target.join(' '))])),
                     e => done([['axe failed', String(e)]]));""", self.TAGS)
        self.assertEqual(result, [])

    def test_no_violation_in_either_scheme_with_results_and_with_the_message_open(self):
        self.type_into("Text1", "3")
        self.type_into("Text2", "7")
        self.press("Command1")
        self.audit()
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
            "features": [{"name": "prefers-color-scheme", "value": "dark"}]})
        self.press("Command6")
        self.press("Command2")
        self.assertIsNotNone(self.message())
        self.audit()
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})


class NarrowWindowTest(PageTestCase):
    def setUp(self):
        # A phone held upright: narrower than the window.
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": 360, "height": 640, "deviceScaleFactor": 2, "mobile": True})
        super().setUp()

    def tearDown(self):
        self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})

    def test_the_page_keeps_its_size_and_scrolls(self):
        scale, seen, width = self.driver.execute_script(
            "return [visualViewport.scale, visualViewport.width, document.documentElement.scrollWidth]")
        self.assertEqual((scale, seen), (1, 360))
        self.assertGreater(width, seen)
        self.assertEqual(self.element("Form1").rect["width"], DESCRIPTION["width"])


class OfflineTest(unittest.TestCase):
    """Each test with a browser of its own, whose cache starts empty."""

    def setUp(self):
        self.site = Site()
        self.site.start()
        self.driver = start_browser()

    def tearDown(self):
        self.driver.quit()
        self.site.remove()

    def wait_for_service_worker(self, cache_name=None):
        WebDriverWait(self.driver, 30).until(lambda d: d.execute_async_script("""
            const done = arguments[arguments.length - 1], wanted = arguments[0];
            navigator.serviceWorker.getRegistration().then(async r => {
                if (!r || !r.active || r.active.state !== 'activated' || r.installing || r.waiting)
                    return done(false);
                const names = await caches.keys();
                done(wanted ? names.length === 1 && names[0] === wanted : names.length === 1);
            });""", cache_name))

    def cache_name(self):
        text = (self.site.folder / "sw.js").read_text(encoding="utf-8")
        start = text.index('"cijferwerf-') + 1
        return text[start:text.index('"', start)]

    def test_the_page_works_with_the_server_stopped(self):
        open_page(self.driver, self.site.url)
        self.wait_for_service_worker()
        # Once the page is kept, a visit asks the server for nothing but
        # whether the service worker is new.
        self.site.asked.clear()
        open_page(self.driver, self.site.url)
        self.assertLessEqual(set(self.site.asked), {"/rekenen/sw.js"})
        self.site.stop()
        self.driver.execute_cdp_cmd("Network.clearBrowserCache", {})
        open_page(self.driver, self.site.url + "?klas=5b")
        self.driver.find_element(By.ID, "Text1").send_keys("3")
        self.driver.find_element(By.ID, "Text2").send_keys("5")
        self.driver.find_element(By.ID, "Command1").click()
        self.assertEqual(self.driver.find_element(By.ID, "Text7").get_attribute("value"), "3 + 5 = 8")
        fonts = self.driver.execute_script(
            "return [...document.fonts].filter(f => f.status === 'loaded').length")
        self.assertEqual(fonts, 2)

    def test_a_new_version_replaces_the_kept_one_on_the_next_visit(self):
        open_page(self.driver, self.site.url)
        self.wait_for_service_worker(self.cache_name())
        # A new version is published: a changed file and, with it, a new
        # service worker.
        stylesheet = self.site.folder / "cijferwerf.css"
        stylesheet.write_text(stylesheet.read_text(encoding="utf-8") + "body { --version: 2; }\n",
                              encoding="utf-8")
        worker = self.site.folder / "sw.js"
        old = self.cache_name()
        worker.write_text(worker.read_text(encoding="utf-8").replace(old, old + "-2"), encoding="utf-8")
        open_page(self.driver, self.site.url)
        self.wait_for_service_worker(old + "-2")
        self.site.stop()
        open_page(self.driver, self.site.url)
        self.assertEqual(self.driver.execute_script(
            "return getComputedStyle(document.body).getPropertyValue('--version').trim()"), "2")


class InstallableTest(PageTestCase):
    def test_chromium_reports_no_installability_or_manifest_error(self):
        WebDriverWait(self.driver, 30).until(lambda d: d.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "navigator.serviceWorker.ready.then(r => done(r.active.state === 'activated'))"))
        self.driver.refresh()
        manifest = self.driver.execute_cdp_cmd("Page.getAppManifest", {})
        self.assertEqual(manifest.get("errors"), [])
        errors = self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})
        self.assertEqual(errors.get("installabilityErrors"), [])


def main():
    global ARGUMENTS, DESCRIPTION
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--site", required=True)
    parser.add_argument("--description", required=True, help="description_dump.js")
    parser.add_argument("--axe", required=True, help="axe.min.js")
    ARGUMENTS, rest = parser.parse_known_args()
    dump = subprocess.run(["/usr/bin/node", "--no-experimental-fetch", ARGUMENTS.description],
                          check=True, capture_output=True, text=True).stdout
    DESCRIPTION = json.loads(dump)
    unittest.main(argv=[sys.argv[0], *rest], verbosity=2)


if __name__ == "__main__":
    main()
