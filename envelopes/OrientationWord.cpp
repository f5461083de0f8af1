#include "envelopes/OrientationWord.h"

#include "archive/ContactRecord.h"
#include "printing/PrinterPage.h"

std::optional<QString> OrientationWord::fromSetting(const QString &value) {
    if (ContactRecord::trimBlanks(value.left(11)) == landscape()) return landscape();
    if (ContactRecord::trimBlanks(value.left(9)) == portrait()) return portrait();
    if (ContactRecord::trimBlanks(value).isEmpty()) return portrait();
    return std::nullopt;
}

std::optional<int> OrientationWord::printerOrientation(const QString &labelText) {
    const QString t = ContactRecord::trimBlanks(labelText);
    if (t == landscape()) return int(PrinterPage::Landscape);
    if (t == portrait()) return int(PrinterPage::Portrait);
    return std::nullopt;
}
