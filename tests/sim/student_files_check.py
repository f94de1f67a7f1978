#!/usr/bin/env python3
"""Grades a folder of student files the way a school share holds them — odd names, names and
texts with characters XML does not allow, links out of the folder, a link loop, a FIFO, a
folder, a device — and reads what tessaro-sim makes of them as other programs would: the JUnit
report with Python's xml.etree, standard output line by line. A link planted where a report's
temporary file used to go must not be written through, and a logbook on a FIFO must not hang."""
import os
import stat
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SIM = sys.argv[1]
NOTES = b"the teacher's own notes\n"
FORGED = b"bad\npass alice.txt (8 passed, 0 failed)\nx.txt"


def run(args, cwd, stdin=None):
    return subprocess.run([SIM] + args, cwd=cwd, input=stdin, capture_output=True, timeout=60)


def make_project(work, setting):
    """A project saved by the runner itself, with one more `setting` line (bytes) kept."""
    make = os.path.join(work, "make.sim")
    with open(make, "w") as f:
        f.write("place 1 2 Reg1\nshow Reg1\nsave\n")
    run(["make.sim"], work).check_returncode()
    with open(os.path.join(work, "Velden", "data1.txt"), "rb") as f:
        saved = f.read()
    if setting and b"[Tessaro]\r\n" not in saved:
        saved += b"[Tessaro]\r\n"
    return saved + setting


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def check_grading(work):
    students = os.fsencode(os.path.join(work, "students"))
    os.mkdir(students)
    good = make_project(work, b"")
    # A name a check prints: U+FFFE and a control character. (A byte that is no UTF-8 makes
    # the file no project at all; such names are the file names below.)
    named = make_project(work, b"Reg1.name=oven\xef\xbf\xbe\x01\r\n")
    write(os.path.join(work, "notes.txt"), NOTES)

    files = {}  # name as given -> what its result line must say after the name

    def student(name, expect):
        files[os.path.join(b"students", name)] = expect

    for name, data in [(b"good.txt", good), (b"named.txt", named), (FORGED, good),
                       ("u\uffff.txt".encode(), good), (b"s\xed\xa0\x80.txt", good)]:
        write(os.path.join(students, name), data)
        student(name, b" (1 passed, 0 failed)")
    os.symlink("good.txt", os.path.join(students, b"inside.txt"))
    student(b"inside.txt", b" (1 passed, 0 failed)")
    os.symlink("../notes.txt", os.path.join(students, b"outside.txt"))
    student(b"outside.txt", b": not a project file: a link to " +
            os.path.realpath(os.path.join(work, "notes.txt")).encode() + b", outside students")
    os.symlink("loop.txt", os.path.join(students, b"loop.txt"))
    student(b"loop.txt", b": not a project file: a link loop")
    os.mkfifo(os.path.join(students, b"fifo.txt"))
    student(b"fifo.txt", b": not a project file: a FIFO")
    os.mkdir(os.path.join(students, b"folder.txt"))
    student(b"folder.txt", b": not a project file: a folder")
    if os.geteuid() == 0:
        os.mknod(os.path.join(students, b"dev.txt"), stat.S_IFCHR | 0o600, os.makedev(1, 3))
        student(b"dev.txt", b": not a project file: a device")

    # Where the report's temporary file once went, a link to the teacher's notes.
    os.symlink("notes.txt", os.path.join(work, "results.xml.part"))
    os.symlink("notes.txt", os.path.join(work, "results.xml.tmp"))
    write(os.path.join(work, "check.sim"), b"print title Reg1\nexpect item Reg1 visible=1\n")

    names = list(files)
    result = run(["--project"] + names + ["--report", "junit", "results.xml", "check.sim"], work)
    assert result.returncode == 1, result

    with open(os.path.join(work, "notes.txt"), "rb") as f:
        assert f.read() == NOTES, "the report was written through a link"
    assert not any(n.startswith(".results.xml.") for n in os.listdir(work)), os.listdir(work)

    # Standard output: one result line per file, each naming its file with control
    # characters escaped, so that no name can print a line of its own.
    lines = result.stdout.split(b"\n")
    results = [l for l in lines if l.startswith((b"pass ", b"fail ", b"error "))]
    assert len(results) == len(names), results
    assert b"pass alice.txt (8 passed, 0 failed)" not in lines, lines
    for name, line in zip(names, results):
        shown = name.replace(b"\n", b"\\x0a")
        verdict = b"pass " if files[name].startswith(b" (") else b"fail "
        assert line == verdict + shown + files[name], (line, name)
    assert lines[-2] == b"%d of %d projects passed" % (6, len(names)), lines[-2]

    # The JUnit report parses, whatever the names and the printed texts held.
    suite = ET.parse(os.path.join(work, "results.xml")).getroot().find("testsuite")
    cases = suite.findall("testcase")
    assert len(cases) == len(names), len(cases)
    assert int(suite.get("failures")) == len(names) - 6, suite.attrib
    printed = [c.findtext("system-out") for c in cases if c.findtext("system-out")]
    assert any("oven\ufffd\ufffd" in text for text in printed), printed
    assert cases[2].get("name") == "students/" + FORGED.decode(), cases[2].get("name")


def check_fifo_log(work):
    os.mkfifo(os.path.join(work, "fifo.csv"))
    result = run([], work, b"place 1 1 Spin1\nplace 1 2 Rec1\nlog recorder 1 fifo.csv\n")
    assert result.returncode == 0, result
    fifo = os.path.join(os.path.realpath(work), "fifo.csv").encode()
    assert result.stdout == b"message Logboek niet gestart, " + fifo + b": het is een FIFO.\n", result


for check in (check_grading, check_fifo_log):
    with tempfile.TemporaryDirectory() as work:
        os.mkdir(os.path.join(work, "Velden"))
        check(work)
print("ok")
