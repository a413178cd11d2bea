#!/usr/bin/env python3
"""Starts a program on an X display and prints the seconds until anything but
black shows on the screen. Usage: first_frame.py TIMEOUT_SECONDS PROGRAM ARGS...
The program keeps running; its process id is printed on the second line."""
import ctypes
import os
import subprocess
import sys
import time

ZPIXMAP = 2
ALL_PLANES = 0xFFFFFFFF
BANDS = (0.25, 0.5, 0.75)  # rows looked at, as parts of the screen's height
POLL_SECONDS = 0.002


def main():
    timeout, command = float(sys.argv[1]), sys.argv[2:]
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XDisplayWidth.argtypes = x11.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XGetImage.restype = ctypes.c_void_p
    x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                              ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("no X display")
    root = x11.XDefaultRootWindow(display)
    width, height = x11.XDisplayWidth(display, 0), x11.XDisplayHeight(display, 0)

    def lit():
        for band in BANDS:
            image = x11.XGetImage(display, root, 0, int(height * band), width, 1, ALL_PLANES, ZPIXMAP)
            if not image:
                continue
            # XImage: four ints, then the data pointer.
            data = ctypes.cast(ctypes.c_void_p.from_address(image + 16).value, ctypes.POINTER(ctypes.c_uint32))
            found = any(data[i] & 0xFFFFFF for i in range(0, width, 4))
            # The few bytes of each image are left to the process's end.
            if found:
                return True
        return False

    start = time.monotonic()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    while time.monotonic() - start < timeout:
        if lit():
            print("%.3f" % (time.monotonic() - start))
            print(process.pid)
            return
        if process.poll() is not None:
            break
        time.sleep(POLL_SECONDS)
    print("none")
    print(process.pid)


if __name__ == "__main__":
    main()
