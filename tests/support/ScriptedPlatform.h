#pragma once

#include <QQueue>
#include <functional>

#include "platform/Platform.h"

// A platform for tests: answers are queued in advance and everything the program
// showed or asked is recorded. With nothing queued a question is answered No (or
// Cancel), a dialog is cancelled and an open request succeeds.
class ScriptedPlatform : public Platform {
public:
    struct Message {
        QString text;
        QString title;
        MsgIcon icon;
        MsgButtons buttons;
        MsgAnswer answer;
    };
    struct DialogRequest {
        QString kind;  // "open", "save", "folder", "color"
        QString title;
        QList<FileFilter> filters;
        int selectedFilter = 0;
        QString initialPath;
    };

    // Queued answers, taken in order.
    void queueAnswer(MsgAnswer answer) { m_answers.enqueue(answer); }
    void queueOpenFile(const QString &path) { m_openFiles.enqueue(path); }
    void queueSaveFile(const QString &path) { m_saveFiles.enqueue(path); }
    void queueFolder(const QString &path) { m_folders.enqueue(path); }
    void queueColor(std::optional<QColor> color) { m_colors.enqueue(color); }
    void setOpenUrlResult(bool ok) { m_openUrlResult = ok; }
    void setStartProgramResult(bool ok) { m_startProgramResult = ok; }

    // What was shown.
    QList<Message> messages;
    QList<DialogRequest> dialogs;
    QStringList openedUrls;
    QList<QStringList> startedPrograms;  // program first, then its arguments
    int beeps = 0;
    int busyDepth = 0;  // hourglass levels still on
    int busyShown = 0;  // how many times the hourglass was put on
    QString clipboard;

    const Message *lastMessage() const { return messages.isEmpty() ? nullptr : &messages.last(); }
    void clear();

    MsgAnswer messageBox(const QString &text, const QString &title, MsgIcon icon,
                         MsgButtons buttons) override;
    void beep() override { ++beeps; }
    void setBusyCursor(bool busy) override;
    QString openFileDialog(const QString &title, const QList<FileFilter> &filters,
                           int selectedFilter, const QString &initialFolder) override;
    QString saveFileDialog(const QString &title, const QList<FileFilter> &filters,
                           const QString &suggestedPath) override;
    QString folderDialog(const QString &title, const QString &initialFolder) override;
    std::optional<QColor> colorDialog(const QColor &initial) override;
    bool openUrl(const QString &url) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
    // A modal window: the queued handler answers it; with none queued, its slot
    // "acceptDefault()" runs when it has one (what Enter does), else it is cancelled.
    int execDialog(QObject *dialog) override;
    void queueDialogHandler(std::function<int(QObject *)> handler) {
        m_dialogHandlers.enqueue(std::move(handler));
    }
    QStringList modalWindows;  // object names of the modal windows shown

    void setClipboardText(const QString &text) override { clipboard = text; }
    QString clipboardText() override { return clipboard; }

private:
    QQueue<MsgAnswer> m_answers;
    QQueue<std::function<int(QObject *)>> m_dialogHandlers;
    QQueue<QString> m_openFiles;
    QQueue<QString> m_saveFiles;
    QQueue<QString> m_folders;
    QQueue<std::optional<QColor>> m_colors;
    bool m_openUrlResult = true;
    bool m_startProgramResult = true;
};
