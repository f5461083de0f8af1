#include "cards/CardSheetMessages.h"

#include "cards/CardSheet.h"
#include "cards/CardStock.h"

namespace CardSheetMessages {

QString unknownSheet(CardFormat format, const QString &name) {
    const QString tag = CardFormats::tag(format);
    const QString choices = QStringLiteral("Per il formato %1 la carta può essere: %2.")
                                .arg(tag, CardSheet::keysText(format));
    if (const auto stock = CardStock::fromKey(name))
        return QString::fromUtf8(
                   "La carta %1 (%2) non è adatta al formato %3: il biglietto "
                   "andrebbe ingrandito o rimpicciolito più del 15 %. ")
                   .arg(name, stock->name(), tag) +
               choices;
    return QStringLiteral("Carta sconosciuta: %1. ").arg(name) + choices;
}

}  // namespace CardSheetMessages
