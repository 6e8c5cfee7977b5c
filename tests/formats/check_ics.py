#!/usr/bin/python3
"""The iCalendar export as a calendar program reads it: RFC 5545 lines, then the events through
python3-icalendar, a parser that owes nothing to ours."""

import datetime
import os
import subprocess
import sys

from icalendar import Calendar

REPORT, DATA = sys.argv[1], sys.argv[2]
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def export(*args):
    env = dict(os.environ, SOURCE_DATE_EPOCH="1767225600")
    run = subprocess.run([REPORT, "--data", DATA, "--format", "ics", *args],
                         capture_output=True, env=env, check=True)
    return run.stdout


def lines_are_sound(raw, name):
    check(raw.endswith(b"\r\n"), f"{name}: the last line has no CRLF")
    for number, line in enumerate(raw.split(b"\r\n")[:-1], 1):
        check(b"\n" not in line and b"\r" not in line, f"{name}:{number}: a bare line end")
        check(len(line) <= 75, f"{name}:{number}: {len(line)} octets")
        try:
            line.decode("utf-8")
        except UnicodeDecodeError:
            failures.append(f"{name}:{number}: a character split by the folding")


def events(raw):
    calendar = Calendar.from_ical(raw)
    check(str(calendar["VERSION"]) == "2.0", "VERSION")
    check("PRODID" in calendar, "PRODID")
    found = []
    for event in calendar.walk("VEVENT"):
        start, end = event["DTSTART"].dt, event["DTEND"].dt
        check(type(start) is datetime.date, f"{event['UID']}: not an all-day event")
        check(end > start, f"{event['UID']}: DTEND is not after DTSTART")
        check("DTSTAMP" in event, f"{event['UID']}: no DTSTAMP")
        found.append(event)
    uids = [str(e["UID"]) for e in found]
    check(len(uids) == len(set(uids)), "the UIDs repeat")
    return found


def day(event):
    return event["DTSTART"].dt


# The great feasts of 2026 in the new style.
raw = export("--view", "feasts", "--date", "2026-1-1")
lines_are_sound(raw, "feasts")
feasts = {day(e): str(e["SUMMARY"]) for e in events(raw)}
check(len(feasts) == 18, f"{len(feasts)} feasts")
check("ПАСХА" in feasts.get(datetime.date(2026, 4, 12), ""), "Pascha on 12 April 2026")
check(feasts.get(datetime.date(2026, 1, 7), "").startswith("РОЖДЕСТВО ГОСПОДА"),
      "the Nativity on 7 January 2026")
check("ТРОИЦЫ" in feasts.get(datetime.date(2026, 5, 31), ""), "Pentecost on 31 May 2026")
check(export("--view", "feasts", "--date", "2026-1-1") == raw, "a second export differs")

# Every day of the year and the fasts.
raw = export("--view", "year", "--date", "2026-1-1", "--events", "days,fasts")
lines_are_sound(raw, "year")
found = events(raw)
days = [e for e in found if str(e["UID"]).startswith("day-")]
check(sorted(day(e) for e in days) ==
      [datetime.date(2026, 1, 1) + datetime.timedelta(n) for n in range(365)],
      "the days of 2026 once each")
check(all("По старому стилю" in str(e["DESCRIPTION"]) for e in days), "the church date")
fasts = {(day(e), e["DTEND"].dt): str(e["SUMMARY"]) for e in found
         if str(e["UID"]).startswith(("fast-", "strict-"))}
check(fasts.get((datetime.date(2026, 2, 23), datetime.date(2026, 4, 12))) == "Великий пост",
      "Great Lent from 23 February to Great Saturday")
check(fasts.get((datetime.date(2025, 11, 28), datetime.date(2026, 1, 7))) ==
      "Рождественский (Филиппов) пост", "the Nativity fast whole, to its eve")
check(fasts.get((datetime.date(2026, 9, 11), datetime.date(2026, 9, 12))) == "Строгий пост",
      "the Beheading a strict day")

# A month of the old style: the events fall on the civil dates of its Julian days.
raw = export("--view", "month", "--style", "2", "--date", "2026-1-1")
month = events(raw)
check(sorted(day(e) for e in month)[0] == datetime.date(2026, 1, 14), "1 January O.S. 2026")
check(len(month) == 31, f"{len(month)} days in January O.S.")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
