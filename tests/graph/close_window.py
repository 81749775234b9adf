#!/usr/bin/env python3
"""Presses a window's close button the way a window manager reports it: a
WM_DELETE_WINDOW message. Usage: close_window.py WINDOW_ID (DISPLAY set)."""
import ctypes
import sys


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]


def main():
    x = ctypes.cdll.LoadLibrary("libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XInternAtom.restype = ctypes.c_ulong
    x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
    x.XFlush.argtypes = [ctypes.c_void_p]
    x.XCloseDisplay.argtypes = [ctypes.c_void_p]
    dpy = x.XOpenDisplay(None)
    if not dpy:
        sys.exit("cannot open display")
    window = int(sys.argv[1])
    ev = ClientMessage()
    ev.type = 33  # ClientMessage
    ev.window = window
    ev.message_type = x.XInternAtom(dpy, b"WM_PROTOCOLS", 0)
    ev.format = 32
    ev.data[0] = x.XInternAtom(dpy, b"WM_DELETE_WINDOW", 0)
    if not x.XSendEvent(dpy, window, 0, 0, ctypes.byref(ev)):
        sys.exit("XSendEvent failed")
    x.XFlush(dpy)
    x.XCloseDisplay(dpy)


main()
