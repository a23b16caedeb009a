#!/usr/bin/env python3
"""The events a desktop test waits for, one line each on the standard output.

  desktop_events.py SECONDS [--folder DIR] [--children-of PID]... [--ping WINDOW]

First it listens, then it writes "listening": every event after that line is told, so a test that
checks its condition after reading the line and again after each later line loses none. Then one
line per wake-up (the events that came together are told as one):
  - the X server of $DISPLAY: a top-level window made, mapped, unmapped, moved or resized,
    reparented or destroyed,
    a property of the root or of a top-level set (a caption, WM_TRANSIENT_FOR), the keyboard focus
    going into or out of a top-level or the root;
  - a name made, written, moved or deleted in DIR;
  - the end of a process that was a child of one of the PIDs when it started listening.
With --ping it asks the window WINDOW as a window manager does (_NET_WM_PING) once it listens;
Wine answers from the window's message loop when its queue is empty, after putting on the screen
what was painted. From the answer on, every line says "answered" instead of "event".
It ends after SECONDS, when the display goes, or when nobody reads its lines any more.
"""
import ctypes
import os
import select
import sys
import time

# X11 event masks and event types (X.h).
SUBSTRUCTURE_NOTIFY = 1 << 19
STRUCTURE_NOTIFY = 1 << 17
PROPERTY_CHANGE = 1 << 22
FOCUS_CHANGE = 1 << 21
CREATE_NOTIFY, REPARENT_NOTIFY, CLIENT_MESSAGE = 16, 21, 33
TOP_LEVEL_MASK = STRUCTURE_NOTIFY | PROPERTY_CHANGE | FOCUS_CHANGE

# inotify (sys/inotify.h).
IN_MODIFY, IN_ATTRIB, IN_CLOSE_WRITE = 0x2, 0x4, 0x8
IN_MOVED_FROM, IN_MOVED_TO, IN_CREATE, IN_DELETE = 0x40, 0x80, 0x100, 0x200
IN_NONBLOCK, IN_CLOEXEC = 0o4000, 0o2000000
FOLDER_MASK = IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_MOVED_FROM | IN_MOVED_TO | IN_CREATE | IN_DELETE


class XEvent(ctypes.Union):
    # type, serial, send_event, display, then (for CreateNotify, ReparentNotify) the parent or
    # event window and the window itself.
    class Head(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                    ("display", ctypes.c_void_p), ("first", ctypes.c_ulong), ("window", ctypes.c_ulong),
                    ("third", ctypes.c_ulong)]
    # XClientMessageEvent: the window, the message's type, its format and five longs.
    class Message(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                    ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                    ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]
    _fields_ = [("head", Head), ("message", Message), ("pad", ctypes.c_long * 24)]


class Display:
    """The connection to the X server, listening to the root and to every top-level window."""

    def __init__(self):
        x = ctypes.CDLL("libX11.so.6")
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        x.XPending.argtypes = [ctypes.c_void_p]
        x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(XEvent)]
        x.XConnectionNumber.argtypes = [ctypes.c_void_p]
        x.XFree.argtypes = [ctypes.c_void_p]
        x.XInternAtom.restype = ctypes.c_ulong
        x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.POINTER(XEvent)]
        x.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                                 ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                                 ctypes.POINTER(ctypes.c_uint)]
        # A window may be gone before it is listened to: its BadWindow is no reason to end.
        handler_type = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
        self.ignore = handler_type(lambda display, error: 0)
        x.XSetErrorHandler.argtypes = [handler_type]
        x.XSetErrorHandler(self.ignore)
        self.x = x
        self.d = x.XOpenDisplay(None)
        if not self.d:
            raise OSError("no X display " + os.environ.get("DISPLAY", "(DISPLAY not set)"))
        self.root = x.XDefaultRootWindow(self.d)
        x.XSelectInput(self.d, self.root, SUBSTRUCTURE_NOTIFY | PROPERTY_CHANGE | FOCUS_CHANGE)
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        if x.XQueryTree(self.d, self.root, ctypes.byref(root), ctypes.byref(parent), ctypes.byref(children),
                        ctypes.byref(count)):
            for i in range(count.value):
                x.XSelectInput(self.d, children[i], TOP_LEVEL_MASK)
            if children:
                x.XFree(children)
        # Once the server has answered, it reports to us everything after this point.
        x.XSync(self.d, 0)
        self.fd = x.XConnectionNumber(self.d)
        self.pinged = None
        self.answered = False

    def ping(self, window):
        """Asks the window to answer; the answer comes to the root, which is listened to."""
        protocols = self.x.XInternAtom(self.d, b"WM_PROTOCOLS", 0)
        self.ping_atom = self.x.XInternAtom(self.d, b"_NET_WM_PING", 0)
        event = XEvent()
        m = event.message
        m.type, m.window, m.message_type, m.format = CLIENT_MESSAGE, window, protocols, 32
        m.data[0], m.data[1], m.data[2] = self.ping_atom, 0, window
        self.pinged = window
        self.x.XSendEvent(self.d, window, 0, 0, ctypes.byref(event))
        self.x.XSync(self.d, 0)

    def take_events(self):
        """Takes the events queued; a new top-level is listened to before it is told."""
        event = XEvent()
        taken = False
        while self.x.XPending(self.d) > 0:
            self.x.XNextEvent(self.d, ctypes.byref(event))
            taken = True
            head = event.head
            if head.type == CREATE_NOTIFY or (head.type == REPARENT_NOTIFY and head.third == self.root):
                self.x.XSelectInput(self.d, head.window, TOP_LEVEL_MASK)
                self.x.XSync(self.d, 0)
            elif (head.type == CLIENT_MESSAGE and self.pinged is not None and event.message.window == self.root
                  and event.message.data[0] == self.ping_atom and event.message.data[2] == self.pinged):
                self.answered = True
        return taken


