#!/usr/bin/python3
"""Walks the accessibility tree of the programs on the AT-SPI bus, as a
screen reader sees it, and prints what the screen reader test checks as one
JSON object:

  apps      the names of the applications found
  nameless  controls that take the keyboard but have no name
  times     names and descriptions of objects named like a time of day
  sliders   every slider's name and value
  pages     the names of the page tabs

Run by TrayEndToEnd.cpp (ScreenReader) on the bus tray_e2e.sh starts.
"""
import json
import re
import sys

import pyatspi

TIME = re.compile(r"^午[前後]\d+時(\d+分)?$")


def path(obj):
    parts = []
    while obj is not None and obj.getRole() != pyatspi.ROLE_APPLICATION:
        parts.append(f"{obj.getRoleName()}[{obj.name}]")
        obj = obj.parent
    return " < ".join(parts)


def walk(obj, report, depth=0):
    if obj is None or depth > 60:
        return
    role = obj.getRole()
    name = obj.name or ""
    if obj.getState().contains(pyatspi.STATE_FOCUSABLE) and not name.strip():
        report["nameless"].append(path(obj))
    if TIME.match(name):
        report["times"].append({"name": name, "description": obj.description or ""})
    if role == pyatspi.ROLE_SLIDER:
        report["sliders"].append({"name": name, "value": obj.queryValue().currentValue})
    if role == pyatspi.ROLE_PAGE_TAB:
        report["pages"].append(name)
    for i in range(obj.childCount):
        walk(obj.getChildAtIndex(i), report, depth + 1)


def main():
    report = {"apps": [], "nameless": [], "times": [], "sliders": [], "pages": []}
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is None:
            continue
        report["apps"].append(app.name)
        walk(app, report)
    json.dump(report, sys.stdout, ensure_ascii=False)
    return 0


if __name__ == "__main__":
    sys.exit(main())
