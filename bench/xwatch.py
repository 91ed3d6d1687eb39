# SPDX-License-Identifier: GPL-3.0-or-later
"""Just enough Xlib, through ctypes, to time a program's first window to the millisecond and to
close a window as a window manager would: no polling of xdotool or xwininfo."""

import ctypes
import os
import select
import time

_SubstructureNotifyMask = 1 << 19
_UnmapNotify, _MapNotify = 18, 19
_ClientMessage = 33
_AnyPropertyType = 0

# A window may be gone by the time its name is asked for; Xlib's default handler would then end
# this script. Kept here: Xlib holds on to it for good.
_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(
    lambda display, event: 0)


def _load():
    lib = ctypes.CDLL("libX11.so.6")
    lib.XOpenDisplay.restype = ctypes.c_void_p
    lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    lib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    lib.XDefaultRootWindow.restype = ctypes.c_ulong
    lib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    lib.XConnectionNumber.argtypes = [ctypes.c_void_p]
    lib.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
    lib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    lib.XPending.argtypes = [ctypes.c_void_p]
    lib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
    lib.XInternAtom.restype = ctypes.c_ulong
    lib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    lib.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_char_p)]
    lib.XFree.argtypes = [ctypes.c_void_p]
    lib.XGetWindowProperty.argtypes = [
        ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long,
        ctypes.c_int, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int),
        ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong),
        ctypes.POINTER(ctypes.c_void_p)]
    lib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.c_void_p]
    lib.XGetSelectionOwner.restype = ctypes.c_ulong
    lib.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    lib.XSetErrorHandler(_ERROR_HANDLER)
    return lib


try:
    _x11 = _load()
except OSError:  # reported by whichever measurement needs a display
    _x11 = None


class _XMapEvent(ctypes.Structure):
    # Map, Unmap and Destroy notifications share this head.
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                ("override_redirect", ctypes.c_int)]


class _XClientMessageEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class _XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("xmap", _XMapEvent),
                ("xclient", _XClientMessageEvent), ("pad", ctypes.c_long * 24)]


def can_connect(display_name):
    if _x11 is None:
        return False
    display = _x11.XOpenDisplay(display_name.encode())
    if display:
        _x11.XCloseDisplay(display)
    return bool(display)


class Watcher:
    """Listens to the top-level windows of a display being mapped and unmapped. Open it before
    starting the program so that no map can be missed."""

    def __init__(self, display_name):
        self.name = display_name
        if _x11 is None:
            raise RuntimeError("libX11.so.6 is missing")
        self.handle = _x11.XOpenDisplay(display_name.encode())
        if not self.handle:
            raise RuntimeError(f"cannot open X display {display_name}")
        self.root = _x11.XDefaultRootWindow(self.handle)
        self.fd = _x11.XConnectionNumber(self.handle)
        _x11.XSelectInput(self.handle, self.root, _SubstructureNotifyMask)
        _x11.XSync(self.handle, 0)
        self._atoms = {}

    def close(self):
        if self.handle:
            _x11.XCloseDisplay(self.handle)
            self.handle = None

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def atom(self, name):
        if name not in self._atoms:
            self._atoms[name] = _x11.XInternAtom(self.handle, name.encode(), 0)
        return self._atoms[name]

    def title(self, window):
        name = ctypes.c_char_p()
        if not _x11.XFetchName(self.handle, window, ctypes.byref(name)) or not name.value:
            return ""
        text = name.value.decode(errors="replace")
        _x11.XFree(name)
        return text

    def pid(self, window):
        """_NET_WM_PID, or None when the window does not say."""
        kind, fmt = ctypes.c_ulong(), ctypes.c_int()
        count, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        status = _x11.XGetWindowProperty(
            self.handle, window, self.atom("_NET_WM_PID"), 0, 1, 0, _AnyPropertyType,
            ctypes.byref(kind), ctypes.byref(fmt), ctypes.byref(count), ctypes.byref(after),
            ctypes.byref(data))
        if status != 0 or not data.value:
            return None
        pid = ctypes.cast(data, ctypes.POINTER(ctypes.c_long))[0] if count.value else None
        _x11.XFree(data)
        return pid if fmt.value == 32 else None

    def next_event(self, deadline):
        """(kind, window, override_redirect, monotonic time read) or None at the deadline."""
        while True:
            if _x11.XPending(self.handle):
                event = _XEvent()
                _x11.XNextEvent(self.handle, ctypes.byref(event))
                now = time.monotonic()
                if event.type in (_MapNotify, _UnmapNotify):
                    kind = "map" if event.type == _MapNotify else "unmap"
                    return kind, event.xmap.window, bool(event.xmap.override_redirect), now
                continue
            left = deadline - time.monotonic()
            if left <= 0:
                return None
            select.select([self.fd], [], [], left)

    def wait_map(self, deadline, pid=None, title=None, alive=lambda: True):
        """Waits for a top-level window of the program to be mapped. Returns (window, time),
        "exited" when alive() turns false first, or None at the deadline. A window whose
        _NET_WM_PID names another process, or whose title lacks `title`, is passed over."""
        while True:
            # A short slice so that a program ending without a window is noticed at once.
            event = self.next_event(min(deadline, time.monotonic() + 0.02))
            if event is None:
                if not alive():
                    return "exited"
                if time.monotonic() >= deadline:
                    return None
                continue
            kind, window, override, when = event
            if kind != "map" or override:
                continue
            owner = self.pid(window)
            if pid is not None and owner is not None and owner != pid:
                continue
            if title is not None and title not in self.title(window):
                continue
            return window, when

    def wait_unmap(self, window, deadline):
        while True:
            event = self.next_event(deadline)
            if event is None:
                return False
            if event[0] == "unmap" and event[1] == window:
                return True

    def request_close(self, window):
        """WM_DELETE_WINDOW, as a window manager sends for a click on the close box."""
        event = _XEvent()
        message = event.xclient
        message.type = _ClientMessage
        message.window = window
        message.message_type = self.atom("WM_PROTOCOLS")
        message.format = 32
        message.data[0] = self.atom("WM_DELETE_WINDOW")
        message.data[1] = 0  # CurrentTime
        if not _x11.XSendEvent(self.handle, window, 0, 0, ctypes.byref(event)):
            raise RuntimeError(f"XSendEvent to window {window} failed")
        _x11.XSync(self.handle, 0)

    def tray_running(self):
        return _x11.XGetSelectionOwner(self.handle, self.atom("_NET_SYSTEM_TRAY_S0")) != 0


def wait_connectable(display_name, timeout=10.0):
    deadline = time.monotonic() + timeout
    while not can_connect(display_name):
        if time.monotonic() > deadline:
            return False
        time.sleep(0.05)
    return True


if __name__ == "__main__":
    # Handy by hand: python3 xwatch.py :99 prints what is mapped there.
    import sys
    with Watcher(sys.argv[1] if len(sys.argv) > 1 else os.environ["DISPLAY"]) as w:
        while True:
            e = w.next_event(time.monotonic() + 3600)
            if e:
                print(e[0], hex(e[1]), "override" if e[2] else "", w.pid(e[1]), w.title(e[1]))
