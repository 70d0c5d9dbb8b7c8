#!/usr/bin/env python3
"""Draws the stock art pictures: black line drawings on white, one label at 96 pixels per inch.

The program shows them silver behind the design. Run from anywhere; writes the PNGs beside itself.
"""
import math
import os
import struct
import zlib

PPI = 96


class Picture:
    def __init__(self, width_inches, height_inches):
        self.w = round(width_inches * PPI)
        self.h = round(height_inches * PPI)
        self.pixels = bytearray([255]) * (self.w * self.h)

    def dot(self, x, y, thickness=1):
        for dy in range(thickness):
            for dx in range(thickness):
                px, py = int(round(x)) + dx, int(round(y)) + dy
                if 0 <= px < self.w and 0 <= py < self.h:
                    self.pixels[py * self.w + px] = 0

    def line(self, x0, y0, x1, y1, thickness=1, dash=0):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(int(steps) + 1):
            if dash and (i // dash) % 2:
                continue
            t = i / steps
            self.dot(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, thickness)

    def arc(self, cx, cy, rx, ry, start, end, thickness=1, dash=0):
        steps = int(max(rx, ry) * abs(end - start) * 2) + 8
        for i in range(steps + 1):
            if dash and (i // dash) % 2:
                continue
            a = start + (end - start) * i / steps
            self.dot(cx + rx * math.cos(a), cy + ry * math.sin(a), thickness)

    def ellipse(self, x, y, w, h, thickness=1, dash=0):
        self.arc(x + w / 2, y + h / 2, w / 2, h / 2, 0, 2 * math.pi, thickness, dash)

    def rect(self, x, y, w, h, thickness=1, radius=0):
        r = radius
        self.line(x + r, y, x + w - r, y, thickness)
        self.line(x + r, y + h, x + w - r, y + h, thickness)
        self.line(x, y + r, x, y + h - r, thickness)
        self.line(x + w, y + r, x + w, y + h - r, thickness)
        if r:
            pi = math.pi
            self.arc(x + r, y + r, r, r, pi, 1.5 * pi, thickness)
            self.arc(x + w - r, y + r, r, r, 1.5 * pi, 2 * pi, thickness)
            self.arc(x + w - r, y + h - r, r, r, 0, 0.5 * pi, thickness)
            self.arc(x + r, y + h - r, r, r, 0.5 * pi, pi, thickness)

    def save(self, name):
        rows = b"".join(b"\x00" + bytes(self.pixels[y * self.w:(y + 1) * self.w]) for y in range(self.h))

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        png = b"\x89PNG\r\n\x1a\n"
        png += chunk(b"IHDR", struct.pack(">IIBBBBB", self.w, self.h, 8, 0, 0, 0, 0))
        png += chunk(b"IDAT", zlib.compress(rows, 9))
        png += chunk(b"IEND", b"")
        with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), name), "wb") as f:
            f.write(png)


def diskette(name):
    # A label that wraps over the top edge of a diskette: the fold, a title line and writing lines.
    p = Picture(2.75, 2.75)
    p.rect(2, 2, p.w - 5, p.h - 5, 2, 14)
    p.line(6, 62, p.w - 6, 62, 1, dash=6)
    p.rect(24, 84, p.w - 48, 34, 1, 6)
    for y in range(140, p.h - 20, 24):
        p.line(24, y, p.w - 24, y)
    p.save(name)


def tent_card(name):
    # Folded along the middle; each half has a border.
    p = Picture(8.5, 2.5)
    p.rect(1, 1, p.w - 3, p.h - 3, 2)
    p.line(4, p.h // 2, p.w - 4, p.h // 2, 1, dash=8)
    for top in (14, p.h // 2 + 14):
        p.rect(18, top, p.w - 36, p.h // 2 - 28, 1, 8)
    p.save(name)


def filing(name):
    # A file folder label: the coloured band at the top and one writing line.
    p = Picture(3.4375, 0.66667)
    p.rect(1, 1, p.w - 3, p.h - 3, 2, 8)
    p.line(3, 20, p.w - 3, 20, 2)
    p.line(14, 48, p.w - 14, 48)
    p.save(name)


def index_card(name):
    # Ruled like an index card: a double header line and evenly spaced lines.
    p = Picture(5.0, 3.0)
    p.rect(1, 1, p.w - 3, p.h - 3, 2)
    p.line(4, 52, p.w - 4, 52, 1)
    p.line(4, 56, p.w - 4, 56, 1)
    for y in range(82, p.h - 8, 24):
        p.line(4, y, p.w - 4, y)
    p.line(48, 4, 48, p.h - 4, 1, dash=4)
    p.save(name)


def name_badge(name):
    # A band across the top for the greeting, room for the name below.
    p = Picture(3.375, 2.33333)
    p.rect(1, 1, p.w - 3, p.h - 3, 2, 14)
    p.line(3, 62, p.w - 3, 62, 2)
    p.rect(30, 18, p.w - 60, 28, 1, 6)
    p.line(28, p.h - 46, p.w - 28, p.h - 46)
    p.save(name)


def compact_disc(name):
    # The disc with its centre hole and the clear ring around it.
    p = Picture(4.625, 4.625)
    p.ellipse(1, 1, p.w - 3, p.h - 3, 2)
    hole = 1.6 * PPI
    p.ellipse((p.w - hole) / 2, (p.h - hole) / 2, hole, hole, 2)
    ring = 2.2 * PPI
    p.ellipse((p.w - ring) / 2, (p.h - ring) / 2, ring, ring, 1, dash=5)
    p.save(name)


if __name__ == "__main__":
    diskette("AV5196.png")
    diskette("AV5896.png")
    tent_card("AV5305.png")
    filing("AV5766.png")
    filing("AV8166.png")
    index_card("AV5386.png")
    name_badge("AV5895.png")
    compact_disc("AV5824.png")
