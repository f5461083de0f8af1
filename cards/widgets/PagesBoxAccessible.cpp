#include "cards/widgets/PagesBoxAccessible.h"

#include <algorithm>

#include "cards/CardPrintJob.h"

namespace {

QAccessibleInterface *pagesBoxInterface(const QString &, QObject *object) {
    auto *box = qobject_cast<QLineEdit *>(object);
    if (!box || box->objectName() != QLatin1String("txtCopie")) return nullptr;
    return new PagesBoxAccessible(box);
}

}  // namespace

PagesBoxAccessible::PagesBoxAccessible(QLineEdit *box)
    : QAccessibleWidget(box, QAccessible::SpinBox) {}

void PagesBoxAccessible::installFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(pagesBoxInterface);
        return true;
    }();
    (void)installed;
}

void *PagesBoxAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString PagesBoxAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) return box()->text();
    return QAccessibleWidget::text(t);
}

QVariant PagesBoxAccessible::currentValue() const {
    return CardPrintJob::pagesFromText(box()->text());
}

void PagesBoxAccessible::setCurrentValue(const QVariant &value) {
    box()->setText(QString::number(std::clamp(value.toInt(), 1, 999)));
}

QStringList PagesBoxAccessible::actionNames() const {
    return QAccessibleWidget::actionNames()
           << QAccessibleActionInterface::increaseAction()
           << QAccessibleActionInterface::decreaseAction();
}

void PagesBoxAccessible::doAction(const QString &action) {
    const int pages = CardPrintJob::pagesFromText(box()->text());
    if (action == QAccessibleActionInterface::increaseAction())
        setCurrentValue(pages + 1);
    else if (action == QAccessibleActionInterface::decreaseAction())
        setCurrentValue(pages - 1);
    else
        QAccessibleWidget::doAction(action);
}
