#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

#include "printing/PrintPreview.h"

// "Anteprima": the recorded pages of a printout, one at a time, browsable and zoomable
// (the whole page, its width, or a percentage; the last choice is kept for the next time).
// "Stampa" closes it with Accepted (the caller prints), "Indietro" with Rejected.
class PrintPreviewWindow : public QDialog {
    Q_OBJECT
public:
    PrintPreviewWindow(const QList<PrintPreview::Page> &pages, QWidget *parent = nullptr);

    int pageCount() const { return int(m_pages.size()); }
    int currentPage() const { return m_current; }  // from 0
    void showPage(int index);
    double zoom() const;
    // The page as shown, at the current zoom (96 dots per inch at 100 %).
    QImage pageImage(int index) const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QList<PrintPreview::Page> m_pages;
    int m_current = 0;
    QScrollArea *m_scroll;
    QLabel *m_sheet;
    QLabel *m_position;
    QComboBox *m_zoom;
    QPushButton *m_previous;
    QPushButton *m_next;
};
