#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QList>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>

#include "labels/ContactSelection.h"
#include "labels/SelectionScan.h"
#include "labels/SeriesPrint.h"

// The dialog of the search window's "Stampa etichette" and "Stampa buste": which
// contacts, the label sheet and the label to start from (labels only), the printer; it
// says before printing who is left out for want of an address, and shows the progress
// of the printout with "Annulla", which stops it at the next page.
class frmEtichette : public QDialog {
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
    QLabel *lblStampante;
    QComboBox *cboStampante;
    QLabel *lblEsclusi;
    QProgressBar *prgStampa;
    QPushButton *cmdStampa;
    QPushButton *cmdAnnulla;

    SeriesPrint::Kind kind() const { return m_kind; }
    // The scan of the chosen contacts, as the dialog shows it.
    const SelectionScan &scan() const { return m_scan; }
    // The outcome of the last print (Refused before any).
    SeriesPrint::Outcome outcome() const { return m_outcome; }

public slots:
    // Closing the window while printing stops the printout instead.
    void reject() override;

private slots:
    void cboSelezione_Click();
    void cboFormato_Click();
    void cmdStampa_Click();
    void cmdAnnulla_Click();

private:
    void ShowPages();
    bool Progress(const PrintProgress &p);

    SeriesPrint::Kind m_kind;
    QList<Choice> m_choices;
    SelectionScan m_scan;
    QString m_refusal;
    bool m_printing = false;
    bool m_stop = false;
    SeriesPrint::Outcome m_outcome = SeriesPrint::Outcome::Refused;
};
