#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the window's translations: every text of the window and its dialogs is wrapped for
translation, and every translation in translations/ is finished.

usage: check_translations.py SOURCE_DIR LUPDATE

A text is a string literal of src/app or src/widgets that holds two words, a menu caption
("&File") or an ellipsis. It must stand in tr(), QCoreApplication::translate() or a
QT_TR_NOOP/QT_TRANSLATE_NOOP mark; a literal that is not for the user (a format, a key) says so
with "// not translated" on its line. lupdate then runs over the sources into copies of the
.ts files: no message may be unfinished, vanished or obsolete, and each translation keeps the
placeholders and the accelerator of its English text.
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
TEXT = re.compile(r"[A-Za-z]{2,}[.,:]? +[A-Za-z]|^&[A-Za-z]|[A-Za-z]\.\.\.$|\\u2026")
# A mark, its context if it takes one, and the literals before this one that it is joined to.
WRAPPED = re.compile(r'\b(tr|translate|QT_TR_NOOP|QT_TRANSLATE_NOOP|TRANSLATABLE)\s*\(\s*'
                     r'(?:"(?:[^"\\\n]|\\.)*"\s*,\s*)?(?:"(?:[^"\\\n]|\\.)*"\s*)*$')


def unwrapped_texts(source_dir):
    found = []
    for folder in ("src/app", "src/widgets"):
        # main.cpp answers --help, which is the command line's and stays English.
        for path in sorted((source_dir / folder).glob("*.[ch]*")):
            if path.name == "main.cpp":
                continue
            lines = path.read_text(encoding="utf-8").splitlines()
            # Comments and preprocessor lines blanked, so that the places stay.
            code = "\n".join("" if line.lstrip().startswith(("//", "#")) else
                             re.sub(r'//[^"]*$', "", line) for line in lines)
            for match in LITERAL.finditer(code):
                number = code.count("\n", 0, match.start()) + 1
                if not TEXT.search(match.group(1)) or "not translated" in lines[number - 1]:
                    continue
                if WRAPPED.search(code[max(0, match.start() - 600):match.start()]):
                    continue
                found.append(f"{path.relative_to(source_dir)}:{number}: \"{match.group(1)}\"")
    return found


def Marks(text):
    """What a translation must keep of its source: its placeholders, and an accelerator."""
    return (sorted(re.findall(r"%[1-9]|\{file\}|\{detail\}", text)),
            bool(re.search(r"&[^&\s]", text)))


def unfinished_messages(source_dir, lupdate):
    found = []
    ts_files = sorted((source_dir / "translations").glob("*.ts"))
    if not ts_files:
        return ["translations/ holds no .ts file"]
    with tempfile.TemporaryDirectory() as work:
        copies = []
        for ts in ts_files:
            copy = pathlib.Path(work) / ts.name
            shutil.copyfile(ts, copy)
            copies.append(copy)
        subprocess.run([lupdate, "-silent", "-tr-function-alias", "QT_TRANSLATE_NOOP+=TRANSLATABLE",
                        "-locations", "none", str(source_dir / "src"), "-ts", *map(str, copies)],
                       check=True)
        for copy in copies:
            for context in ElementTree.parse(copy).getroot().iter("context"):
                name = context.findtext("name")
                for message in context.iter("message"):
                    translation = message.find("translation")
                    state = translation.get("type") if translation is not None else "unfinished"
                    source = message.findtext("source")
                    if state in ("unfinished", "vanished", "obsolete") or not translation.text:
                        found.append(f"{copy.name}: {name}: \"{source}\" is {state or 'empty'}")
                    elif Marks(source) != Marks(translation.text):
                        found.append(f"{copy.name}: {name}: \"{translation.text}\" does not keep "
                                     f"the placeholders and accelerator of \"{source}\"")
    return found


def main():
    source_dir = pathlib.Path(sys.argv[1])
    problems = unwrapped_texts(source_dir)
    for problem in problems:
        print(f"not wrapped for translation: {problem}")
    unfinished = unfinished_messages(source_dir, sys.argv[2])
    for problem in unfinished:
        print(f"not translated: {problem}")
    return 1 if problems or unfinished else 0


if __name__ == "__main__":
    sys.exit(main())
