#pragma once

// Folder ui/: the window kit every window shares: the hub, the frames of the main
// windows and of the small dialogs, picture keys, the browse bar, window keys, the focus
// frame and tint.

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

// The program's hub: it owns the open main window (exactly one of the menu, the archive
// window, the card composer and the envelope composer at a time) and knows the actions
// other windows offer (help topics, the search, the information windows...).
//
// Main windows are registered by kind with a factory; an action by its kind with a
// handler that receives the window asking and a text argument (the help topic, the
// origin tag). A button whose action is not registered is disabled.
class Hub {
public:
    enum class Main { Menu, Archive, Cards, Envelopes };

    static Hub &instance();

    void registerMain(Main kind, std::function<QWidget *()> factory);
    bool hasMain(Main kind) const { return m_factories.contains(int(kind)); }

    // What the windows ask of one another: the contact search (argument: the origin
    // tag), the spreadsheet and word-processor exports, the backup wizard, a help topic
    // (argument: the topic), the information and the about windows, the contacts import
    // and the contacts export (argument: "csv" or "vcard").
    enum class Action {
        Search,
        ExportXlsx,
        ExportDoc,
        Backup,
        Help,
        Info,
        About,
        ImportContacts,
        ExportContacts
    };
    // The action's short name ("search", "export-xlsx"...), for logs and tests.
    static QString actionName(Action action);

    using Handler = std::function<void(QWidget *caller, const QString &argument)>;
    void registerAction(Action action, Handler handler);
    bool hasAction(Action action) const { return m_actions.contains(int(action)); }
    // Runs the action; false when it is not registered.
    bool runAction(Action action, QWidget *caller, const QString &argument = QString());

    // Shows the main window of that kind non-modal and unloads the one that was open.
    QWidget *open(Main kind);
    // The window shown at start: the card composer when it exists, else the menu.
    QWidget *start();
    // Called by a main window when it unloads: every window but the menu brings back a
    // new menu; the program ends when the menu goes.
    void mainWindowClosed(QWidget *window);
    // Ends the program at once: every window is closed.
    void exitProgram();

    QWidget *current() const { return m_current; }
    Main currentKind() const { return m_currentKind; }
    template <typename T>
    T *currentAs() const {
        return qobject_cast<T *>(m_current.data());
    }
    bool exiting() const { return m_exiting; }

    // Forgets every window and registration (for tests).
    void reset();

private:
    Hub() = default;
    QHash<int, std::function<QWidget *()>> m_factories;
    QHash<int, Handler> m_actions;
    QPointer<QWidget> m_current;
    Main m_currentKind = Main::Menu;
    bool m_exiting = false;
    bool m_switching = false;
};
