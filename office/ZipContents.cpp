#include "office/ZipContents.h"

#include <zlib.h>

namespace {

quint32 get16(const QByteArray &b, qsizetype at) {
    return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8;
}

quint32 get32(const QByteArray &b, qsizetype at) {
    return get16(b, at) | get16(b, at + 2) << 16;
}

bool inflateRaw(const char *data, qsizetype size, qsizetype expected, QByteArray &out) {
    out.resize(expected);
    if (expected == 0) return true;
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) return false;
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data));
    z.avail_in = uInt(size);
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = uInt(expected);
    const int r = inflate(&z, Z_FINISH);
    inflateEnd(&z);
    return r == Z_STREAM_END && z.avail_out == 0;
}

}  // namespace

bool ZipContents::read(const QByteArray &zip) {
    m_members.clear();
    // The end record: the last 22 bytes of a file without a comment, else searched for.
    qsizetype end = zip.size() - 22;
    while (end >= 0 && get32(zip, end) != 0x06054b50) --end;
    if (end < 0) return false;
    const quint32 count = get16(zip, end + 10);
    qsizetype at = qsizetype(get32(zip, end + 16));
    for (quint32 i = 0; i < count; ++i) {
        if (at + 46 > zip.size() || get32(zip, at) != 0x02014b50) return false;
        const quint32 flags = get16(zip, at + 8);
        const quint32 method = get16(zip, at + 10);
        const quint32 crc = get32(zip, at + 16);
        const qsizetype packed = qsizetype(get32(zip, at + 20));
        const qsizetype size = qsizetype(get32(zip, at + 24));
        const qsizetype nameLength = get16(zip, at + 28);
        const qsizetype skip = nameLength + get16(zip, at + 30) + get16(zip, at + 32);
        const qsizetype local = qsizetype(get32(zip, at + 42));
        if ((flags & 1) || at + 46 + nameLength > zip.size() || local + 30 > zip.size())
            return false;
        Member m;
        m.name = zip.mid(at + 46, nameLength);
        const qsizetype data = local + 30 + get16(zip, local + 26) + get16(zip, local + 28);
        if (data + packed > zip.size()) return false;
        if (method == 0) {
            if (packed != size) return false;
            m.data = zip.mid(data, size);
        } else if (method != 8 || !inflateRaw(zip.constData() + data, packed, size, m.data)) {
            return false;
        }
        if (quint32(crc32(0, reinterpret_cast<const Bytef *>(m.data.constData()),
                          uInt(m.data.size()))) != crc)
            return false;
        m_members.append(m);
        at += 46 + skip;
    }
    return true;
}
