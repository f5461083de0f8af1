#include <QtTest>
#include <memory>

#include "archive/ArchiveStore.h"
#include "envelopes/EnvelopeContent.h"
#include "labels/ContactSelection.h"
#include "labels/EnvelopeSeries.h"
#include "labels/LabelJob.h"
#include "labels/LabelLayout.h"
#include "labels/LabelSheetPrinter.h"
#include "labels/SelectionScan.h"
#include "printing/PrinterPage.h"
#include "printing/RecordingPageDevice.h"
#include "support/TestEnvironment.h"

namespace {

constexpr double kMm = Twips::kPerMm;

ContactRecord contact(const QString &name, const QString &sub, const QString &street,
                      const QString &town) {
    ContactRecord r;
    r.setValue(ContactRecord::Titolo, name);
    r.setValue(ContactRecord::Sottotitolo, sub);
    r.setValue(ContactRecord::Indirizzo, street);
    r.setValue(ContactRecord::Citta, town);
    return r;
}

void writeArchive(const TestEnvironment &env, const QList<ContactRecord> &records) {
    QByteArray bytes;
    for (const ContactRecord &r : records) bytes += r.encode();
    QVERIFY(TestEnvironment::writeBytes(env.file(QStringLiteral("Contatti.edb")), bytes));
}

// `count` contacts "Ditta 1" … with a full four-line block.
QList<ContactRecord> numbered(int count) {
    QList<ContactRecord> out;
    for (int i = 1; i <= count; ++i)
        out << contact(QStringLiteral("Ditta %1").arg(i), QStringLiteral("Forniture"),
                       QStringLiteral("Via %1").arg(i), QStringLiteral("Milano"));
    return out;
}

PageFont font(double size, bool bold) {
    PageFont f;
    f.name = QStringLiteral("Verdana");
    f.size = size;
    f.bold = bold;
    return f;
}

// The sheets as the suppliers give them: name, columns × rows, margins, pitch, label size.
struct Sheet {
    const char *key, *name;
    int columns, rows;
    double left, top, across, down, width, height;
};
const Sheet kSheets[] = {
    {"3x8", "3 × 8, 70 × 37 mm", 3, 8, 0, 0.5, 70, 37, 70, 37},
    {"3x7", "3 × 7, 70 × 42,3 mm", 3, 7, 0, 0.45, 70, 42.3, 70, 42.3},
    {"2x7", "2 × 7, 99,1 × 38,1 mm", 2, 7, 4.65, 15.15, 101.6, 38.1, 99.1, 38.1},
    {"3x7s", "3 × 7, 63,5 × 38,1 mm", 3, 7, 7.25, 15.15, 66, 38.1, 63.5, 38.1},
    {"2x4", "2 × 4, 99,1 × 67,7 mm", 2, 4, 4.65, 13.1, 101.6, 67.7, 99.1, 67.7},
};

const PageOp *textOp(const QList<PageOp> &ops, const QString &text) {
    for (const PageOp &op : ops)
        if (op.text == text) return &op;
    return nullptr;
}

}  // namespace

class TestLabelSheets : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void labelPositions_data();
    void labelPositions();
    void blockIsCompactAndContactsWithoutAddressAreLeftOut();
    void leftOutSummaryListsUpToItsLimit_data();
    void leftOutSummaryListsUpToItsLimit();
    void longLinesShrinkThenCut();
    void selectionRules_data();
    void selectionRules();
    void cancelStopsAtTheNextSheet();
    void envelopeSeriesIsOneJob();
    void missingPrinterFails();

private:
    std::unique_ptr<TestEnvironment> m_env;
    std::shared_ptr<RecordingPageDevice> m_device;
};

void TestLabelSheets::init() {
    m_env = std::make_unique<TestEnvironment>();
    PrinterPage::printer().reset();
    m_device = std::make_shared<RecordingPageDevice>();
    PrinterPage::printer().setDevice(m_device);
}

void TestLabelSheets::cleanup() {
    PrinterPage::printer().reset();
    m_device.reset();
    m_env.reset();
}