def children_of(parents):
    """The processes whose parent is one of `parents`, this one left out."""
    found = []
    for name in os.listdir("/proc"):
        if not name.isdigit() or int(name) == os.getpid():
            continue
        try:
            with open("/proc/%s/stat" % name) as f:
                stat = f.read()
        except OSError:
            continue
        # pid (command) state ppid ...: the command may hold blanks and parentheses.
        fields = stat[stat.rfind(")") + 2:].split()
        if len(fields) > 1 and int(fields[1]) in parents:
            found.append(int(name))
    return found


def main(argv):
    seconds = float(argv[0])
    folder, parents, pinged = None, set(), None
    i = 1
    while i < len(argv):
        if argv[i] == "--folder":
            folder = argv[i + 1]
        elif argv[i] == "--children-of":
            parents.add(int(argv[i + 1]))
        elif argv[i] == "--ping":
            pinged = int(argv[i + 1], 0)
        else:
            raise SystemExit("desktop_events: unknown argument " + argv[i])
        i += 2
    end = time.monotonic() + seconds
    poller = select.poll()
    display = Display()
    poller.register(display.fd, select.POLLIN)
    watches = None
    if folder is not None:
        libc = ctypes.CDLL("libc.so.6", use_errno=True)
        watches = libc.inotify_init1(IN_NONBLOCK | IN_CLOEXEC)
        if watches < 0 or libc.inotify_add_watch(watches, os.fsencode(folder), FOLDER_MASK) < 0:
            raise OSError(ctypes.get_errno(), "cannot watch the folder " + folder)
        poller.register(watches, select.POLLIN)
    processes = {}
    for pid in children_of(parents):
        try:
            fd = os.pidfd_open(pid)
        except OSError:
            continue  # ended already: the first check sees it
        processes[fd] = pid
        poller.register(fd, select.POLLIN)
    # stdout tells when the reader has gone.
    poller.register(sys.stdout.fileno(), 0)
    if pinged is not None:
        display.ping(pinged)
    print("listening", flush=True)
    while True:
        told = display.take_events()
        if not told:
            left = end - time.monotonic()
            if left <= 0:
                return 2
            ready = poller.poll(left * 1000)
            for fd, what in ready:
                if fd == display.fd and what & (select.POLLHUP | select.POLLERR):
                    return 3
                if fd == sys.stdout.fileno():
                    return 0
                if fd == watches:
                    try:
                        while os.read(watches, 65536):
                            pass
                    except BlockingIOError:
                        pass
                    told = True
                elif fd in processes:
                    poller.unregister(fd)
                    os.close(fd)
                    del processes[fd]
                    told = True
            told = display.take_events() or told
        if told:
            try:
                print("answered" if display.answered else "event", flush=True)
            except BrokenPipeError:
                return 0


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv[1:]))
    except OSError as e:
        print("desktop_events: %s" % e, file=sys.stderr)
        sys.exit(1)
