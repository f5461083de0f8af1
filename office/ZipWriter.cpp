#include "office/ZipWriter.h"

#include <QDateTime>
#include <QIODevice>

namespace {

constexpr quint16 kVersion = 20;          // 2.0: deflate
constexpr quint16 kUtf8Names = 1 << 11;   // names are UTF-8
constexpr quint16 kDescriptor = 1 << 3;   // checksum and sizes follow the data
constexpr qsizetype kOutBlock = 1 << 20;  // bytes gathered before each write to the device
constexpr quint64 kLimit = 0xFFFFFFFFu;   // beyond this a member needs zip64

void put16(QByteArray &b, quint16 v) {
    b.append(char(v & 0xFF));
    b.append(char(v >> 8));
}

void put32(QByteArray &b, quint32 v) {
    for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xFF));
}

}  // namespace

ZipWriter::ZipWriter(QIODevice &device, int level) : m_device(device), m_level(level) {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    m_date = quint16(((std::max(d.year(), 1980) - 1980) << 9) | (d.month() << 5) | d.day());
    m_time = quint16((t.hour() << 11) | (t.minute() << 5) | (t.second() / 2));
    m_out.reserve(kOutBlock + (kOutBlock >> 2));
}

ZipWriter::~ZipWriter() {
    if (m_zReady) deflateEnd(&m_z);
}

bool ZipWriter::fail(const QString &why) {
    if (m_error.isEmpty()) m_error = why;
    return false;
}

bool ZipWriter::flushOut(bool all) {
    if (m_out.isEmpty() || (!all && m_out.size() < kOutBlock)) return true;
    if (m_device.write(m_out) != m_out.size())
        return fail(m_device.errorString().isEmpty() ? QStringLiteral("scrittura non riuscita")
                                                     : m_device.errorString());
    m_out.clear();
    return true;
}

bool ZipWriter::output(const char *data, qsizetype size) {
    m_out.append(data, size);
    m_written += quint64(size);
    return flushOut(false);
}

void ZipWriter::localHeader(const Entry &e) {
    QByteArray h;
    put32(h, 0x04034b50);
    put16(h, kVersion);
    put16(h, e.flags);
    put16(h, e.method);
    put16(h, m_time);
    put16(h, m_date);
    put32(h, e.crc);
    put32(h, quint32(e.packed));
    put32(h, quint32(e.size));
    put16(h, quint16(e.name.size()));
    put16(h, 0);
    h += e.name;
    output(h.constData(), h.size());
}

bool ZipWriter::deflateSome(const char *data, qsizetype size, int flush) {
    m_z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data));
    m_z.avail_in = uInt(size);
    char chunk[1 << 16];
    do {
        m_z.next_out = reinterpret_cast<Bytef *>(chunk);
        m_z.avail_out = sizeof chunk;
        const int r = deflate(&m_z, flush);
        if (r == Z_STREAM_ERROR) return fail(QStringLiteral("compressione non riuscita"));
        const qsizetype made = qsizetype(sizeof chunk - m_z.avail_out);
        m_current.packed += quint64(made);
        if (!output(chunk, made)) return false;
    } while (m_z.avail_out == 0 || (flush == Z_FINISH && m_z.avail_in > 0));
    return true;
}

bool ZipWriter::add(const QByteArray &name, const QByteArray &data, bool compress) {
    if (m_open) return fail(QStringLiteral("membro ancora aperto"));
    if (!compress) {
        Entry e;
        e.name = name;
        e.flags = kUtf8Names;
        e.method = 0;
        e.crc =
            quint32(crc32(0, reinterpret_cast<const Bytef *>(data.constData()), uInt(data.size())));
        e.packed = e.size = quint64(data.size());
        e.offset = m_written;
        localHeader(e);
        output(data.constData(), data.size());
        m_entries.append(e);
        return m_error.isEmpty();
    }
    return begin(name) && write(data.constData(), data.size()) && end();
}

bool ZipWriter::begin(const QByteArray &name) {
    if (m_open) return fail(QStringLiteral("membro ancora aperto"));
    m_current = Entry{};
    m_current.name = name;
    m_current.flags = kUtf8Names | kDescriptor;
    m_current.method = 8;
    m_current.crc = quint32(crc32(0, nullptr, 0));
    m_current.offset = m_written;
    if (m_zReady) deflateEnd(&m_z);
    m_z = z_stream{};
    if (deflateInit2(&m_z, m_level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return fail(QStringLiteral("compressione non disponibile"));
    m_zReady = true;
    m_open = true;
    localHeader(m_current);
    return m_error.isEmpty();
}

bool ZipWriter::write(const char *data, qsizetype size) {
    if (!m_open) return fail(QStringLiteral("nessun membro aperto"));
    m_current.crc =
        quint32(crc32(m_current.crc, reinterpret_cast<const Bytef *>(data), uInt(size)));
    m_current.size += quint64(size);
    return size == 0 || deflateSome(data, size, Z_NO_FLUSH);
}

bool ZipWriter::end() {
    if (!m_open) return fail(QStringLiteral("nessun membro aperto"));
    m_open = false;
    if (!deflateSome(nullptr, 0, Z_FINISH)) return false;
    if (m_current.size > kLimit || m_current.packed > kLimit || m_written > kLimit)
        return fail(QStringLiteral("file troppo grande"));
    QByteArray d;
    put32(d, 0x08074b50);
    put32(d, m_current.crc);
    put32(d, quint32(m_current.packed));
    put32(d, quint32(m_current.size));
    output(d.constData(), d.size());
    m_entries.append(m_current);
    return m_error.isEmpty();
}

bool ZipWriter::finish() {
    if (m_open) return fail(QStringLiteral("membro ancora aperto"));
    const quint64 start = m_written;
    QByteArray dir;
    for (const Entry &e : m_entries) {
        put32(dir, 0x02014b50);
        put16(dir, kVersion);
        put16(dir, kVersion);
        put16(dir, e.flags);
        put16(dir, e.method);
        put16(dir, m_time);
        put16(dir, m_date);
        put32(dir, e.crc);
        put32(dir, quint32(e.packed));
        put32(dir, quint32(e.size));
        put16(dir, quint16(e.name.size()));
        put16(dir, 0);  // extra field
        put16(dir, 0);  // comment
        put16(dir, 0);  // disk
        put16(dir, 0);  // internal attributes
        put32(dir, 0);  // external attributes
        put32(dir, quint32(e.offset));
        dir += e.name;
    }
    put32(dir, 0x06054b50);
    put16(dir, 0);
    put16(dir, 0);
    put16(dir, quint16(m_entries.size()));
    put16(dir, quint16(m_entries.size()));
    put32(dir, quint32(dir.size()));
    put32(dir, quint32(start));
    put16(dir, 0);
    // The end record's directory size counts the directory alone.
    const quint32 dirSize = quint32(dir.size() - 22);
    for (int i = 0; i < 4; ++i) dir[dir.size() - 10 + i] = char((dirSize >> (8 * i)) & 0xFF);
    output(dir.constData(), dir.size());
    return flushOut(true) && m_error.isEmpty();
}
