// Card sheets on business-card stock and the QR code of the logo box, read back from the
// recording page device and from the settings file.
#include <QTest>
#include <memory>

#include "archive/SettingsFile.h"
#include "cards/CardContent.h"
#include "cards/CardLayout.h"
#include "cards/CardPrintJob.h"
#include "cards/CardQr.h"
#include "cards/CardSheetSettings.h"
#include "cards/CardTestPage.h"
#include "cards/CardTexts.h"
#include "cards/CardVCard.h"
#include "printing/PrinterPage.h"
#include "printing/RecordingPageDevice.h"
#include "printing/Twips.h"
#include "support/TestEnvironment.h"

using F = ContactRecord::Field;
Q_DECLARE_METATYPE(CardFormat)

namespace {

CardContent shortContent(CardFormat format) {
    CardContent c = CardContent::designState(format);
    c.texts[F::Titolo] = QStringLiteral("Rossi");
    c.texts[F::Tel] = QStringLiteral("Tel. 02 1234");
    c.texts[F::Email] = QStringLiteral("m@r.it");
    return c;
}

double mm(double v) {
    return Twips::fromMm(v).value();
}

// What one side of a rectangle may stick out by, in twips (rounding of the scale).
constexpr double kSlack = 0.5;

bool inside(const QRectF &outer, const QRectF &inner) {
    return inner.left() >= outer.left() - kSlack && inner.top() >= outer.top() - kSlack &&
           inner.right() <= outer.right() + kSlack && inner.bottom() <= outer.bottom() + kSlack;
}

}  // namespace

class TestCardStock : public QObject {
    Q_OBJECT
    std::shared_ptr<RecordingPageDevice> rec;

private slots:
    void init() {
        PrinterPage::printer().reset();
        rec = std::make_shared<RecordingPageDevice>();
        PrinterPage::printer().setDevice(rec);
    }

    // A format is offered on a stock only when its card changes by 15 % or less.
    void sheetsOfferedPerFormat_data() {
        QTest::addColumn<CardFormat>("format");
        QTest::addColumn<QString>("sheets");
        QTest::newRow("small, 63.5 mm: +34 %") << CardFormat::SmallLogo << "a4";
        QTest::newRow("small without logo") << CardFormat::SmallNoLogo << "a4";
        QTest::newRow("medium, 77 × 49.2 mm")
            << CardFormat::Medium << "a4, 85x55-10, 85x54-10, 85x54-8, 90x50-10";
        QTest::newRow("large, 95.25 × 63.5 mm: 54 mm is −14.96 %, 50 mm −21 %")
            << CardFormat::Large << "a4, 85x55-10, 85x54-10, 85x54-8";
    }
    void sheetsOfferedPerFormat() {
        QFETCH(CardFormat, format);
        QFETCH(QString, sheets);
        QCOMPARE(CardSheet::keysText(format), sheets);
        QVERIFY(!CardSheet::fromKey(format, QStringLiteral("90x50-10")) ||
                format == CardFormat::Medium);
    }

    void stockNames() {
        QCOMPARE(CardStock::fromKey(QStringLiteral("85x55-10"))->name(),
                 QString::fromUtf8("Biglietti microperforati 85 × 55 mm, 10 per foglio"));
        QCOMPARE(CardStock::fromKey(QStringLiteral("85x54-8"))->name(),
                 QString::fromUtf8("Biglietti prefustellati 85 × 54 mm, 8 per foglio"));
    }

