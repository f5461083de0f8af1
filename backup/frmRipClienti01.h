#pragma once

#include "backup/frmBackupPage.h"

// Restore page of the wizard: choose a backup file, then copy it over the archive.
class frmRipClienti01 : public frmBackupPage {
    Q_OBJECT
public:
    explicit frmRipClienti01(QWidget *parent = nullptr);

signals:
    // The archive has been replaced: the archive window must show no record.
    void archiveReplaced();

private slots:
    void cmdSelect_Click();
    void cmdEffettua_Click();

private:
    void Form_Load();
};
