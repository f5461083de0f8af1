#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "contactfiles/ContactImport.h"
#include "contactfiles/ImportPreviewModel.h"
#include "ui/SmallDialog.h"

class ArchiveStore;

// "Importa contatti": the preview of a contacts file, a table of its contacts each marked
// "nuovo", "già presente" or "da controllare", the choice of new contacts only (proposed)
// or all, and the import itself with its progress and closing count.
class frmImporta : public SmallDialog {
    Q_OBJECT
public:
    // Asks for the file, reads it into the preview and shows the window; a file that
    // cannot be imported gets its message instead. True when contacts were imported.
    static bool run(QWidget *parent, ArchiveStore &store);

    frmImporta(ArchiveStore &store, const QString &path, QWidget *parent = nullptr);

    // Reads the file into the table; false (with the message shown) when it cannot be.
    bool loadPreview();

    QLabel *lblFile;
    QLabel *lblRiepilogo;
    QTableView *grdContatti;
    QRadioButton *optNuovi;
    QRadioButton *optTutti;
    QProgressBar *prgLettura;
    QPushButton *cmdImporta;
    QPushButton *cmdAnnulla;

    ImportPreviewModel *model() const { return m_model; }
    int imported() const { return m_imported; }

    static constexpr const char *kTitle = "Importa contatti";

private slots:
    void cmdImporta_Click();

private:
    void showProgress(double fraction);

    ArchiveStore &m_store;
    QString m_path;
    ContactImport m_import;
    ImportPreviewModel *m_model;
    int m_imported = 0;
    qint64 m_lastRepaint = 0;
};
