#include "cli/FieldAssignments.h"

bool FieldAssignments::parse(const QStringList &args,
                             QList<std::pair<ContactRecord::Field, QString>> &out, QString &bad) {
    for (const QString &a : args) {
        const qsizetype eq = a.indexOf(u'=');
        if (eq <= 0) {
            bad = a;
            return false;
        }
        const ContactRecord::Field f = ContactRecord::fieldFromName(a.left(eq));
        if (f == ContactRecord::FieldCount) {
            bad = a;
            return false;
        }
        out.append({f, a.mid(eq + 1)});
    }
    return true;
}

int FieldAssignments::recordNumber(const QString &arg) {
    bool ok = false;
    const int n = arg.toInt(&ok);
    return ok && n >= 1 ? n : 0;
}
