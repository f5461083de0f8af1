#include <QHeaderView>
#include <QTest>
#include <memory>

#include "archive/ArchiveMessages.h"
#include "archive/ArchiveStore.h"
#include "archive/OriginTag.h"
#include "archive/SettingsFile.h"
#include "cards/frmBiglietti.h"
#include "contactlist/frmElencoContatti.h"
#include "envelopes/frmLettera.h"
#include "support/TestEnvironment.h"
#include "support/widgets/FocusChain.h"
#include "ui/ContactReceiver.h"

namespace {

// A window that takes contacts as the archive window does.
class Receiver : public QWidget, public ContactReceiver {
public:
    bool receivesContact(OriginTag tag) const override { return tag == OriginTag::Archivio; }
    void receiveContact(const ContactRecord &record, int number, OriginTag) override {
        name = record.titolo();
        this->number = number;
    }
    QString name;
    int number = 0;
};

ContactRecord contact(const char *name, const char *town, const char *email) {
    ContactRecord r;
    r.setValue(ContactRecord::Titolo, QString::fromUtf8(name));
    r.setValue(ContactRecord::Citta, QString::fromUtf8(town));
    r.setValue(ContactRecord::Email, QString::fromUtf8(email));
    return r;
}

void fill(const TestEnvironment &env) {
    ArchiveStore store(env.folder());
    store.appendRecord(contact("Rossi Mario", "Roma", "mario@esempio.it"));
    store.appendRecord(contact("Niccolò Bianchi", "Forlì", ""));
    store.appendRecord(contact("Verdi Anna", "Cesena", "anna@esempio.it"));
}

}  // namespace

class TestFrmElencoContatti : public QObject {
    Q_OBJECT
private slots:
    void filterCountAndEscape() {
        TestEnvironment env;
        fill(env);
        frmElencoContatti w;
        w.show();
        // Tab: filter, list, then the buttons; every control has a spoken name; no Alt
        // letter twice.
        w.tblContatti->selectRow(0);
        const QList<QWidget *> chain = FocusChain::walk(&w);
        QVERIFY(chain.size() > 3);
        QCOMPARE(chain.mid(0, 3),
                 (QList<QWidget *>{w.txtFiltro, w.tblContatti, static_cast<QWidget *>(w.cmdApri)}));
        QCOMPARE(FocusChain::unreachableOrNameless(&w), QStringList());
        QStringList letters = FocusChain::altLetters(&w);
        letters.removeDuplicates();
        QCOMPARE(letters.size(), FocusChain::altLetters(&w).size());
        QCOMPARE(w.lblConteggio->text(), QStringLiteral("3 contatti"));
        QTest::keyClicks(w.txtFiltro, QStringLiteral("niccolo forli"));
        QCOMPARE(w.lblConteggio->text(), QStringLiteral("1 di 3 contatti"));
        QCOMPARE(w.model()->text(0, ListColumns::Citta), QString::fromUtf8("Forlì"));
        QTest::keyClick(w.txtFiltro, Qt::Key_Escape);
        QVERIFY(w.txtFiltro->text().isEmpty());
        QVERIFY(w.isVisible());
        QCOMPARE(w.lblConteggio->text(), QStringLiteral("3 contatti"));
    }

    // Enter on a row hands that contact to the window that opened the list.
    void openHandsTheContactOver() {
        TestEnvironment env;
        fill(env);
        Receiver caller;
        frmElencoContatti w(&caller, QStringLiteral("archivio"));
        w.show();
        QTest::keyClicks(w.txtFiltro, QStringLiteral("verdi"));
        QTest::keyClick(w.txtFiltro, Qt::Key_Down);
        QTest::keyClick(w.tblContatti, Qt::Key_Return);
        QCOMPARE(caller.name, QStringLiteral("Verdi Anna"));
        QCOMPARE(caller.number, 3);
        QCOMPARE(w.result(), int(QDialog::Accepted));
    }

    // The composers take the opened contact as they take the search's.
    void composersFillFromTheList_data() {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("element");
        QTest::newRow("cards") << "biglietti" << 0;
        QTest::newRow("envelope recipient") << "buste_dest" << 3;
        QTest::newRow("envelope sender") << "buste_mitt" << 0;
    }
    void composersFillFromTheList() {
        QFETCH(QString, tag);
        QFETCH(int, element);
        TestEnvironment env;
        fill(env);
        std::unique_ptr<QWidget> composer;
        QLineEdit *name = nullptr;
        if (tag == QLatin1String("biglietti")) {
            auto *cards = new frmBiglietti;
            name = cards->txtTitolo[size_t(element)];
            composer.reset(cards);
        } else {
            auto *envelopes = new frmLettera;
            name = envelopes->txtTitolo[size_t(element)];
            composer.reset(envelopes);
        }
        frmElencoContatti w(composer.get(), tag);
        w.show();
        w.tblContatti->selectRow(1);
        w.cmdApri->click();
        QCOMPARE(name->text(), QString::fromUtf8("Niccolò Bianchi"));
        QVERIFY(!w.isVisible());
    }

