#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QXmlStreamReader>
#include <QtTest>

#include "archive/ArchiveStore.h"
#include "office/ColumnWidth.h"
#include "office/XlsxExport.h"
#include "support/TestEnvironment.h"
#include "support/ZipReader.h"

namespace {

struct Cell {
    int style = 0;
    QString type;
    QString text;
    bool hasValue = false;
};

// The worksheet read back: cells by reference ("B2"), column widths, and per style index
// whether it is bold and which number format it uses.
struct Sheet {
    QMap<QString, Cell> cells;
    QMap<int, double> widths;  // column number from 1
    QList<bool> styleBold;
    QList<QString> styleFormat;
    int rows = 0;
    bool valid = false;

    bool bold(const QString &ref) const { return styleBold.value(cells.value(ref).style); }
    QString format(const QString &ref) const { return styleFormat.value(cells.value(ref).style); }
};

Sheet readSheet(const QString &path) {
    Sheet s;
    const QByteArray xml = ZipReader::member(path, QStringLiteral("xl/worksheets/sheet1.xml"));
    const QByteArray styles = ZipReader::member(path, QStringLiteral("xl/styles.xml"));
    if (xml.isEmpty() || styles.isEmpty()) return s;

    QMap<int, QString> numFmts = {{0, QStringLiteral("General")}, {49, QStringLiteral("@")}};
    QList<bool> fontBold;
    QXmlStreamReader st(styles);
    bool inFonts = false, inCellXfs = false;
    while (!st.atEnd()) {
        st.readNext();
        const auto name = st.name();
        if (st.isStartElement()) {
            if (name == u"numFmt")
                numFmts[st.attributes().value(QLatin1String("numFmtId")).toInt()] =
                    st.attributes().value(QLatin1String("formatCode")).toString();
            else if (name == u"fonts")
                inFonts = true;
            else if (name == u"cellXfs")
                inCellXfs = true;
            else if (inFonts && name == u"font")
                fontBold.append(false);
            else if (inFonts && name == u"b")
                fontBold.last() = true;
            else if (inCellXfs && name == u"xf") {
                s.styleBold.append(
                    fontBold.value(st.attributes().value(QLatin1String("fontId")).toInt()));
                s.styleFormat.append(
                    numFmts.value(st.attributes().value(QLatin1String("numFmtId")).toInt()));
            }
        } else if (st.isEndElement()) {
            if (name == u"fonts") inFonts = false;
            if (name == u"cellXfs") inCellXfs = false;
        }
    }

    QXmlStreamReader r(xml);
    QString ref;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            if (r.name() == u"row")
                s.rows = std::max(s.rows, r.attributes().value(QLatin1String("r")).toInt());
            if (r.name() == u"col") {
                const int min = r.attributes().value(QLatin1String("min")).toInt();
                const int max = r.attributes().value(QLatin1String("max")).toInt();
                for (int c = min; c <= max; ++c)
                    s.widths[c] = r.attributes().value(QLatin1String("width")).toDouble();
            }
            if (r.name() == u"c") {
                ref = r.attributes().value(QLatin1String("r")).toString();
                Cell c;
                c.style = r.attributes().value(QLatin1String("s")).toInt();
                c.type = r.attributes().value(QLatin1String("t")).toString();
                s.cells[ref] = c;
            }
            if (r.name() == u"t" || r.name() == u"v") {
                s.cells[ref].text += r.readElementText();
                s.cells[ref].hasValue = true;
            }
        }
    }
    s.valid = !r.hasError();
    return s;
}

ContactRecord record(std::initializer_list<std::pair<ContactRecord::Field, const char *>> values) {
    ContactRecord r;
    for (const auto &[f, v] : values) r.setValue(f, QString::fromUtf8(v));
    return r;
}

QString col(int c) {
    return QString(QChar(u'A' + c));
}

}  // namespace

class TestXlsxExport : public QObject {
    Q_OBJECT
private slots:
    void headerRowIsBoldText();
    void rowsFollowArchiveOrder();
    void valuesStayTextAsTyped_data();
    void valuesStayTextAsTyped();
    void emptyArchiveGivesHeaderAlone();
    void trailingPartialRecordIsNotExported();
    void columnsAreFittedToTheirTexts();
    void controlCharactersDoNotBreakTheWorkbook();
    void emptyFieldsAreNoCells_data();
    void emptyFieldsAreNoCells();
    void unwritableTargetFailsAndKeepsOldFile();
    void unreadableArchiveFails();
    void columnWidthEstimate();
};

