#include "archive/ArchiveColours.h"

#include "archive/SettingsFile.h"

namespace {

QString key(const char *name) {
    return QString::fromUtf8(name);
}

std::optional<ArchiveColours::Pair> readBoth(const SettingsFile &settings) {
    const QString section = key(SettingsFile::kColours);
    const auto title =
        ArchiveColours::parse(settings.read(section, key(SettingsFile::kTitleColour)));
    const auto subtitle =
        ArchiveColours::parse(settings.read(section, key(SettingsFile::kSubtitleColour)));
    if (!title || !subtitle) return std::nullopt;
    return ArchiveColours::Pair{*title, *subtitle};
}

}  // namespace

std::optional<qint32> ArchiveColours::parse(const QString &text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return 0;
    if (t.size() > 8) return std::nullopt;
    qint32 v = 0;
    for (QChar c : t) {
        if (c < u'0' || c > u'9') return std::nullopt;
        v = v * 10 + (c.unicode() - u'0');
    }
    if (v > kWhite) return std::nullopt;
    return v;
}

ArchiveColours::Pair ArchiveColours::read(const SettingsFile &settings) {
    return readBoth(settings).value_or(Pair{});
}

bool ArchiveColours::readable(const SettingsFile &settings) {
    return readBoth(settings).has_value();
}

bool ArchiveColours::write(SettingsFile &settings, const Pair &colours) {
    const QString section = key(SettingsFile::kColours);
    const bool a =
        settings.write(section, key(SettingsFile::kTitleColour), QString::number(colours.title));
    const bool b = settings.write(section, key(SettingsFile::kSubtitleColour),
                                  QString::number(colours.subtitle));
    return a && b;
}
