# SPDX-License-Identifier: GPL-3.0-or-later
"""The two things a window manager or a panel does that xdotool cannot: ask a window to close
(what a title-bar close button sends) and tell whether a notification area is running."""

import ctypes

_ClientMessage = 33

_x11 = ctypes.CDLL("libX11.so.6")
_x11.XOpenDisplay.restype = ctypes.c_void_p
_x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
_x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
_x11.XInternAtom.restype = ctypes.c_ulong
_x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
_x11.XSendEvent.restype = ctypes.c_int
_x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                            ctypes.c_void_p]
_x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
_x11.XGetSelectionOwner.restype = ctypes.c_ulong
_x11.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]


class _XClientMessageEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class _XEvent(ctypes.Union):
    # Xlib copies a whole XEvent, 24 longs, whatever the kind.
    _fields_ = [("xclient", _XClientMessageEvent), ("pad", ctypes.c_long * 24)]


class _Display:
    def __init__(self, name):
        self.handle = _x11.XOpenDisplay(name.encode())
        if not self.handle:
            raise RuntimeError(f"cannot open X display {name}")

    def __enter__(self):
        return self.handle

    def __exit__(self, *exc):
        _x11.XCloseDisplay(self.handle)


def _atom(display, name):
    return _x11.XInternAtom(display, name.encode(), 0)


def request_close(display_name, window):
    """Sends WM_DELETE_WINDOW as a window manager does when the user clicks the close box."""
    with _Display(display_name) as display:
        event = _XEvent()
        message = event.xclient
        message.type = _ClientMessage
        message.window = window
        message.message_type = _atom(display, "WM_PROTOCOLS")
        message.format = 32
        message.data[0] = _atom(display, "WM_DELETE_WINDOW")
        message.data[1] = 0  # CurrentTime
        if not _x11.XSendEvent(display, window, 0, 0, ctypes.byref(event)):
            raise RuntimeError(f"XSendEvent to window {window} failed")
        _x11.XSync(display, 0)


def tray_running(display_name):
    """True when some client owns the system tray selection of screen 0."""
    with _Display(display_name) as display:
        return _x11.XGetSelectionOwner(display, _atom(display, "_NET_SYSTEM_TRAY_S0")) != 0