void TestXlsxExport::headerRowIsBoldText() {
    TestEnvironment env;
    ArchiveStore store;
    store.appendRecord(record({{ContactRecord::Titolo, "Rossi"}}));
    const QString out = env.file(QStringLiteral("a.xlsx"));
    XlsxExport x;
    QVERIFY(x.write(store, out));
    QVERIFY(ZipReader::intact(out));
    const Sheet s = readSheet(out);
    QVERIFY(s.valid);
    const QStringList titles = XlsxExport::headerTexts();
    QCOMPARE(titles.size(), 11);
    QCOMPARE(titles.at(1), QStringLiteral("Specialità"));
    for (int c = 0; c < 11; ++c) {
        const QString ref = col(c) + u'1';
        QCOMPARE(s.cells.value(ref).text, titles.at(c));
        QVERIFY2(s.bold(ref), qPrintable(ref));
    }
    QVERIFY(!s.cells.contains(QStringLiteral("L1")));
    QVERIFY(!s.bold(QStringLiteral("A2")));
    QCOMPARE(s.format(QStringLiteral("A2")), QStringLiteral("@"));
}

void TestXlsxExport::rowsFollowArchiveOrder() {
    TestEnvironment env;
    ArchiveStore store;
    store.appendRecord(record({{ContactRecord::Titolo, "Primo"},
                               {ContactRecord::Web, "www.uno.it"},
                               {ContactRecord::Logo03, "/home/logo.jpg"}}));
    store.appendRecord(
        record({{ContactRecord::Titolo, "Secondo"}, {ContactRecord::Citta, "Città di Castello"}}));
    store.appendRecord(
        record({{ContactRecord::Titolo, "Terzo"}, {ContactRecord::Informazioni, "€ 5 & <più>"}}));
    const QString out = env.file(QStringLiteral("a.xlsx"));
    XlsxExport x;
    QList<int> progress;
    QVERIFY(x.write(store, out, [&](int n) { progress << n; }));
    QCOMPARE(progress, (QList<int>{1, 2, 3}));
    QCOMPARE(x.rowsWritten(), 3);
    const Sheet s = readSheet(out);
    QCOMPARE(s.rows, 4);
    QCOMPARE(s.cells.value("A2").text, QStringLiteral("Primo"));
    QCOMPARE(s.cells.value("K2").text, QStringLiteral("www.uno.it"));
    QCOMPARE(s.cells.value("A3").text, QStringLiteral("Secondo"));
    QCOMPARE(s.cells.value("D3").text, QStringLiteral("Città di Castello"));
    QCOMPARE(s.cells.value("A4").text, QStringLiteral("Terzo"));
    QCOMPARE(s.cells.value("J4").text, QStringLiteral("€ 5 & <più>"));
    // The logo paths are not exported: nothing beyond column K.
    for (const QString &ref : s.cells.keys()) QVERIFY2(ref.at(0) <= u'K', qPrintable(ref));

    // A selection of the list: its records in archive order, on consecutive rows.
    XlsxExport some;
    some.restrictTo({3, 1});
    QVERIFY(some.write(store, out));
    const Sheet picked = readSheet(out);
    QCOMPARE(picked.rows, 3);
    QCOMPARE(picked.cells.value("A2").text, QStringLiteral("Primo"));
    QCOMPARE(picked.cells.value("A3").text, QStringLiteral("Terzo"));
}

void TestXlsxExport::valuesStayTextAsTyped_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("VAT number with leading zeros") << int(ContactRecord::Iva) << "00012345678"
                                                   << "00012345678";
    QTest::newRow("telephone number") << int(ContactRecord::Tel) << "0039 06 1234567"
                                      << "0039 06 1234567";
    QTest::newRow("mobile with plus") << int(ContactRecord::Cel) << "+39 333 1234567"
                                      << "+39 333 1234567";
    QTest::newRow("looks like a formula") << int(ContactRecord::Informazioni) << "=SOMMA(A1:A3)"
                                          << "=SOMMA(A1:A3)";
    QTest::newRow("looks like a date") << int(ContactRecord::Fax) << "1/2/2024"
                                       << "1/2/2024";
    QTest::newRow("town of blanks only") << int(ContactRecord::Citta) << "      "
                                         << "";
    QTest::newRow("padded value trimmed") << int(ContactRecord::Indirizzo) << "  Via Roma 1  "
                                          << "Via Roma 1";
}

