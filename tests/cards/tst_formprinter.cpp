// The form printer on hand-made layout forms, read back from the recording device.
#include <QTest>
#include <memory>

#include "cards/modTools.h"
#include "printing/PrinterPage.h"
#include "printing/RecordingPageDevice.h"

namespace {

LayoutControl textBox(double left, double top, double width, const QString &text,
                      int alignment = 0) {
    LayoutControl c;
    c.type = LayoutControl::Type::TextBox;
    c.name = QStringLiteral("txtProva");
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = 255;
    c.text = text;
    c.alignment = alignment;
    c.font.name = QStringLiteral("Arial");
    c.font.size = 8.25;
    return c;
}

LayoutControl label(double left, double top, double width, const QString &caption, int alignment,
                    int backStyle) {
    LayoutControl c = textBox(left, top, width, caption, alignment);
    c.type = LayoutControl::Type::Label;
    c.name = QStringLiteral("lblProva");
    c.backStyle = backStyle;
    return c;
}

}  // namespace

class TestFormPrinter : public QObject {
    Q_OBJECT
    std::shared_ptr<RecordingPageDevice> rec;
    PrinterPage &page() { return PrinterPage::printer(); }

private slots:
    void init() {
        page().reset();
        rec = std::make_shared<RecordingPageDevice>();
        page().setDevice(rec);
    }

    void horizontalStartByAlignment_data() {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QString>("text");
        QTest::newRow("left") << 0 << "Tel. 02 1234567";
        QTest::newRow("right, short") << 1 << "Cel.";
        QTest::newRow("right, wider than the box")
            << 1 << "Cel. 333 1234567 / 333 7654321 / 333 0000000 ancora";
        QTest::newRow("centre") << 2 << "Centro";
        QTest::newRow("centre, wider than the box")
            << 2 << "Un testo molto piu largo della sua casella";
    }
    void horizontalStartByAlignment() {
        QFETCH(int, alignment);
        QFETCH(QString, text);
        LayoutForm form;
        form.add(textBox(1845, 1530, 1695, text, alignment));
        modTools::FormPrinter(form, page());
        const PageOp op = rec->texts().first();
        const double w = op.w;
        QVERIFY(w > 0);
        double want = 1845;
        if (alignment == 1) want = 1845 + 1695 - w;
        if (alignment == 2) want = 1845 + (1695 - w) / 2;
        QVERIFY2(std::abs(op.x - want) < 0.01, qPrintable(QString::number(op.x)));
        if (alignment == 1) QVERIFY(std::abs(op.x + op.w - 3540) < 0.01);  // ends at the right edge
        if (alignment == 1 && w > 1695) QVERIFY(op.x < 1845);
        QCOMPARE(op.y, 1530.0);
    }

    void unknownAlignmentKeepsCurrentX() {
        LayoutForm form;
        form.add(textBox(500, 100, 1000, QStringLiteral("uno")));
        LayoutControl odd = textBox(4000, 900, 1000, QStringLiteral("due"), 7);
        form.add(odd);
        modTools::FormPrinter(form, page());
        // After "uno" CurrentX is back at 0, so "due" starts at 0.
        QCOMPARE(rec->texts()[1].x, 0.0);
        QCOMPARE(rec->texts()[1].y, 900.0);
    }

    void centredLabel() {
        LayoutForm form;
        form.add(label(2000, 300, 1000, QStringLiteral("ABCD"), 2, 0));
        modTools::FormPrinter(form, page());
        const PageOp op = rec->texts().first();
        QVERIFY(std::abs(op.x - (2000 + (1000 - op.w) / 2)) < 0.01);
        QVERIFY(op.fontTransparent);
    }

    void emptyBoxMovesThePosition() {
        LayoutControl empty = textBox(700, 1200, 1000, QString());
        modTools::PrintTextBox(empty, page());
        QCOMPARE(page().currentX(), 0.0);
        QVERIFY(page().currentY() > 1200);
        QCOMPARE(page().currentY(), 1200 + page().textHeight(QString()));
        QCOMPARE(rec->texts().size(), 1);
        QCOMPARE(rec->texts().first().text, QString());
        page().endDoc();
    }

