#include "program/SearchHandOff.h"

#include "ui/Hub.h"
#include "archive/PositionLabel.h"
#include "archive/frmArchivio.h"
#include "cards/frmBiglietti.h"
#include "envelopes/frmLettera.h"
#include "archive/OriginTag.h"

namespace {

// The receiving window of type T: the caller itself, or the hub's open main window.
template <typename T>
T *receivingWindow(QWidget *receiver) {
    if (auto *w = qobject_cast<T *>(receiver)) return w;
    return Hub::instance().currentAs<T>();
}

QString field(const ContactRecord &r, ContactRecord::Field f) {
    return ContactRecord::trimBlanks(r.value(f));
}

// The whole contact into the archive window; it then shows record `number`.
void toArchive(frmArchivio *w, const ContactRecord &r, int number) {
    const auto pictures = w->logoBoxes();
    const auto paths = w->logoPathBoxes();
    for (QLabel *box : pictures) box->setPixmap(w->picNuovo->pixmap());
    paths[0]->setText(field(r, ContactRecord::Logo01));
    paths[1]->setText(field(r, ContactRecord::Logo02));
    paths[2]->setText(field(r, ContactRecord::Logo03));
    w->txtTitolo->setText(field(r, ContactRecord::Titolo));
    w->txtSottotitolo->setText(field(r, ContactRecord::Sottotitolo));
    w->txtIndirizzo->setText(field(r, ContactRecord::Indirizzo));
    w->txtCitta->setText(field(r, ContactRecord::Citta));
    w->txtIva->setText(field(r, ContactRecord::Iva));
    w->txtTel->setText(field(r, ContactRecord::Tel));
    w->txtFax->setText(field(r, ContactRecord::Fax));
    w->txtCel->setText(field(r, ContactRecord::Cel));
    w->txtEmail->setText(field(r, ContactRecord::Email));
    w->txtInformazioni->setText(field(r, ContactRecord::Informazioni));
    w->txtWeb->setText(field(r, ContactRecord::Web));
    // A missing file or one that is not a picture leaves the blank picture.
    for (int i = 0; i < 3; ++i) {
        const QString path = ContactRecord::trimBlanks(paths[i]->text());
        if (!path.isEmpty()) w->loadLogo(pictures[i], path);
    }
    w->lblPosizione->setText(PositionLabel::text(number));
}

// All four formats of the card composer: the blank logo first, so that a contact
// without a logo (or whose logo file fails) never keeps the previous contact's; then
// the contact's logos and texts with their prefixes; it then shows record `number`.
void toCards(frmBiglietti *w, const ContactRecord &r, int number) {
    const QImage blank = w->picNuovo->pixmap().toImage();
    for (int index : {0, 2, 3}) w->setLogoPicture(index, blank);
    w->FillCardsFromRecord(r);
    w->lblPosizione->setText(PositionLabel::text(number));
}

// The sender block of the envelope composer: logo path, logo and eight lines.
void toSender(frmLettera *w, const ContactRecord &r) {
    constexpr int e = frmLettera::kSender;
    frmLettera::setPicture(w->picLogo[e], frmLettera::pictureOf(w->picNuovo));
    w->lblPath->setText(field(r, ContactRecord::Logo01));
    w->txtTitolo[e]->setText(field(r, ContactRecord::Titolo));
    w->txtSottotitolo[e]->setText(field(r, ContactRecord::Sottotitolo));
    w->txtIndirizzo[e]->setText(field(r, ContactRecord::Indirizzo));
    w->txtCitta[e]->setText(field(r, ContactRecord::Citta));
    w->txtIva[e]->setText(field(r, ContactRecord::Iva));
    w->txtTel[e]->setText(field(r, ContactRecord::Tel));
    w->txtCel[e]->setText(field(r, ContactRecord::Cel));
    w->txtEmail[e]->setText(field(r, ContactRecord::Email));
    const QString path = ContactRecord::trimBlanks(w->lblPath->text());
    if (!path.isEmpty()) w->loadLogoFile(path);
}

// The recipient block of the envelope composer: the four address lines only.
void toRecipient(frmLettera *w, const ContactRecord &r) {
    constexpr int e = frmLettera::kRecipient;
    w->txtTitolo[e]->setText(field(r, ContactRecord::Titolo));
    w->txtSottotitolo[e]->setText(field(r, ContactRecord::Sottotitolo));
    w->txtIndirizzo[e]->setText(field(r, ContactRecord::Indirizzo));
    w->txtCitta[e]->setText(field(r, ContactRecord::Citta));
}

}  // namespace

void SearchHandOff::deliver(const QString &tag, const ContactRecord &record, int number,
                            QWidget *receiver) {
    switch (originTagFromText(tag)) {
        case OriginTag::Archivio:
            if (auto *w = receivingWindow<frmArchivio>(receiver)) toArchive(w, record, number);
            break;
        case OriginTag::BusteMitt:
            if (auto *w = receivingWindow<frmLettera>(receiver)) toSender(w, record);
            break;
        case OriginTag::BusteDest:
            if (auto *w = receivingWindow<frmLettera>(receiver)) toRecipient(w, record);
            break;
        case OriginTag::Biglietti:
            if (auto *w = receivingWindow<frmBiglietti>(receiver)) toCards(w, record, number);
            break;
        case OriginTag::None:
            break;
    }
}
