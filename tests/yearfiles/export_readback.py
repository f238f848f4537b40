#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Exports a demo year's results as xlsx and reads the workbook back with openpyxl: the names
come from the roster, the scores from the score file, absent students' cells are empty."""
import subprocess
import sys
import tempfile
from pathlib import Path

try:
    import openpyxl
except ImportError:
    print("skipped: python3-openpyxl is not installed")
    sys.exit(77)

tool = sys.argv[1]


def run(*words):
    subprocess.run([tool, "-C", folder, *words], check=True, stdout=subprocess.DEVNULL)


def fail(message):
    print(message)
    sys.exit(1)


with tempfile.TemporaryDirectory() as folder:
    run("demo", ".")
    run("results", "--year", "2026", "--test", "2", "--grade", "2")
    run("export", "--year", "2026", "--test", "2", "--grade", "2", "-o", "out.xlsx")
    base = Path(folder)
    lines = (base / "wqnmkiso.txt").read_bytes().decode("cp932").split()
    # School, test, year, roster tag, then per grade: class count, classes, subject and test
    # counts, subjects, full marks.
    heads = []
    i = 4
    for grade in range(2):
        classes = int(lines[i])
        counts = [int(lines[i + 1 + 2 * k + 1]) for k in range(classes)]
        subjects, tests = int(lines[i + 1 + 2 * classes]), int(lines[i + 2 + 2 * classes])
        i += 3 + 2 * classes + 2 * subjects + subjects * tests
        heads = counts
    roster = (base / "N262.csv").read_bytes().decode("cp932").splitlines()
    scores = (base / "JT26_2_2.txt").read_bytes().decode("ascii").splitlines()

    sheet = openpyxl.load_workbook(base / "out.xlsx").active
    if sheet.freeze_panes != "A2":
        fail(f"header row not frozen: {sheet.freeze_panes}")
    header = [c.value for c in sheet[1]]
    if header[:6] != ["組", "番号", "氏名", "英語", "英語偏差値", "英語順位"]:
        fail(f"header {header}")
    rows = list(sheet.iter_rows(min_row=2, values_only=True))
    if len(rows) != sum(heads):
        fail(f"{len(rows)} rows for {sum(heads)} students")
    row = 0
    absent = 0
    for k, count in enumerate(heads):
        for s in range(count):
            number, name = roster[row].split(",")
            values = [int(v) for v in scores[k * 45 + s].split()]
            cells = rows[row]
            if cells[1] != int(number) or cells[2] != name:
                fail(f"row {row + 2}: {cells[:3]} for {number} {name}")
            for j, value in enumerate(values):
                got = cells[3 + 3 * j: 6 + 3 * j]
                if value < 0:
                    absent += 1
                    if got != (None, None, None):
                        fail(f"row {row + 2} subject {j + 1}: {got} for an absent student")
                elif got[0] != value or not isinstance(got[1], float) or not isinstance(got[2], int):
                    fail(f"row {row + 2} subject {j + 1}: {got} for score {value}")
            row += 1
    deviation = sheet.cell(row=2, column=5)
    if deviation.number_format != "0.0":
        fail(f"偏差値 shown as {deviation.number_format}")
    if absent == 0:
        fail("the demo year has no absent student to check")
    print(f"{row} rows, {absent} absent scores: ok")
