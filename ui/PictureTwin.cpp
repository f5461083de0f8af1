#include "ui/PictureTwin.h"

#include <QAccessibleWidget>

namespace {

constexpr const char *kTwin = "pictureTwin";

class PictureButtonAccessible : public QAccessibleWidget {
public:
    explicit PictureButtonAccessible(QLabel *picture)
        : QAccessibleWidget(picture, QAccessible::Button) {}
    QStringList actionNames() const override { return {QAccessibleActionInterface::pressAction()}; }
    void doAction(const QString &action) override {
        if (action != QAccessibleActionInterface::pressAction()) return;
        if (QAbstractButton *button = PictureTwin::twinOf(object()))
            if (button->isEnabled()) button->click();
    }
};

QAccessibleInterface *pictureInterface(const QString &, QObject *object) {
    auto *picture = qobject_cast<QLabel *>(object);
    if (!picture || !PictureTwin::twinOf(picture)) return nullptr;
    return new PictureButtonAccessible(picture);
}

}  // namespace

void PictureTwin::pressLike(QLabel *picture, QAbstractButton *button) {
    static const bool installed = [] {
        QAccessible::installFactory(pictureInterface);
        return true;
    }();
    (void)installed;
    picture->setProperty(kTwin, QVariant::fromValue(static_cast<QObject *>(button)));
}

QAbstractButton *PictureTwin::twinOf(const QObject *picture) {
    const QVariant twin = picture ? picture->property(kTwin) : QVariant();
    if (!twin.isValid()) return nullptr;
    return qobject_cast<QAbstractButton *>(twin.value<QObject *>());
}
