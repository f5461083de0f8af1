#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "cards/CardPrintJob.h"
#include "printing/widgets/PrintDialog.h"

class frmBiglietti;

// The card print dialog: the print dialog of every printout (queues, then the PDF
// entry; preview, calibration, the failure message), laid out as the card sheets want
// it, with the number of sheets in a digits-only box with its spinner, the start card
// and the number of cards, and the card print job of the format the composer wrote
// into `lblMemory`.
class frmMyPrinterListening : public PrintDialog {
    Q_OBJECT
public:
    explicit frmMyPrinterListening(frmBiglietti *composer, QWidget *parent = nullptr);

    QLabel *lblStampante;
    QLabel *lblCopie;
    QLineEdit *txtCopie;
    QScrollBar *vsCopie;
    QPushButton *cmdInfo;
    QGroupBox *fraStampa;
    QGroupBox *fraInfo;
    QLabel *lblMemory;
    QLabel *imgPrinter;

    // The card format printed (its tag goes into lblMemory) and the cards chosen.
    void setFormat(CardFormat format);
    CardPrintJob::Range range() const;
    // The sheets in the pages box, the start card and the number of cards.
    PrintChoices choices() const override;

    // The spinner's value as the pages box shows it (the upper arrow increases it).
    int spinnerValue() const;
    // Moves the spinner one step up (+1) or down (−1), as its arrows do.
    void stepSpinner(int direction);

protected:
    // Only a known format tag prints.
    bool canPrint() const override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void cboPrinters_GotFocus();
    void cboPrinters_LostFocus();
    void txtCopie_GotFocus();
    void txtCopie_LostFocus();
    bool txtCopie_KeyPress(QKeyEvent *event);
    void txtCopie_Change();
    void vsCopie_Change();

private:
    static Printout cardPrintout(frmMyPrinterListening *dialog, frmBiglietti *composer);
    std::optional<CardFormat> format() const;
};
