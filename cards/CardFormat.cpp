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
    switch (f) {
        case CardFormat::SmallLogo:
        case CardFormat::SmallNoLogo:
            return QString::fromUtf8(
                "Ciascuna pagina conterrà 21 biglietti da visita di formato piccolo.");
        case CardFormat::Medium:
            return QString::fromUtf8(
                "Ciascuna pagina conterrà 10 biglietti da visita di formato medio.");
        case CardFormat::Large:
            return QString::fromUtf8(
                "Ciascuna pagina conterrà 8 biglietti da visita di formato grande.");
    }
    return QString();
}

QString printDialogInfo(CardFormat f) {
    return perPageText(f) +
           QStringLiteral("\r\n\r\nImmettere il numero di pagine e premere il pulsante Stampa.");
}

}  // namespace CardFormats
