#!/usr/bin/env python3
"""Asks an X window to close, as a window manager's close button does (WM_DELETE_WINDOW)."""
import ctypes
import ctypes.util
import sys


class ClientMessage(ctypes.Structure):  # padded to the size of an XEvent
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]


x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XInternAtom.restype = ctypes.c_ulong
display = ctypes.c_void_p(x11.XOpenDisplay(None))
if not display.value:
    sys.exit("cannot open the display")
event = ClientMessage(type=33, window=int(sys.argv[1], 0), format=32)  # 33: ClientMessage
event.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
event.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)  # at CurrentTime (0)
x11.XSendEvent(display, ctypes.c_ulong(event.window), 0, ctypes.c_long(0), ctypes.byref(event))
x11.XCloseDisplay(display)
