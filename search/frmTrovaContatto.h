#pragma once

// Folder search/: the contact search window, its hand-off to the composers, and its
// printed result list (the search rule itself is archive/ContactSearch, which the label
// selection and the import use too).

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

#include "archive/ContactSearch.h"
#include "contactfiles/ContactExport.h"
#include "labels/SeriesPrint.h"

class ContactReceiver;
enum class OriginTag;

// The contact search window: a criterion, a key of one or more words, the list of the
// contacts whose chosen field holds every word, its printout, and the hand-off of the
// chosen contact to the window that opened the search (told by the tag in lblMemory).
class frmTrovaContatto : public QDialog {
    Q_OBJECT
public:
    // `caller` is the window that receives the chosen contact.
    explicit frmTrovaContatto(QWidget *caller = nullptr);

    // Opens a fresh search window modally over `caller` with the origin tag in lblMemory
    // and returns when it has been closed.
    static void openFor(QWidget *caller, const QString &originTag);

    QLabel *lblInfo;
    QLabel *lblCriterio;
    QComboBox *cboCriterio;
    QLabel *lblChiave;
    QLineEdit *txtChiave;
    QPushButton *cmdCerca;
    QLabel *lblRisultati;
    QListWidget *lstRiepilogo;
    QLabel *lblImporto;
    QLabel *lblDoppioclic;
    QLabel *lblMemory;
    QPushButton *cmdStampa;
    QPushButton *cmdEtichette;
    QPushButton *cmdBuste;
    QPushButton *cmdSelezionaTutto;
    QPushButton *cmdDeselezionaTutto;
    QPushButton *cmdAnnulla;
    // Offers the contacts found for export to a CSV or vCard file.
    QPushButton *cmdEsporta;
    QLabel *imgLente;

    bool WordsExist(const QString &text, const QString &key, bool matchCase) const;

    // The lines found by the last search with the records they stand for.
    const QList<SearchHit> &hits() const { return m_hits; }
    // The horizontal extent given to the list by the last search, in pixels.
    int listExtent() const { return m_listExtent; }
    QWidget *caller() const { return m_caller; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void cboCriterio_Click();
    void cmdCerca_Click();
    void cmdStampa_Click();
    void cmdEtichette_Click();
    void cmdBuste_Click();
    void cmdSelezionaTutto_Click();
    void cmdDeselezionaTutto_Click();
    void cmdAnnulla_Click();
    void cmdEsporta_Click(ContactExport::Format format);
    void lstRiepilogo_Click();
    void lstRiepilogo_DblClick();
    void lblDoppioclic_Click();
    void cboCriterio_GotFocus();
    void cboCriterio_LostFocus();
    void txtChiave_GotFocus();
    void txtChiave_LostFocus();
    void lstRiepilogo_GotFocus();
    void lstRiepilogo_LostFocus();

private:
    void FitListExtent();
    void AddExportButton();
    // The label and envelope dialog over this window, offering the ticked lines, the
    // whole result and the whole archive.
    void PrintSeries(SeriesPrint::Kind kind);
    ContactReceiver *receiverFor(OriginTag tag) const;
    static void paintBackground(QWidget *control, bool focused);

    QPointer<QWidget> m_caller;
    QList<SearchHit> m_hits;
    int m_listExtent = 0;
};
