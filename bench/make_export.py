#!/usr/bin/env python3
"""Writes a large, realistic bookmarks export for benchmarking.

Usage: make_export.py MEGABYTES OUTPUT

Nested folders, ADD_DATE/LAST_MODIFIED attributes, ICON data URIs on a share
of the links (some of several kilobytes), apostrophes, entities and UTF-8 in
titles. The same size always gives the same bytes.
"""
import base64
import random
import sys

WORDS = ("news research daily notes python rust kernel café Zürich 書籤 "
         "recipes travel music the of and guide review manual open source "
         "weather maps photos Москва naïve résumé tools docs").split()


def title(rng):
    words = [rng.choice(WORDS) for _ in range(rng.randint(1, 7))]
    text = " ".join(words).capitalize()
    roll = rng.random()
    if roll < 0.08:
        text = text.replace(" ", "'s ", 1)
    elif roll < 0.14:
        text += " &amp; more"
    elif roll < 0.16:
        text += " \U0001F4DA"
    return text


def icon(rng, icons):
    return icons[rng.randrange(len(icons))]


def make_icons(rng):
    icons = []
    for size in (120, 300, 600, 1200, 2500, 4500, 8000, 24000):
        raw = bytes(rng.getrandbits(8) for _ in range(size * 3 // 4))
        icons.append("data:image/png;base64," + base64.b64encode(raw).decode())
    return icons


def link(rng, indent, stamp, icons):
    host = "".join(rng.choice("abcdefghijklmnopqrstuvwxyz") for _ in range(8))
    path = "/".join(rng.choice(WORDS) for _ in range(rng.randint(0, 4)))
    attrs = f'HREF="https://www.{host}.example/{path}?id={stamp}&amp;ref=bm" '
    attrs += f'ADD_DATE="{stamp}" LAST_MODIFIED="{stamp + 77}"'
    if rng.random() < 0.4:
        attrs += f' ICON="{icon(rng, icons)}"'
    return f"{indent}<DT><A {attrs}>{title(rng)}</A>\n"


def folder(out, rng, depth, budget, stamp, icons):
    """Writes one folder's list; returns the bytes written."""
    indent = "    " * depth
    written = 0
    out.write(f"{indent}<DL><p>\n")
    while written < budget:
        stamp += rng.randint(1, 5000)
        if depth < 6 and rng.random() < 0.06:
            head = (f'{indent}    <DT><H3 ADD_DATE="{stamp}" '
                    f'LAST_MODIFIED="{stamp + 9}">{title(rng)}</H3>\n')
            out.write(head)
            written += len(head) + folder(out, rng, depth + 1,
                                          rng.randint(2000, budget // 4 + 2000),
                                          stamp, icons)
        else:
            line = link(rng, indent + "    ", stamp, icons)
            out.write(line)
            written += len(line.encode())
            if rng.random() < 0.03:
                out.write(f"{indent}    <DD>{title(rng)}\n")
            if rng.random() < 0.01:
                out.write(f"{indent}    <HR>\n")
    out.write(f"{indent}</DL><p>\n")
    return written


def main():
    megabytes, path = float(sys.argv[1]), sys.argv[2]
    rng = random.Random(20261208)
    icons = make_icons(rng)
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write("<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
                  '<META HTTP-EQUIV="Content-Type" CONTENT="text/html; '
                  'charset=UTF-8">\n<TITLE>Bookmarks</TITLE>\n'
                  "<H1>Bookmarks Menu</H1>\n\n")
        target = int(megabytes * 1024 * 1024)
        written = 0
        stamp = 1400000000
        while written < target:
            chunk = min(target - written, 8 * 1024 * 1024)
            written += folder(out, rng, 0, chunk, stamp, icons)
            stamp += 10000000


if __name__ == "__main__":
    main()
