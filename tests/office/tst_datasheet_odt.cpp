#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QXmlStreamReader>
#include <QtTest>

#include "archive/ContactRecord.h"
#include "office/DataSheetDocument.h"
#include "office/DataSheetExport.h"
#include "office/ExportMessages.h"
#include "support/FakeOffice.h"
#include "support/TestEnvironment.h"
#include "support/ZipReader.h"

namespace {

// The body of content.xml in document order: "p:<text>" for a paragraph, "img:<href>"
// for a picture inside one, "cell:<text>" for each table cell.
struct Body {
    QStringList items;
    QStringList pictures;
    QStringList cells;
    QStringList paragraphs;  // top-level paragraphs only
    QStringList fonts;       // every fo:font-family used
    int tables = 0;
    bool valid = false;
};

Body readBody(const QString &odt) {
    Body b;
    const QByteArray xml = ZipReader::member(odt, QStringLiteral("content.xml"));
    QXmlStreamReader r(xml);
    int cellDepth = 0;
    QString text;
    int pDepth = 0;
    while (!r.atEnd()) {
        r.readNext();
        const QStringView n = r.qualifiedName();
        if (r.isStartElement()) {
            if (n == u"text:p") {
                ++pDepth;
                text.clear();
            } else if (n == u"table:table") {
                ++b.tables;
                b.items << QStringLiteral("table");
            } else if (n == u"table:table-cell") {
                ++cellDepth;
            } else if (n == u"draw:image") {
                const QString href = r.attributes().value(QLatin1String("xlink:href")).toString();
                b.pictures << href;
                b.items << QStringLiteral("img:") + href;
            } else if (n == u"style:text-properties") {
                const auto family = r.attributes().value(QLatin1String("fo:font-family"));
                if (!family.isEmpty()) b.fonts << family.toString();
            }
        } else if (r.isCharacters() && !r.isWhitespace() && pDepth > 0) {
            text += r.text();
        } else if (r.isEndElement()) {
            if (n == u"text:p") {
                --pDepth;
                if (cellDepth > 0) {
                    b.cells << text;
                } else {
                    b.items << QStringLiteral("p:") + text;
                    b.paragraphs << text;
                }
            } else if (n == u"table:table-cell") {
                --cellDepth;
            }
        }
    }
    b.valid = !r.hasError() && !xml.isEmpty();
    return b;
}

DataSheetContent sample() {
    DataSheetContent c;
    c.titolo = QStringLiteral("   Studio Bianchi  ");
    const char *values[] = {
        "Commercialista", "Via Po 3", "Città di Castello", "00012345678",   "06 123", "06 124",
        "333 1",          "a@b.it",   "Chiuso il lunedì",  "www.bianchi.it"};
    for (int i = 0; i < DataSheetContent::kRows; ++i)
        c.values[i] = QString::fromUtf8(values[i]) + u' ';
    return c;
}

QString writeSheet(const TestEnvironment &env, const DataSheetContent &c, const QString &logo,
                   const QDateTime &when = QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3))) {
    const QString path = env.file(QStringLiteral("scheda.odt"));
    auto doc = DataSheetDocument::build(c, logo, when);
    if (!DataSheetDocument::writeOdt(*doc, path)) return QString();
    return path;
}

}  // namespace

class TestDataSheetOdt : public QObject {
    Q_OBJECT
private slots:
    void paragraphsInLayoutOrder();
    void tableHoldsLabelsAndTrimmedValues();
    void jpegLogoIsEmbeddedAndLeftUntouched();
    void logoThatIsNoPictureLeavesNoPicture_data();
    void logoThatIsNoPictureLeavesNoPicture();
    void wholeDocumentIsArial10();
    void blankLinesAreArial10Too();
    void closingLine_data();
    void closingLine();
    void recordGivesTableInFieldOrder();
    void exportRefusesWithoutOfficeOrName_data();
    void exportRefusesWithoutOfficeOrName();
    void exportWithoutLogoEmbedsTheEmptyLogo();
    void unwritableTargetFails();
};

