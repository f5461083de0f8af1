#include "labels/SelectionScan.h"

#include "labels/LabelMessages.h"
#include "labels/RecipientLines.h"

SelectionScan SelectionScan::run(ArchiveStore &store, const ContactSelection &selection) {
    SelectionScan scan;
    scan.readOk = selection.forEach(store, [&scan](int n, const ContactRecord &r) {
        if (RecipientLines::hasAddress(r))
            ++scan.printable;
        else
            scan.leftOut.append({n, ContactRecord::trimBlanks(r.value(ContactRecord::Titolo))});
        return true;
    });
    return scan;
}

QString SelectionScan::leftOutLine(const LeftOut &who) {
    if (who.name.isEmpty())
        return QString::fromUtf8(LabelMessages::kLeftOutNameless).arg(who.number);
    return QString::fromUtf8(LabelMessages::kLeftOutNamed)
        .arg(QString::number(who.number), who.name);
}

QString SelectionScan::leftOutSummary(int listed) const {
    if (leftOut.isEmpty()) return QString();
    QString text = leftOut.size() == 1
                       ? QStringLiteral("1 contatto senza indirizzo sarà escluso dalla stampa:")
                       : QStringLiteral("%1 contatti senza indirizzo saranno esclusi dalla stampa:")
                             .arg(leftOut.size());
    for (qsizetype i = 0; i < leftOut.size() && i < listed; ++i) {
        const LeftOut &who = leftOut.at(i);
        text += QStringLiteral("\n- n. %1").arg(who.number);
        if (!who.name.isEmpty()) text += QStringLiteral(" ") + who.name;
    }
    if (leftOut.size() > listed)
        text += QStringLiteral("\n… e altri %1.").arg(leftOut.size() - listed);
    return text;
}
