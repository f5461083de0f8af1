#pragma once

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/PrintWrappedText.h"
#include "ui/SmallDialog.h"

// The help window: one topic (a title and a few paragraphs) that the calling window puts
// into it, printable, with the link to the user guide Guida.pdf.
class frmHelpForm : public SmallDialog {
    Q_OBJECT
public:
    explicit frmHelpForm(QWidget *parent = nullptr);

    // Opens the topic of that key ("menu", "archivio", ...) modally over the caller and
    // returns when the window is closed. False for a key with no topic.
    static bool openTopic(QWidget *caller, const QString &key);

    // Puts a topic into the window: the title into lblTitolo, the paragraphs into txtTesto
    // separated by an empty line.
    void setTopic(const QString &title, const QStringList &paragraphs);

    // txtTesto as the wrapped printing sees it: text and selection with CR LF line
    // breaks, font and alignment.
    WrappedTextBox textBox() const;

    // The colours of the guide link.
    static QColor linkColor() { return QColor(0, 0, 128); }
    static QColor linkPressedColor() { return QColor(192, 0, 0); }

    // Controls.
    QLabel *lblTitolo;
    QFrame *picTesto;
    QPlainTextEdit *txtTesto;
    QPushButton *cmdStampa;
    QLabel *imgPDF;
    QPushButton *lblPDF;
    QPushButton *cmdChiudi;
    QLabel *cmdLogo;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void cmdStampa_Click();
    void cmdChiudi_Click();
    void imgPDF_MouseDown();
    void imgPDF_MouseUp();
    void lblPDF_MouseDown();
    void lblPDF_MouseUp();

private:
    void setLinkColor(const QColor &color);
    void openGuide();
};
