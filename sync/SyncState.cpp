#include "sync/SyncState.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

const QString kBook = QStringLiteral("rubrica");
const QString kToken = QStringLiteral("token");
const QString kCtag = QStringLiteral("ctag");
const QString kEntries = QStringLiteral("contatti");

}  // namespace

bool SyncState::load(const QString &path) {
    *this = SyncState{};
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) return false;
    const QJsonObject root = doc.object();
    book = QUrl(root.value(kBook).toString());
    syncToken = root.value(kToken).toString();
    ctag = root.value(kCtag).toString().toUtf8();
    for (const QJsonValue &v : root.value(kEntries).toArray()) {
        const QJsonObject o = v.toObject();
        SyncEntry e;
        e.href = o.value(QLatin1String("href")).toString();
        e.uid = o.value(QLatin1String("uid")).toString();
        e.name = o.value(QLatin1String("nome_contatto")).toString();
        e.etag = o.value(QLatin1String("etag")).toString().toUtf8();
        e.fingerprint = o.value(QLatin1String("impronta")).toString().toUtf8();
        e.vatKey = o.value(QLatin1String("iva")).toString().toULongLong(nullptr, 16);
        e.nameKey = o.value(QLatin1String("nome")).toString().toULongLong(nullptr, 16);
        if (e.href.isEmpty()) {
            *this = SyncState{};
            return false;
        }
        entries << e;
    }
    return true;
}

bool SyncState::save(const QString &path, QString *why) const {
    QJsonArray list;
    for (const SyncEntry &e : entries) {
        list.append(QJsonObject{{QStringLiteral("href"), e.href},
                                {QStringLiteral("uid"), e.uid},
                                {QStringLiteral("nome_contatto"), e.name},
                                {QStringLiteral("etag"), QString::fromUtf8(e.etag)},
                                {QStringLiteral("impronta"), QString::fromUtf8(e.fingerprint)},
                                {QStringLiteral("iva"), QString::number(e.vatKey, 16)},
                                {QStringLiteral("nome"), QString::number(e.nameKey, 16)}});
    }
    const QJsonObject root{{kBook, book.toString()},
                           {kToken, syncToken},
                           {kCtag, QString::fromUtf8(ctag)},
                           {kEntries, list}};
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        if (why) *why = f.errorString();
        return false;
    }
    f.write(QJsonDocument(root).toJson(QJsonDocument::Compact));
    if (!f.commit()) {
        if (why) *why = f.errorString();
        return false;
    }
    return true;
}
