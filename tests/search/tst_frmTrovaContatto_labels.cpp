#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "labels/frmEtichette.h"
#include "printing/PrinterList.h"
#include "printing/PrinterPage.h"
#include "printing/RecordingPageDevice.h"
#include "printing/widgets/PrintDialog.h"
#include "printing/widgets/PrintPreviewWindow.h"
#include "printing/widgets/PrintProgressWindow.h"
#include "search/frmTrovaContatto.h"
#include "support/TestEnvironment.h"

namespace {

// Rossi 1 … Rossi 5 in Roma, then Bianchi; "Rossi 2" has no address.
void writeArchive(const TestEnvironment &env) {
    QByteArray bytes;
    for (int i = 1; i <= 6; ++i) {
        ContactRecord r;
        r.setValue(ContactRecord::Titolo,
                   i == 6 ? QStringLiteral("Bianchi") : QStringLiteral("Rossi %1").arg(i));
        if (i != 2) {
            r.setValue(ContactRecord::Indirizzo, QStringLiteral("Via %1").arg(i));
            r.setValue(ContactRecord::Citta, QStringLiteral("Roma"));
        }
        bytes += r.encode();
    }
    QVERIFY(TestEnvironment::writeBytes(env.file(QStringLiteral("Contatti.edb")), bytes));
}

void search(frmTrovaContatto &w, const QString &key) {
    w.cboCriterio->setCurrentIndex(0);
    emit w.cboCriterio->activated(0);
    w.txtChiave->setText(key);
    w.cmdCerca->click();
}

QStringList printedNames(const RecordingPageDevice &device) {
    QStringList names;
    for (const PageOp &op : device.texts())
        if (op.text.startsWith(QLatin1String("Rossi")) || op.text == QLatin1String("Bianchi"))
            names << op.text;
    return names;
}

}  // namespace

