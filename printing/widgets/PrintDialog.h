#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <optional>

#include "platform/Message.h"
#include "printing/PrintTarget.h"
#include "printing/Printout.h"

class PrintProgressWindow;

// The print dialog of every printout: the print queues, then "Salva come file PDF"; the
// number of pages where the printout has one; the start card and number of cards for
// card sheets; "Anteprima" (the pages that would be printed) and "Calibra stampante…".
// It opens on the program's current printer (or on the PDF entry when a file was the
// last choice), so that Enter prints as before. A printout of more than a few pages
// shows its progress with "Annulla", which stops it before the next page.
class PrintDialog : public QDialog {
    Q_OBJECT
public:
    explicit PrintDialog(Printout printout, QWidget *parent = nullptr);
    ~PrintDialog() override;

    // Shows the dialog through the platform; true when the printout was printed.
    static bool run(const Printout &printout, QWidget *parent = nullptr);

    static QString pdfEntry();
    // Forgets that the last printout went to a PDF file.
    static void forgetLastEntry();
    // Printouts of more pages than this show their progress.
    static constexpr int kFewPages = 3;

    virtual PrintChoices choices() const;
    // The target of the entry shown: a PDF file asks for its name (nothing: cancelled).
    std::optional<PrintTarget> chooseTarget();
    bool printed() const { return m_printed; }
    // "Annulla" was pressed while the pages were printed.
    bool stopped() const { return m_stopped; }

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

protected:
    // A window that places the controls itself (they are created without a layout).
    enum class Arrangement { Laid, Own };
    PrintDialog(Printout printout, QWidget *parent, Arrangement arrangement);
    // False when the printout cannot be printed now: the buttons then do nothing.
    virtual bool canPrint() const { return true; }
    // Shows what the program tells: the failure of a printer, a refusal.
    static void tell(const Message &message);

private:
    void createControls();
    void layOut();
    void entryChanged();
    bool printOn(const PrintTarget &target);
    bool advance(const PrintProgress &progress);

    Printout m_printout;
    Arrangement m_arrangement;
    bool m_printed = false;
    bool m_stopped = false;
    PrintProgressWindow *m_progress = nullptr;
};
