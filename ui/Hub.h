#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

// The program's hub: it owns the open main window (exactly one of the menu, the archive
// window, the card composer and the envelope composer at a time) and knows the actions
// other windows offer (help topics, the search, the information windows...).
//
// Main windows are registered by kind with a factory; an action by name with a handler
// that receives the window asking and a text argument (the help topic, the origin tag).
// A button whose action is not registered is disabled.
class Hub {
public:
    enum class Main { Menu, Archive, Cards, Envelopes };

    static Hub &instance();

    void registerMain(Main kind, std::function<QWidget *()> factory);
    bool hasMain(Main kind) const { return m_factories.contains(int(kind)); }

    using Action = std::function<void(QWidget *caller, const QString &argument)>;
    void registerAction(const QString &name, Action action);
    bool hasAction(const QString &name) const { return m_actions.contains(name); }
    // Runs the action; false when none of that name exists.
    bool runAction(const QString &name, QWidget *caller, const QString &argument = QString());

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
    QHash<QString, Action> m_actions;
    QPointer<QWidget> m_current;
    Main m_currentKind = Main::Menu;
    bool m_exiting = false;
    bool m_switching = false;
};
