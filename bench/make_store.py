#!/usr/bin/env python3
"""Writes a Chromium `Bookmarks` store and the HTML export Chromium writes
for it, from the same bookmarks, for timing one against the other.

Usage: make_store.py COUNT BOOKMARKS.json EXPORT.html

COUNT links in nested folders, with the titles and addresses of
make_export.py's dense shape; the store is laid out as Chromium writes it
(three spaces a level), and the export follows bookmark_html_writer.cc
(CR LF, ADD_DATE and LAST_MODIFIED, the bar as a folder, the children of
"other" at the top level). The same arguments always give the same bytes.
"""
import json
import random
import sys

from make_export import WORDS, title

# Chromium's times are microseconds since 1601.
EPOCH_DELTA_US = 11644473600 * 1000000


def html(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;")
            .replace(">", "&gt;").replace('"', "&quot;")
            .replace("'", "&#39;"))


class Maker:
    def __init__(self, count):
        self.rng = random.Random(7)
        self.left = count
        self.next_id = 4
        self.stamp = 1600000000

    def node(self, kind, name):
        self.stamp += self.rng.randint(1, 5000)
        us = str(self.stamp * 1000000 + EPOCH_DELTA_US)
        node = {"date_added": us, "date_last_used": "0",
                "guid": "%08x-0000-4000-8000-%012x" % (self.next_id,
                                                       self.next_id),
                "id": str(self.next_id), "name": name, "type": kind}
        self.next_id += 1
        return node

    def link(self):
        rng = self.rng
        host = "".join(rng.choice("abcdefghijklmnopqrstuvwxyz")
                       for _ in range(8))
        path = "/".join(rng.choice(WORDS) for _ in range(rng.randint(0, 4)))
        url = (f"https://www.{host}.example/{path}?id={self.stamp}&ref=bm"
               "&utm=" + "".join(rng.choice("0123456789abcdefABCDEF_-")
                                 for _ in range(rng.randint(50, 650))))
        node = self.node("url", title(rng).replace("&amp;", "&"))
        node["url"] = url
        self.left -= 1
        return node

    def folder(self, depth, budget):
        node = self.node("folder", title(self.rng).replace("&amp;", "&"))
        node["children"] = []
        node["date_modified"] = node["date_added"]
        while budget > 0 and self.left > 0:
            if depth < 6 and self.rng.random() < 0.06:
                part = self.rng.randint(4, budget // 4 + 4)
                node["children"].append(self.folder(depth + 1, part))
                budget -= part
            else:
                node["children"].append(self.link())
                budget -= 1
        return node


def seconds(us):
    return str((int(us) - EPOCH_DELTA_US) // 1000000)


def write_html(out, node, indent, bar=False):
    if node["type"] == "url":
        out.append(f'{indent}<DT><A HREF="{node["url"].replace(chr(34), "&quot;")}"'
                   f' ADD_DATE="{seconds(node["date_added"])}">'
                   f'{html(node["name"])}</A>\r\n')
        return
    attrs = (f'ADD_DATE="{seconds(node["date_added"])}" '
             f'LAST_MODIFIED="{seconds(node["date_modified"])}"')
    if bar:
        attrs += ' PERSONAL_TOOLBAR_FOLDER="true"'
    out.append(f'{indent}<DT><H3 {attrs}>{html(node["name"])}</H3>\r\n'
               f'{indent}<DL><p>\r\n')
    for child in node["children"]:
        write_html(out, child, indent + "    ")
    out.append(f'{indent}</DL><p>\r\n')


def main():
    count, store_path, export_path = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    maker = Maker(count)
    bar = maker.folder(0, count // 10)
    bar["name"] = "Bookmarks bar"
    other = maker.folder(0, count)
    other["name"] = "Other bookmarks"
    synced = maker.folder(0, 0)
    synced["name"] = "Mobile bookmarks"
    store = {"checksum": "0" * 32,
             "roots": {"bookmark_bar": bar, "other": other, "synced": synced},
             "version": 1}
    with open(store_path, "w", encoding="utf-8") as f:
        json.dump(store, f, indent=3, ensure_ascii=False, sort_keys=True)
    out = ["<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n"
           "<!-- This is an automatically generated file.\r\n"
           "     It will be read and overwritten.\r\n"
           "     DO NOT EDIT! -->\r\n"
           '<META HTTP-EQUIV="Content-Type" CONTENT="text/html; '
           'charset=UTF-8">\r\n'
           "<TITLE>Bookmarks</TITLE>\r\n<H1>Bookmarks</H1>\r\n<DL><p>\r\n"]
    write_html(out, bar, "    ", bar=True)
    for root in (other, synced):
        for child in root["children"]:
            write_html(out, child, "    ")
    out.append("</DL><p>\r\n")
    with open(export_path, "w", encoding="utf-8", newline="") as f:
        f.write("".join(out))


if __name__ == "__main__":
    main()
