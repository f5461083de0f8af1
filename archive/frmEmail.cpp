#include "archive/frmEmail.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>

#include "archive/MailMessages.h"
#include "archive/MailtoBuilder.h"
#include "platform/Artwork.h"
#include "platform/Platform.h"
#include "ui/EnterClicks.h"

namespace {

const QColor kFocusColour(0xFF, 0xFF, 0xC0);  // 0x00C0FFFF

void setBack(QWidget *box, const QColor &c) {
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, c);
    box->setPalette(pal);
    // A multi-line box paints its text area, its viewport.
    if (auto *area = qobject_cast<QAbstractScrollArea *>(box)) area->viewport()->setPalette(pal);
}

}  // namespace

frmEmail::frmEmail(QWidget *parent)
    : SmallDialog(QStringLiteral("frmEmail"), QStringLiteral(" Invio e-mail"), QSize(520, 400),
                  Background::Gradient, parent) {
    auto *emblem = new QLabel(this);
    emblem->setPixmap(
        QPixmap::fromImage(Artwork::render(QStringLiteral(":/art/posta.svg"), QSize(40, 40))));
    emblem->setGeometry(20, 12, 40, 40);

    const auto label = [this](const char *name, const char *text, int top) {
        auto *l = new QLabel(QString::fromUtf8(text), this);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(20, top, 70, 26);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setStyleSheet(QStringLiteral("color: #1d3c5e; font-weight: bold;"));
        return l;
    };
    const auto line = [this](const char *name, int top) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        e->setGeometry(100, top, 400, 26);
        e->installEventFilter(this);
        return e;
    };
    lblIndirizzo = label("lblIndirizzo", "&A:", 64);
    txtIndirizzo = line("txtIndirizzo", 64);
    lblCc = label("lblCc", "&Cc:", 98);
    txtCC = line("txtCC", 98);
    lblCcn = label("lblCcn", "Cc&n:", 132);
    txtCCN = line("txtCCN", 132);
    lblOggetto = label("lblOggetto", "&Oggetto:", 166);
    txtOggetto = line("txtOggetto", 166);
    lblTesto = label("lblTesto", "&Testo:", 200);
    txtCorpo = new QPlainTextEdit(this);
    txtCorpo->setObjectName(QStringLiteral("txtCorpo"));
    txtCorpo->setGeometry(100, 200, 400, 140);
    txtCorpo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtCorpo->setTabChangesFocus(true);
    txtCorpo->installEventFilter(this);

    cmdInvia = new QPushButton(QStringLiteral("&Invia"), this);
    cmdInvia->setObjectName(QStringLiteral("cmdInvia"));
    cmdInvia->setIcon(QIcon(
        QPixmap::fromImage(Artwork::render(QStringLiteral(":/art/posta.svg"), QSize(20, 20)))));
    cmdInvia->setGeometry(400, 352, 100, 34);
    cmdInvia->setAutoDefault(false);
    EnterClicks::install(cmdInvia);
    // Alt and the underlined letter of a caption go to its box.
    lblIndirizzo->setBuddy(txtIndirizzo);
    lblCc->setBuddy(txtCC);
    lblCcn->setBuddy(txtCCN);
    lblOggetto->setBuddy(txtOggetto);
    lblTesto->setBuddy(txtCorpo);
    connect(cmdInvia, &QPushButton::clicked, this, &frmEmail::cmdInvia_Click);

    QWidget *previous = nullptr;
    for (QWidget *w : ring()) {
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
    QWidget::setTabOrder(previous, cmdInvia);
    txtIndirizzo->setFocus();
}

std::array<QWidget *, 5> frmEmail::ring() const {
    return {txtIndirizzo, txtCC, txtCCN, txtOggetto, txtCorpo};
}

void frmEmail::prefill(const QString &address, const QString &subject) {
    txtIndirizzo->setText(address);
    txtOggetto->setText(subject);
}

QString frmEmail::request() const {
    return MailtoBuilder::build(txtIndirizzo->text(), txtOggetto->text(), txtCorpo->toPlainText(),
                                txtCC->text(), txtCCN->text());
}

void frmEmail::cmdInvia_Click() {
    if (!Platform::instance().openUrl(request())) {
        Platform::instance().messageBox(QString::fromUtf8(MailMessages::kNoMailProgramText),
                                        QString::fromUtf8(MailMessages::kWindowFailedTitle),
                                        MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    accept();
}

bool frmEmail::eventFilter(QObject *watched, QEvent *event) {
    const auto boxes = ring();
    const auto it = std::find(boxes.begin(), boxes.end(), watched);
    if (it == boxes.end()) return QDialog::eventFilter(watched, event);
    QWidget *box = *it;
    switch (event->type()) {
        case QEvent::FocusIn:
            setBack(box, kFocusColour);
            break;
        case QEvent::FocusOut:
            setBack(box, QApplication::palette().color(QPalette::Base));
            break;
        case QEvent::KeyPress: {
            auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) break;
            const auto next = std::next(it) == boxes.end() ? boxes.begin() : std::next(it);
            (*next)->setFocus(Qt::OtherFocusReason);
            // The text box never gets the line break; in the one-line boxes the key
            // has nothing more to do, and a dialog must not take it as its default button.
            return true;
        }
        default:
            break;
    }
    return QDialog::eventFilter(watched, event);
}
