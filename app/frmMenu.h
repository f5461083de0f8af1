#pragma once

// Folder app/: the main menu, help topics and the user guide, help printing, the
// information and about windows.

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "ui/MainWindowBase.h"

// The main menu: the hub that opens the archive window, the card composer and the
// envelope composer, with help, information, about and exit keys and a moving banner.
class frmMenu : public MainWindowBase {
    Q_OBJECT
public:
    explicit frmMenu(QWidget *parent = nullptr);

    // Controls.
    QLabel *picBody;
    QPushButton *cmdArchivioDati;
    QLabel *picArchivioDati;
    QPushButton *cmdBiglietti;
    QLabel *picBiglietti;
    QPushButton *cmdBuste;
    QLabel *picProtocollo;
    QFrame *shpArchivioDati;
    QFrame *shpBiglietti;
    QFrame *shpBuste;
    QWidget *picScroll;
    QLabel *picFlash;
    QTimer *tmrMarquee;
    QWidget *picControlli;
    QPushButton *imgGuida;
    QPushButton *imgReg;
    QPushButton *picRights;
    QPushButton *imgEsci;
    QLabel *imgVista;

    // The banner's left edge inside picScroll, in twips.
    int flashLeft() const { return m_flashLeft; }
    // A picture key's place inside picControlli, in twips.
    QPoint keyPlace(QWidget *key) const;
    // The fixed places of the four picture keys, in twips.
    static QPoint fixedPlace(const QString &keyName);

public slots:
    void cmdArchivioDati_Click();
    void cmdBiglietti_Click();
    void cmdBuste_Click();
    void tmrMarquee_Timer();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void highlight(QFrame *shape);
    void hideHighlights();
    void keyDown(QWidget *key);
    void keyUp(QWidget *key);
    void runKey(QWidget *key);
    void placeKey(QWidget *key, QPoint twips);
    void setUpKeyboard();

    int m_flashLeft = 10200;
    QHash<QWidget *, QPoint> m_keyTwips;
};
