#!/usr/bin/env python3
"""Fills the translations of translations/vexmoor_<language>.ts from word lists.

    python3 scripts/fill-translations.py [WORDS.json...] [TS_FILE...]

Without word lists, translations/words.json; without .ts files, every translations/*.ts. Each
word list maps an English text to its translations (a later list wins), and may give a context
(the first argument of VEXMOOR_TR_NOOP, QT_TRANSLATE_NOOP or translate) its own:

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
    arguments = sys.argv[1:]
    if any(a in ("-h", "--help") for a in arguments):
        print(__doc__.strip())
        return 0
    lists = [Path(a) for a in arguments if a.endswith(".json")] or [ROOT / "translations/words.json"]
    files = [Path(a) for a in arguments if a.endswith(".ts")]
    files = files or sorted((ROOT / "translations").glob("*.ts"))
    words = {}
    for path in lists:
        words.update(json.loads(path.read_text(encoding="utf-8")))
    missing = []
    for ts_path in files:
        missing += fill(ts_path, words)
    for line in missing:
        print("untranslated:", line)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
