#pragma once

#include <QStringList>

// envelope (--all | --search CRITERIO CHIAVE | --records N[,N...]) (--pdf FILE | --printer
// NOME): one envelope per selected contact, as one job.
namespace CmdEnvelopeSeries {

// Whether the envelope command's arguments ask for a series.
bool wanted(const QStringList &args);
int run(const QStringList &args);

}  // namespace CmdEnvelopeSeries
