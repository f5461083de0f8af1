#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "cards/CardPrintJob.h"
#include "cards/CardSheet.h"
#include "printing/widgets/PrintDialog.h"

class frmBiglietti;

// The card print dialog: the print dialog of every printout (queues, then the PDF
// entry; preview, calibration, the failure message), laid out as the card sheets want
// it, with the number of sheets in a digits-only box with its spinner, the sheet ("Carta":
// the plain A4 sheet or the card stocks the format fits, kept per format), the start card
// and the number of cards, and the card print job of the format the composer wrote
// into `lblMemory`. The instruction tells what the QR code leaves out, when it does.
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
    QLabel *lblCarta;
    QComboBox *cboCarta;

    // The card format printed (its tag goes into lblMemory): the sheets it can go on,
    // the one kept for it chosen, and the instruction for that sheet.
    void setFormat(CardFormat format);
    // The sheet chosen in "Carta" (the plain sheet before a format is set).
    CardSheet sheet() const;
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
    void cboCarta_Click();

private:
    static Printout cardPrintout(frmMyPrinterListening *dialog, frmBiglietti *composer);
    std::optional<CardFormat> format() const;
    // The instruction for the format on the chosen sheet, and the QR code's note.
    void showInfo();

    frmBiglietti *m_composer;
    // Set while the sheets of a format are being listed: no choice is kept then.
    bool m_listing = false;
};
