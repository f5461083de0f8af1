#include "ui/SmallDialog.h"

SmallDialog::SmallDialog(const QString &name, const QString &caption, QSize size,
                         Background background, QWidget *parent)
    : QDialog(parent) {
    setObjectName(name);
    setWindowTitle(caption);
    setModal(true);
    if (size.isValid()) setFixedSize(size);
    switch (background) {
        case Background::None:
            break;
        case Background::Plain:
            setStyleSheet(QStringLiteral("QDialog#%1 { background: #f3f6fa; }").arg(name));
            break;
        case Background::Gradient:
            setStyleSheet(
                QStringLiteral("QDialog#%1 { background: qlineargradient(x1:0, y1:0, x2:0, "
                               "y2:1, stop:0 #fbfcfe, stop:1 #dfe6ee); }")
                    .arg(name));
            break;
    }
}
