#!/usr/bin/env python3
"""Prints the text fields of a running application as a screen reader sees them.

Usage: atspi_fields.py APPLICATION-NAME
One line per text field: "field", its accessible name and its text; one line per
label: "label" and its text; tab-separated. Exit 1 when the application is not on
the accessibility bus.
"""
import sys

import pyatspi


def fields(node, out):
    try:
        role = node.getRole()
    except Exception:
        return
    if role in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT):
        text = node.queryText()
        out.append(("field", node.name, text.getText(0, text.characterCount)))
    elif role == pyatspi.ROLE_LABEL:
        out.append(("label", node.name))
    for i in range(node.childCount):
        fields(node.getChildAtIndex(i), out)


def main():
    name = sys.argv[1]
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == name:
            out = []
            fields(app, out)
            for line in out:
                print("\t".join(line))
            return 0
    print(f"{name}: not on the accessibility bus", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
