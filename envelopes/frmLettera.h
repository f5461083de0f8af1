#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "archive/ArchiveStore.h"
#include "archive/ContactRecord.h"
#include "envelopes/EnvelopeContent.h"
#include "ui/BrowseBar.h"
#include "ui/ContactReceiver.h"
#include "ui/MainWindowBase.h"

// The envelope composer: the sender block (logo and eight lines, element 0 of each
// control array) and the recipient block (four lines, element 3), the margins and
// orientation it prints with, browsing the archive into the recipient block, and the
// envelope's printing. The sender block is kept between runs in Cartaflex.ini and
// Logo.bmp. The margins window writes into the margin and orientation labels; the
// search hands a contact to either block through receiveContact.
class frmLettera : public MainWindowBase, public ContactReceiver {
    Q_OBJECT
public:
    static constexpr int kSender = 0;
    static constexpr int kRecipient = 3;
    static constexpr int kMaxLength = 250;

    explicit frmLettera(QWidget *parent = nullptr);

    // Controls. Elements that do not exist are nullptr.
    std::array<QPushButton *, 4> picLogo{};
    std::array<QLineEdit *, 4> txtTitolo{};
    std::array<QLineEdit *, 4> txtSottotitolo{};
    std::array<QLineEdit *, 4> txtIndirizzo{};
    std::array<QLineEdit *, 4> txtCitta{};
    std::array<QLineEdit *, 4> txtIva{};
    std::array<QLineEdit *, 4> txtTel{};
    std::array<QLineEdit *, 4> txtCel{};
    std::array<QLineEdit *, 4> txtEmail{};
    QLabel *lblValSin;
    QLabel *lblValSup;
    QLabel *lblValSinD;
    QLabel *lblValSupD;
    QLabel *lblOrientamento;
    QLabel *lblPosizione;
    QLabel *lblPath;
    QLabel *picNuovo;  // hidden: the empty-logo picture
    QPushButton *cmdStampa;
    QPushButton *cmdImp;
    QPushButton *cmdAnnulla;
    BrowseBar *barBrowse;
    QPushButton *cmdPrimo;
    QPushButton *cmdIndietro;
    QPushButton *cmdAvanti;
    QPushButton *cmdUltimo;
    QPushButton *picTrova01;
    QPushButton *picTrova02;
    QPushButton *picNuovo01;
    QPushButton *picNuovo02;
    // The margins link: a flat key whose caption is the underlined link text.
    QPushButton *lblImposta;
    QPushButton *imgImposta;

    // The current picture of a logo box (null when it holds none).
    static QImage pictureOf(const QWidget *box);
    static void setPicture(QWidget *box, const QImage &image);
    // Loads a picture file into picLogo(0); a file that is not a picture leaves the
    // empty-logo picture there. False in that case.
    bool loadLogoFile(const QString &path);

    // The search's contact: into the sender block (logo path, logo and eight lines) for
    // the sender tag, into the recipient block (the four address lines) for the
    // recipient tag.
    bool receivesContact(OriginTag tag) const override;
    void receiveContact(const ContactRecord &record, int number, OriginTag tag) override;

    // What the envelope is printed from: the controls as they stand.
    EnvelopeContent content() const;

    // Colours of the text boxes.
    static QColor normalBackground() { return QColor(224, 224, 224); }
    static QColor focusBackground() { return QColor(255, 255, 128); }
    static QColor linkColour() { return QColor(0, 0, 128); }
    static QColor linkPressedColour() { return QColor(255, 0, 0); }

protected:
    void formUnload() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void cmdStampa_Click();
    void cmdImp_Click();
    void cmdAnnulla_Click();
    void picTrova01_MouseUp();
    void picTrova02_MouseUp();
    void picNuovo01_MouseUp();
    void picNuovo02_MouseUp();
    void picLogo_DblClick(int Index);
    void lblImposta_MouseDown();
    void lblImposta_MouseUp();
    void imgImposta_MouseUp();

private:
    void Form_Load();
    void showSender(const ContactRecord &record);
    void showRecipient(const ContactRecord &record);
    void buildSenderBlock(QWidget *panel);
    void buildRecipientBlock(QWidget *panel);
    void buildMarginsPanel(QWidget *panel);
    void buildButtons(QWidget *panel);
    void showContent(const EnvelopeContent &c);
    void navigate(ArchiveStore::Direction direction);
    void openMargins();
    void setLinkColour(const QColor &colour);
    void addKeys();
    static void setBackground(QLineEdit *box, const QColor &colour);
    static void setTextColour(QLineEdit *box, const QColor &colour);
};
