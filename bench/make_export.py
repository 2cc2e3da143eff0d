#!/usr/bin/env python3
"""Writes a large bookmarks export of one shape for benchmarking.

Usage: make_export.py SHAPE MEGABYTES OUTPUT

Shapes:
  dense  the browser layout with no icons: nested folders, long tracking
         addresses, ADD_DATE/LAST_MODIFIED, about 550 bytes an entry
  icons  the same, with half the links carrying 2 to 30 KB of ICON data
  mixed  ICON data on 40% of the links, from 120 bytes to 24 KB
  real   the Chromium, Firefox, Edge and Safari exports in tests/corpus,
         repeated
  FILE   an export of your own: its list repeated, inside one head and
         one end (a dense sample of many short entries, say)
Apostrophes, entities and UTF-8 in titles. The same arguments always give
the same bytes.
"""
import base64
import glob
import os
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


ICON_SIZES = {
    "dense": (),
    "icons": (2000, 3000, 5000, 8000, 12000, 18000, 24000, 30000),
    "mixed": (120, 300, 600, 1200, 2500, 4500, 8000, 24000),
}
ICON_SHARE = {"dense": 0, "icons": 0.5, "mixed": 0.4}


def make_icons(rng, shape):
    icons = []
    for size in ICON_SIZES[shape]:
        raw = bytes(rng.getrandbits(8) for _ in range(size * 3 // 4))
        icons.append("data:image/png;base64," + base64.b64encode(raw).decode())
    return icons


def link(rng, indent, stamp, icons, share):
    host = "".join(rng.choice("abcdefghijklmnopqrstuvwxyz") for _ in range(8))
    path = "/".join(rng.choice(WORDS) for _ in range(rng.randint(0, 4)))
    attrs = f'HREF="https://www.{host}.example/{path}?id={stamp}&amp;ref=bm'
    if not icons:  # the long tracking addresses of a dense export
        attrs += "&amp;utm=" + "".join(
            rng.choice("0123456789abcdefABCDEF_-") for _ in
            range(rng.randint(50, 650)))
    attrs += f'" ADD_DATE="{stamp}" LAST_MODIFIED="{stamp + 77}"'
    if rng.random() < share:
        attrs += f' ICON="{icon(rng, icons)}"'
    return f"{indent}<DT><A {attrs}>{title(rng)}</A>\n"


def folder(out, rng, depth, budget, stamp, icons, share):
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
                                          stamp, icons, share)
        else:
            line = link(rng, indent + "    ", stamp, icons, share)
            out.write(line)
            written += len(line.encode())
            if rng.random() < 0.03:
                out.write(f"{indent}    <DD>{title(rng)}\n")
            if rng.random() < 0.01:
                out.write(f"{indent}    <HR>\n")
    out.write(f"{indent}</DL><p>\n")
    return written


def real(out, target):
    here = os.path.dirname(os.path.abspath(__file__))
    files = sorted(f for f in glob.glob(os.path.join(here, "../tests/corpus/*"))
                   if os.path.basename(f).startswith(
                       ("chrome", "firefox", "edge", "safari")))
    exports = [open(f, "rb").read() for f in files]
    written = 0
    while written < target:
        for data in exports:
            out.write(data)
            written += len(data)


def repeated(sample, out, target):
    data = open(sample, "rb").read()
    start = data.index(b"<DL><p>") + len(b"<DL><p>\n")
    end = data.rindex(b"</DL>")
    out.write(data[:start])
    written = start
    while written < target:
        out.write(data[start:end])
        written += end - start
    out.write(data[end:])


def main():
    shape, megabytes, path = sys.argv[1], float(sys.argv[2]), sys.argv[3]
    target = int(megabytes * 1024 * 1024)
    if os.path.isfile(shape):
        with open(path, "wb") as out:
            repeated(shape, out, target)
        return
    if shape == "real":
        with open(path, "wb") as out:
            real(out, target)
        return
    rng = random.Random(20261208)
    icons = make_icons(rng, shape)
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write("<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
                  '<META HTTP-EQUIV="Content-Type" CONTENT="text/html; '
                  'charset=UTF-8">\n<TITLE>Bookmarks</TITLE>\n'
                  "<H1>Bookmarks Menu</H1>\n\n")
        written = 0
        stamp = 1400000000
        while written < target:
            chunk = min(target - written, 8 * 1024 * 1024)
            written += folder(out, rng, 0, chunk, stamp, icons,
                              ICON_SHARE[shape])
            stamp += 10000000


if __name__ == "__main__":
    main()