void TestLabelSheets::labelPositions_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("first");    // "Inizia dall'etichetta"
    QTest::addColumn<int>("contact");  // from 1, in archive order
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("cell");  // from 0 on its sheet
    QCOMPARE(LabelLayout::all().size(), 5);
    for (const Sheet &sheet : kSheets) {
        const int n = sheet.columns * sheet.rows;
        const char *k = sheet.key;
        QTest::addRow("%s first of sheet", k) << k << 1 << 1 << 1 << 0;
        QTest::addRow("%s last of sheet", k) << k << 1 << n << 1 << n - 1;
        QTest::addRow("%s first of next sheet", k) << k << 1 << n + 1 << 2 << 0;
        QTest::addRow("%s last of next sheet", k) << k << 1 << 2 * n << 2 << n - 1;
        QTest::addRow("%s start at 5", k) << k << 5 << 1 << 1 << 4;
        QTest::addRow("%s start at 5, last of sheet", k) << k << 5 << n - 4 << 1 << n - 1;
        QTest::addRow("%s start at 5, continued", k) << k << 5 << n - 3 << 2 << 0;
        QTest::addRow("%s start at last", k) << k << n << 2 << 2 << 0;
    }
}

void TestLabelSheets::labelPositions() {
    QFETCH(QString, key);
    QFETCH(int, first);
    QFETCH(int, contact);
    QFETCH(int, page);
    QFETCH(int, cell);
    const LabelLayout layout = *LabelLayout::fromKey(key);
    const Sheet *sheet = nullptr;
    for (const Sheet &s : kSheets)
        if (key == QLatin1String(s.key)) sheet = &s;
    QCOMPARE(QString::fromUtf8(layout.name), QString::fromUtf8(sheet->name));
    const int count = 2 * sheet->columns * sheet->rows;
    writeArchive(*m_env, numbered(count));
    ArchiveStore store;
    const SeriesResult r = LabelJob::run(PrinterPage::printer(), store,
                                         ContactSelection::wholeArchive(), layout, first, count);
    QVERIFY(r.ok);
    QCOMPARE(r.printed, count);
    QCOMPARE(r.pages, LabelSheetPrinter::sheetsFor(layout, count, first));
    QCOMPARE(m_device->documents.size(), 1);
    QVERIFY(m_device->lines().isEmpty());  // no cut guides on die-cut sheets

    const QList<PageOp> ops = m_device->texts();
    const PageOp *name = textOp(ops, QStringLiteral("Ditta %1").arg(contact));
    const PageOp *town = nullptr;
    QVERIFY(name);
    for (qsizetype i = 0; i + 3 < ops.size(); ++i)
        if (&ops[i] == name) town = &ops[i + 3];
    QVERIFY(town && town->text == QStringLiteral("Milano"));
    QCOMPARE(name->page, page);

    const QRectF cellMm(sheet->left + (cell % sheet->columns) * sheet->across,
                        sheet->top + (cell / sheet->columns) * sheet->down, sheet->width,
                        sheet->height);
    const double nameH = m_device->textSizeTwips(QStringLiteral("Ag"), font(10, true)).height();
    const double lineH = m_device->textSizeTwips(QStringLiteral("Ag"), font(9, false)).height();
    const double top = cellMm.top() * kMm + (cellMm.height() * kMm - nameH - 3 * lineH) / 2;
    QVERIFY2(qAbs(name->twips.left() - (cellMm.left() + 4) * kMm) < 0.5,
             qPrintable(QString::number(name->twips.left() / kMm)));
    QVERIFY2(qAbs(name->twips.top() - top) < 0.5,
             qPrintable(QString::number(name->twips.top() / kMm)));
    QVERIFY(qAbs(town->twips.top() - (top + nameH + 2 * lineH)) < 0.5);
    QCOMPARE(name->font, font(10, true));
    QCOMPARE(town->font, font(9, false));
    // The block stays inside its label.
    QVERIFY(town->twips.bottom() < cellMm.bottom() * kMm);
}

void TestLabelSheets::blockIsCompactAndContactsWithoutAddressAreLeftOut() {
    writeArchive(*m_env, {contact("Rossi", "", "Via Roma 1", ""),
                          contact("Senza Via", "Architetti", "  ", " "),
                          contact("", "", "", "Tivoli"), contact("", "", "", "")});
    ArchiveStore store;
    const ContactSelection all = ContactSelection::wholeArchive();
    const SelectionScan scan = SelectionScan::run(store, all);
    QCOMPARE(scan.printable, 2);
    QCOMPARE(scan.leftOut.size(), 2);
    QCOMPARE(SelectionScan::leftOutLine(scan.leftOut.at(0)),
             QString::fromUtf8("Esclusa la scheda n. 2 (Senza Via): manca l'indirizzo."));
    QCOMPARE(SelectionScan::leftOutLine(scan.leftOut.at(1)),
             QString::fromUtf8("Esclusa la scheda n. 4: manca l'indirizzo."));
    QVERIFY(scan.leftOutSummary().startsWith(QString::fromUtf8("2 contatti senza indirizzo")));
    QVERIFY(scan.leftOutSummary().contains(QStringLiteral("n. 2 Senza Via")));

    const LabelLayout layout = *LabelLayout::fromKey(QStringLiteral("3x8"));
    QVERIFY(LabelJob::run(PrinterPage::printer(), store, all, layout, 1, scan.printable).ok);
    const QList<PageOp> ops = m_device->texts();
    QCOMPARE(ops.size(), 3);
    // Rossi: name and street, the empty lines between them closed up, centred as two.
    QCOMPARE(ops.at(0).text, QStringLiteral("Rossi"));
    QCOMPARE(ops.at(1).text, QStringLiteral("Via Roma 1"));
    QVERIFY(qAbs(ops.at(1).twips.top() - ops.at(0).twips.bottom()) < 0.5);
    // The nameless town-only contact takes the next label, in the plain 9 pt line.
    QCOMPARE(ops.at(2).text, QStringLiteral("Tivoli"));
    QCOMPARE(ops.at(2).font, font(9, false));
    QVERIFY(qAbs(ops.at(2).twips.left() - (70 + 4) * kMm) < 0.5);
}

