#include "sync/frmRubricaCondivisa.h"

#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "archive/ArchiveStore.h"
#include "archive/SettingsFile.h"
#include "platform/HourglassCursor.h"
#include "platform/Platform.h"
#include "sync/CardDavServer.h"
#include "sync/DavClient.h"
#include "sync/PasswordKeyring.h"
#include "sync/SyncMessages.h"
#include "sync/SyncSettings.h"
#include "sync/SyncState.h"
#include "ui/Hub.h"

namespace {

MsgAnswer tell(const QString &text, MsgIcon icon, MsgButtons buttons = MsgButtons::Ok) {
    return Platform::instance().messageBox(text, QString::fromUtf8(frmRubricaCondivisa::kTitle),
                                           icon, buttons);
}

QUrl addressOf(const QString &typed) {
    return QUrl::fromUserInput(typed.contains(QLatin1String("://"))
                                   ? typed.trimmed()
                                   : QStringLiteral("https://") + typed.trimmed());
}

}  // namespace

frmRubricaCondivisa::frmRubricaCondivisa(ArchiveStore &store, QWidget *parent)
    : SmallDialog(QStringLiteral("frmRubricaCondivisa"),
                  QStringLiteral(" ") + QString::fromUtf8(kTitle), QSize(), Background::None,
                  parent),
      m_store(store) {
    const SyncSettings settings = SyncSettings::read(SettingsFile());
    m_certificate = settings.certificate;

    auto box = [this](const char *name, const QString &text) {
        auto *edit = new QLineEdit(text, this);
        edit->setObjectName(QString::fromLatin1(name));
        return edit;
    };
    txtServer = box("txtServer", settings.server);
    txtServer->setPlaceholderText(
        QStringLiteral("cloud.studio.it, oppure l'indirizzo della rubrica"));
    txtUtente = box("txtUtente", settings.user);
    txtPassword = box("txtPassword", QString());
    txtPassword->setEchoMode(QLineEdit::Password);
    cmdVerifica = new QPushButton(QStringLiteral("&Verifica"), this);
    cmdVerifica->setObjectName(QStringLiteral("cmdVerifica"));
    cboRubrica = new QComboBox(this);
    cboRubrica->setObjectName(QStringLiteral("cboRubrica"));
    if (!settings.book.isEmpty()) {
        m_books << AddressBook{QUrl(settings.book), settings.book};
        cboRubrica->addItem(settings.book);
    }
    lblStato = new QLabel(this);
    lblStato->setObjectName(QStringLiteral("lblStato"));
    lblStato->setWordWrap(true);
    cmdSalva = new QPushButton(QStringLiteral("&Salva"), this);
    cmdSalva->setObjectName(QStringLiteral("cmdSalva"));
    cmdSalva->setEnabled(!m_books.isEmpty());
    cmdSmetti = new QPushButton(QStringLiteral("S&metti di sincronizzare"), this);
    cmdSmetti->setObjectName(QStringLiteral("cmdSmetti"));
    cmdSmetti->setEnabled(settings.configured());
    cmdAnnulla = new QPushButton(QStringLiteral("&Annulla"), this);
    cmdAnnulla->setObjectName(QStringLiteral("cmdAnnulla"));
    cmdGuida = new QPushButton(QStringLiteral("&Guida"), this);
    cmdGuida->setObjectName(QStringLiteral("cmdGuida"));
    cmdGuida->setEnabled(Hub::instance().hasAction(Hub::Action::Help));
    connect(cmdGuida, &QPushButton::clicked, this, [this] {
        Hub::instance().runAction(Hub::Action::Help, this, QStringLiteral("rubrica"));
    });

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Server:"), txtServer);
    form->addRow(QStringLiteral("&Utente:"), txtUtente);
    form->addRow(QStringLiteral("&Password:"), txtPassword);
    auto *check = new QHBoxLayout;
    check->addWidget(cboRubrica, 1);
    check->addWidget(cmdVerifica);
    auto *bookCaption = new QLabel(QStringLiteral("&Rubrica:"), this);
    bookCaption->setBuddy(cboRubrica);
    form->addRow(bookCaption, check);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdGuida);
    buttons->addWidget(cmdSmetti);
    buttons->addStretch();
    buttons->addWidget(cmdSalva);
    buttons->addWidget(cmdAnnulla);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(lblStato);
    layout->addLayout(buttons);
    resize(560, 220);

    connect(cmdVerifica, &QPushButton::clicked, this, &frmRubricaCondivisa::cmdVerifica_Click);
    connect(cmdSalva, &QPushButton::clicked, this, &frmRubricaCondivisa::cmdSalva_Click);
    connect(cmdSmetti, &QPushButton::clicked, this, &frmRubricaCondivisa::cmdSmetti_Click);
    connect(cmdAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

void frmRubricaCondivisa::cmdVerifica_Click() {
    const QUrl address = addressOf(txtServer->text());
    if (!address.isValid() || address.host().isEmpty() ||
        (address.scheme() != QLatin1String("https") && address.scheme() != QLatin1String("http"))) {
        tell(SyncMessages::badAddress(txtServer->text()), MsgIcon::Exclamation);
        return;
    }
    if (address.scheme() == QLatin1String("http") &&
        tell(SyncMessages::plainHttp(address.host()) + QStringLiteral("\r\n\r\nContinuare?"),
             MsgIcon::Exclamation, MsgButtons::YesNoDefaultNo) != MsgAnswer::Yes)
        return;
    DavClient client;
    client.setCredentials(txtUtente->text().trimmed(), txtPassword->text());
    client.setOrigin(address);
    client.setPinnedCertificate(m_certificate);
    CardDavServer server(client);
    QList<AddressBook> books;
    bool found = false;
    {
        HourglassCursor hourglass;
        lblStato->setText(QStringLiteral("Collegamento a %1…").arg(address.host()));
        found = server.discover(address, books);
    }
    if (!found && !client.refusedCertificate().isEmpty()) {
        const QByteArray fingerprint = client.refusedCertificate();
        if (tell(server.error() + QStringLiteral("\r\n\r\n") +
                     SyncMessages::acceptCertificate(address.host(), fingerprint),
                 MsgIcon::Question, MsgButtons::YesNoDefaultNo) == MsgAnswer::Yes) {
            m_certificate = fingerprint;
            client.setPinnedCertificate(fingerprint);
            HourglassCursor hourglass;
            found = server.discover(address, books);
        }
    }
    if (!found) {
        lblStato->setText(server.error());
        tell(server.error(), MsgIcon::Exclamation);
        return;
    }
    m_books = books;
    cboRubrica->clear();
    for (const AddressBook &b : books)
        cboRubrica->addItem(b.name + QStringLiteral("  —  ") + b.url.toString());
    lblStato->setText(QStringLiteral("Trovate %1 rubriche.").arg(books.size()));
    cmdSalva->setEnabled(true);
}

void frmRubricaCondivisa::cmdSalva_Click() {
    const int at = cboRubrica->currentIndex();
    if (at < 0 || at >= m_books.size()) return;
    SyncSettings settings;
    settings.server = txtServer->text().trimmed();
    settings.user = txtUtente->text().trimmed();
    settings.book = m_books.at(at).url.toString();
    settings.certificate = m_certificate;
    SettingsFile file;
    if (!settings.write(file)) {
        tell(SyncMessages::settingsNotWritten(file.filePath()), MsgIcon::Exclamation);
        return;
    }
    if (!txtPassword->text().isEmpty()) {
        const QString key = PasswordKeyring::keyFor(settings.user, settings.book);
        QString why;
        if (!PasswordKeyring::store(key, txtPassword->text(), &why)) {
            PasswordKeyring::keepForRun(key, txtPassword->text());
            tell(why, MsgIcon::Information);
        }
    }
    accept();
}

void frmRubricaCondivisa::cmdSmetti_Click() {
    if (tell(QStringLiteral("Smettere di sincronizzare l'archivio con la rubrica condivisa? I "
                            "contatti restano come sono, nell'archivio e sul server."),
             MsgIcon::Question, MsgButtons::YesNoDefaultNo) != MsgAnswer::Yes)
        return;
    const SyncSettings old = SyncSettings::read(SettingsFile());
    SettingsFile file;
    SyncSettings{}.write(file);
    PasswordKeyring::remove(PasswordKeyring::keyFor(old.user, old.book));
    PasswordKeyring::keepForRun(QString(), QString());
    QFile::remove(m_store.archivePath(QString::fromLatin1(SyncState::kFileName)));
    accept();
}
