#pragma once

#include "platform/Platform.h"

// The platform of the terminal front end: message texts go to standard error, questions
// are answered Yes (or OK), dialogs are cancelled and nothing is opened.
class ConsolePlatform : public Platform {
public:
    MsgAnswer messageBox(const QString &text, const QString &title, MsgIcon icon,
                         MsgButtons buttons) override;
    void beep() override {}
    void setBusyCursor(bool) override {}
    QString openFileDialog(const QString &, const QList<FileFilter> &, int,
                           const QString &) override {
        return QString();
    }
    QString saveFileDialog(const QString &, const QList<FileFilter> &, const QString &) override {
        return QString();
    }
    QString folderDialog(const QString &, const QString &) override { return QString(); }
    std::optional<QColor> colorDialog(const QColor &) override { return std::nullopt; }
    bool openUrl(const QString &) override { return false; }
    bool startProgram(const QString &, const QStringList &) override { return false; }
    void setClipboardText(const QString &text) override { m_clipboard = text; }
    QString clipboardText() override { return m_clipboard; }

    // When false, informational messages are not printed (a command prints its result).
    void setQuietInformation(bool quiet) { m_quietInfo = quiet; }

private:
    QString m_clipboard;
    bool m_quietInfo = true;
};