// The summary before printing names at most `listed` of those left out, then how many more.
void TestLabelSheets::leftOutSummaryListsUpToItsLimit_data() {
    QTest::addColumn<int>("leftOut");
    QTest::addColumn<int>("listed");  // 0: the window's own limit
    QTest::addColumn<int>("named");
    QTest::addColumn<QString>("last");
    QTest::newRow("one") << 1 << 3 << 1 << "- n. 1 Nome 1";
    QTest::newRow("below the limit") << 2 << 3 << 2 << "- n. 2 Nome 2";
    QTest::newRow("at the limit") << 3 << 3 << 3 << "- n. 3 Nome 3";
    QTest::newRow("one over the limit") << 4 << 3 << 3 << QString::fromUtf8("… e altri 1.");
    QTest::newRow("window: 15 of 15") << 15 << 0 << 15 << "- n. 15 Nome 15";
    QTest::newRow("window: 15 of 40") << 40 << 0 << 15 << QString::fromUtf8("… e altri 25.");
}

void TestLabelSheets::leftOutSummaryListsUpToItsLimit() {
    QFETCH(int, leftOut);
    QFETCH(int, listed);
    QFETCH(int, named);
    QFETCH(QString, last);
    SelectionScan scan;
    for (int n = 1; n <= leftOut; ++n) scan.leftOut.append({n, QStringLiteral("Nome %1").arg(n)});
    const QStringList lines =
        (listed ? scan.leftOutSummary(listed) : scan.leftOutSummary()).split(u'\n');
    QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^- n\\. "))).size(), named);
    QCOMPARE(lines.last(), last);
}

void TestLabelSheets::longLinesShrinkThenCut() {
    const QString longer = QStringLiteral("Studio Associato Bianchi Ferri");  // 30 characters
    const QString street = QStringLiteral("Via ") + QString(36, u'W');  // as wide as 40 can be
    writeArchive(*m_env, {contact(longer, "", street, "Roma")});
    ArchiveStore store;
    const LabelLayout layout = *LabelLayout::fromKey(QStringLiteral("3x7s"));
    QVERIFY(
        LabelJob::run(PrinterPage::printer(), store, ContactSelection::wholeArchive(), layout, 1, 1)
            .ok);
    const double room = (layout.width - 8) * kMm;
    const QList<PageOp> ops = m_device->texts();
    QCOMPARE(ops.size(), 3);
    for (const PageOp &op : ops) QVERIFY2(op.twips.width() <= room + 0.5, qPrintable(op.text));
    // The name is shrunk but whole; the street is at 70 % and cut at the label's edge.
    QCOMPARE(ops.at(0).text, longer);
    QVERIFY(ops.at(0).font.size < 10 && ops.at(0).font.size >= 7);
    QVERIFY(ops.at(1).text.size() < street.size() && street.startsWith(ops.at(1).text));
    QCOMPARE(ops.at(1).font.size, 9 * 0.7);
    QCOMPARE(ops.at(2).font.size, 9.0);
}

void TestLabelSheets::selectionRules_data() {
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QList<int>>("visited");
    QTest::newRow("archive order, once each")
        << QList<int>{5, 2, 5, 1} << QString() << QList<int>{1, 2, 5};
    QTest::newRow("past the last")
        << QList<int>{2, 6} << "La scheda n. 6 non è presente in archivio." << QList<int>();
    QTest::newRow("zero") << QList<int>{0} << "La scheda n. 0 non è presente in archivio."
                          << QList<int>();
    QTest::newRow("nothing") << QList<int>{} << "Nessun contatto selezionato." << QList<int>();
}

