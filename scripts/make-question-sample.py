#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes docs/samples/questions-1-math.xlsx, the workbook form of the sample questions and marks
# per question: the sheet 設問 from questions-1-math.csv, the sheet 解答 from answers-1-math.csv,
# whole numbers as numbers. Uses the suite's libxlsxwriter through ctypes (no Python package).
import csv
import ctypes
import ctypes.util
import pathlib
import sys

samples = pathlib.Path(__file__).resolve().parent.parent / "docs" / "samples"
lib = ctypes.CDLL(ctypes.util.find_library("xlsxwriter") or "libxlsxwriter.so.4")
lib.workbook_new.restype = ctypes.c_void_p
lib.workbook_add_worksheet.restype = ctypes.c_void_p
lib.workbook_add_worksheet.argtypes = [ctypes.c_void_p, ctypes.c_char_p]
lib.worksheet_write_string.argtypes = [ctypes.c_void_p, ctypes.c_uint32, ctypes.c_uint16,
                                       ctypes.c_char_p, ctypes.c_void_p]
lib.worksheet_write_number.argtypes = [ctypes.c_void_p, ctypes.c_uint32, ctypes.c_uint16,
                                       ctypes.c_double, ctypes.c_void_p]
lib.workbook_close.argtypes = [ctypes.c_void_p]

book = lib.workbook_new(str(samples / "questions-1-math.xlsx").encode())
for name, source in (("設問", "questions-1-math.csv"), ("解答", "answers-1-math.csv")):
    sheet = lib.workbook_add_worksheet(book, name.encode())
    with open(samples / source, encoding="utf-8", newline="") as f:
        for r, row in enumerate(csv.reader(f)):
            for c, cell in enumerate(row):
                if cell.isascii() and cell.isdigit() and len(cell) < 5:
                    lib.worksheet_write_number(sheet, r, c, float(cell), None)
                elif cell:
                    lib.worksheet_write_string(sheet, r, c, cell.encode(), None)
sys.exit(lib.workbook_close(book))
