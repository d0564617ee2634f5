"""What the translation scripts share: the sources lupdate reads, how it is
run, and how a message of a .ts file is read."""
import os
import subprocess
import xml.etree.ElementTree as ET

# The one list of the files and folders whose texts lupdate collects,
# relative to the project's top folder. The home page's card descriptions
# come from the catalogue, which lupdate cannot read; descriptions.js names
# them for it.
SOURCES = ("Qml", "Lib", "main.cpp", "catalogue/descriptions.js")

# Messages that are no longer in the sources: lupdate marks an unfinished
# one "obsolete" and a finished one "vanished".
GONE = ("obsolete", "vanished")


def run_lupdate(lupdate, source_dir, ts_files, keep_obsolete=False):
    """Refreshes ts_files from the sources; without keep_obsolete the
    messages no longer in the sources are dropped."""
    command = [lupdate, "-silent", "-locations", "relative"]
    if not keep_obsolete:
        command.append("-no-obsolete")
    command += [os.path.join(source_dir, name) for name in SOURCES]
    command += ["-ts", *ts_files]
    subprocess.run(command, check=True, cwd=source_dir, stdout=subprocess.DEVNULL)


def text_of(element):
    """An element's text; lupdate writes characters XML cannot carry (the
    carriage return of a line end) as <byte value="xd"/>."""
    if element is None:
        return ""
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            value = child.get("value", "")
            try:
                parts.append(chr(int(value[1:], 16) if value.startswith("x") else int(value)))
            except ValueError:
                pass
        parts.append(child.tail or "")
    return "".join(parts)


def message_key(message):
    """A message's identity apart from its context: the source text and
    the disambiguating comment."""
    return text_of(message.find("source")), text_of(message.find("comment"))


def translation_state(message):
    """'finished', 'unfinished' or one of GONE."""
    translation = message.find("translation")
    if translation is None:
        return "unfinished"
    kind = translation.get("type")
    if kind in GONE:
        return kind
    if kind == "unfinished":
        return "unfinished"
    forms = translation.findall("numerusform")
    texts = [text_of(form) for form in forms] if forms else [text_of(translation)]
    return "finished" if all(t.strip() for t in texts) else "unfinished"
