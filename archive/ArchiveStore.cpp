#include "archive/ArchiveStore.h"

#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "archive/PositionLabel.h"
#include "platform/Platform.h"
#include "platform/ProgramFolder.h"
#include "platform/WriteProtection.h"

namespace {

constexpr int kLen = ContactRecord::kRecordLength;
// Whole archives are read and copied in blocks of this many records (about 1 MiB).
constexpr int kBlockRecords = 920;
const QString kProtected = QStringLiteral("l'archivio è protetto da scrittura");

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

bool ArchiveStore::writeRecord(int n, const ContactRecord &record) {
    const int count = recordCount();
    if (count < 0) return false;
    if (n < 1 || n > count) return fail(QStringLiteral("record %1 fuori dall'archivio").arg(n));
    if (WriteProtection::isProtected(archivePath())) return fail(kProtected);
    QFile f(archivePath());
    if (!f.open(QIODevice::ReadWrite)) return fail(f.errorString());
    const QByteArray bytes = record.encode();
    if (!f.seek(qint64(n - 1) * kLen)) return fail(f.errorString());
    if (f.write(bytes) != kLen || !f.flush()) return fail(f.errorString());
    return true;
}

int ArchiveStore::appendRecord(const ContactRecord &record) {
    const int count = recordCount();
    if (count < 0) return 0;
    if (WriteProtection::isProtected(archivePath()) ||
        (!QFileInfo::exists(archivePath()) && WriteProtection::folderProtected(archivePath()))) {
        fail(kProtected);
        return 0;
    }
    QFile f(archivePath());
    if (!f.open(QIODevice::ReadWrite)) {
        fail(f.errorString());
        return 0;
    }
    const QByteArray bytes = record.encode();
    const qint64 at = qint64(count) * kLen;
    const qint64 originalSize = f.size();
    if (!f.seek(at) || f.write(bytes) != kLen || !f.flush()) {
        fail(f.errorString());
        // Leave no partial record of ours behind.
        f.resize(originalSize);
        return 0;
    }
    // A partial tail beyond the new record (longer than the record itself) is dropped.
    if (f.size() > at + kLen) f.resize(at + kLen);
    return count + 1;
}

bool ArchiveStore::flushToDisk(int fd) {
    return ::fsync(fd) == 0;
}

bool ArchiveStore::replaceArchive(const QString &tempPath, const QString &archivePath) {
    return std::rename(QFile::encodeName(tempPath).constData(),
                       QFile::encodeName(archivePath).constData()) == 0;
}

bool ArchiveStore::deleteRecord(int n) {
    const int count = recordCount();
    if (count < 0) return false;
    if (n < 1 || n > count) return fail(QStringLiteral("record %1 fuori dall'archivio").arg(n));
    const QString path = archivePath();
    const QString tempPath = archivePath(QString::fromLatin1(kTempName));

    // A read-only archive is refused even where the folder would allow the rename.
    if (WriteProtection::isProtected(path) || WriteProtection::folderProtected(path))
        return fail(kProtected);
    {
        QFile probe(path);
        if (!probe.open(QIODevice::ReadWrite)) return fail(probe.errorString());
    }
    QFile src(path);
    if (!src.open(QIODevice::ReadOnly)) return fail(src.errorString());
    QFile tmp(tempPath);
    // Created empty: a stale file of an interrupted deletion never reaches the archive.
    if (!tmp.open(QIODevice::WriteOnly | QIODevice::Truncate)) return fail(tmp.errorString());

    auto abandon = [&](const QString &why) {
        tmp.close();
        QFile::remove(tempPath);
        return fail(why);
    };

    QByteArray block(qint64(kBlockRecords) * kLen, Qt::Uninitialized);
    const qint64 skipFrom = qint64(n - 1) * kLen;
    const qint64 skipTo = skipFrom + kLen;
    const qint64 wholeEnd = qint64(count) * kLen;
    qint64 pos = 0;
    while (pos < wholeEnd) {
        const qint64 want = std::min<qint64>(block.size(), wholeEnd - pos);
        const qint64 got = src.read(block.data(), want);
        if (got != want) return abandon(QStringLiteral("lettura incompleta dell'archivio"));
        // Copy the block minus the part that falls inside the deleted record.
        const qint64 a = std::clamp(skipFrom - pos, qint64(0), got);
        const qint64 b = std::clamp(skipTo - pos, qint64(0), got);
        if (a > 0 && tmp.write(block.constData(), a) != a) return abandon(tmp.errorString());
        if (got > b && tmp.write(block.constData() + b, got - b) != got - b)
            return abandon(tmp.errorString());
        pos += got;
    }
    if (!tmp.flush()) return abandon(tmp.errorString());
    if (!flushToDisk(tmp.handle())) return abandon(QStringLiteral("scrittura su disco fallita"));
    tmp.setPermissions(src.permissions());
    tmp.close();
    src.close();
    if (QFileInfo(tempPath).size() != wholeEnd - kLen)
        return abandon(QStringLiteral("copia incompleta"));
    if (!replaceArchive(tempPath, path)) return abandon(QStringLiteral("sostituzione fallita"));
    return true;
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
        Platform::instance().messageBox(QString::fromUtf8(kEmptyText),
                                        QString::fromUtf8(kEmptyTitle), MsgIcon::Exclamation,
                                        MsgButtons::Ok);
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
