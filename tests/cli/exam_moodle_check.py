#!/usr/bin/env python3
"""exam_moodle_check.py KVIR_CLI FOLDER: the Moodle bank of `kvir-cli exam`, read by a real XML
parser as Moodle's importer reads it (cli_exam_test compares the bytes of two runs): the question types it grades itself, the answers' fractions,
every @@PLUGINFILE@@ reference matched by a file embedded in the same text, a category per scheme,
and names with quotes, XML metacharacters and right-to-left text as they stand in the list."""

import base64
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

cli, folder = sys.argv[1], sys.argv[2]
os.makedirs(folder, exist_ok=True)
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def exam(*args):
    run = subprocess.run([cli, "exam", *args], capture_output=True, text=True)
    if run.returncode != 0:
        sys.exit(f"kvir-cli exam {' '.join(args)}: status {run.returncode}: {run.stderr}")


def check_bank(path, questions, students):
    root = ET.parse(path).getroot()
    check(root.tag == "quiz", f"{path}: root {root.tag}")
    asked = [q for q in root if q.get("type") != "category"]
    categories = [q.find("category/text").text for q in root if q.get("type") == "category"]
    check(len(asked) == questions, f"{path}: {len(asked)} questions, expected {questions}")
    check(len(categories) == len(set(categories)), f"{path}: a category twice")
    for c in categories:
        check(re.fullmatch(r"\$course\$/top/KVIR/(.+/)?Схема \d\d", c) is not None, f"category {c}")
    names = set()
    for q in asked:
        name = q.find("name/text").text
        names.add(name)
        kind = name.split(" ")[-1]
        expected = {"outputs": "shortanswer", "inputs": "multichoice", "rows": "cloze",
                    "scheme": "multichoice"}[kind]
        check(q.get("type") == expected, f"{name}: type {q.get('type')}, expected {expected}")
        for part in ("questiontext", "generalfeedback"):
            element = q.find(part)
            html = element.find("text").text or ""
            files = {f.get("name"): f for f in element.findall("file")}
            for f in files.values():
                check(f.get("path") == "/" and f.get("encoding") == "base64", f"{name}: file attrs")
                check(base64.b64decode(f.text).startswith(b"\x89PNG\r\n\x1a\n"), f"{name}: not PNG")
            referenced = re.findall(r"@@PLUGINFILE@@/([^\"]+)", html)
            check(set(referenced) == set(files), f"{name} {part}: {referenced} vs {sorted(files)}")
            if part == "questiontext":
                check(len(referenced) == 1, f"{name}: {len(referenced)} pictures")
        answers = [a for a in q.findall("answer")]
        fractions = sorted(float(a.get("fraction")) for a in answers)
        if q.get("type") == "shortanswer":
            check(fractions == [100.0], f"{name}: fractions {fractions}")
            check(re.fullmatch(r"[01]+", answers[0].find("text").text) is not None, f"{name}: answer")
        elif q.get("type") == "multichoice":
            check(q.find("single").text == "true", f"{name}: not single")
            check(len(answers) >= 2 and fractions == [0.0] * (len(answers) - 1) + [100.0],
                  f"{name}: fractions {fractions}")
        else:
            text = q.find("questiontext/text").text
            blanks = re.findall(r"\{1:MULTICHOICE:(=0~1|0~=1)\}", text)
            check(len(blanks) >= 1 and not answers, f"{name}: {len(blanks)} blanks")
    for student in students:
        check(any(n.startswith(student + " — ") for n in names), f"no question of {student!r}")
    return root


bank = os.path.join(folder, "bank.xml")
exam("--count", "20", "--seed", "7", "--format", "moodle", "-o", bank)
check_bank(bank, 20, [])
key = open(os.path.join(folder, "bank-key.csv"), encoding="utf-8").read().splitlines()
check(len(key) == 21 and key[0] == "student,question,kind,scheme,buttons,answer", "key")

students = ['O\'Brien "Bob"', "<b>Tom & Jerry</b>]]>", "שלום עליכם", "Иванов/Петров"]
names = os.path.join(folder, "names.txt")
with open(names, "w", encoding="utf-8") as f:
    f.write("\n".join(students) + "\n")
named = os.path.join(folder, "named.xml")
exam("--count", "2", "--seed", "3", "--students", names, "--kinds", "outputs,scheme",
     "--format", "moodle", "-o", named)
check_bank(named, 2 * len(students), students)

for failure in failures:
    print("FAIL:", failure)
print(f"{len(failures)} failures")
sys.exit(1 if failures else 0)
