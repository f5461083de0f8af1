#include "support/HandOffContacts.h"

#include <QImage>

ContactRecord HandOffContacts::full(const QString &name, const QString &tag) {
    ContactRecord r;
    const char *const prefixes[] = {"",     "Ramo ", "Via ",  "Citta ", "",    "Tel ",
                                    "Fax ", "Cel ",  "mail@", "Info ",  "www."};
    for (int f = 1; f < 11; ++f)
        r.setValue(ContactRecord::Field(f), QString::fromLatin1(prefixes[f]) + tag);
    r.setValue(ContactRecord::Titolo, name);
    r.setValue(ContactRecord::Iva, QStringLiteral("0123456789") + tag.right(1));
    return r;
}

bool HandOffContacts::writePicture(const QString &path, const QColor &colour, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path);
}
