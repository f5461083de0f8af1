#include "ui/Hub.h"

#include <QApplication>

Hub &Hub::instance() {
    static Hub hub;
    return hub;
}

void Hub::registerMain(Main kind, std::function<QWidget *()> factory) {
    m_factories.insert(int(kind), std::move(factory));
}

QString Hub::actionName(Action action) {
    switch (action) {
        case Action::Search:
            return QStringLiteral("search");
        case Action::ExportXlsx:
            return QStringLiteral("export-xlsx");
        case Action::ExportDoc:
            return QStringLiteral("export-doc");
        case Action::Backup:
            return QStringLiteral("backup");
        case Action::Help:
            return QStringLiteral("help");
        case Action::Info:
            return QStringLiteral("info");
        case Action::About:
            return QStringLiteral("about");
        case Action::ImportContacts:
            return QStringLiteral("import-contacts");
        case Action::ExportContacts:
            return QStringLiteral("export-contacts");
        case Action::ContactList:
            return QStringLiteral("contact-list");
        case Action::SharedAddressBook:
            return QStringLiteral("shared-address-book");
        case Action::Sync:
            return QStringLiteral("sync");
    }
    return QString();
}

void Hub::registerAction(Action action, Handler handler) {
    m_actions.insert(int(action), std::move(handler));
}

bool Hub::runAction(Action action, QWidget *caller, const QString &argument) {
    auto it = m_actions.find(int(action));
    if (it == m_actions.end()) return false;
    // Copy: the handler may register or reset while it runs.
    Handler handler = it.value();
    handler(caller, argument);
    return true;
}

QWidget *Hub::open(Main kind) {
    auto it = m_factories.find(int(kind));
    if (it == m_factories.end()) return nullptr;
    QPointer<QWidget> previous = m_current;
    QWidget *w = it.value()();
    w->setAttribute(Qt::WA_DeleteOnClose);
    m_current = w;
    m_currentKind = kind;
    w->show();
    if (previous && previous != w) {
        m_switching = true;
        previous->close();
        m_switching = false;
    }
    return w;
}

QWidget *Hub::start() {
    m_exiting = false;
    if (hasMain(Main::Cards)) return open(Main::Cards);
    return open(Main::Menu);
}

void Hub::mainWindowClosed(QWidget *window) {
    if (m_switching || m_exiting) return;
    if (window != m_current) return;
    if (m_currentKind == Main::Menu) {
        m_current = nullptr;
        return;
    }
    m_current = nullptr;
    open(Main::Menu);
}

void Hub::exitProgram() {
    m_exiting = true;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows)
        if (w->isVisible()) w->close();
    m_current = nullptr;
    QCoreApplication::exit(0);
}

void Hub::reset() {
    m_factories.clear();
    m_actions.clear();
    if (m_current) {
        m_exiting = true;
        m_current->close();
    }
    m_current = nullptr;
    m_exiting = false;
    m_switching = false;
    m_currentKind = Main::Menu;
}
