#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks (or with --fix adds) the SPDX licence line of every tracked source file.

    python3 scripts/spdx.py [--fix] [SOURCE_DIR]

Without --fix it lists the files that lack the line and exits 1 if any does
(77, "skipped", outside a git checkout).
Files whose format has no place for a comment, or whose licence is stated
elsewhere (images, Markdown, the licence text itself, the Debian metadata
covered by its copyright file), are left alone.
"""

import subprocess
import sys
from pathlib import Path

GPL = "GPL-3.0-or-later"
TAG = "SPDX-License-Identifier:"

# Files that carry a licence other than the project's.
OTHER_LICENCE = {
    "packaging/ee.tundrik.Tundrik.metainfo.xml": "CC0-1.0",
}

HASH = {".txt", ".cmake", ".sh", ".py", ".supp", ".desktop", ".in", ".gitignore", ".bash-completion"}
SLASH = {".cpp", ".h"}
XML = {".ts", ".ui", ".xml"}
SKIPPED_SUFFIXES = {".md", ".png", ".svg", ".description", ".triggers"}
SKIPPED_FILES = {"LICENSE"}
SKIPPED_FOLDERS = ("packaging/debian/",)


def comment_for(path: str):
    """The licence line as the file's own comment, or None to leave it alone."""
    name = Path(path).name
    suffix = Path(path).suffix if Path(path).suffix else name
    if name == ".gitignore":
        suffix = ".gitignore"
    licence = OTHER_LICENCE.get(path, GPL)
    if path in SKIPPED_FILES or path.startswith(SKIPPED_FOLDERS) or suffix in SKIPPED_SUFFIXES:
        return None
    if path == ".ci/run" or suffix in HASH:
        return f"# {TAG} {licence}"
    if suffix in SLASH:
        return f"// {TAG} {licence}"
    if suffix in XML:
        return f"<!-- {TAG} {licence} -->"
    if suffix == ".1":
        return f'.\\" {TAG} {licence}'
    return None


def insert_line(text: str, line: str) -> str:
    """Puts the line first, after a shebang or XML declaration if there is one."""
    lines = text.splitlines(keepends=True)
    at = 0
    if lines and (lines[0].startswith("#!") or lines[0].startswith("<?xml")):
        at = 1
    lines.insert(at, line + "\n")
    return "".join(lines)


def main(argv):
    fix = "--fix" in argv
    args = [a for a in argv if a != "--fix"]
    root = Path(args[0] if args else ".").resolve()
    listing = subprocess.run(["git", "-C", str(root), "ls-files"],
                             capture_output=True, text=True)
    if listing.returncode != 0:
        print("not a git checkout: nothing to check")
        return 77
    files = listing.stdout.split("\n")
    missing = []
    for path in filter(None, files):
        line = comment_for(path)
        if line is None:
            continue
        file = root / path
        if not file.is_file():
            continue
        text = file.read_text(encoding="utf-8")
        head = "".join(text.splitlines(keepends=True)[:3])
        if TAG in head:
            continue
        missing.append(path)
        if fix:
            file.write_text(insert_line(text, line), encoding="utf-8")
    for path in missing:
        print(("added: " if fix else "no licence line: ") + path)
    return 0 if fix or not missing else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