void TestDataSheetOdt::paragraphsInLayoutOrder() {
    TestEnvironment env;
    const QString logo = env.file(QStringLiteral("logo.png"));
    QImage img(40, 20, QImage::Format_RGB32);
    img.fill(Qt::red);
    QVERIFY(img.save(logo));
    const QString odt = writeSheet(env, sample(), logo);
    QVERIFY(!odt.isEmpty());
    QVERIFY(ZipReader::intact(odt));
    QCOMPARE(ZipReader::member(odt, QStringLiteral("mimetype")),
             QByteArray("application/vnd.oasis.opendocument.text"));
    const Body b = readBody(odt);
    QVERIFY(b.valid);
    QCOMPARE(b.pictures.size(), 1);
    const QStringList expected = {
        QStringLiteral("p:Studio Bianchi"),
        QStringLiteral("p:"),
        QStringLiteral("img:") + b.pictures.first(),
        QStringLiteral("p:"),  // the paragraph that holds the picture
        QStringLiteral("p:"),
        QStringLiteral("p:SCHEDA DATI PERSONALI"),
        QStringLiteral("p:"),
        QStringLiteral("p:"),
        QStringLiteral("table"),
        QStringLiteral("p:"),
        QStringLiteral("p:Scheda creata in data 05/03/2024 alle ore 09:07:03"),
    };
    QCOMPARE(b.items, expected);

    // Alignment: the heading block centred, the paragraphs before the table justified.
    auto doc = DataSheetDocument::build(sample(), logo);
    QCOMPARE(doc->findBlockByNumber(0).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
             Qt::AlignHCenter);
    QCOMPARE(doc->findBlockByNumber(4).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
             Qt::AlignHCenter);
    QCOMPARE(doc->findBlockByNumber(5).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
             Qt::AlignJustify);
    QVERIFY(doc->findBlockByNumber(0).charFormat().font().bold() ||
            doc->findBlockByNumber(0).begin().fragment().charFormat().font().bold());
}

void TestDataSheetOdt::tableHoldsLabelsAndTrimmedValues() {
    TestEnvironment env;
    DataSheetContent c = sample();
    c.values[4] = QString();  // an empty value still gets its row
    const Body b = readBody(writeSheet(env, c, QString()));
    QCOMPARE(b.tables, 1);
    QCOMPARE(b.cells.size(), 20);
    const QStringList labels = DataSheetContent::labels();
    QCOMPARE(labels.size(), 10);
    QCOMPARE(labels.at(8), QStringLiteral("Informazioni aggiuntive:"));
    for (int r = 0; r < 10; ++r) {
        QCOMPARE(b.cells.at(2 * r), labels.at(r));
        QCOMPARE(b.cells.at(2 * r + 1),
                 r == 4 ? QString() : ContactRecord::trimBlanks(c.values[r]));
    }
    // The name heads the sheet and is not in the table.
    QVERIFY(!b.cells.contains(QStringLiteral("Studio Bianchi")));
}

void TestDataSheetOdt::jpegLogoIsEmbeddedAndLeftUntouched() {
    TestEnvironment env;
    const QString logo = env.file(QStringLiteral("logo.jpg"));
    QImage img(64, 48, QImage::Format_RGB32);
    img.fill(QColor(10, 120, 200));
    QVERIFY(img.save(logo, "JPEG"));
    const QByteArray before = TestEnvironment::readBytes(logo);
    const QDateTime modified = QFileInfo(logo).lastModified();
    DataSheetContent c = sample();
    c.logoPath = logo;
    const QString odt = writeSheet(env, c, logo);
    const Body b = readBody(odt);
    QCOMPARE(b.pictures.size(), 1);
    // The picture is inside the document, not linked to the user's file.
    QVERIFY(!b.pictures.first().startsWith(u'/'));
    QVERIFY(ZipReader::names(odt).contains(b.pictures.first()));
    const QImage embedded = QImage::fromData(ZipReader::member(odt, b.pictures.first()));
    QCOMPARE(embedded.size(), QSize(64, 48));
    QCOMPARE(TestEnvironment::readBytes(logo), before);
    QCOMPARE(QFileInfo(logo).lastModified(), modified);
}

void TestDataSheetOdt::logoThatIsNoPictureLeavesNoPicture_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("create");
    QTest::newRow("missing file") << QByteArray() << false;
    QTest::newRow("text file") << QByteArray("questo non è un logo\n") << true;
    QTest::newRow("truncated jpeg") << QByteArray("\xff\xd8\xff\xe0\x00\x10JFIF", 10) << true;
    QTest::newRow("empty file") << QByteArray() << true;
}

void TestDataSheetOdt::logoThatIsNoPictureLeavesNoPicture() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, create);
    TestEnvironment env;
    const QString logo = env.file(QStringLiteral("logo.jpg"));
    if (create) QVERIFY(TestEnvironment::writeBytes(logo, bytes));
    const QString odt = writeSheet(env, sample(), logo);
    QVERIFY(!odt.isEmpty());
    const Body b = readBody(odt);
    QVERIFY(b.valid);
    QVERIFY(b.pictures.isEmpty());
    QCOMPARE(b.paragraphs.first(), QStringLiteral("Studio Bianchi"));
    QCOMPARE(b.cells.size(), 20);
    if (create) QCOMPARE(TestEnvironment::readBytes(logo), bytes);
}

