#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Horavox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""A small assistive-technology client for the accessibility test: it finds
the clock on the AT-SPI bus and reads or uses it as a screen reader would.

  atspi_probe.py tree                 every object of the clock, one JSON line each
  atspi_probe.py press NAME           runs the press action of the button NAME
  atspi_probe.py press-in WINDOW NAME the same, for a button of that window
  atspi_probe.py set-value NAME V     sets the value of the slider NAME
  atspi_probe.py watch NAME SECONDS   prints the moments the object NAME is showing
  atspi_probe.py wait-window TITLE S  waits until a window of that title is there

Exits 2 when the clock does not appear on the bus, 3 when NAME is not found.
"""
import json
import sys
import time

import pyatspi

APP = "horavox"


def find_app(timeout=15.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == APP and app.childCount > 0:
                return app
        time.sleep(0.1)
    sys.exit(2)


def walk(acc, path=()):
    yield acc, path
    for child in acc:
        if child is not None:
            yield from walk(child, path + (acc.name or acc.getRoleName(),))


def describe(acc, path):
    actions = []
    try:
        action = acc.queryAction()
        actions = [action.getName(i) for i in range(action.nActions)]
    except NotImplementedError:
        pass
    value = None
    try:
        v = acc.queryValue()
        value = [v.currentValue, v.minimumValue, v.maximumValue]
    except NotImplementedError:
        pass
    states = acc.getState()
    return {
        "window": path[1] if len(path) > 1 else "",
        "role": acc.getRoleName(),
        "name": acc.name,
        "description": acc.description,
        "actions": actions,
        "value": value,
        "showing": states.contains(pyatspi.STATE_SHOWING),
        "focusable": states.contains(pyatspi.STATE_FOCUSABLE),
    }


def find(app, name, window=None):
    for acc, path in walk(app):
        if acc.name == name and (window is None or (len(path) > 1 and path[1] == window)):
            return acc
    sys.exit(3)


def press(acc):
    action = acc.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("Press"))


def main(argv):
    app = find_app()
    command = argv[1]
    if command == "tree":
        for acc, path in walk(app):
            print(json.dumps(describe(acc, path)))
    elif command == "press":
        press(find(app, argv[2]))
    elif command == "press-in":
        press(find(app, argv[3], window=argv[2]))
    elif command == "set-value":
        find(app, argv[2]).queryValue().currentValue = float(argv[3])
    elif command == "watch":
        acc = find(app, argv[2])
        end = time.monotonic() + float(argv[3])
        start = time.monotonic()
        while time.monotonic() < end:
            if acc.getState().contains(pyatspi.STATE_SHOWING):
                print(json.dumps({"showing": round(time.monotonic() - start, 3)}), flush=True)
            time.sleep(0.02)
    elif command == "wait-window":
        end = time.monotonic() + float(argv[3])
        while time.monotonic() < end:
            if any(w is not None and w.name == argv[2] for w in app):
                print(json.dumps({"window": argv[2]}))
                return
            time.sleep(0.05)
        sys.exit(3)
    else:
        sys.exit("unknown command " + command)


if __name__ == "__main__":
    main(sys.argv)
