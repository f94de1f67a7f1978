#!/usr/bin/env python3
"""Reads the teacher's HTML report of `tessaro-sim --project` as a browser would, with Python's
html.parser: one row per project and one column per check, headed by the check's comments; a
failure's details on the page; nothing loaded from elsewhere; and file names that hold markup
shown as text, not run as markup."""
import csv
import html.parser
import os
import re
import shutil
import subprocess
import sys
import tempfile

SIM, CASE, CHECK = sys.argv[1:4]


class Page(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.head, self.rows, self.title, self.meta = [], [], "", ""
        self.tags, self.stack, self.cell = set(), [], None

    def handle_starttag(self, tag, attrs):
        self.tags.add(tag)
        for name, value in attrs:
            assert name not in ("src", "href") and not name.startswith("on"), (tag, name, value)
        classes = dict(attrs).get("class", "")
        if tag == "tr" and "tbody" in self.stack:
            self.rows.append([])
        if tag in ("th", "td"):
            self.cell = {"class": classes, "text": "", "details": []}
        if tag == "div" and "detail" in classes:
            self.cell["details"].append("")
        self.stack.append(tag)

    def handle_endtag(self, tag):
        while self.stack and self.stack.pop() != tag:
            pass
        if tag in ("th", "td"):
            if "thead" in self.stack:
                self.head.append(self.cell["text"])
            elif "tbody" in self.stack:
                self.rows[-1].append(self.cell)
            self.cell = None

    def handle_data(self, data):
        if self.stack and self.stack[-1] == "title":
            self.title += data
        elif self.stack and self.stack[-1] == "p":
            self.meta += data
        elif self.cell is not None:
            if self.stack[-1] == "div":
                self.cell["details"][-1] += data
            else:
                self.cell["text"] += data


def comments(check):
    """The name of each check: the comment right above its expect lines, in order."""
    names, comment, last = [], "", None
    for line in open(check, encoding="utf-8"):
        if line.startswith("#"):
            text = line.lstrip("#").strip()
            comment = comment + " " + text if last == "#" else text
            last = "#"
            continue
        last = None
        if line.startswith("expect") and comment not in names:
            names.append(comment)
    return names


with tempfile.TemporaryDirectory() as work:
    shutil.copytree(os.path.join(CASE, "workdir"), work, dirs_exist_ok=True)
    odd = 'a<b>&"c\'.txt'
    formula = "=HYPERLINK(x).txt"  # a spreadsheet must not take it for a formula
    for name in (odd, formula):
        shutil.copy(os.path.join(work, "students", "anna.txt"), os.path.join(work, name))
    students = ["students/anna.txt", "students/bert.txt", "students/dirk.txt", odd, formula]
    run = subprocess.run([SIM, "--project", *students, "--report", "html", "r.html",
                          "--report", "csv", "r.csv", CHECK], cwd=work, capture_output=True,
                         text=True)
    assert run.returncode == 1, run
    page = Page()
    page.feed(open(os.path.join(work, "r.html"), encoding="utf-8").read())
    table = list(csv.reader(open(os.path.join(work, "r.csv"), newline="", encoding="utf-8")))

names = comments(CHECK)
assert len(names) == 7, names
assert "script" not in page.tags and "link" not in page.tags and "img" not in page.tags
assert os.path.basename(CHECK) in page.title, page.title
assert re.search(r"\d{4}-\d\d-\d\d \d\d:\d\d", page.meta), page.meta
assert "3 of 5 projects passed." in page.meta, page.meta

# One column per check, headed by its comment; one row per project.
assert page.head == ["Project", *names, "Result"], page.head
assert [row[0]["text"] for row in page.rows] == students, page.rows
assert all(len(row) == len(names) + 2 for row in page.rows)
cells = {row[0]["text"]: [c["text"] for c in row[1:]] for row in page.rows}
assert cells["students/anna.txt"] == ["pass"] * 7 + ["pass"], cells
assert cells[odd] == cells["students/anna.txt"]
assert cells["students/bert.txt"][0] == "fail" and cells["students/bert.txt"][3] == "pass"
assert cells["students/dirk.txt"] == ["error"] * 7 + ["not loaded: Invalid numeric input."]

# A failure's details are on the page, in the failing cell.
bert = page.rows[1]
assert bert[1]["class"] == "fail"
assert bert[1]["details"] == ["line 6: expected pid 1 mode=auto sp=60 action=R, "
                              "got pid 1 mode=auto sp=60 action=D"], bert[1]
assert all(not c["details"] for c in page.rows[0])

# The CSV table holds the same, for a spreadsheet.
assert table[0] == ["project", *names, "result"], table[0]
assert [r[0] for r in table[1:]] == students[:-1] + ["'" + formula], table
assert [r[1:] for r in table[1:]] == [cells[s] for s in students], table
print("ok")
