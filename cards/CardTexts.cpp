#include "cards/CardTexts.h"

using F = ContactRecord::Field;

namespace CardTexts {

QString boxName(F f) {
    return QStringLiteral("txt") + ContactRecord::fieldName(f);
}

QString designText(F f) {
    switch (f) {
        case F::Titolo:
            return QStringLiteral("Persona o azienda");
        case F::Sottotitolo:
            return QString::fromUtf8("Specialità");
        case F::Indirizzo:
            return QStringLiteral("Indirizzo");
        case F::Citta:
            return QString::fromUtf8("Città");
        case F::Iva:
            return QStringLiteral("P.IVA");
        case F::Tel:
            return QStringLiteral("Tel.");
        case F::Fax:
            return QStringLiteral("Fax");
        case F::Cel:
            return QStringLiteral("Cel.");
        case F::Email:
            return QStringLiteral("Email");
        case F::Informazioni:
            return QStringLiteral("Informazioni aggiuntive");
        case F::Web:
            return QStringLiteral("Sito Web");
        default:
            return QString();
    }
}

QString layoutDesignText(F f) {
    return f == F::Informazioni ? QStringLiteral("Informazioni") : designText(f);
}

QList<F> boxesOf(CardFormat format) {
    switch (format) {
        case CardFormat::SmallLogo:
        case CardFormat::SmallNoLogo:
            return {F::Titolo, F::Sottotitolo, F::Indirizzo, F::Citta,
                    F::Iva,    F::Tel,         F::Cel,       F::Email};
        case CardFormat::Medium:
            return {F::Titolo, F::Sottotitolo, F::Indirizzo, F::Citta, F::Iva,
                    F::Tel,    F::Cel,         F::Fax,       F::Email, F::Web};
        case CardFormat::Large:
            return {F::Titolo, F::Sottotitolo, F::Indirizzo, F::Citta, F::Iva,         F::Tel,
                    F::Cel,    F::Fax,         F::Email,     F::Web,   F::Informazioni};
    }
    return {};
}

bool hasBox(CardFormat format, F f) {
    return boxesOf(format).contains(f);
}

QList<Assignment> fromRecord(const ContactRecord &record, CardFormat format) {
    auto v = [&](F f) { return ContactRecord::trimBlanks(record.value(f)); };
    QList<Assignment> out{
        {F::Titolo, v(F::Titolo)},
        {F::Sottotitolo, v(F::Sottotitolo)},
        {F::Indirizzo, v(F::Indirizzo)},
        {F::Citta, v(F::Citta)},
        {F::Iva, QStringLiteral("P.IVA ") + v(F::Iva)},
        {F::Tel, QStringLiteral("Tel. ") + v(F::Tel)},
    };
    const bool wide = format == CardFormat::Medium || format == CardFormat::Large;
    if (wide) out.append({F::Fax, QStringLiteral("Fax ") + v(F::Fax)});
    out.append({F::Cel, QStringLiteral("Cel. ") + v(F::Cel)});
    out.append({F::Email, v(F::Email)});
    if (format == CardFormat::Large) out.append({F::Informazioni, v(F::Informazioni)});
    if (wide) out.append({F::Web, v(F::Web)});
    return out;
}

}  // namespace CardTexts
