#include "support/PdfReadBack.h"

#include <QProcess>
#include <QStringList>

int PdfReadBack::pageCount(const QString &pdf) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    if (!p.waitForFinished(20000)) return -1;
    for (const QString &line : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n'))
        if (line.startsWith(QLatin1String("Pages:"))) return line.mid(6).trimmed().toInt();
    return -1;
}

QString PdfReadBack::wordBoxes(const QString &pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}
