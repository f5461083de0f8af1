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

Message UserGuide::open() {
    QString guide;
    bool opened = false;
    {
        HourglassCursor hourglass;
        guide = path();
        if (!guide.isEmpty()) opened = Platform::instance().openUrl(guide);
    }
    if (opened) return Message();
    return Message{.text = QString::fromUtf8(guide.isEmpty() ? kMissingText : kNoViewerText),
                   .title = QStringLiteral("Attenzione: impossibile aprire il file"),
                   .icon = MsgIcon::Exclamation};
}
