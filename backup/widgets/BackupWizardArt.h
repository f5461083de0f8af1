#pragma once

#include <QPushButton>
#include <QSize>

// The picture buttons the wizard's pages are made of: the tooltip's words are also the
// button's spoken name; Enter presses the button as Space does.
namespace BackupWizardArt {

QPushButton *pictureButton(QWidget *parent, const char *name, const char *art, const char *tip);

}  // namespace BackupWizardArt
