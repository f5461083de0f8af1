// vat NUMBER: the VAT check window's check on a number as typed.
#include "cli/CliIo.h"
#include "cli/CliRegistry.h"
#include "vat/VatCheck.h"
#include "vat/VatMessages.h"

namespace {

constexpr qsizetype kBoxLength = 11;

int vat(const QStringList &args) {
    if (args.size() != 1) return CliIo::usage(QStringLiteral("vat vuole il numero di partita IVA"));
    // The window's box holds 11 characters: a longer number cannot be typed there.
    if (args.first().size() > kBoxLength) {
        CliIo::out(QString::fromUtf8(VatMessages::kShortText));
        return 1;
    }
    const VatCheck::Outcome outcome = VatCheck::run(args.first());
    CliIo::out(outcome.text);
    return outcome.kind == VatCheck::Kind::Right ? 0 : 1;
}

const CliRegistry::Entry kVat("vat", "vat NUMERO", vat);

}  // namespace
