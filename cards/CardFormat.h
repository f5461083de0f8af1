#pragma once

#include <QString>
#include <optional>

// The four card formats. The index is the element index of every per-format control of
// the composer, and names the sheet layout and the format tag ("card01" … "card04").
enum class CardFormat { SmallLogo = 0, SmallNoLogo = 1, Medium = 2, Large = 3 };

namespace CardFormats {

inline constexpr int kCount = 4;

inline int index(CardFormat f) {
    return int(f);
}
inline CardFormat fromIndex(int i) {
    return CardFormat(i);
}
// "card01" … "card04".
QString tag(CardFormat f);
// The format of an exact tag; nothing for any other text.
std::optional<CardFormat> fromTag(const QString &tag);
int cardsPerPage(CardFormat f);
bool hasLogo(CardFormat f);
// The print dialog's line about one page ("Ciascuna pagina conterrà 21 …"), for the
// format's own sheet or for a sheet of `cards` cards.
QString perPageText(CardFormat f);
QString perPageText(CardFormat f, int cards);
// What the print dialog shows: the per-page text, a blank line and the instruction.
QString printDialogInfo(CardFormat f);
QString printDialogInfo(CardFormat f, int cards);

}  // namespace CardFormats