    // Every field, logo and rule of every card lies inside its stock card; no cut guide;
    // the design is as much bigger in its fonts as in its boxes.
    void everyCardInsideItsStockCard_data() {
        QTest::addColumn<CardFormat>("format");
        QTest::addColumn<QString>("stock");
        for (CardFormat f : {CardFormat::Medium, CardFormat::Large})
            for (const CardStock &s : CardSheet::stocksFor(f))
                QTest::newRow(qPrintable(CardFormats::tag(f) + u' ' + QLatin1String(s.key)))
                    << f << QString::fromLatin1(s.key);
    }
    void everyCardInsideItsStockCard() {
        QFETCH(CardFormat, format);
        QFETCH(QString, stock);
        TestEnvironment env;
        const CardSheet sheet = *CardSheet::fromKey(format, stock);
        CardContent c = shortContent(format);
        QImage logo(40, 40, QImage::Format_RGB32);
        logo.fill(Qt::green);
        c.logo = logo;
        CardPrintJob job;
        QVERIFY(job.run(PrinterPage::printer(), sheet, c, 1));

        const QList<PageOp> texts = rec->texts();
        QCOMPARE(texts.size(), sheet.cards() * CardTexts::boxesOf(format).size());
        QCOMPARE(rec->pictures().size(), sheet.cards());
        // Only the two rules of each card: no guide to cut along.
        QCOMPARE(rec->lines().size(), 2 * sheet.cards());
        auto cardOf = [&](QPointF p) {
            for (int k = 0; k < sheet.cards(); ++k)
                if (inside(sheet.cardRect(k), QRectF(p, QSizeF(0, 0)))) return k;
            return -1;
        };
        QList<int> titles;
        for (const PageOp &op : texts) {
            const int k = cardOf(op.twips.topLeft());
            QVERIFY2(k >= 0, qPrintable(op.text));
            QVERIFY2(inside(sheet.cardRect(k), QRectF(op.x, op.y, op.w, 1)), qPrintable(op.text));
            if (op.text == QLatin1String("Rossi")) {
                titles << k;
                const CardField *t = CardLayout::of(format).field(F::Titolo);
                QVERIFY(qAbs(op.font.size - t->fontSize * sheet.scale()) < 1e-9);
            }
        }
        std::sort(titles.begin(), titles.end());
        QCOMPARE(titles.size(), sheet.cards());
        for (int k = 0; k < sheet.cards(); ++k) QCOMPARE(titles[k], k);
        for (const PageOp &op : rec->pictures())
            QVERIFY(inside(sheet.cardRect(cardOf(op.twips.topLeft())), op.twips));
        for (const PageOp &op : rec->lines()) {
            const int k = cardOf(QPointF(op.x, op.y));
            QVERIFY(k >= 0);
            QVERIFY(inside(sheet.cardRect(k), QRectF(QPointF(op.x, op.y), QPointF(op.x2, op.y2))));
        }
    }

    // Worked check: the large card (95.25 × 63.5 mm) on 85 × 54 mm stock shrinks to
    // 54 / 63.5 = 0.8504 and is centred across: (85 − 0.8504 × 95.25) / 2 = 2.0 mm.
    void largeOnEightyFiveByFiftyFour() {
        TestEnvironment env;
        const CardSheet sheet = *CardSheet::fromKey(CardFormat::Large, QStringLiteral("85x54-10"));
        CardPrintJob job;
        QVERIFY(job.run(PrinterPage::printer(), sheet, shortContent(CardFormat::Large), 1));
        QList<PageOp> titles;
        for (const PageOp &op : rec->texts())
            if (op.text == QLatin1String("Rossi")) titles << op;
        QCOMPARE(titles.size(), 10);
        // Card 0: left 15 mm, top 13.5 mm; the title 1710, 90 twips into the design.
        QVERIFY(qAbs(titles[0].x - (mm(15) + mm(2.0) + 1710 * 0.850394)) < 0.5);
        QVERIFY(qAbs(titles[0].y - (mm(13.5) + 90 * 0.850394)) < 0.5);
        QVERIFY(qAbs(titles[0].font.size - 12 * 0.850394) < 1e-4);
        // Card 9: column 1, row 4 (pitch 95 × 54 mm).
        QVERIFY(qAbs(titles[9].x - (mm(15 + 95) + mm(2.0) + 1710 * 0.850394)) < 0.5);
        QVERIFY(qAbs(titles[9].y - (mm(13.5 + 4 * 54) + 90 * 0.850394)) < 0.5);
    }

    // A partly used stock sheet: only the cards asked for, and still no guide.
    void partialStockSheet() {
        TestEnvironment env;
        const CardSheet sheet = *CardSheet::fromKey(CardFormat::Medium, QStringLiteral("85x55-10"));
        QCOMPARE(CardPrintJob::rangeError(sheet, {11, 0}),
                 QStringLiteral("Il biglietto di partenza deve essere tra 1 e 10."));
        CardPrintJob job;
        QVERIFY(
            job.run(PrinterPage::printer(), sheet, shortContent(CardFormat::Medium), 1, {9, 4}));
        QCOMPARE(rec->documents.size(), 2);
        QCOMPARE(rec->documents[0].pages[0].size() - rec->documents[1].pages[0].size(), 0);
        int titles = 0, lines = 0;
        for (const PageOp &op : rec->documents[0].pages[0]) {
            if (op.kind == PageOp::Text && op.text == QLatin1String("Rossi")) {
                ++titles;
                QVERIFY(op.y > mm(10 + 4 * 55));  // the last row only
            }
            if (op.kind == PageOp::Line) ++lines;
        }
        QCOMPARE(titles, 2);
        QCOMPARE(lines, 4);
    }

