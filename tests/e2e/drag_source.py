#!/usr/bin/python3
"""A small window that lets the files named on its command line be dragged away, as a file
manager does (text/uri-list). It quits once the drag has ended, or after 30 seconds.
Usage: drag_source.py FILE..."""
import sys
from pathlib import Path

import gi

gi.require_version("Gdk", "3.0")
gi.require_version("Gtk", "3.0")
from gi.repository import GLib, Gdk, Gtk  # noqa: E402

uris = [Path(f).resolve().as_uri() for f in sys.argv[1:]]

window = Gtk.Window(title="zarq drag source")
window.move(1000, 800)
box = Gtk.EventBox()
box.set_size_request(120, 120)
box.add(Gtk.Label(label="drag me"))
window.add(box)
box.drag_source_set(Gdk.ModifierType.BUTTON1_MASK, [], Gdk.DragAction.COPY)
box.drag_source_add_uri_targets()
box.connect("drag-data-get", lambda w, ctx, data, info, t: data.set_uris(uris))
box.connect("drag-end", lambda *a: GLib.timeout_add(200, Gtk.main_quit))
window.connect("destroy", Gtk.main_quit)
GLib.timeout_add_seconds(30, Gtk.main_quit)
window.show_all()
Gtk.main()
