#include <QDir>
#include <QFile>
#include <QTest>

#include "archive/ArchiveStore.h"
#include "contactfiles/ContactImport.h"
#include "support/TestEnvironment.h"

namespace {

QString corpusDir() {
    return QStringLiteral(CARTAFLEX_SOURCE_DIR "/tests/data/contacts");
}

// A row of the preview as the table EXPECTED writes it: name, telephone (Tel., else
// "cel " and Cel.), e-mail, street and town, TAB-separated; "(scartato)" for a discarded
// row.
QString rowText(const ImportRow &row) {
    if (row.status == ImportRow::Status::Discarded) return QStringLiteral("(scartato)\t\t\t\t");
    const ContactRecord &r = row.record;
    QString phone = r.value(ContactRecord::Tel);
    if (phone.isEmpty() && !r.value(ContactRecord::Cel).isEmpty())
        phone = QStringLiteral("cel ") + r.value(ContactRecord::Cel);
    return QStringList{r.titolo(), phone, r.value(ContactRecord::Email),
                       r.value(ContactRecord::Indirizzo), r.value(ContactRecord::Citta)}
        .join(u'\t');
}

bool hasControl(const ContactRecord &r) {
    for (int i = 0; i < ContactRecord::FieldCount; ++i)
        for (QChar c : r.value(ContactRecord::Field(i)))
            if (c.category() == QChar::Other_Control) return true;
    return false;
}

}  // namespace

// Real exports of phones, mail programs, webmail and CardDAV servers (tests/data/contacts,
// each named in SOURCES): the contacts the preview lists, as the table EXPECTED gives them.
class TestContactCorpus : public QObject {
    Q_OBJECT
private slots:
    void realExports_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("told");
        QFile table(corpusDir() + QStringLiteral("/EXPECTED"));
        QVERIFY(table.open(QIODevice::ReadOnly));
        QMap<QString, QStringList> expected;
        QMap<QString, QString> told;
        QStringList order;
        for (const QString &line : QString::fromUtf8(table.readAll()).split(u'\n')) {
            if (line.isEmpty() || line.startsWith(u'#')) continue;
            const qsizetype tab = line.indexOf(u'\t');
            const QString file = line.left(tab);
            if (line.at(tab + 1) == u'@') {
                told[file] = line.mid(tab + 2);
                continue;
            }
            if (!expected.contains(file)) order << file;
            expected[file] << line.mid(tab + 1);
        }
        QFile sources(corpusDir() + QStringLiteral("/SOURCES"));
        QVERIFY(sources.open(QIODevice::ReadOnly));
        const QString named = QString::fromUtf8(sources.readAll());
        const QStringList files = QDir(corpusDir()).entryList(QDir::Files);
        for (const QString &f : files) {
            if (f == QLatin1String("EXPECTED") || f == QLatin1String("SOURCES")) continue;
            QVERIFY2(expected.contains(f), qPrintable(f + QStringLiteral(" is not in EXPECTED")));
            QVERIFY2(named.contains(f + u'\n'), qPrintable(f + QStringLiteral(" has no source")));
        }
        QVERIFY(order.size() >= 40);
        for (const QString &f : order)
            QTest::newRow(qPrintable(f))
                << corpusDir() + u'/' + f << expected.value(f) << told.value(f);
    }
    void realExports() {
        QFETCH(QString, file);
        QFETCH(QStringList, rows);
        QFETCH(QString, told);
        TestEnvironment env;
        ArchiveStore store(env.folder());
        ContactImport import(store);
        QStringList got;
        bool control = false;
        const bool ok = import.open(file) && import.preview([&](const ImportRow &row) {
            got << rowText(row);
            control = control || hasControl(row.record);
        });
        QVERIFY2(ok, qPrintable(import.message()));
        QCOMPARE(got, rows);
        QVERIFY(!control);
        QVERIFY(import.recognised().startsWith(QStringLiteral("Riconosciuto: ")));
        if (!told.isEmpty()) QCOMPARE(import.recognised(), told);
    }
};

QTEST_GUILESS_MAIN(TestContactCorpus)
#include "tst_contactcorpus.moc"
