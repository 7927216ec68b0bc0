"""Prints one line "bell" for every XkbBell request any client makes (the bell GTK rings) and
"core bell" for every core Bell request (which a test rings as a mark: the bells before it
have been seen), through the RECORD extension, until killed."""
import sys

from Xlib import display
from Xlib.ext import record

XKB_BELL = 3  # minor opcode of XkbBell
CORE_BELL = 104

control = display.Display()
xkb = control.query_extension("XKEYBOARD")
if not xkb.present or not control.has_extension("RECORD"):
    sys.exit("bell_watch: the X server lacks XKEYBOARD or RECORD")
ranges = [{
    "core_requests": (CORE_BELL, CORE_BELL), "core_replies": (0, 0),
    "ext_requests": (xkb.major_opcode, xkb.major_opcode, XKB_BELL, XKB_BELL),
    "ext_replies": (0, 0, 0, 0), "delivered_events": (0, 0), "device_events": (0, 0),
    "errors": (0, 0), "client_started": False, "client_died": False,
}]
context = control.record_create_context(0, [record.AllClients], ranges)
control.sync()
print("ready", flush=True)


def seen(reply):
    if reply.category != record.FromClient:
        return
    data = reply.data
    while len(data) >= 4:
        major, minor, length = data[0], data[1], (data[2] | data[3] << 8) * 4
        if major == CORE_BELL:
            print("core bell", flush=True)
        elif major == xkb.major_opcode and minor == XKB_BELL:
            print("bell", flush=True)
        if length == 0:
            break
        data = data[length:]


display.Display().record_enable_context(context, seen)
