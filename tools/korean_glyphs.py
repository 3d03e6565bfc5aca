#!/usr/bin/env python3
"""korean_glyphs.py -- turns the readable Korean menu file into the glyph-number form the editor reads.

    korean_glyphs.py            write the glyph-number menu file and the glyph list
    korean_glyphs.py --check    only compare them with what would be written; exit 1 when stale

Translators edit tools/korean/menus.txt, a menu file like the English one but written in Hangul.
The editor draws Korean with a glyph sheet rather than a font: every title and item text is a row of
space-separated cell numbers. This tool numbers every character the Korean texts use (sorted, so
the numbering only changes when the set of characters does), writes the menu file in that form and
writes the glyph list the art generator renders the sheet "Korean:menu_text.bmp" from.

Cells are skipped where the sheet or the menu code could not use them:
  - the last column (40 cells a row of 13 texels run past the 512-texel sheet);
  - numbers whose second byte would be "[": the menu splits the shortcut hint off at the last "[".
"""
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SOURCE = os.path.join(ROOT, "tools", "korean", "menus.txt")
MENU_OUT = os.path.join(ROOT, "data", "Aerodeck", "Resources", "menus", "korean", "Wing-Wright.txt")
GLYPHS_OUT = os.path.join(ROOT, "data", "art", "korean_glyphs.txt")

CELLS_PER_ROW = 40
MAX_GLYPH = 999          # the menu reader takes at most three digits a number
MAX_ITEM_BYTES = 39      # two bytes a glyph once read


def usable(n):
    return n % CELLS_PER_ROW != CELLS_PER_ROW - 1 and n % 127 + 1 != ord("[")


def is_plain(text):
    """Separators and spacers stay as they are; everything else is glyph numbers."""
    return text == "" or text[0] in "-="


def split_entry(line):
    """'code   text' -> (code, text) as the menu reader splits it."""
    sp = line.find(" ")
    if sp < 0:
        return line, ""
    return line[:sp], line[sp:].lstrip(" ")


def texts(lines):
    """The title and item texts of the menu part (after the three header lines)."""
    for line in lines[3:]:
        if line:
            yield split_entry(line)[1]


def number_glyphs(lines):
    chars = sorted({c for t in texts(lines) if not is_plain(t) for c in t})
    table, n = {}, 0
    for c in chars:
        while not usable(n):
            n += 1
        table[c] = n
        n += 1
    if n - 1 > MAX_GLYPH:
        sys.exit("korean_glyphs: %d glyphs do not fit three-digit numbers" % len(chars))
    return table


def convert(lines, table):
    out, errors = list(lines[:3]), []
    for no, line in enumerate(lines[3:], 4):
        if not line:
            out.append(line)
            continue
        code, text = split_entry(line)
        if is_plain(text):
            out.append(line)
            continue
        if 2 * len(text) > MAX_ITEM_BYTES:
            errors.append("line %d: \"%s\" is %d glyphs, at most %d fit" % (no, text, len(text), MAX_ITEM_BYTES // 2))
        out.append(code + " " + " ".join(str(table[c]) for c in text))
    return out, errors


def glyph_list(table):
    rows = ["# Korean glyph sheet cells: cell number and the character drawn there (written by tools/korean_glyphs.py)"]
    rows += ["%d U+%04X" % (n, ord(c)) for c, n in sorted(table.items(), key=lambda kv: kv[1])]
    return rows


def main(argv):
    check = "--check" in argv
    with open(SOURCE, encoding="utf-8") as f:
        lines = f.read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    table = number_glyphs(lines)
    menu, errors = convert(lines, table)
    if errors:
        sys.exit("korean_glyphs: " + "\n".join(errors))
    wanted = {MENU_OUT: "\n".join(menu) + "\n", GLYPHS_OUT: "\n".join(glyph_list(table)) + "\n"}
    stale = []
    for path, text in wanted.items():
        have = open(path, encoding="utf-8").read() if os.path.exists(path) else None
        if have == text:
            continue
        stale.append(os.path.relpath(path, ROOT))
        if not check:
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
    if check and stale:
        sys.exit("korean_glyphs: out of date with tools/korean/menus.txt: %s (run tools/korean_glyphs.py)"
                 % ", ".join(stale))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
