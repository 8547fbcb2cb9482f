#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the windows of Tundrik through the AT-SPI tree, as a screen reader
does, prints the tree and checks the names of readouts, buttons and fields,
and that one Esc closes the program while the tree is being read.

CTest runs it in a session bus of its own, on a display and with an AT-SPI
registry that it starts itself:
    dbus-run-session -- /usr/bin/python3 tests/accessibility/atspi_check.py --own-display \
        build/tests/accessibility/a11y_host build/program/tundrik
Without --own-display it uses $DISPLAY. Needs Xvfb, at-spi2-core and
python3-pyatspi; a missing piece is an error, never a skip. Exit status 0
when every check holds.
"""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_session import (STEP_TIMEOUT, end_process, end_with_parent, fatal,  # noqa: E402
                           own_desktop, start_screen_reader, stop_children, without_clock_right)

OWN_DISPLAY = "--own-display" in sys.argv
if OWN_DISPLAY:
    sys.argv.remove("--own-display")
    own_desktop()

try:
    import pyatspi
except ImportError as e:
    fatal("pyatspi cannot be imported (package python3-pyatspi): %s" % e)

failures = []


def check(condition, what):
    print(("  ok   " if condition else "  FAIL ") + what)
    if not condition:
        failures.append(what)


def spaced(text):
    return (text or "").replace("\u00a0", " ").replace("\u202f", " ")


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def walk(node, depth=0, out=None, show=True):
    """Every node under node as (depth, role, name, showing, node)."""
    if out is None:
        out = []
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        out.append((depth, child.getRoleName(), spaced(child.name), showing(child), child))
        walk(child, depth + 1, out, show)
    return out


def find_app(name, timeout=STEP_TIMEOUT):
    desktop = pyatspi.Registry.getDesktop(0)
    end = time.time() + timeout
    while time.time() < end:
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name and app.childCount > 0:
                return app
        time.sleep(0.2)
    return None


def launch(command):
    """A window of the program with the accessibility bridge on. As root it runs
    without the right to set the clock and with no system bus to reach."""
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               TZ="Europe/Tallinn", LC_ALL="C.UTF-8",
               DBUS_SYSTEM_BUS_ADDRESS="unix:path=/nonexistent/tundrik-no-system-bus")
    command = without_clock_right(command)
    print("$ " + " ".join(command), flush=True)
    import tempfile
    err = tempfile.TemporaryFile()
    proc = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=err,
                            preexec_fn=end_with_parent)
    proc.err_file = err
    return proc


def finish(proc):
    end_process(proc)
    proc.err_file.seek(0)
    err = proc.err_file.read().decode(errors="replace")
    proc.err_file.close()
    # A sanitizer's report means a fault in the program, whatever the checks say.
    check("Sanitizer" not in err, "no sanitizer report from the program")
    if "Sanitizer" in err:
        print(err)


def run(command, app_name, mode_checks):
    proc = launch(command)
    try:
        app = find_app(app_name)
        check(app is not None, "the application %r is in the AT-SPI tree" % app_name)
        if app is None:
            return
        time.sleep(1.0)  # let every window map
        nodes = walk(app)
        for depth, role, name, shown, _ in nodes:
            print("    " + "  " * depth + "[%s] %r%s" % (role, name, "" if shown else "  (hidden)"))
        try:
            mode_checks(nodes)
        except Exception as e:  # a broken answer of the tree is a failure, not a crash
            check(False, "reading the tree: %r" % e)
    finally:
        finish(proc)


def shown_names(nodes):
    return [(role, name) for _, role, name, shown, _ in nodes if shown]


def has(nodes, name, role=None):
    return any(n == name and (role is None or r == role) for r, n in shown_names(nodes))


def children_shown(node):
    names = []
    for i in range(node.childCount):
        c = node.getChildAtIndex(i)
        if c is not None and showing(c):
            names.append((c.getRoleName(), spaced(c.name)))
    return names


def main_checks(nodes):
    for name in ["Unixi aeg, 946 684 800", "Kell, 02:00:00", "Kuupäev, Laupäev, 01. jaanuar",
                 "Astronoomiline Juliuse päev, 2 451 544, 50000",
                 "Tavakasutuses olev Juliuse päev, 2 451 545, 08333",
                 "Aasta lõpuni päevi, 365", "Aasta lõpuni sekundeid, 0"]:
        check(has(nodes, name, "label"), "label %r" % name)
    check(any(n.startswith("Interneti aeg, @ ") for _, n in shown_names(nodes)),
          "a label starting 'Interneti aeg, @ '")
    check(has(nodes, "Sule programm", "push button"), "push button 'Sule programm'")
    check(not has(nodes, "UNIX 'i aeg:"), "the caption \"UNIX 'i aeg:\" is left out")
    check(not has(nodes, "d"), "the unit letters are left out")


def program_checks(nodes):
    names = [n for _, n in shown_names(nodes)]
    for prefix in ["Unixi aeg, ", "Kell, ", "Astronoomiline Juliuse päev, ", "Nädal, "]:
        check(any(n.startswith(prefix) for n in names), "a label starting %r" % prefix)
    check(has(nodes, "Sule programm", "push button"), "push button 'Sule programm'")
    # What Qt itself tells a screen reader is Estonian too.
    button = next((node for _, r, n, s, node in nodes if n == "Sule programm" and s), None)
    if button is not None:
        check(button.getLocalizedRoleName() == "nupp",
              "the button's role is told as 'nupp': %r" % button.getLocalizedRoleName())
        action = button.queryAction()
        said = [(action.getName(i), action.getDescription(i)) for i in range(action.nActions)]
        check(any(d == "Teeb toimingu" for _, d in said),
              "the button's action is described in Estonian: %r" % said)
    label = next((node for _, r, n, s, node in nodes if n.startswith("Kell, ") and s), None)
    if label is not None:
        check(label.getLocalizedRoleName() == "silt",
              "a label's role is told as 'silt': %r" % label.getLocalizedRoleName())


def calendar_checks(nodes):
    for name in ["Kell, 14:25:07", "Näidatav kuu, Jaanuar  2004", "3. rea nädal, 3, tänane nädal",
                 "Esmaspäev", "Pühapäev"]:
        check(has(nodes, name, "label"), "label %r" % name)
    for name in ["Sule kalender", "Järgmine aasta", "Järgmine kuu", "Tänane kuu", "Eelmine kuu",
                 "Eelmine aasta", "Jaanuari pühad", "Olgu"]:
        check(has(nodes, name, "push button"), "push button %r" % name)
    # The day grid: a table of six weeks, each cell named by its whole date.
    table = next((node for _, r, n, s, node in nodes if r == "table" and n == "Kuu päevad" and s), None)
    check(table is not None, "table 'Kuu päevad'")
    if table is not None:
        cells = [table.getChildAtIndex(i) for i in range(table.childCount)]
        names = [spaced(c.name) for c in cells if c is not None]
        check(len(names) == 42 and all(c.getRoleName() == "table cell" for c in cells),
              "42 day cells: %d" % len(names))
        today = [c for c in cells if spaced(c.name).startswith("Neljapäev, 15. jaanuar 2004, ")]
        check(len(today) == 1 and today[0].getState().contains(pyatspi.STATE_SELECTED),
              "the chosen day is told with its date and as selected: %r" % names[:3])
        check(any(n.startswith("Teisipäev, 30. detsember 2003, ") and n.endswith(", eelmine kuu")
                  for n in names), "a day of December says it belongs to the month before")
        check(any(n.endswith(", järgmine kuu") for n in names),
              "a day of February says it belongs to the month after")
    flags = [n for r, n in shown_names(nodes) if n.startswith("Püha, ") and n.endswith("lipupäev")]
    check(len(flags) == 3, "three holiday rows of June carry the flag: %r" % flags)


def boxes_checks(nodes):
    expected = {
        "Uus kellaaeg": ["Tund", "Minut", "Sekund"],
        "Esimene kuupäev": ["Päev", "Kuu", "Aasta"],
        "Teine kuupäev": ["Päev", "Kuu", "Aasta"],
        "Juliuse päev": ["Juliuse päev, arv"],
    }
    for box, fields in expected.items():
        found = [node for _, r, n, s, node in nodes if n == box and s]
        check(len(found) == 1, "one box named %r" % box)
        if found:
            got = children_shown(found[0])
            check([n for _, n in got] == fields and all(r == "text" for r, _ in got),
                  "the fields of %r in order: %r" % (box, got))


def setup_checks(nodes):
    for name in ["Praegune kellaaeg, 14:25:07", "Tänane kuupäev, 07.12.2026",
                 "Tööala suurus, 1024 x 738"]:
        check(has(nodes, name, "label"), "label %r" % name)
    check(has(nodes, "Tundriku ikoon", "image"), "image 'Tundriku ikoon'")
    for name in ["Sea kellaaeg", "Sea kuupäev", "Loobu", "Olgu"]:
        check(has(nodes, name, "push button"), "push button %r" % name)
    for box, fields in {"Uus kellaaeg": ["Tund", "Minut", "Sekund"],
                        "Uus kuupäev": ["Päev", "Kuu", "Aasta"]}.items():
        found = [node for _, r, n, s, node in nodes if n == box and s]
        got = children_shown(found[0]) if found else []
        check([n for _, n in got] == fields, "the fields of %r in order: %r" % (box, got))


def dialogs_checks(nodes):
    for name in ["Lubatud kuupäevad, {03.01.100 - 31.12.2299}",
                 "Lubatud Juliuse päevad, {1 757 600 - 2 561 100}", "Lubatud aastad, (100 - 2299)",
                 "Lubatud aastate arv, < 220", "Lubatud päevade arv, < 80 000", "Vastus"]:
        check(has(nodes, name, "label"), "label %r" % name)
    for name in ["Lõpeta", "Arvuta", "Kontrolli"]:
        check(has(nodes, name, "push button"), "push button %r" % name)
    for name in ["Juuliuse kalender", "Esimene kuupäev: juuliuse kalender",
                 "Teine kuupäev: juuliuse kalender", "Vastuses aastat", "Liida"]:
        check(has(nodes, name, "check box"), "check box %r" % name)
    for box, fields in {"Esimene kuupäev": ["Päev", "Kuu", "Aasta"],
                        "Teine kuupäev": ["Päev", "Kuu", "Aasta"],
                        "Juliuse päev": ["Juliuse päev, arv"], "Aastate arv": ["Aastate arv"],
                        "Päevade arv": ["Päevade arv"]}.items():
        found = [node for _, r, n, s, node in nodes if n == box and r == "panel" and s]
        got = children_shown(found[0]) if found else []
        check([n for _, n in got] == fields, "the fields of %r in order: %r" % (box, got))
    unnamed = [r for _, r, n, s, _ in nodes
               if s and not n and r in ("push button", "check box", "label", "text", "panel")]
    check(not unnamed, "no shown control without a name: %r" % unnamed)


def press_escape():
    """Esc pressed and released through the registry's device controller (XTest)."""
    pyatspi.Registry.generateKeyboardEvent(0xff1b, None, pyatspi.KEY_SYM)


