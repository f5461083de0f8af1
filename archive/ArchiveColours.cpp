#include "archive/ArchiveColours.h"

#include "archive/SettingsFile.h"

qint32 ArchiveColours::parse(const QString &text) {
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == u' ' || text.at(i) == u'\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    qint64 v = 0;
    for (; i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9'; ++i) {
        v = v * 10 + (text.at(i).unicode() - u'0');
        if (v > 0x7FFFFFFF) return 0;  // not a colour of this program
    }
    return qint32(negative ? -v : v);
}

ArchiveColours::Pair ArchiveColours::read(const SettingsFile &settings) {
    const QString section = QString::fromUtf8(SettingsFile::kColours);
    Pair p;
    p.title =
        parse(settings.read(section, QString::fromUtf8(SettingsFile::kTitleColour)).trimmed());
    p.subtitle =
        parse(settings.read(section, QString::fromUtf8(SettingsFile::kSubtitleColour)).trimmed());
    return p;
}

bool ArchiveColours::write(SettingsFile &settings, const Pair &colours) {
    const QString section = QString::fromUtf8(SettingsFile::kColours);
    const bool a = settings.write(section, QString::fromUtf8(SettingsFile::kTitleColour),
                                  QString::number(colours.title));
    const bool b = settings.write(section, QString::fromUtf8(SettingsFile::kSubtitleColour),
                                  QString::number(colours.subtitle));
    return a && b;
}
