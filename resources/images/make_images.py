#!/usr/bin/env python3
"""Draws the program's icons and bitmaps (our own pictures) as PNG files beside this script.

Run it again after changing a drawing; the PNGs are committed so the build needs no Python.
"""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


class Canvas:
    def __init__(self, w, h, bg=(0, 0, 0, 0)):
        self.w, self.h = w, h
        self.px = [[bg for _ in range(w)] for _ in range(h)]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        self.line(x0, y0, x1, y0, c)
        self.line(x1, y0, x1, y1, c)
        self.line(x1, y1, x0, y1, c)
        self.line(x0, y1, x0, y0, c)

    def line(self, x0, y0, x1, y1, c):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.set(x0, y0, c)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def disc(self, cx, cy, r, c):
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r + r:
                    self.set(x, y, c)

    def polygon(self, pts, c):
        ys = [p[1] for p in pts]
        for y in range(min(ys), max(ys) + 1):
            xs = []
            n = len(pts)
            for i in range(n):
                (xa, ya), (xb, yb) = pts[i], pts[(i + 1) % n]
                if ya == yb:
                    continue
                if min(ya, yb) <= y < max(ya, yb):
                    xs.append(xa + (y - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for a, b in zip(xs[::2], xs[1::2]):
                for x in range(int(round(a)), int(round(b)) + 1):
                    self.set(x, y, c)

    def blit(self, other, ox, oy):
        for y in range(other.h):
            for x in range(other.w):
                if other.px[y][x][3]:
                    self.set(ox + x, oy + y, other.px[y][x])

    def save(self, name):
        raw = b"".join(b"\x00" + b"".join(bytes(p) for p in row) for row in self.px)
        def chunk(tag, data):
            return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data))
        png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", self.w, self.h, 8, 6, 0, 0, 0))
        png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(png)


BLACK, WHITE = (0, 0, 0, 255), (255, 255, 255, 255)
GREY, DARK = (160, 160, 160, 255), (90, 90, 90, 255)
YELLOW, BLUE = (235, 200, 60, 255), (40, 80, 200, 255)
RED, GREEN = (210, 30, 30, 255), (30, 160, 60, 255)
LIGHT_GREEN, CYAN = (128, 255, 128, 255), (0, 255, 255, 255)


def tool_open():
    c = Canvas(16, 15)
    c.polygon([(1, 4), (6, 4), (7, 5), (13, 5), (13, 13), (1, 13)], YELLOW)
    c.frame(1, 4, 13, 13, DARK)
    c.polygon([(3, 8), (15, 8), (13, 13), (1, 13)], (250, 225, 110, 255))
    return c


def tool_save():
    c = Canvas(16, 15)
    c.rect(1, 1, 14, 13, BLUE)
    c.rect(4, 1, 11, 5, WHITE)
    c.rect(4, 9, 11, 13, GREY)
    c.rect(9, 2, 10, 4, BLACK)
    return c


def tool_print():
    c = Canvas(16, 15)
    c.rect(4, 1, 11, 5, WHITE)
    c.frame(4, 1, 11, 5, DARK)
    c.rect(1, 6, 14, 11, GREY)
    c.frame(1, 6, 14, 11, DARK)
    c.rect(4, 10, 11, 14, WHITE)
    c.frame(4, 10, 11, 14, DARK)
    c.set(12, 8, GREEN)
    return c


def tool_help():
    c = Canvas(16, 15)
    c.disc(7, 7, 6, BLUE)
    for x, y in [(5, 4), (6, 3), (7, 3), (8, 3), (9, 4), (9, 5), (8, 6), (7, 7), (7, 8), (7, 10)]:
        c.set(x, y, WHITE)
    return c


def tool_cut():
    c = Canvas(16, 15)
    c.line(4, 1, 9, 9, DARK)
    c.line(11, 1, 6, 9, DARK)
    c.disc(5, 11, 2, BLACK)
    c.disc(10, 11, 2, BLACK)
    c.set(5, 11, WHITE)
    c.set(10, 11, WHITE)
    return c


