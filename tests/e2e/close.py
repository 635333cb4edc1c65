# close.py WINDOW: asks the window to close as a window manager's close button
# does, with a WM_PROTOCOLS client message naming WM_DELETE_WINDOW.
import ctypes as c, sys

class ClientMessage(c.Structure):
    _fields_ = [('type', c.c_int), ('serial', c.c_ulong), ('send_event', c.c_int), ('display', c.c_void_p),
                ('window', c.c_ulong), ('message_type', c.c_ulong), ('format', c.c_int), ('l', c.c_long * 29)]

x = c.CDLL('libX11.so.6')
x.XOpenDisplay.restype = x.XInternAtom.restype = c.c_void_p
x.XInternAtom.argtypes, x.XFlush.argtypes = [c.c_void_p, c.c_char_p, c.c_int], [c.c_void_p]
x.XSendEvent.argtypes = [c.c_void_p, c.c_ulong, c.c_int, c.c_long, c.c_void_p]
d = x.XOpenDisplay(None) or sys.exit('close: no display')
ev = ClientMessage(type=33, window=int(sys.argv[1]), format=32, message_type=x.XInternAtom(d, b'WM_PROTOCOLS', 0))
ev.l[0] = x.XInternAtom(d, b'WM_DELETE_WINDOW', 0)  # type 33: ClientMessage; l: the data, then padding
x.XSendEvent(d, ev.window, 0, 0, c.byref(ev)) and x.XFlush(d) or sys.exit('close: not sent')
