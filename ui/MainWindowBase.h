#pragma once

#include <QImage>
#include <QLabel>
#include <QWidget>

// The frame shared by the menu and the three main windows: a background tile painted over
// the whole client area and a fixed-size control panel (`picContainer`) kept centred on
// every resize. On closing, the window runs its unload step and tells the hub.
//
// The menu and the three main windows are built with the first constructor: the
// program's background tile, the window's object name and caption, and the panel's body
// already laid.
class MainWindowBase : public QWidget {
    Q_OBJECT
public:
    MainWindowBase(const QString &name, const QString &caption, QSize panelSize,
                   QWidget *parent = nullptr);
    // A bare frame: this tile, no name, no caption, no body (for windows of tests).
    MainWindowBase(const QImage &tile, QSize panelSize, QWidget *parent = nullptr);

    QWidget *picContainer() const { return m_panel; }
    // Adds the panel's background (`picBody`, a soft gradient with a rounded border)
    // covering the whole panel, below everything added after it.
    QLabel *addPanelBody();
    // The body laid by the first constructor (nullptr for a bare frame).
    QLabel *panelBody() const { return m_body; }
    const QImage &tile() const { return m_tile; }
    // Where the panel goes for a client area of that size: integer halves of the space
    // left over (negative when the window is smaller than the panel).
    static QPoint centredOffset(QSize client, QSize panel);
    // The tile origins painted for a client area: x = 0, w, 2w… while x ≤ width, same for y.
    static QList<QPoint> tileOrigins(QSize client, QSize tile);

protected:
    // Form_Unload: settings are written here by the windows that own them.
    virtual void formUnload() {}
    // Asked before the window closes (by its button, Escape or the window's frame): false
    // keeps it open.
    virtual bool mayClose() { return true; }
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QImage m_tile;
    QWidget *m_panel;
    QLabel *m_body = nullptr;
    bool m_unloaded = false;
};
