# close.py WINDOW: asks the window to close as a window manager's close button
# does, with a WM_DELETE_WINDOW client message.
import ctypes, sys

class ClientMessage(ctypes.Structure):
    _fields_ = [('type', ctypes.c_int), ('serial', ctypes.c_ulong), ('send_event', ctypes.c_int),
                ('display', ctypes.c_void_p), ('window', ctypes.c_ulong), ('message_type', ctypes.c_ulong),
                ('format', ctypes.c_int), ('l', ctypes.c_long * 5), ('pad', ctypes.c_long * 24)]

x = ctypes.CDLL('libX11.so.6')
x.XOpenDisplay.restype = ctypes.c_void_p
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
x.XFlush.argtypes = x.XCloseDisplay.argtypes = [ctypes.c_void_p]
d = x.XOpenDisplay(None) or sys.exit('close: no display')
ev = ClientMessage(type=33, window=int(sys.argv[1]), format=32,  # 33: ClientMessage
                   message_type=x.XInternAtom(d, b'WM_PROTOCOLS', 0))
ev.l[0] = x.XInternAtom(d, b'WM_DELETE_WINDOW', 0)
x.XSendEvent(d, ev.window, 0, 0, ctypes.byref(ev)) or sys.exit('close: not sent')
x.XFlush(d)
x.XCloseDisplay(d)