def tool_copy():
    c = Canvas(16, 15)
    c.rect(1, 1, 8, 9, WHITE)
    c.frame(1, 1, 8, 9, DARK)
    c.rect(6, 5, 13, 13, WHITE)
    c.frame(6, 5, 13, 13, DARK)
    for y in (7, 9, 11):
        c.line(8, y, 11, y, BLUE)
    return c


def tool_paste():
    c = Canvas(16, 15)
    c.rect(1, 2, 10, 13, (180, 130, 70, 255))
    c.rect(3, 1, 8, 3, GREY)
    c.rect(6, 6, 14, 14, WHITE)
    c.frame(6, 6, 14, 14, DARK)
    return c


def tool_knob():
    c = Canvas(16, 15)
    c.disc(7, 7, 6, DARK)
    c.disc(7, 7, 4, LIGHT_GREEN)
    c.line(7, 7, 4, 3, RED)
    return c


def tool_chart():
    c = Canvas(16, 15)
    c.rect(1, 1, 14, 13, (247, 247, 255, 255))
    c.frame(1, 1, 14, 13, DARK)
    pts = [(2, 11), (5, 8), (8, 9), (11, 4), (13, 5)]
    for a, b in zip(pts, pts[1:]):
        c.line(*a, *b, GREEN)
    return c


def tool_steps():
    c = Canvas(16, 15)
    c.line(1, 13, 4, 13, BLUE)
    c.line(4, 13, 4, 9, BLUE)
    c.line(4, 9, 8, 9, BLUE)
    c.line(8, 9, 8, 5, BLUE)
    c.line(8, 5, 12, 5, BLUE)
    c.line(12, 5, 12, 1, BLUE)
    c.line(12, 1, 14, 1, BLUE)
    return c


def toolbar():
    # Images in the toolbar's button order: open, save, print, help contents, cut, 32785, copy,
    # paste, 32783, 32784.
    images = [tool_open, tool_save, tool_print, tool_help, tool_cut, tool_knob, tool_copy,
              tool_paste, tool_chart, tool_steps]
    strip = Canvas(16 * len(images), 15)
    for i, draw in enumerate(images):
        strip.blit(draw(), 16 * i, 0)
    strip.save("toolbar128.png")


def supply(c, ox, oy, s):
    """A bench supply front: case, display and two knobs, scaled by s."""
    c.rect(ox, oy + 4 * s, ox + 31 * s, oy + 27 * s, (70, 90, 120, 255))
    c.rect(ox + 3 * s, oy + 8 * s, ox + 16 * s, oy + 15 * s, (20, 40, 20, 255))
    c.line(ox + 5 * s, oy + 12 * s, ox + 14 * s, oy + 12 * s, LIGHT_GREEN)
    c.disc(ox + 22 * s, oy + 11 * s, 3 * s, GREY)
    c.disc(ox + 22 * s, oy + 21 * s, 3 * s, GREY)
    c.disc(ox + 7 * s, oy + 21 * s, 2 * s, RED)
    c.disc(ox + 13 * s, oy + 21 * s, 2 * s, BLACK)


def icons():
    c = Canvas(32, 32)
    supply(c, 0, 0, 1)
    c.save("icon128.png")
    for name, ok in (("icon131.png", False), ("icon132.png", True)):
        c = Canvas(32, 32)
        # A plug with its cable; green when the device answers, grey with a red cross when not.
        body = GREEN if ok else GREY
        c.rect(9, 10, 22, 21, body)
        c.rect(12, 4, 13, 9, DARK)
        c.rect(18, 4, 19, 9, DARK)
        c.rect(15, 22, 16, 30, DARK)
        if not ok:
            for d in range(-1, 2):
                c.line(4 + d, 4, 27 + d, 27, RED)
                c.line(27 + d, 4, 4 + d, 27, RED)
        c.save(name)


def arrows():
    for name, right in (("bmp140.png", True), ("bmp141.png", False)):
        c = Canvas(13, 55, (212, 208, 200, 255))
        pts = [(3, 19), (10, 27), (3, 35)] if right else [(10, 19), (3, 27), (10, 35)]
        c.polygon(pts, BLACK)
        c.save(name)


