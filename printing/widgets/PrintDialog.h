#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <optional>

#include "platform/Printout.h"
#include "printing/PrintTarget.h"

// The print dialog of every printout: the print queues, then "Salva come file PDF"; the
// number of pages where the printout has one; the start card and number of cards for
// card sheets; "Anteprima" (the pages that would be printed) and "Calibra stampante…".
// It opens on the program's current printer, so that Enter prints as before.
class PrintDialog : public QDialog {
    Q_OBJECT
public:
    explicit PrintDialog(Printout printout, QWidget *parent = nullptr);

    // Shows the dialog through the platform; true when the printout was printed.
    static bool run(const Printout &printout, QWidget *parent = nullptr);

    static QString pdfEntry();
    PrintChoices choices() const;
    // The target of the entry shown: a PDF file asks for its name (nothing: cancelled).
    std::optional<PrintTarget> chooseTarget();
    bool printed() const { return m_printed; }

    QComboBox *cboPrinters;
    QSpinBox *spnPagine = nullptr;
    QSpinBox *spnInizio = nullptr;
    QSpinBox *spnBiglietti = nullptr;
    QPushButton *cmdStampa, *cmdAnteprima, *cmdCalibra, *cmdAnnulla;
    QLabel *lblInfo;

public slots:
    // Prints on the entry shown; closes the dialog unless a PDF name was not given.
    int acceptDefault();
    void print();
    void preview();
    void calibrate();

private:
    void entryChanged();
    bool printOn(const PrintTarget &target);

    Printout m_printout;
    bool m_printed = false;
};
