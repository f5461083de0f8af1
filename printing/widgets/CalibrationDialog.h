#pragma once

#include <QDialog>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <functional>

#include "printing/PrinterCalibration.h"

class PrinterPage;

// "Calibra stampante…": the offset and scale of one print queue, kept in Cartaflex.ini.
// "Stampa pagina di prova" prints the test page on that queue with the values shown.
class CalibrationDialog : public QDialog {
    Q_OBJECT
public:
    CalibrationDialog(const QString &queue, std::function<bool(PrinterPage &)> testPage,
                      QWidget *parent = nullptr);

    PrinterCalibration shown() const;
    // Saves the values shown; false (and the message shown) when the file cannot be written.
    bool save();
    // Saves, then prints the test page on the queue.
    void printTestPage();

    QDoubleSpinBox *spnDx, *spnDy, *spnSx, *spnSy;
    QPushButton *cmdProva, *cmdSalva, *cmdAnnulla;

private:
    QString m_queue;
    std::function<bool(PrinterPage &)> m_testPage;
};
