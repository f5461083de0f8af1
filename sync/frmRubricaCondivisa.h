#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPushButton>

#include "sync/AddressBook.h"
#include "ui/SmallDialog.h"

class ArchiveStore;

// "Rubrica condivisa": the set-up of the sync — the server's address (an address book's
// own, or just the server's name), user name and password; "Verifica" connects and lists
// the address books found; "Salva" keeps address, user and address book in Cartaflex.ini
// and the password in the desktop's keyring; "Smetti di sincronizzare" forgets them all.
class frmRubricaCondivisa : public SmallDialog {
    Q_OBJECT
public:
    explicit frmRubricaCondivisa(ArchiveStore &store, QWidget *parent = nullptr);

    QLineEdit *txtServer;
    QLineEdit *txtUtente;
    QLineEdit *txtPassword;
    QPushButton *cmdVerifica;
    QComboBox *cboRubrica;
    QLabel *lblStato;
    QPushButton *cmdSalva;
    QPushButton *cmdSmetti;
    QPushButton *cmdAnnulla;
    QPushButton *cmdGuida;

    static constexpr const char *kTitle = "Rubrica condivisa";

private slots:
    void cmdVerifica_Click();
    void cmdSalva_Click();
    void cmdSmetti_Click();

private:
    ArchiveStore &m_store;
    QList<AddressBook> m_books;
    QByteArray m_certificate;
};
