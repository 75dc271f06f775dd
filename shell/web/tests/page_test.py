#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page in a browser engine, as a pupil and a teacher use it.

The site is served from a copy on 127.0.0.1, the browser (CIJFERWERF_BROWSER:
chromium, the default, webkit or firefox; see browsers.py) driven through
WebDriver. The controls are checked against the window's description
(written out by description_dump), the exercises are done with the keyboard
and the mouse, the messages answered, the window fitted to a tablet's
screen, the page used offline and updated, and audited for accessibility
with axe-core. A step that an engine's driver cannot take is skipped for
that engine alone, with the reason.
"""
import argparse
import contextlib
import functools
import http.server
import io
import json
import os
import re
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time
import unittest
from pathlib import Path

from PIL import Image, ImageChops
from selenium.common.exceptions import (ElementClickInterceptedException, ElementNotInteractableException,
                                        TimeoutException)
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

import browsers

ARGUMENTS = None
DESCRIPTION = None
ENGINE = os.environ.get("CIJFERWERF_BROWSER", "chromium")


def skip_in(*engines, why):
    """Skips a test, or the rest of one, in engines that cannot do it."""
    if ENGINE in engines:
        raise unittest.SkipTest(f"{ENGINE}: {why}")


NO_DEVTOOLS = "the step needs Chromium's DevTools protocol"
# WebKit's window on the virtual X server (no window manager) and headless
# Firefox's never have the system's focus (document.hasFocus() is false),
# and then :focus matches nothing: focus frames are checked where it does.
FOCUSED_ENGINES = ("chromium",)


# ---------------------------------------------------------------------------
# The server and the browser

class QuietHandler(http.server.SimpleHTTPRequestHandler):
    """Serves quietly, notes each path it is asked for, and keeps its
    connection in a set while it is open."""
    asked = None
    connections = None

    def setup(self):
        super().setup()
        self.connections.add(self.connection)

    def finish(self):
        super().finish()
        self.connections.discard(self.connection)

    def log_message(self, *args):
        pass

    def send_head(self):
        if self.asked is not None:
            self.asked.append(self.path)
        return super().send_head()

    def copyfile(self, source, target):
        """slow.html: the second half of the window 1.5 s after the first, long after the program."""
        if not self.path.endswith("/slow.html"):
            return super().copyfile(source, target)
        page = source.read()
        half = page.index(b'<input id="Text7"')
        target.write(page[:half])
        time.sleep(1.5)
        target.write(page[half:])


class Site:
    """A copy of the site in a sub-folder of a server on one port of
    127.0.0.1, which stays the same when the server stops and starts again,
    as a school's server would."""

    def __init__(self):
        self.root = Path(tempfile.mkdtemp(prefix="cijferwerf-site-"))
        self.folder = self.root / "rekenen"
        shutil.copytree(ARGUMENTS.site, self.folder)
        # The page as it shows before any script runs, and one whose program
        # starts only when startProgram() is called.
        page = (self.folder / "index.html").read_text(encoding="utf-8")
        start = "startProgram();"
        assert start in page, "the page starts no program"
        (self.folder / "still.html").write_text(re.sub(r"<script[^>]*>[\s\S]*?</script>", "", page),
                                                encoding="utf-8")
        (self.folder / "late.html").write_text(page.replace(start, ""), encoding="utf-8")
        (self.folder / "slow.html").write_text(page, encoding="utf-8")
        with socket.socket() as probe:
            probe.bind(("127.0.0.1", 0))
            self.port = probe.getsockname()[1]
        self.url = f"http://127.0.0.1:{self.port}/rekenen/"
        self.server = None
        self.asked = []
        self.connections = set()

    def start(self):
        handler = functools.partial(
            type("Handler", (QuietHandler,), {"asked": self.asked, "connections": self.connections}),
            directory=str(self.root))
        http.server.ThreadingHTTPServer.allow_reuse_address = True
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", self.port), handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def stop(self):
        if self.server:
            self.server.shutdown()
            self.server.server_close()
            self.server = None
        # A stopped server answers nothing more, also not on a connection
        # that the browser opened before, or kept open.
        for connection in list(self.connections):
            with contextlib.suppress(OSError):
                connection.shutdown(socket.SHUT_RDWR)

    def remove(self):
        self.stop()
        shutil.rmtree(self.root, ignore_errors=True)


