#include <QMenu>
#include <QTest>

#include "search/frmTrovaContatto.h"
#include "support/TestEnvironment.h"

class TestFrmTrovaContattoExport : public QObject {
    Q_OBJECT
private slots:
    // The contacts found go to the file the user names, in the format chosen from the
    // button's menu; the others stay out; the message says how many were written.
    void exportsTheResult_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("perContact");
        QTest::newRow("CSV") << 0 << "trovati.csv" << QByteArray("\r\nRossi ");
        QTest::newRow("vCard") << 1 << "trovati.vcf" << QByteArray("FN:Rossi ");
    }
    void exportsTheResult() {
        QFETCH(int, entry);
        QFETCH(QString, file);
        QFETCH(QByteArray, perContact);
        TestEnvironment env;
        QByteArray archive;
        for (const char *name : {"Rossi 1", "Bianchi", "Rossi 2", "Rossi 3"}) {
            ContactRecord r;
            r.setValue(ContactRecord::Titolo, QString::fromLatin1(name));
            archive += r.encode();
        }
        QVERIFY(TestEnvironment::writeBytes(env.file(QStringLiteral("Contatti.edb")), archive));
        frmTrovaContatto w;
        QVERIFY(!w.cmdEsporta->isEnabled());
        w.cboCriterio->setCurrentIndex(0);
        emit w.cboCriterio->activated(0);
        w.txtChiave->setText(QStringLiteral("rossi"));
        w.cmdCerca->click();
        QVERIFY(w.cmdEsporta->isEnabled());
        env.platform().queueSaveFile(env.file(file));
        w.cmdEsporta->menu()->actions().at(entry)->trigger();
        const QByteArray written = TestEnvironment::readBytes(env.file(file));
        QCOMPARE(written.count(perContact), 3);
        QVERIFY(!written.contains("Bianchi"));
        QCOMPARE(env.platform().lastMessage()->text,
                 QStringLiteral("Esportati 3 contatti nel file %1.").arg(file));
        // A search that finds nothing has nothing to export.
        w.txtChiave->setText(QStringLiteral("verdi"));
        w.cmdCerca->click();
        QVERIFY(!w.cmdEsporta->isEnabled());
    }
};

QTEST_MAIN(TestFrmTrovaContattoExport)
#include "tst_frmTrovaContatto_export.moc"
