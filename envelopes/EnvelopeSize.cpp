#include "envelopes/EnvelopeSize.h"

#include <array>

#include "archive/SettingsFile.h"

namespace EnvelopeSize {

namespace {

struct Entry {
    Size size;
    const char *caption;  // UTF-8
    const char *settingWord;
    const char *terminalWord;
    double width, height;  // mm, upright; 0 for the printer's own
};

constexpr std::array<Entry, kCount> kTable{{
    {.size = Size::DL,
     .caption = "DL (110 × 220 mm)",
     .settingWord = "dl",
     .terminalWord = "dl",
     .width = 110,
     .height = 220},
    {.size = Size::Americana,
     .caption = "Americana (110 × 230 mm)",
     .settingWord = "americana",
     .terminalWord = "americana",
     .width = 110,
     .height = 230},
    {.size = Size::C6,
     .caption = "C6 (114 × 162 mm)",
     .settingWord = "c6",
     .terminalWord = "c6",
     .width = 114,
     .height = 162},
    {.size = Size::C5,
     .caption = "C5 (162 × 229 mm)",
     .settingWord = "c5",
     .terminalWord = "c5",
     .width = 162,
     .height = 229},
    {.size = Size::C4,
     .caption = "C4 (229 × 324 mm)",
     .settingWord = "c4",
     .terminalWord = "c4",
     .width = 229,
     .height = 324},
    {.size = Size::A4,
     .caption = "A4 (210 × 297 mm)",
     .settingWord = "a4",
     .terminalWord = "a4",
     .width = 210,
     .height = 297},
    {.size = Size::Printer,
     .caption = "Formato della stampante",
     .settingWord = "stampante",
     .terminalWord = "printer",
     .width = 0,
     .height = 0},
}};

const Entry &entry(Size size) {
    return kTable[std::size_t(size)];
}

QString section() {
    return QString::fromLatin1(SettingsFile::kEnvelopePrint);
}

}  // namespace

QString caption(Size size) {
    return QString::fromUtf8(entry(size).caption);
}

QStringList captions() {
    QStringList out;
    for (const Entry &e : kTable) out << QString::fromUtf8(e.caption);
    return out;
}

QString settingWord(Size size) {
    return QString::fromLatin1(entry(size).settingWord);
}

QString terminalWord(Size size) {
    return QString::fromLatin1(entry(size).terminalWord);
}

std::optional<Size> fromWord(const QString &word) {
    const QString w = word.trimmed();
    for (const Entry &e : kTable)
        if (w.compare(QLatin1String(e.settingWord), Qt::CaseInsensitive) == 0 ||
            w.compare(QLatin1String(e.terminalWord), Qt::CaseInsensitive) == 0)
            return e.size;
    return std::nullopt;
}

Paper paper(Size size) {
    const Entry &e = entry(size);
    if (size == Size::Printer) return Paper::ofPrinter();
    return Paper::ofSize(e.width, e.height);
}

bool isEnvelope(Size size) {
    return size != Size::A4 && size != Size::Printer;
}

Size read(const SettingsFile &settings) {
    return fromWord(settings.read(section(), QString::fromLatin1(kKey))).value_or(Size::A4);
}

bool write(SettingsFile &settings, Size size) {
    return settings.write(section(), QString::fromLatin1(kKey), settingWord(size));
}

}  // namespace EnvelopeSize
