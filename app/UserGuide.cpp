#include "app/UserGuide.h"

#include <QFileInfo>

#include "platform/HourglassCursor.h"
#include "platform/Platform.h"
#include "platform/ProgramFolder.h"

QString UserGuide::path() {
    const QString name = QString::fromLatin1(kFileName);
    for (const QString &folder : {ProgramFolder::path(), ProgramFolder::installPath()}) {
        const QString candidate = ProgramFolder::join(folder, name);
        if (QFileInfo(candidate).isFile()) return candidate;
    }
    return QString();
}

bool UserGuide::open() {
    QString guide;
    bool opened = false;
    {
        HourglassCursor hourglass;
        guide = path();
        if (!guide.isEmpty()) opened = Platform::instance().openUrl(guide);
    }
    if (!opened)
        Platform::instance().messageBox(
            QString::fromUtf8(guide.isEmpty() ? kMissingText : kNoViewerText),
            QStringLiteral("Attenzione: impossibile aprire il file"), MsgIcon::Exclamation,
            MsgButtons::Ok);
    return opened;
}