# The application icon for the desktop's icon theme, in a 32-unit square: the bench supply of
# icon128 with a stepped trace on its display. One list of shapes gives both the SVG and the PNGs.
APP_ID = "org.ktx2300m.KTX2300M"
APP_SHAPES = [
    ("rect", 1.5, 5, 30.5, 28, 3, (70, 90, 120)),
    ("rect", 2.5, 6, 29.5, 8, 1, (100, 122, 155)),
    ("rect", 4.5, 10, 18.5, 18, 1, (20, 40, 20)),
    ("rect", 6, 15, 9.5, 16, 0, (128, 255, 128)),
    ("rect", 8.5, 13, 9.5, 16, 0, (128, 255, 128)),
    ("rect", 8.5, 13, 13, 14, 0, (128, 255, 128)),
    ("rect", 12, 11.5, 13, 14, 0, (128, 255, 128)),
    ("rect", 12, 11.5, 17, 12.5, 0, (128, 255, 128)),
    ("circle", 24.5, 12.5, 3.5, (200, 200, 200)),
    ("rect", 24, 9.5, 25, 12.5, 0, (60, 60, 60)),
    ("circle", 24.5, 22.5, 3, (200, 200, 200)),
    ("circle", 8, 23, 2.2, (210, 30, 30)),
    ("circle", 14, 23, 2.2, (20, 20, 20)),
]


def inside(shape, x, y):
    if shape[0] == "circle":
        _, cx, cy, r, _ = shape
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    _, x0, y0, x1, y1, r, _ = shape
    if not (x0 <= x <= x1 and y0 <= y <= y1):
        return False
    dx = max(x0 + r - x, 0, x - (x1 - r))
    dy = max(y0 + r - y, 0, y - (y1 - r))
    return dx * dx + dy * dy <= r * r


def app_icon_png(size, path):
    """Rasterises the shapes with 4 x 4 samples per pixel, so small sizes stay smooth."""
    c = Canvas(size, size)
    n = 4
    unit = 32.0 / size
    for py in range(size):
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(n):
                for sx in range(n):
                    x = (px + (sx + 0.5) / n) * unit
                    y = (py + (sy + 0.5) / n) * unit
                    colour = None
                    for shape in APP_SHAPES:
                        if inside(shape, x, y):
                            colour = shape[-1]
                    if colour:
                        acc[0] += colour[0]
                        acc[1] += colour[1]
                        acc[2] += colour[2]
                        acc[3] += 1
            if acc[3]:
                k = acc[3]
                c.px[py][px] = (acc[0] // k, acc[1] // k, acc[2] // k, 255 * k // (n * n))
    c.save(path)


def app_icon_svg(path):
    rows = ['<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">']
    for shape in APP_SHAPES:
        fill = "#%02x%02x%02x" % shape[-1]
        if shape[0] == "circle":
            _, cx, cy, r, _ = shape
            rows.append(f'  <circle cx="{cx:g}" cy="{cy:g}" r="{r:g}" fill="{fill}"/>')
        else:
            _, x0, y0, x1, y1, r, _ = shape
            rows.append(f'  <rect x="{x0:g}" y="{y0:g}" width="{x1 - x0:g}" height="{y1 - y0:g}"'
                        f' rx="{r:g}" fill="{fill}"/>')
    rows.append("</svg>")
    with open(os.path.join(HERE, path), "w") as f:
        f.write("\n".join(rows) + "\n")


def app_icons():
    # Laid out as the hicolor theme is, so the folder installs as it stands.
    base = os.path.join("..", "desktop", "icons")
    for size in (16, 24, 32, 48, 64, 128, 256):
        folder = os.path.join(base, f"{size}x{size}", "apps")
        os.makedirs(os.path.join(HERE, folder), exist_ok=True)
        app_icon_png(size, os.path.join(folder, APP_ID + ".png"))
    folder = os.path.join(base, "scalable", "apps")
    os.makedirs(os.path.join(HERE, folder), exist_ok=True)
    app_icon_svg(os.path.join(folder, APP_ID + ".svg"))


if __name__ == "__main__":
    toolbar()
    icons()
    arrows()
    app_icons()
