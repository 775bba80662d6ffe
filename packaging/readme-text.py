#!/usr/bin/env python3
"""The Japanese README as a text file for Notepad on a Japanese PC.

  packaging/readme-text.py README.md >README.txt

The part of README.md from the line "# ミナモ" (the developers' lines above
it are left out) up to the line "# Minamo (English)", written as plain text:
headings as lines of their own, tables as aligned columns, code blocks
indented, no Markdown marks, no pictures (the zip holds none) and no links
to files beside README.md. Shift-JIS (code page 932) with CRLF line ends.
Fails, naming the line, when a character has no Shift-JIS form.
"""
import re
import sys
import unicodedata

START, END = "# ミナモ", "# Minamo (English)"

# Characters that UTF-8 text often holds in the forms code page 932 does
# not have, turned into the forms it has (wave dash, minus, double bar,
# em dash, cent, pound, not).
CODE_PAGE_FORMS = str.maketrans("〜−‖—¢£¬", "～－∥―￠￡￢")


def japanese_part(lines):
    part, on = [], False
    for line in lines:
        line = line.rstrip("\r\n")
        if line == START:
            on = True
        elif line == END:
            break
        if on:
            part.append(line)
    return part


def width(text):
    """Columns in Notepad's fixed font: two for a wide character."""
    return sum(2 if unicodedata.east_asian_width(c) in "WF" else 1 for c in text)


def inline(text):
    text = re.sub(r"!\[[^\]]*\]\([^)]*\)", "", text)  # pictures
    # Links: a web address stays with its text; a file beside README.md
    # is not in the zip.
    text = re.sub(r"\[([^\]]*)\]\((https?://[^)]*)\)", r"\1（\2）", text)
    text = re.sub(r"\[([^\]]*)\]\([^)]*\)", r"\1", text)
    text = re.sub(r"\*\*(.+?)\*\*", r"\1", text)
    return text.replace("`", "")


def table(rows):
    cells = [[inline(c.strip()) for c in row.strip().strip("|").split("|")] for row in rows]
    cells = [row for row in cells if not all(re.fullmatch(r":?-+:?", c) for c in row)]
    columns = max(len(row) for row in cells)
    widths = [max(width(row[i]) for row in cells if i < len(row)) for i in range(columns)]
    out = []
    for n, row in enumerate(cells):
        line = "  ".join(c + " " * (widths[i] - width(c)) for i, c in enumerate(row)).rstrip()
        out.append("  " + line)
        if n == 0:
            out.append("  " + "  ".join("-" * min(w, 40) for w in widths))
    return out


def plain(lines):
    out, rows, in_code = [], [], False

    def flush_table():
        if rows:
            out.extend(table(rows))
            rows.clear()

    for line in lines:
        if line.startswith("```"):
            in_code = not in_code
            continue
        if in_code:
            out.append("    " + line if line else "")
            continue
        if line.startswith("|"):
            rows.append(line)
            continue
        flush_table()
        heading = re.match(r"(#+) (.*)", line)
        if heading:
            level, title = len(heading.group(1)), inline(heading.group(2))
            if level == 1:
                out += [title, "=" * width(title)]
            else:
                out.append(("■ " if level == 2 else "◆ ") + title)
            continue
        text = inline(line)
        if line.strip() and not text.strip():
            # A line that held only a picture goes, with the caption that
            # introduced it.
            while out and not out[-1].strip():
                out.pop()
            if out and out[-1].endswith((":", "：")):
                out.pop()
            continue
        out.append(re.sub(r"^(\s*)- ", r"\1・", text))
    flush_table()
    return drop_empty_sections(out)


def drop_empty_sections(lines):
    """A heading whose section held only pictures goes with them."""
    out = []
    for i, line in enumerate(lines):
        if line.startswith(("■ ", "◆ ")):
            rest = lines[i + 1:]
            body = next((l for l in rest if l.strip()), None)
            if body is None or body.startswith(("■ ", "◆ ")):
                continue
        if not line.strip() and out and not out[-1].strip():
            continue  # one blank line between parts
        out.append(line)
    while out and not out[-1].strip():
        out.pop()
    return out


def main():
    with open(sys.argv[1], encoding="utf-8") as readme:
        lines = plain(japanese_part(readme))
    encoded, bad = [], False
    for n, line in enumerate(lines, 1):
        line = line.translate(CODE_PAGE_FORMS)
        try:
            encoded.append(line.encode("cp932") + b"\r\n")
        except UnicodeEncodeError:
            print(f"readme-text: no Shift-JIS form in line {n}: {line}", file=sys.stderr)
            bad = True
    if bad:
        sys.exit(1)
    sys.stdout.buffer.write(b"".join(encoded))


if __name__ == "__main__":
    main()
