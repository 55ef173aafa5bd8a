"""Start-up of the game against a bare Qt main window, in the X server of $DISPLAY.

    startup.py BUILD RUNS

For each run, a program is started from a fresh copy of its folder's files (so the game starts
with its default settings and writes nothing into the build); the time from just before the
fork to the X server's MapNotify of the program's top-level window (the one whose _NET_WM_PID is
the child's) is taken, and the resident memory 1.5 s after the fork is read from /proc. The bare
window and the game run in turns, so both see the same load on the machine; each game run is
divided by the bare run just before it, and the medians of those ratios are what counts.
"""
import os
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display

RSS_AFTER = 1.5     # seconds after the fork
GIVE_UP = 20.0      # seconds without a window: the run failed

BUILD = os.path.abspath(sys.argv[1])
RUNS = int(sys.argv[2])
# What a copy of each program needs beside itself; the game's sound module is optional.
PROGRAMS = {
    "bare": ["quorbix-bare-window"],
    "quorbix": ["quorbix", "quorbix-sound.so"],
}

dpy = display.Display()
root = dpy.screen().root
root.change_attributes(event_mask=X.SubstructureNotifyMask)
dpy.sync()
PID_ATOM = dpy.intern_atom("_NET_WM_PID")


def window_pid(window):
    try:
        prop = window.get_full_property(PID_ATOM, X.AnyPropertyType)
    except Exception:   # the window went away meanwhile
        return None
    return prop.value[0] if prop and len(prop.value) else None


def rss_kb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def measure(name):
    """Returns (ms to the window mapped, RSS kB at 1.5 s), or None when no window came."""
    work = tempfile.mkdtemp()
    try:
        for file in PROGRAMS[name]:
            if os.path.exists(os.path.join(BUILD, file)):
                shutil.copy2(os.path.join(BUILD, file), work)
        while dpy.pending_events():   # events of earlier runs
            dpy.next_event()
        start = time.monotonic()
        child = subprocess.Popen([os.path.join(work, PROGRAMS[name][0])], cwd=work,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        mapped = None
        while mapped is None:
            if time.monotonic() - start > GIVE_UP or child.poll() is not None:
                child.kill()
                child.wait()
                return None
            if not dpy.pending_events():
                select.select([dpy], [], [], 0.05)
                continue
            event = dpy.next_event()
            if event.type == X.MapNotify and not event.override and window_pid(event.window) == child.pid:
                mapped = time.monotonic() - start
        time.sleep(max(0.0, start + RSS_AFTER - time.monotonic()))
        rss = rss_kb(child.pid)
        child.send_signal(signal.SIGKILL)
        child.wait()
        return mapped * 1000, rss
    finally:
        shutil.rmtree(work, ignore_errors=True)


def measure_once(name):
    # A run that did not come up (the X server refused it, say) is tried again.
    for _ in range(3):
        result = measure(name)
        if result:
            return result
    sys.exit(f"{name} did not show its window")


# Warm the file cache once for both, then alternate.
measure_once("bare")
measure_once("quorbix")
bare, game = [], []
for _ in range(RUNS):
    bare.append(measure_once("bare"))
    game.append(measure_once("quorbix"))

for name, runs in (("bare", bare), ("quorbix", game)):
    print(f"{name:8} to window mapped {statistics.median(r[0] for r in runs):6.1f} ms"
          f"   RSS at {RSS_AFTER} s {statistics.median(r[1] for r in runs) / 1024:6.1f} MB"
          f"   (medians of {len(runs)})")
start_ratio = statistics.median(g[0] / b[0] for b, g in zip(bare, game))
rss_ratio = statistics.median(g[1] / b[1] for b, g in zip(bare, game))
print(f"game / bare (median of pairwise ratios): start-up {start_ratio:.2f}x, memory {rss_ratio:.2f}x")
