#include "printing/CalibrationSettings.h"

#include "archive/SettingsFile.h"

namespace CalibrationSettings {

PrinterCalibration read(const SettingsFile &settings, const QString &queue) {
    if (queue.isEmpty()) return PrinterCalibration{};
    const QString value = settings.read(QString::fromLatin1(kSection), queue);
    return PrinterCalibration::fromText(value).value_or(PrinterCalibration{});
}

bool write(SettingsFile &settings, const QString &queue, const PrinterCalibration &c) {
    return settings.write(QString::fromLatin1(kSection), queue,
                          c.isIdentity() ? QString() : c.text());
}

}  // namespace CalibrationSettings
