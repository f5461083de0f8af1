#include "support/ScriptedPlatform.h"

namespace {

MsgAnswer defaultAnswer(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::Ok:
            return MsgAnswer::Ok;
        case MsgButtons::OkCancel:
        case MsgButtons::RetryCancel:
            return MsgAnswer::Cancel;
        case MsgButtons::YesNo:
        case MsgButtons::YesNoCancel:
        case MsgButtons::YesNoDefaultNo:
            return MsgAnswer::No;
    }
    return MsgAnswer::Cancel;
}

}  // namespace

void ScriptedPlatform::clear() {
    messages.clear();
    dialogs.clear();
    openedUrls.clear();
    startedPrograms.clear();
    modalWindows.clear();
    beeps = 0;
    busyShown = 0;
}

MsgAnswer ScriptedPlatform::messageBox(const QString &text, const QString &title, MsgIcon icon,
                                       MsgButtons buttons) {
    MsgAnswer answer = m_answers.isEmpty() ? defaultAnswer(buttons) : m_answers.dequeue();
    messages.append({text, title, icon, buttons, answer});
    return answer;
}

void ScriptedPlatform::setBusyCursor(bool busy) {
    if (busy) {
        ++busyDepth;
        ++busyShown;
    } else if (busyDepth > 0) {
        --busyDepth;
    }
}

QString ScriptedPlatform::openFileDialog(const QString &title, const QList<FileFilter> &filters,
                                         int selectedFilter, const QString &initialFolder) {
    dialogs.append({QStringLiteral("open"), title, filters, selectedFilter, initialFolder});
    return m_openFiles.isEmpty() ? QString() : m_openFiles.dequeue();
}

QString ScriptedPlatform::saveFileDialog(const QString &title, const QList<FileFilter> &filters,
                                         const QString &suggestedPath) {
    dialogs.append({QStringLiteral("save"), title, filters, 0, suggestedPath});
    return m_saveFiles.isEmpty() ? QString() : m_saveFiles.dequeue();
}

QString ScriptedPlatform::folderDialog(const QString &title, const QString &initialFolder) {
    dialogs.append({QStringLiteral("folder"), title, {}, 0, initialFolder});
    return m_folders.isEmpty() ? QString() : m_folders.dequeue();
}

std::optional<QColor> ScriptedPlatform::colorDialog(const QColor &initial) {
    dialogs.append({QStringLiteral("color"), QString(), {}, 0, initial.name()});
    return m_colors.isEmpty() ? std::nullopt : m_colors.dequeue();
}

bool ScriptedPlatform::openUrl(const QString &url) {
    openedUrls.append(url);
    return m_openUrlResult;
}

bool ScriptedPlatform::startProgram(const QString &program, const QStringList &arguments) {
    startedPrograms.append(QStringList{program} + arguments);
    return m_startProgramResult;
}

int ScriptedPlatform::execDialog(QObject *dialog) {
    if (!dialog) return 0;
    modalWindows << dialog->objectName();
    if (!m_dialogHandlers.isEmpty()) return m_dialogHandlers.dequeue()(dialog);
    int result = 0;
    if (dialog->metaObject()->indexOfMethod("acceptDefault()") >= 0)
        QMetaObject::invokeMethod(dialog, "acceptDefault", Qt::DirectConnection,
                                  Q_RETURN_ARG(int, result));
    return result;
}
