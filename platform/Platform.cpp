#include "platform/Platform.h"

#include <memory>

#include "platform/ScriptedPlatform.h"

namespace {

std::unique_ptr<Platform> &installed() {
    static std::unique_ptr<Platform> platform;
    return platform;
}

}  // namespace

Platform::~Platform() = default;

Platform &Platform::instance() {
    if (!installed()) installed() = std::make_unique<ScriptedPlatform>();
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