    // The test page of a stock outlines its cards and marks their outer corners.
    void testPageOutlinesTheStock_data() {
        QTest::addColumn<QString>("stock");
        for (const CardStock &s : CardStock::all())
            QTest::newRow(s.key) << QString::fromLatin1(s.key);
    }
    void testPageOutlinesTheStock() {
        QFETCH(QString, stock);
        TestEnvironment env;
        const CardStock s = *CardStock::fromKey(stock);
        QVERIFY(CardTestPage::print(PrinterPage::printer(), CardSheet(CardFormat::Medium, s)));
        const QList<PageOp> lines = rec->lines();
        auto has = [&](double x1, double y1, double x2, double y2) {
            for (const PageOp &op : lines)
                if (qAbs(op.x - x1) < 0.01 && qAbs(op.y - y1) < 0.01 && qAbs(op.x2 - x2) < 0.01 &&
                    qAbs(op.y2 - y2) < 0.01)
                    return true;
            return false;
        };
        // The top edge of the first card, the right edge of the last one.
        QVERIFY(has(mm(s.left), mm(s.top), mm(s.left + s.width), mm(s.top)));
        const QRectF last = s.cardTwips(s.cards() - 1);
        QVERIFY(has(last.right(), last.top(), last.right(), last.bottom()));
        // A cross at the bottom-right corner of the block of cards.
        const double a = CardTestPage::kCrossArm;
        QVERIFY(has(last.right() - a, last.bottom(), last.right() + a, last.bottom()));
    }

    // The kept sheet of each format; what the table does not offer reads as plain A4.
    void keptSheetPerFormat_data() {
        QTest::addColumn<CardFormat>("format");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("sheet");
        QTest::newRow("nothing kept") << CardFormat::Medium << ""
                                      << "a4";
        QTest::newRow("stock") << CardFormat::Medium << "85x55-10"
                               << "85x55-10";
        QTest::newRow("blanks around") << CardFormat::Large << " 85x54-8 "
                                       << "85x54-8";
        QTest::newRow("stock no longer made") << CardFormat::Large << "85x52-10"
                                              << "a4";
        QTest::newRow("stock the format does not fit") << CardFormat::Large << "90x50-10"
                                                       << "a4";
        QTest::newRow("small format on stock") << CardFormat::SmallLogo << "85x54-10"
                                               << "a4";
    }
    void keptSheetPerFormat() {
        QFETCH(CardFormat, format);
        QFETCH(QString, kept);
        QFETCH(QString, sheet);
        TestEnvironment env;
        SettingsFile settings(env.file(QStringLiteral("Cartaflex.ini")));
        QVERIFY(settings.write(QStringLiteral("Carta Biglietti"), CardFormats::tag(format), kept));
        QCOMPARE(CardSheetSettings::read(settings, format).key(), sheet);
        // Writing another format's choice leaves this one as it was.
        const CardFormat other =
            format == CardFormat::Medium ? CardFormat::Large : CardFormat::Medium;
        QVERIFY(CardSheetSettings::write(settings, CardSheet(other)));
        QCOMPARE(CardSheetSettings::read(settings, format).key(), sheet);
    }

    // The vCard holds what the card shows: no design text, no bare prefix, no field the
    // format lacks.
    void vcardOfTheCard_data() {
        QTest::addColumn<CardFormat>("format");
        QTest::addColumn<QString>("vcard");
        const QString head = QStringLiteral(
            "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Rossi\\, Bianchi;;;;\r\nFN:Rossi\\, Bianchi\r\n"
            "TEL;TYPE=WORK:02 1234\r\nEMAIL:m@r.it\r\nADR;TYPE=WORK:;;Via Po 1;;;;\r\n");
        QTest::newRow("medium") << CardFormat::Medium
                                << head + QStringLiteral("URL:www.r.it\r\nEND:VCARD\r\n");
        QTest::newRow("small: no web box")
            << CardFormat::SmallLogo << head + QStringLiteral("END:VCARD\r\n");
    }
    void vcardOfTheCard() {
        QFETCH(CardFormat, format);
        QFETCH(QString, vcard);
        CardVCard::Texts t = CardContent::designState(format).texts;  // "Città" stays
        t[F::Titolo] = QStringLiteral("  Rossi, Bianchi ");
        t[F::Tel] = QStringLiteral("Tel. 02 1234");
        t[F::Cel] = QStringLiteral("Cel. ");
        t[F::Email] = QStringLiteral("m@r.it");
        t[F::Indirizzo] = QStringLiteral("Via Po 1");
        t[F::Web] = QStringLiteral("www.r.it");
        QCOMPARE(QString::fromUtf8(CardVCard::text(format, t)), vcard);
    }