void TestLabelSheets::selectionRules() {
    QFETCH(QList<int>, numbers);
    QFETCH(QString, refusal);
    QFETCH(QList<int>, visited);
    writeArchive(*m_env, numbered(5));
    ArchiveStore store;
    const ContactSelection s = ContactSelection::records(numbers);
    QCOMPARE(s.check(store), refusal);
    if (!refusal.isEmpty()) return;
    QList<int> seen;
    QVERIFY(s.forEach(store, [&](int n, const ContactRecord &r) {
        seen << n;
        return r.titolo() == QStringLiteral("Ditta %1").arg(n);
    }));
    QCOMPARE(seen, visited);
}

void TestLabelSheets::cancelStopsAtTheNextSheet() {
    writeArchive(*m_env, numbered(60));
    ArchiveStore store;
    QList<PrintProgress> told;
    const auto progress = [&told](const PrintProgress &p) {
        told << p;
        return p.page < 2;  // "Annulla" pressed while sheet 1 was drawn
    };
    const SeriesResult r =
        LabelJob::run(PrinterPage::printer(), store, ContactSelection::wholeArchive(),
                      *LabelLayout::fromKey(QStringLiteral("3x8")), 1, 60, progress);
    QVERIFY(r.ok);
    QVERIFY(r.cancelled);
    QCOMPARE(r.printed, 24);
    QCOMPARE(m_device->pageCount(), 1);
    QCOMPARE(told.size(), 2);
    QCOMPARE(told.first().pages, 3);
}

void TestLabelSheets::envelopeSeriesIsOneJob() {
    writeArchive(*m_env, {contact("Verdi", "Forniture", "Corso Italia 5", "Milano"),
                          contact("Nessuno", "", "", ""), contact("Bianchi", "", "", "Tivoli")});
    EnvelopeContent base = EnvelopeContent::design();
    base.sender[EnvelopeContent::Titolo] = QStringLiteral("Studio Rossi");
    ArchiveStore store;
    int told = 0;
    const SeriesResult r =
        EnvelopeSeries::run(PrinterPage::printer(), store, ContactSelection::wholeArchive(), base,
                            2, [&told](const PrintProgress &p) { return ++told, p.pages == 2; });
    QVERIFY(r.ok);
    QCOMPARE(r.printed, 2);
    QCOMPARE(told, 2);
    QCOMPARE(m_device->documents.size(), 1);
    const auto &pages = m_device->documents.first().pages;
    QCOMPARE(pages.size(), 2);
    // Each envelope as the envelope printer draws it: sender first, the recipient at
    // (10.5, 4) cm, its empty lines kept in their places.
    for (int i = 0; i < 2; ++i) {
        QList<PageOp> texts;
        for (const PageOp &op : pages.at(i))
            if (op.kind == PageOp::Text) texts << op;
        QCOMPARE(texts.size(), 12);
        QCOMPARE(texts.at(1).text, QStringLiteral("Studio Rossi"));
        QCOMPARE(texts.at(8).text, i == 0 ? QStringLiteral("Verdi") : QStringLiteral("Bianchi"));
        QVERIFY(qAbs(texts.at(8).x - 10.5) < 1e-4 && qAbs(texts.at(8).y - 4.0) < 1e-4);
        QCOMPARE(texts.at(11).text, i == 0 ? QStringLiteral("Milano") : QStringLiteral("Tivoli"));
        QVERIFY(qAbs(texts.at(11).y - 5.6) < 1e-4);
    }
    // The page goes back to drawing on the device it had.
    QCOMPARE(PrinterPage::printer().device(), m_device.get());
}

void TestLabelSheets::missingPrinterFails() {
    writeArchive(*m_env, numbered(3));
    m_device->setFailing(true);
    ArchiveStore store;
    const SeriesResult labels =
        LabelJob::run(PrinterPage::printer(), store, ContactSelection::wholeArchive(),
                      *LabelLayout::fromKey(QStringLiteral("2x4")), 1, 3);
    QVERIFY(!labels.ok);
    QCOMPARE(labels.error, QStringLiteral("stampante non disponibile"));
    const SeriesResult envelopes =
        EnvelopeSeries::run(PrinterPage::printer(), store, ContactSelection::wholeArchive(),
                            EnvelopeContent::design(), 3);
    QVERIFY(!envelopes.ok);
    QCOMPARE(envelopes.printed, 0);
    QCOMPARE(m_device->pageCount(), 0);
}

QTEST_MAIN(TestLabelSheets)
#include "printing/Twips.h"
#include "tst_labelsheets.moc"
