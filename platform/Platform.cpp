#include "platform/Platform.h"

#include "platform/InstalledSlot.h"

Platform::~Platform() = default;

Platform &Platform::instance() {
    // Every program installs its platform first thing; one that forgot must not go on
    // with no dialogs, no printers and no message boxes.
    return InstalledSlot<Platform>::get("no platform installed (Platform::install at start)");
}

void Platform::install(Platform *platform) {
    InstalledSlot<Platform>::install(platform);
}

int Platform::execDialog(QObject *dialog) {
    int result = 0;
    if (dialog)
        QMetaObject::invokeMethod(dialog, "exec", Qt::DirectConnection, Q_RETURN_ARG(int, result));
    return result;
}
