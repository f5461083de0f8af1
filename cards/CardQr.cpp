#include "cards/CardQr.h"

#include <QList>
#include <algorithm>
#include <cmath>

#include "cards/CardLayout.h"
#include "cards/CardSheet.h"
#include "printing/Twips.h"

namespace {

// The symbol of `data` at the highest level whose modules are big enough in a square of
// `sideMm`, with its module size.
std::optional<QrSymbol> fitted(const QByteArray &data, double sideMm, double &moduleMm) {
    for (QrSymbol::Level level :
         {QrSymbol::Level::H, QrSymbol::Level::Q, QrSymbol::Level::M, QrSymbol::Level::L}) {
        auto symbol = QrSymbol::encode(data, level);
        if (!symbol) continue;
        const double module = sideMm / (symbol->width() + 2 * CardQr::kQuietModules);
        if (module >= CardQr::kMinModuleMm) {
            moduleMm = module;
            return symbol;
        }
    }
    return std::nullopt;
}

}  // namespace

CardQr CardQr::forBox(CardFormat format, const CardVCard::Texts &texts, QSizeF boxTwips) {
    CardQr qr;
    qr.m_sideTwips = std::min(boxTwips.width(), boxTwips.height());
    if (!CardFormats::hasLogo(format) || !CardVCard::showsAnything(format, texts)) return qr;
    const double sideMm = Twips(qr.m_sideTwips).mm();
    const bool address = CardVCard::showsAddress(format, texts);
    const bool web = CardVCard::showsWeb(format, texts);
    // The whole card, then without the address, then without the web site as well.
    QList<std::pair<bool, bool>> tries{{true, true}};
    if (address) tries.append({false, true});
    if (web) tries.append({false, false});
    for (const auto &[withAddress, withWeb] : tries) {
        const QByteArray data = CardVCard::text(format, texts, withAddress, withWeb);
        if (auto symbol = fitted(data, sideMm, qr.m_moduleMm)) {
            qr.m_symbol = symbol;
            qr.m_vcard = data;
            qr.m_droppedAddress = address && !withAddress;
            qr.m_droppedWeb = web && !withWeb;
            qr.m_outcome =
                qr.m_droppedAddress || qr.m_droppedWeb ? Outcome::Shortened : Outcome::Whole;
            return qr;
        }
    }
    qr.m_outcome = Outcome::TooLong;
    return qr;
}

CardQr CardQr::forSheet(const CardSheet &sheet, const CardVCard::Texts &texts) {
    const auto &logo = CardLayout::of(sheet.format()).logo();
    if (!logo) return CardQr();
    return forBox(sheet.format(), texts, QSizeF(logo->size()) * sheet.scale());
}

QImage CardQr::picture() const {
    if (!m_symbol) return QImage();
    QImage image = m_symbol->image(kQuietModules, kPixelsPerModule);
    // Dots per metre that make the picture's own size the square's side.
    const double metres = Twips(m_sideTwips).mm() / 1000.0;
    const int dpm = int(std::ceil(image.width() / metres));
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
    return image;
}

QString CardQr::note() const {
    switch (m_outcome) {
        case Outcome::Whole:
            return QString();
        case Outcome::Shortened:
            if (m_droppedAddress && m_droppedWeb)
                return QString::fromUtf8(
                    "Il codice QR non contiene l'indirizzo né il sito Web: con questi dati i "
                    "suoi punti sarebbero più piccoli di 0,5 mm.");
            if (m_droppedAddress)
                return QString::fromUtf8(
                    "Il codice QR non contiene l'indirizzo: con l'indirizzo i suoi punti "
                    "sarebbero più piccoli di 0,5 mm.");
            return QString::fromUtf8(
                "Il codice QR non contiene il sito Web: con il sito i suoi punti sarebbero più "
                "piccoli di 0,5 mm.");
        case Outcome::NothingToEncode:
            return QString::fromUtf8(
                "Il biglietto non mostra dati da mettere nel codice QR: nel riquadro viene "
                "stampato il logo.");
        case Outcome::TooLong:
            return QString::fromUtf8(
                "I dati del biglietto non entrano nel codice QR nemmeno senza indirizzo e sito "
                "Web (i punti sarebbero più piccoli di 0,5 mm): nel riquadro viene stampato il "
                "logo.");
    }
    return QString();
}
