#!/usr/bin/python3
"""Closes a window as its close box does: sends it WM_DELETE_WINDOW (there is no window
manager under Xvfb to do it). Usage: close_window.py WINDOW_ID"""
import sys

from Xlib import X, display
from Xlib.protocol import event

d = display.Display()
window = d.create_resource_object("window", int(sys.argv[1], 0))
protocols = d.intern_atom("WM_PROTOCOLS")
delete = d.intern_atom("WM_DELETE_WINDOW")
message = event.ClientMessage(window=window, client_type=protocols,
                              data=(32, [delete, X.CurrentTime, 0, 0, 0]))
window.send_event(message, event_mask=X.NoEventMask)
# A round trip: the server has taken the message before the connection goes.
d.sync()
d.close()