    // A contact changed by another program since the list read it: refused, list read again.
    void actionOnAChangedContactIsRefused() {
        TestEnvironment env;
        fill(env);
        Receiver caller;
        frmElencoContatti w(&caller, QStringLiteral("archivio"));
        w.show();
        w.tblContatti->selectRow(0);
        ArchiveStore(env.folder()).writeRecord(1, contact("Rossi Maria", "Roma", ""));
        w.cmdApri_Click();
        w.tblContatti->selectRow(0);
        ArchiveStore(env.folder()).writeRecord(1, contact("Rossi M.", "Roma", "m@esempio.it"));
        w.cmdEmail_Click();
        QCOMPARE(env.platform().messages.size(), 2);
        for (const auto &m : env.platform().messages)
            QCOMPARE(m.text, QString::fromUtf8(ArchiveMessages::kChangedElsewhereText));
        QVERIFY(env.platform().openedUrls.isEmpty());
        QVERIFY(caller.name.isEmpty());
        QCOMPARE(w.model()->text(0, ListColumns::Titolo), QStringLiteral("Rossi M."));
    }

    void emailAndDeleteTheSelection() {
        TestEnvironment env;
        fill(env);
        frmElencoContatti w;
        w.show();
        w.tblContatti->setFocus();
        QTest::keyClick(w.tblContatti, Qt::Key_A, Qt::ControlModifier);
        w.cmdEmail_Click();
        QCOMPARE(env.platform().openedUrls,
                 QStringList{QStringLiteral("mailto:?BCC=mario@esempio.it,anna@esempio.it")});
        env.platform().queueAnswer(MsgAnswer::Yes);
        QTest::keyClick(w.tblContatti, Qt::Key_Delete);
        QCOMPARE(env.platform().messages.size(), 2);
        QVERIFY(env.platform().messages.first().text.startsWith(
            QStringLiteral("Si vogliono proprio cancellare 3 schede?")));
        QCOMPARE(ArchiveStore(env.folder()).recordCount(), 0);
        QCOMPARE(w.lblConteggio->text(), QStringLiteral("0 contatti"));
    }

    void columnsKeptInTheSettings() {
        TestEnvironment env;
        fill(env);
        {
            frmElencoContatti w;
            w.show();
            w.tblContatti->horizontalHeader()->resizeSection(ListColumns::Citta, 233);
            w.tblContatti->sortByColumn(ListColumns::Citta, Qt::DescendingOrder);
            QCOMPARE(w.model()->text(0, ListColumns::Citta), QStringLiteral("Roma"));
            w.cmdChiudi->click();
        }
        QCOMPARE(
            SettingsFile().read(QStringLiteral("Elenco contatti"), QStringLiteral("Ordinamento")),
            QStringLiteral("3,decrescente"));
        frmElencoContatti again;
        again.show();
        QCOMPARE(again.tblContatti->horizontalHeader()->sectionSize(ListColumns::Citta), 233);
        QCOMPARE(again.model()->text(0, ListColumns::Citta), QStringLiteral("Roma"));
    }

    // The guide's picture, when asked for (CARTAFLEX_SCREENSHOT_DIR).
    void pictureForTheGuide() {
        const QString shots = qEnvironmentVariable("CARTAFLEX_SCREENSHOT_DIR");
        if (shots.isEmpty()) QSKIP("no picture asked for");
        TestEnvironment env;
        ArchiveStore store(env.folder());
        const char *people[][5] = {
            {"Studio Rossi Mario", "Commercialista", "47121 Forlì (FC)", "0543 720012",
             "studio@rossi.it"},
            {"Niccolò Bianchi", "Avvocato", "47121 Forlì (FC)", "0543 25510",
             "n.bianchi@avvocati.it"},
            {"Ferramenta Conti", "Utensili e colori", "47122 Forlì (FC)", "0543 401177", ""},
            {"Verdi Anna", "Architetto", "47521 Cesena (FC)", "0547 611200", "anna@verdi-arch.it"},
            {"Gallo & Figli Srl", "Impianti elettrici", "48121 Ravenna (RA)", "0544 33090",
             "info@gallofigli.it"},
            {"Dott.ssa Elena Marino", "Medico dentista", "47121 Forlì (FC)", "0543 32810",
             "marino@dentisti.it"},
            {"Lombardi Paolo", "Geometra", "47900 Rimini (RN)", "0541 780045",
             "paolo.lombardi@geo.it"}};
        for (const auto &p : people) {
            ContactRecord r = contact(p[0], p[2], p[4]);
            r.setValue(ContactRecord::Sottotitolo, QString::fromUtf8(p[1]));
            r.setValue(ContactRecord::Tel, QString::fromUtf8(p[3]));
            r.setValue(ContactRecord::Cel, QStringLiteral("333 12%1 45").arg(qstrlen(p[0])));
            r.setValue(ContactRecord::Iva,
                       QStringLiteral("0%1").arg(3719740402LL + 7919 * qstrlen(p[0])));
            store.appendRecord(r);
        }
        frmElencoContatti w;
        w.resize(1000, 330);
        w.show();
        QTest::keyClicks(w.txtFiltro, QStringLiteral("forli"));
        w.tblContatti->selectRow(1);
        QVERIFY(w.grab().save(shots + QStringLiteral("/elenco-contatti.png")));
    }
};

QTEST_MAIN(TestFrmElencoContatti)
#include "tst_frmElencoContatti.moc"
