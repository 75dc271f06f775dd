#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the window through the desktop's accessibility bus, as a screen
reader does, and checks what it would say of every control.

Usage: spoken_names.py PROGRAM. Needs a display and a session bus.
"""
import subprocess
import sys
import time

import pyatspi

EXPECTED = {
    # name spoken: role
    "getal 1": "text", "getal 2": "text",
    "antwoord som": "text", "antwoord verschil": "text",
    "antwoord product": "text", "antwoord quotiënt": "text",
    "uitkomst som": "text", "uitkomst verschil": "text",
    "uitkomst product": "text", "uitkomst quotiënt": "text",
    "berekening som": "text", "berekening verschil": "text",
    "berekening product": "text", "berekening quotiënt": "text",
    "melding deling": "text",
    "alles": "push button", "som": "push button", "verschil": "push button",
    "product": "push button", "quotiënt": "push button", "opnieuw": "push button",
    "CIJFERWERF": "label",
    "Kies twee getallen en vul de juiste antwoorden in": "label",
    "(decimale getallen met punt intoetsen)": "label",
}


def find_application(name, seconds=15):
    deadline = time.time() + seconds
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    return None


def walk(node, found):
    for child in node:
        if child is None:
            continue
        found.append((child.name, child.getRoleName(), child))
        walk(child, found)


def check(app):
    found = []
    walk(app, found)
    # A caption and the box it names share the name: each (name, role) pair
    # counts, in whatever order the tree holds them.
    spoken = {(name, role) for name, role, _ in found}
    report = []
    for name, role in EXPECTED.items():
        if (name, role) not in spoken:
            roles = sorted(r for n, r in spoken if n == name)
            report.append(f"FAIL: '{name}' is {roles}, not {role!r}")
    windows = [child.name for child in app if child is not None]
    if windows != ["Cijferwerf"]:
        report.append(f"FAIL: the windows are {windows}, not one called Cijferwerf")
    failures = len(report)
    labels = sum(1 for _, role, _ in found if role == "label")
    report.append(f"{len(found)} accessible objects, {labels} labels, {failures} failures")
    return failures, report


def main(program):
    program_process = subprocess.Popen([program])
    try:
        app = find_application("cijferwerf")
        if app is None:
            print("FAIL: the program does not show on the accessibility bus")
            return 1
        # The window may still be building its tree when the program first
        # shows on the bus: look again until all is there or time is up.
        deadline = time.time() + 10
        while True:
            failures, report = check(app)
            if not failures or time.time() > deadline:
                break
            time.sleep(0.2)
        print("\n".join(report))
        return 1 if failures else 0
    finally:
        program_process.terminate()
        program_process.wait(timeout=10)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
