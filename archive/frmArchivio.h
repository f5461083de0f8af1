#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "archive/ArchiveStore.h"
#include "archive/ContactRecord.h"
#include "platform/Platform.h"
#include "ui/BrowseBar.h"
#include "ui/ContactReceiver.h"
#include "ui/MainWindowBase.h"

// The contact archive window, the only window that changes Contatti.edb: browsing,
// new, save, delete, three logo pictures per contact, the text colours of the name and
// specialty lines, the web link, e-mail and the VAT number check.
class frmArchivio : public MainWindowBase, public ContactReceiver {
    Q_OBJECT
public:
    explicit frmArchivio(QWidget *parent = nullptr);

    // Entry boxes, in record order.
    QLineEdit *txtTitolo;
    QLineEdit *txtSottotitolo;
    QLineEdit *txtIndirizzo;
    QLineEdit *txtCitta;
    QLineEdit *txtIva;
    QLineEdit *txtTel;
    QLineEdit *txtFax;
    QLineEdit *txtCel;
    QLineEdit *txtEmail;
    QLineEdit *txtInformazioni;
    QLineEdit *txtWeb;
    // Captions of the entry boxes, in the same order.
    std::array<QLabel *, 11> lblEtichetta{};

    // Logo panels: read-only path box, load button, picture, caption.
    QWidget *picPiccolo;
    QWidget *picMedio;
    QWidget *picGrande;
    QLineEdit *txtLogo01;
    QLineEdit *txtLogo02;
    QLineEdit *txtLogo03;
    QPushButton *cmdPiccolo;
    QPushButton *cmdMedio;
    QPushButton *cmdGrande;
    QLabel *picLogo01;
    QLabel *picLogo02;
    QLabel *picLogo03;
    QLabel *lblPiccolo;
    QLabel *lblMedio;
    QLabel *lblGrande;

    BrowseBar *barBrowse;
    QPushButton *cmdPrimo;
    QPushButton *cmdIndietro;
    QPushButton *cmdAvanti;
    QPushButton *cmdUltimo;
    QLabel *lblPosizione;
    QPushButton *cmdNuovo;
    QPushButton *cmdSalva;
    QPushButton *picVuoto;
    QPushButton *cmdTitolo;
    QPushButton *cmdSottotitolo;
    QPushButton *imgVail;
    QPushButton *cmdInvia;
    QPushButton *cmdCheckIvaVend;
    QPushButton *cmdTrova;
    QPushButton *cmdElenco;  // the contact list
    QPushButton *cmdSlide;
    QPushButton *cmdWord;
    QPushButton *cmdBackup;
    QPushButton *cmdRubrica;      // contacts import and export, the shared address book
    QPushButton *cmdSincronizza;  // sync with the shared address book
    QPushButton *cmdGuida;
    QPushButton *cmdEsci;
    // The blank picture (one white pixel) that empties a logo box.
    QLabel *picNuovo;

    // The entry boxes in record order (the Enter ring), and the three logo boxes.
    std::array<QLineEdit *, 11> entryBoxes() const;
    std::array<QLabel *, 3> logoBoxes() const { return {picLogo01, picLogo02, picLogo03}; }
    std::array<QLineEdit *, 3> logoPathBoxes() const { return {txtLogo01, txtLogo02, txtLogo03}; }

    // Text colours of the name and specialty lines (0x00BBGGRR).
    qint32 titleColour() const;
    qint32 subtitleColour() const;
    void setTitleColour(qint32 colour);
    void setSubtitleColour(qint32 colour);

    // True when the logo box holds the blank picture.
    static bool isBlankPicture(const QLabel *box);
    // Puts the picture file into the logo box; false (blank picture) when it is missing
    // or not a picture.
    bool loadLogo(QLabel *box, const QString &path);

    // Fills the boxes from a record (trimmed fields) and loads its logo pictures.
    void showRecord(const ContactRecord &record);
    // The search's contact: the whole record, trimmed, shown as record `number`.
    bool receivesContact(OriginTag tag) const override;
    void receiveContact(const ContactRecord &record, int number, OriginTag tag) override;
    // The record the fourteen boxes hold, each value trimmed.
    ContactRecord recordFromBoxes() const;

    // Back to "no record shown": empty boxes and pictures, empty position label (used
    // after the archive file has been replaced, for instance by a restore).
    void resetToNoRecord();

    // The image filters of the logo dialog, in order, and its title.
    static QList<FileFilter> logoFilters();
    static QString logoDialogTitle();

private slots:
    void cmdNuovo_Click();
    void cmdSalva_Click();
    void picVuoto_Click();
    void cmdPiccolo_Click();
    void cmdMedio_Click();
    void cmdGrande_Click();
    void cmdTitolo_Click();
    void cmdSottotitolo_Click();
    void imgVail_Click();
    void cmdInvia_Click();
    void cmdCheckIvaVend_Click();
    void cmdTrova_Click();
    void cmdElenco_Click();
    void cmdSlide_Click();
    void cmdWord_Click();
    void cmdBackup_Click();
    void cmdRubrica_Click();
    void cmdSincronizza_Click();
    void cmdGuida_Click();
    void cmdEsci_Click();

protected:
    void formUnload() override;
    bool mayClose() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void buildEntryBoxes(QWidget *panel);
    void buildLogoPanels(QWidget *panel);
    void buildButtons(QWidget *panel);
    void setUpKeyboard();
    void browse(ArchiveStore::Direction direction);
    // Browsing asked for by the user: typed changes are settled first.
    void browseTo(ArchiveStore::Direction direction);
    // Empties the boxes for a new contact.
    void clearToNew();
    // Saves the boxes as the save button does; false when the save was refused.
    bool save();
    // True when the user may leave the shown contact: nothing was typed since it was
    // shown, or the user answered the question (saving first on Yes).
    bool settleUnsavedChanges();
    // The boxes now hold what was shown or saved: nothing typed since.
    void markUnedited() { m_edited = false; }
    // After another copy of the program changed the shown record: it is read again (the
    // window is emptied when it is gone).
    void showStoredAgain();
    void loadLogoFromDialog(int index);
    void chooseColour(QLineEdit *box);
    void blankLogo(QLabel *box);
    bool txtIva_KeyPress(QKeyEvent *event);
    void txtWeb_LostFocus();

    ContactRecord m_working;
    bool m_edited = false;  // a box was changed by the user since the contact was shown
};
