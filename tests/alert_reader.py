#!/usr/bin/python3
"""Prints, as a JSON list, the alert that the program with the given process id
shows, as a screen reader finds it through AT-SPI: the alert's name, then the
names of the labels showing in it."""
import json
import sys

import pyatspi


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def main():
    pid = int(sys.argv[1])
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or app.get_process_id() != pid:
            continue
        alert = pyatspi.findDescendant(
            app, lambda a: a.getRole() == pyatspi.ROLE_ALERT and showing(a))
        if alert is None:
            continue
        labels = pyatspi.findAllDescendants(
            alert, lambda a: a.getRole() == pyatspi.ROLE_LABEL and showing(a))
        json.dump([alert.name] + [label.name for label in labels], sys.stdout)
        return 0
    print("no alert is showing in process %d" % pid, file=sys.stderr)
    return 1


sys.exit(main())
