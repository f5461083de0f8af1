#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/SmallDialog.h"

// The VAT number check window: the user types or receives a partita IVA, checks it,
// copies it to the clipboard or clears it. Shown modally over the archive window.
class frmCalcIva : public SmallDialog {
    Q_OBJECT
public:
    explicit frmCalcIva(QWidget *parent = nullptr);

    QLineEdit *txtIva;
    QPushButton *cmdCalcolaIva;
    QPushButton *imgLogo;
    QPushButton *imgNuovo;
    QPushButton *imgCopia;
    QLabel *lblInstruct;
    QPushButton *cmdGuida;
    QPushButton *cmdChiudi;

private slots:
    void txtIva_Change();
    void cmdCalcolaIva_Click();
    void imgLogo_Click();
    void imgNuovo_Click();
    void imgCopia_Click();
    void cmdGuida_Click();
    void cmdChiudi_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool txtIva_KeyPress(QKeyEvent *event);
    void txtIva_GotFocus();
    void ControllaIva(const QString &number);
};