def start_browser(language="nl-NL", width=900, height=600, engine=None):
    """The engine under test (or another), fresh, in a language."""
    return browsers.start(engine or ENGINE, language, width, height)


def set_viewport(driver, width, height):
    """A device's viewport: a tablet's or a phone's, turned or not."""
    if driver.engine == "chromium":
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 1, "mobile": True})
    elif driver.engine == "firefox":
        driver.set_viewport(width, height)
    else:  # the window, its toolbar included: the nearest WebKit's driver comes
        driver.set_window_size(width, height)


def open_page(driver, url):
    driver.get(url)
    WebDriverWait(driver, 20).until(
        lambda d: d.execute_script("return document.documentElement.hasAttribute('data-ready')"))


# ---------------------------------------------------------------------------
# What the page built, against the description

def parse_colour(css, under=(255, 255, 255)):
    """An rgb() or rgba() colour as it shows over under."""
    inside = css[css.index("(") + 1:css.index(")")].replace(",", " ").replace("/", " ").split()
    alpha = float(inside[3]) if len(inside) > 3 else 1.0
    return tuple(round(float(own) * alpha + base * (1 - alpha)) for own, base in zip(inside, under))


def hex_colour(rgb):
    return "#%02X%02X%02X" % rgb


READ_CONTROLS = """
    const [names, walls] = arguments, form = document.getElementById('Form1').getBoundingClientRect();
    return names.filter(name => document.getElementById(name)).map(name => {
        const e = document.getElementById(name), r = e.getBoundingClientRect(), s = getComputedStyle(e);
        const box = e.tagName === 'INPUT';
        return {name, tag: e.tagName, place: [r.left - form.left, r.top - form.top, r.width, r.height],
                size: parseFloat(s.fontSize), bold: s.fontWeight === '700',
                input: !box ? '-' : e.disabled ? 'disabled' : e.readOnly ? 'readonly' : 'typing',
                limit: box ? Math.max(e.maxLength, 0) : 0,
                edge: !box ? '-' : parseFloat(s.borderTopWidth) > 0 ? 'sunken' : 'flat',
                alignment: !box ? '-' : s.textAlign === 'center' ? 'centre' : 'left',
                // A label is heard by its caption.
                spoken: e.getAttribute('aria-label') ?? (box || e.tagName === 'BUTTON' ? '' : e.innerText),
                colours: walls ? [s.backgroundColor, s.color, s.borderTopColor] : null,
                // WebKit ends a caption of blocks with a line break.
                text: box ? e.value : e.innerText.replace(/\\n$/, '')};
    });"""


def built_window(driver, layout="twips", colours=False, frames=False, tab=False, back_tab=False):
    """What the page built, as description_dump reads it: the window, the
    scheme's colour for each role, every control (its focus frame too, read
    with the focus on it), and the focus from the start after each Tab and
    each Shift+Tab."""
    dpi = dots_per_inch(driver, layout)
    rect = driver.find_element(By.ID, "Form1").rect
    lines = [f"window\t{dpi}\t{'narrow' if layout == 'narrowTwips' else 'wide'}\t"
             f"{rect['width']}\t{rect['height']}", f"start\t{active_name(driver)}"]
    if colours:
        for role, css in DESCRIPTION["roles"].items():
            inside = driver.execute_script("""
                const probe = document.createElement('span');
                probe.style.color = arguments[0];
                document.body.append(probe);
                const colour = getComputedStyle(probe).color;
                probe.remove();
                return colour;""", css)
            inside = inside[inside.index("(") + 1:inside.index(")")].replace(",", " ").replace("/", " ").split()
            lines.append(f"role\t{role}\t{hex_colour(tuple(round(float(c)) for c in inside[:3]))}\t"
                         f"{inside[3] if len(inside) > 3 else 1}")
    names = [control["name"] for control in DESCRIPTION["controls"]]
    outlines = driver.execute_script("""
        return Object.fromEntries(arguments[0].map(name => {
            const e = document.getElementById(name);
            e.focus();
            const s = getComputedStyle(e);
            return [name, document.activeElement === e && parseFloat(s.outlineWidth) >= 2 ?
                    s.outlineColor : null];
        }));""", names) if frames else {}
    for seen in driver.execute_script(READ_CONTROLS, names, colours):
        frame = hex_colour(parse_colour(outlines[seen["name"]])) if outlines.get(seen["name"]) else "-"
        # A place off the pixel grid shows as one that is not the description's.
        place = [round(v) if abs(v - round(v)) < 0.01 else -1 for v in seen["place"]]
        background, text, edge = (hex_colour(parse_colour(c)) for c in seen["colours"]) if colours \
            else ("-", "-", "-")
        lines.append("\t".join(map(str, [
            "control", seen["name"], *place, "", seen["size"] * 72 / dpi, int(seen["bold"]), seen["input"],
            seen["limit"], seen["edge"], seen["alignment"], seen["spoken"] or "-", background, text,
            frame, edge, seen["text"].replace("\n", "\\n")])))
    # Forward from the first control, back from the last.
    order = [c["name"] for c in sorted(DESCRIPTION["controls"], key=lambda c: c["tabIndex"]) if c["takesFocus"]]
    for walk, holding, first in (("tab", None, order[0]), ("backtab", Keys.SHIFT, order[-1])):
        if not (tab if walk == "tab" else back_tab):
            continue
        driver.execute_script("document.getElementById(arguments[0]).focus()", first)
        lines.append(f"{walk}\t{active_name(driver)}")
        # After the last, Tab leaves the page for the browser's own.
        for _ in range(DESCRIPTION["tabStops"] - 1):
            browsers.press_keys(driver, Keys.TAB, holding=holding)
            lines.append(f"{walk}\t{active_name(driver)}")
    return "\n".join(lines) + "\n"


