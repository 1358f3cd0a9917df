#!/usr/bin/env python3
"""Checks the catalogues against the sources, as a translator's tools would see them.

lupdate gathers the marked texts of the sources into copies of the catalogues; then every text
must have a finished translation in every catalogue, keep the source's placeholders (%1, %2, ...)
and its keyboard mnemonic, never put the mnemonic on an Arabic-script letter (in Arabic and Urdu it
is a Latin letter in parentheses, "(&V)"), write the language's punctuation, and the reading
direction must be the language's. Finally lrelease
must report no unfinished entry in the catalogues as they are committed.

usage: check_catalogues.py LUPDATE LRELEASE SOURCES_LIST TS_DIR [LUPDATE_OPTION ...]
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

RTL = {"ar", "ur"}


def placeholders(text):
    return sorted(re.findall(r"%L?\d", text or ""))


def has_mnemonic(text):
    return bool(re.search(r"&[^&\s]", (text or "").replace("&&", "")))


ARABIC_SCRIPT = "\u0600-\u06ff\u0750-\u077f\ufb50-\ufdff\ufe70-\ufeff"


def mnemonic_problem(text, language):
    """A shortcut letter that breaks a word: an underlined Arabic-script letter comes apart from its
    neighbours, so such a letter is never one; in Arabic and Urdu the letter is a Latin one in
    parentheses, "(&V)", at the text's end."""
    text = (text or "").replace("&&", "")
    if re.search(f"&[{ARABIC_SCRIPT}]", text):
        return "shortcut letter inside an Arabic-script word"
    if language in RTL and re.search(r"(?<!\()&|&(?![A-Za-z0-9])", text):
        return "shortcut letter not in the form (&X)"
    return None


def punctuation_problem(text, language):
    """What a reader of the language notices in its punctuation: French puts a no-break space
    before : ; ? ! and writes one kind of apostrophe ('); Arabic script takes its own comma,
    semicolon and question mark (، ؛ ؟) after its words."""
    text = text or ""
    if language == "fr":
        if re.search(r" [:;?!]", text):
            return "ordinary space before : ; ? or ! (a no-break space goes there)"
        if "\u2019" in text:
            return "typographic apostrophe where the others use '"
    if language in RTL and re.search(f"[{ARABIC_SCRIPT}][,;?]", text):
        return "Latin comma, semicolon or question mark after an Arabic-script word"
    return None


def check(ts_path, language):
    problems = []
    root = ET.parse(ts_path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            where = f"{os.path.basename(ts_path)}: [{name}] {source!r}"
            if message.get("numerus") == "yes":
                forms = [f.text or "" for f in translation.iter("numerusform")]
                text = forms[0] if forms else ""
            else:
                forms = [translation.text or ""]
                text = forms[0]
            kind = translation.get("type")
            if kind in ("vanished", "obsolete"):
                continue
            if kind == "unfinished" or not all(f.strip() for f in forms):
                problems.append(f"{where}: no finished translation")
                continue
            if source == "QT_LAYOUT_DIRECTION":
                want = "RTL" if language in RTL else "LTR"
                if text != want:
                    problems.append(f"{where}: direction {text!r}, want {want!r}")
                continue
            for form in forms:
                if placeholders(form) != placeholders(source):
                    problems.append(f"{where}: placeholders {placeholders(form)} in {form!r}")
            if has_mnemonic(source) and not all(has_mnemonic(f) for f in forms):
                problems.append(f"{where}: mnemonic lost in {text!r}")
            for form in forms:
                for problem in (mnemonic_problem(form, language), punctuation_problem(form, language)):
                    if problem:
                        problems.append(f"{where}: {problem}: {form!r}")
    return problems


def main():
    lupdate, lrelease, sources_list, ts_dir = sys.argv[1:5]
    options = sys.argv[5:]
    with open(sources_list, encoding="utf-8") as f:
        sources = [line.strip() for line in f if line.strip()]
    catalogues = sorted(n for n in os.listdir(ts_dir) if n.startswith("noorvale_") and n.endswith(".ts"))
    # Qt's dialogs in the languages Qt has no catalogue for: not gathered from our sources, but
    # finished and keeping placeholders and mnemonics all the same.
    qt_dialogs = sorted(n for n in os.listdir(ts_dir) if n.startswith("qtbase_") and n.endswith(".ts"))
    if len(catalogues) < 5:
        print(f"only {len(catalogues)} catalogues in {ts_dir}")
        return 1
    problems = []
    with tempfile.TemporaryDirectory() as tmp:
        copies = []
        for name in catalogues:
            shutil.copy(os.path.join(ts_dir, name), os.path.join(tmp, name))
            copies.append(os.path.join(tmp, name))
        listing = os.path.join(tmp, "sources.lst")
        with open(listing, "w", encoding="utf-8") as f:
            f.write("\n".join(sources) + "\n")
        run = subprocess.run([lupdate, *options, "@" + listing, "-ts", *copies], capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout, run.stderr)
            return 1
        for path in copies:
            language = re.search(r"_([a-z]{2,3})\.ts$", path).group(1)
            problems += check(path, language)
    for name in qt_dialogs:
        problems += check(os.path.join(ts_dir, name), re.search(r"_([a-z]{2,3})\.ts$", name).group(1))
    for name in catalogues + qt_dialogs:
        out = subprocess.run([lrelease, os.path.join(ts_dir, name), "-qm", os.devnull], capture_output=True, text=True)
        report = out.stdout + out.stderr
        finished = re.search(r"Generated (\d+) translation\(s\) \((\d+) finished and (\d+) unfinished\)", report)
        if out.returncode != 0 or not finished or finished.group(3) != "0" or "untranslated" in report:
            problems.append(f"{name}: lrelease says: {report.strip()}")
    for p in problems:
        print(p)
    print(f"{len(catalogues)} catalogues and {len(qt_dialogs)} of Qt's dialogs, {len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
