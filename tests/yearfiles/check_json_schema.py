#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs `jitsuryoku check --json` on a demo year in a folder named in CP932, with a roster in LF
line ends, a score file cut short and a results file older than its scores: the output is
strict UTF-8 JSON, valid against the installed schema, with the findings' stable codes and the
folder's bytes escaped."""
import json
import os
import subprocess
import sys
import tempfile

try:
    import jsonschema
except ImportError:
    print("skipped: python3-jsonschema is not installed")
    sys.exit(77)

tool, schema_file = sys.argv[1], sys.argv[2]


def fail(message):
    print(message)
    sys.exit(1)


with open(schema_file, encoding="utf-8") as f:
    schema = json.load(f)
jsonschema.Draft202012Validator.check_schema(schema)

with tempfile.TemporaryDirectory() as temp:
    folder = os.path.join(os.fsencode(temp), "実力".encode("cp932"))
    quiet = {"check": True, "stdout": subprocess.DEVNULL}
    subprocess.run([tool, "demo", folder], **quiet)
    subprocess.run([tool, "-C", folder, "results", "--year=2026", "--test=1", "--grade=1"], **quiet)
    scores = os.path.join(folder, b"JT26_1_1.txt")
    results = os.path.join(folder, b"JK26_1_1.txt")
    os.utime(scores, (os.path.getmtime(results) + 10,) * 2)
    roster = os.path.join(folder, b"N261.csv")
    with open(roster, "rb") as f:
        text = f.read()
    with open(roster, "wb") as f:
        f.write(text.replace(b"\r\n", b"\n"))
    os.truncate(os.path.join(folder, b"JT26_2_1.txt"), 300)

    run = subprocess.run([tool, "-C", folder, "check", "--json"], capture_output=True)
    if run.returncode != 1:
        fail(f"check --json: exit status {run.returncode}, not 1: {run.stderr!r}")
    try:
        findings = json.loads(run.stdout.decode("utf-8"))
    except (UnicodeDecodeError, json.JSONDecodeError) as error:
        fail(f"check --json is not UTF-8 JSON: {error}")
    jsonschema.validate(findings, schema, cls=jsonschema.Draft202012Validator)

    codes = {finding["code"] for finding in findings}
    expected = {"roster.lf-line-ends", "scores.shape", "results.out-of-date"}
    if not expected <= codes:
        fail(f"codes {sorted(codes)} lack {sorted(expected - codes)}")
    escaped = "\\x8e\\xc0\\x97\\xcd"  # 実力 in CP932, byte by byte
    for finding in findings:
        if escaped not in finding["file"]:
            fail(f"{finding['file']!r} does not hold the folder's name escaped as {escaped}")
print(f"check --json: {len(findings)} findings valid against {schema_file}")