def differences(built):
    """How the page differs from the description, as description_dump says."""
    result = subprocess.run(["/usr/bin/node", "--no-experimental-fetch", ARGUMENTS.description, "built"],
                            input=built, capture_output=True, text=True)
    return result.stdout + result.stderr if result.returncode else ""


def active_name(driver):
    return driver.execute_script("return document.activeElement.id || document.activeElement.tagName")


def window_green():
    value = DESCRIPTION["background"]
    return (value >> 16 & 0xFF, value >> 8 & 0xFF, value & 0xFF)


def pixels(twips, dots_per_inch):
    return int(twips * dots_per_inch / 1440 + 0.5)


def dots_per_inch(driver, layout="twips"):
    """The resolution at which the page drew the window: the one at which
    the description's window (its "twips" or "narrowTwips") has the size it
    shows."""
    rect = driver.find_element(By.ID, "Form1").rect
    width, height = DESCRIPTION[layout]
    for dpi in range(96, 3 * 96 + 1):
        if (pixels(width, dpi), pixels(height, dpi)) == (rect["width"], rect["height"]):
            return dpi
    raise AssertionError(f"a window of {rect['width']} x {rect['height']} at no resolution")


def captions_cut(driver):
    """The labels and buttons whose caption is wider than the room inside."""
    return driver.execute_script("""
        return [...document.querySelectorAll('#Form1 > div, #Form1 > h1, #Form1 > button')].filter(e => {
            const range = document.createRange(), style = getComputedStyle(e);
            range.selectNodeContents(e);
            return range.getBoundingClientRect().width >
                e.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
        }).map(e => e.id);""")


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

    def keys(self, *keys, holding=None):
        browsers.press_keys(self.driver, *keys, holding=holding)


