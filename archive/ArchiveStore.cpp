#include "archive/ArchiveStore.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "archive/ArchiveLock.h"
#include "archive/PositionLabel.h"
#include "platform/ProgramFolder.h"
#include "platform/WriteProtection.h"

namespace {

constexpr int kLen = ContactRecord::kRecordLength;
// Whole archives are read and copied in blocks of this many records (about 1 MiB).
constexpr int kBlockRecords = 920;
const QString kProtected = QStringLiteral("l'archivio è protetto da scrittura");

// Copies bytes [from, to) of the file at `path` to the end of `out`, in large blocks.
bool copyRange(const QString &path, qint64 from, qint64 to, QFile &out, QString &why) {
    if (to <= from) return true;
    QFile src(path);
    if (!src.open(QIODevice::ReadOnly) || !src.seek(from)) {
        why = src.errorString();
        return false;
    }
    QByteArray block(qint64(kBlockRecords) * kLen, Qt::Uninitialized);
    for (qint64 pos = from; pos < to;) {
        const qint64 want = std::min<qint64>(block.size(), to - pos);
        const qint64 got = src.read(block.data(), want);
        if (got != want) {
            why = QStringLiteral("lettura incompleta di %1").arg(path);
            return false;
        }
        if (out.write(block.constData(), got) != got) {
            why = out.errorString();
            return false;
        }
        pos += got;
    }
    return true;
}

bool writeAll(QFile &out, const QByteArray &bytes, QString &why) {
    if (out.write(bytes) == bytes.size()) return true;
    why = out.errorString();
    return false;
}

// Makes a rename inside `folder` durable.
void syncFolder(const QString &folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

ArchiveStore::ArchiveStore() : m_folder(ProgramFolder::path()) {}

ArchiveStore::ArchiveStore(const QString &folder) : m_folder(folder) {}

QString ArchiveStore::archivePath(const QString &fileName) const {
    return ProgramFolder::join(m_folder, fileName);
}

bool ArchiveStore::fail(const QString &why) {
    m_error = why;
    return false;
}

bool ArchiveStore::ensureExists() {
    const QString path = archivePath();
    QFileInfo info(path);
    if (info.exists()) {
        if (!info.isFile()) return fail(QStringLiteral("%1 non è un file").arg(path));
        return true;
    }
    if (WriteProtection::folderProtected(path))
        return fail(QStringLiteral("la cartella %1 è protetta da scrittura").arg(m_folder));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) return fail(f.errorString());
    return true;
}

qint64 ArchiveStore::fileSize(bool *ok) {
    *ok = ensureExists();
    if (!*ok) {
        // A missing file that cannot be created (read-only folder) is an empty archive.
        if (!QFileInfo::exists(archivePath())) {
            *ok = true;
            return 0;
        }
        return 0;
    }
    return QFileInfo(archivePath()).size();
}

int ArchiveStore::recordCount() {
    bool ok = false;
    const qint64 size = fileSize(&ok);
    if (!ok) return -1;
    return int(size / kLen);
}

qint64 ArchiveStore::partialTailBytes() {
    bool ok = false;
    const qint64 size = fileSize(&ok);
    return ok ? size % kLen : 0;
}

bool ArchiveStore::readRecord(int n, ContactRecord &out) {
    const int count = recordCount();
    if (count < 0) return false;
    if (n < 1 || n > count) return fail(QStringLiteral("record %1 fuori dall'archivio").arg(n));
    QFile f(archivePath());
    if (!f.open(QIODevice::ReadOnly)) return fail(f.errorString());
    if (!f.seek(qint64(n - 1) * kLen)) return fail(f.errorString());
    const QByteArray bytes = f.read(kLen);
    if (bytes.size() != kLen) return fail(QStringLiteral("lettura incompleta"));
    out = ContactRecord::decode(bytes.constData());
    return true;
}

bool ArchiveStore::forEachRawRecord(const std::function<bool(int, const char *)> &visit) {
    if (recordCount() < 0) return false;
    QFile f(archivePath());
    if (!f.open(QIODevice::ReadOnly)) return fail(f.errorString());
    QByteArray block(qint64(kBlockRecords) * kLen, Qt::Uninitialized);
    int number = 0;
    qint64 carried = 0;  // bytes of an incomplete record at the start of the block
    for (;;) {
        const qint64 got = f.read(block.data() + carried, block.size() - carried);
        if (got < 0) return fail(f.errorString());
        const qint64 have = carried + got;
        const qint64 whole = have / kLen;
        for (qint64 i = 0; i < whole; ++i)
            if (!visit(++number, block.constData() + i * kLen)) return true;
        carried = have - whole * kLen;
        if (got == 0) break;
        if (carried > 0) std::memmove(block.data(), block.constData() + whole * kLen, carried);
    }
    // `carried` bytes left are a trailing partial record: never a contact.
    return true;
}

bool ArchiveStore::forEachRecord(const std::function<bool(int, const ContactRecord &)> &visit) {
    return forEachRawRecord(
        [&](int n, const char *data) { return visit(n, ContactRecord::decode(data)); });
}

QList<ContactRecord> ArchiveStore::readAll() {
    QList<ContactRecord> all;
    const int count = recordCount();
    if (count > 0) all.reserve(count);
    forEachRecord([&](int, const ContactRecord &r) {
        all.append(r);
        return true;
    });
    return all;
}

bool ArchiveStore::beginChange(ArchiveLock &lock) {
    m_busy = false;
    m_changedElsewhere = false;
    if (!lock.acquire()) {
        m_busy = lock.busy();
        return fail(lock.errorString());
    }
    // A copy left by a change that was interrupted is never data: it goes before the
    // next change starts.
    const QString stale = archivePath(QString::fromLatin1(kTempName));
    if (QFileInfo(stale).isFile()) QFile::remove(stale);
    return true;
}

bool ArchiveStore::stillHolds(int n, const ContactRecord &shown) {
    ContactRecord stored;
    if (!readRecord(n, stored)) return false;
    if (stored.encode() == shown.encode()) return true;
    m_changedElsewhere = true;
    return fail(QStringLiteral("record %1 cambiato da un'altra copia del programma").arg(n));
}

bool ArchiveStore::writeRecord(int n, const ContactRecord &record, const ContactRecord *shown) {
    ArchiveLock lock(archivePath());
    if (!beginChange(lock)) return false;
    const int count = recordCount();
    if (count < 0) return false;
    if (n < 1 || n > count) return fail(QStringLiteral("record %1 fuori dall'archivio").arg(n));
    if (shown && !stillHolds(n, *shown)) return false;
    if (WriteProtection::isProtected(archivePath())) return fail(kProtected);
    bool ok = false;
    const qint64 size = fileSize(&ok);
    if (!ok) return false;
    const QByteArray bytes = record.encode();
    const qint64 at = qint64(n - 1) * kLen;
    return rewrite(
        [&](QFile &tmp, QString &why) {
            // Everything as it was, the trailing partial record included, but record n.
            return copyRange(archivePath(), 0, at, tmp, why) && writeAll(tmp, bytes, why) &&
                   copyRange(archivePath(), at + kLen, size, tmp, why);
        },
        size);
}

int ArchiveStore::appendRecord(const ContactRecord &record) {
    ArchiveLock lock(archivePath());
    if (!beginChange(lock)) return 0;
    const int count = recordCount();
    if (count < 0) return 0;
    if (WriteProtection::isProtected(archivePath()) ||
        (!QFileInfo::exists(archivePath()) && WriteProtection::folderProtected(archivePath()))) {
        fail(kProtected);
        return 0;
    }
    QFile f(archivePath());
    if (!f.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        fail(f.errorString());
        return 0;
    }
    const QByteArray bytes = record.encode();
    const qint64 at = qint64(count) * kLen;
    const qint64 originalSize = f.size();
    // A partial tail is no record: the new record takes its place.
    if (originalSize > at && !f.resize(at)) {
        fail(f.errorString());
        return 0;
    }
    // One write of the whole record, then to disk: a failure (a full disk) leaves no
    // part of it behind.
    if (!f.seek(at) || f.write(bytes) != kLen || !flushToDisk(f.handle())) {
        fail(f.errorString());
        f.resize(at);
        return 0;
    }
    return count + 1;
}

bool ArchiveStore::flushToDisk(int fd) {
    return ::fsync(fd) == 0;
}

bool ArchiveStore::replaceArchive(const QString &tempPath, const QString &archivePath) {
    return std::rename(QFile::encodeName(tempPath).constData(),
                       QFile::encodeName(archivePath).constData()) == 0;
}

bool ArchiveStore::rewrite(const std::function<bool(QFile &tmp, QString &why)> &produce,
                           qint64 expectedSize) {
    return rewrite(produce, [expectedSize] { return expectedSize; });
}

bool ArchiveStore::rewrite(const std::function<bool(QFile &tmp, QString &why)> &produce,
                           const std::function<qint64()> &expectedSize) {
    const QString path = archivePath();
    const QString tempPath = archivePath(QString::fromLatin1(kTempName));

    // A read-only archive is refused even where the folder would allow the rename; the
    // copy needs a writable folder.
    if (WriteProtection::isProtected(path) || WriteProtection::folderProtected(path))
        return fail(kProtected);
    QFile probe(path);
    if (!probe.open(QIODevice::ReadWrite)) return fail(probe.errorString());
    const QFile::Permissions permissions = probe.permissions();
    probe.close();

    QFile tmp(tempPath);
    // Created empty: a stale file of an interrupted change never reaches the archive.
    if (!tmp.open(QIODevice::WriteOnly | QIODevice::Truncate)) return fail(tmp.errorString());

    auto abandon = [&](const QString &why) {
        tmp.close();
        QFile::remove(tempPath);
        return fail(why);
    };

    QString why;
    if (!produce(tmp, why)) return abandon(why);
    if (!tmp.flush()) return abandon(tmp.errorString());
    if (!flushToDisk(tmp.handle())) return abandon(QStringLiteral("scrittura su disco fallita"));
    tmp.setPermissions(permissions);
    tmp.close();
    if (QFileInfo(tempPath).size() != expectedSize())
        return abandon(QStringLiteral("copia incompleta"));
    if (!replaceArchive(tempPath, path)) return abandon(QStringLiteral("sostituzione fallita"));
    syncFolder(m_folder);
    return true;
}

int ArchiveStore::appendRecords(
    const std::function<bool(const RecordWriter &write, QString &why)> &produce) {
    ArchiveLock lock(archivePath());
    if (!beginChange(lock)) return -1;
    const int count = recordCount();
    if (count < 0) return -1;
    const qint64 wholeEnd = qint64(count) * kLen;
    int added = 0;
    bool nothing = false;
    const bool ok = rewrite(
        [&](QFile &tmp, QString &why) {
            if (!copyRange(archivePath(), 0, wholeEnd, tmp, why)) return false;
            QByteArray buffer;
            buffer.reserve(qint64(kBlockRecords) * kLen);
            const RecordWriter write = [&](const ContactRecord &record) {
                buffer += record.encode();
                ++added;
                if (buffer.size() < qint64(kBlockRecords) * kLen) return true;
                const bool written = writeAll(tmp, buffer, why);
                buffer.clear();
                return written;
            };
            if (!produce(write, why) || !writeAll(tmp, buffer, why)) return false;
            nothing = added == 0;
            return !nothing;
        },
        [&] { return wholeEnd + qint64(added) * kLen; });
    if (nothing) {
        m_error.clear();
        return 0;
    }
    return ok ? added : -1;
}

bool ArchiveStore::deleteRecord(int n, const ContactRecord *shown) {
    ArchiveLock lock(archivePath());
    if (!beginChange(lock)) return false;
    const int count = recordCount();
    if (count < 0) return false;
    if (n < 1 || n > count) return fail(QStringLiteral("record %1 fuori dall'archivio").arg(n));
    if (shown && !stillHolds(n, *shown)) return false;
    const qint64 at = qint64(n - 1) * kLen;
    const qint64 wholeEnd = qint64(count) * kLen;
    return rewrite(
        [&](QFile &tmp, QString &why) {
            // The whole records but record n; a partial tail is dropped.
            return copyRange(archivePath(), 0, at, tmp, why) &&
                   copyRange(archivePath(), at + kLen, wholeEnd, tmp, why);
        },
        wholeEnd - kLen);
}

bool ArchiveStore::holdsAll(const QList<RecordIdentity> &records) {
    QHash<int, size_t> wanted;
    for (const RecordIdentity &id : records) wanted.insert(id.number, id.fingerprint);
    const int count = recordCount();
    if (count < 0) return false;
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it)
        if (it.key() < 1 || it.key() > count) return false;
    // The same number named twice with two fingerprints can never hold.
    for (const RecordIdentity &id : records)
        if (wanted.value(id.number) != id.fingerprint) return false;
    qsizetype left = wanted.size();
    bool holds = true;
    const bool read = forEachRawRecord([&](int n, const char *raw) {
        const auto it = wanted.constFind(n);
        if (it == wanted.cend()) return true;
        if (RecordIdentity::of(raw) != it.value()) {
            holds = false;
            return false;
        }
        return --left > 0;
    });
    return read && holds && left == 0;
}

