#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>

#include "ui/SmallDialog.h"

// The e-mail window: recipient, copies, subject and text, handed to the user's mail
// program as one "mailto:" request.
class frmEmail : public SmallDialog {
    Q_OBJECT
public:
    explicit frmEmail(QWidget *parent = nullptr);

    QLineEdit *txtIndirizzo;
    QLineEdit *txtCC;
    QLineEdit *txtCCN;
    QLineEdit *txtOggetto;
    QPlainTextEdit *txtCorpo;
    QLabel *lblIndirizzo;
    QLabel *lblCc;
    QLabel *lblCcn;
    QLabel *lblOggetto;
    QLabel *lblTesto;
    QPushButton *cmdInvia;

    // Fills the recipient and the subject before the window is shown.
    void prefill(const QString &address, const QString &subject);
    // The request the boxes give now.
    QString request() const;

private slots:
    void cmdInvia_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::array<QWidget *, 5> ring() const;
};
