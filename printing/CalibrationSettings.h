#pragma once

#include <QString>

#include "printing/PrinterCalibration.h"

class SettingsFile;

// The calibration of each print queue, kept in Cartaflex.ini under
// [Calibrazione Stampanti] as "QUEUE=DX DY SX SY" (millimetres and per cent, tenths with
// a dot). A queue without a key, or with a value that is not four sound numbers, has no
// calibration.
namespace CalibrationSettings {

inline constexpr const char *kSection = "Calibrazione Stampanti";

PrinterCalibration read(const SettingsFile &settings, const QString &queue);
// The identity calibration removes the key's value. False when the file cannot be written.
bool write(SettingsFile &settings, const QString &queue, const PrinterCalibration &c);

}  // namespace CalibrationSettings