void TestDataSheetOdt::wholeDocumentIsArial10() {
    TestEnvironment env;
    const QString odt = writeSheet(env, sample(), QString());
    const QByteArray xml = ZipReader::member(odt, QStringLiteral("content.xml"));
    // Every run of text carries Arial 10 pt.
    QRegularExpression span(QStringLiteral("<text:span text:style-name=\"(c\\d+)\">"));
    QSet<QString> used;
    for (auto it = span.globalMatch(QString::fromUtf8(xml)); it.hasNext();)
        used << it.next().captured(1);
    QVERIFY(!used.isEmpty());
    for (const QString &style : used) {
        QRegularExpression def(
            QStringLiteral(
                "style:name=\"%1\" style:family=\"text\">\\s*<style:text-properties([^/]*)/>")
                .arg(style));
        const auto m = def.match(QString::fromUtf8(xml));
        QVERIFY2(m.hasMatch(), qPrintable(style));
        QVERIFY2(m.captured(1).contains(QStringLiteral("fo:font-family=\"Arial\"")),
                 qPrintable(m.captured(1)));
        QVERIFY2(m.captured(1).contains(QStringLiteral("fo:font-size=\"10pt\"")),
                 qPrintable(m.captured(1)));
    }
}

// The paragraphs without text take the document's default face, which is Arial 10 as
// well: written in styles.xml, listed in the manifest, the package type still first.
void TestDataSheetOdt::blankLinesAreArial10Too() {
    TestEnvironment env;
    const QString odt = writeSheet(env, sample(), QString());
    QVERIFY(ZipReader::intact(odt));
    const QStringList names = ZipReader::names(odt);
    QCOMPARE(names.value(0), QStringLiteral("mimetype"));
    QCOMPARE(names.count(QStringLiteral("styles.xml")), 1);
    QVERIFY(ZipReader::member(odt, QStringLiteral("META-INF/manifest.xml"))
                .contains("manifest:full-path=\"styles.xml\""));
    const Body b = readBody(odt);
    QVERIFY(b.paragraphs.count(QString()) >= 3);  // the blank lines of the sheet

    const QByteArray styles = ZipReader::member(odt, QStringLiteral("styles.xml"));
    QXmlStreamReader r(styles);
    bool inDefault = false;
    QString family, size;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.qualifiedName() == u"style:default-style")
            inDefault = r.attributes().value(QLatin1String("style:family")) == u"paragraph";
        if (r.isStartElement() && inDefault && r.qualifiedName() == u"style:text-properties") {
            family = r.attributes().value(QLatin1String("fo:font-family")).toString();
            size = r.attributes().value(QLatin1String("fo:font-size")).toString();
        }
        if (r.isEndElement() && r.qualifiedName() == u"style:default-style") inDefault = false;
    }
    QVERIFY(!r.hasError());
    QCOMPARE(family, QStringLiteral("Arial"));
    QCOMPARE(size, QStringLiteral("10pt"));
}

void TestDataSheetOdt::closingLine_data() {
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("expected");
    QTest::newRow("morning") << QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3))
                             << "Scheda creata in data 05/03/2024 alle ore 09:07:03";
    QTest::newRow("afternoon, 24-hour clock")
        << QDateTime(QDate(2023, 12, 31), QTime(23, 59, 59))
        << "Scheda creata in data 31/12/2023 alle ore 23:59:59";
    QTest::newRow("midnight") << QDateTime(QDate(2025, 1, 1), QTime(0, 0, 0))
                              << "Scheda creata in data 01/01/2025 alle ore 00:00:00";
}

void TestDataSheetOdt::closingLine() {
    QFETCH(QDateTime, when);
    QFETCH(QString, expected);
    QCOMPARE(DataSheetDocument::closingLine(when), expected);
    TestEnvironment env;
    const Body b = readBody(writeSheet(env, sample(), QString(), when));
    QVERIFY(b.valid);
    QCOMPARE(b.paragraphs.last(), expected);
    // It stands on a line of its own after the table.
    QCOMPARE(b.items.at(b.items.size() - 3), QStringLiteral("table"));
}

void TestDataSheetOdt::recordGivesTableInFieldOrder() {
    ContactRecord r;
    for (int f = 0; f < ContactRecord::FieldCount; ++f)
        r.setValue(ContactRecord::Field(f), ContactRecord::fieldName(ContactRecord::Field(f)));
    const DataSheetContent c = DataSheetContent::fromRecord(r);
    QCOMPARE(c.titolo, QStringLiteral("Titolo"));
    QCOMPARE(c.values[0], QStringLiteral("Sottotitolo"));
    QCOMPARE(c.values[3], QStringLiteral("Iva"));
    QCOMPARE(c.values[9], QStringLiteral("Web"));
    QCOMPARE(c.logoPath, QStringLiteral("Logo03"));
}

