#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

#include "archive/ArchiveStore.h"
#include "archive/MailtoBuilder.h"

class TestMailto : public QObject {
    Q_OBJECT
private slots:
    void requests_data() {
        QTest::addColumn<QStringList>("values");  // recipient, subject, body, cc, bcc
        QTest::addColumn<QString>("request");
        QTest::newRow("recipient only") << QStringList{"a@b.it", "", "", "", ""} << "mailto:a@b.it";
        QTest::newRow("one-word subject and body")
            << QStringList{"r@x.it", "Ordine", "Salve,", "", ""}
            << "mailto:r@x.it?Subject=Ordine&Body=Salve,";
        QTest::newRow("subject and blind copy") << QStringList{"r@x.it", "Prova", "", "", "n@x.it"}
                                                << "mailto:r@x.it?Subject=Prova&BCC=n@x.it";
        QTest::newRow("copy only starts with ?")
            << QStringList{"r@x.it", "", "", "c@x.it", ""} << "mailto:r@x.it?CC=c@x.it";
        QTest::newRow("all five in order") << QStringList{"r@x.it", "S", "B", "c@x.it", "n@x.it"}
                                           << "mailto:r@x.it?Subject=S&Body=B&CC=c@x.it&BCC=n@x.it";
        QTest::newRow("version subject") << QStringList{"r@x.it", "Cartaflex 2.0", "", "", ""}
                                         << "mailto:r@x.it?Subject=Cartaflex%202.0";
        QTest::newRow("blanks-only value still appended")
            << QStringList{"r@x.it", " ", "", "", ""} << "mailto:r@x.it?Subject=%20";
        QTest::newRow("no recipient") << QStringList{"", "S", "", "", ""} << "mailto:?Subject=S";
        QTest::newRow("ampersand and question mark stay in the value")
            << QStringList{"r@x.it", "A&B?", "x=1&Body=2", "", ""}
            << "mailto:r@x.it?Subject=A%26B%3F&Body=x%3D1%26Body%3D2";
        QTest::newRow("hash and percent") << QStringList{"r@x.it", "#1 100%", "", "", ""}
                                          << "mailto:r@x.it?Subject=%231%20100%25";
        QTest::newRow("line breaks become CR LF")
            << QStringList{"r@x.it", "", "riga 1\nriga 2\r\nriga 3", "", ""}
            << "mailto:r@x.it?Body=riga%201%0D%0Ariga%202%0D%0Ariga%203";
        QTest::newRow("accents in UTF-8")
            << QStringList{"r@x.it", QString::fromUtf8("Città"), "", "", ""}
            << "mailto:r@x.it?Subject=Citt%C3%A0";
        QTest::newRow("a recipient cannot add parameters")
            << QStringList{"a@b.it?bcc=spy@x.it", "", "", "", ""}
            << "mailto:a@b.it%3Fbcc%3Dspy@x.it";
        QTest::newRow("two recipients")
            << QStringList{"a@b.it,c@d.it", "", "", "", ""} << "mailto:a@b.it,c@d.it";
        QTest::newRow("plus is encoded")
            << QStringList{"a+b@x.it", "", "", "", ""} << "mailto:a%2Bb@x.it";
    }
    void requests() {
        QFETCH(QStringList, values);
        QFETCH(QString, request);
        QCOMPARE(BuildMailto(values[0], values[1], values[2], values[3], values[4]), request);
    }

    void valuesReadBackUnchanged_data() {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("body");
        QTest::newRow("separators") << "a&b=c?d#e%f"
                                    << "x & y";
        QTest::newRow("line break") << "uno"
                                    << "riga 1\r\nriga 2";
        QTest::newRow("accents") << QString::fromUtf8("perché") << QString::fromUtf8("€ 10");
    }
    void valuesReadBackUnchanged() {
        QFETCH(QString, subject);
        QFETCH(QString, body);
        const QUrl url(BuildMailto(QStringLiteral("r@x.it"), subject, body, QString(), QString()),
                       QUrl::StrictMode);
        QVERIFY2(url.isValid(), qPrintable(url.errorString()));
        QCOMPARE(url.scheme(), QStringLiteral("mailto"));
        QCOMPARE(url.path(), QStringLiteral("r@x.it"));
        const QUrlQuery query(url);
        QCOMPARE(query.queryItems().size(), 2);
        QCOMPARE(query.queryItemValue(QStringLiteral("Subject"), QUrl::FullyDecoded), subject);
        QCOMPARE(query.queryItemValue(QStringLiteral("Body"), QUrl::FullyDecoded), body);
    }

    void greeting_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("greeting");
        QTest::newRow("name") << "Rossi Srl"
                              << "Spett.le Rossi Srl,";
        QTest::newRow("trimmed") << "  Bianchi  "
                                 << "Spett.le Bianchi,";
        QTest::newRow("empty") << ""
                               << "Salve,";
        QTest::newRow("blanks") << "   "
                                << "Salve,";
    }
    void greeting() {
        QFETCH(QString, name);
        QFETCH(QString, greeting);
        QCOMPARE(MailtoBuilder::greeting(name), greeting);
    }

    void commandLine() {
        QTemporaryDir dir;
        ArchiveStore store(dir.path());
        ContactRecord a;
        a.setValue(ContactRecord::Titolo, QStringLiteral("Rossi"));
        a.setValue(ContactRecord::Email, QStringLiteral("info@rossi.it"));
        QCOMPARE(store.appendRecord(a), 1);
        ContactRecord b;
        b.setValue(ContactRecord::Titolo, QStringLiteral("Senza posta"));
        QCOMPARE(store.appendRecord(b), 2);

        const auto run = [&](const QStringList &args, QString *out) {
            QProcess cli;
            cli.start(QStringLiteral(CARTAFLEX_BINARY_DIR "/cartaflex-cli"),
                      QStringList{QStringLiteral("--folder"), dir.path()} + args);
            if (!cli.waitForFinished(20000)) return -1;
            *out = QString::fromUtf8(cli.readAllStandardOutput());
            return cli.exitCode();
        };
        QString out;
        QCOMPARE(run({QStringLiteral("mailto"), QStringLiteral("1")}, &out), 0);
        QCOMPARE(out, QStringLiteral("mailto:info@rossi.it?Body=Spett.le%20Rossi,\n"));
        QCOMPARE(run({QStringLiteral("mailto"), QStringLiteral("2")}, &out), 1);
        QCOMPARE(out, QString());
        QCOMPARE(run({QStringLiteral("mailto"), QStringLiteral("3")}, &out), 1);
        QCOMPARE(run({QStringLiteral("mailto"), QStringLiteral("x")}, &out), 2);
        QCOMPARE(run({QStringLiteral("mailto")}, &out), 2);
    }
};

QTEST_GUILESS_MAIN(TestMailto)
#include "tst_mailto.moc"
