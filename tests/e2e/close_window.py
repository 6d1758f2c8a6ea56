#!/usr/bin/env python3
"""Asks the window with the given title to close, as a window manager's close box does.

Usage: close_window.py TITLE
"""
import sys

from Xlib import X, display, protocol


def find(window, title, d):
    name = window.get_full_property(d.intern_atom("_NET_WM_NAME"), d.intern_atom("UTF8_STRING"))
    if name is not None and name.value.decode("utf-8", "replace") == title:
        return window
    for child in window.query_tree().children:
        found = find(child, title, d)
        if found is not None:
            return found
    return None


def main():
    d = display.Display()
    window = find(d.screen().root, sys.argv[1], d)
    if window is None:
        print(f"no window titled {sys.argv[1]}", file=sys.stderr)
        return 1
    protocols = d.intern_atom("WM_PROTOCOLS")
    delete = d.intern_atom("WM_DELETE_WINDOW")
    event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                         data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(event, event_mask=X.NoEventMask)
    d.flush()
    return 0


if __name__ == "__main__":
    sys.exit(main())