void TestDataSheetOdt::exportRefusesWithoutOfficeOrName_data() {
    QTest::addColumn<bool>("office");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");
    QTest::newRow("no word processor, no name")
        << false << "" << int(DataSheetExport::Outcome::NotInstalled)
        << ExportMessages::kDocumentMissingText << ExportMessages::kDocumentMissingTitle
        << int(MsgIcon::Critical);
    // The sheet is made all the same, and offered to be saved for later.
    QTest::newRow("no word processor")
        << false << "Rossi" << int(DataSheetExport::Outcome::NotInstalled)
        << QString::fromUtf8(ExportMessages::kDocumentMissingText) + "\r\n\r\n" +
               QString::fromUtf8(ExportMessages::kSaveLaterText)
        << ExportMessages::kNotInstalledTitle << int(MsgIcon::Question);
    QTest::newRow("name of blanks")
        << true << "    " << int(DataSheetExport::Outcome::MissingName)
        << ExportMessages::kMissingNameText << ExportMessages::kMissingNameTitle
        << int(MsgIcon::Exclamation);
    QTest::newRow("no name") << true << "" << int(DataSheetExport::Outcome::MissingName)
                             << ExportMessages::kMissingNameText
                             << ExportMessages::kMissingNameTitle << int(MsgIcon::Exclamation);
}

void TestDataSheetOdt::exportRefusesWithoutOfficeOrName() {
    QFETCH(bool, office);
    QFETCH(QString, name);
    QFETCH(int, outcome);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(int, icon);
    TestEnvironment env;
    FakeOffice path(office);
    DataSheetContent c = sample();
    c.titolo = name;
    const DataSheetExport::Result result = DataSheetExport::run(c);
    result.messages.run(TestEnvironment::show);
    QCOMPARE(int(result.outcome), outcome);
    QCOMPARE(env.platform().messages.size(), 1);
    QCOMPARE(env.platform().messages.first().text, text);
    QCOMPARE(env.platform().messages.first().title, title);
    QCOMPARE(int(env.platform().messages.first().icon), icon);
    QVERIFY(env.platform().startedPrograms.isEmpty());
    // Only a sheet that was made shows the hourglass, gone before the question.
    QCOMPARE(env.platform().busyShown,
             title == QString::fromUtf8(ExportMessages::kNotInstalledTitle) ? 1 : 0);
    QCOMPARE(env.platform().busyDepth, 0);
}

void TestDataSheetOdt::exportWithoutLogoEmbedsTheEmptyLogo() {
    TestEnvironment env;
    FakeOffice path(true);
    DataSheetContent c = sample();
    c.logoPath = QStringLiteral("   ");
    QImage blank(1, 1, QImage::Format_RGB32);
    blank.fill(Qt::white);
    const DataSheetExport::Result result = DataSheetExport::run(c, blank);
    result.messages.run(TestEnvironment::show);
    QCOMPARE(result.outcome, DataSheetExport::Outcome::Opened);
    QVERIFY(env.platform().messages.isEmpty());
    QCOMPARE(env.platform().busyShown, 1);
    QCOMPARE(env.platform().busyDepth, 0);
    QCOMPARE(env.platform().startedPrograms.size(), 1);
    const QStringList call = env.platform().startedPrograms.first();
    QVERIFY(call.first().endsWith(QStringLiteral("/soffice")));
    QCOMPARE(call.at(1), QStringLiteral("-n"));
    const QString odt = call.at(2);
    QVERIFY(odt.endsWith(QStringLiteral(".odt")));
    const Body b = readBody(odt);
    QCOMPARE(b.pictures.size(), 1);
    const QImage embedded = QImage::fromData(ZipReader::member(odt, b.pictures.first()));
    QCOMPARE(embedded.size(), QSize(1, 1));
    QCOMPARE(embedded.pixelColor(0, 0), QColor(Qt::white));
    QDir(QFileInfo(odt).absolutePath()).removeRecursively();
}

void TestDataSheetOdt::unwritableTargetFails() {
    TestEnvironment env;
    auto doc = DataSheetDocument::build(sample(), QString());
    QString error;
    QVERIFY(!DataSheetDocument::writeOdt(*doc, env.file(QStringLiteral("manca/s.odt")), &error));
    QVERIFY(!error.isEmpty());
    // A good file already there is not damaged by a failed write elsewhere, and a
    // rewrite replaces it whole.
    const QString path = env.file(QStringLiteral("s.odt"));
    QVERIFY(DataSheetDocument::writeOdt(*doc, path));
    QVERIFY(ZipReader::intact(path));
}

QTEST_MAIN(TestDataSheetOdt)
#include "tst_datasheet_odt.moc"
