#include "sync/SyncSettings.h"

#include "archive/SettingsFile.h"

SyncSettings SyncSettings::read(const SettingsFile &file) {
    const QString section = QString::fromLatin1(kSection);
    SyncSettings s;
    s.server = file.read(section, QString::fromLatin1(kServer));
    s.user = file.read(section, QString::fromLatin1(kUser));
    s.book = file.read(section, QString::fromLatin1(kBook));
    s.certificate = file.read(section, QString::fromLatin1(kCertificate)).toLatin1();
    return s;
}

bool SyncSettings::write(SettingsFile &file) const {
    const QString section = QString::fromLatin1(kSection);
    return file.write(section, QString::fromLatin1(kServer), server) &&
           file.write(section, QString::fromLatin1(kUser), user) &&
           file.write(section, QString::fromLatin1(kBook), book) &&
           file.write(section, QString::fromLatin1(kCertificate), QString::fromLatin1(certificate));
}
