#!/usr/bin/env python3
"""Writes the program's generated resources next to this script:

- enable_menu.reg / disable_menu.reg: the two registry scripts (UTF-16LE with
  a byte-order mark, CR LF line ends), 322 bytes each;
- quillmend.ico: the window icon at 24, 32, 48 and 128 pixels, drawn here
  (a mouse with its right button lit) as 32-bit images with alpha.

Run it again after changing the drawing; the outputs are committed.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

POLICY_KEY = r"[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Policies\Explorer]"


def registry_script(value):
    lines = ["Windows Registry Editor Version 5.00", "", POLICY_KEY,
             '"NoViewContextMenu"=dword:%08x' % value, ""]
    data = b"\xff\xfe" + "".join(line + "\r\n" for line in lines).encode("utf-16-le")
    assert len(data) == 322, len(data)
    return data


def rounded_box_distance(x, y, cx, cy, hw, hh, r):
    """Signed distance from (x, y) to a rounded rectangle (negative inside)."""
    qx = abs(x - cx) - hw + r
    qy = abs(y - cy) - hh + r
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - r


def shade(u, v):
    """Colour (r, g, b, a) of the icon at unit coordinates u, v in [0, 1)."""
    # Round blue badge behind everything.
    badge = math.hypot(u - 0.5, v - 0.5) - 0.48
    # The mouse body: a tall rounded shape, centred.
    body = rounded_box_distance(u, v, 0.5, 0.53, 0.25, 0.36, 0.22)
    if body < 0:
        edge = body > -0.035
        if edge:
            return (40, 52, 70, 255)
        split_v = abs(v - 0.40) < 0.02 and u > 0.26 and u < 0.74
        split_h = abs(u - 0.5) < 0.02 and v < 0.40
        if split_v or split_h:
            return (40, 52, 70, 255)
        if v < 0.40 and u > 0.5:
            return (232, 72, 56, 255)  # the right button, lit
        return (250, 250, 252, 255)
    if badge < 0:
        return (46, 112, 214, 255)
    return (0, 0, 0, 0)


def draw(size, samples=4):
    """Rows bottom-up of BGRA pixels, each an average of samples x samples."""
    rows = []
    for y in range(size - 1, -1, -1):
        row = bytearray()
        for x in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    r, g, b, a = shade((x + (sx + 0.5) / samples) / size,
                                       (y + (sy + 0.5) / samples) / size)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            n = samples * samples
            alpha = acc[3] / n
            if alpha > 0:
                r, g, b = (round(acc[i] / acc[3]) for i in range(3))
            else:
                r = g = b = 0
            row += bytes((b, g, r, round(alpha)))
        rows.append(bytes(row))
    return rows


def icon_image(size):
    """One icon image: BITMAPINFOHEADER, 32-bit XOR bitmap, 1-bit AND mask."""
    rows = draw(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in rows:
        bits = bytearray(mask_stride)
        for x in range(size):
            if row[x * 4 + 3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + b"".join(rows) + bytes(mask)


def icon_file(sizes):
    images = [icon_image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


if __name__ == "__main__":
    write("enable_menu.reg", registry_script(0))
    write("disable_menu.reg", registry_script(1))
    write("quillmend.ico", icon_file([24, 32, 48, 128]))
