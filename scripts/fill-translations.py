#!/usr/bin/env python3
"""Fills the translations of translations/vexmoor_<language>.ts from a word list.

    python3 scripts/fill-translations.py WORDS.json [TS_FILE...]

WORDS.json maps each English text to its translations, and may give a context its own:

    {"Loan Type:": {"de": "Kreditart:", "fr": "Type de prêt :"},
     "Lists|Units": {"de": "Stück", "fr": "Unités"}}

A "<context>|<English>" entry wins over the plain one for that context. The language of a .ts
file is the one its TS element names (de_DE -> de). A message with a translation loses its
type="unfinished"; one without stays unfinished and is listed, so a refresh shows what is left.
The usual round: cmake --build --preset dev --target update_translations (lupdate adds the new
texts), this script, then a build (lrelease builds the translations into the program).
Exit status 1 when any message is left without a translation.
"""
import json
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent


def fill(ts_path: Path, words: dict) -> list:
    tree = ET.parse(ts_path)
    root = tree.getroot()
    language = root.get("language", "").split("_")[0]
    missing = []
    for context in root.iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            source = message.findtext("source", "")
            entry = words.get(f"{name}|{source}") or words.get(source) or {}
            text = entry.get(language)
            translation = message.find("translation")
            if translation is None:
                translation = ET.SubElement(message, "translation")
            if text:
                translation.text = text
                translation.attrib.pop("type", None)
            elif not translation.text:
                translation.set("type", "unfinished")
                missing.append(f"{ts_path.name}: {name}: {source}")
    ET.indent(tree, space="    ")
    with open(ts_path, "w", encoding="utf-8") as out:
        out.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        out.write(ET.tostring(root, encoding="unicode"))
        out.write("\n")
    return missing


def main() -> int:
    if len(sys.argv) < 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    words = json.loads(Path(sys.argv[1]).read_text(encoding="utf-8"))
    files = [Path(p) for p in sys.argv[2:]] or sorted((ROOT / "translations").glob("*.ts"))
    missing = []
    for ts_path in files:
        missing += fill(ts_path, words)
    for line in missing:
        print("untranslated:", line)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
