#include "sync/frmSincronizza.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QVBoxLayout>

#include "archive/ArchiveStore.h"
#include "archive/SettingsFile.h"
#include "platform/Platform.h"
#include "sync/PasswordKeyring.h"
#include "sync/SyncSession.h"
#include "sync/SyncSettings.h"
#include "sync/frmConflitto.h"

namespace {

const QString kTitle = QStringLiteral("Sincronizza");

MsgAnswer tell(const QString &text, MsgIcon icon, MsgButtons buttons = MsgButtons::Ok) {
    return Platform::instance().messageBox(text, kTitle, icon, buttons);
}

// The password from the keyring, else the one given for this run, else asked for.
bool passwordFor(QWidget *parent, const SyncSettings &settings, QString &password) {
    const QString key = PasswordKeyring::keyFor(settings.user, settings.book);
    if (PasswordKeyring::read(key, password)) return true;
    password = PasswordKeyring::keptForRun(key);
    if (!password.isEmpty()) return true;
    bool ok = false;
    password = QInputDialog::getText(
        parent, kTitle,
        QStringLiteral("Nessun portachiavi conserva la password: la password di %1 per questa "
                       "sessione:")
            .arg(settings.user),
        QLineEdit::Password, QString(), &ok);
    if (!ok || password.isEmpty()) return false;
    PasswordKeyring::keepForRun(key, password);
    return true;
}

}  // namespace

frmSincronizza::frmSincronizza(QWidget *parent)
    : SmallDialog(QStringLiteral("frmSincronizza"), QStringLiteral(" ") + kTitle, QSize(),
                  Background::None, parent) {
    lblStato = new QLabel(QStringLiteral("Sincronizzazione con la rubrica condivisa…"), this);
    lblStato->setObjectName(QStringLiteral("lblStato"));
    prgAvanzamento = new QProgressBar(this);
    prgAvanzamento->setObjectName(QStringLiteral("prgAvanzamento"));
    prgAvanzamento->setRange(0, 0);
    prgAvanzamento->setAccessibleName(QStringLiteral("Avanzamento della sincronizzazione"));
    cmdAnnulla = new QPushButton(QStringLiteral("&Annulla"), this);
    cmdAnnulla->setObjectName(QStringLiteral("cmdAnnulla"));
    connect(cmdAnnulla, &QPushButton::clicked, this, [this] {
        cmdAnnulla->setEnabled(false);
        lblStato->setText(QStringLiteral("Annullamento…"));
        m_client.cancel();
    });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblStato);
    layout->addWidget(prgAvanzamento);
    layout->addWidget(cmdAnnulla, 0, Qt::AlignRight);
    resize(420, 120);
}

bool frmSincronizza::run(QWidget *parent, ArchiveStore &store) {
    const SyncSettings settings = SyncSettings::read(SettingsFile());
    if (!settings.configured()) {
        tell(QStringLiteral("La rubrica condivisa non è impostata: aprire «Rubrica condivisa…» "
                            "dal menu dei contatti."),
             MsgIcon::Exclamation);
        return false;
    }
    QString password;
    if (!passwordFor(parent, settings, password)) return false;
    frmSincronizza window(parent);
    const QUrl book(settings.book);
    window.m_client.setCredentials(settings.user, password);
    window.m_client.setOrigin(book);
    window.m_client.setPinnedCertificate(settings.certificate);
    window.show();
    QCoreApplication::processEvents();

    SyncSession session(store, window.m_client, book);
    SyncSession::Callbacks callbacks;
    callbacks.progress = [&](int done, int total) {
        window.prgAvanzamento->setRange(0, total);
        window.prgAvanzamento->setValue(done);
    };
    callbacks.confirm = [](const QString &question) {
        return tell(question, MsgIcon::Question, MsgButtons::YesNoDefaultNo) == MsgAnswer::Yes;
    };
    callbacks.choose = [&](const ContactRecord &local, const ContactRecord &server) {
        return frmConflitto::ask(local, server, &window);
    };
    const SyncSession::Outcome outcome = session.run({}, callbacks);
    window.hide();
    switch (outcome) {
        case SyncSession::Outcome::Done: {
            QString text = session.summary().text();
            if (!session.conflicts().isEmpty())
                text += QStringLiteral("\r\n\r\nLasciati come sono su ciascuna parte: ") +
                        session.conflicts().join(QStringLiteral(", ")) + u'.';
            tell(text, MsgIcon::Information);
            return true;
        }
        case SyncSession::Outcome::Declined:
            tell(session.error(), MsgIcon::Information);
            return false;
        case SyncSession::Outcome::Failed:
            tell(session.error(), MsgIcon::Exclamation);
            return true;
    }
    return false;
}
