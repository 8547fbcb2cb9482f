#!/usr/bin/python3
"""Reads the windows of Tundrik through the AT-SPI tree, as a screen reader
does, prints the tree and checks the names of readouts, buttons and fields.

Run it on a display with its own session bus, for example:
    Xvfb :66 -screen 0 1280x1024x24 &
    DISPLAY=:66 dbus-run-session -- /usr/bin/python3 tests/accessibility/atspi_check.py \
        build/tests/accessibility/a11y_host build/program/tundrik
Needs python3-pyatspi and at-spi2-core. Exit status 0 when every check holds.
"""
import os
import subprocess
import sys
import time

import pyatspi

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


def find_app(name, timeout=30.0):
    desktop = pyatspi.Registry.getDesktop(0)
    end = time.time() + timeout
    while time.time() < end:
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name and app.childCount > 0:
                return app
        time.sleep(0.2)
    return None


def run(command, app_name, mode_checks):
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               TZ="Europe/Tallinn", LC_ALL="C.UTF-8")
    print("$ " + " ".join(command))
    proc = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    try:
        app = find_app(app_name)
        check(app is not None, "the application %r is in the AT-SPI tree" % app_name)
        if app is None:
            return
        time.sleep(1.0)  # let every window map
        nodes = walk(app)
        for depth, role, name, shown, _ in nodes:
            print("    " + "  " * depth + "[%s] %r%s" % (role, name, "" if shown else "  (hidden)"))
        mode_checks(nodes)
    finally:
        proc.terminate()
        try:
            proc.wait(5)
        except subprocess.TimeoutExpired:
            proc.kill()


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


def calendar_checks(nodes):
    for name in ["Kell, 14:25:07", "Näidatav kuu, Jaanuar  2004", "3. rea nädal, 3, tänane nädal",
                 "Esmaspäev", "Pühapäev"]:
        check(has(nodes, name, "label"), "label %r" % name)
    for name in ["Sule kalender", "Järgmine aasta", "Järgmine kuu", "Tänane kuu", "Eelmine kuu",
                 "Eelmine aasta", "Jaanuari pühad", "Olgu"]:
        check(has(nodes, name, "push button"), "push button %r" % name)
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
    for name in ["Sule aken", "Arvuta", "Kontrolli"]:
        check(has(nodes, name, "push button"), "push button %r" % name)
    for name in ["Juuliuse kalender", "Esimene kuupäev juuliuse kalendri järgi",
                 "Teine kuupäev juuliuse kalendri järgi", "Vastuses aastad", "Liida"]:
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
    print("%d failure(s)" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
