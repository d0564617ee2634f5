#!/usr/bin/env python3
"""update-translations.py LUPDATE SOURCE_DIR TS...

Refreshes the .ts files from the program's texts and keeps their
translations when a text only moved: lupdate files messages under the QML
component or C++ class they are in, so a text that moves to another file
comes back as a new, unfinished message while its translation sits in an
obsolete one. After lupdate, every unfinished message takes the translation
of a finished message with the same source text and comment found anywhere
in the same file (obsolete ones first: that is the moved message itself),
and then the obsolete messages are dropped. A text whose finished
translations disagree is left unfinished and named, for a translator."""
import copy
import os
import sys
import xml.etree.ElementTree as ET

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import tsfiles  # noqa: E402


def translated_texts(message):
    translation = message.find("translation")
    forms = translation.findall("numerusform")
    return tuple(tsfiles.text_of(f) for f in forms) if forms else (tsfiles.text_of(translation),)


def finished_text(message):
    return all(text.strip() for text in translated_texts(message))


def carry(path):
    """Fills the unfinished messages of one file; returns (filled, doubtful)."""
    tree = ET.parse(path)
    gone, current = {}, {}
    for message in tree.getroot().iter("message"):
        state = tsfiles.translation_state(message)
        if state == "finished":
            current.setdefault(tsfiles.message_key(message), []).append(message)
        elif state in tsfiles.GONE:
            if finished_text(message):
                gone.setdefault(tsfiles.message_key(message), []).append(message)
    filled, doubtful = 0, []
    for message in tree.getroot().iter("message"):
        if tsfiles.translation_state(message) != "unfinished":
            continue
        key = tsfiles.message_key(message)
        donors = gone.get(key) or current.get(key)
        if not donors:
            continue
        versions = {translated_texts(d) for d in donors}
        if len(versions) > 1:
            doubtful.append(key[0])
            continue
        translation = copy.deepcopy(donors[0].find("translation"))
        translation.attrib.pop("type", None)
        old = message.find("translation")
        translation.tail = old.tail if old is not None else None
        if old is not None:
            message.remove(old)
        message.append(translation)
        filled += 1
    if filled:
        tree.write(path, encoding="utf-8", xml_declaration=True)
    return filled, doubtful


def main():
    if len(sys.argv) < 4:
        print(__doc__.strip().splitlines()[0])
        return 2
    lupdate, source_dir, *ts_files = sys.argv[1:]
    tsfiles.run_lupdate(lupdate, source_dir, ts_files, keep_obsolete=True)
    for ts in ts_files:
        filled, doubtful = carry(ts)
        if filled:
            print(f"{os.path.basename(ts)}: {filled} translations carried over to moved texts")
        for source in doubtful:
            print(f"{os.path.basename(ts)}: not carried, its translations differ: {source!r}")
    # Drops what is obsolete and writes the files back in lupdate's own form.
    tsfiles.run_lupdate(lupdate, source_dir, ts_files)
    return 0


if __name__ == "__main__":
    sys.exit(main())
