"""Rigscope on an X display, as the bench scripts drive it: its windows seen
through the X server's own map notifications (no polling), OK clicked through
the XTEST extension, the program started the way it runs under Xvfb, and the
peak memory of a process and of the helpers it started."""

import ctypes
import os
import select
import shutil
import signal
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_DUMP = os.path.join(HERE, "..", "..", "shared", "smbios-dumps", "lenovo-thinkpad-t480.bin")

# The windows by their client width: the disclaimer is 6149 twips wide
# (410 px), the main window 11778 twips (785 px).
DISCLAIMER_WIDTH = 410
MAIN_WINDOW_WIDTH = 785
# The OK button's centre in the disclaimer: (1920 + 1215/2, 4320 + 375/2) twips.
OK_BUTTON = (168, 300)

SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
MAP_NOTIFY = 19


class XMapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                ("override_redirect", ctypes.c_int)]


class XClientMessageEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("xmap", XMapEvent), ("xclient", XClientMessageEvent),
                ("pad", ctypes.c_long * 24)]


CLIENT_MESSAGE = 33


def on_own_display(script, arguments, session_bus=False):
    """Re-runs `script` on a virtual display of its own unless it already is,
    so that nothing else on screen is taken for Rigscope's windows. With
    `session_bus`, inside a D-Bus session of its own too, as on a desktop:
    without one, every toolkit's accessibility bridge first tries, and fails,
    to start a bus, a cost no desktop user pays."""
    if os.environ.get("RIGSCOPE_BENCH_DISPLAY"):
        return
    if not shutil.which("xvfb-run"):
        sys.exit("needs xvfb-run (Debian package xvfb)")
    bus = []
    if session_bus:
        if not shutil.which("dbus-run-session"):
            sys.exit("needs dbus-run-session (Debian package dbus-daemon)")
        bus = ["dbus-run-session", "--"]
    os.environ["RIGSCOPE_BENCH_DISPLAY"] = "1"
    sys.exit(subprocess.call(["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24"] + bus +
                             [sys.executable, os.path.abspath(script)] + arguments))


def program_environment(runtime_dir):
    environment = dict(os.environ)
    # As root the browser's renderer cannot be sandboxed (see the README).
    if os.geteuid() == 0:
        environment["QTWEBENGINE_DISABLE_SANDBOX"] = "1"
    environment["XDG_RUNTIME_DIR"] = runtime_dir
    return environment


def start_rigscope(build, dump, environment, stderr=subprocess.DEVNULL):
    program = os.path.join(build, "app", "rigscope")
    if not os.access(program, os.X_OK):
        sys.exit("no program at %s; build first" % program)
    if not os.access(dump, os.R_OK):
        sys.exit("no dump at %s" % dump)
    return subprocess.Popen([program, "--from-dump", dump], env=environment, stdout=subprocess.DEVNULL,
                            stderr=stderr)


def end(process, grace=2.0):
    """Ends a program as a session would: SIGTERM, then SIGKILL if it lingers."""
    process.terminate()
    try:
        process.wait(grace)
    except subprocess.TimeoutExpired:
        process.send_signal(signal.SIGKILL)
        process.wait()


def descendants(pid):
    """The processes `pid` started, and theirs, as /proc lists them now."""
    found = []
    try:
        tasks = os.listdir("/proc/%d/task" % pid)
    except OSError:
        return found
    for task in tasks:
        try:
            with open("/proc/%d/task/%s/children" % (pid, task)) as children:
                for child in children.read().split():
                    found.append(int(child))
                    found.extend(descendants(int(child)))
        except OSError:
            pass  # the thread or the process is gone
    return found


def peak_resident_kib(pid):
    """VmHWM of a process in KiB, or None when it is gone."""
    try:
        with open("/proc/%d/status" % pid) as status:
            for line in status:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return None


def peak_memory(pid):
    """(own, total, processes): the peak resident KiB of `pid`, the sum of
    those of `pid` and all its descendants, and how many processes that is."""
    own = peak_resident_kib(pid)
    peaks = [own] + [peak_resident_kib(child) for child in descendants(pid)]
    peaks = [peak for peak in peaks if peak is not None]
    return own, sum(peaks), len(peaks)


