#!/usr/bin/python3
"""Waits until a window has been drawn N times, as the X server sees it (the DAMAGE extension).

Usage: images.py WINDOW_ID N LIMIT_SECONDS
Prints "ready" once watching (the caller sends its events after that line), then "N images"
and exits 0 once N whole pictures have reached the window, or exits 1 after LIMIT_SECONDS.
A picture is counted when a drawn rectangle reaches the window's bottom row: a frame put in
strips counts once. Unlike a comparison of screenshots, this sees frames that look the same.
"""
import ctypes
import select
import sys
import time

x = ctypes.cdll.LoadLibrary("libX11.so.6")
xd = ctypes.cdll.LoadLibrary("libXdamage.so.1")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XConnectionNumber.argtypes = [ctypes.c_void_p]
x.XPending.argtypes = [ctypes.c_void_p]
x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
x.XCloseDisplay.argtypes = [ctypes.c_void_p]
xd.XDamageQueryExtension.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int),
                                     ctypes.POINTER(ctypes.c_int)]
xd.XDamageCreate.restype = ctypes.c_ulong
xd.XDamageCreate.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int]


class Rectangle(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short),
                ("width", ctypes.c_ushort), ("height", ctypes.c_ushort)]


class DamageNotify(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("drawable", ctypes.c_ulong),
                ("damage", ctypes.c_ulong), ("level", ctypes.c_int), ("more", ctypes.c_int),
                ("timestamp", ctypes.c_ulong), ("area", Rectangle), ("geometry", Rectangle)]


class Evenement(ctypes.Union):
    _fields_ = [("damage", DamageNotify), ("bourrage", ctypes.c_long * 24)]


def main():
    fenetre, voulues, limite = int(sys.argv[1]), int(sys.argv[2]), float(sys.argv[3])
    d = x.XOpenDisplay(None)
    if not d:
        print("no display", file=sys.stderr)
        return 1
    base, erreur = ctypes.c_int(), ctypes.c_int()
    if not xd.XDamageQueryExtension(d, ctypes.byref(base), ctypes.byref(erreur)):
        print("no DAMAGE extension on this display", file=sys.stderr)
        return 1
    xd.XDamageCreate(d, fenetre, 0)  # XDamageReportRawRectangles: every drawing, even the same
    x.XSync(d, 0)
    print("ready", flush=True)
    fd = x.XConnectionNumber(d)
    e = Evenement()
    images = 0
    fin = time.monotonic() + limite
    while images < voulues:
        while x.XPending(d) and images < voulues:
            x.XNextEvent(d, ctypes.byref(e))
            n = e.damage
            if n.type == base.value and n.area.y + n.area.height >= n.geometry.height:
                images += 1
        if images >= voulues:
            break
        reste = fin - time.monotonic()
        if reste <= 0:
            print(f"{images} images of {voulues} within {limite} s", file=sys.stderr)
            return 1
        select.select([fd], [], [], min(reste, 0.5))
    print(f"{images} images", flush=True)
    x.XCloseDisplay(d)
    return 0


sys.exit(main())
