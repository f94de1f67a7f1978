#!/usr/bin/env python3
"""Reads what tessaro-sim exports and logs the way a user's script would, with Python's csv
module: the exported rows must be the samples that `print recorder` / `print trend` show, and a
logbook of a run killed half-way must hold only whole rows."""
import csv
import os
import signal
import subprocess
import sys
import tempfile
import time

SIM = sys.argv[1]
SCRIPT = sys.argv[2]


def read(path):
    with open(path, newline="", encoding="utf-8") as f:
        return list(csv.DictReader(f))


def format_tenths(x):
    text = f"{x:.1f}".rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def exported(work):
    prints = subprocess.run([SIM, SCRIPT], cwd=work, check=True, capture_output=True,
                            text=True).stdout.split("\n")
    printed = {" ".join(line.split()[:4]): [int(v) for v in line.split()[4:]]
               for line in prints if line.startswith("trend")}
    recorder = [int(v) for v in prints[0].split()[2:]]

    rows = read(os.path.join(work, "recorder.csv"))
    assert [int(r["byte"]) for r in rows][::-1][:len(recorder)] == recorder, rows
    # A range of 200 units: a byte step is 0.78, so tenths are all the file gives.
    assert all(r["value (C)"] == format_tenths(-50 + int(r["byte"]) / 2.55 * 2) for r in rows), rows
    assert float(rows[-1]["t (s)"]) == 0 and float(rows[0]["t (s)"]) < 0

    rows = read(os.path.join(work, "pid.csv"))[::-1]
    pv = printed["trend pid 1 pv"]
    out = printed["trend pid 1 out"]
    for i, (p, o) in enumerate(zip(pv, out)):
        # The file has what the controller computed; the trend has it to half a percent.
        assert abs(float(rows[i]["pv (C)"]) - (-50 + p / 2 * 2)) <= 0.5 * 2, (i, rows[i])
        assert abs(float(rows[i]["out (%)"]) - o / 2) <= 0.25, (i, rows[i])


def killed_log(work):
    sim = subprocess.Popen([SIM], cwd=work, stdin=subprocess.PIPE, text=True)
    sim.stdin.write("place 1 1 Spin1\nplace 1 2 Rec1\nshow Rec1\nknob 1 77\n"
                    "log recorder 1 kill.csv\nrun 1000000000\n")
    sim.stdin.flush()
    path = os.path.join(work, "kill.csv")
    deadline = time.time() + 20
    while time.time() < deadline:
        if os.path.exists(path) and os.path.getsize(path) > 20000:
            break
        time.sleep(0.01)
    os.kill(sim.pid, signal.SIGKILL)
    sim.wait()
    rows = read(path)
    assert len(rows) > 300, len(rows)
    assert all(r["byte"] == "77" and len(r) == 4 for r in rows[:-1]), rows[-3:]
    # Each row went out whole, so even the last one is complete.
    with open(path, encoding="utf-8") as f:
        assert f.read().endswith("\n")


with tempfile.TemporaryDirectory() as work:
    exported(work)
    killed_log(work)
print("csv check passed")
