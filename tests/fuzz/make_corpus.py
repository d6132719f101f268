#!/usr/bin/env python3
"""Writes the crafted seed inputs of corpus/ (see IfTableFuzz.h for the layout) and of
corpus-link/ (RTM_NEWLINK payloads: an ifinfomsg and its attributes)."""
import os
import struct

ROW = 860
HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")
LINK = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus-link")


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


def attr(kind, data):
    length = 4 + len(data)
    return struct.pack("<HH", length, kind) + data + bytes((4 - length % 4) % 4)


def link(index, arphrd, attrs):
    return struct.pack("<BBHiII", 0, 0, arphrd, index, 0x1043, 0) + b"".join(attrs)


IFLA_ADDRESS, IFLA_IFNAME, IFLA_MTU, IFLA_STATS, IFLA_OPERSTATE, IFLA_STATS64 = 1, 3, 4, 7, 16, 23
stats64 = struct.pack("<24Q", *range(100, 124))
stats32 = struct.pack("<24I", *range(200, 224))
links = {
    "ethernet-stats64": link(2, 1, [attr(IFLA_IFNAME, b"eth0\0"), attr(IFLA_MTU, struct.pack("<I", 1500)),
                                    attr(IFLA_ADDRESS, b"\x00\x1a\x2b\x3c\x4d\x5e"),
                                    attr(IFLA_OPERSTATE, b"\x06"), attr(IFLA_STATS64, stats64)]),
    "loopback-stats32": link(1, 772, [attr(IFLA_IFNAME, b"lo\0"), attr(IFLA_STATS, stats32)]),
    "name-without-end": link(3, 1, [attr(IFLA_IFNAME, b"veth-with-a-long-name")]),
    "attribute-longer-than-message": link(4, 1, [struct.pack("<HH", 400, IFLA_IFNAME) + b"x" * 8]),
    "short-stats": link(5, 1, [attr(IFLA_STATS64, stats64[:40]), attr(IFLA_MTU, b"\x01")]),
    "only-ifinfomsg": link(6, 65534, []),
}
os.makedirs(LINK, exist_ok=True)
for name, data in links.items():
    with open(os.path.join(LINK, name), "wb") as out:
        out.write(data)
