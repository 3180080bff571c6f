#!/usr/bin/python3
"""Plays rounds from the keyboard as a blind player does, and listens on the
accessibility bus (AT-SPI) as a screen reader does: each press of "Банкер"
must bring the round's report to the listener, once and at once, while the
focus stays on the button.

  screen_reader_hears_rounds.py PROGRAM CAPTION

Runs on the X server and the session bus it is given; the game's accessible
objects are reached through the session's accessibility bus.
"""

import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
import pyatspi  # noqa: E402
from gi.repository import GLib  # noqa: E402

APPLICATION_NAME = "Дилемата на затворника"
BANKER = (pyatspi.ROLE_PUSH_BUTTON, "Банкер")
ROUNDS = [  # the key that presses "Банкер", and the report it must bring
    ("space", "Компютърът отказва, играчът отказва.\nКомпютър: 990, играч: 990"),
    ("space", "Компютърът отказва, играчът отказва.\nКомпютър: 980, играч: 980"),
    ("Return", "Компютърът отказва, играчът отказва.\nКомпютър: 970, играч: 970"),
]


class Listener:
    """What a screen reader would be told: announcements, and notifications
    that appear; and where the focus is."""

    def __init__(self):
        self.heard = []
        self.focused = None
        pyatspi.Registry.registerEventListener(
            self.on_event,
            "object:announcement",
            "object:state-changed:showing",
            "object:state-changed:focused",
        )

    def on_event(self, event):
        try:
            if event.type == "object:announcement":
                self.heard.append(str(event.any_data).strip())
            elif event.type.startswith("object:state-changed:showing"):
                if event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
                    self.heard.append(event.source.name.strip())
            elif event.type.startswith("object:state-changed:focused") and event.detail1 == 1:
                self.focused = (event.source.getRole(), event.source.name)
        except Exception as error:  # an object gone by the time it is read
            print("unreadable event %s: %s" % (event.type, error))


def pump(seconds, until=lambda: False):
    """Runs the event loop for a while, or until the condition holds."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline and not until():
        context.iteration(False)
        time.sleep(0.01)
    return until()


def find_application():
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        child = desktop.getChildAtIndex(index)
        if child is not None and child.name == APPLICATION_NAME:
            return child
    return None


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], check=True, capture_output=True,
                          text=True, timeout=60).stdout.strip()


def main():
    program, caption = sys.argv[1], sys.argv[2]
    listener = Listener()
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    environment.pop("QT_QPA_PLATFORM", None)
    game = subprocess.Popen([program], env=environment)
    failures = []
    try:
        if not pump(60, lambda: find_application() is not None):
            print("FAIL: no application named %s on the accessibility bus" % APPLICATION_NAME)
            return 1
        print("application on the accessibility bus: %s" % APPLICATION_NAME)
        window = xdotool("search", "--sync", "--name", "^%s$" % caption).splitlines()[0]
        xdotool("windowfocus", "--sync", window)
        pump(1)
        xdotool("key", "Tab")  # from the report box to "Банкер"
        if not pump(10, lambda: listener.focused == BANKER):
            print("FAIL: Tab did not bring the focus to Банкер: %s" % (listener.focused,))
            return 1
        for key, report in ROUNDS:
            listener.heard.clear()
            xdotool("key", key)
            pressed = time.monotonic()
            heard = pump(10, lambda: report in listener.heard)
            delay = time.monotonic() - pressed
            pump(1)  # anything more the round brings
            print("%s: heard %r after %.2f s" % (key, listener.heard, delay))
            if not heard or listener.heard.count(report) != 1:
                failures.append("%s: expected %r once" % (key, report))
            if listener.focused != BANKER:
                failures.append("%s: the focus moved to %s" % (key, listener.focused))
    finally:
        game.terminate()
        game.wait(timeout=30)
    for failure in failures:
        print("FAIL: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
