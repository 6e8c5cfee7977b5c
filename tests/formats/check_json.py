#!/usr/bin/python3
"""The JSON report read by a JSON parser and checked against the text of the same view."""

import json
import subprocess
import sys

REPORT, DATA = sys.argv[1], sys.argv[2]
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def report(*args):
    run = subprocess.run([REPORT, "--data", DATA, *args], capture_output=True, check=True)
    return run.stdout.decode("utf-8")


def in_order(text, pieces, name):
    at = 0
    for piece in pieces:
        found = text.find(piece, at)
        check(found >= 0, f"{name}: «{piece}» not where the text view has it")
        if found >= 0:
            at = found + len(piece)


for view, date, style, count in (("day", "2026-12-7", "3", 1), ("week", "2026-4-12", "3", 7),
                                 ("month", "2026-12-1", "2", 31), ("year", "2026-1-1", "3", 365)):
    args = ["--view", view, "--date", date, "--style", style]
    data = json.loads(report(*args, "--format", "json"))
    text = report(*args)
    name = f"{view} {date}"
    check(data["format"] == "veltrin-report" and data["version"] == 1, f"{name}: header")
    check(data["view"] == view and data["style"] == int(style), f"{name}: view and style")
    check(len(data["days"]) == count, f"{name}: {len(data['days'])} days")
    pieces = []
    for d in data["days"]:
        key = ("anno_mundi", "julian", "gregorian")[int(style) - 1]
        shown = d["date"][key]
        pieces.append(" ".join(shown["text"].split()[:2]))
        pieces.append(d["week_line"])
        if d["fasting"]:
            pieces.append(d["fasting"]["text"])
        pieces += [c["text"] for c in d["commemorations"]]
        pieces += d["notes"]
        if d["readings"]:
            pieces.append(d["readings"])
        check(1 <= d["weekday"] <= 7, f"{name}: weekday")
        check(d["tone"] is None or 1 <= d["tone"] <= 8, f"{name}: tone")
        check(d["red"] or d["weekday"] != 7, f"{name}: a Sunday not red")
    in_order(text, pieces, name)

# Pascha 2026: red, the great feast, no fast; Great Friday: no food.
week = json.loads(report("--view", "week", "--date", "2026-4-12", "--format", "json"))
pascha = next(d for d in week["days"] if d["date"]["gregorian"]["day"] == 12)
check(pascha["red"] and pascha["highest_sign"] == "great-feast", "Pascha red, a great feast")
friday = json.loads(report("--date", "2026-4-10", "--format", "json"))["days"][0]
check(friday["fasting"]["food"] == "no-food", "Great Friday")
plain = json.loads(report("--date", "2026-4-10", "--format", "json", "--no-fasting",
                          "--no-readings"))["days"][0]
check(plain["fasting"] is None and plain["readings"] is None, "the switches")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
