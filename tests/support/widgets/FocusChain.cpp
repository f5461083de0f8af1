#include "support/widgets/FocusChain.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>

namespace FocusChain {

QList<QWidget *> walk(QWidget *window) {
    if (!window->isVisible()) {
        window->show();
        if (!QTest::qWaitForWindowExposed(window)) return {};
    }
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) return {};
    QWidget *start = QApplication::focusWidget();
    if (!start || start->window() != window) {
        QTest::keyClick(window, Qt::Key_Tab);
        start = QApplication::focusWidget();
    }
    QList<QWidget *> chain;
    QWidget *w = start;
    for (int i = 0; w && i < 400; ++i) {
        if (chain.contains(w)) break;
        chain.append(w);
        QTest::keyClick(w, Qt::Key_Tab);
        w = QApplication::focusWidget();
    }
    return chain;
}

QList<QWidget *> actingControls(QWidget *window) {
    QList<QWidget *> out;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || !w->isEnabled() || w->window() != window) continue;
        if (w->property("pictureOnly").toBool()) continue;  // a picture that does nothing
        // A table's headers and corner button are parts of the table, reached through it.
        if (qobject_cast<QAbstractItemView *>(w->parentWidget())) continue;
        bool acting = qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w) ||
                      qobject_cast<QAbstractSpinBox *>(w) || qobject_cast<QAbstractItemView *>(w);
        if (auto *line = qobject_cast<QLineEdit *>(w))
            acting = !line->isReadOnly() && !qobject_cast<QAbstractSpinBox *>(w->parentWidget()) &&
                     !qobject_cast<QComboBox *>(w->parentWidget());
        if (auto *text = qobject_cast<QPlainTextEdit *>(w)) acting = !text->isReadOnly();
        if (auto *text = qobject_cast<QTextEdit *>(w)) acting = !text->isReadOnly();
        if (acting) out.append(w);
    }
    return out;
}

QString spokenName(QWidget *control) {
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(QAccessible::Name).trimmed() : QString();
}

QStringList altLetters(QWidget *window) {
    QStringList letters;
    for (QWidget *c : window->findChildren<QWidget *>()) {
        if (!c->isVisibleTo(window)) continue;
        QString text;
        if (auto *button = qobject_cast<QAbstractButton *>(c)) text = button->text();
        if (auto *label = qobject_cast<QLabel *>(c); label && label->buddy()) text = label->text();
        if (auto *group = qobject_cast<QGroupBox *>(c)) text = group->title();
        const QString letter = QKeySequence::mnemonic(text).toString();
        if (!letter.isEmpty()) letters << letter;
    }
    return letters;
}

namespace {

// A radio button of an exclusive group is reached with the arrow keys from the one Tab
// stops on (the checked one).
bool reachedByArrows(QWidget *w, const QList<QWidget *> &chain) {
    auto *radio = qobject_cast<QRadioButton *>(w);
    if (!radio || !radio->autoExclusive()) return false;
    for (QWidget *stop : chain)
        if (qobject_cast<QRadioButton *>(stop) && stop->parentWidget() == radio->parentWidget())
            return true;
    return false;
}

}  // namespace

QStringList unreachableOrNameless(QWidget *window) {
    const QList<QWidget *> chain = walk(window);
    QStringList out;
    for (QWidget *w : actingControls(window)) {
        const QString who = QStringLiteral("%1 (%2)").arg(
            w->objectName(), QLatin1String(w->metaObject()->className()));
        if (!chain.contains(w) && !reachedByArrows(w, chain))
            out << who + QStringLiteral(": not reached by Tab");
        if (spokenName(w).isEmpty()) out << who + QStringLiteral(": no name");
    }
    return out;
}

}  // namespace FocusChain