    void opaqueLabelLeavesTransparencyOff() {
        LayoutForm form;
        form.add(textBox(100, 100, 1000, QStringLiteral("prima")));
        form.add(label(100, 400, 1000, QStringLiteral("etichetta"), 0, 1));
        form.add(textBox(100, 700, 1000, QStringLiteral("dopo")));
        form.add(label(100, 1000, 1000, QStringLiteral("trasparente"), 0, 0));
        form.add(textBox(100, 1300, 1000, QStringLiteral("ultima")));
        modTools::FormPrinter(form, page());
        const QList<PageOp> t = rec->texts();
        QCOMPARE(t.size(), 5);
        QVERIFY(t[0].fontTransparent);
        QVERIFY(!t[1].fontTransparent);
        QVERIFY(!t[2].fontTransparent);
        QVERIFY(t[3].fontTransparent);
        QVERIFY(t[4].fontTransparent);
    }

    void fontAndColourCarryOverFromTheControl() {
        LayoutControl c = textBox(0, 0, 1000, QStringLiteral("x"));
        c.font.name = QStringLiteral("Tahoma");
        c.font.size = 12;
        c.font.bold = true;
        c.font.weight = 400;  // the weight is copied last and decides
        c.font.underline = true;
        c.foreColor = 0x00FF00;
        LayoutForm form;
        form.add(c);
        modTools::FormPrinter(form, page());
        const PageOp op = rec->texts().first();
        QCOMPARE(op.font.name, QStringLiteral("Tahoma"));
        QCOMPARE(op.font.size, 12.0);
        QVERIFY(!op.font.isBold());
        QVERIFY(op.font.underline);
        QCOMPARE(op.color, QColor(0, 255, 0));
    }

    void unsupportedControlsAreSkipped() {
        LayoutForm form;
        LayoutControl shape;
        shape.type = LayoutControl::Type::Shape;
        form.add(shape);
        LayoutControl button;
        button.type = LayoutControl::Type::Other;
        button.text = QStringLiteral("Stampa");
        form.add(button);
        modTools::FormPrinter(form, page());
        QVERIFY(rec->operations().isEmpty());
        QVERIFY(rec->documents.isEmpty());  // an EndDoc with nothing drawn gives no sheet
        form.add(textBox(10, 10, 100, QStringLiteral("visibile")));
        form.controls.last().visible = false;  // hidden controls print too
        modTools::FormPrinter(form, page());
        QCOMPARE(rec->documents.size(), 1);
        QCOMPARE(rec->operations().size(), 1);
    }

    void picturesAndImages() {
        QImage big(300, 300, QImage::Format_RGB32);  // 96 dpi: 4500 twips, larger than the box
        big.fill(Qt::blue);
        LayoutForm form;
        LayoutControl box;
        box.type = LayoutControl::Type::PictureBox;
        box.left = 90;
        box.top = 90;
        box.width = 1200;
        box.height = 1350;
        box.picture = big;
        form.add(box);
        LayoutControl image = box;
        image.type = LayoutControl::Type::Image;
        image.left = 3000;
        form.add(image);
        modTools::FormPrinter(form, page());
        const QList<PageOp> pics = rec->pictures();
        QCOMPARE(pics.size(), 2);
        // A picture larger than its box shrinks to fit it, keeping its proportions and
        // its own pixels.
        QCOMPARE(pics[0].twips, QRectF(90, 90, 1200, 1200));
        QCOMPARE(pics[0].image.size(), QSize(300, 300));
        // The image control stretches its own picture.
        QCOMPARE(pics[1].image.size(), QSize(300, 300));
        QCOMPARE(pics[1].twips, QRectF(3000, 90, 1200, 1350));
    }

    void lineUsesThePenValueAndBlack() {
        LayoutControl l;
        l.type = LayoutControl::Type::Line;
        l.x1 = 405;
        l.y1 = 315;
        l.x2 = 11205;
        l.y2 = 315;
        modTools::PrintLine(l, page(), 3);
        page().endDoc();
        const PageOp op = rec->lines().first();
        QCOMPARE(op.drawWidth, 3);
        QCOMPARE(op.color, QColor(Qt::black));
        QCOMPARE(op.twips, QRectF(QPointF(405, 315), QPointF(11205, 315)));
    }
};

QTEST_MAIN(TestFormPrinter)
#include "tst_formprinter.moc"
