#!/usr/bin/env python3
"""Writes the hostile archives the ZIP reader's tests extract (run from any folder; the
archives are written beside this script and committed with it)."""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
DATE, TIME = (2020 - 1980) * 512 + 5 * 32 + 17, 12 * 2048


def raw_deflate(data):
    c = zlib.compressobj(6, zlib.DEFLATED, -15)
    return c.compress(data) + c.flush()


class Entry:
    def __init__(self, name, data, method=8, crc=None, usize=None, attrs=0x20, made_by=20):
        self.name = name.encode('cp437') if isinstance(name, str) else name
        self.payload = raw_deflate(data) if method == 8 and data else data
        self.method = method
        self.crc = zlib.crc32(data) if crc is None else crc
        self.usize = len(data) if usize is None else usize
        self.attrs = attrs
        self.made_by = made_by
        self.offset = None


def local(e):
    return struct.pack('<IHHHHHIIIHH', 0x04034B50, 20, 0, e.method, TIME, DATE, e.crc,
                       len(e.payload), e.usize, len(e.name), 0) + e.name


def central(e, offset):
    return struct.pack('<IHHHHHHIIIHHHHHII', 0x02014B50, e.made_by, 20, 0, e.method, TIME, DATE,
                       e.crc, len(e.payload), e.usize, len(e.name), 0, 0, 0, 0, e.attrs,
                       offset) + e.name


def archive(entries):
    out = b''
    for e in entries:
        e.offset = len(out)
        out += local(e) + e.payload
    start = len(out)
    rows = [(e, e.offset) for e in entries]
    cd = b''.join(central(e, off) for e, off in rows)
    end = struct.pack('<IHHHHIIH', 0x06054B50, 0, 0, len(rows), len(rows), len(cd), start, 0)
    return out + cd + end


def write(name, data):
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(data)


def main():
    write('dotdot.zip', archive([Entry('../evil.txt', b'x'), Entry('a/../../evil2.txt', b'x'),
                                 Entry('good.txt', b'good')]))
    write('absolute.zip', archive([Entry('/tmp/velmora-absolute-evil.txt', b'x')]))
    write('drive.zip', archive([Entry('C:\\evil\\drive.txt', b'x')]))
    # "escape" is a link the test makes in the target, pointing outside; "link" is a symbolic
    # link entry (Unix mode 0120777) that is written as a plain file, never as a link.
    write('symlink.zip', archive([Entry('escape/evil.txt', b'x'),
                                  Entry('link', b'../..', method=0, attrs=0o120777 << 16, made_by=0x031E),
                                  Entry('link/evil.txt', b'x')]))
    # Two entries claim one local header; the third's data runs into the next header.
    write('overlap.zip', overlap())
    write('bomb.zip', archive([Entry('bomb.bin', b'\0' * (5 << 20))]))
    write('lyingsize.zip', archive([Entry('small.txt', b'y' * 1000, usize=10),
                                    Entry('huge.bin', b'z' * 1000, usize=0xFFFFFFF0)]))
    write('lyingcrc.zip', archive([Entry('crc.txt', b'checked data', crc=0x12345678),
                                   Entry('stored.txt', b'stored data', method=0, crc=0x12345678)]))
    whole = archive([Entry('one.txt', b'one' * 1000), Entry('two.txt', b'two' * 1000)])
    write('truncated.zip', whole[:len(whole) // 2])
    broken = Entry('corrupt.txt', b'some text that deflates into a stream ' * 20)
    broken.payload = broken.payload[:10] + bytes(b ^ 0x5A for b in broken.payload[10:20]) + broken.payload[20:]
    write('corrupt.zip', archive([broken]))
    write('method12.zip', archive([Entry('bzip.txt', b'not bzip2 at all', method=12)]))


def overlap():
    a, c, b = Entry('a.txt', b'a' * 100), Entry('c.txt', b'c' * 100), Entry('b.txt', b'b' * 100)
    out = b''
    for e in (a, c, b):
        e.offset = len(out)
        out += local(e) + e.payload
    start = len(out)
    twin = Entry('a2.txt', b'a' * 100)
    longer = Entry('c.txt', b'c' * 100)
    longer.payload = c.payload + b'\0' * 40  # its declared data reaches into b's header
    rows = [(a, a.offset), (twin, a.offset), (longer, c.offset), (b, b.offset)]
    cd = b''.join(central(e, off) for e, off in rows)
    end = struct.pack('<IHHHHIIH', 0x06054B50, 0, 0, len(rows), len(rows), len(cd), start, 0)
    return out + cd + end


if __name__ == '__main__':
    main()
