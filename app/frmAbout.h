#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "ui/SmallDialog.h"

// The about window: product and version, the maker's support e-mail and web site.
class frmAbout : public SmallDialog {
    Q_OBJECT
public:
    static constexpr const char *kSupportAddress = "assistenza@cartaflex.it";
    static constexpr const char *kMailSubject = "Cartaflex 2.0";
    static constexpr const char *kWebSite = "https://www.cartaflex.it";

    explicit frmAbout(QWidget *parent = nullptr);

    // Shows the window modally over the caller.
    static void showModal(QWidget *caller);

    // Controls.
    QGroupBox *Frame1;
    QLabel *imgStemma;
    QPushButton *cmdFoto;
    QPushButton *cmdInfo;
    QPushButton *cmdLogo;
    QLabel *lblProdotto;
    QLabel *imgEmail;
    QPushButton *lblEmail;
    QLabel *imgWeb;
    QPushButton *lblSitoWeb;
    QPushButton *cmdChiudi;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void cmdChiudi_Click();
    void imgEmail_MouseUp();
    void lblEmail_MouseUp();
    void imgWeb_MouseUp();
    void lblSitoWeb_MouseUp();

private:
    void writeToSupport();
    void visitWebSite();
};
