#!/usr/bin/env python3
"""check-translations.py LUPDATE SOURCE_DIR TS...

Fails when a translation source is out of date with the program's texts or
incomplete: each .ts file is copied, lupdate refreshes the copy from the
QML and C++ sources, and the texts the copy asks for must be exactly those
the file holds; no message may be unfinished, empty or obsolete; and every
placeholder of a source text ("@", filled at run time, and Qt's "%1" to
"%99") must be in its translation as often as in the source."""
import os
import re
import shutil
import sys
import tempfile
import xml.etree.ElementTree as ET

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import tsfiles  # noqa: E402

PLACEHOLDER = re.compile(r"@|%L?\d{1,2}")


def messages(path):
    """{(context, source, comment): (translations, state)} of a file."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            forms = translation.findall("numerusform") if translation is not None else []
            texts = [tsfiles.text_of(f) for f in forms] if forms else [tsfiles.text_of(translation)]
            found[(name, *tsfiles.message_key(message))] = (texts, tsfiles.translation_state(message))
    return found


def placeholders(text):
    return sorted(PLACEHOLDER.findall(text))


def check(lupdate, source_dir, ts, scratch):
    name = os.path.basename(ts)
    try:
        held = messages(ts)
    except ET.ParseError as error:
        return [f"{name}: not a readable translation file: {error}"]
    copy = os.path.join(scratch, name)
    shutil.copyfile(ts, copy)
    tsfiles.run_lupdate(lupdate, source_dir, [copy])
    wanted = {key for key, (_, state) in messages(copy).items() if state not in tsfiles.GONE}
    in_use = {key for key, (_, state) in held.items() if state not in tsfiles.GONE}
    failures = [f"{name}: missing [{c}] {s!r}" for c, s, _ in sorted(wanted - in_use)]
    failures += [f"{name}: no longer in the sources [{c}] {s!r}" for c, s, _ in sorted(in_use - wanted)]
    for (context, source, _), (texts, state) in sorted(held.items()):
        if state in tsfiles.GONE:
            failures.append(f"{name}: obsolete [{context}] {source!r}")
        elif state != "finished":
            failures.append(f"{name}: unfinished [{context}] {source!r}")
        else:
            for text in texts:
                if placeholders(text) != placeholders(source):
                    failures.append(f"{name}: placeholders {placeholders(source)} of [{context}] {source!r}"
                                    f" not kept in {text!r}")
    return failures


def main():
    if len(sys.argv) < 4:
        print(__doc__.strip().splitlines()[0])
        return 2
    lupdate, source_dir, *files = sys.argv[1:]
    files = list(dict.fromkeys(files))
    failures = []
    with tempfile.TemporaryDirectory() as scratch:
        for ts in files:
            failures += check(lupdate, source_dir, ts, scratch)
    for failure in failures:
        print(failure)
    if failures:
        print("run: cmake --build <build dir> --target lupdate, then translate what is unfinished")
        return 1
    print(f"{len(files)} translation files match the sources and are complete")
    return 0


if __name__ == "__main__":
    sys.exit(main())
