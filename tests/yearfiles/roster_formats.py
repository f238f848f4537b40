#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The same roster kept as xlsx (written here with openpyxl, as a spreadsheet program would),
CSV in UTF-8, UTF-8 with BOM and CP932, UTF-16 text and TSV: `jitsuryoku import-roster` writes
identical bytes from each, those of the golden file. The sheet has a title and a blank row above
the header, 姓 and 名 apart, a 学年 column, classes written 1年2組, 1-1, １組 and 3組, a
full-width number, a remark with a line break and rows of empty fields under the students.
With JITSU_UPDATE_GOLDEN=1 the golden file is written from the first import."""
import csv
import os
import subprocess
import sys
import tempfile
from pathlib import Path

try:
    import openpyxl
except ImportError:
    print("skipped: python3-openpyxl is not installed")
    sys.exit(77)

tool, data = sys.argv[1], Path(sys.argv[2])
golden = data / "expected.csv"


def write_xlsx(path):
    """The CSV's rows as a workbook: digit cells as numbers, except one number kept as text."""
    book = openpyxl.Workbook()
    sheet = book.active
    sheet.title = "名簿"
    with open(data / "utf8.csv", encoding="utf-8", newline="") as f:
        for number, row in enumerate(csv.reader(f), start=1):
            for column, cell in enumerate(row, start=1):
                if cell.isascii() and cell.isdigit() and (number, column) != (6, 3):
                    cell = int(cell)
                sheet.cell(row=number, column=column, value=cell)
    book.save(path)


with tempfile.TemporaryDirectory() as folder:
    subprocess.run([tool, "-C", folder, "demo", "."], check=True, stdout=subprocess.DEVNULL)
    write_xlsx(Path(folder) / "roster.xlsx")
    sources = [Path(folder) / "roster.xlsx"] + [
        data / name for name in ("utf8.csv", "utf8-bom.csv", "cp932.csv", "utf16.txt", "roster.tsv")
    ]
    failed = False
    for source in sources:
        done = subprocess.run(
            [tool, "-C", folder, "import-roster", str(source), "--grade", "1", "--force"],
            capture_output=True, text=True)
        written = (Path(folder) / "N261.csv").read_bytes() if done.returncode == 0 else b""
        if os.environ.get("JITSU_UPDATE_GOLDEN") == "1" and source == sources[0]:
            golden.write_bytes(written)
        if written != golden.read_bytes():
            print(f"{source.name}: differs from {golden}\n{done.stderr}{written!r}")
            failed = True
        (Path(folder) / "N261.csv").unlink(missing_ok=True)
    sys.exit(1 if failed else 0)
