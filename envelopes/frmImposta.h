#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "envelopes/MarginSettings.h"
#include "ui/SmallDialog.h"

class frmLettera;

// The envelope margins and orientation: for the sender and the recipient block a left
// and a top margin, each a sign, centimetres and millimetres with spin bars, and the
// paper orientation. "Applica e chiudi" stores them in Cartaflex.ini and shows them at
// once in the envelope composer; "Annulla" closes without storing anything.
class frmImposta : public SmallDialog {
    Q_OBJECT
public:
    // `composer` is the envelope composer whose labels applying updates (the open one
    // of the hub when none is given).
    explicit frmImposta(frmLettera *composer = nullptr, QWidget *parent = nullptr);

    QComboBox *cboSegnoSin;
    QLineEdit *txtCmSin;
    QScrollBar *vsCmSin;
    QLineEdit *txtMmSin;
    QScrollBar *vsMmSin;
    QLabel *lblValSin;
    QComboBox *cboSegnoSup;
    QLineEdit *txtCmSup;
    QScrollBar *vsCmSup;
    QLineEdit *txtMmSup;
    QScrollBar *vsMmSup;
    QLabel *lblValSup;
    QComboBox *cboSegnoSinD;
    QLineEdit *txtCmSinD;
    QScrollBar *vsCmSinD;
    QLineEdit *txtMmSinD;
    QScrollBar *vsMmSinD;
    QLabel *lblValSinD;
    QComboBox *cboSegnoSupD;
    QLineEdit *txtCmSupD;
    QScrollBar *vsCmSupD;
    QLineEdit *txtMmSupD;
    QScrollBar *vsMmSupD;
    QLabel *lblValSupD;
    QRadioButton *optVerticale;
    QRadioButton *optOrizzontale;
    QComboBox *cboFormato;  // "Formato busta"
    QPushButton *cmdApplica;
    QPushButton *cmdAnnulla;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void txtCmSin_Change();
    void txtMmSin_Change();
    void txtCmSup_Change();
    void txtMmSup_Change();
    void txtCmSinD_Change();
    void txtMmSinD_Change();
    void txtCmSupD_Change();
    void txtMmSupD_Change();
    void vsCmSin_Change();
    void vsMmSin_Change();
    void vsCmSup_Change();
    void vsMmSup_Change();
    void vsCmSinD_Change();
    void vsMmSinD_Change();
    void vsCmSupD_Change();
    void vsMmSupD_Change();
    void cboSegnoSup_LostFocus();
    void cboFormato_Click();
    void cmdApplica_Click();
    void cmdAnnulla_Click();

private:
    // The controls of one margin.
    struct Group {
        QComboBox **sign;
        QLineEdit **cm;
        QScrollBar **vsCm;
        QLineEdit **mm;
        QScrollBar **vsMm;
        QLabel **value;
    };
    void Form_Load();
    QWidget *buildBlock(const QString &title, Group left, Group top);
    QWidget *buildMarginRow(const QString &title, Group g);
    void loadBlock(const QString &section, Group left, Group top);
    BlockMargins blockMargins(Group left, Group top) const;
    static void boxChanged(QLineEdit *box, QScrollBar *bar);
    static void barChanged(QScrollBar *bar, QLineEdit *box);

    frmLettera *m_composer;
};