void TestXlsxExport::valuesStayTextAsTyped() {
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    TestEnvironment env;
    ArchiveStore store;
    ContactRecord r;
    r.setValue(ContactRecord::Titolo, QStringLiteral("Ditta"));
    r.setValue(ContactRecord::Field(field), typed);
    store.appendRecord(r);
    const QString out = env.file(QStringLiteral("a.xlsx"));
    XlsxExport x;
    QVERIFY(x.write(store, out));
    const Sheet s = readSheet(out);
    const int column = field;  // columns A..K follow the fields Titolo..Web
    const QString ref = col(column) + u'2';
    QCOMPARE(s.cells.contains(ref), !expected.isEmpty());  // an empty value is no cell
    const Cell c = s.cells.value(ref);
    if (expected.isEmpty()) {
        QVERIFY(!c.hasValue);
    } else {
        QCOMPARE(s.format(ref), QStringLiteral("@"));
        QCOMPARE(c.type, QStringLiteral("inlineStr"));
        QCOMPARE(c.text, expected);
    }
}

void TestXlsxExport::emptyArchiveGivesHeaderAlone() {
    TestEnvironment env;
    ArchiveStore store;
    const QString out = env.file(QStringLiteral("a.xlsx"));
    XlsxExport x;
    int calls = 0;
    QVERIFY(x.write(store, out, [&](int) { ++calls; }));
    QCOMPARE(calls, 0);
    const Sheet s = readSheet(out);
    QVERIFY(s.valid);
    QCOMPARE(s.rows, 1);
    QCOMPARE(s.cells.size(), 11);
}

void TestXlsxExport::trailingPartialRecordIsNotExported() {
    TestEnvironment env;
    ArchiveStore store;
    store.appendRecord(record({{ContactRecord::Titolo, "Uno"}}));
    store.appendRecord(record({{ContactRecord::Titolo, "Due"}}));
    QFile f(store.archivePath());
    QVERIFY(f.open(QIODevice::Append));
    f.write(ContactRecord().encode().left(500));
    f.close();
    const QString out = env.file(QStringLiteral("a.xlsx"));
    XlsxExport x;
    QVERIFY(x.write(store, out));
    QCOMPARE(x.rowsWritten(), 2);
    QCOMPARE(readSheet(out).rows, 3);
}

void TestXlsxExport::columnsAreFittedToTheirTexts() {
    TestEnvironment env;
    ArchiveStore store;
    store.appendRecord(record({{ContactRecord::Titolo, "Studio Associato Commercialisti Ml"},
                               {ContactRecord::Fax, "1"}}));
    const QString out = env.file(QStringLiteral("a.xlsx"));
    XlsxExport x;
    QVERIFY(x.write(store, out));
    const Sheet s = readSheet(out);
    for (int c = 1; c <= 11; ++c) QVERIFY2(s.widths.value(c) > 0, qPrintable(QString::number(c)));
    // The long name widens column A beyond its header; column G ("Fax") fits its header.
    QVERIFY(s.widths.value(1) > s.widths.value(7) * 3);
    QVERIFY(s.widths.value(1) > ColumnWidth::of(QStringLiteral("Persona o azienda"), true));
    QVERIFY(qAbs(s.widths.value(7) - ColumnWidth::of(QStringLiteral("Fax"), true)) < 1.0);
    // Columns beyond the data keep the default width.
    QVERIFY(!s.widths.contains(12));
}

void TestXlsxExport::controlCharactersDoNotBreakTheWorkbook() {
    TestEnvironment env;
    ArchiveStore store;
    // Bytes such as these reach the archive from damaged files.
    QByteArray raw = record({{ContactRecord::Titolo, "Ab"}}).encode();
    raw[2] = '\x01';
    raw[3] = '\x1f';
    QVERIFY(TestEnvironment::writeBytes(store.archivePath(), raw));
    const QString out = env.file(QStringLiteral("a.xlsx"));
    XlsxExport x;
    QVERIFY(x.write(store, out));
    const Sheet s = readSheet(out);
    QVERIFY(s.valid);
    QCOMPARE(s.cells.value("A2").text, QStringLiteral("Ab"));
    QCOMPARE(XlsxExport::cellText(QStringLiteral("a\tb\nc\x02")), QStringLiteral("a\tb\nc"));
}

// Only the fields that hold something become cells; the others leave their column empty,
// and what is written keeps its text exactly, markup characters, line breaks and all.
void TestXlsxExport::emptyFieldsAreNoCells_data() {
    QTest::addColumn<QStringList>("values");  // the eleven fields, in column order
    QTest::newRow("name only") << QStringList{"Ditta", "", "", "", "", "", "", "", "", "", ""};
    QTest::newRow("first and last")
        << QStringList{"Ditta", "", "", "", "", "", "", "", "", "", "www.ditta.it"};
    QTest::newRow("gaps") << QStringList{
        "A & B <srl>",          "", "Via Po 1", "", "", "06 1", "", "", "x@y.it",
        "riga uno\r\nriga due", ""};
    QTest::newRow("blank padding inside")
        << QStringList{"Ditta", "", "", "", "", "", "", "", "", "\tcon tabulazione", ""};
}

