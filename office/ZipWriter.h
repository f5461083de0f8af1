#pragma once

#include <zlib.h>

#include <QByteArray>
#include <QList>
#include <QString>

class QIODevice;

// A zip file written front to back onto a device: each member is stored or deflated as it
// comes, and the directory follows the last one. A member can be given whole or streamed
// in pieces of any size (its checksum and sizes then follow its data), so that a large
// member never has to be held in memory. The compression level is the caller's: the
// spreadsheet export trades a little size for a lot of speed.
class ZipWriter {
public:
    explicit ZipWriter(QIODevice &device, int level = Z_BEST_SPEED);
    ~ZipWriter();
    ZipWriter(const ZipWriter &) = delete;
    ZipWriter &operator=(const ZipWriter &) = delete;

    // A whole member; `compress` false stores it as it is.
    bool add(const QByteArray &name, const QByteArray &data, bool compress = true);

    // A member in pieces: begin, any number of writes, end.
    bool begin(const QByteArray &name);
    bool write(const char *data, qsizetype size);
    bool end();

    // Writes the directory; nothing may be added afterwards.
    bool finish();
    QString errorString() const { return m_error; }

private:
    struct Entry {
        QByteArray name;
        quint16 flags = 0;
        quint16 method = 0;
        quint32 crc = 0;
        quint64 packed = 0;
        quint64 size = 0;
        quint64 offset = 0;
    };

    bool deflateSome(const char *data, qsizetype size, int flush);
    void localHeader(const Entry &e);
    bool output(const char *data, qsizetype size);
    bool flushOut(bool all);
    bool fail(const QString &why);

    QIODevice &m_device;
    int m_level;
    QList<Entry> m_entries;
    Entry m_current;
    bool m_open = false;
    z_stream m_z{};
    bool m_zReady = false;
    QByteArray m_out;
    quint64 m_written = 0;
    quint16 m_time = 0;
    quint16 m_date = 0;
    QString m_error;
};
