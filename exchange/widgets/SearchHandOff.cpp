#include "exchange/widgets/SearchHandOff.h"

#include "app/widgets/Hub.h"
#include "exchange/OriginTag.h"

namespace {

// The receiving window of type T: the caller itself, or the hub's open main window.
template <typename T>
T *receivingWindow(QWidget *receiver) {
    if (auto *w = qobject_cast<T *>(receiver)) return w;
    return Hub::instance().currentAs<T>();
}

}  // namespace

void SearchHandOff::deliver(const QString &tag, const ContactRecord &record, int number,
                            QWidget *receiver) {
    switch (originTagFromText(tag)) {
        case OriginTag::Archivio:
        case OriginTag::Biglietti:
        case OriginTag::BusteMitt:
        case OriginTag::BusteDest:
        case OriginTag::None:
            break;
    }
    Q_UNUSED(record);
    Q_UNUSED(number);
    Q_UNUSED(receiver);
}
