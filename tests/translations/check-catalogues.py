#!/usr/bin/env python3
"""Fails when the catalogues and the sources disagree: a text missing from a catalogue,
an unfinished or vanished entry, a translation that drops or adds a placeholder or a
mnemonic, or a text lupdate could not place in its context.

    check-catalogues.py SOURCE_DIR
"""
import collections
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?(\d+|n)")
# lupdate's C++ parser stumbles over some declarations that hold no texts.
HARMLESS = ("Ignoring definition of undeclared qualified class",)


def placeholders(text):
    return collections.Counter(m.group(1) for m in PLACEHOLDER.finditer(text or ""))


def mnemonics(text):
    return (text or "").replace("&&", "").count("&")


def problems_in(catalogue):
    name = os.path.basename(catalogue)
    tree = ET.parse(catalogue)
    for context in tree.getroot().iter("context"):
        where = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            label = f"{name}: {where}: {source!r}"
            translation = message.find("translation")
            kind = translation.get("type")
            if kind in ("unfinished", "vanished", "obsolete"):
                yield f"{label}: {kind}"
                continue
            forms = [f.text for f in translation.iter("numerusform")] if message.get("numerus") == "yes" \
                else [translation.text]
            for form in forms:
                if not form:
                    yield f"{label}: empty translation"
                elif placeholders(form) != placeholders(source):
                    yield f"{label}: placeholders differ in {form!r}"
                elif mnemonics(form) != mnemonics(source):
                    yield f"{label}: mnemonic lost or added in {form!r}"


def main():
    source_dir = os.path.abspath(sys.argv[1])
    committed = sorted(glob.glob(os.path.join(source_dir, "translations", "tavelo_*.ts")))
    if not committed:
        print("no catalogues under translations/")
        return 1
    with tempfile.TemporaryDirectory() as scratch:
        for catalogue in committed:
            shutil.copy(catalogue, scratch)
        run = subprocess.run([os.path.join(source_dir, "scripts", "update-translations.sh"), "--keep-vanished",
                              scratch], capture_output=True, text=True)
        warnings = [line for line in (run.stdout + run.stderr).splitlines()
                    if line.strip() and not any(h in line for h in HARMLESS)]
        failures = [f"lupdate: {line}" for line in warnings]
        if run.returncode != 0:
            failures.append(f"lupdate failed with status {run.returncode}")
        for catalogue in sorted(glob.glob(os.path.join(scratch, "tavelo_*.ts"))):
            failures.extend(problems_in(catalogue))
    for failure in failures:
        print(failure)
    print(f"{len(committed)} catalogues, {len(failures)} problems")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
