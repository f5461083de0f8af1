#include "sync/PasswordKeyring.h"

#include <qt6keychain/keychain.h>

#include <QEventLoop>
#include <QUrl>

namespace {

QString &runKey() {
    static QString key;
    return key;
}
QString &runPassword() {
    static QString password;
    return password;
}

// Runs a keyring job to its end; true when it succeeded.
bool finish(QKeychain::Job &job, QString *why) {
    job.setAutoDelete(false);
    job.setInsecureFallback(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    if (job.error() == QKeychain::NoError) return true;
    if (why) {
        const bool missing = job.error() == QKeychain::EntryNotFound;
        *why = missing ? QStringLiteral("Nessuna password conservata per la rubrica condivisa.")
                       : QString::fromUtf8(PasswordKeyring::kNoKeyringText);
    }
    return false;
}

}  // namespace

QString PasswordKeyring::keyFor(const QString &user, const QString &address) {
    return user + u'@' + QUrl(address).host();
}

bool PasswordKeyring::store(const QString &key, const QString &password, QString *why) {
    QKeychain::WritePasswordJob job(QString::fromLatin1(kService));
    job.setKey(key);
    job.setTextData(password);
    return finish(job, why);
}

bool PasswordKeyring::read(const QString &key, QString &password, QString *why) {
    QKeychain::ReadPasswordJob job(QString::fromLatin1(kService));
    job.setKey(key);
    if (!finish(job, why)) return false;
    password = job.textData();
    return true;
}

bool PasswordKeyring::remove(const QString &key) {
    QKeychain::DeletePasswordJob job(QString::fromLatin1(kService));
    job.setKey(key);
    return finish(job, nullptr);
}

void PasswordKeyring::keepForRun(const QString &key, const QString &password) {
    runKey() = key;
    runPassword() = password;
}

QString PasswordKeyring::keptForRun(const QString &key) {
    return key == runKey() ? runPassword() : QString();
}
