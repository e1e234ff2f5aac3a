#!/usr/bin/env python3
"""Writes the documents shipped on the shelf: the class documents, the quick tables of the
Library, the notes templates, the articles, the net books, the sample characters and the event
table, from the readable sources under shelf/.

Sources are a small Markdown-like text ("# " and "## " headings, "- " bullets, "| a | b |"
table rows with the first row as the header, **bold**, blank lines between paragraphs); the
class documents are computed from shelf/classes.py. Each RTF is made by our own writer through
`velmora-cli rtf --from html`; articles and the event table are Windows-1252 text, CR LF.

    python3 scripts/assets/make_shelf.py [--cli PATH] [--check] [data folder]

--check writes into a temporary folder and fails when a file differs from the data folder's.
"""

import argparse
import filecmp
import glob
import html
import os
import re
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
SHELF = os.path.join(HERE, "shelf")
sys.path.insert(0, SHELF)
import classes  # noqa: E402

# Markdown folders and where their documents go in the application folder.
FOLDERS = {"library": "Library", "notes": "Documents", "netbooks": "Documents", "characters": "Characters"}


def inline(text):
    text = html.escape(text, quote=False)
    text = re.sub(r"\*\*(.+?)\*\*", r"<b>\1</b>", text)
    return re.sub(r"(?<![\w*])\*(?!\s)(.+?)\*(?![\w*])", r"<i>\1</i>", text)


def table_html(rows):
    """The first row is the header. Columns get fixed widths from their longest text, so the
    editor and the RTF keep them."""
    width = [0] * max(len(r) for r in rows)
    for r in rows:
        for c, cell in enumerate(r):
            width[c] = max(width[c], len(cell))
    pixels = [min(440, max(36, 7 * w + 14)) for w in width]
    # A table stays within a page's width (about 640 pixels): its widest column gives way.
    widest = pixels.index(max(pixels))
    pixels[widest] -= max(0, sum(pixels) - 640)
    out = ['<table border="1" cellspacing="0" cellpadding="3">']
    for n, r in enumerate(rows):
        cells = "".join(
            f'<td width="{pixels[c]}">' + (f"<b>{inline(cell)}</b>" if n == 0 else inline(cell)) + "</td>"
            for c, cell in enumerate(r))
        out.append(f"<tr>{cells}</tr>")
    return "\n".join(out + ["</table>"])


def markdown_html(text):
    blocks, para, bullets, rows = [], [], [], []

    def flush():
        if para:
            blocks.append(f"<p>{inline(' '.join(para))}</p>")
            para.clear()
        if bullets:
            blocks.append("<ul>" + "".join(f"<li>{inline(b)}</li>" for b in bullets) + "</ul>")
            bullets.clear()
        if rows:
            blocks.append(table_html(rows))
            rows.clear()

    for line in text.splitlines():
        line = line.rstrip()
        if line.startswith("|"):
            if para or bullets:
                flush()
            if not re.fullmatch(r"\|[\s|:-]+\|", line):
                rows.append([c.strip() for c in line.strip("|").split("|")])
        elif line.startswith("- "):
            if para or rows:
                flush()
            bullets.append(line[2:])
        elif line.startswith("#"):
            flush()
            level = len(line) - len(line.lstrip("#"))
            size = {1: 16, 2: 13}.get(level, 11)
            blocks.append(f'<h{level} style="font-size: {size}pt">{inline(line[level:].strip())}</h{level}>')
        elif not line:
            flush()
        elif bullets and line.startswith("  "):
            bullets[-1] += " " + line.strip()
        else:
            if rows:
                flush()
            para.append(line.strip())
    flush()
    return "\n".join(blocks)


def page(body):
    return ('<html><head><meta charset="utf-8"></head><body style="font-family: Arial; font-size: 10pt">\n'
            + body + "\n</body></html>\n")


def sources():
    """(html text, relative output path) of every RTF document."""
    for name, text in classes.documents():
        yield page(markdown_html(text)), os.path.join("Documents", name + ".rtf")
    for folder, target in FOLDERS.items():
        for path in sorted(glob.glob(os.path.join(SHELF, folder, "*.md"))):
            with open(path, encoding="utf-8") as f:
                text = f.read()
            yield page(markdown_html(text)), os.path.join(target, os.path.basename(path)[:-3] + ".rtf")


def write_cp1252(path, text, final_newline):
    lines = [line.rstrip() for line in text.strip("\n").split("\n")]
    data = "\r\n".join(lines) + ("\r\n" if final_newline else "")
    with open(path, "wb") as f:
        f.write(data.encode("cp1252"))


def generate(cli, root):
    written = []
    with tempfile.TemporaryDirectory() as scratch:
        for n, (text, relative) in enumerate(sources()):
            source = os.path.join(scratch, f"{n}.html")
            with open(source, "w", encoding="utf-8") as f:
                f.write(text)
            out = os.path.join(root, relative)
            os.makedirs(os.path.dirname(out), exist_ok=True)
            subprocess.run([cli, "rtf", source, "--from", "html", "--out", out], check=True, stdout=subprocess.DEVNULL)
            written.append(relative)
    for path in sorted(glob.glob(os.path.join(SHELF, "articles", "*.txt"))):
        relative = os.path.join("Documents", os.path.basename(path))
        with open(path, encoding="utf-8") as f:
            write_cp1252(os.path.join(root, relative), f.read(), True)
        written.append(relative)
    # No line end after the last event, so that no empty line can be drawn.
    with open(os.path.join(SHELF, "events.txt"), encoding="utf-8") as f:
        os.makedirs(os.path.join(root, "Documents"), exist_ok=True)
        write_cp1252(os.path.join(root, "Documents", "EventGenerator.dat"), f.read(), False)
    written.append(os.path.join("Documents", "EventGenerator.dat"))
    return written


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("data", nargs="?", default=os.path.join(HERE, "..", "..", "data"))
    parser.add_argument("--cli", default=os.path.join(HERE, "..", "..", "build", "src", "cli", "velmora-cli"))
    parser.add_argument("--check", action="store_true")
    args = parser.parse_args()
    if not args.check:
        for relative in generate(args.cli, args.data):
            path = os.path.join(args.data, relative)
            print(f"{os.path.normpath(path)}: {os.path.getsize(path)} bytes")
        return 0
    with tempfile.TemporaryDirectory() as fresh:
        differing = [r for r in generate(args.cli, fresh)
                     if not os.path.isfile(os.path.join(args.data, r))
                     or not filecmp.cmp(os.path.join(fresh, r), os.path.join(args.data, r), shallow=False)]
    for relative in differing:
        print(f"differs from what make_shelf.py writes: data/{relative}", file=sys.stderr)
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main())
