#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A desktop of its own for the checks that read the program as a screen
reader does: an X display (Xvfb), the accessibility bus with its registry on
the session bus of the run, and the processes started for it ended again.

Imported by the AT-SPI checks; run on its own it starts the desktop and runs
one command in it with Qt's accessibility bridge switched on:
    dbus-run-session -- /usr/bin/python3 atspi_session.py --own-display -- COMMAND...
or on the display alone, with no accessibility bus:
    /usr/bin/python3 atspi_session.py --own-display --display-only -- COMMAND...
A missing piece is an error, never a skip. Without --own-display it uses
$DISPLAY.
"""
import os
import shutil
import signal
import subprocess
import sys
import time

# Every wait has an end; a hung step fails the check instead of the run.
STEP_TIMEOUT = 30.0

children = []


def fatal(message):
    print("ERROR: " + message, flush=True)
    stop_children()
    sys.exit(2)


def end_with_parent():
    """In a child before exec: it gets SIGTERM when the check dies."""
    import ctypes
    ctypes.CDLL(None, use_errno=True).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


def adopted():
    """Processes whose parent is this check (what it started, and what they
    left behind once this check became their reaper)."""
    pids = []
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open("/proc/%s/stat" % entry) as f:
                    fields = f.read().rsplit(")", 1)[1].split()
            except OSError:
                continue
            if int(fields[1]) == os.getpid():
                pids.append(int(entry))
    return pids


def end_process(proc):
    """Asks the process to end, and ends it if it does not within 5 seconds."""
    if proc.poll() is None:
        proc.terminate()
        try:
            proc.wait(5)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait(5)


def stop_children():
    for proc in reversed(children):
        end_process(proc)
    children.clear()
    # The accessibility bus daemon and registry the launcher started.
    end = time.time() + 5
    while time.time() < end:
        left = adopted()
        if not left:
            break
        for pid in left:
            try:
                os.kill(pid, signal.SIGTERM)
                os.waitpid(pid, os.WNOHANG)
            except (ProcessLookupError, ChildProcessError):
                pass
        time.sleep(0.1)


def start_display():
    """Xvfb on a display number it picks itself; DISPLAY is set for what follows."""
    xvfb = shutil.which("Xvfb")
    if not xvfb:
        fatal("Xvfb not found (package xvfb)")
    read_end, write_end = os.pipe()
    proc = subprocess.Popen([xvfb, "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                             "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            preexec_fn=end_with_parent)
    children.append(proc)
    os.close(write_end)
    number = b""
    end = time.time() + STEP_TIMEOUT
    while not number.endswith(b"\n") and time.time() < end:
        chunk = os.read(read_end, 16)
        if not chunk:
            break
        number += chunk
    os.close(read_end)
    if not number.strip():
        fatal("Xvfb did not start")
    os.environ["DISPLAY"] = ":" + number.decode().strip()
    print("display " + os.environ["DISPLAY"], flush=True)


def session_bus():
    from gi.repository import Gio
    return Gio.bus_get_sync(Gio.BusType.SESSION, None)


def start_registry():
    """The accessibility bus and its registry, on the session bus of this run."""
    if "DBUS_SESSION_BUS_ADDRESS" not in os.environ:
        fatal("no session bus: run under dbus-run-session")
    launcher = next((p for p in ("/usr/libexec/at-spi-bus-launcher",
                                 "/usr/lib/at-spi2-core/at-spi-bus-launcher") if os.path.exists(p)), None)
    if not launcher:
        fatal("at-spi-bus-launcher not found (package at-spi2-core)")
    proc = subprocess.Popen([launcher, "--launch-immediately"], stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL, preexec_fn=end_with_parent)
    children.append(proc)
    from gi.repository import Gio, GLib
    bus = session_bus()

    def owned():
        reply = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                              "NameHasOwner", GLib.Variant("(s)", ("org.a11y.Bus",)),
                              GLib.VariantType("(b)"), Gio.DBusCallFlags.NONE, 5000, None)
        return reply.unpack()[0]

    end = time.time() + STEP_TIMEOUT
    while not owned():
        if proc.poll() is not None or time.time() > end:
            fatal("the accessibility bus did not start")
        time.sleep(0.1)


def set_screen_reader(running):
    """What a screen reader such as Orca says on the bus when it starts (and
    when it stops): programs switch their accessibility bridge on by it."""
    from gi.repository import Gio, GLib
    bus = session_bus()
    for prop in ("IsEnabled", "ScreenReaderEnabled"):
        bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                      GLib.Variant("(ssv)", ("org.a11y.Status", prop, GLib.Variant("b", running))),
                      None, Gio.DBusCallFlags.NONE, 5000, None)


def screen_reader():
    """Stands in for a screen reader that listens to every key (as Orca does):
    the registry asks it about each key before the program may use it. Runs
    until it is ended."""
    import pyatspi

    def on_key(event):
        return False  # not consumed: the program gets the key

    # Like a screen reader it follows the focus too. With any listener of
    # events registered, Qt's bridge holds each key of the program until the
    # registry's device controller answers, then sends it on.
    pyatspi.Registry.registerEventListener(lambda event: None, "object:state-changed:focused",
                                           "window:activate")
    pyatspi.Registry.registerKeystrokeListener(
        on_key, mask=pyatspi.allModifiers(),
        kind=(pyatspi.KEY_PRESSED_EVENT, pyatspi.KEY_RELEASED_EVENT), synchronous=True,
        preemptive=True)
    print("listening", flush=True)
    pyatspi.Registry.start()


def start_screen_reader():
    """The stand-in screen reader in a process of its own, once it listens."""
    proc = subprocess.Popen([sys.executable, os.path.abspath(__file__), "--screen-reader"],
                            stdout=subprocess.PIPE, preexec_fn=end_with_parent)
    children.append(proc)
    line = proc.stdout.readline().decode().strip()
    if line != "listening":
        fatal("the stand-in screen reader did not start: %r" % line)
    return proc


def own_desktop(display_only=False):
    """The display and the accessibility bus for this run; orphans of what it
    starts come back to this process, which ends them at exit."""
    import ctypes
    ctypes.CDLL(None).prctl(36, 1)  # PR_SET_CHILD_SUBREAPER
    # A check that is stopped (CTest's timeout) ends what it started.
    signal.signal(signal.SIGTERM, lambda *_: (stop_children(), sys.exit(3)))
    try:
        start_display()
        if not display_only:
            start_registry()
    except Exception as e:
        fatal("cannot set up the display and the accessibility bus: %r" % e)


def without_clock_right(command):
    """As root, the command runs without the right to set the clock."""
    if os.geteuid() != 0:
        return command
    setpriv = shutil.which("setpriv")
    if not setpriv:
        fatal("setpriv not found (package util-linux)")
    return [setpriv, "--inh-caps=-sys_time", "--bounding-set=-sys_time", "--"] + command


def main(argv):
    if argv == ["--screen-reader"]:
        screen_reader()
        return 0
    if "--" not in argv:
        print(__doc__)
        return 2
    options = argv[:argv.index("--")]
    display_only = "--display-only" in options
    command = argv[argv.index("--") + 1:]
    if "--own-display" in options:
        own_desktop(display_only)
    env = dict(os.environ, QT_QPA_PLATFORM="xcb",
               DBUS_SYSTEM_BUS_ADDRESS=os.environ.get(
                   "DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/tundrik-no-system-bus"))
    if not display_only:
        env.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", TUNDRIK_SCREEN_READER_BUS="1")
    command = without_clock_right(command)
    print("$ " + " ".join(command), flush=True)
    try:
        status = subprocess.call(command, env=env)
    finally:
        stop_children()
    if status < 0:
        print("ERROR: %s ended by signal %d" % (command[-1], -status), flush=True)
        return 1
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
