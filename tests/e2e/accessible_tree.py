#!/usr/bin/python3
"""Reads the editor's accessibility tree over the accessibility bus, as a screen reader does.

  accessible_tree.py dump               the page's controls, one line each:
                                        role | name | value | states
  accessible_tree.py press NAME ROLE    the control's action (a click), as a screen reader's
  accessible_tree.py focus NAME ROLE    gives the control the focus, as a screen reader does
  accessible_tree.py set NAME ROLE TEXT writes TEXT into a field, or the number TEXT into a
                                        slider, as a screen reader does
  accessible_tree.py insert NAME ROLE AT TEXT
                                        inserts TEXT into a field at character AT
  accessible_tree.py watch SECONDS      prints the events screen readers listen for, one line
                                        each: event | role | name | detail | data; "ready"
                                        once it listens
"""
import sys

import pyatspi
from gi.repository import GLib

STATES = [
    (pyatspi.STATE_FOCUSED, "focused"),
    (pyatspi.STATE_CHECKED, "checked"),
    (pyatspi.STATE_INVALID_ENTRY, "invalid"),
]


def page():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None or app.name != "zarq-settings":
            continue
        # The window's drawing area holds the page on view as a panel of its own.
        for frame in app:
            for area in frame:
                for child in area:
                    if child.getRole() == pyatspi.ROLE_PANEL:
                        return child
    sys.exit("no editor on the accessibility bus")


def value(control):
    if control.getRole() == pyatspi.ROLE_COMBO_BOX:
        return control.queryText().getText(0, -1)
    try:
        v = control.queryValue()
        return "%g in [%g, %g] by %g" % (
            v.currentValue, v.minimumValue, v.maximumValue, v.minimumIncrement)
    except NotImplementedError:
        pass
    try:
        return control.queryText().getText(0, -1).replace("\n", "\\n")
    except NotImplementedError:
        return ""


def line(control):
    states = control.getState()
    shown = [word for state, word in STATES if states.contains(state)]
    if not states.contains(pyatspi.STATE_ENABLED):
        shown.append("disabled")
    text = "%s | %s | %s | %s" % (control.getRoleName(), control.name, value(control),
                                   ",".join(shown))
    errors = [r for r in control.getRelationSet()
              if r.getRelationType() == pyatspi.RELATION_ERROR_MESSAGE]
    if errors:
        text += " | error: " + errors[0].getTarget(0).name
    return text


def dump():
    p = page()
    print("page | %s" % p.name)
    for control in p:
        print(line(control))


def find(name, role):
    for control in page():
        if control.name == name and control.getRoleName() == role:
            return control
    sys.exit("no %s named %s" % (role, name))


def press(name, role):
    find(name, role).queryAction().doAction(0)


def focus(name, role):
    find(name, role).queryComponent().grabFocus()


def write(name, role, text):
    control = find(name, role)
    if role == "slider":
        control.queryValue().currentValue = float(text)
    else:
        control.queryEditableText().setTextContents(text)


def insert(name, role, at, text):
    find(name, role).queryEditableText().insertText(at, text, len(text.encode()))


def watch(seconds):
    def show(event):
        source = event.source
        data = event.any_data if isinstance(event.any_data, str) else ""
        print("%s | %s | %s | %s | %s" % (event.type, source.getRoleName(), source.name,
                                          event.detail1, data), flush=True)

    for kind in ("object:state-changed:focused", "object:state-changed:checked",
                 "object:state-changed:showing", "object:text-changed",
                 "object:text-caret-moved", "object:children-changed",
                 "object:property-change:accessible-value",
                 "object:property-change:accessible-name"):
        pyatspi.Registry.registerEventListener(show, kind)
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    GLib.idle_add(lambda: print("ready", flush=True) and False)
    pyatspi.Registry.start()


if __name__ == "__main__":
    command = sys.argv[1] if len(sys.argv) > 1 else ""
    if command == "dump":
        dump()
    elif command == "press" and len(sys.argv) == 4:
        press(sys.argv[2], sys.argv[3])
    elif command == "focus" and len(sys.argv) == 4:
        focus(sys.argv[2], sys.argv[3])
    elif command == "set" and len(sys.argv) == 5:
        write(sys.argv[2], sys.argv[3], sys.argv[4])
    elif command == "insert" and len(sys.argv) == 6:
        insert(sys.argv[2], sys.argv[3], int(sys.argv[4]), sys.argv[5])
    elif command == "watch" and len(sys.argv) == 3:
        watch(float(sys.argv[2]))
    else:
        sys.exit(__doc__)
