#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Does the exercise by ear: starts a desktop of its own (a virtual X server,
a session bus, the accessibility bus, a window manager and the Orca screen
reader in Dutch, speaking into nothing), opens the window, works it by
keyboard and reads what Orca said from its debug log.

Usage: heard_by_orca.py qt PROGRAM | page SITE
"""
import functools
import http.server
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time

import pyatspi

SPEAKING = re.compile(r"SPEECH DISPATCHER: Speaking '(.*)'")
FLUSHING = """import orca.debug
_println = orca.debug.println
def println(*args, **kwargs):
    _println(*args, **kwargs)
    if orca.debug.debugFile:
        orca.debug.debugFile.flush()
orca.debug.println = println
"""


class Desktop:
    """A desktop with Orca on it, ended with everything it started."""

    def __init__(self):
        self.home = tempfile.mkdtemp(prefix="cijferwerf-orca-")
        self.log = os.path.join(self.home, "orca.log")
        self.processes = []
        self.quit = lambda: None
        os.makedirs(os.path.join(self.home, ".local/share/orca"))
        with open(os.path.join(self.home, ".local/share/orca/orca-customizations.py"), "w") as f:
            f.write(FLUSHING)
        with open(os.path.join(self.home, ".asoundrc"), "w") as f:
            f.write("pcm.!default { type null }\nctl.!default { type hw card 0 }\n")
        speechd = os.path.join(self.home, ".config/speech-dispatcher")
        os.makedirs(speechd)
        with open(os.path.join(speechd, "speechd.conf"), "w") as f:
            f.write('AudioOutputMethod "alsa"\nAddModule "espeak-ng" "sd_espeak-ng" '
                    '"espeak-ng.conf"\nDefaultModule espeak-ng\nDefaultLanguage "nl"\n')
        self.env = dict(os.environ, HOME=self.home, XDG_CONFIG_HOME=speechd.rsplit("/", 1)[0],
                        XDG_RUNTIME_DIR=self.home, LANG="nl_NL.UTF-8", LANGUAGE="nl_NL",
                        LC_ALL="nl_NL.UTF-8", NO_AT_BRIDGE="0", GTK_MODULES="gail:atk-bridge",
                        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        read, write = os.pipe()
        self.start(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x800x24", "-nolisten",
                    "tcp"], pass_fds=(write,))
        os.close(write)
        number = b""
        while not number.endswith(b"\n"):
            part = os.read(read, 16)
            if not part:
                raise SystemExit("FAIL: the virtual X server did not start")
            number += part
        os.close(read)
        self.env["DISPLAY"] = ":" + number.decode().strip()
        bus = subprocess.run(["dbus-launch", "--sh-syntax"], env=self.env, check=True,
                             capture_output=True, text=True).stdout
        for name, value in re.findall(r"^(\w+)='?([^';]*)'?;", bus, re.M):
            self.env[name] = value
        self.bus_pid = int(self.env["DBUS_SESSION_BUS_PID"])
        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        for schema, key in (("org.gnome.desktop.interface", "toolkit-accessibility"),
                            ("org.gnome.desktop.a11y.applications", "screen-reader-enabled")):
            subprocess.run(["gsettings", "set", schema, key, "true"], env=self.env)
        self.start(["openbox"])
        os.environ.update({k: self.env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS")})
        time.sleep(1)
        self.start(["orca", "--replace", "--debug-file=" + self.log])
        time.sleep(6)

    def start(self, command, **options):
        process = subprocess.Popen(command, env=self.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL, **options)
        self.processes.append(process)
        return process

    def said(self):
        """Every utterance so far, the markup taken off."""
        try:
            with open(self.log, encoding="utf-8", errors="replace") as f:
                lines = [SPEAKING.search(line) for line in f]
        except FileNotFoundError:
            return []
        return [re.sub(r"<[^>]*>", "", m.group(1)).strip() for m in lines if m]

    def key(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "120", *keys], env=self.env, check=True)

    def quiet(self, seconds=1.5, longest=30):
        """Waits until Orca has said nothing new for the seconds given, so
        that what comes next is not queued behind what it is saying."""
        deadline = time.time() + longest
        count, since = len(self.said()), time.time()
        while time.time() - since < seconds and time.time() < deadline:
            time.sleep(0.1)
            if len(self.said()) != count:
                count, since = len(self.said()), time.time()

    def hear(self, action, expected, seconds=3.0):
        """What Orca says within the seconds after the action, once it says
        everything expected, or all it said when it does not."""
        before = len(self.said())
        action()
        deadline = time.time() + seconds
        while True:
            heard = " | ".join(self.said()[before:])
            if all(text in heard for text in expected) or time.time() > deadline:
                return heard
            time.sleep(0.1)

    def end(self):
        self.quit()
        for process in reversed(self.processes):
            process.terminate()
        for process in self.processes:
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
        subprocess.run(["kill", str(self.bus_pid)])
        subprocess.run(["pkill", "-u", str(os.getuid()), "-f", "speech-dispatcher.*" + self.home])
        shutil.rmtree(self.home, ignore_errors=True)


def application(names, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name.lower() in names:
                return app
        time.sleep(0.3)
    raise SystemExit("FAIL: no application named " + " or ".join(names) + " on the bus")


def control(app, name, seconds=20):
    """The showing control that a screen reader calls name."""
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = pyatspi.findDescendant(
            app, lambda a: a.name == name and a.getState().contains(pyatspi.STATE_SHOWING))
        if found is not None:
            return found
        time.sleep(0.3)
    raise SystemExit("FAIL: no control named " + name)


def main():
    kind, target = sys.argv[1], sys.argv[2]
    desktop = Desktop()
    failures = []

    def expect(what, heard, expected):
        missing = [text for text in expected if text not in heard]
        print(("FAIL: " if missing else "ok: ") + what + ": Orca said: " + heard)
        if missing:
            failures.append(what + ": not said: " + ", ".join(missing))

    try:
        # The capture itself hears a plain dialog.
        heard = desktop.hear(lambda: desktop.start(
            ["zenity", "--question", "--title=Vraag", "--text=Wil je verder?"]),
            ["Wil je verder?"], seconds=15)
        expect("a plain dialog", heard, ["Wil je verder?"])
        desktop.key("Escape")

        if kind == "qt":
            desktop.start([target])
            app = application({"cijferwerf"})
        else:
            # Chromium through its driver, which puts the texts into the
            # boxes and the focus on a button; the keys that run a command
            # are real ones, which Orca hears.
            from selenium import webdriver
            from selenium.webdriver.chrome.service import Service
            options = webdriver.ChromeOptions()
            options.binary_location = "/usr/bin/chromium"
            for flag in ("--no-sandbox", "--force-renderer-accessibility", "--no-first-run",
                         "--disable-background-networking", "--disable-component-update",
                         "--disable-sync", "--disable-gpu", "--accept-lang=nl-NL",
                         "--window-size=1000,700"):
                options.add_argument(flag)
            browser = webdriver.Chrome(
                service=Service("/usr/bin/chromedriver", env=desktop.env), options=options)
            desktop.quit = browser.quit
            class Quiet(http.server.SimpleHTTPRequestHandler):
                def log_message(self, *args):
                    pass
            server = http.server.ThreadingHTTPServer(
                ("127.0.0.1", 0), functools.partial(Quiet, directory=target))
            threading.Thread(target=server.serve_forever, daemon=True).start()
            browser.get("http://127.0.0.1:%d/" % server.server_port)
            app = application({"chromium"})
        control(app, "alles")
        if kind == "page":
            time.sleep(2)
            desktop.key("ctrl")  # ends the reading of the page that Orca starts
        desktop.quiet()

        def fill(**boxes):
            if kind == "page":
                for name, text in boxes.items():
                    element = browser.find_element("css selector", '[aria-label="%s"]'
                                                   % name.replace("_", " "))
                    element.clear()
                    element.send_keys(text)
                return
            for name, text in boxes.items():
                control(app, name.replace("_", " ")).queryEditableText().setTextContents(text)

        def press(name):
            if kind == "page":
                browser.execute_script("arguments[0].focus()", browser.find_element(
                    "css selector", '[aria-label="%s"]' % name))
            else:
                control(app, name).queryComponent().grabFocus()
            desktop.quiet()
            return lambda: desktop.key("space")

        fill(getal_1="7", getal_2="5", antwoord_som="12", antwoord_verschil="3",
             antwoord_product="35", antwoord_quotiënt="2")
        sums = ["7 plus 5 is 12, goed", "7 min 5 is 2, fout", "7 keer 5 is 35, goed",
                "7 gedeeld door 5 is 1,4, fout"]
        expect("ALLES with answers", desktop.hear(press("alles"), sums), sums)

        fill(getal_1="abc")
        message = ["LET OP !", "Geef een getal"]
        expect("no number", desktop.hear(press("som"), message), message)
        desktop.key("Return")
        desktop.quiet()

        fill(getal_1="7", getal_2="0")
        notice = ["7 gedeeld door 0 is Error", "Delen door nul is niet mogelijk"]
        expect("a division by zero", desktop.hear(press("quotiënt"), notice), notice)
    finally:
        desktop.end()
    for failure in failures:
        print("FAIL: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
