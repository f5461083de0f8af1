#pragma once

// Folder platform/: what talks to the system: message boxes and file dialogs, the shell
// and the clipboard, the program folder, translations, the cursor, picture files, the
// program's messages, and the seam to the print system (PrintSystem).

#include <QColor>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

// Icons, buttons and answers of a message box.
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
// YesNoDefaultNo: Yes and No, with No as the button that Enter presses.
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, YesNoDefaultNo };
enum class MsgAnswer { Ok, Cancel, Yes, No, Retry };

// One pair of a file dialog's filter list: what the user reads, and the patterns
// separated by ";" ("Bitmap (*.bmp)", "*.bmp").
struct FileFilter {
    QString description;
    QString patterns;
};

// Everything the program asks of the desktop: message boxes, the beep, the hourglass,
// the common dialogs, the shell, the clipboard and starting other programs. The program
// installs the desktop implementation; tests install ScriptedPlatform; the terminal
// front end installs its own. Windows and logic call only this, never the widgets.
class Platform {
public:
    virtual ~Platform();

    // The installed implementation; asking before one is installed ends the program
    // with a message. `install` takes ownership and drops the previous one.
    static Platform &instance();
    static void install(Platform *platform);

    virtual MsgAnswer messageBox(const QString &text, const QString &title, MsgIcon icon,
                                 MsgButtons buttons) = 0;
    virtual void beep() = 0;
    // The hourglass pointer on (true) or back to the default pointer (false).
    virtual void setBusyCursor(bool busy) = 0;

    // File-open dialog: `selectedFilter` is the index of the filter shown first.
    // Returns the chosen path, empty when the user cancels.
    virtual QString openFileDialog(const QString &title, const QList<FileFilter> &filters,
                                   int selectedFilter, const QString &initialFolder) = 0;
    virtual QString saveFileDialog(const QString &title, const QList<FileFilter> &filters,
                                   const QString &suggestedPath) = 0;
    virtual QString folderDialog(const QString &title, const QString &initialFolder) = 0;
    // Colour dialog; nullopt when cancelled.
    virtual std::optional<QColor> colorDialog(const QColor &initial) = 0;

    // The shell's open request: a web address, a "mailto:" request or a local file. False
    // when it cannot be made, or (for a local file) no program opens the file.
    virtual bool openUrl(const QString &url) = 0;
    // Starts another program and watches it for a moment, not waiting for it to end: false
    // when it cannot be started or ends at once with an error.
    virtual bool startProgram(const QString &program, const QStringList &arguments) = 0;

    // Shows a modal window of the program (a QDialog) and returns its result. Tests answer
    // through the scripted platform instead of waiting for a user.
    virtual int execDialog(QObject *dialog);

    virtual void setClipboardText(const QString &text) = 0;
    virtual QString clipboardText() = 0;
};
