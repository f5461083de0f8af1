// mailto N: the request the archive window's e-mail button builds for record N.
#include "archive/ArchiveStore.h"
#include "archive/MailMessages.h"
#include "archive/MailtoBuilder.h"
#include "cli/CliIo.h"
#include "cli/CliRecord.h"
#include "cli/CliRegistry.h"
#include "cli/FieldAssignments.h"

namespace {

int mailto(const QStringList &args) {
    if (args.size() != 1)
        return CliIo::usage(QStringLiteral("mailto vuole il numero della scheda"));
    const int n = FieldAssignments::recordNumber(args.first());
    if (n == 0) return CliIo::usage(QStringLiteral("numero di scheda non valido: ") + args.first());
    ArchiveStore store;
    ContactRecord r;
    if (const int status = CliRecord::read(store, n, r)) return status;
    if (ContactRecord::trimBlanks(r.value(ContactRecord::Email)).isEmpty())
        return CliIo::fail(QString::fromUtf8(MailMessages::kMissingAddressText));
    CliIo::out(MailtoBuilder::forContact(r.titolo(), r.value(ContactRecord::Email)));
    return 0;
}

const CliRegistry::Entry kMailto("mailto", "mailto N", mailto);

}  // namespace
