# The start (from exec to the window mapped, and to its first picture on the screen) and the
# idle memory (a few seconds later) of GTK programs, side by side on one private Xvfb, their
# runs interleaved so that a busy machine weighs on each alike. Prints the medians and, per
# program, where its resident memory lies.
#
#   start_memory.py RUNS NAME=COMMAND [NAME=COMMAND ...]   (the first one is the yardstick)
import os
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display

IDLE_SECONDS = 3.0


def start_display():
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "2048x1536x24",
                               "-nolisten", "tcp", "-noreset"], pass_fds=[write],
                              stderr=subprocess.DEVNULL)
    os.close(write)
    os.environ.update(DISPLAY=":" + os.read(read, 16).decode().strip(), GDK_BACKEND="x11",
                      NO_AT_BRIDGE="1", GSETTINGS_BACKEND="memory", LC_ALL="C.UTF-8",
                      GTK_IM_MODULE="gtk-im-context-simple")
    return server


def wait_for_map(connection, deadline):
    while time.perf_counter() < deadline:
        while connection.pending_events():
            event = connection.next_event()
            if event.type == X.MapNotify and not event.override:
                return event.window
        time.sleep(0.001)
    return None


def wait_for_picture(window, deadline):
    """Until the top of the window shows anything but the black of a window not drawn yet."""
    while time.perf_counter() < deadline:
        try:
            image = window.get_image(0, 0, 944, 120, X.ZPixmap, 0xFFFFFF)
            if image.data.strip(b"\0"):
                return True
        except Exception:
            pass  # not viewable yet
        time.sleep(0.002)
    return False


def memory_of(pid):
    """RSS, PSS and a breakdown of the RSS (kB) by kind of mapping."""
    parts = {"fonts": 0, "shared memory": 0, "heap": 0, "anonymous": 0, "libraries": 0,
             "program": 0, "other files": 0}
    name = None
    with open(f"/proc/{pid}/smaps") as smaps:
        for line in smaps:
            fields = line.split()
            if "-" in fields[0] and not fields[0].endswith(":"):
                path = fields[5] if len(fields) > 5 else ""
                if path.startswith("/SYSV"):
                    name = "shared memory"
                elif path == "[heap]":
                    name = "heap"
                elif not path or path.startswith("["):
                    name = "anonymous"
                elif "/fonts/" in path:
                    name = "fonts"
                elif ".so" in path:
                    name = "libraries"
                elif os.access(path, os.X_OK):
                    name = "program"
                else:
                    name = "other files"
            elif fields[0] == "Rss:":
                parts[name] += int(fields[1])
    rollup = {}
    with open(f"/proc/{pid}/smaps_rollup") as lines:
        for line in lines:
            fields = line.split()
            if fields[0] in ("Rss:", "Pss:"):
                rollup[fields[0]] = int(fields[1])
    with open(f"/proc/{pid}/stat") as stat:
        faults = int(stat.read().rsplit(")", 1)[1].split()[7])
    return rollup["Rss:"], rollup["Pss:"], faults, parts


def run_once(connection, command):
    home = tempfile.mkdtemp()
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home + "/c", XDG_DATA_HOME=home + "/d",
               XDG_CACHE_HOME=home + "/k")
    while connection.pending_events():
        connection.next_event()
    began = time.perf_counter()
    program = subprocess.Popen(command.split(), cwd=tempfile.mkdtemp(), env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        window = wait_for_map(connection, began + 20)
        mapped = (time.perf_counter() - began) * 1e3
        if not window or not wait_for_picture(window, began + 20):
            sys.exit(f"{command}: no window drawn within 20 s")
        drawn = (time.perf_counter() - began) * 1e3
        time.sleep(IDLE_SECONDS)
        return (mapped, drawn, *memory_of(program.pid))
    finally:
        program.kill()
        program.wait()


def main():
    runs = int(sys.argv[1])
    programs = [argument.split("=", 1) for argument in sys.argv[2:]]
    server = start_display()
    try:
        connection = display.Display()
        connection.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        connection.sync()
        # The display's first GTK client sets up GL and leaves the result on the root window
        # for the rest: that client is not one of those measured.
        run_once(connection, programs[0][1])
        results = {name: [] for name, _ in programs}
        for _ in range(runs):
            for name, command in programs:
                results[name].append(run_once(connection, command))
    finally:
        server.kill()
    medians = {}
    for name, rows in results.items():
        mapped, drawn, rss, pss, faults = (statistics.median(row[i] for row in rows)
                                           for i in range(5))
        rss, pss = rss / 1024, pss / 1024
        print(f"{name}: mapped {mapped:.0f} ms, drawn {drawn:.0f} ms, idle RSS {rss:.1f} MB, "
              f"PSS {pss:.1f} MB, minor faults {faults:.0f}")
        for other, (other_mapped, other_drawn, other_rss) in medians.items():
            print(f"  against {other}: mapped {mapped / other_mapped:.2f}x, "
                  f"drawn {drawn / other_drawn:.2f}x, idle RSS {rss / other_rss:.2f}x")
        medians[name] = (mapped, drawn, rss)
        parts = rows[len(rows) // 2][5]
        print("  RSS by kind (MB, one run): " +
              ", ".join(f"{part} {kb / 1024:.1f}" for part, kb in parts.items()))


main()
