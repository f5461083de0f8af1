#pragma once

#include <QLabel>
#include <QPushButton>

#include "ui/SmallDialog.h"

// The information window: which product and version is running, where it keeps its data.
class frmInfo : public SmallDialog {
    Q_OBJECT
public:
    explicit frmInfo(QWidget *parent = nullptr);

    // Shows the window modally over the caller.
    static void showModal(QWidget *caller);

    // Controls.
    QPushButton *cmdLogo;
    QPushButton *cmdUtente;
    QPushButton *cmdWarranty;
    QLabel *lblProdotto;
    QLabel *lblUtente;
    QLabel *lblGaranzia;
    QPushButton *cmdOK;

private slots:
    void cmdOK_Click();
};
