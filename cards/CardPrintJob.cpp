#include "cards/CardPrintJob.h"

#include <algorithm>

#include "cards/CardLayout.h"
#include "cards/CardPicture.h"
#include "cards/CardQr.h"
#include "cards/CardTexts.h"
#include "cards/modTools.h"
#include "platform/HourglassCursor.h"
#include "printing/PrintedText.h"

LayoutForm CardPrintJob::filledLayout(CardFormat format, const CardContent &content) {
    return filledLayout(CardSheet(format), content);
}

LayoutForm CardPrintJob::filledLayout(const CardSheet &sheet, const CardContent &content) {
    const CardFormat format = sheet.format();
    LayoutForm form = LayoutForm::forSheet(sheet);
    const QList<ContactRecord::Field> boxes = CardTexts::boxesOf(format);
    // The sample logo the composer shows at start is never printed: the box stays blank.
    QImage logo = CardFormats::hasLogo(format) && CardPicture::isSample(content.logo, format)
                      ? CardPicture::blank()
                      : content.logo;
    if (content.qr && CardFormats::hasLogo(format)) {
        const CardQr qr = CardQr::forSheet(sheet, content.texts);
        if (qr.printed()) logo = qr.picture();
    }
    for (int k = 0; k < sheet.cards(); ++k) {
        if (CardFormats::hasLogo(format))
            if (LayoutControl *box = form.control(QStringLiteral("picLogo"), k))
                box->picture = logo;
        for (ContactRecord::Field f : boxes) {
            LayoutControl *box = form.control(CardTexts::boxName(f), k);
            if (!box) continue;
            // A box left at its design text or holding only its prefix prints nothing.
            box->text = PrintedText::of(content.texts.value(f), CardTexts::designText(f));
            if (f == ContactRecord::Titolo) box->foreColor = content.titleColor;
            if (f == ContactRecord::Sottotitolo) box->foreColor = content.subtitleColor;
        }
    }
    return form;
}

QString CardPrintJob::rangeError(CardFormat format, const Range &range) {
    return rangeError(CardSheet(format), range);
}

QString CardPrintJob::rangeError(const CardSheet &sheet, const Range &range) {
    const int cards = sheet.cards();
    if (range.first < 1 || range.first > cards)
        return QStringLiteral("Il biglietto di partenza deve essere tra 1 e %1.").arg(cards);
    if (range.count < 0) return QStringLiteral("Il numero di biglietti deve essere almeno 1.");
    return QString();
}

int CardPrintJob::sheetsOf(CardFormat format, const Range &range, int pages) {
    return sheetsOf(CardSheet(format), range, pages);
}

int CardPrintJob::sheetsOf(const CardSheet &sheet, const Range &range, int pages) {
    if (range.count <= 0) return pages;
    const int cards = sheet.cards();
    return (range.first - 1 + range.count + cards - 1) / cards;
}

LayoutForm CardPrintJob::sheetLayout(CardFormat format, const CardContent &content,
                                     const QList<bool> &printed) {
    return sheetLayout(CardSheet(format), content, printed);
}

LayoutForm CardPrintJob::sheetLayout(const CardSheet &sheet, const CardContent &content,
                                     const QList<bool> &printed) {
    LayoutForm form = filledLayout(sheet, content);
    if (!printed.contains(false)) return form;
    LayoutForm out;
    out.name = form.name;
    out.caption = form.caption;
    if (sheet.isPlain()) {
        // The cut guides: the four edges of every printed card, each once.
        QList<CardLine> cuts;
        for (int k = 0; k < sheet.cards(); ++k) {
            if (!printed.value(k)) continue;
            const QRect r = sheet.cardRect(k).toRect();
            const int l = r.left(), t = r.top(), rt = l + r.width(), b = t + r.height();
            for (const CardLine &edge : {CardLine{l, t, rt, t}, CardLine{rt, t, rt, b},
                                         CardLine{l, b, rt, b}, CardLine{l, t, l, b}})
                if (!cuts.contains(edge)) cuts.append(edge);
        }
        for (int i = 0; i < cuts.size(); ++i) {
            LayoutControl c;
            c.type = LayoutControl::Type::Line;
            c.name = QStringLiteral("linTaglio");
            c.index = i;
            c.x1 = cuts[i].x1;
            c.y1 = cuts[i].y1;
            c.x2 = cuts[i].x2;
            c.y2 = cuts[i].y2;
            out.add(c);
        }
    }
    for (const LayoutControl &c : form.controls) {
        if (c.name == QLatin1String("linTaglio")) continue;
        const int card = c.name == QLatin1String("linRegola") ? c.index / 2 : c.index;
        if (printed.value(card)) out.add(c);
    }
    return out;
}

bool CardPrintJob::run(PrinterPage &printer, CardFormat format, const CardContent &content,
                       int pages, const Range &range) {
    return run(printer, CardSheet(format), content, pages, range);
}

bool CardPrintJob::run(PrinterPage &printer, const CardSheet &sheet, const CardContent &content,
                       int pages, const Range &range) {
    m_error.clear();
    printer.clearError();
    printer.setPaper(Paper::a4());  // card stock is A4
    printer.setOrientation(PrinterPage::Portrait);
    printer.setScaleMode(PrinterPage::Twips);
    HourglassCursor hourglass;
    const int cards = sheet.cards();
    const int sheets = sheetsOf(sheet, range, pages);
    const int first = std::clamp(range.first, 1, cards) - 1;
    int left = range.count > 0 ? range.count : sheets * cards - first;
    const LayoutForm whole = filledLayout(sheet, content);
    for (int page = 1; page <= sheets && left > 0; ++page) {
        QList<bool> printed(cards, false);
        for (int k = page == 1 ? first : 0; k < cards && left > 0; ++k, --left) printed[k] = true;
        if (printed.contains(false))
            modTools::FormPrinter(sheetLayout(sheet, content, printed), printer);
        else
            modTools::FormPrinter(whole, printer);
        if (!printer.ok()) break;  // the printer is gone: the next pages would fail the same
    }
    printer.endDoc();
    if (!printer.ok()) {
        m_error = printer.errorString();
        printer.clearError();
        return false;
    }
    return true;
}

int CardPrintJob::pagesFromText(const QString &text) {
    int i = 0;
    while (i < text.size() && text[i] == u' ') ++i;
    qint64 n = 0;
    bool any = false;
    for (; i < text.size() && text[i].isDigit() && text[i].unicode() < 128; ++i) {
        n = n * 10 + (text[i].unicode() - '0');
        any = true;
        if (n > 32767) return 32767;
    }
    return any ? int(n) : 0;
}
