#!/usr/bin/env python3
"""Reads a zip file (.xlsx, .odt) as the strictest readers do: every member's checksum
through Python's zipfile, and each entry of the central directory against its member's
own header, data and data descriptor (method, flags, packed and real size, checksum),
the members one after the other up to the directory. Prints what is wrong and exits 1,
or exits 0."""
import struct
import sys
import zipfile
import zlib


def problems(path):
    with open(path, "rb") as f:
        data = f.read()
    with zipfile.ZipFile(path) as z:
        infos = z.infolist()
        bad = z.testzip()
        if bad is not None:
            yield f"{bad}: the member does not read back"
    end = data.rfind(b"PK\x05\x06")
    directory = struct.unpack_from("<I", data, end + 16)[0]
    starts = sorted(i.header_offset for i in infos) + [directory]
    for info in infos:
        off = info.header_offset
        (sig, _, flags, method, _, _, crc, packed, size, name_len,
         extra_len) = struct.unpack_from("<IHHHHHIIIHH", data, off)
        name = info.filename
        if sig != 0x04034B50:
            yield f"{name}: no member header at {off}"
            continue
        if flags != info.flag_bits or method != info.compress_type:
            yield f"{name}: flags or method differ from the directory"
        start = off + 30 + name_len + extra_len
        if (packed, size) == (0xFFFFFFFF, 0xFFFFFFFF):  # zip64: the sizes in the extra field
            extra = data[off + 30 + name_len:start]
            while len(extra) >= 4:
                tag, length = struct.unpack_from("<HH", extra)
                if tag == 1:
                    size, packed = struct.unpack_from("<QQ", extra, 4)
                extra = extra[4 + length:]
        raw = data[start:start + info.compress_size]
        if method == zipfile.ZIP_DEFLATED:
            inflater = zlib.decompressobj(-15)
            body = inflater.decompress(raw)
            if not inflater.eof or inflater.unused_data:
                yield f"{name}: the packed size {info.compress_size} is not the data's"
        else:
            body = raw
        if len(body) != info.file_size:
            yield f"{name}: {len(body)} bytes, the directory says {info.file_size}"
        if zlib.crc32(body) != info.CRC:
            yield f"{name}: checksum differs from the directory"
        after = start + info.compress_size
        if flags & 0x08:
            if data[after:after + 4] == b"PK\x07\x08":
                after += 4
            crc, packed, size = struct.unpack_from("<III", data, after)
            if (packed, size) == (info.compress_size, info.file_size):
                after += 12
            else:  # the zip64 form, 8-byte sizes
                crc, packed, size = struct.unpack_from("<IQQ", data, after)
                after += 20
        if (crc, packed, size) != (info.CRC, info.compress_size, info.file_size):
            yield f"{name}: the member's own sizes or checksum differ from the directory"
        following = min(s for s in starts if s > off)
        if after != following:
            yield f"{name}: ends at {after}, the next part starts at {following}"


def main():
    found = []
    try:
        for p in problems(sys.argv[1]):
            found.append(p)
    except (OSError, ValueError, struct.error, zipfile.BadZipFile, zlib.error) as e:
        found.append(f"the file does not read: {e}")
    for p in found:
        print(p, file=sys.stderr)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
