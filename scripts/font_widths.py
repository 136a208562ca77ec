#!/usr/bin/env python3
# Writes platform/pages/font_widths.cpp: the advance widths of the DejaVu faces the
# page painter draws with, for the characters the reports print, read from the
# installed font files' cmap and hmtx tables.
#
#   scripts/font_widths.py [font folder]   (default: /usr/share/fonts/truetype/dejavu)
import os
import struct
import sys

FACES = [("Sans", "DejaVuSans.ttf"), ("SansBold", "DejaVuSans-Bold.ttf"),
         ("Serif", "DejaVuSerif.ttf"), ("SerifBold", "DejaVuSerif-Bold.ttf")]
# Latin, Latin-1, Cyrillic, dashes and quotes, the numero sign.
RANGES = [(0x20, 0x7E), (0xA0, 0xFF), (0x400, 0x45F), (0x2010, 0x2026), (0x2116, 0x2116)]


def tables(data):
    count = struct.unpack(">H", data[4:6])[0]
    found = {}
    for i in range(count):
        tag, _, offset, _ = struct.unpack(">4sIII", data[12 + 16 * i:28 + 16 * i])
        found[tag.decode()] = offset
    return found


def glyphs(data, cmap):
    """The Unicode BMP subtable (format 4) as {code point: glyph}."""
    out = {}
    for i in range(struct.unpack(">H", data[cmap + 2:cmap + 4])[0]):
        platform, encoding, offset = struct.unpack(">HHI", data[cmap + 4 + 8 * i:cmap + 12 + 8 * i])
        sub = cmap + offset
        if platform != 3 or encoding != 1 or struct.unpack(">H", data[sub:sub + 2])[0] != 4:
            continue
        size = struct.unpack(">H", data[sub + 6:sub + 8])[0]
        n = size // 2
        ends = struct.unpack(">%dH" % n, data[sub + 14:sub + 14 + size])
        starts = struct.unpack(">%dH" % n, data[sub + 16 + size:sub + 16 + 2 * size])
        deltas = struct.unpack(">%dh" % n, data[sub + 16 + 2 * size:sub + 16 + 3 * size])
        ranges = sub + 16 + 3 * size
        offsets = struct.unpack(">%dH" % n, data[ranges:ranges + size])
        for s in range(n):
            for c in range(starts[s], ends[s] + 1):
                if offsets[s] == 0:
                    out[c] = (c + deltas[s]) & 0xFFFF
                    continue
                at = ranges + 2 * s + offsets[s] + 2 * (c - starts[s])
                g = struct.unpack(">H", data[at:at + 2])[0]
                out[c] = (g + deltas[s]) & 0xFFFF if g else 0
    return out


def advances(path):
    data = open(path, "rb").read()
    t = tables(data)
    units = struct.unpack(">H", data[t["head"] + 18:t["head"] + 20])[0]
    metrics = struct.unpack(">H", data[t["hhea"] + 34:t["hhea"] + 36])[0]
    widths = [struct.unpack(">H", data[t["hmtx"] + 4 * i:t["hmtx"] + 4 * i + 2])[0] for i in range(metrics)]
    cmap = glyphs(data, t["cmap"])
    return units, [widths[min(cmap.get(c, 0), metrics - 1)]
                   for first, last in RANGES for c in range(first, last + 1)]


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/fonts/truetype/dejavu"
    lines = ["// Written by scripts/font_widths.py from the DejaVu font files; do not edit.",
             '#include "platform/pages/font_widths.h"', "", "namespace vx::pages {", ""]
    lines.append("const CharRange kCharRanges[] = {")
    lines += ["    {0x%04X, 0x%04X}," % r for r in RANGES]
    lines += ["};", "const int kCharRangeCount = %d;" % len(RANGES), ""]
    for name, file in FACES:
        units, widths = advances(os.path.join(folder, file))
        assert units == 2048, file
        lines.append("const unsigned short k%sWidths[] = {" % name)
        for i in range(0, len(widths), 16):
            lines.append("    " + " ".join("%d," % w for w in widths[i:i + 16]))
        lines += ["};", ""]
    lines.append("}  // namespace vx::pages")
    target = os.path.join(os.path.dirname(__file__), "..", "platform", "pages", "font_widths.cpp")
    with open(target, "w") as out:
        out.write("\n".join(lines) + "\n")


main()
