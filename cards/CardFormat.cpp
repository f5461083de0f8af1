#include "cards/CardFormat.h"

namespace CardFormats {

QString tag(CardFormat f) {
    return QStringLiteral("card%1").arg(index(f) + 1, 2, 10, QChar(u'0'));
}

std::optional<CardFormat> fromTag(const QString &tag) {
    for (int i = 0; i < kCount; ++i)
        if (tag == CardFormats::tag(fromIndex(i))) return fromIndex(i);
    return std::nullopt;
}

int cardsPerPage(CardFormat f) {
    switch (f) {
        case CardFormat::SmallLogo:
        case CardFormat::SmallNoLogo:
            return 21;
        case CardFormat::Medium:
            return 10;
        case CardFormat::Large:
            return 8;
    }
    return 0;
}

bool hasLogo(CardFormat f) {
    return f != CardFormat::SmallNoLogo;
}

QString perPageText(CardFormat f) {
    return perPageText(f, cardsPerPage(f));
}

QString perPageText(CardFormat f, int cards) {
    const char *size = "piccolo";
    if (f == CardFormat::Medium) size = "medio";
    if (f == CardFormat::Large) size = "grande";
    return QString::fromUtf8("Ciascuna pagina conterrà %1 biglietti da visita di formato %2.")
        .arg(cards)
        .arg(QLatin1String(size));
}

QString printDialogInfo(CardFormat f) {
    return printDialogInfo(f, cardsPerPage(f));
}

QString printDialogInfo(CardFormat f, int cards) {
    return perPageText(f, cards) +
           QStringLiteral("\r\n\r\nImmettere il numero di pagine e premere il pulsante Stampa.");
}

}  // namespace CardFormats