class Screen:
    """The X server of $DISPLAY, watched for windows being mapped."""

    def __init__(self):
        self.x = ctypes.cdll.LoadLibrary("libX11.so.6")
        self.xtst = ctypes.cdll.LoadLibrary("libXtst.so.6")
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XInternAtom.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.display = self.x.XOpenDisplay(None)
        if not self.display:
            sys.exit("cannot open the X display")
        self.root = self.x.XDefaultRootWindow(self.display)
        self.x.XSelectInput(ctypes.c_void_p(self.display), ctypes.c_ulong(self.root),
                            ctypes.c_long(SUBSTRUCTURE_NOTIFY_MASK))
        self.x.XFlush(ctypes.c_void_p(self.display))

    def geometry(self, window):
        """(x, y, width, height) of a window, or None when it is gone."""
        root, x, y = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_int()
        width, height, border, depth = ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint()
        ok = self.x.XGetGeometry(ctypes.c_void_p(self.display), ctypes.c_ulong(window), ctypes.byref(root),
                                 ctypes.byref(x), ctypes.byref(y), ctypes.byref(width), ctypes.byref(height),
                                 ctypes.byref(border), ctypes.byref(depth))
        return (x.value, y.value, width.value, height.value) if ok else None

    def maps(self, timeout):
        """(map event, monotonic time) of each window mapped from now on, for
        `timeout` seconds."""
        deadline = time.monotonic() + timeout
        event = XEvent()
        connection = self.x.XConnectionNumber(ctypes.c_void_p(self.display))
        while time.monotonic() < deadline:
            if not self.x.XPending(ctypes.c_void_p(self.display)):
                select.select([connection], [], [], 0.05)
                continue
            self.x.XNextEvent(ctypes.c_void_p(self.display), ctypes.byref(event))
            if event.type == MAP_NOTIFY:
                yield event.xmap, time.monotonic()

    def wait_for_map(self, width, timeout=30.0):
        """(window, monotonic time) of the next window of this width to be mapped."""
        for mapped, mapped_at in self.maps(timeout):
            geometry = self.geometry(mapped.window)
            if geometry and geometry[2] == width:
                return mapped.window, mapped_at
        sys.exit("timed out waiting for a window %d px wide" % width)

    def wait_for_top_level(self, timeout=30.0):
        """(window, monotonic time) of the next top-level window mapped, menus
        and tooltips (override-redirect) aside; None after `timeout` seconds."""
        for mapped, mapped_at in self.maps(timeout):
            if not mapped.override_redirect:
                return mapped.window, mapped_at
        return None

    def forget_events(self):
        """Drops what earlier programs' windows left in the queue."""
        self.x.XSync(ctypes.c_void_p(self.display), 1)

    def click(self, window, position):
        self.x.XWarpPointer(ctypes.c_void_p(self.display), ctypes.c_ulong(0), ctypes.c_ulong(window), 0, 0, 0, 0,
                            position[0], position[1])
        self.xtst.XTestFakeButtonEvent(ctypes.c_void_p(self.display), 1, 1, ctypes.c_ulong(0))
        self.xtst.XTestFakeButtonEvent(ctypes.c_void_p(self.display), 1, 0, ctypes.c_ulong(0))
        self.x.XFlush(ctypes.c_void_p(self.display))

    def close(self, window):
        """Asks a window to close, as its title bar's close button does."""
        atom = lambda name: self.x.XInternAtom(ctypes.c_void_p(self.display), name, 0)
        event = XEvent()
        event.xclient.type = CLIENT_MESSAGE
        event.xclient.window = window
        event.xclient.message_type = atom(b"WM_PROTOCOLS")
        event.xclient.format = 32
        event.xclient.data[0] = atom(b"WM_DELETE_WINDOW")
        self.x.XSendEvent(ctypes.c_void_p(self.display), ctypes.c_ulong(window), 0, ctypes.c_long(0),
                          ctypes.byref(event))
        self.x.XFlush(ctypes.c_void_p(self.display))
