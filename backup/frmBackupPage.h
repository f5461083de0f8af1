#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

class ArchiveStore;

// The layout the backup page and the restore page share: the archive's size text, the
// chosen folder or file, the choose and perform buttons with the pointing hands, back
// and exit.
class frmBackupPage : public QDialog {
    Q_OBJECT
public:
    enum class Next { End, Back };

    QLabel *lblInfo01;
    QGroupBox *fraPath;
    QLabel *lblCartella;
    QPushButton *cmdSelect;
    QPushButton *cmdEffettua;
    QLabel *imgMano01;
    QLabel *imgMano02;
    QPushButton *cmdIndietro;
    QPushButton *cmdEsci;

    Next next() const { return m_next; }

protected:
    frmBackupPage(QWidget *parent, const char *name, const QString &caption, const char *selectArt,
                  const char *selectTip, const char *performArt, const char *performTip);

    // Shows what was chosen, or `noneText` when nothing was: the perform button is
    // enabled and the hand moves to it only when something was chosen.
    void showChoice(const QString &chosen, const char *noneText);
    // The page's work is done: it unloads and the wizard ends.
    void finish();

private slots:
    void cmdIndietro_Click();
    void cmdEsci_Click();

private:
    Next m_next = Next::End;
};
