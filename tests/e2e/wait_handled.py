#!/usr/bin/python3
"""Waits until a window has taken in every event sent to it before, as a window manager's
ping finds out: sends the window _NET_WM_PING and waits for the answer on the root window.
GTK reads the next X event only once the ones before it are handled, so its answer means
that every key and click sent earlier has been acted on (a nested loop, as a dialog runs,
answers too). Wine answers as it reads the events, before its window handles them.
Usage: wait_handled.py WINDOW_ID [SECONDS]; exits 1 when no answer comes in time."""
import select
import sys
import time

from Xlib import X, display
from Xlib.protocol import event

d = display.Display()
window = d.create_resource_object("window", int(sys.argv[1], 0))
timeout = float(sys.argv[2]) if len(sys.argv) > 2 else 20
root = d.screen().root
protocols = d.intern_atom("WM_PROTOCOLS")
ping = d.intern_atom("_NET_WM_PING")
# The answer is sent to the root window for its substructure: any client may listen.
root.change_attributes(event_mask=X.SubstructureNotifyMask)
# A stamp of this ping's own, so that an answer to another one is not taken for it.
stamp = int(time.monotonic() * 1000) & 0xFFFFFFFF
window.send_event(event.ClientMessage(window=window, client_type=protocols,
                                      data=(32, [ping, stamp, window.id, 0, 0])),
                  event_mask=X.NoEventMask)
d.flush()
deadline = time.monotonic() + timeout
while True:
    while d.pending_events():
        answer = d.next_event()
        if (answer.type == X.ClientMessage and answer.client_type == protocols
                and answer.data[1][0] == ping and answer.data[1][1] == stamp):
            sys.exit(0)
    left = deadline - time.monotonic()
    if left <= 0:
        sys.exit("window %s did not answer a ping in %g s" % (sys.argv[1], timeout))
    select.select([d], [], [], left)
