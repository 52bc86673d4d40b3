#!/usr/bin/env python3
"""make_ico.py OUTPUT.ico PNG...: an icon file holding the PNG pictures as
they are (Windows Vista and later read PNG entries at every size)."""
import struct
import sys


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise SystemExit("not a PNG picture")
    return struct.unpack(">II", data[16:24])


def main():
    output, inputs = sys.argv[1], sys.argv[2:]
    pictures = []
    for name in inputs:
        with open(name, "rb") as f:
            pictures.append(f.read())
    header = struct.pack("<HHH", 0, 1, len(pictures))
    offset = len(header) + 16 * len(pictures)
    entries, body = b"", b""
    for data in pictures:
        width, height = png_size(data)
        # 256 is written as 0; the colour count and planes say nothing for PNG.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32,
                               len(data), offset + len(body))
        body += data
    with open(output, "wb") as f:
        f.write(header + entries + body)


main()