void TestXlsxExport::emptyFieldsAreNoCells() {
    QFETCH(QStringList, values);
    TestEnvironment env;
    ArchiveStore store;
    ContactRecord r;
    const ContactRecord::Field fields[] = {
        ContactRecord::Titolo,       ContactRecord::Sottotitolo, ContactRecord::Indirizzo,
        ContactRecord::Citta,        ContactRecord::Iva,         ContactRecord::Tel,
        ContactRecord::Fax,          ContactRecord::Cel,         ContactRecord::Email,
        ContactRecord::Informazioni, ContactRecord::Web};
    for (int c = 0; c < 11; ++c) r.setValue(fields[c], values[c]);
    QCOMPARE(store.appendRecord(r), 1);
    QCOMPARE(store.appendRecord(r), 2);
    const QString out = env.file(QStringLiteral("a.xlsx"));
    XlsxExport x;
    QVERIFY(x.write(store, out));
    const Sheet s = readSheet(out);
    QVERIFY(s.valid);
    QCOMPARE(s.rows, 3);
    int cells = 0;
    for (int row = 2; row <= 3; ++row)
        for (int c = 0; c < 11; ++c) {
            const QString ref = col(c) + QString::number(row);
            QCOMPARE(s.cells.contains(ref), !values[c].isEmpty());
            if (values[c].isEmpty()) continue;
            ++cells;
            QCOMPARE(s.cells.value(ref).text, values[c]);
            QCOMPARE(s.format(ref), QStringLiteral("@"));
        }
    QCOMPARE(s.cells.size(), 11 + cells);
}

void TestXlsxExport::unwritableTargetFailsAndKeepsOldFile() {
    TestEnvironment env;
    ArchiveStore store;
    store.appendRecord(record({{ContactRecord::Titolo, "Uno"}}));
    XlsxExport x;
    QVERIFY(!x.write(store, env.file(QStringLiteral("manca/a.xlsx"))));
    QVERIFY(!x.errorString().isEmpty());

    // A target that is a folder: the write fails and the folder is untouched.
    const QString folderTarget = env.file(QStringLiteral("cartella.xlsx"));
    QVERIFY(QDir().mkdir(folderTarget));
    QVERIFY(!x.write(store, folderTarget));
    QVERIFY(QFileInfo(folderTarget).isDir());
    // No temporary workbook is left behind.
    const QStringList left = QDir(env.folder()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(left, QStringList{QStringLiteral("Contatti.edb")});
}

void TestXlsxExport::unreadableArchiveFails() {
    TestEnvironment env;
    ArchiveStore store;
    QVERIFY(QDir().mkdir(store.archivePath()));  // the archive's name is taken by a folder
    XlsxExport x;
    const QString out = env.file(QStringLiteral("a.xlsx"));
    QVERIFY(!x.write(store, out));
    QVERIFY(!QFileInfo::exists(out));
}

void TestXlsxExport::columnWidthEstimate() {
    QCOMPARE(ColumnWidth::of(QString()), 0.0);
    // Wide letters need more room than narrow ones, capitals more than small letters,
    // bold more than regular.
    QVERIFY(ColumnWidth::of(QStringLiteral("mmmm")) > ColumnWidth::of(QStringLiteral("iiii")));
    QVERIFY(ColumnWidth::of(QStringLiteral("ABCD")) > ColumnWidth::of(QStringLiteral("abcd")));
    QVERIFY(ColumnWidth::of(QStringLiteral("Fax"), true) > ColumnWidth::of(QStringLiteral("Fax")));
    // Ten digits take ten digit widths plus the margin.
    QVERIFY(qAbs(ColumnWidth::of(QStringLiteral("0123456789")) - (70.0 + 5) / 7) < 1e-9);
    QCOMPARE(ColumnWidth::of(QString(400, u'W')), ColumnWidth::kMaximum);
    ColumnWidth w;
    w.add(QStringLiteral("abc"));
    w.add(QStringLiteral("a"));
    QCOMPARE(w.width(), ColumnWidth::of(QStringLiteral("abc")));
}

QTEST_GUILESS_MAIN(TestXlsxExport)
#include "tst_xlsxexport.moc"