class ControlsTest(PageTestCase):
    def test_every_control_at_its_place_with_its_text_limit_and_state(self):
        # As the page came, before any script has run, and once the program
        # has taken it over.
        self.driver.get(self.site.url + "still.html")
        self.check_controls()
        open_page(self.driver, self.site.url)
        self.check_controls()

    def check_controls(self):
        self.assertEqual(self.driver.title, DESCRIPTION["title"])
        self.assertEqual(self.driver.execute_script("return document.documentElement.lang"), "nl")
        # One heading, the window's name; a fixed expectation, so that a
        # description that lost its heading cannot pass.
        self.assertEqual(self.driver.execute_script(
            "return [...document.querySelectorAll('h1')].map(h => h.textContent)"), ["CIJFERWERF"])
        # The focus starts on ALLES, as in the desktop windows.
        self.assertEqual(self.active(), "Command1")
        # Labels, buttons and boxes as the browser knows them.
        tags = {c["name"]: {"label": "DIV", "button": "BUTTON"}.get(c["kind"], "INPUT")
                for c in DESCRIPTION["controls"] if not c["heading"]}
        self.assertEqual(self.driver.execute_script(
            "return Object.fromEntries(arguments[0].map(n => [n, document.getElementById(n).tagName]))",
            list(tags)), tags)
        self.assertEqual(differences(built_window(self.driver, tab=True)), "")

    def test_every_caption_shows_whole(self):
        self.assertEqual(captions_cut(self.driver), [])

    def test_shift_tab_follows_the_tab_order_back(self):
        skip_in("webkit", why="its driver sends Shift+Tab as a key 'Unidentified'")
        self.assertEqual(differences(built_window(self.driver, back_tab=True)), "")


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
        # A screen reader hears it from a polite status region.
        self.assertEqual(self.driver.execute_script(
            "return document.querySelector('[role=status][aria-live=polite]').textContent"),
            "3 plus 5 is 8, goed. 5 min 3 is 2. 3 keer 5 is 15, fout. 3 gedeeld door 5 is 0,6.")
        # The hidden box keeps its text, and Tab passes it by.
        self.assertEqual(self.value("Text12"), "8")
        self.driver.execute_script("arguments[0].focus()", self.element("Command2"))
        self.keys(Keys.TAB)
        self.assertEqual(self.active(), "Text13")
        # OPNIEUW shows every answer box again, empty.
        self.press("Command6")
        self.assertEqual([(self.shown(f"Text{n}"), self.value(f"Text{n}")) for n in range(12, 16)],
                         [(True, "")] * 4)

    def test_an_enter_and_a_click_before_the_program_runs_are_carried_out_once(self):
        self.driver.get(self.site.url + "late.html")
        self.type_into("Text1", "6")
        self.type_into("Text2", "3")
        self.element("Text2").send_keys(Keys.ENTER)
        self.press("Command1")
        # Every text written into the sum's result box, from here on.
        self.driver.execute_script("""
            const box = document.getElementById('Text3');
            const own = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, 'value');
            window.written = [];
            Object.defineProperty(box, 'value', {get() { return own.get.call(this); },
                                                 set(text) { written.push(text); own.set.call(this, text); }});
            startProgram();""")
        WebDriverWait(self.driver, 20).until(
            lambda d: d.execute_script("return document.documentElement.hasAttribute('data-ready')"))
        self.assertEqual(self.driver.execute_script("return window.written"), ["9", "9"])
        self.assertEqual([self.value(f"Text{n}") for n in (1, 2, 7)], ["6", "3", "6 + 3 = 9"])

    def test_a_program_come_before_the_rest_of_the_page_waits_for_the_window(self):
        open_page(self.driver, self.site.url + "slow.html")
        self.type_into("Text1", "6")
        self.type_into("Text2", "3")
        self.press("Command1")
        self.assertEqual(self.value("Text3"), "9")

    def test_a_tablet_keyboards_enter_is_heard_in_each_form_once_the_text_is_composed(self):
        # Such a keyboard sends each key as a key "Unidentified" (code 229),
        # and Enter after it as a character 13 or as a line break put in.
        skip_in("webkit", "firefox", why=NO_DEVTOOLS)
        send = self.driver.execute_cdp_cmd

        def press(*then):
            send("Input.dispatchKeyEvent", {"type": "rawKeyDown", "key": "Unidentified",
                                            "windowsVirtualKeyCode": 229})
            for method, parameters in then:
                send(method, parameters)
            send("Input.dispatchKeyEvent", {"type": "keyUp", "key": "Unidentified",
                                            "windowsVirtualKeyCode": 229})

        character = ("Input.dispatchKeyEvent", {"type": "char", "text": "\r"})
        line_break = ("Input.insertText", {"text": "\n"})
        self.type_into("Text1", "8")
        self.type_into("Text2", "3")
        press(character)
        self.assertEqual(self.value("Text3"), "11")
        self.press("Command6")
        self.type_into("Text1", "6")
        self.type_into("Text2", "")
        press(line_break)
        self.assertEqual(self.value("Text2"), "")
        self.assertEqual(self.message(), ["LET OP !", "Geef een getal", True])
        self.keys(Keys.ESCAPE)
        # Enter while the keyboard still composes "4", which it then puts in
        # as "5": the box's number is the one put in.
        self.type_into("Text2", "")
        send("Input.imeSetComposition", {"text": "4", "selectionStart": 1, "selectionEnd": 1})
        press(character)
        press(("Input.insertText", {"text": "5"}))
        self.assertEqual(self.value("Text3"), "11")
        self.assertIsNone(self.message())

    def test_a_pasted_text_with_a_line_break_is_kept_and_computes_nothing(self):
        skip_in("webkit", "firefox", why=NO_DEVTOOLS)
        send = self.driver.execute_cdp_cmd
        self.type_into("Text1", "8")
        self.type_into("Text2", "3")
        self.element("Text2").send_keys(Keys.ENTER)
        send("Browser.grantPermissions", {"permissions": ["clipboardReadWrite",
                                                          "clipboardSanitizedWrite"]})
        self.driver.execute_async_script(
            "navigator.clipboard.writeText('5\\n').then(arguments[0], arguments[0])")
        self.element("Text1").send_keys(Keys.BACKSPACE)
        for kind in ("keyDown", "keyUp"):
            send("Input.dispatchKeyEvent", {"type": kind, "key": "v", "code": "KeyV",
                                            "windowsVirtualKeyCode": 86, "modifiers": 2,
                                            "commands": ["paste"] if kind == "keyDown" else []})
        self.assertEqual(self.value("Text1"), "5")
        self.assertEqual([self.value("Text3"), self.value("Text7")], ["11", "8 + 3 = 11"])

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
        if ENGINE != "firefox":  # its protocol has no call for an element's computed name
            self.assertEqual(self.element("message").accessible_name, "LET OP !")
        self.assertEqual(self.active(), "BUTTON")
        # An alert dialog, whose title and text a screen reader says as it opens.
        self.assertEqual(self.driver.execute_script(
            "const m = document.getElementById('message');"
            "return [m.getAttribute('role'), m.querySelector('[role=alert]').textContent]"),
            ["alertdialog", "LET OP !Geef een getal"])
        # Modal: the window takes no click while it is open.
        with contextlib.suppress(ElementClickInterceptedException, ElementNotInteractableException):
            self.press("Command6")
        self.assertEqual(self.value("Text1"), "1..5")
        # The click beside the message took the focus from OK in Firefox.
        self.driver.execute_script("document.querySelector('#message button').focus()")
        self.assert_ok_shows_its_focus()
        if ENGINE == "firefox":  # without the system's focus Enter does not press OK there
            self.driver.execute_script("document.querySelector('#message button').click()")
        else:
            self.keys(Keys.ENTER)
        self.assertIsNone(self.message())
        self.assertEqual(self.active(), "Command2")
        self.assertEqual(self.value("Text3"), "+")

    def assert_ok_shows_its_focus(self):
        """The focus frame around OK, by the pixels painted: the message
        as it shows, and with no outline at all, differ all around OK. In
        FOCUSED_ENGINES alone; WebKit's driver's screenshots also come back
        blank or never."""
        if ENGINE not in FOCUSED_ENGINES:
            return
        dialog, ok = self.element("message"), self.driver.execute_script(
            "return document.querySelector('#message button').getBoundingClientRect().toJSON()")
        shown = Image.open(io.BytesIO(dialog.screenshot_as_png)).convert("RGB")
        self.driver.execute_script("document.activeElement.style.outlineStyle = 'none'")
        bare = Image.open(io.BytesIO(dialog.screenshot_as_png)).convert("RGB")
        self.driver.execute_script("document.activeElement.style.outlineStyle = ''")
        changed = sum(1 for pixel in ImageChops.difference(shown, bare).getdata() if any(pixel))
        self.assertGreaterEqual(changed, 2 * (ok["width"] + ok["height"]))

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


