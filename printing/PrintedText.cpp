#include "printing/PrintedText.h"

#include "archive/ContactRecord.h"

namespace PrintedText {

QString of(const QString &text, const QString &designText) {
    const QString trimmed = ContactRecord::trimBlanks(text);
    if (!designText.isEmpty() && trimmed == ContactRecord::trimBlanks(designText)) return QString();
    return trimmed;
}

}  // namespace PrintedText
