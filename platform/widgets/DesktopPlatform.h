#pragma once

#include "platform/Platform.h"

// The platform of the running program: Qt's message boxes and dialogs, the desktop's
// open requests, the system clipboard.
class DesktopPlatform : public Platform {
public:
    // How long a started program is watched for an error before it counts as running.
    static constexpr int kWatchMs = 2500;

    MsgAnswer messageBox(const QString &text, const QString &title, MsgIcon icon,
                         MsgButtons buttons) override;
    void beep() override;
    void setBusyCursor(bool busy) override;
    QString openFileDialog(const QString &title, const QList<FileFilter> &filters,
                           int selectedFilter, const QString &initialFolder) override;
    QString saveFileDialog(const QString &title, const QList<FileFilter> &filters,
                           const QString &suggestedPath) override;
    QString folderDialog(const QString &title, const QString &initialFolder) override;
    std::optional<QColor> colorDialog(const QColor &initial) override;
    bool openUrl(const QString &url) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
    void setClipboardText(const QString &text) override;
    QString clipboardText() override;

    // "Description (patterns)" entries for a Qt file dialog.
    static QStringList qtFilters(const QList<FileFilter> &filters);
};
