#include "vat/DigitKeys.h"

#include <QKeyEvent>

DigitKeys::Verdict DigitKeys::classify(const QKeyEvent *event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return Verdict::Enter;
    if (key == Qt::Key_Backspace) return Verdict::Backspace;
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    // Ctrl with a character key sends a control character (Ctrl+V is 22): refused.
    if (mods & (Qt::ControlModifier | Qt::MetaModifier)) {
        if (key == Qt::Key_Control || key == Qt::Key_Meta || key == Qt::Key_Shift ||
            key == Qt::Key_Alt)
            return Verdict::NotCharacter;
        // Shortcuts that move or select type no character.
        if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home ||
            key == Qt::Key_End || key == Qt::Key_Up || key == Qt::Key_Down)
            return Verdict::NotCharacter;
        // Nor do the editing shortcuts: select all, copy, cut, undo and redo work as in
        // any box. Pasting stays refused, as it could bring in anything.
        if (key == Qt::Key_A || key == Qt::Key_C || key == Qt::Key_X || key == Qt::Key_Z ||
            key == Qt::Key_Y || key == Qt::Key_Insert || event->matches(QKeySequence::Undo) ||
            event->matches(QKeySequence::Redo))
            return Verdict::NotCharacter;
        return Verdict::Refused;
    }
    if (event->matches(QKeySequence::Paste)) return Verdict::Refused;  // Shift+Insert
    const QString text = event->text();
    if (text.isEmpty()) return Verdict::NotCharacter;
    const QChar c = text.at(0);
    if (c == u'\b') return Verdict::Backspace;
    if (c == u'\r' || c == u'\n') return Verdict::Enter;
    if (c >= u'0' && c <= u'9' && text.size() == 1) return Verdict::Digit;
    // Tab and Delete produce text on some platforms but are not typed characters.
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete ||
        key == Qt::Key_Escape)
        return Verdict::NotCharacter;
    return Verdict::Refused;
}
