#include "platform/Platform.h"

#include <QtGlobal>
#include <memory>

namespace {

std::unique_ptr<Platform> &installed() {
    static std::unique_ptr<Platform> platform;
    return platform;
}

}  // namespace

Platform::~Platform() = default;

Platform &Platform::instance() {
    // Every program installs its platform first thing; one that forgot must not go on
    // with no dialogs, no printers and no message boxes.
    if (!installed()) qFatal("Cartaflex: no platform installed (Platform::install at start)");
    return *installed();
}

void Platform::install(Platform *platform) {
    installed().reset(platform);
}

int Platform::execDialog(QObject *dialog) {
    int result = 0;
    if (dialog)
        QMetaObject::invokeMethod(dialog, "exec", Qt::DirectConnection, Q_RETURN_ARG(int, result));
    return result;
}
