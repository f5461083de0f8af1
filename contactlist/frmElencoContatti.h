#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include "contactlist/ContactListModel.h"
#include "contactlist/ListSelection.h"
#include "ui/SmallDialog.h"

class ContactReceiver;
class QMenu;
enum class OriginTag;

// The contact list: every contact of the archive as a row of a table, narrowed as the user
// types in the filter box, sorted by any column; on the selected contacts: open (hand the
// contact to the window that opened the list, as the search window does), labels and
// envelopes in series, export, e-mail in blind copy, deletion.
class frmElencoContatti : public SmallDialog {
    Q_OBJECT
public:
    // `caller` receives the opened contact, as the origin tag says.
    explicit frmElencoContatti(QWidget *caller = nullptr, const QString &originTag = QString());

    // Opens a list modally over `caller` and returns when it has been closed.
    static void openFor(QWidget *caller, const QString &originTag);

    QLabel *lblFiltro;
    QLineEdit *txtFiltro;
    QLabel *lblConteggio;
    QTableView *tblContatti;
    QPushButton *cmdApri;
    QPushButton *cmdEtichette;
    QPushButton *cmdBuste;
    QPushButton *cmdEsporta;
    QPushButton *cmdEmail;
    QPushButton *cmdElimina;
    QPushButton *cmdChiudi;
    // Checks now and then whether the archive's file changed.
    QTimer *tmrArchivio;

    ContactListModel *model() const { return m_model; }
    // The contacts selected now, in list order.
    ListSelection selection() const;
    QString originTag() const { return m_tag; }

public slots:
    void cmdApri_Click();
    void cmdEtichette_Click();
    void cmdBuste_Click();
    void cmdEsporta_Click(int format);
    void cmdEmail_Click();
    void cmdElimina_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void done(int result) override;

private slots:
    void txtFiltro_Change();
    void tblContatti_SelectionChange();
    void tblContatti_ContextMenu(const QPoint &at);
    void tmrArchivio_Timer();

private:
    void buildButtons();
    void setUpKeyboard();
    void restoreLayout();
    void saveLayout();
    void showCount();
    // The selection, or the message when there is none or the archive no longer holds it
    // (the list is then read again): false when nothing may be done.
    bool checkedSelection(ListSelection &out);
    void reloadKeepingSelection();
    void printSeries(bool labels);
    void exportSpreadsheet(const ListSelection &chosen);
    QMenu *exportMenu(QWidget *parent);
    ContactReceiver *receiverFor(OriginTag tag) const;

    QPointer<QWidget> m_caller;
    QString m_tag;
    ContactListModel *m_model;
};
