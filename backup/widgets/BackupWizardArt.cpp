#include "backup/widgets/BackupWizardArt.h"

#include "platform/Artwork.h"
#include "ui/EnterClicks.h"

namespace BackupWizardArt {

QPushButton *pictureButton(QWidget *parent, const char *name, const char *art, const char *tip) {
    auto *b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(QIcon(QPixmap::fromImage(Artwork::render(QString::fromLatin1(art), QSize(40, 40)))));
    b->setIconSize(QSize(40, 40));
    b->setFixedSize(52, 52);
    b->setToolTip(QString::fromUtf8(tip));
    b->setCursor(Qt::PointingHandCursor);
    // The picture says what the button does; a screen reader speaks the same words.
    b->setAccessibleName(QString::fromUtf8(tip).trimmed());
    EnterClicks::install(b);
    return b;
}

}  // namespace BackupWizardArt