bool ArchiveStore::deleteRecords(const QList<RecordIdentity> &records) {
    ArchiveLock lock(archivePath());
    if (!beginChange(lock)) return false;
    const int count = recordCount();
    if (count < 0) return false;
    if (records.isEmpty()) return fail(QStringLiteral("nessuna scheda da cancellare"));
    if (!holdsAll(records)) {
        m_changedElsewhere = true;
        return fail(QStringLiteral("schede cambiate da un'altra copia del programma"));
    }
    QList<int> numbers;
    for (const RecordIdentity &id : records) numbers << id.number;
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    const qint64 wholeEnd = qint64(count) * kLen;
    return rewrite(
        [&](QFile &tmp, QString &why) {
            // The whole records between the deleted ones, range by range; a partial tail
            // is dropped.
            qint64 from = 0;
            for (int n : numbers) {
                const qint64 at = qint64(n - 1) * kLen;
                if (!copyRange(archivePath(), from, at, tmp, why)) return false;
                from = at + kLen;
            }
            return copyRange(archivePath(), from, wholeEnd, tmp, why);
        },
        wholeEnd - qint64(numbers.size()) * kLen);
}

bool ArchiveStore::replaceAll(const QList<ContactRecord> &expected,
                              const QList<ContactRecord> &records) {
    ArchiveLock lock(archivePath());
    if (!beginChange(lock)) return false;
    const int count = recordCount();
    if (count < 0) return false;
    bool same = count == expected.size();
    if (same) {
        forEachRawRecord([&](int n, const char *data) {
            same = ContactRecord::decode(data) == expected[n - 1];
            return same;
        });
    }
    if (!same) {
        m_changedElsewhere = true;
        return fail(QStringLiteral("archivio cambiato da un'altra copia del programma"));
    }
    return rewrite(
        [&](QFile &tmp, QString &why) {
            QByteArray buffer;
            buffer.reserve(qint64(kBlockRecords) * kLen);
            for (const ContactRecord &r : records) {
                buffer += r.encode();
                if (buffer.size() < qint64(kBlockRecords) * kLen) continue;
                if (!writeAll(tmp, buffer, why)) return false;
                buffer.clear();
            }
            return writeAll(tmp, buffer, why);
        },
        qint64(records.size()) * kLen);
}

