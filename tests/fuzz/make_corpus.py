#!/usr/bin/env python3
"""Writes the crafted seed inputs of corpus/ (see IfTableFuzz.h for the layout)."""
import os
import struct

ROW = 860
HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


def row(name, index, kind, octets_in, octets_out, descr=b"", addr=b"", last_change=0):
    r = bytearray(ROW)
    units = name.encode("utf-16-le", "surrogatepass")[:510]
    r[0:len(units)] = units
    struct.pack_into("<IIII", r, 512, index, kind, 1500, 1000000000)
    struct.pack_into("<I", r, 528, len(addr))
    r[532:532 + min(8, len(addr))] = addr[:8]
    struct.pack_into("<III", r, 540, 1, 1, last_change)
    struct.pack_into("<I", r, 552, octets_in)
    struct.pack_into("<I", r, 576, octets_out)
    struct.pack_into("<I", r, 600, len(descr))
    r[604:604 + min(256, len(descr))] = descr[:256]
    return bytes(r)


def table(rows, claimed=None):
    return struct.pack("<I", len(rows) if claimed is None else claimed) + b"".join(rows)


def call(image, probe_result=0, probe_size=None, fill_result=0, reported=None):
    size = len(image) if probe_size is None else probe_size
    return (bytes([probe_result]) + struct.pack("<I", size) + bytes([fill_result]) +
            struct.pack("<I", size if reported is None else reported) + image)


loop = row("Loopback Pseudo-Interface 1", 1, 24, 0, 0, b"Software Loopback Interface 1")
eth = row("{6B29FC40-CA47-1067-B31D-00DD010662DA}", 11, 6, 4000000000, 123456,
          b"Intel(R) Ethernet Connection\0", b"\x00\x1a\x2b\x00\x04\x5f", 45000)
wifi = row("W\u00e4rme \U0001F600 Wi-Fi", 7, 71, 0xFFFFFFFF, 1, bytes(range(1, 256)) * 2,
           b"\xff" * 12, 0xFFFFFFFF)
seeds = {
    "two-rows": call(table([loop, eth])),
    "three-rows-wide-text": call(table([loop, eth, wifi])),
    "claims-more-rows-than-sent": call(table([eth], claimed=1000)),
    "truncated-second-row": call(table([loop, eth])[: 4 + ROW + 300]),
    "header-only": call(table([])),
    "not-supported": call(b"", probe_result=50, probe_size=0),
    "probe-too-big": call(table([eth]), probe_size=0x7FFFFFFF),
    "fill-fails": call(table([eth]), fill_result=122),
    "reports-larger-size": call(table([loop]), reported=0xFFFFFFF0),
    "buffer-smaller-than-image": call(table([loop, eth, wifi]), probe_size=4 + ROW + 10),
}
os.makedirs(HERE, exist_ok=True)
for name, data in seeds.items():
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(data)
