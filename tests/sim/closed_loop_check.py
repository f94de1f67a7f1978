#!/usr/bin/env python3
"""The settings the tuning assistant proposes, tried on the heater as a student would: a step
test in hand, the rule's settings applied and "Auto", then the setpoint 10 % up. SIMC must
bring the temperature there without more than 10 % overshoot and keep it within 2 % of the
step; Ziegler-Nichols, tuned for quarter-amplitude decay, must overshoot more."""
import os
import shutil
import subprocess
import sys
import tempfile

SIM, EXAMPLE = sys.argv[1], sys.argv[2]
STEP = 10.0  # setpoint step, % (= C on the lesson's 0..100 C range)


def response(rule):
    lines = ["load heater_pid.txt", "plant heater", "pid 1 man", "tune 1 step 10", "run 600000",
             "print tune 1", f"tune 1 apply {rule} auto", "print pid 1"]
    # "Setp-min %" lifts the setpoint; lowering it again leaves the setpoint there.
    lines += ["pid 1 spmin 38", "pid 1 spmin 0"]
    lines += ["run 2000\nprint plant"] * 300
    with tempfile.TemporaryDirectory() as work:
        shutil.copy(EXAMPLE, work)
        os.mkdir(os.path.join(work, "Velden"))
        out = subprocess.run([SIM], input="\n".join(lines) + "\n", cwd=work, check=True,
                             capture_output=True, text=True).stdout.splitlines()
    before = next(float(w[3:]) for w in out[1].split() if w.startswith("pv="))
    temps = [float(line.split()[2][5:]) for line in out if line.startswith("plant heater")]
    return before, temps


def judge(rule):
    before, temps = response(rule)
    target = 38.0
    overshoot = (max(temps) - target) / STEP
    band = 0.02 * STEP
    outside = [i for i, t in enumerate(temps) if abs(t - target) > band]
    settled = 2 * (outside[-1] + 1) if outside else 0
    print(f"{rule}: from {before:.2f}, peak {max(temps):.2f} C, overshoot {100 * overshoot:.1f} %, "
          f"within 2 % after {settled} s, end {temps[-1]:.2f} C")
    return overshoot, settled, len(temps) * 2


simc_overshoot, simc_settled, span = judge("simc-pi")
assert simc_overshoot <= 0.10, simc_overshoot
assert simc_settled < span - 60, "SIMC does not settle within 2 %"
zn_overshoot, _, _ = judge("zn-pi")
assert zn_overshoot > simc_overshoot, (zn_overshoot, simc_overshoot)