def main_window_with_keyboard(app_name):
    """The program's application node once its main window has the keyboard:
    a click on a readout gives it, as a user does. None when that fails."""
    app = find_app(app_name)
    check(app is not None, "the application %r is in the AT-SPI tree" % app_name)
    if app is None:
        return None
    time.sleep(1.0)
    clock = next((node for _, role, name, shown, node in walk(app)
                  if role == "label" and name.startswith("Kell, ") and shown), None)
    check(clock is not None, "the clock readout is shown")
    if clock is None:
        return None
    box = clock.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + box.height // 2,
                                        pyatspi.MOUSE_B1C)
    time.sleep(0.5)
    return app


def escape_closes(command, app_name):
    """The program's main window closes with one Esc, pressed as on a keyboard
    (XTest through the registry)."""
    proc = launch(command)
    try:
        app = main_window_with_keyboard(app_name)
        if app is None:
            return
        presses = 0
        while proc.poll() is None and presses < 3:
            press_escape()
            presses += 1
            try:
                proc.wait(3)
            except subprocess.TimeoutExpired:
                pass
        check(proc.poll() is not None and presses == 1,
              "one Esc closes %s (it took %d press(es)%s)"
              % (app_name, presses, "" if proc.poll() is not None else " and it is still open"))
    finally:
        finish(proc)


