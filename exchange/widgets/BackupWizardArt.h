#pragma once

#include <QPushButton>
#include <QSize>

// The picture buttons the wizard's pages are made of.
namespace BackupWizardArt {

QPushButton *pictureButton(QWidget *parent, const char *name, const char *art, const char *tip);

}  // namespace BackupWizardArt
