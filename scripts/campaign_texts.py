#!/usr/bin/env python3
"""Prints the briefings of campaign files as a gettext template fragment.

A briefing is looked up in the catalogue by its whole text, so a shipped
campaign's briefings translate as the built-in ones do. The built-in
campaign's texts come from the code (marked N_), so its file is skipped.
Usage: campaign_texts.py FILE...
"""
import sys


def briefings(path):
    texts, current = [], None
    with open(path, encoding="utf-8") as f:
        for line in f.read().split("\n"):
            word = line.split(" ", 1)[0]
            if word in ("before", "after"):
                if current is not None:
                    texts.append("\n".join(current))
                current = []
            elif word == "text" and current is not None:
                current.append(line[5:] if line.startswith("text ") else "")
            elif word and not line.startswith("#") and current is not None and word != "text":
                texts.append("\n".join(current))
                current = None
    if current is not None:
        texts.append("\n".join(current))
    return texts


def po_string(text):
    escaped = text.replace("\\", "\\\\").replace('"', '\\"')
    lines = escaped.split("\n")
    if len(lines) == 1:
        return '"' + lines[0] + '"'
    parts = [line + "\\n" for line in lines[:-1]] + [lines[-1]]
    return '""\n' + "\n".join('"' + p + '"' for p in parts if p != "")


for path in sys.argv[1:]:
    for text in briefings(path):
        print(f"#: {path}")
        print("msgid " + po_string(text))
        print('msgstr ""')
        print()
