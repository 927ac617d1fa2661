#!/usr/bin/env python3
"""exam_pdf_check.py KVIR_CLI FOLDER: worksheets of `kvir-cli exam --format pdf`, read back with
poppler's tools: A4 pages, each student's worksheet from a new page under their name, the key on
pages of its own with every answer of the CSV key, in either language."""

import csv
import os
import re
import shutil
import subprocess
import sys

cli, folder = sys.argv[1], sys.argv[2]
if shutil.which("pdftotext") is None or shutil.which("pdfinfo") is None:
    print("poppler-utils are not installed (scripts/setup.sh test installs them): skipped")
    sys.exit(77)
os.makedirs(folder, exist_ok=True)
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def pages_text(path):
    text = subprocess.run(["pdftotext", "-layout", path, "-"], capture_output=True, text=True,
                          check=True).stdout
    # pdftotext marks a right-to-left run with embedding characters; the text read is without them.
    text = re.sub("[\u200e\u200f\u202a-\u202e\u2066-\u2069]", "", text)
    return text.split("\f")[:-1]


students = ["Иванов Иван", "O'Brien \"Bob\" <&>", "שלום עליכם"]

# Russian for three students, English (the same layout in other words) for one.
for language, words, group in (("ru", ("Студент: ", "Ключ ответов", "Группа: "), students),
                               ("en", ("Student: ", "Answer key", "Group: "), students[2:])):
    names = os.path.join(folder, f"names-{language}.txt")
    with open(names, "w", encoding="utf-8") as f:
        f.write("\n".join(group) + "\n")
    pdf = os.path.join(folder, f"sheets-{language}.pdf")
    run = subprocess.run([cli, "--lang", language, "exam", "--count", "3", "--seed", "7",
                          "--students", names, "--format", "pdf", "-o", pdf],
                         capture_output=True, text=True)
    if run.returncode != 0:
        sys.exit(f"kvir-cli exam: status {run.returncode}: {run.stderr}")
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
    check("595.276 x 841.89 pts (A4)" in info, f"{language}: not A4: {info}")
    pages = pages_text(pdf)
    count = int([l for l in info.splitlines() if l.startswith("Pages:")][0].split()[1])
    check(count == len(pages), f"{language}: {count} pages, {len(pages)} read")
    starts = [i for i, p in enumerate(pages) if words[0] in p]
    check(len(starts) == len(group), f"{language}: {len(starts)} worksheets start")
    for start, student in zip(starts, group):
        check(words[0] + student in pages[start], f"{language}: {student!r} not on page {start + 1}")
        check(words[2] in pages[start], f"{language}: no group line on page {start + 1}")
    keys = [i for i, p in enumerate(pages) if words[1] in p]
    check(len(keys) == len(group) and min(keys) > max(starts), f"{language}: key pages {keys}")
    key_text = " ".join(" ".join(pages[i].split()) for i in keys)
    with open(os.path.join(folder, f"sheets-{language}-key.csv"), encoding="utf-8") as f:
        rows = list(csv.DictReader(f))
    check(len(rows) == 3 * len(group), f"{language}: {len(rows)} key rows")
    check([r["student"] for r in rows[::3]] == group, f"{language}: key students")
    for row in rows:
        # The key pages may break a long answer across lines: compare without line breaks.
        check(" ".join(row["answer"].split()) in key_text, f"{language}: answer {row['answer']!r}")

for failure in failures:
    print("FAIL:", failure)
print(f"{len(failures)} failures")
sys.exit(1 if failures else 0)
