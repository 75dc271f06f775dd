# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The browser engines the page is tested in, each started fresh with a
language and a viewport, and driven alike.

- chromium: Debian's headless Chromium through chromedriver and Selenium.
- webkit: Debian's WebKitGTK (the engine of every browser on an iPad), its
  MiniBrowser through WebKitWebDriver and Selenium, on a virtual X server of
  its own. Its language is the process's locale.
- firefox: Debian's Firefox ESR, which Debian gives no WebDriver for. It is
  driven through the WebDriver BiDi protocol that it speaks itself, over a
  WebSocket, by a small client below with the few calls of Selenium's that
  the tests use.

start(engine, language, width, height) gives a driver; press_keys() sends
keys to whatever has the focus, in any engine.
"""
import base64
import json
import os
import shutil
import socket
import subprocess
import tempfile
import time

from selenium import webdriver
from selenium.common.exceptions import NoSuchElementException, WebDriverException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

ENGINES = ("chromium", "webkit", "firefox")


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def wait_for_port(port, process, seconds=30):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if process.poll() is not None:
            raise RuntimeError(f"{process.args[0]} ended with {process.returncode}")
        with socket.socket() as probe:
            if probe.connect_ex(("127.0.0.1", port)) == 0:
                return
        time.sleep(0.1)
    raise RuntimeError(f"{process.args[0]} did not answer on port {port}")


def start(engine, language="nl-NL", width=900, height=600):
    return {"chromium": start_chromium, "webkit": start_webkit, "firefox": Firefox}[engine](
        language, width, height)


def press_keys(driver, *keys, holding=None):
    """Keys to the focused element; holding (such as Keys.SHIFT) held down
    meanwhile."""
    if isinstance(driver, Firefox):
        driver.type_keys(keys, holding)
        return
    chain = ActionChains(driver)
    if holding:
        chain.key_down(holding)
    chain.send_keys(*keys)
    if holding:
        chain.key_up(holding)
    chain.perform()


# ---------------------------------------------------------------------------
# Chromium

def start_chromium(language, width, height):
    options = webdriver.ChromeOptions()
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                     f"--window-size={width},{height}", f"--accept-lang={language}",
                     "--force-device-scale-factor=1"):
        options.add_argument(argument)
    options.binary_location = "/usr/bin/chromium"
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.engine = "chromium"
    return driver


# ---------------------------------------------------------------------------
# WebKit

MINI_BROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
_display = None


def virtual_display():
    """A virtual X server for the tests' own, started once, ended with them."""
    global _display
    if _display is None:
        read, write = os.pipe()
        server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1600x1200x24",
                                   "-nolisten", "tcp"], pass_fds=[write],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as answer:
            _display = (server, ":" + answer.readline().strip())
        import atexit
        atexit.register(server.terminate)
    return _display[1]


class WebKitDriver(webdriver.Remote):
    def __init__(self, process, **arguments):
        self.process = process
        super().__init__(**arguments)

    def quit(self):
        try:
            super().quit()
        finally:
            self.process.terminate()
            self.process.wait()


