#!/usr/bin/env python3
"""Writes src/core/UnicodeProperties.cpp's range tables from Python's Unicode database.

Usage: scripts/gen-unicode-properties.py > /tmp/tables.inc, then paste the two arrays.
"""
import unicodedata as u


def ranges(pred):
    out, start = [], None
    for cp in range(0x80, 0x110000):
        ok = pred(chr(cp))
        if ok and start is None:
            start = cp
        elif not ok and start is not None:
            out.append((start, cp - 1))
            start = None
    if start is not None:
        out.append((start, 0x10FFFF))
    return out


def joins(c):
    cp = ord(c)
    return (u.category(c) in ("Mn", "Mc", "Me") or cp in (0x200C, 0x200D) or 0xFF9E <= cp <= 0xFF9F
            or 0xE0020 <= cp <= 0xE007F)


def emit(name, table):
    print(f"// Unicode {u.unidata_version}")
    print(f"constexpr std::array<Range, {len(table)}> {name}{{{{")
    line = "   "
    for a, b in table:
        item = f" {{0x{a:X}, 0x{b:X}}},"
        if len(line) + len(item) > 116:
            print(line)
            line = "   "
        line += item
    print(line)
    print("}};")


emit("kNumeric", ranges(lambda c: u.numeric(c, None) is not None))
emit("kJoining", ranges(joins))
