#include "archive/SettingsFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "archive/ArchiveLock.h"
#include "archive/ProfileText.h"
#include "platform/ProgramFolder.h"
#include "platform/WriteProtection.h"

namespace {

// A settings file is a few hundred bytes; anything beyond this is not read.
constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;
// Settings are written when a window closes: a busy file is not worth a long wait.
constexpr int kLockWaitMs = 2000;

bool readFile(const QString &path, QByteArray &out) {
    QFileInfo info(path);
    if (!info.exists()) return true;
    if (!info.isFile()) return false;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    out = f.read(kMaxFileSize);
    return true;
}

}  // namespace

SettingsFile::SettingsFile() : m_path(ProgramFolder::filePath(QString::fromLatin1(kFileName))) {}

SettingsFile::SettingsFile(const QString &filePath) : m_path(filePath) {}

QString SettingsFile::read(const QString &section, const QString &key) const {
    QByteArray bytes;
    if (!readFile(m_path, bytes)) return QString();
    return ProfileText::parse(bytes).value(section, key).left(kMaxValueLength);
}

bool SettingsFile::write(const QString &section, const QString &key, const QString &value) {
    // A read-only settings file stays as it is, as with the Windows profile calls.
    if (WriteProtection::isProtected(m_path) || WriteProtection::folderProtected(m_path))
        return false;
    // Read, changed and written back under the lock, so that two programs writing
    // different keys at once keep both.
    ArchiveLock lock(m_path, kLockWaitMs);
    if (!lock.acquire()) return false;
    QByteArray bytes;
    if (!readFile(m_path, bytes)) return false;
    if (bytes.size() >= kMaxFileSize) return false;  // not a settings file: leave it alone
    ProfileText text = ProfileText::parse(bytes);
    text.setValue(section, key, value);
    const QByteArray out = text.serialize();

    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(out) != out.size()) {
        file.cancelWriting();
        return false;
    }
    if (QFileInfo::exists(m_path)) file.setPermissions(QFileInfo(m_path).permissions());
    return file.commit();
}
