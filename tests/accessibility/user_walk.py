#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A user's walk through the built program, as a person runs it: the program
itself on a desktop of its own (Xvfb with a window manager, a session bus,
the accessibility bus and registry), driven by key presses alone. Every
window is opened through its menu or shortcut, each calculator answers one
question, the month calendar steps a month and opens its holidays (and
from there the saving of an iCalendar file, up to Qt's file dialog), and
each window closes with Esc; the last Esc ends the program.

The walk runs three times. First with a screen reader listening (the accessibility
switched on over the bus as a screen reader does it, and a client that takes
part in every key and follows the focus): the windows and answers are read
through the AT-SPI tree, and no text told there may be an English text of
Qt's. Then once more with accessibility off: the windows are known by their
titles and the answers are read from the clipboard (Ctrl+C copies them).
Last on a bare X server without a window manager, where the program itself
must hand the keyboard back to the window under one that closes.
Set-time and set-date are only opened and closed: the program runs without
a system bus and without the right to set the clock.

A failure is a window that does not open or close, a missing or wrong
answer, an English text, a sanitizer report, or the program ending by a
signal or with an error. Run under dbus-run-session:
    dbus-run-session -- /usr/bin/python3 user_walk.py PROGRAM CATALOG.ts [--shots DIR] [--dark]
--shots saves a screenshot of every window; --dark runs the program on a
dark GTK theme. Exit status 0 when every step holds.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ElementTree

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_session import (STEP_TIMEOUT, children, end_process, end_with_parent, fatal,  # noqa: E402
                           own_desktop, set_screen_reader, start_screen_reader, stop_children,
                           without_clock_right)

MAIN_TITLE = "Tundrik {GMT +02:00  -  Ida-Euroopa aeg}"
CALENDAR_TITLE = "Tundrik {Kalender}"
HOLIDAYS_TITLE = "Tundrik {Kalender  -  Pühad}"
SAVE_YEARS_TITLE = "Tundrik {Pühad  -  iCalendar}"
FILE_DIALOG_TITLE = "Salvesta iCalendar"
MONTHS = ["Jaanuar", "Veebruar", "Märts", "Aprill", "Mai", "Juuni", "Juuli", "August",
          "September", "Oktoober", "November", "Detsember"]

# Each calculator: its shortcut, its title, the keys of one question and the answer.
CALCULATORS = [
    ("ctrl+j", "Leia Juliuse päev", ["01012000", "Return"], "2 451 545. Juliuse päev"),
    ("ctrl+n", "Leia nädalapäev", ["01012000", "Return"], "Laupäev"),
    ("ctrl+k", "Leia kuupäev", ["2451545", "Return"], "01.01.2000. a."),
    ("ctrl+l", "Kas liigaasta, või mitte", ["2000", "Return"], "Jah, on liigaasta"),
    ("ctrl+u", "Leia uus kuupäev", ["01012000", "1", "Tab", "2", "Tab", "3", "Return"], "04.03.2001. a."),
    ("ctrl+v", "Leia päevade arv", ["24021918", "20081991", "Return"], "26 840 päeva"),
]

failures = []


class ProgramEnded(Exception):
    """The program is gone: the walk cannot go on."""


def check(condition, what):
    print(("  ok   " if condition else "  FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


def spaced(text):
    return (text or "").replace("\u00a0", " ").replace("\u202f", " ")


def english_texts(catalog):
    """Qt's texts in English as the program's catalog has them (access keys
    and trailing dots left out), but those that read the same in Estonian."""
    def plain(text):
        return (text or "").replace("&", "").rstrip(".").strip()

    english = set()
    for message in ElementTree.parse(catalog).getroot().iter("message"):
        source = plain(message.findtext("source"))
        translation = plain(message.findtext("translation"))
        if source and source != translation and any(c.isalpha() for c in source):
            english.add(source)
    return english


class Desktop:
    """Keys, titles and the clipboard of the X display, through xdotool and xclip."""

    @staticmethod
    def run(*args, timeout=10):
        return subprocess.run(list(args), capture_output=True, text=True, timeout=timeout)

    def key(self, name):
        self.run("xdotool", "key", "--delay", "60", name)

    def type(self, text):
        self.run("xdotool", "type", "--delay", "60", text)

    def press(self, item):
        """A key by its name ("Return", "ctrl+j") or a run of characters ("2000")."""
        if item.isdigit():
            self.type(item)
        else:
            self.key(item)

    def active_title(self):
        """The title of the window that has the keyboard (with or without a window manager)."""
        out = self.run("xdotool", "getwindowfocus", "getwindowname")
        return out.stdout.rstrip("\n") if out.returncode == 0 else None

    def wait_active(self, title, timeout=STEP_TIMEOUT):
        end = time.time() + timeout
        while time.time() < end:
            if self.active_title() == title:
                return True
            time.sleep(0.1)
        return False

    def clipboard(self):
        out = self.run("xclip", "-o", "-selection", "clipboard", timeout=5)
        return out.stdout if out.returncode == 0 else None

    def window_ids(self, title):
        """The shown windows of that title."""
        out = self.run("xdotool", "search", "--onlyvisible", "--name", ".")
        return [i for i in out.stdout.split()
                if self.run("xdotool", "getwindowname", i).stdout.rstrip("\n") == title]

    def click_window(self, title):
        """A click into the middle of the window, as a person gives it the keyboard."""
        ids = self.window_ids(title)
        if not ids:
            return False
        geometry = dict(line.split("=", 1) for line in
                        self.run("xdotool", "getwindowgeometry", "--shell", ids[0]).stdout.split())
        x = int(geometry["X"]) + int(geometry["WIDTH"]) // 2
        y = int(geometry["Y"]) + int(geometry["HEIGHT"]) // 2
        self.run("xdotool", "mousemove", str(x), str(y), "click", "1")
        return True

    def screenshot(self, path):
        self.run("import", "-window", "root", path, timeout=30)


class Tree:
    """The program's windows as a screen reader reads them."""

    def __init__(self, app_name):
        import pyatspi
        self.pyatspi = pyatspi
        self.app_name = app_name

    def app(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == self.app_name and app.childCount > 0:
                return app
        return None

    def showing(self, node):
        return node.getState().contains(self.pyatspi.STATE_SHOWING)

    def window(self, title):
        """The shown window of that title; the newest one where the main
        window has taken up the title of a calculator it opened."""
        app = self.app()
        if app is None:
            return None
        found = None
        for i in range(app.childCount):
            w = app.getChildAtIndex(i)
            if w is not None and spaced(w.name) == spaced(title) and self.showing(w):
                found = w
        return found

    def wait_window(self, title, present=True, timeout=STEP_TIMEOUT):
        end = time.time() + timeout
        while time.time() < end:
            try:
                if (self.window(title) is not None) == present:
                    return True
            except Exception:  # a window going away while it is read
                pass
            time.sleep(0.2)
        return False

    def nodes(self, node, out=None):
        if out is None:
            out = []
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is None:
                continue
            out.append(child)
            self.nodes(child, out)
        return out

    def label(self, window, prefix, timeout=STEP_TIMEOUT):
        """The text of the shown label whose name starts with prefix + ", "."""
        end = time.time() + timeout
        while time.time() < end:
            for n in self.nodes(window):
                name = spaced(n.name)
                if n.getRoleName() == "label" and name.startswith(prefix + ", ") and self.showing(n):
                    return name[len(prefix) + 2:]
            time.sleep(0.2)
        return None

    def texts(self, window):
        """Everything told of the window: names, descriptions, role and action words."""
        told = [spaced(window.name)]
        for n in [window] + self.nodes(window):
            try:
                told += [spaced(n.name), spaced(n.description), n.getLocalizedRoleName()]
                action = n.queryAction()
                # What is said of an action: its description. Its name is an
                # identifier, and Qt's bridge has no localized name to give.
                told += [action.getDescription(i) for i in range(action.nActions)]
            except NotImplementedError:
                pass
            except Exception as e:  # an object gone while it is read
                print("    (not read: %r)" % e)
        return [t for t in told if t]


class Walk:
    def __init__(self, program, english, accessible, shots, dark, window_manager=True):
        self.program = program
        self.english = english
        self.accessible = accessible
        self.shots = shots
        self.dark = dark
        self.desktop = Desktop()
        self.tree = Tree(os.path.basename(program)) if accessible else None
        self.proc = None
        self.mode = "screen reader" if accessible else "no accessibility"
        if not window_manager:
            self.mode += ", no window manager"

    def step(self, what):
        print("-- %s: %s" % (self.mode, what), flush=True)

    def alive(self, where):
        """True while the program runs; once it has ended, a failure that ends the walk."""
        if self.proc.poll() is None:
            return True
        status = self.proc.returncode
        check(False, "%s: the program ended %s %s" % (
            where, "by signal" if status < 0 else "with status", -status if status < 0 else status))
        raise ProgramEnded()

    def shot(self, name):
        if self.shots:
            self.desktop.screenshot(os.path.join(
                self.shots, "%s%s-%s.png" % ("dark-" if self.dark else "",
                                             self.mode.replace(" ", "").replace(",", "-"), name)))

    def no_english(self, title):
        if not self.accessible:
            return
        window = self.tree.window(title)
        if window is None:
            return
        said = set(self.tree.texts(window))
        found = sorted(t for t in said if t.replace("&", "").rstrip(".").strip() in self.english)
        check(not found, "%s: no English text is told: %r" % (title, found))

    def opens(self, key, title):
        """Presses the key and waits for the window with the title to be active."""
        self.desktop.key(key)
        opened = self.desktop.wait_active(title)
        if opened and self.accessible:
            opened = self.tree.wait_window(title)
        self.alive("after %s for %r" % (key, title))
        check(opened, "%s opens %r (active window: %r)" % (key, title, self.desktop.active_title()))
        return opened

    def closes(self, title, back_to):
        """Esc closes the active window and the keyboard is back in back_to."""
        self.desktop.key("Escape")
        closed = self.desktop.wait_active(back_to)
        if closed and self.accessible:
            closed = self.tree.wait_window(title, present=False)
        self.alive("after Esc in %r" % title)
        check(closed, "Esc closes %r and %r is active again (active: %r)"
              % (title, back_to, self.desktop.active_title()))
        return closed

    def answer(self, window_title):
        if self.accessible:
            return spaced(self.tree.label(self.tree.window(window_title), "Vastus"))
        # Ctrl+C copies the answer.
        self.desktop.key("ctrl+c")
        end = time.time() + STEP_TIMEOUT
        text = None
        while time.time() < end:
            text = self.desktop.clipboard()
            if text:
                break
            time.sleep(0.2)
        return spaced(text)

    def calculators(self):
        for key, title, keys, expected in CALCULATORS:
            self.step(title)
            if not self.opens(key, title):
                self.recover()
                continue
            for item in keys:
                self.desktop.press(item)
            got = self.answer(title)
            check(got == expected, "%s answers %r: %r" % (title, expected, got))
            self.no_english(title)
            self.shot(title.replace(" ", "_").replace(",", ""))
            self.closes(title, MAIN_TITLE)

    def calendar(self):
        self.step("the month calendar and its holidays")
        if not self.opens("F4", CALENDAR_TITLE):
            self.recover()
            return
        if self.accessible:
            window = self.tree.window(CALENDAR_TITLE)
            shown = spaced(self.tree.label(window, "Näidatav kuu"))
            month, _, year = (shown or "").partition("  ")
            check(month in MONTHS and year.isdigit(), "the calendar shows a month: %r" % shown)
            self.desktop.key("Prior")  # PageUp: the next month
            if month in MONTHS and year.isdigit():
                index = MONTHS.index(month) + 1
                expected = "%s  %d" % (MONTHS[index % 12], int(year) + index // 12)
                end = time.time() + STEP_TIMEOUT
                while time.time() < end and spaced(self.tree.label(window, "Näidatav kuu")) != expected:
                    time.sleep(0.2)
                check(spaced(self.tree.label(window, "Näidatav kuu")) == expected,
                      "PageUp steps to the next month: %r" % expected)
            self.no_english(CALENDAR_TITLE)
        else:
            self.desktop.key("Prior")
        self.shot("kalender")
        if self.opens("Return", HOLIDAYS_TITLE):
            if self.accessible:
                rows = [spaced(n.name) for n in self.tree.nodes(self.tree.window(HOLIDAYS_TITLE))
                        if n.getRoleName() == "label" and spaced(n.name).startswith("Püha, ")]
                check(bool(rows), "the holidays of the month are read: %r" % rows)
                self.no_english(HOLIDAYS_TITLE)
            self.shot("puhad")
            # Saving as iCalendar: the years, then Qt's file dialog, left with Esc.
            if self.opens("alt+i", SAVE_YEARS_TITLE):
                self.no_english(SAVE_YEARS_TITLE)
                if self.opens("Return", FILE_DIALOG_TITLE):
                    self.no_english(FILE_DIALOG_TITLE)
                    self.shot("failidialoog")
                    self.closes(FILE_DIALOG_TITLE, HOLIDAYS_TITLE)
                else:
                    self.recover(HOLIDAYS_TITLE)
            else:
                self.recover(HOLIDAYS_TITLE)
            self.closes(HOLIDAYS_TITLE, CALENDAR_TITLE)
        self.closes(CALENDAR_TITLE, MAIN_TITLE)

    def only_opened(self, key, title, name):
        self.step(title)
        if self.opens(key, title):
            self.no_english(title)
            self.shot(name)
            self.closes(title, MAIN_TITLE)
        else:
            self.recover()

    def recover(self, title=MAIN_TITLE):
        """After a failed step: Esc until the window of that title is active again."""
        for _ in range(3):
            if self.proc.poll() is not None or self.desktop.active_title() == title:
                return
            self.desktop.key("Escape")
            time.sleep(0.5)

    def run(self):
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", TZ="Europe/Tallinn", LC_ALL="C.UTF-8",
                   DBUS_SYSTEM_BUS_ADDRESS="unix:path=/nonexistent/tundrik-no-system-bus")
        # As a person starts it: the bridge follows what the desktop says.
        env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
        env.pop("QT_ACCESSIBILITY", None)
        if self.dark:
            env.update(QT_QPA_PLATFORMTHEME="gtk3", GTK_THEME="Adwaita:dark")
        command = without_clock_right([self.program])
        print("$ " + " ".join(command), flush=True)
        err = tempfile.TemporaryFile()
        self.proc = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=err,
                                     preexec_fn=end_with_parent)
        try:
            self.walk()
        except ProgramEnded:
            pass
        finally:
            end_process(self.proc)
            err.seek(0)
            text = err.read().decode(errors="replace")
            err.close()
            if not check("Sanitizer" not in text, "no sanitizer report from the program"):
                print(text)

    def walk(self):
        self.step("start")
        # The window shows; a window manager gives it the keyboard, else a
        # click into it does, as a person would.
        end = time.time() + STEP_TIMEOUT
        while time.time() < end and not self.desktop.window_ids(MAIN_TITLE) and self.proc.poll() is None:
            time.sleep(0.2)
        up = self.desktop.wait_active(MAIN_TITLE, timeout=3) or (
            self.desktop.click_window(MAIN_TITLE) and self.desktop.wait_active(MAIN_TITLE))
        self.alive("at the start")
        if not check(up, "the main window opens and has the keyboard"):
            return
        if self.accessible:
            check(self.tree.wait_window(MAIN_TITLE),
                  "the main window is in the AT-SPI tree (accessibility switched on by the desktop)")
            self.no_english(MAIN_TITLE)
        else:
            time.sleep(1.0)
            check(self.tree_is_empty(), "with accessibility off the program is not in the AT-SPI tree")
        self.shot("aeg")

        self.calculators()
        self.calendar()
        self.only_opened("F8", "Sea kellaaeg", "seakell")
        self.only_opened("F9", "Sea kuupäev", "seakuup")
        self.only_opened("alt+p", "Programmist Tundrik", "programmist")
        self.only_opened("F1", "Programmist Tundrik", "f1")

        self.step("Esc ends the program")
        self.desktop.key("Escape")
        try:
            self.proc.wait(STEP_TIMEOUT)
        except subprocess.TimeoutExpired:
            pass
        ended = self.proc.poll()
        check(ended == 0, "Esc in the main window ends the program with status 0 (%r)"
              % (ended if ended is None or ended >= 0 else "signal %d" % -ended))

    def tree_is_empty(self):
        import pyatspi
        desktop = pyatspi.Registry.getDesktop(0)
        name = os.path.basename(self.program)
        return not any(desktop.getChildAtIndex(i) is not None and desktop.getChildAtIndex(i).name == name
                       and desktop.getChildAtIndex(i).childCount > 0 for i in range(desktop.childCount))


def start_window_manager():
    wm = shutil.which("openbox")
    if not wm:
        fatal("openbox not found (package openbox)")
    config = tempfile.mkdtemp(prefix="tundrik-walk-")
    env = dict(os.environ, XDG_CONFIG_HOME=config, HOME=config)
    proc = subprocess.Popen([wm, "--sm-disable"], env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL, preexec_fn=end_with_parent)
    children.append(proc)
    # The manager is up once it owns the screen's selection.
    end = time.time() + STEP_TIMEOUT
    while time.time() < end:
        out = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], capture_output=True, text=True)
        if "window id" in out.stdout:
            return proc
        if proc.poll() is not None:
            break
        time.sleep(0.1)
    fatal("the window manager did not start")


def stop_window_manager(proc):
    end_process(proc)
    children.remove(proc)
    subprocess.run(["xprop", "-root", "-remove", "_NET_SUPPORTING_WM_CHECK"], capture_output=True)


def main(argv):
    args = list(argv)
    shots = None
    if "--shots" in args:
        at = args.index("--shots")
        shots = os.path.abspath(args[at + 1])
        del args[at:at + 2]
        os.makedirs(shots, exist_ok=True)
    dark = "--dark" in args
    if dark:
        args.remove("--dark")
    if len(args) != 2:
        print(__doc__)
        return 2
    program, catalog = args
    for tool, package in (("xdotool", "xdotool"), ("xclip", "xclip"), ("xprop", "x11-utils")):
        if not shutil.which(tool):
            fatal("%s not found (package %s)" % (tool, package))
    english = english_texts(catalog)
    own_desktop()
    wm = start_window_manager()
    try:
        import pyatspi
        pyatspi.Registry.getDesktop(0)
    except Exception as e:
        fatal("the AT-SPI registry cannot be read: %r" % e)

    # A screen reader starts: it switches accessibility on and listens.
    set_screen_reader(True)
    reader = start_screen_reader()
    Walk(program, english, True, shots, dark).run()
    # It stops: accessibility is off again.
    reader.terminate()
    reader.wait(5)
    set_screen_reader(False)
    Walk(program, english, False, shots, dark).run()
    # And on a bare X server, where no window manager hands the keyboard on.
    stop_window_manager(wm)
    Walk(program, english, False, shots, dark, window_manager=False).run()

    print("%d failure(s)" % len(failures))
    for f in failures:
        print("  FAILED: " + f)
    return 1 if failures else 0


if __name__ == "__main__":
    try:
        status = main(sys.argv[1:])
    finally:
        stop_children()
    sys.exit(status)