def start_webkit(language, width, height):
    locale = language.replace("-", "_") + ".UTF-8"
    environment = dict(os.environ, DISPLAY=virtual_display(), LANG=locale, LC_ALL=locale, WEBKIT_DISABLE_COMPOSITING_MODE="1", WEBKIT_DISABLE_DMABUF_RENDERER="1",
                       LANGUAGE=language.replace("-", "_"))
    port = free_port()
    process = subprocess.Popen(["/usr/bin/WebKitWebDriver", f"--port={port}"], env=environment,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait_for_port(port, process)
    options = webdriver.WebKitGTKOptions()
    options.binary_location = MINI_BROWSER
    options.add_argument("--automation")
    driver = WebKitDriver(process, command_executor=f"http://127.0.0.1:{port}", options=options)
    driver.engine = "webkit"
    driver.set_window_size(width, height)
    return driver


# ---------------------------------------------------------------------------
# Firefox, through WebDriver BiDi

class BidiError(WebDriverException):
    pass


class Element:
    """A node of the page, as Selenium's elements are used by the tests."""

    def __init__(self, driver, shared_id):
        self.driver, self.reference = driver, {"sharedId": shared_id}

    def _call(self, script, *arguments):
        return self.driver.execute_script(script, self, *arguments)

    @property
    def rect(self):
        return self._call("const r = arguments[0].getBoundingClientRect();"
                          "return {x: r.x + scrollX, y: r.y + scrollY, width: r.width, height: r.height}")

    def get_attribute(self, name):
        return self._call("const e = arguments[0], name = arguments[1];"
                          "return name in e ? e[name] : e.getAttribute(name)", name)

    def send_keys(self, *keys):
        # Into the element, after its text, as Selenium types.
        self._call("const e = arguments[0]; e.focus();"
                   "if (e.setSelectionRange) e.setSelectionRange(e.value.length, e.value.length)")
        self.driver.type_keys(keys)

    def click(self):
        self.driver.perform([{"type": "pointer", "id": "mouse", "parameters": {"pointerType": "mouse"},
                              "actions": [{"type": "pointerMove", "x": 0, "y": 0, "origin": {
                                  "type": "element", "element": self.reference}},
                                          {"type": "pointerDown", "button": 0},
                                          {"type": "pointerUp", "button": 0}]}])

    @property
    def screenshot_as_png(self):
        shot = self.driver.command("browsingContext.captureScreenshot", {
            "context": self.driver.context, "clip": {"type": "element", "element": self.reference}})
        return base64.b64decode(shot["data"])


class Firefox:
    """Firefox ESR, headless, with a fresh profile, driven through BiDi."""
    engine = "firefox"

    def __init__(self, language, width, height):
        import websocket  # Debian's python3-websocket
        self.profile = tempfile.mkdtemp(prefix="cijferwerf-firefox-")
        preferences = {"intl.accept_languages": language, "browser.shell.checkDefaultBrowser": False,
                       "datareporting.policy.dataSubmissionEnabled": False,
                       "browser.aboutwelcome.enabled": False, "app.update.disabledForTesting": True}
        with open(os.path.join(self.profile, "user.js"), "w", encoding="utf-8") as user:
            for name, value in preferences.items():
                user.write(f"user_pref({json.dumps(name)}, {json.dumps(value)});\n")
        port = free_port()
        self.process = subprocess.Popen(
            ["/usr/bin/firefox-esr", "--headless", "--no-remote", "--profile", self.profile,
             f"--remote-debugging-port={port}", "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for_port(port, self.process)
        self.socket = websocket.create_connection(f"ws://127.0.0.1:{port}/session",
                                                  suppress_origin=True, timeout=60)
        self.next_id = 0
        self.command("session.new", {"capabilities": {}})
        self.context = self.command("browsingContext.getTree", {})["contexts"][0]["context"]
        self.set_viewport(width, height)

    def command(self, method, parameters):
        self.next_id += 1
        self.socket.send(json.dumps({"id": self.next_id, "method": method, "params": parameters}))
        while True:
            answer = json.loads(self.socket.recv())
            if answer.get("id") == self.next_id:
                break
        if answer.get("type") == "error":
            raise BidiError(f"{method}: {answer.get('error')}: {answer.get('message')}")
        return answer["result"]

    def set_viewport(self, width, height):
        self.command("browsingContext.setViewport",
                     {"context": self.context, "viewport": {"width": width, "height": height}})

    def get(self, url):
        self.command("browsingContext.navigate", {"context": self.context, "url": url, "wait": "complete"})

    def refresh(self):
        self.command("browsingContext.reload", {"context": self.context, "wait": "complete"})

    @property
    def title(self):
        return self.execute_script("return document.title")

    # Scripts, with arguments and results as Selenium passes them.
    def _argument(self, value):
        if isinstance(value, Element):
            return value.reference
        if value is None:
            return {"type": "null"}
        if isinstance(value, bool):
            return {"type": "boolean", "value": value}
        if isinstance(value, (int, float)):
            return {"type": "number", "value": value}
        if isinstance(value, str):
            return {"type": "string", "value": value}
        if isinstance(value, (list, tuple)):
            return {"type": "array", "value": [self._argument(item) for item in value]}
        raise TypeError(f"no BiDi value for {value!r}")

    def _result(self, value):
        kind = value["type"]
        if kind in ("undefined", "null"):
            return None
        if kind in ("string", "boolean"):
            return value["value"]
        if kind == "number":
            number = value["value"]
            return float(number) if isinstance(number, str) else number
        if kind == "array":
            return [self._result(item) for item in value["value"]]
        if kind == "object":
            return {key: self._result(item) for key, item in value["value"]}
        if kind == "node":
            return Element(self, value["sharedId"])
        raise BidiError(f"a result of type {kind}")

    def _call(self, function, arguments, wait):
        answer = self.command("script.callFunction", {
            "functionDeclaration": function, "arguments": [self._argument(a) for a in arguments],
            "target": {"context": self.context}, "awaitPromise": wait,
            "serializationOptions": {"maxObjectDepth": 8}})
        if answer["type"] == "exception":
            raise BidiError(answer["exceptionDetails"]["text"])
        return self._result(answer["result"])

    def execute_script(self, script, *arguments):
        return self._call("function() {\n" + script + "\n}", arguments, False)

    def execute_async_script(self, script, *arguments):
        return self._call("function(...given) { return new Promise(done => { (function() {\n" +
                          script + "\n}).apply(this, [...given, done]); }); }", arguments, True)

    def find_element(self, _by, name):
        found = self.execute_script("return document.getElementById(arguments[0])", name)
        if found is None:
            raise NoSuchElementException(name)
        return found

    # Input
    def perform(self, actions):
        self.command("input.performActions", {"context": self.context, "actions": actions})
        self.command("input.releaseActions", {"context": self.context})

    def type_keys(self, keys, holding=None):
        actions = [{"type": "keyDown", "value": holding}] if holding else []
        for key in "".join(keys):
            actions += [{"type": "keyDown", "value": key}, {"type": "keyUp", "value": key}]
        if holding:
            actions.append({"type": "keyUp", "value": holding})
        self.perform([{"type": "key", "id": "keyboard", "actions": actions}])

    def quit(self):
        try:
            self.command("session.end", {})
        except Exception:  # the browser may be gone already
            pass
        self.socket.close()
        self.process.terminate()
        self.process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)


__all__ = ["ENGINES", "start", "press_keys", "Keys"]