class TestFrmTrovaContattoLabels : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_env = std::make_unique<TestEnvironment>();
        writeArchive(*m_env);
        PrinterPage::printer().reset();
        PrinterList::setFixed({QStringLiteral("Ufficio")}, QStringLiteral("Ufficio"));
        m_device = std::make_shared<RecordingPageDevice>();
        PrinterPage::printer().setQueueDeviceFactory([this](const QString &) { return m_device; });
        PrinterPage::printer().selectPrinter(QStringLiteral("Ufficio"));
    }
    void cleanup() {
        PrinterPage::printer().reset();
        PrinterList::useSystem();
        m_device.reset();
        m_env.reset();
    }

    void selectAllAndNone() {
        frmTrovaContatto w;
        search(w, QStringLiteral("rossi"));
        QCOMPARE(w.lstRiepilogo->count(), 5);
        w.cmdSelezionaTutto->click();
        QCOMPARE(w.lstRiepilogo->selectedItems().size(), 5);
        w.cmdDeselezionaTutto->click();
        QVERIFY(w.lstRiepilogo->selectedItems().isEmpty());
    }

    void labelsForTheTickedLines() {
        frmTrovaContatto w;
        search(w, QStringLiteral("rossi"));
        for (int row : {0, 1, 3}) w.lstRiepilogo->item(row)->setSelected(true);
        QStringList offered;
        QString told, toldByThePrintDialog;
        // The print dialog opens on the current printer and tells who is left out.
        m_env->platform().queueDialogHandler([&](QObject *o) {
            auto *print = qobject_cast<PrintDialog *>(o);
            toldByThePrintDialog = print->lblInfo->text();
            return print->acceptDefault();
        });
        inDialog([&](frmEtichette *d) {
            for (int i = 0; i < d->cboSelezione->count(); ++i)
                offered << d->cboSelezione->itemText(i);
            d->cboFormato->setCurrentIndex(4);  // 2 × 4
            d->spnInizio->setValue(8);
            told = d->lblEsclusi->text();
            d->cmdStampa->click();
            QVERIFY(!d->isVisible());
        });
        w.cmdEtichette->click();
        QCOMPARE(offered, QStringList({"Contatti selezionati nella lista (3)",
                                       "Tutti i contatti trovati (5)", "Tutto l'archivio"}));
        QVERIFY2(told.startsWith(QStringLiteral("Saranno stampate 2 etichette su 2 fogli.\n"
                                                "1 contatto senza indirizzo")),
                 qPrintable(told));
        QVERIFY(told.contains(QStringLiteral("n. 2 Rossi 2")));
        QVERIFY2(toldByThePrintDialog.startsWith(QStringLiteral("1 contatto senza indirizzo")),
                 qPrintable(toldByThePrintDialog));
        QVERIFY(toldByThePrintDialog.contains(QStringLiteral("n. 2 Rossi 2")));
        // Rossi 1 on the last label of the first sheet, Rossi 4 on the first of the next.
        QCOMPARE(printedNames(*m_device), QStringList({"Rossi 1", "Rossi 4"}));
        QCOMPARE(m_device->pageCount(), 2);
        QVERIFY(m_env->platform().messages.isEmpty());
    }

    void envelopesStopWithAnnulla() {
        frmTrovaContatto w;
        search(w, QStringLiteral("rossi"));
        bool progressShown = false;
        inDialog([&](frmEtichette *d) {
            QVERIFY(!d->cboFormato->isVisible() && !d->spnInizio->isVisible());
            d->cboSelezione->setCurrentIndex(1);  // the whole archive: 5 envelopes
            QVERIFY(d->lblEsclusi->text().startsWith(QStringLiteral("Saranno stampate 5 buste.")));
            // "Annulla" of the progress is pressed as soon as the printout lets it breathe.
            QTimer::singleShot(0, d, [&progressShown] {
                for (QWidget *top : QApplication::topLevelWidgets()) {
                    auto *progress = qobject_cast<PrintProgressWindow *>(top);
                    if (!progress || !progress->isVisible()) continue;
                    progressShown = true;
                    progress->cmdAnnulla->click();
                }
            });
            d->cmdStampa->click();
            QCOMPARE(d->outcome(), frmEtichette::Outcome::Cancelled);
            QVERIFY(!d->isVisible());
        });
        w.cmdBuste->click();
        QVERIFY(progressShown);
        QVERIFY(m_device->pageCount() < 5);
    }

    // "Anteprima" of the print dialog shows every label sheet or envelope of the series.
    void previewShowsTheWholeSeries_data() {
        QTest::addColumn<bool>("envelopes");
        QTest::addColumn<int>("pages");
        QTest::newRow("labels 3 x 8, from label 23") << false << 2;
        QTest::newRow("envelopes") << true << 4;
    }
    void previewShowsTheWholeSeries() {
        QFETCH(bool, envelopes);
        QFETCH(int, pages);
        frmTrovaContatto w;
        search(w, QStringLiteral("rossi"));
        int shown = -1;
        m_env->platform().queueDialogHandler([](QObject *o) {
            qobject_cast<PrintDialog *>(o)->preview();
            return int(QDialog::Rejected);
        });
        m_env->platform().queueDialogHandler([&shown](QObject *o) {
            shown = qobject_cast<PrintPreviewWindow *>(o)->pageCount();
            return int(QDialog::Rejected);
        });
        inDialog([&](frmEtichette *d) {
            d->cboSelezione->setCurrentIndex(0);  // the 5 found, one without an address
            d->spnInizio->setValue(23);
            d->cmdStampa->click();
            QCOMPARE(d->outcome(), frmEtichette::Outcome::Cancelled);
            QVERIFY(d->isVisible());
        });
        (envelopes ? w.cmdBuste : w.cmdEtichette)->click();
        QCOMPARE(shown, pages);
        QCOMPARE(m_device->pageCount(), 0);
    }

    void nobodyWithAnAddressIsRefused() {
        frmTrovaContatto w;
        search(w, QStringLiteral("rossi 2"));
        w.lstRiepilogo->item(0)->setSelected(true);
        inDialog([&](frmEtichette *d) {
            d->cmdStampa->click();
            QVERIFY(d->isVisible());
            d->cmdAnnulla->click();
        });
        w.cmdEtichette->click();
        QCOMPARE(m_env->platform().messages.size(), 1);
        QCOMPARE(m_env->platform().messages.first().text,
                 QString::fromUtf8("Nessuno dei contatti selezionati ha un indirizzo: non c'è "
                                   "nulla da stampare."));
        QCOMPARE(m_device->pageCount(), 0);
    }

private:
    void inDialog(std::function<void(frmEtichette *)> steps) {
        QTimer::singleShot(0, this, [steps] {
            auto *d = qobject_cast<frmEtichette *>(QApplication::activeModalWidget());
            QVERIFY(d);
            steps(d);
            if (d->isVisible()) d->reject();
        });
    }

    std::unique_ptr<TestEnvironment> m_env;
    std::shared_ptr<RecordingPageDevice> m_device;
};

QTEST_MAIN(TestFrmTrovaContattoLabels)
#include "tst_frmTrovaContatto_labels.moc"
