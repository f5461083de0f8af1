#pragma once

#include <QLabel>
#include <QPushButton>
#include <QSize>

// The pictures, picture buttons and texts the wizard's pages are made of.
namespace BackupWizardArt {

QLabel *picture(QWidget *parent, const char *name, const char *art, QSize size);
QPushButton *pictureButton(QWidget *parent, const char *name, const char *art, const char *tip);
QLabel *text(QWidget *parent, const char *name, const char *caption);

}  // namespace BackupWizardArt
