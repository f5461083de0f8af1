#include "cards/CardTextColours.h"

#include "archive/ContactRecord.h"
#include "archive/SettingsFile.h"

bool CardTextColours::parse(const QString &value, qint32 &colour) {
    const QString v = ContactRecord::trimBlanks(value);
    if (v.isEmpty()) {
        colour = 0;
        return true;
    }
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    if (!ok || n < -2147483648LL || n > 2147483647LL) return false;
    colour = qint32(n);
    return true;
}

CardTextColours CardTextColours::read(const SettingsFile &settings) {
    CardTextColours c;
    const QString section = QString::fromLatin1(SettingsFile::kColours);
    if (!parse(settings.read(section, QString::fromLatin1(SettingsFile::kTitleColour)), c.title) ||
        !parse(settings.read(section, QString::fromLatin1(SettingsFile::kSubtitleColour)),
               c.subtitle))
        return CardTextColours{};
    return c;
}
