#!/usr/bin/env python3
"""check-translations.py LUPDATE SOURCE_DIR COMPLETE_TS... [-- TS...]

Fails when a translation source is out of date with the program's texts:
each .ts file is copied, lupdate refreshes the copy from the QML and C++
sources, and the texts the copy asks for must be exactly those the file
holds. A file named before "--" must also be complete: every text has a
finished, non-empty translation."""
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def text_of(element):
    """An element's text; lupdate writes characters XML cannot carry (the
    carriage return of a line end) as <byte value="xd"/>."""
    if element is None:
        return ""
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            parts.append(chr(int(child.get("value")[1:], 16) if child.get("value").startswith("x") else int(child.get("value"))))
        parts.append(child.tail or "")
    return "".join(parts)


def messages(path):
    """{(context, source, comment): (translation, finished)} of the texts in use."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "unfinished"
            if kind in ("obsolete", "vanished"):
                continue
            key = (name, text_of(message.find("source")), text_of(message.find("comment")))
            text = text_of(translation)
            found[key] = (text, kind != "unfinished" and text.strip() != "")
    return found


def refreshed(lupdate, source_dir, ts, scratch):
    copy = os.path.join(scratch, os.path.basename(ts))
    shutil.copyfile(ts, copy)
    sources = [os.path.join(source_dir, name) for name in ("Qml", "Lib", "main.cpp", "catalogue/descriptions.js")]
    subprocess.run([lupdate, "-silent", "-no-obsolete", *sources, "-ts", copy], check=True,
                   stdout=subprocess.DEVNULL)
    return messages(copy)


def main():
    lupdate, source_dir, *files = sys.argv[1:]
    complete = files[:files.index("--")] if "--" in files else files
    files = list(dict.fromkeys(f for f in files if f != "--"))
    failures = []
    with tempfile.TemporaryDirectory() as scratch:
        for ts in files:
            held = messages(ts)
            wanted = refreshed(lupdate, source_dir, ts, scratch)
            for context, source, _ in sorted(set(wanted) - set(held)):
                failures.append(f"{os.path.basename(ts)}: missing [{context}] {source!r}")
            for context, source, _ in sorted(set(held) - set(wanted)):
                failures.append(f"{os.path.basename(ts)}: no longer in the sources [{context}] {source!r}")
            if ts in complete:
                for (context, source, _), (_, finished) in sorted(held.items()):
                    if not finished:
                        failures.append(f"{os.path.basename(ts)}: unfinished [{context}] {source!r}")
    for failure in failures:
        print(failure)
    if failures:
        print("run: cmake --build <build dir> --target lupdate, then translate what is unfinished")
        return 1
    print(f"{len(files)} translation files match the sources")
    return 0


if __name__ == "__main__":
    sys.exit(main())
