#!/usr/bin/python3
"""Holds the X pointer while the end-to-end tests drive Wine's pointer with SendInput.

Wine turns X pointer events into input, and each injected move makes it grab and warp the X
pointer. The grab's own crossing event reaches the desktop's process, which reports it as a move
to where the pointer was, as late as it pleases: now and then after the tests' next move, which
it then undoes. While this program holds an active grab, Wine's warps are refused and no Wine
window gets any X pointer event, so the tests' input is the only input. It still moves the X
pointer to where the tests last put Wine's, as read from the file named by
KINLOOM_POINTER_FILE ("x y"), because Wine reports the X pointer's place to a program that asks
for the pointer long after a move.

Prints "holding" once the grab is active; runs until stopped or the display goes away.
"""
import ctypes
import os
import sys
import time

GRAB_MODE_ASYNC = 1
GRAB_SUCCESS = 0
POLL_SECONDS = 0.002


def main():
    place_file = os.environ["KINLOOM_POINTER_FILE"]
    x = ctypes.CDLL("libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XDefaultRootWindow.restype = ctypes.c_ulong
    display = x.XOpenDisplay(None)
    if not display:
        sys.exit("pointer_holder: cannot open the display")
    d = ctypes.c_void_p(display)
    root = ctypes.c_ulong(x.XDefaultRootWindow(d))
    status = x.XGrabPointer(d, root, 0, ctypes.c_uint(0), GRAB_MODE_ASYNC, GRAB_MODE_ASYNC,
                            ctypes.c_ulong(0), ctypes.c_ulong(0), ctypes.c_ulong(0))
    x.XSync(d, 0)
    if status != GRAB_SUCCESS:
        sys.exit(f"pointer_holder: the pointer grab failed ({status})")
    print("holding", flush=True)

    last = None
    while True:
        try:
            with open(place_file) as f:
                place = f.read()
        except OSError:
            place = last
        if place != last:
            last = place
            parts = place.split()
            if len(parts) == 2:
                x.XWarpPointer(d, ctypes.c_ulong(0), root, 0, 0, 0, 0, int(parts[0]), int(parts[1]))
                x.XFlush(d)
        time.sleep(POLL_SECONDS)


if __name__ == "__main__":
    main()
