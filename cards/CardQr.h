#pragma once

#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <optional>

#include "cards/CardFormat.h"
#include "cards/CardVCard.h"
#include "cards/QrSymbol.h"

class CardSheet;

// The QR code a card prints in its logo box: the card's vCard at the highest error
// correction level whose modules are 0.5 mm or more in the box's square. When none is,
// the address goes, then the web site; when even that does not fit, or the card shows
// nothing to put in it, the box keeps its logo and note() says why.
class CardQr {
public:
    static constexpr double kMinModuleMm = 0.5;
    // Light modules inside the box around the symbol; the white card around the box
    // widens the quiet zone.
    static constexpr int kQuietModules = 1;
    // Dots per module in the picture.
    static constexpr int kPixelsPerModule = 8;

    enum class Outcome { Whole, Shortened, NothingToEncode, TooLong };

    // The code for a logo box of `boxTwips` (its size on paper).
    static CardQr forBox(CardFormat format, const CardVCard::Texts &texts, QSizeF boxTwips);
    // The code for the logo box of the format's design on that sheet.
    static CardQr forSheet(const CardSheet &sheet, const CardVCard::Texts &texts);

    Outcome outcome() const { return m_outcome; }
    bool printed() const { return m_symbol.has_value(); }
    bool droppedAddress() const { return m_droppedAddress; }
    bool droppedWeb() const { return m_droppedWeb; }
    const std::optional<QrSymbol> &symbol() const { return m_symbol; }
    // The vCard the symbol holds (empty when nothing is printed).
    const QByteArray &vcard() const { return m_vcard; }
    double moduleMm() const { return m_moduleMm; }
    // The symbol as a picture whose own size is the box's square side (nothing when the
    // code is not printed); drawn at its own size, it fills the square from the box's
    // top-left corner.
    QImage picture() const;
    // What the print dialog says about the code; empty when it holds the whole card.
    QString note() const;

private:
    Outcome m_outcome = Outcome::NothingToEncode;
    std::optional<QrSymbol> m_symbol;
    QByteArray m_vcard;
    double m_sideTwips = 0;
    double m_moduleMm = 0;
    bool m_droppedAddress = false;
    bool m_droppedWeb = false;
};