class SharedExercisesTest(PageTestCase):
    """The exercises that every window's test runs through its window, here
    under English regional settings (the Dutch ones in the class below)."""
    language = "en-US"
    dutch = False

    def test_the_exercises_of_every_window(self):
        for exercise in DESCRIPTION["exercises"]:
            if exercise["dutch"] != self.dutch:
                continue
            with self.subTest(exercise=exercise["name"]):
                open_page(self.driver, self.site.url)
                typed = [("Text1", exercise["first"]), ("Text2", exercise["second"])]
                typed += [(f"Text{12 + i}", answer) for i, answer in enumerate(exercise["answers"])]
                for name, text in typed:
                    if text:  # WebKit's driver refuses to type nothing
                        self.type_into(name, text)
                if exercise["click"]:
                    self.press(exercise["click"])
                else:
                    self.element(exercise["enterIn"]).send_keys(Keys.ENTER)
                message = self.message()
                self.assertEqual(message[1] if message else "", exercise["message"])
                self.assertEqual([self.value(f"Text{n}") for n in range(3, 12)], exercise["shown"])
                self.assertEqual([self.shown(f"Text{n}") for n in range(12, 16)],
                                 exercise["answersShown"])


class SharedExercisesUnderDutchSettingsTest(SharedExercisesTest):
    language = "nl-NL"
    dutch = True