    // The code takes the highest level that fits at 0.5 mm a module; a long card loses
    // its address, then its web site; a card with nothing to say keeps its logo.
    void qrFitsTheLogoBox_data() {
        QTest::addColumn<CardFormat>("format");
        QTest::addColumn<QString>("stock");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("web");
        QTest::addColumn<QString>("email");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<bool>("droppedAddress");
        QTest::addColumn<bool>("droppedWeb");
        using O = CardQr::Outcome;
        const QString street = QStringLiteral("Via Giuseppe Garibaldi 123");
        const QString site = QStringLiteral("www.studio-legale-rossi-bianchi.it");
        const QString mail = QStringLiteral("mario.rossi@studiolegale.it");
        // 177 bytes without address and web: version 8 at level L, 49 modules.
        QTest::newRow("large: whole") << CardFormat::Large << "a4"
                                      << ""
                                      << "" << mail << int(O::Whole) << false << false;
        QTest::newRow("large: without the address (217 bytes, version 9)")
            << CardFormat::Large << "a4" << street << site << mail << int(O::Shortened) << true
            << false;
        QTest::newRow("medium on 85 × 55 mm: without address and web (26 mm, version 8)")
            << CardFormat::Medium << "85x55-10" << street << site << mail << int(O::Shortened)
            << true << true;
        QTest::newRow("medium on A4: 23.5 mm hold version 7 only")
            << CardFormat::Medium << "a4" << street << "" << mail << int(O::TooLong) << false
            << false;
        QTest::newRow("small: a longer e-mail")
            << CardFormat::SmallLogo << "a4"
            << ""
            << "" << QString(40, u'x') << int(O::TooLong) << false << false;
    }
    void qrFitsTheLogoBox() {
        QFETCH(CardFormat, format);
        QFETCH(QString, stock);
        QFETCH(QString, address);
        QFETCH(QString, web);
        QFETCH(QString, email);
        QFETCH(int, outcome);
        QFETCH(bool, droppedAddress);
        QFETCH(bool, droppedWeb);
        CardVCard::Texts t = CardContent::designState(format).texts;
        t[F::Titolo] = QStringLiteral("Studio Legale Rossi");
        t[F::Tel] = QStringLiteral("Tel. 02 12345678");
        t[F::Cel] = QStringLiteral("Cel. 333 1234567");
        t[F::Email] = email;
        if (!address.isEmpty()) t[F::Indirizzo] = address;
        if (!web.isEmpty()) t[F::Web] = web;
        const CardSheet sheet = *CardSheet::fromKey(format, stock);
        const CardQr qr = CardQr::forSheet(sheet, t);
        QCOMPARE(int(qr.outcome()), outcome);
        QCOMPARE(qr.droppedAddress(), droppedAddress);
        QCOMPARE(qr.droppedWeb(), droppedWeb);
        QCOMPARE(qr.printed(), outcome != int(CardQr::Outcome::TooLong));
        QCOMPARE(qr.note().isEmpty(), outcome == int(CardQr::Outcome::Whole));
        if (!qr.printed()) return;
        QVERIFY(qr.moduleMm() >= CardQr::kMinModuleMm);
        QVERIFY(qr.vcard().contains("FN:Studio Legale Rossi"));
        QCOMPARE(qr.vcard().contains("ADR"), !address.isEmpty() && !droppedAddress);
        QCOMPARE(qr.vcard().contains("URL"), !web.isEmpty() && !droppedWeb);
        // No higher level would have fitted.
        if (qr.symbol()->level() != QrSymbol::Level::H) {
            const auto higher =
                QrSymbol::encode(qr.vcard(), QrSymbol::Level(int(qr.symbol()->level()) + 1));
            const double side = qr.moduleMm() * (qr.symbol()->width() + 2 * CardQr::kQuietModules);
            QVERIFY(!higher || side / (higher->width() + 2 * CardQr::kQuietModules) < 0.5);
        }
        // Printed in the box's square (on stock, the scaled box's), from its corner.
        const double sideTwips = PrinterPage::imageTwips(qr.picture()).width();
        const auto &box = CardLayout::of(format).logo();
        const double side = std::min(box->width(), box->height()) * sheet.scale();
        QVERIFY(qAbs(sideTwips - side) <= 1);
    }

    // A card that shows nothing keeps its logo, and the job prints the logo.
    void qrWithNothingToEncodePrintsTheLogo() {
        TestEnvironment env;
        CardContent c = CardContent::designState(CardFormat::Medium);
        c.texts[F::Tel] = QStringLiteral("Tel. ");
        c.qr = true;
        // A logo of the user's (the sample logo is never printed at all).
        c.logo = QImage(40, 40, QImage::Format_RGB32);
        c.logo.fill(Qt::darkRed);
        const CardQr qr = CardQr::forSheet(CardSheet(CardFormat::Medium), c.texts);
        QCOMPARE(qr.outcome(), CardQr::Outcome::NothingToEncode);
        QVERIFY(qr.note().startsWith(QStringLiteral("Il biglietto non mostra dati")));
        CardPrintJob job;
        QVERIFY(job.run(PrinterPage::printer(), CardFormat::Medium, c, 1));
        QCOMPARE(rec->pictures().first().image.cacheKey(), c.logo.cacheKey());
    }
};

QTEST_MAIN(TestCardStock)
#include "tst_cardstock.moc"
