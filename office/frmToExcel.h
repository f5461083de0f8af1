#pragma once

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "ui/SmallDialog.h"

// The spreadsheet export: writes the whole archive as a workbook and opens it in the
// user's spreadsheet program as a new document. Opened modally from the archive window;
// it unloads itself when the export is done.
class frmToExcel : public SmallDialog {
    Q_OBJECT
public:
    explicit frmToExcel(QWidget *parent = nullptr);

    QLabel *lblInfo01;
    QLabel *lblInfo02;
    QPushButton *cmdEsporta;
    QLabel *lblAttendere;
    QLabel *lblExport01;
    QLineEdit *txtEsportati;
    QLabel *lblTotale;
    QProgressBar *prgEsportati;
    QLabel *imgExcel;
    QLabel *imgFoglio;
    QLabel *imgHourglass;

    // The workbook of the last export (empty before one, or when it could not be written).
    QString exportedFile() const { return m_file; }

    static constexpr const char *kFileName = "Archivio dati personali.xlsx";

private slots:
    void cmdEsporta_Click();

private:
    void showProgress(int n, bool force);

    QString m_file;
    QElapsedTimer m_sinceRepaint;
};
