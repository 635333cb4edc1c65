# e2e_close.py WINDOW: asks the window to close as a window manager's close button
# does, with a WM_PROTOCOLS client message naming WM_DELETE_WINDOW.
import ctypes as c, sys

x = c.CDLL('libX11.so.6')
x.XOpenDisplay.restype = x.XInternAtom.restype = c.c_void_p
x.XInternAtom.argtypes, x.XFlush.argtypes = [c.c_void_p, c.c_char_p, c.c_int], [c.c_void_p]
x.XSendEvent.argtypes = [c.c_void_p, c.c_ulong, c.c_int, c.c_long, c.c_void_p]
d = x.XOpenDisplay(None) or sys.exit('close: no display')
w = int(sys.argv[1])
# An XEvent as 24 longs, laid out as a 64-bit XClientMessageEvent: type 33, then
# at long 4 the window, 5 the message type, 6 the format, 7 the first datum.
ev = (c.c_long * 24)(33, 0, 0, 0, w, x.XInternAtom(d, b'WM_PROTOCOLS', 0), 32, x.XInternAtom(d, b'WM_DELETE_WINDOW', 0))
x.XSendEvent(d, w, 0, 0, ev) and x.XFlush(d) or sys.exit('close: not sent')
