#!/usr/bin/env python3
"""korean_glyphs.py -- turns the readable Korean menu and text files into the glyph-number form the editor reads.

    korean_glyphs.py            write the glyph-number menu and text files and the glyph list
    korean_glyphs.py --check    only compare them with what would be written; exit 1 when stale

Translators edit tools/korean/menus.txt and tools/korean/text.txt, a menu file and a text file like
the English ones but written in Hangul. The editor draws Hangul with a glyph sheet rather than a
font: every title, item and text line is a row of space-separated numbers, one a character.
A number below 127 is that ASCII character itself (units, field codes, key hints, the "|", "{"
and "-" separators, spaces), drawn with the Latin font. Every other character gets a cell of the
sheet, 127 and up: those the menus use first (the menu reader takes at most three digits), then
those only the text lines use, each group sorted, so the numbering only changes when the set of
characters does. The tool writes both files in that form and writes the glyph list the art
generator renders the sheet "Korean:menu_text.bmp" from.

A cell is held in memory as two bytes, n / 127 + 1 and n % 127 + 1. Cells are skipped where the
sheet or the editor could not use them:
  - the last column (40 cells a row of 13 texels run past the 512-texel sheet);
  - a first byte that is a tab, line feed or carriage return (the text drawing skips those);
  - a second byte that the label, list, wrap or hint code splits at.
"""
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
MENU_SOURCE = os.path.join(ROOT, "tools", "korean", "menus.txt")
TEXT_SOURCE = os.path.join(ROOT, "tools", "korean", "text.txt")
RESOURCES = os.path.join(ROOT, "data", "Aerodeck", "Resources")
MENU_OUT = os.path.join(RESOURCES, "menus", "korean", "Wing-Wright.txt")
TEXT_OUT = os.path.join(RESOURCES, "text", "korean", "Wing-Wright.txt")
GLYPHS_OUT = os.path.join(ROOT, "data", "art", "korean_glyphs.txt")

CELLS_PER_ROW = 40
ROWS = 512 // 13
FIRST_CELL = 127
MAX_MENU_GLYPH = 999     # the menu reader takes at most three digits a number
MAX_ITEM_BYTES = 39
MAX_TEXT_BYTES = 511     # a text line's field, less its NUL
SPLIT_AT = set(" -/:|{}[]%\"\t\n\r")


def usable(n):
    first, second = n // 127 + 1, chr(n % 127 + 1)
    return n % CELLS_PER_ROW != CELLS_PER_ROW - 1 and first not in (9, 10, 13) and second not in SPLIT_AT


def is_plain(text):
    """Menu separators and spacers stay as they are."""
    return text == "" or text[0] in "-="


def split_entry(line):
    """'code   text' -> (code, text) as the menu reader splits it."""
    sp = line.find(" ")
    if sp < 0:
        return line, ""
    return line[:sp], line[sp:].lstrip(" ")


def menu_texts(lines):
    """The title and item texts of the menu part (after the three header lines)."""
    for line in lines[3:]:
        if line:
            text = split_entry(line)[1]
            if not is_plain(text):
                yield text


def text_entries(lines):
    """(line number, index, text) of the text file's numbered lines, up to the ending negative index."""
    for no, line in enumerate(lines[2:], 3):
        head, _, rest = line.partition(" ")
        try:
            index = int(head)
        except ValueError:
            sys.exit("korean_glyphs: text.txt line %d has no index: %s" % (no, line))
        if index < 0:
            return
        yield no, index, rest.lstrip(" ")
    sys.exit("korean_glyphs: text.txt does not end with a negative index")


def number_glyphs(menu_chars, text_chars):
    table, n = {}, FIRST_CELL
    for group in (sorted(menu_chars), sorted(text_chars - menu_chars)):
        for c in group:
            while not usable(n):
                n += 1
            table[c] = n
            n += 1
    if n > CELLS_PER_ROW * ROWS:
        sys.exit("korean_glyphs: %d glyphs do not fit the sheet" % len(table))
    if any(table[c] > MAX_MENU_GLYPH for c in menu_chars):
        sys.exit("korean_glyphs: the menus' glyphs do not fit three-digit numbers")
    return table


def numbers(text, table):
    return " ".join(str(ord(c) if ord(c) < 127 else table[c]) for c in text)


def byte_length(text):
    return sum(1 if ord(c) < 127 else 2 for c in text)


def convert_menus(lines, table):
    out, errors = list(lines[:3]), []
    for no, line in enumerate(lines[3:], 4):
        code, text = split_entry(line)
        if not line or is_plain(text):
            out.append(line)
            continue
        if byte_length(text) > MAX_ITEM_BYTES:
            errors.append("menus.txt line %d: \"%s\" takes %d bytes, at most %d fit" % (no, text, byte_length(text), MAX_ITEM_BYTES))
        out.append(code + " " + numbers(text, table))
    return out, errors


def convert_text(lines, table):
    out, errors = list(lines[:2]), []
    entries = list(text_entries(lines))
    for no, index, text in entries:
        if byte_length(text) > MAX_TEXT_BYTES:
            errors.append("text.txt line %d: line %d takes %d bytes, at most %d fit" % (no, index, byte_length(text), MAX_TEXT_BYTES))
        out.append("%d %s" % (index, numbers(text, table)))
    out += lines[2 + len(entries):]
    return out, errors


def glyph_list(table):
    rows = ["# Korean glyph sheet cells: cell number and the character drawn there (written by tools/korean_glyphs.py)"]
    rows += ["%d U+%04X" % (n, ord(c)) for c, n in sorted(table.items(), key=lambda kv: kv[1])]
    return rows


def read_lines(path):
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    return lines


def main(argv):
    check = "--check" in argv
    menu_lines, text_lines = read_lines(MENU_SOURCE), read_lines(TEXT_SOURCE)
    wide = lambda texts: {c for t in texts for c in t if ord(c) >= 127}
    table = number_glyphs(wide(menu_texts(menu_lines)), wide(t for _, _, t in text_entries(text_lines)))
    menu, errors = convert_menus(menu_lines, table)
    text, text_errors = convert_text(text_lines, table)
    errors += text_errors
    if errors:
        sys.exit("korean_glyphs: " + "\n".join(errors))
    wanted = {MENU_OUT: "\n".join(menu) + "\n", TEXT_OUT: "\n".join(text) + "\n",
              GLYPHS_OUT: "\n".join(glyph_list(table)) + "\n"}
    stale = []
    for path, content in wanted.items():
        have = open(path, encoding="utf-8").read() if os.path.exists(path) else None
        if have == content:
            continue
        stale.append(os.path.relpath(path, ROOT))
        if not check:
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "w", encoding="utf-8") as f:
                f.write(content)
    if check and stale:
        sys.exit("korean_glyphs: out of date with tools/korean/: %s (run tools/korean_glyphs.py)" % ", ".join(stale))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
