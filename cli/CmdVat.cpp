// vat NUMBER: the VAT check window's check on a number as typed.
#include "cli/CliIo.h"
#include "cli/CliRegistry.h"
#include "vat/VatCheck.h"

namespace {

int vat(const QStringList &args) {
    if (args.size() != 1) return CliIo::usage(QStringLiteral("vat vuole il numero di partita IVA"));
    const VatCheck::Outcome outcome = VatCheck::run(args.first());
    CliIo::out(outcome.text);
    return outcome.kind == VatCheck::Kind::Right ? 0 : 1;
}

const CliRegistry::Entry kVat("vat", "vat NUMERO", vat);

}  // namespace
