#include "search/SearchListPrint.h"

#include "archive/ContactRecord.h"
#include "platform/HourglassCursor.h"
#include "printing/PrinterPage.h"

QString SearchListPrint::errorText() {
    return QString::fromUtf8("Si è verificato un errore durante l'operazione di stampa.") +
           QStringLiteral("\r\n\r\n") +
           QStringLiteral("Accertarsi che la stampante sia configurata correttamente.");
}

QString SearchListPrint::stampLine(const QDateTime &when) {
    return QStringLiteral("Stampa eseguita in data ") +
           when.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" alle ore ") +
           when.toString(QStringLiteral("HH:mm:ss")) + u'.';
}

bool SearchListPrint::print(const QStringList &lines, const QString &countCaption,
                            const QDateTime &when) {
    PrinterPage &p = PrinterPage::printer();
    p.clearError();
    p.setPaper(Paper::a4());
    p.setOrientation(PrinterPage::Landscape);
    PageFont font;
    font.name = QStringLiteral("Courier New");
    font.size = 12;
    p.setFont(font);
    p.setScaleMode(PrinterPage::Twips);
    p.setScaleLeft(-600);
    p.setCurrentX(0);
    p.setCurrentY(0);

    // Each line only while the printer is sound: a failure ends the job.
    auto put = [&p](const QString &text) {
        if (p.ok()) p.print(text);
    };
    const QString rule = QString::fromLatin1(kRule);
    const QString blanks = QStringLiteral("   ");
    put(QStringLiteral(" "));
    put(QString::fromLatin1(kTitle));
    p.font().size = 8;
    put(rule);
    put(blanks);
    for (const QString &line : lines) put(line);
    put(rule);
    put(blanks);
    put(ContactRecord::trimBlanks(countCaption));
    put(rule);
    put(stampLine(when));
    const bool printed = p.ok();
    return p.endDoc() && printed;
}

Message SearchListPrint::refusal(const QStringList &lines) {
    if (!lines.isEmpty()) return Message();
    return Message{QString::fromUtf8(kEmptyText), QString::fromUtf8(kEmptyTitle),
                   MsgIcon::Exclamation, MsgButtons::Ok, false};
}

Message SearchListPrint::question() {
    return Message{QString::fromUtf8(kConfirmText), QString::fromUtf8(kConfirmTitle), MsgIcon::None,
                   MsgButtons::OkCancel, false};
}

Message SearchListPrint::failure() {
    return Message{errorText(), QString::fromUtf8(kErrorTitle), MsgIcon::Critical, MsgButtons::Ok,
                   true};
}

Message SearchListPrint::run(const QStringList &lines, const QString &countCaption) {
    HourglassCursor hourglass;
    if (print(lines, countCaption, QDateTime::currentDateTime())) return Message();
    return failure();
}
