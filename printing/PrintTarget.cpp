#include "printing/PrintTarget.h"

#include <memory>

#include "archive/SettingsFile.h"
#include "platform/PrintSystem.h"
#include "printing/CalibratedPageDevice.h"
#include "printing/CalibrationSettings.h"
#include "printing/PrinterPage.h"

QString PrintToTarget::failureText() {
    return QStringLiteral(
        "Accertarsi che la stampante sia collegata al computer e che sia configurata "
        "correttamente.");
}

QString PrintToTarget::failureTitle() {
    return QStringLiteral("Impossibile eseguire la stampa");
}

Message PrintToTarget::failure(const QString &why) {
    Message m;
    m.text = failureText();
    if (!why.isEmpty() && why != failureText()) m.text += QStringLiteral("\r\n\r\n(") + why + u')';
    m.title = failureTitle();
    m.icon = MsgIcon::Critical;
    m.beep = true;
    return m;
}

bool PrintToTarget::run(const PrintTarget &target, const Job &job) {
    m_error.clear();
    PrinterPage &page = PrinterPage::printer();
    page.clearError();
    if (target.isPdf()) {
        page.setDevice(PrintSystem::instance().pdfDevice(target.pdfPath));
    } else {
        if (target.queue.isEmpty() || !page.selectPrinter(target.queue)) {
            m_error =
                target.queue.isEmpty()
                    ? QStringLiteral("Nessuna stampante installata")
                    : QStringLiteral("La stampante \"%1\" non è installata").arg(target.queue);
            return false;
        }
        const PrinterCalibration c = CalibrationSettings::read(SettingsFile(), target.queue);
        if (!c.isIdentity())
            page.setDevice(
                std::make_shared<CalibratedPageDevice>(page.makeQueueDevice(target.queue), c));
    }
    bool ok = job(page);
    if (ok && !page.ok()) ok = false;
    QString why = page.errorString();
    const bool finished = page.finishJob();
    if (!finished && why.isEmpty()) why = page.errorString();
    ok = ok && finished;
    page.clearError();
    page.useCurrentPrinter();
    if (!ok) m_error = why.isEmpty() ? failureText() : why;
    return ok;
}
