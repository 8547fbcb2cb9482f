#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The holidays' iCalendar files read by an independent parser (python3-icalendar)
and compared with the holidays listing of every month of the years.

    check_icalendar.py HOLIDAYS_ICS_FILES [FIRST LAST] [--program TUNDRIK]

The program writes one file per year, one for the whole range and the
listing of each year; this script checks the octets of each file (CRLF line
ends, lines of at most 75 octets, no fold inside a UTF-8 character), parses
it, and finds for every name of every listed day one all-day event with that
name on that day, and no other event.

With --program the command line of the built program is read the same way:
"tundrik pühad YEAR --ics" must give the events of the year's file (its
time stamp aside), "tundrik pühad MONTH YEAR --ics" those of the month, and
"tundrik pühad YEAR --iso" the listing's rows with their marks in words.
"""
import datetime
import os
import subprocess
import sys
import tempfile

import icalendar

CATEGORIES = {"riigipüha", "tähtpäev", "lipupäev", "leinalipp", "rahvakalender", "muu"}


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def check_octets(path, raw):
    if not raw.endswith(b"\r\n"):
        fail(f"{path}: does not end with CRLF")
    lines = raw[:-2].split(b"\r\n")
    for number, line in enumerate(lines, 1):
        if b"\n" in line or b"\r" in line:
            fail(f"{path}:{number}: a bare line break")
        if len(line) > 75:
            fail(f"{path}:{number}: {len(line)} octets")
        try:
            line.decode("utf-8")
        except UnicodeDecodeError:
            fail(f"{path}:{number}: a fold inside a UTF-8 character")
        if not line:
            fail(f"{path}:{number}: an empty line")


def listing_names(text):
    """The names of a listed day: its text split at the semicolons."""
    return [part.strip() for part in text.split(";") if part.strip()]


def same_name(listed, summary):
    # The listing writes a name inside a row with a small first letter.
    return listed[:1].upper() + listed[1:] == summary


def read_events(path):
    with open(path, "rb") as f:
        raw = f.read()
    check_octets(path, raw)
    calendar = icalendar.Calendar.from_ical(raw)
    if str(calendar.get("VERSION")) != "2.0" or not calendar.get("PRODID"):
        fail(f"{path}: no VERSION 2.0 or no PRODID")
    events = []
    uids = set()
    for event in calendar.walk("VEVENT"):
        start = event.get("DTSTART")
        if start is None or start.params.get("VALUE") != "DATE":
            fail(f"{path}: an event without DTSTART;VALUE=DATE")
        day = start.dt
        if isinstance(day, datetime.datetime) or not isinstance(day, datetime.date):
            fail(f"{path}: {day!r} is not a date")
        end = event.get("DTEND")
        if end is not None and end.dt != day + datetime.timedelta(days=1):
            fail(f"{path}: {day}: does not last one day")
        stamp = event.get("DTSTAMP")
        if stamp is None or not isinstance(stamp.dt, datetime.datetime) or stamp.dt.utcoffset() != datetime.timedelta(0):
            fail(f"{path}: {day}: no DTSTAMP in UTC")
        uid = str(event.get("UID", ""))
        if not uid or uid in uids:
            fail(f"{path}: {day}: UID missing or repeated: {uid}")
        uids.add(uid)
        summary = str(event.get("SUMMARY", ""))
        categories = event.get("CATEGORIES")
        cats = []
        if categories is not None:
            for c in (categories if isinstance(categories, list) else [categories]):
                cats += [str(x) for x in c.cats]
        if not cats or not set(cats) <= CATEGORIES:
            fail(f"{path}: {day} {summary}: categories {cats}")
        description = str(event.get("DESCRIPTION", ""))
        events.append((day, summary, tuple(cats), description, uid))
    return events


def read_listing(path):
    days = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            date, text, marks = line.rstrip("\n").split("\t")
            days.append((datetime.date.fromisoformat(date), text, marks))
    return days


def compare(year, events, listing):
    by_day = {}
    for e in events:
        by_day.setdefault(e[0], []).append(e)
    listed_days = set()
    for day, text, marks in listing:
        listed_days.add(day)
        names = listing_names(text)
        got = by_day.get(day, [])
        summaries = [e[1] for e in got]
        if len(summaries) != len(names) or not all(same_name(n, s) for n, s in zip(names, summaries)):
            fail(f"{day}: listing {names}, calendar {summaries}")
        cats = set(c for e in got for c in e[2])
        if ("F" in marks) != ("lipupäev" in cats):
            fail(f"{day}: marks {marks!r}, categories {sorted(cats)}")
        if ("M" in marks) != ("leinalipp" in cats):
            fail(f"{day}: marks {marks!r}, categories {sorted(cats)}")
        # A public holiday is a red day; a red day off a Sunday is a public holiday.
        if "riigipüha" in cats and "R" not in marks:
            fail(f"{day}: a public holiday not red")
        if "R" in marks and day.isoweekday() != 7 and "riigipüha" not in cats:
            fail(f"{day}: red on a weekday without a public holiday")
    for day in by_day:
        if day.year != year or day not in listed_days:
            fail(f"{day}: an event of a day the listing does not name")
    months = {d.month for d, _, _ in listing}
    if months != set(range(1, 13)):
        fail(f"{year}: months without a listed day: {sorted(set(range(1, 13)) - months)}")


def run_program(tundrik, arguments):
    """The built program's standard output, run without a display."""
    env = dict(os.environ)
    for name in ("DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY"):
        env.pop(name, None)
    env.update(QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8", LANG="C.UTF-8")
    p = subprocess.run([tundrik] + arguments, capture_output=True, env=env, timeout=60)
    if p.returncode != 0 or p.stderr:
        fail(f"tundrik {' '.join(arguments)}: status {p.returncode}: {p.stderr.decode()}")
    return p.stdout


MARKS = {"punane päev": "R", "lipupäev": "F", "leinalipp": "FM"}


def listing_of_command_line(text):
    """The dated rows of "tundrik pühad YEAR --iso" as the listing file has
    them: a row without a day text goes on its row's name."""
    days = []
    for line in text.split("\n"):
        if "\t" not in line:
            continue  # a month's title
        day, name, marks = line.split("\t")
        if not day:
            date, text, letters = days[-1]
            days[-1] = (date, text + " " + name, letters)
            continue
        letters = "".join(MARKS[m] for m in marks.split(", ") if m)
        days.append((datetime.date.fromisoformat(day.split(" / ")[0]), name, letters))
    return days


def check_command_line(tundrik, folder, year):
    path = os.path.join(folder, f"tundrik-{year}.ics")
    with open(path, "wb") as f:
        f.write(run_program(tundrik, ["pühad", str(year), "--ics"]))
    events = read_events(path)
    listing = read_listing(os.path.join(folder, f"listing-{year}.tsv"))
    compare(year, events, listing)
    written = read_events(os.path.join(folder, f"pühad-{year}.ics"))
    if events != written:
        fail(f"tundrik pühad {year} --ics: not the events of the holidays window's file")
    for month in (2, 6, 12):
        path = os.path.join(folder, f"tundrik-{year}-{month}.ics")
        with open(path, "wb") as f:
            f.write(run_program(tundrik, ["pühad", str(month), str(year), "--ics"]))
        if read_events(path) != [e for e in written if e[0].month == month]:
            fail(f"tundrik pühad {month} {year} --ics: not the month's events")
    rows = listing_of_command_line(run_program(tundrik, ["pühad", str(year), "--iso"]).decode())
    if rows != listing:
        fail(f"tundrik pühad {year} --iso: {rows[:3]}..., the listing {listing[:3]}...")
    return len(events)


def main():
    arguments = sys.argv[1:]
    tundrik = None
    if "--program" in arguments:
        at = arguments.index("--program")
        tundrik = arguments[at + 1]
        del arguments[at:at + 2]
    program = arguments[0]
    first, last = (int(arguments[1]), int(arguments[2])) if len(arguments) == 3 else (1998, 2030)
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([program, folder, str(first), str(last)], check=True)
        all_uids = {}
        count = 0
        for year in range(first, last + 1):
            events = read_events(os.path.join(folder, f"pühad-{year}.ics"))
            compare(year, events, read_listing(os.path.join(folder, f"listing-{year}.tsv")))
            for e in events:
                all_uids[e[4]] = e[:4]
            count += len(events)
        # The range is the years one after another, with the same UIDs: a
        # calendar that has imported a year updates its events.
        whole = read_events(os.path.join(folder, f"pühad-{first}-{last}.ics"))
        if len(whole) != count or any(all_uids.get(e[4]) != e[:4] for e in whole):
            fail(f"the file of {first}-{last} is not the files of its years")
        # Sources, where a name has them, read back as written.
        good_friday = [e for e in whole if e[1] == "Suur reede"]
        if not good_friday or any(e[3] != "RT I 1998, 13, 162" for e in good_friday):
            fail("Good Friday's source")
        print(f"{count} events of {last - first + 1} years agree with the listing")
        if tundrik:
            events = sum(check_command_line(tundrik, folder, year) for year in range(first, last + 1))
            print(f"tundrik pühad --ics: {events} events of {last - first + 1} years agree with the listing")


if __name__ == "__main__":
    main()
