#include "contactfiles/ImportRow.h"

#include <QStringList>

#include "archive/Cp1252Codec.h"
#include "archive/SearchCriterion.h"

QString ImportRow::statusText(Status status) {
    switch (status) {
        case Status::New:
            return QStringLiteral("nuovo");
        case Status::AlreadyPresent:
            return QStringLiteral("già presente");
        case Status::ToCheck:
            return QStringLiteral("da controllare");
    }
    return QString();
}

QString ImportRow::problems(const ContactRecord &record) {
    static const QStringList labels = SearchCriterion::entryTexts();
    QStringList found;
    for (int i = 0; i <= ContactRecord::Web; ++i) {
        const auto f = ContactRecord::Field(i);
        const QString value = ContactRecord::trimBlanks(record.value(f));
        const QByteArray bytes = Cp1252Codec::encode(value);
        const QString label = labels.value(i);
        if (Cp1252Codec::decode(bytes) != value)
            found << QStringLiteral("%1: carattere non ammesso").arg(label);
        if (bytes.size() > ContactRecord::width(f))
            found << QStringLiteral("%1: tagliato a %2 caratteri")
                         .arg(label)
                         .arg(ContactRecord::width(f));
    }
    return found.join(QStringLiteral("; "));
}

bool ImportRow::readsBackAsIs(const ContactRecord &record) {
    for (int i = 0; i < ContactRecord::FieldCount; ++i) {
        const auto f = ContactRecord::Field(i);
        const QString v = record.value(f);
        if (v.size() > ContactRecord::width(f)) return false;
        if (v.isEmpty()) continue;
        if (v.front() == u' ' || v.back() == u' ') return false;
        // ASCII and the Latin-1 letters and signs, which the code page holds as they are.
        for (QChar c : v)
            if (c.unicode() >= 0x80 && (c.unicode() < 0xA0 || c.unicode() > 0xFF)) return false;
    }
    return true;
}
