// Time to print one card sheet of each format, with a logo picture, to a PDF file,
// beside the time of a PDF of one empty page made by the same device.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "cards/CardContent.h"
#include "cards/CardPrintJob.h"
#include "printing/PageOpPainter.h"
#include "printing/PrintPreview.h"
#include "printing/PrinterPage.h"
#include "printing/QPrinterPageDevice.h"

namespace {

constexpr int kRounds = 10;

QImage logoPicture() {
    QImage image(400, 450, QImage::Format_RGB32);  // a 300-dpi photo-like logo
    image.setDotsPerMeterX(int(300 / 0.0254));
    image.setDotsPerMeterY(int(300 / 0.0254));
    QPainter p(&image);
    for (int y = 0; y < image.height(); ++y)
        p.fillRect(0, y, image.width(), 1, QColor::fromHsv((y * 3) % 360, 160, 220));
    p.setBrush(Qt::white);
    p.drawEllipse(60, 60, 280, 280);
    return image;
}

double timePdf(const QString &path, const std::function<void(PrinterPage &)> &draw) {
    PrinterPage &page = PrinterPage::printer();
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kRounds; ++i) {
        page.setDevice(std::make_shared<QPrinterPageDevice>(QPrinterPageDevice::forPdf(path)));
        draw(page);
        page.finishJob();
        page.useCurrentPrinter();
    }
    return t.nsecsElapsed() / 1e6 / kRounds;
}

}  // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.pdf"));
    const QImage logo = logoPicture();

    const double empty = timePdf(path, [](PrinterPage &page) {
        page.print(QString());
        page.endDoc();
    });
    std::printf("empty page PDF: %.1f ms\n", empty);
    for (int f = 0; f < CardFormats::kCount; ++f) {
        const CardFormat format = CardFormats::fromIndex(f);
        CardContent content = CardContent::designState(format);
        content.texts[ContactRecord::Titolo] = QStringLiteral("Studio Tecnico Rossi");
        if (CardFormats::hasLogo(format)) content.logo = logo;
        const double sheet = timePdf(path, [&](PrinterPage &page) {
            CardPrintJob job;
            job.run(page, format, content, 1);
        });
        std::printf("%s sheet PDF: %.1f ms (%d cards)\n", qPrintable(CardFormats::tag(format)),
                    sheet, CardFormats::cardsPerPage(format));
    }

    // A full sheet with 900-pixel logos fitted into their boxes and every text shrunk, then
    // each of the two alone (the lossless logo costs its pixels, the texts their measuring).
    const QImage big = logoPicture().scaled(900, 900);
    CardContent fitted = CardContent::designState(CardFormat::SmallLogo);
    for (ContactRecord::Field f : {ContactRecord::Titolo, ContactRecord::Sottotitolo,
                                   ContactRecord::Indirizzo, ContactRecord::Email})
        fitted.texts[f] = QStringLiteral("Studio Tecnico Associato Bianchi Lombardo");
    fitted.logo = big;
    const double fittedSheet = timePdf(path, [&](PrinterPage &page) {
        CardPrintJob job;
        job.run(page, CardFormat::SmallLogo, fitted, 1);
    });
    std::printf("card01 sheet PDF, fitted logos and shrunk texts: %.1f ms\n", fittedSheet);
    CardContent onlyTexts = fitted;
    onlyTexts.logo = logo;
    const double textsOnly = timePdf(path, [&](PrinterPage &page) {
        CardPrintJob().run(page, CardFormat::SmallLogo, onlyTexts, 1);
    });
    std::printf("card01 sheet PDF, shrunk texts only: %.1f ms\n", textsOnly);
    CardContent onlyLogo = CardContent::designState(CardFormat::SmallLogo);
    onlyLogo.logo = big;
    const double logoOnly = timePdf(path, [&](PrinterPage &page) {
        CardPrintJob().run(page, CardFormat::SmallLogo, onlyLogo, 1);
    });
    std::printf("card01 sheet PDF, fitted 900-pixel logos only: %.1f ms\n", logoOnly);

    // The preview of 10 sheets: recorded and drawn as the preview window draws them.
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kRounds; ++i) {
        PrintPreview preview;
        preview.record(PrintTarget::toPdf(path), [&](PrinterPage &page) {
            CardPrintJob job;
            return job.run(page, CardFormat::SmallLogo, fitted, 10);
        });
        for (const PrintPreview::Page &p : preview.pages()) {
            QImage image((p.twips * (96.0 / 1440)).toSize(), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            for (const PageOp &op : p.operations)
                PageOpPainter::draw(painter, op, 96.0 / 1440, &image);
        }
    }
    std::printf("preview of 10 card01 sheets: %.1f ms\n", t.nsecsElapsed() / 1e6 / kRounds);
    return 0;
}
