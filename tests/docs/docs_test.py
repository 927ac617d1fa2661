"""The README stays a front door and the documents hold together:

    python3 docs_test.py SOURCE_DIR

- README.md has at most 200 lines and shows the three pictures of docs/pictures/;
- every relative link in README.md, docs/*.md and bench/README.md leads to a file that exists,
  and a link to a heading (#the-heading) to a heading of that file;
- the man pages name every kvir-cli command and option, and every option and key of kvir, read
  from the tables in the code (cli/cli.cc, cli/options.cc, cli/exam.cc, app/prefs/options.cpp,
  app/panel/panelactions.h).
"""
import pathlib
import re
import sys
import unittest

ROOT = pathlib.Path(sys.argv[1]).resolve()
MAX_README_LINES = 200
PICTURES = ("docs/pictures/window.png", "docs/pictures/phone.png", "docs/pictures/worksheet.png")

# Qt's standard keys the action table uses, as the man page names them.
STANDARD_KEYS = {"HelpContents": "F1", "Copy": "Ctrl+C", "Save": "Ctrl+S", "Print": "Ctrl+P",
                 "New": "Ctrl+N", "ZoomIn": "Ctrl+Plus", "ZoomOut": "Ctrl+Minus"}
# Keys written in the table as Qt reads them, named in the man page as keyboards print them.
KEY_WORDS = {"Return": "Enter"}
# Keys the panel and the windows handle themselves, outside the action table.
PANEL_KEYS = ("Tab", "Shift+Tab", "Up", "Down", "Left", "Right", "Space", "Enter", "Esc", "Menu")


def documents():
    return [ROOT / "README.md", *sorted((ROOT / "docs").glob("*.md")), ROOT / "bench/README.md"]


def anchor(heading):
    """The anchor a Markdown renderer gives a heading, as GitHub makes it."""
    text = re.sub(r"[^\w\- ]", "", heading.strip().lower().replace("`", ""))
    return text.replace(" ", "-")


def anchors(path):
    return {anchor(m.group(1)) for m in re.finditer(r"^#+ (.*)$", path.read_text(), re.M)}


def links(path):
    """Every link target of a Markdown file, images included, outside code."""
    text = re.sub(r"```.*?```", "", path.read_text(), flags=re.S)
    text = re.sub(r"`[^`\n]*`", "", text)
    return re.findall(r"\]\(([^)\s]+)\)", text)


def man_text(name):
    """The text of a man page with roff's escapes and font changes taken out."""
    text = (ROOT / "dist" / name).read_text()
    text = re.sub(r"\\f[BIRP]", "", text).replace("\\-", "-").replace("\\&", "")
    return re.sub(r"\\\(..", " ", text)


def source(path):
    return (ROOT / path).read_text()


class ReadmeTest(unittest.TestCase):
    def test_the_readme_is_short_and_shows_the_three_pictures(self):
        readme = (ROOT / "README.md").read_text()
        self.assertLessEqual(len(readme.splitlines()), MAX_README_LINES)
        for picture in PICTURES:
            self.assertIn("](" + picture + ")", readme)
            self.assertTrue((ROOT / picture).is_file(), picture)

    def test_every_relative_link_leads_to_a_file_and_heading(self):
        for document in documents():
            for target in links(document):
                if re.match(r"[a-z]+:", target):
                    continue
                file, _, heading = target.partition("#")
                linked = (document.parent / file).resolve() if file else document
                with self.subTest(document=document.name, link=target):
                    self.assertTrue(linked.exists(), f"{linked} does not exist")
                    if heading and linked.suffix == ".md":
                        self.assertIn(heading, anchors(linked), f"no such heading in {file}")


class ManPageTest(unittest.TestCase):
    def test_kvir_cli_names_every_command_and_option(self):
        page = man_text("kvir-cli.1")
        commands = re.findall(r'\{\.name = "([a-z]+)"', source("cli/cli.cc"))
        self.assertIn("exam", commands)
        options = re.findall(r'"(--[a-z-]+)"', source("cli/options.cc") + source("cli/exam.cc"))
        synopsis = page[page.index(".SH SYNOPSIS"):page.index(".SH DESCRIPTION")]
        for command in commands:
            with self.subTest(command=command):
                self.assertTrue(re.search(rf"\n\.B[R ]?[^\n]*\b{command}\b", synopsis),
                                "not in the synopsis of kvir-cli.1")
        for option in set(options):
            with self.subTest(option=option):
                self.assertTrue(option in page, f"{option} is not in kvir-cli.1")

    def test_kvir_names_every_option_and_key(self):
        page = man_text("kvir.1")
        options = re.findall(r'const QString k\w+ = QStringLiteral\("([a-z-]+)"\)',
                             source("app/prefs/options.cpp"))
        for option in set(options) - {"fit"}:  # fit is a value of --zoom
            with self.subTest(option=option):
                self.assertIn("--" + option, page, "not in kvir.1")
        table = source("app/panel/panelactions.h")
        keys = [STANDARD_KEYS[k] for k in re.findall(r"QKeySequence::(\w+)\}", table)]
        keys += [KEY_WORDS.get(k, k) for k in re.findall(r'QKeySequence::UnknownKey, "([^"]+)"',
                                                         table)]
        self.assertGreater(len(keys), 20)
        keys_section = page[page.index(".SH KEYS"):page.index(".SH LEARNING MODES")]
        for key in [*keys, *PANEL_KEYS]:
            with self.subTest(key=key):
                self.assertTrue(re.search(rf"(?m)^\.BR? .*(?<![\w+]){re.escape(key)}\b",
                                          keys_section), "not in the KEYS of kvir.1")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