class EveryLanguageTest(PageTestCase):
    """Every language the browser's Intl knows, as the first language of the
    browser, read as the page reads it."""
    language = "en-US"

    def test_decimal_sums_come_out_right_and_can_be_typed_back(self):
        if hasattr(self.driver, "set_script_timeout"):
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
        if name != "light":
            skip_in("webkit", "firefox", why=NO_DEVTOOLS)
        if ENGINE == "chromium":
            self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
                "features": [{"name": "prefers-color-scheme", "value": name}]})

    def tearDown(self):
        if ENGINE == "chromium":
            self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})

    def check_colours(self):
        """Each control in its group's colours as the scheme gives them, its
        text moved only where it would not read, its focus frame standing
        out from the control and the window around it: by the description's
        own rules. A result is written in the scheme's disabled text colour,
        translucent in some engines, as it shows on its green."""
        frames = ENGINE in FOCUSED_ENGINES
        built = built_window(self.driver, colours=True, frames=frames)
        self.assertEqual(differences(built), "")
        if frames:
            framed = {line.split("\t")[1] for line in built.splitlines()
                      if line.startswith("control") and line.split("\t")[16] != "-"}
            self.assertEqual(framed, {c["name"] for c in DESCRIPTION["controls"] if c["takesFocus"]})

    def test_the_roles_are_the_browsers_own_colours_for_such_controls(self):
        """The colours that the page takes for the scheme's roles are those
        that the browser gives a box and a button of its own."""
        seen = self.driver.execute_script("""
            const host = document.createElement('div');
            document.body.append(host);
            const root = host.attachShadow({mode: 'open'});
            root.innerHTML = '<input><button>OK</button><span></span>';
            const [input, button, probe] = root.children, s = e => getComputedStyle(e);
            const role = css => { probe.style.color = css; return s(probe).color; };
            const roles = JSON.parse(arguments[0]), result = {
                WindowBackground: [s(input).backgroundColor, role(roles.WindowBackground)],
                WindowText: [s(input).color, role(roles.WindowText)],
                ButtonFace: [s(button).backgroundColor, role(roles.ButtonFace)],
                ButtonText: [s(button).color, role(roles.ButtonText)]};
            host.remove();
            return result;""", json.dumps(DESCRIPTION["roles"]))
        for role, (own, taken) in seen.items():
            with self.subTest(role=role):
                self.assertEqual(parse_colour(taken), parse_colour(own))

    def test_light_scheme(self):
        self.scheme("light")
        self.check_colours()

    def test_dark_scheme_keeps_the_greens_and_every_text_readable(self):
        # Switched while the page is open, as a tablet does at dusk.
        self.scheme("dark")
        canvas = parse_colour(self.driver.execute_script("return getComputedStyle(document.body).backgroundColor"))
        self.assertLess(max(canvas), 0x60)
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
        skip_in("webkit", "firefox", why=NO_DEVTOOLS)
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
            "features": [{"name": "prefers-color-scheme", "value": "dark"}]})
        self.press("Command6")
        self.press("Command2")
        self.assertIsNotNone(self.message())
        self.audit()
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})


