#include "cards/CardVCard.h"

#include <QStringList>

#include "cards/CardTexts.h"

using F = ContactRecord::Field;

namespace CardVCard {

namespace {

// A text value with vCard's backslash escapes.
QString escaped(const QString &v) {
    QString out;
    for (QChar c : v) {
        if (c == u'\\' || c == u',' || c == u';') out += u'\\';
        if (c == u'\n') {
            out += QStringLiteral("\\n");
            continue;
        }
        if (c == u'\r') continue;
        out += c;
    }
    return out;
}

QString value(CardFormat format, const Texts &texts, F f) {
    return CardTexts::hasBox(format, f) ? shown(f, texts.value(f)) : QString();
}

}  // namespace

QString shown(F f, const QString &text) {
    QString t = ContactRecord::trimBlanks(text).trimmed();
    if (t == CardTexts::designText(f) || t == CardTexts::layoutDesignText(f)) return QString();
    for (const char *prefix : {"Tel.", "Cel.", "Fax", "P.IVA"}) {
        const QString p = QString::fromLatin1(prefix);
        if (CardTexts::designText(f) == p && (t == p || t.startsWith(p + u' ')))
            return t.mid(p.size()).trimmed();
    }
    return t;
}

bool showsAddress(CardFormat format, const Texts &texts) {
    return !value(format, texts, F::Indirizzo).isEmpty() ||
           !value(format, texts, F::Citta).isEmpty();
}

bool showsWeb(CardFormat format, const Texts &texts) {
    return !value(format, texts, F::Web).isEmpty();
}

bool showsAnything(CardFormat format, const Texts &texts) {
    for (F f : {F::Titolo, F::Sottotitolo, F::Tel, F::Cel, F::Email})
        if (!value(format, texts, f).isEmpty()) return true;
    return showsAddress(format, texts) || showsWeb(format, texts);
}

QByteArray text(CardFormat format, const Texts &texts, bool withAddress, bool withWeb) {
    const QString name = value(format, texts, F::Titolo);
    const QString org = value(format, texts, F::Sottotitolo);
    const QString tel = value(format, texts, F::Tel);
    const QString cel = value(format, texts, F::Cel);
    const QString email = value(format, texts, F::Email);
    // The card's own name; without one, what names the contact next best.
    QString fn = name;
    for (const QString &next : {org, email, tel, cel})
        if (fn.isEmpty()) fn = next;

    QStringList lines{QStringLiteral("BEGIN:VCARD"), QStringLiteral("VERSION:3.0"),
                      QStringLiteral("N:%1;;;;").arg(escaped(name.isEmpty() ? fn : name)),
                      QStringLiteral("FN:") + escaped(fn)};
    if (!org.isEmpty()) lines << QStringLiteral("ORG:") + escaped(org);
    if (!tel.isEmpty()) lines << QStringLiteral("TEL;TYPE=WORK:") + escaped(tel);
    if (!cel.isEmpty()) lines << QStringLiteral("TEL;TYPE=CELL:") + escaped(cel);
    if (!email.isEmpty()) lines << QStringLiteral("EMAIL:") + escaped(email);
    if (withAddress && showsAddress(format, texts))
        lines << QStringLiteral("ADR;TYPE=WORK:;;%1;%2;;;")
                     .arg(escaped(value(format, texts, F::Indirizzo)),
                          escaped(value(format, texts, F::Citta)));
    if (withWeb && showsWeb(format, texts))
        lines << QStringLiteral("URL:") + escaped(value(format, texts, F::Web));
    lines << QStringLiteral("END:VCARD");
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

}  // namespace CardVCard
