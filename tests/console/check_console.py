#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The subcommands of the built program against answers worked out here,
with Python's own calendar arithmetic (date.toordinal and a Julian-calendar
day count of its own), not with the program's code.

    check_console.py TUNDRIK

Each subcommand answers every day of 1582-1583 and 1999-2001 (and the day
numbers at the ends of the range) in one run, its questions on standard
input; the program runs with no display and X11 as Qt's platform, so that
starting a window system would end it.
"""
import calendar
import datetime
import os
import subprocess
import sys

NBSP = "\u00a0"
WEEKDAYS = ["Pühapäev", "Esmaspäev", "Teisipäev", "Kolmapäev", "Neljapäev", "Reede", "Laupäev"]
REFORM = 2299161  # 15.10.1582
GREGORIAN_EPOCH = 1721425  # date.toordinal() + this = the day number


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def environment():
    env = dict(os.environ)
    for name in ("DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY"):
        env.pop(name, None)
    env.update(QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8", LANG="C.UTF-8", TZ="Europe/Tallinn")
    return env


def run(program, arguments, questions, status=0):
    """The answer lines to the questions, one per question."""
    text = "".join(q + "\n" for q in questions)
    p = subprocess.run([program] + arguments, input=text.encode(), capture_output=True,
                       env=environment(), timeout=300)
    if p.returncode != status:
        fail(f"{arguments}: status {p.returncode}, expected {status}: {p.stderr.decode()[:500]}")
    if status == 0 and p.stderr:
        fail(f"{arguments}: {p.stderr.decode()[:500]}")
    lines = p.stdout.decode().split("\n")
    if lines[-1] != "" or len(lines) - 1 != len(questions):
        fail(f"{arguments}: {len(lines) - 1} lines for {len(questions)} questions")
    return lines[:-1], p.stderr.decode()


def compare(program, arguments, questions, expected):
    answers, _ = run(program, arguments, questions)
    for q, a, e in zip(questions, answers, expected):
        if a != e:
            fail(f"tundrik {' '.join(arguments)} {q}: {a!r}, expected {e!r}")
    print(f"tundrik {' '.join(arguments)}: {len(questions)} answers")


# ---- calendars --------------------------------------------------------------

def gregorian_jdn(y, m, d):
    return datetime.date(y, m, d).toordinal() + GREGORIAN_EPOCH


def julian_jdn(y, m, d):
    # Days of the Julian calendar counted from 1 March 4801 BC.
    a = (14 - m) // 12
    yy = y + 4800 - a
    mm = m + 12 * a - 3
    return d + (153 * mm + 2) // 5 + 365 * yy + yy // 4 - 32083


def julian_date(jdn):
    c = jdn + 32082
    d = (4 * c + 3) // 1461
    e = c - 1461 * d // 4
    m = (5 * e + 2) // 153
    return d - 4800 + m // 10, m + 3 - 12 * (m // 10), e - (153 * m + 2) // 5 + 1


def gregorian_date(jdn):
    g = datetime.date.fromordinal(jdn - GREGORIAN_EPOCH)
    return g.year, g.month, g.day


def grouped(n):
    return f"{n:,}".replace(",", NBSP)


def date_text(ymd):
    y, m, d = ymd
    return f"{d:02}.{m:02}.{y}. a."


def written(y, m, d):
    return f"{d:02}.{m:02}.{y}"


def days(first, last):
    day = datetime.date(first, 1, 1)
    while day.year <= last:
        yield day.year, day.month, day.day
        day += datetime.timedelta(days=1)


def sweep():
    return list(days(1582, 1583)) + list(days(1999, 2001))


def before_reform(y, m, d):
    return (y, m, d) < (1582, 10, 15)


def normalised(y, m, d):
    """The normalising date rule: the month carried into the year, the day
    counted on from the 1st."""
    y += (m - 1) // 12
    m = (m - 1) % 12 + 1
    return datetime.date(y, m, 1) + datetime.timedelta(days=d - 1)


# ---- the subcommands ------------------------------------------------------------

def check_day_numbers(program):
    questions, jp, weekday, other_questions, other_jp = [], [], [], [], []
    for y, m, d in sweep():
        before = before_reform(y, m, d)
        n = julian_jdn(y, m, d) if before else gregorian_jdn(y, m, d)
        questions.append(written(y, m, d))
        jp.append(grouped(n) + ". Juliuse päev")
        weekday.append(WEEKDAYS[(n + 1) % 7])
        other = gregorian_jdn(y, m, d) if before else julian_jdn(y, m, d)
        other_questions.append(written(y, m, d) + (" --gregooriuse" if before else " --juliuse"))
        other_jp.append(grouped(other) + ". Juliuse päev")
    compare(program, ["jp"], questions, jp)
    compare(program, ["nädalapäev"], questions, weekday)
    compare(program, ["jp"], other_questions, other_jp)
    compare(program, ["jp", "--iso"], questions, [t.replace(NBSP, "") for t in jp])


def check_dates(program):
    numbers = [gregorian_jdn(y, m, d) for y, m, d in sweep()]
    numbers += [1757600, 1757601, 2561099, 2561100]
    questions = [str(n) for n in numbers]
    dates, other_questions, other_dates, iso = [], [], [], []
    for n in numbers:
        before = n < REFORM
        ymd = julian_date(n) if before else gregorian_date(n)
        dates.append(date_text(ymd))
        iso.append(f"{ymd[0]:04}-{ymd[1]:02}-{ymd[2]:02}")
        other_questions.append(str(n) + (" --gregooriuse" if before else " --juliuse"))
        other_dates.append(date_text(gregorian_date(n) if before else julian_date(n)))
    compare(program, ["kuupäev"], questions, dates)
    compare(program, ["kuupäev"], other_questions, other_dates)
    compare(program, ["kuupäev", "--iso"], questions, iso)
    compare(program, ["kuupäev"], [grouped(n) for n in numbers], dates)

    # Beyond the ends: an empty line in its place, a message naming the range.
    answers, errors = run(program, ["kuupäev"], ["1757599", "1757600", "2561101", "2561100"], status=1)
    if answers != ["", "18.01.100. a.", "", "14.12.2299. a."]:
        fail(f"kuupäev beyond the range: {answers}")
    for line in ("rida 1: „1757599“", "rida 3: „2561101“"):
        if line not in errors or errors.count("lubatud on 1 757 600 - 2 561 100") != 2:
            fail(f"kuupäev beyond the range: {errors!r}")
    print("tundrik kuupäev: the ends of the range")


def day_count(n):
    word = " päev" if n == 1 else " päeva"
    return ("- " + grouped(-n) if n < 0 else grouped(n)) + word


def check_intervals(program):
    for first, last, partner in ((1582, 1583, (1582, 10, 15)), (1999, 2001, (2000, 1, 1))):
        questions, counts = [], []
        for x in days(first, last):
            for a, b in ((x, partner), (partner, x)):
                na = julian_jdn(*a) if before_reform(*a) else gregorian_jdn(*a)
                nb = julian_jdn(*b) if before_reform(*b) else gregorian_jdn(*b)
                questions.append(written(*a) + " " + written(*b))
                counts.append(day_count(nb - na))
        compare(program, ["vahe"], questions, counts)

    # Years, months and days from 24.02.1918: the counts are the largest
    # whose date, by the normalising rule, is not after the second date, and
    # the days lead from there to it.
    start = datetime.date(1918, 2, 24)
    questions = [written(start.year, start.month, start.day) + " " + written(*x) for x in days(1999, 2001)]
    answers, _ = run(program, ["vahe", "--aastad", "--kuud"], questions)
    for x, answer in zip(days(1999, 2001), answers):
        second = datetime.date(*x)
        years = months = count = 0
        for part in answer.replace(" ja ", ", ").split(", "):
            number, word = part.split(" ")
            if word.startswith("aasta"):
                years = int(number)
            elif word.startswith("kuu"):
                months = int(number)
            else:
                count = int(number)
        mid = normalised(start.year + years, start.month + months, start.day)
        if mid + datetime.timedelta(days=count) != second or count < 0:
            fail(f"vahe 24.02.1918 {written(*x)}: {answer!r} does not lead to it")
        if normalised(start.year + years + 1, start.month, start.day) <= second:
            fail(f"vahe 24.02.1918 {written(*x)}: {answer!r} counts a year too few")
        if normalised(start.year + years, start.month + months + 1, start.day) <= second:
            fail(f"vahe 24.02.1918 {written(*x)}: {answer!r} counts a month too few")
    print(f"tundrik vahe --aastad --kuud: {len(questions)} answers")


def check_shifts(program):
    shifts = ((1, 2, 3), (0, 0, 1000), (0, 13, 0), (0, 0, 1), (0, 0, 79999))
    for name, sign in (("liida", 1), ("lahuta", -1)):
        questions, dates = [], []
        for y, m, d in sweep():
            for years, months, count in shifts:
                questions.append(f"{written(y, m, d)} {years} {months} {count}")
                if count <= 999:
                    r = normalised(y + sign * years, m + sign * months, d + sign * count)
                else:
                    r = datetime.date(y, m, d) + sign * datetime.timedelta(days=count)
                dates.append(date_text((r.year, r.month, r.day)))
        compare(program, [name], questions, dates)


def check_leap_years(program):
    years = range(100, 2300)
    compare(program, ["liigaasta"], [str(y) for y in years],
            ["Jah, on liigaasta" if calendar.isleap(y) else "Ei ole liigaasta" for y in years])


def check_month_sheets(program):
    """The default settings are those of ISO 8601: weeks from Monday, the
    first week the one with four days of the year."""
    cal = calendar.Calendar(firstweekday=0)
    for year in (1999, 2000, 2001, 2002, 2003, 2004):
        p = subprocess.run([program, "kalender", str(year)], capture_output=True, env=environment(),
                           timeout=60)
        if p.returncode != 0:
            fail(f"kalender {year}: status {p.returncode}")
        sheets = p.stdout.decode().rstrip("\n").split("\n\n")
        if len(sheets) != 12:
            fail(f"kalender {year}: {len(sheets)} months")
        for month, sheet in enumerate(sheets, 1):
            lines = sheet.split("\n")
            weeks = cal.monthdatescalendar(year, month)
            # A month that starts on Monday shows the week before it first.
            if weeks[0][0].day == 1:
                weeks.insert(0, [d - datetime.timedelta(days=7) for d in weeks[0]])
            while len(weeks) < 6:
                weeks.append([d + datetime.timedelta(days=7) for d in weeks[-1]])
            for row, week in zip(lines[2:], weeks):
                row = row.ljust(34)
                label = row[:6].strip()
                shown = [row[6 + 4 * c:10 + 4 * c].strip() for c in range(7)]
                wanted = [str(d.day) if d.month == month else "" for d in week]
                if shown != wanted:
                    fail(f"kalender {month} {year}: row {row!r}, expected days {wanted}")
                iso_weeks = {d.isocalendar()[1] for d in week}
                in_month = any(d.month == month for d in week)
                number = week[0].isocalendar()[1]
                if len(iso_weeks) == 1 and "/" not in label:
                    expected = str(number) if in_month else f"({number})"
                    if label != expected:
                        fail(f"kalender {month} {year}: week label {label!r}, ISO week {expected}")
    print("tundrik kalender: the months of 1999 to 2004")


def main():
    program = sys.argv[1]
    check_day_numbers(program)
    check_dates(program)
    check_intervals(program)
    check_shifts(program)
    check_leap_years(program)
    check_month_sheets(program)


if __name__ == "__main__":
    main()