def answer_told(command, app_name):
    """A new answer reaches a screen reader: opened with Ctrl+L and typed on
    the keyboard (XTest through the registry), the leap-year check puts its
    answer in the description of the focused button."""
    proc = launch(command)
    try:
        app = main_window_with_keyboard(app_name)
        if app is None:
            return
        control_l = 37  # the keycode of Control_L in the X server's default map
        pyatspi.Registry.generateKeyboardEvent(control_l, None, pyatspi.KEY_PRESS)
        pyatspi.Registry.generateKeyboardEvent(ord("l"), None, pyatspi.KEY_SYM)
        pyatspi.Registry.generateKeyboardEvent(control_l, None, pyatspi.KEY_RELEASE)
        end = time.time() + STEP_TIMEOUT
        while time.time() < end and not any(
                r == "push button" and n == "Kontrolli" and s for _, r, n, s, _ in walk(app)):
            time.sleep(0.2)
        time.sleep(0.5)
        for digit in "2000":
            pyatspi.Registry.generateKeyboardEvent(ord(digit), None, pyatspi.KEY_SYM)
            time.sleep(0.1)
        pyatspi.Registry.generateKeyboardEvent(0xff0d, None, pyatspi.KEY_SYM)  # Return
        end = time.time() + STEP_TIMEOUT
        while True:
            nodes = walk(app)
            told = [(n, node.description) for _, r, n, s, node in nodes
                    if r == "push button" and s and (node.description or "").startswith("Vastus: ")]
            if told or time.time() > end:
                break
            time.sleep(0.2)
        time.sleep(0.3)
        nodes = walk(app)
        check(len(told) == 1 and told[0][1] == "Vastus: Jah, on liigaasta",
              "the answer is the description of a shown button: %r" % told)
        focused = [n for _, r, n, s, node in nodes
                   if s and node.getState().contains(pyatspi.STATE_FOCUSED)]
        check(bool(told) and focused == [told[0][0]],
              "the button that tells it has the focus: %r" % focused)
    finally:
        finish(proc)


def main(argv):
    host = argv[1] if len(argv) > 1 else "build/tests/accessibility/a11y_host"
    program = argv[2] if len(argv) > 2 else None
    name = os.path.basename(host)
    # Start the accessibility bus and registry before any program looks for them.
    pyatspi.Registry.getDesktop(0)
    time.sleep(1.0)
    run([host, "main"], name, main_checks)
    run([host, "calendar"], name, calendar_checks)
    run([host, "boxes"], name, boxes_checks)
    run([host, "setup"], name, setup_checks)
    run([host, "dialogs"], name, dialogs_checks)
    if program:
        run([program], os.path.basename(program), program_checks)
        escape_closes([program], os.path.basename(program))
        answer_told([program], os.path.basename(program))
        # Again while a screen reader listens, so every key goes through the registry.
        start_screen_reader()
        escape_closes([program], os.path.basename(program))
    print("%d failure(s)" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    try:
        status = main(sys.argv)
    finally:
        stop_children()
    sys.exit(status)