class ScreenSizeTest(PageTestCase):
    def check_fitted(self, width, height):
        """The window fills the viewport's limiting side, and every caption
        shows whole."""
        set_viewport(self.driver, width, height)

        def fitted(driver):
            seen = driver.execute_script("""
                const r = document.getElementById('Form1').getBoundingClientRect(),
                      root = document.documentElement;
                return [r.left, r.top, r.right, r.bottom, root.clientWidth, root.clientHeight];""")
            left, top, right, bottom, across, down = seen
            inside = min(left, top) >= 0 and right <= across and bottom <= down
            # In the middle both ways: as much room on either side.
            centred = abs(left - (across - right)) <= 2 and abs(top - (down - bottom)) <= 2
            return inside and centred and min(across - (right - left), down - (bottom - top)) <= 5 \
                or seen

        # The browser may take a moment to give the page its new viewport,
        # which its style fits at once, and the program a moment more to fit
        # the captions anew.
        with contextlib.suppress(TimeoutException):
            WebDriverWait(self.driver, 10).until(
                lambda d: fitted(d) is True and captions_cut(d) == [])
        self.assertIs(fitted(self.driver), True)
        self.assertEqual(captions_cut(self.driver), [])

    def test_a_tablets_screen_either_way_round(self):
        self.check_fitted(1024, 768)
        # Turned: the page follows without being opened again.
        self.check_fitted(768, 1024)
        # A tap on ALLES, where the button now stands.
        skip_in("webkit", "firefox", why=NO_DEVTOOLS)
        self.type_into("Text1", "3")
        self.type_into("Text2", "5")
        box = self.element("Command1").rect
        point = {"x": box["x"] + box["width"] / 2, "y": box["y"] + box["height"] / 2}
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})
        for kind, points in (("touchStart", [point]), ("touchEnd", [])):
            self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})
        self.assertEqual(self.value("Text3"), "8")

    def test_a_phone_upright_shows_the_narrow_window_whole_at_its_width(self):
        skip_in("webkit", why="its window cannot be made as narrow as a phone's")
        for width, height in ((360, 740), (390, 844), (320, 568)):
            with self.subTest(phone=f"{width} x {height}"):
                set_viewport(self.driver, width, height)
                open_page(self.driver, self.site.url)
                across, wide = self.driver.execute_script(
                    "return [document.documentElement.clientWidth, document.documentElement.scrollWidth]")
                self.assertEqual((across, wide), (width, width))
                # The window fills the width, the narrow window as described,
                # every control on the screen both ways.
                self.assertGreaterEqual(self.element("Form1").rect["width"], width - 5)
                self.assertEqual(differences(built_window(self.driver, "narrowTwips")), "")
                off, small = self.driver.execute_script("""
                    const [names, width, height] = arguments, all = names.map(n => document.getElementById(n));
                    return [all.filter(e => { const r = e.getBoundingClientRect();
                                              return r.left < 0 || r.top < 0 || r.right > width || r.bottom > height; }),
                            all.filter(e => parseFloat(getComputedStyle(e).fontSize) < 12)].map(l => l.map(e => e.id));""",
                    [c["name"] for c in DESCRIPTION["controls"]], width, height)
                self.assertEqual(off, [])
                if width == 360:
                    self.assertEqual(small, [])
                self.assertEqual(captions_cut(self.driver), [])


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
                const names = (await caches.keys()).filter(name => name.startsWith('cijferwerf-'));
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
        if ENGINE == "chromium":  # elsewhere the worker's cache alone answers as well
            self.driver.execute_cdp_cmd("Network.clearBrowserCache", {})
        # A link a teacher shared, with a query.
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
        # Another program on the school's server keeps a cache of its own.
        self.driver.execute_async_script(
            "caches.open('rooster').then(c => c.put('rooster.json', new Response('{}'))).then(arguments[0])")
        # A new version is published: a changed file and, with it, a new
        # service worker.
        stylesheet = self.site.folder / "cijferwerf.css"
        stylesheet.write_text(stylesheet.read_text(encoding="utf-8") + "body { --version: 2; }\n",
                              encoding="utf-8")
        # Newer by its date too, which the server's answers go by to the second.
        later = stylesheet.stat().st_mtime + 10
        os.utime(stylesheet, (later, later))
        worker = self.site.folder / "sw.js"
        old = self.cache_name()
        worker.write_text(worker.read_text(encoding="utf-8").replace(old, old + "-2"), encoding="utf-8")
        open_page(self.driver, self.site.url)
        self.wait_for_service_worker(old + "-2")
        self.site.stop()
        open_page(self.driver, self.site.url)
        if ENGINE != "firefox":
            # Not yet in Firefox: after the update it went on styling the page
            # with the old stylesheet from a cache of its own, not asking the
            # service worker, also on a reload; an open question.
            self.assertEqual(self.driver.execute_script(
                "return getComputedStyle(document.body).getPropertyValue('--version').trim()"), "2")
        self.assertIn("rooster", self.driver.execute_async_script("caches.keys().then(arguments[0])"))


@unittest.skipUnless(ENGINE == "chromium", "the check is Chromium's own")
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
