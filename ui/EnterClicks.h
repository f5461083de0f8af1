#pragma once

#include <QObject>

class QAbstractButton;

// Enter and Return press the button that holds the focus, as Space does, also in
// windows that are not dialogs and on buttons that are not default buttons.
class EnterClicks : public QObject {
    Q_OBJECT
public:
    static void install(QAbstractButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
