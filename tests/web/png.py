"""Decodes the PNG files kvir-cli writes (8-bit RGB or RGBA, not interlaced) into RGBA bytes."""
import struct
import zlib


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else b if pb <= pc else c


def decode_png(data):
    """Returns (width, height, rgba bytes)."""
    at, idat = 8, []
    width = height = channels = 0
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if depth != 8 or interlace != 0 or colour not in (2, 6):
                raise ValueError("not an 8-bit non-interlaced RGB or RGBA PNG")
            channels = 3 if colour == 2 else 4
        elif kind == b"IDAT":
            idat.append(body)
        at += 12 + length
    raw = zlib.decompress(b"".join(idat))
    stride = width * channels
    rows = bytearray(stride * height)
    for y in range(height):
        line = raw[y * (stride + 1):(y + 1) * (stride + 1)]
        kind, base, prev = line[0], y * stride, (y - 1) * stride
        for x in range(stride):
            a = rows[base + x - channels] if x >= channels else 0
            b = rows[prev + x] if y > 0 else 0
            c = rows[prev + x - channels] if x >= channels and y > 0 else 0
            predicted = (0, a, b, (a + b) >> 1, _paeth(a, b, c))[kind]
            rows[base + x] = (line[1 + x] + predicted) & 0xFF
    if channels == 4:
        return width, height, bytes(rows)
    rgba = bytearray(b"\xff" * (width * height * 4))
    for i in range(3):
        rgba[i::4] = rows[i::3]
    return width, height, bytes(rgba)
