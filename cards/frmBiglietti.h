#pragma once

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <optional>

#include "archive/ArchiveStore.h"
#include "archive/ContactRecord.h"
#include "cards/CardContent.h"
#include "cards/CardFormat.h"
#include "platform/Platform.h"
#include "ui/BrowseBar.h"
#include "ui/ContactReceiver.h"
#include "ui/MainWindowBase.h"

// The card composer: the four card formats side by side as editable previews (small
// with logo, small without logo, medium, large), filled by typing, by browsing the
// archive or by the search, and printed through the print dialog. Nothing typed here is
// saved. Every per-format control is an array indexed by the format (nullptr where a
// format has no such control).
class frmBiglietti : public MainWindowBase, public ContactReceiver {
    Q_OBJECT
public:
    explicit frmBiglietti(QWidget *parent = nullptr);

    using Boxes = std::array<QLineEdit *, 4>;

    // The eleven text box arrays of the previews.
    Boxes txtTitolo{};
    Boxes txtSottotitolo{};
    Boxes txtIndirizzo{};
    Boxes txtCitta{};
    Boxes txtIva{};
    Boxes txtTel{};
    Boxes txtCel{};
    Boxes txtEmail{};
    Boxes txtFax{};
    Boxes txtWeb{};
    Boxes txtInformazioni{};
    // Logo boxes of formats 0, 2 and 3; the white cards, their shadows and rules.
    // Logo boxes are keys: a click selects the format, a double click (or Space or Enter)
    // chooses the picture.
    std::array<QPushButton *, 4> picLogo{};
    std::array<QFrame *, 4> picBiglietto{};
    std::array<QFrame *, 4> shpBiglietto{};
    std::array<std::array<QFrame *, 2>, 4> Line1{};

    // Format selection: option buttons, caption labels, rectangles, clear icons.
    QRadioButton *optCard_Pic_Si;
    QRadioButton *optCard_Pic_No;
    QRadioButton *optCard_Med;
    QRadioButton *optCard_Gra;
    QLabel *lblCard_Pic_Si;
    QLabel *lblCard_Pic_No;
    QLabel *lblCard_Med;
    QLabel *lblCard_Gra;
    QFrame *shpCard_Pic_Si;
    QFrame *shpCard_Pic_No;
    QFrame *shpCard_Med;
    QFrame *shpCard_Gra;
    QPushButton *picNuovo01;
    QPushButton *picNuovo02;
    QPushButton *picNuovo03;
    QPushButton *picNuovo04;

    QLabel *lblInfo;
    QWidget *picStampa;
    QPushButton *cmdStampa01;
    QPushButton *imgStampa;
    QWidget *picControlli;
    QPushButton *cmdTrova;
    QPushButton *imgTrova;
    QWidget *picFrecce;
    BrowseBar *barBrowse;
    QPushButton *cmdPrimo;
    QPushButton *cmdIndietro;
    QLabel *lblPosizione;
    QPushButton *cmdAvanti;
    QPushButton *cmdUltimo;
    QPushButton *lblEsci;
    QPushButton *lblHelp;
    // The blank logo (one white pixel) that every clearing puts into a logo box.
    QLabel *picNuovo;

    // The box of a format for a card field (nullptr when the format has none).
    QLineEdit *box(CardFormat format, ContactRecord::Field field) const;
    // The option button, caption label and rectangle of a format.
    QRadioButton *option(CardFormat format) const;
    QLabel *caption(CardFormat format) const;
    QFrame *rectangle(CardFormat format) const;
    // The selected format, if any.
    std::optional<CardFormat> selectedFormat() const;

    // The picture a logo box holds (element 0, 2 or 3), and putting one there.
    QImage logoPicture(int index) const;
    void setLogoPicture(int index, const QImage &picture);
    // Loads a picture file into a logo box; false (and the box untouched) when it fails.
    bool loadLogo(int index, const QString &path);

    // Puts one contact into the four previews: its logo pictures and its texts with the
    // "P.IVA ", "Tel. ", "Fax ", "Cel. " prefixes. Used by browsing and by the search.
    void FillCardsFromRecord(const ContactRecord &record);
    // The search's contact into all four formats: the blank logo first, so that a
    // contact without a logo (or whose logo file fails) never keeps the previous
    // contact's; then FillCardsFromRecord; it then shows record `number`.
    bool receivesContact(OriginTag tag) const override;
    void receiveContact(const ContactRecord &record, int number, OriginTag tag) override;
    // What the print job takes for a format: the box texts, the title and subtitle
    // colours and the logo picture.
    CardContent cardContent(CardFormat format) const;
    // A text box's text colour (0x00BBGGRR).
    static qint32 textColour(const QLineEdit *box);

    // The filters and the title of the logo dialog.
    static QList<FileFilter> logoFilters();
    static QString logoDialogTitle();

public slots:
    void optCard_Pic_Si_Click();
    void optCard_Pic_No_Click();
    void optCard_Med_Click();
    void optCard_Gra_Click();
    void cmdTrova_Click();
    void cmdStampa01_Click();

private slots:
    void lblCard_Pic_Si_Click();
    void lblCard_Pic_No_Click();
    void lblCard_Med_Click();
    void lblCard_Gra_Click();
    void picNuovo01_MouseUp();
    void picNuovo02_MouseUp();
    void picNuovo03_MouseUp();
    void picNuovo04_MouseUp();
    void picLogo_Click(int index);
    void picLogo_DblClick(int index);
    void imgTrova_Click();
    void imgStampa_Click();
    void lblEsci_MouseUp();
    void lblHelp_MouseUp();

    void txtTitolo_GotFocus(int index);
    void txtTitolo_LostFocus(int index);
    void txtSottotitolo_GotFocus(int index);
    void txtSottotitolo_LostFocus(int index);
    void txtIndirizzo_GotFocus(int index);
    void txtIndirizzo_LostFocus(int index);
    void txtCitta_GotFocus(int index);
    void txtCitta_LostFocus(int index);
    void txtIva_GotFocus(int index);
    void txtIva_LostFocus(int index);
    void txtTel_GotFocus(int index);
    void txtTel_LostFocus(int index);
    void txtCel_GotFocus(int index);
    void txtCel_LostFocus(int index);
    void txtEmail_GotFocus(int index);
    void txtEmail_LostFocus(int index);
    void txtFax_GotFocus(int index);
    void txtFax_LostFocus(int index);
    void txtWeb_GotFocus(int index);
    void txtWeb_LostFocus(int index);
    void txtInformazioni_GotFocus(int index);
    void txtInformazioni_LostFocus(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void buildPreview(CardFormat format, QPoint place);
    void buildFormatRow(CardFormat format, QPoint place, int width);
    void buildBottomBar(QWidget *panel);
    Boxes *boxArray(ContactRecord::Field field);
    void selectFormat(CardFormat format);
    void setOption(CardFormat format);
    void clearFormat(CardFormat format);
    void browse(ArchiveStore::Direction direction);
    void boxGotFocus(QLineEdit *box, int index);
    void boxLostFocus(QLineEdit *box);
    void showLogo(int index);
    // Keyboard: the window's keys, the Tab order, and which controls Tab reaches (the
    // format choice, the chosen format's controls and the bar).
    void addKeys();
    void orderTabChain();
    void updateTabReach();
    bool formatArrowKey(QObject *watched, QEvent *event);
    QList<QWidget *> formatControls(CardFormat format) const;

    std::array<QImage, 4> m_logo;
    // Set while an arrow key changes the format: the focus stays on the format choice.
    bool m_arrowChoice = false;
};
