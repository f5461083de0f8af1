#pragma once

#include <QDate>

#include "backup/frmBackupPage.h"

// Backup page of the wizard: choose the destination folder, then copy the archive there
// as the backup file of the day.
class frmBakClienti01 : public frmBackupPage {
    Q_OBJECT
public:
    explicit frmBakClienti01(QWidget *parent = nullptr);

    // The day that names the backup file (today unless a test says otherwise).
    void setToday(const QDate &date) { m_today = date; }

private slots:
    void cmdSelect_Click();
    void cmdEffettua_Click();

private:
    void Form_Load();

    QDate m_today;
};