bool ArchiveStore::replaceWith(const QString &sourceFile) {
    ArchiveLock lock(archivePath());
    if (!beginChange(lock)) return false;
    if (recordCount() < 0) return false;
    const QFileInfo info(sourceFile);
    if (!info.isFile()) return fail(QStringLiteral("%1 non è un file").arg(sourceFile));
    const qint64 size = info.size();
    return rewrite(
        [&](QFile &tmp, QString &why) { return copyRange(sourceFile, 0, size, tmp, why); }, size);
}

ArchiveStore::Navigation ArchiveStore::navigateTo(Direction direction, int current) {
    Navigation nav;
    int wanted = 1;
    switch (direction) {
        case Direction::First:
            wanted = 1;
            break;
        case Direction::Previous:
            wanted = current - 1;
            break;
        case Direction::Next:
            wanted = current + 1;
            break;
        case Direction::Last:
            wanted = 0;
            break;
    }
    const int count = recordCount();
    if (count <= 0) {
        nav.message = Message{QString::fromUtf8(kEmptyText), QString::fromUtf8(kEmptyTitle),
                              MsgIcon::Exclamation};
        nav.empty = true;
        return nav;
    }
    if (direction == Direction::Last) wanted = count;
    nav.number = std::clamp(wanted, 1, count);
    nav.readOk = readRecord(nav.number, nav.record);
    return nav;
}

ArchiveStore::Navigation ArchiveStore::navigateTo(Direction direction,
                                                  const QString &positionLabelText) {
    return navigateTo(direction, PositionLabel::value(positionLabelText));
}
