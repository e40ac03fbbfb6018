#!/usr/bin/env python3
"""Starts a program and measures the time until its first top-level window is mapped, the
processor time it had used by then (all its threads; unlike the wall time, hardly moved by other
work on the machine), and its peak resident memory (VmHWM) shortly after; then ends it.
Prints: milliseconds processor-milliseconds kilobytes."""
import ctypes
import ctypes.util
import os
import signal
import subprocess
import sys
import time

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("pad", ctypes.c_long * 24)]


def processor_ms(pid: int) -> float:
    """Processor time of every thread of the process so far, from the scheduler's own count."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as schedstat:
                total += int(schedstat.read().split()[0])
        except OSError:
            pass  # a thread that has just ended
    return total / 1e6


def main() -> int:
    x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
    x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(XEvent)]
    x11.XPending.argtypes = [ctypes.c_void_p]
    x11.XConnectionNumber.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    root = x11.XDefaultRootWindow(display)
    x11.XSelectInput(display, root, SUBSTRUCTURE_NOTIFY_MASK)
    x11.XSync = getattr(x11, "XSync")
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XSync(display, 0)

    start = time.perf_counter()
    process = subprocess.Popen(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    event = XEvent()
    import select
    fd = x11.XConnectionNumber(display)
    mapped = None
    deadline = start + 30
    while mapped is None and time.perf_counter() < deadline:
        while x11.XPending(display):
            x11.XNextEvent(display, ctypes.byref(event))
            if event.type == MAP_NOTIFY:
                mapped = time.perf_counter()
                cpu_ms = processor_ms(process.pid)
                break
        if mapped is None:
            select.select([fd], [], [], 0.05)
    time.sleep(0.3)
    peak_kb = 0
    try:
        with open(f"/proc/{process.pid}/status") as status:
            for line in status:
                if line.startswith("VmHWM:"):
                    peak_kb = int(line.split()[1])
    except OSError:
        pass
    process.send_signal(signal.SIGTERM)
    process.wait()
    if mapped is None:
        print("no window", file=sys.stderr)
        return 1
    print(f"{(mapped - start) * 1000:.1f} {cpu_ms:.2f} {peak_kb}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
