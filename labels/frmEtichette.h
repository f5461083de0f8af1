#pragma once

#include <QComboBox>
#include <QLabel>
#include <QList>
#include <QPushButton>
#include <QSpinBox>

#include "labels/ContactSelection.h"
#include "labels/SelectionScan.h"
#include "labels/SeriesPrint.h"
#include "platform/Message.h"
#include "ui/SmallDialog.h"

// The dialog of the search window's "Stampa etichette" and "Stampa buste": which
// contacts, the label sheet and the label to start from (labels only); it says who is
// left out for want of an address, and "Stampa…" hands the printout to the print dialog
// (printer or PDF file, preview of every page, calibration, progress with "Annulla").
class frmEtichette : public SmallDialog {
    Q_OBJECT
public:
    struct Choice {
        QString text;
        ContactSelection selection;
    };

    frmEtichette(SeriesPrint::Kind kind, const QList<Choice> &choices, QWidget *parent = nullptr);

    QLabel *lblSelezione;
    QComboBox *cboSelezione;
    QLabel *lblFormato;
    QComboBox *cboFormato;
    QLabel *lblInizio;
    QSpinBox *spnInizio;
    QLabel *lblEsclusi;
    QPushButton *cmdStampa;
    QPushButton *cmdAnnulla;

    // How the last "Stampa…" ended: printed; stopped with "Annulla" or the print dialog
    // closed; refused (nothing to print, the message shown); failed (the printer's
    // message shown).
    enum class Outcome { Printed, Cancelled, Refused, Failed };

    SeriesPrint::Kind kind() const { return m_kind; }
    // The scan of the chosen contacts, as the dialog shows it.
    const SelectionScan &scan() const { return m_scan; }
    // The outcome of the last print (Refused before any).
    Outcome outcome() const { return m_outcome; }

private slots:
    void cboSelezione_Click();
    void cboFormato_Click();
    void cmdStampa_Click();
    void cmdAnnulla_Click();

private:
    void ShowPages();

    SeriesPrint::Kind m_kind;
    QList<Choice> m_choices;
    SelectionScan m_scan;
    Message m_refusal;
    Outcome m_outcome = Outcome::Refused;
};
