#pragma once

#include <QList>
#include <QString>

#include "platform/Message.h"
#include "platform/Platform.h"

// The file dialog of every logo (archive, cards, envelope sender): every picture type
// together first, then one type at a time; it opens in the folder of the last logo chosen.
// A file that is not a picture gets notAPicture().
namespace LogoChooser {

QList<FileFilter> filters();
// Asks for a logo file; empty when the user cancels. Remembers the file's folder.
QString choose(const QString &title);
QString lastFolder();
// Forgets the last folder (for tests).
void forget();
// "Il file scelto non è un'immagine valida."
Message notAPicture();

}  // namespace LogoChooser
