#pragma once

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>

#include "cards/CardPrintJob.h"

class frmBiglietti;

// The card print dialog: the printer, the number of sheets, and the card print job of
// the format the composer wrote into `lblMemory`. Besides the print queues the list
// offers an entry that saves the sheets as a PDF file.
class frmMyPrinterListening : public QDialog {
    Q_OBJECT
public:
    explicit frmMyPrinterListening(frmBiglietti *composer, QWidget *parent = nullptr);

    QLabel *lblStampante;
    QComboBox *cboPrinters;
    QLabel *lblCopie;
    QLineEdit *txtCopie;
    QScrollBar *vsCopie;
    QSpinBox *spnInizio;
    QSpinBox *spnBiglietti;
    QPushButton *cmdAnteprima;
    QPushButton *cmdCalibra;
    QPushButton *cmdStampa;
    QPushButton *cmdAnnulla;
    QPushButton *cmdInfo;
    QGroupBox *fraStampa;
    QGroupBox *fraInfo;
    QLabel *lblInfo;
    QLabel *lblMemory;
    QLabel *imgPrinter;

    // The card format printed (its tag goes into lblMemory) and the cards chosen.
    void setFormat(CardFormat format);
    CardPrintJob::Range range() const;

    // The spinner's value as the pages box shows it (the upper arrow increases it).
    int spinnerValue() const;
    // Moves the spinner one step up (+1) or down (−1), as its arrows do.
    void stepSpinner(int direction);

public slots:
    void cmdStampa_Click();
    void cmdAnnulla_Click();
    void cmdAnteprima_Click();
    void cmdCalibra_Click();

private slots:
    void cboPrinters_GotFocus();
    void cboPrinters_LostFocus();
    void txtCopie_GotFocus();
    void txtCopie_LostFocus();
    bool txtCopie_KeyPress(QKeyEvent *event);
    void txtCopie_Change();
    void vsCopie_Change();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void PrintCardJob();

    frmBiglietti *m_composer;
};
