#include "sync/SyncMessages.h"

#include "sync/DavClient.h"

QString SyncMessages::acceptCertificate(const QString &host, const QByteArray &sha256Hex) {
    return QStringLiteral(
               "Il server %1 presenta un certificato non garantito da nessuna autorità "
               "(comune sui server d'ufficio). Impronta SHA-256:\n%2\nAccettarlo solo se "
               "coincide con quella indicata dall'amministratore del server. Accettare il "
               "certificato?")
        .arg(host, QString::fromLatin1(DavClient::fingerprintText(sha256Hex)));
}
