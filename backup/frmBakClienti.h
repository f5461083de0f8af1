#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "ui/SmallDialog.h"

// First page of the backup and restore wizard: the choice between a backup of the
// archive and the restore of a backup file.
class frmBakClienti : public SmallDialog {
    Q_OBJECT
public:
    enum class Choice { None, Backup, Restore };

    explicit frmBakClienti(QWidget *parent = nullptr);

    QLabel *lblInfo01;
    QLabel *lblInfo02;
    QGroupBox *fraOpzioni;
    QRadioButton *optBakDDT;
    QRadioButton *optRipDDT;
    QPushButton *cmdAvanti;
    QPushButton *cmdEsci;
    QPushButton *imgGuida;
    QLabel *imgDex;

    // The page to show next: None when the wizard ends.
    Choice next() const { return m_next; }

private slots:
    void optBakDDT_Click();
    void optRipDDT_Click();
    void cmdAvanti_Click();
    void cmdEsci_Click();
    void imgGuida_Click();

private:
    void choose(QRadioButton *chosen, QRadioButton *other);

    Choice m_next = Choice::None;
};
