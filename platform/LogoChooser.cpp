#include "platform/LogoChooser.h"

#include <QFileInfo>

#include "platform/LogoFileFilters.h"

namespace LogoChooser {

namespace {

QString &folder() {
    static QString last;
    return last;
}

}  // namespace

QList<FileFilter> filters() {
    QList<FileFilter> out = logoFileFilters();
    const QStringList every{QStringLiteral("*.bmp"),  QStringLiteral("*.jpg"),
                            QStringLiteral("*.jpeg"), QStringLiteral("*.gif"),
                            QStringLiteral("*.png"),  QStringLiteral("*.wmf")};
    out.prepend({QStringLiteral("Immagini (%1)").arg(every.join(u' ')), every.join(u';')});
    return out;
}

QString choose(const QString &title) {
    const QString path = Platform::instance().openFileDialog(title, filters(), 0, folder());
    if (!path.isEmpty()) folder() = QFileInfo(path).absolutePath();
    return path;
}

QString lastFolder() {
    return folder();
}

void forget() {
    folder().clear();
}

Message notAPicture() {
    return Message{QString::fromUtf8("Il file scelto non è un'immagine valida."),
                   QStringLiteral("Attenzione: immagine non valida"), MsgIcon::Exclamation,
                   MsgButtons::Ok, false};
}

}  // namespace LogoChooser
