#include "cards/CardPrintJob.h"

#include "cards/CardLayout.h"
#include "cards/CardTexts.h"
#include "cards/modTools.h"
#include "platform/HourglassCursor.h"

LayoutForm CardPrintJob::filledLayout(CardFormat format, const CardContent &content) {
    LayoutForm form = LayoutForm::forCards(format);
    const int cards = CardLayout::of(format).cards();
    const QList<ContactRecord::Field> boxes = CardTexts::boxesOf(format);
    for (int k = 0; k < cards; ++k) {
        if (CardFormats::hasLogo(format))
            if (LayoutControl *logo = form.control(QStringLiteral("picLogo"), k))
                logo->picture = content.logo;
        for (ContactRecord::Field f : boxes) {
            LayoutControl *box = form.control(CardTexts::boxName(f), k);
            if (!box) continue;
            box->text = ContactRecord::trimBlanks(content.texts.value(f));
            if (f == ContactRecord::Titolo) box->foreColor = content.titleColor;
            if (f == ContactRecord::Sottotitolo) box->foreColor = content.subtitleColor;
        }
    }
    return form;
}

bool CardPrintJob::run(PrinterPage &printer, CardFormat format, const CardContent &content,
                       int pages) {
    m_error.clear();
    printer.clearError();
    printer.setOrientation(PrinterPage::Portrait);
    printer.setScaleMode(PrinterPage::Twips);
    HourglassCursor hourglass;
    const LayoutForm form = filledLayout(format, content);
    for (int page = 1; page <= pages; ++page) {
        modTools::FormPrinter(form, printer);
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
