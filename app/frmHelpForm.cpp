#include "app/frmHelpForm.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include "app/HelpTopicPrint.h"
#include "app/HelpTopics.h"
#include "app/UserGuide.h"
#include "platform/Artwork.h"
#include "platform/Platform.h"
#include "printing/PrinterPage.h"
#include "printing/widgets/PrintDialog.h"
#include "ui/LinkButton.h"
#include "ui/PanelLabel.h"
#include "ui/ShowMessage.h"

namespace {

QString withCrLf(QString text) {
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

}  // namespace

frmHelpForm::frmHelpForm(QWidget *parent)
    : SmallDialog(QStringLiteral("frmHelpForm"), QStringLiteral(" Guida in linea"), QSize(600, 480),
                  Background::Plain, parent) {
    auto *header = new QFrame(this);
    header->setObjectName(QStringLiteral("picIntestazione"));
    header->setGeometry(0, 0, 600, 64);
    header->setStyleSheet(QStringLiteral(
        "QFrame#picIntestazione { background: qlineargradient(x1:0, y1:0, x2:1, y2:0,"
        " stop:0 #1d3c5e, stop:1 #2e6db4); }"));
    cmdLogo = PanelLabel::picture(header, QStringLiteral("cmdLogo"),
                                  QStringLiteral(":/art/help_logo.svg"), QSize(48, 48));
    cmdLogo->move(14, 8);
    lblTitolo = new QLabel(QStringLiteral(" Argomento"), header);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setGeometry(74, 8, 510, 48);
    lblTitolo->setStyleSheet(QStringLiteral("color: #ffffff; font-size: 17px; font-weight: bold;"));

    picTesto = new QFrame(this);
    picTesto->setObjectName(QStringLiteral("picTesto"));
    picTesto->setGeometry(14, 78, 572, 330);
    picTesto->setFrameShape(QFrame::StyledPanel);
    picTesto->setStyleSheet(QStringLiteral(
        "QFrame#picTesto { background: #ffffff; border: 1px solid #8a97a6; border-radius: 4px; }"));
    txtTesto = new QPlainTextEdit(picTesto);
    txtTesto->setObjectName(QStringLiteral("txtTesto"));
    txtTesto->setGeometry(6, 6, 560, 318);
    txtTesto->setReadOnly(true);
    txtTesto->setFrameShape(QFrame::NoFrame);
    txtTesto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtTesto->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont textFont(QStringLiteral("Verdana"));
    textFont.setPointSizeF(9);
    txtTesto->setFont(textFont);
    txtTesto->setPlainText(QStringLiteral("Guida in linea\r\n"));

    imgPDF = PanelLabel::picture(this, QStringLiteral("imgPDF"),
                                 QStringLiteral(":/art/help_pdf.svg"), QSize(32, 32));
    imgPDF->move(16, 426);
    imgPDF->setCursor(Qt::PointingHandCursor);
    imgPDF->setAccessibleName(QStringLiteral("Guida in formato PDF"));
    lblPDF = LinkButton::make(this, QStringLiteral("lblPDF"),
                              QStringLiteral("&Visualizza guida in formato PDF"),
                              QRect(54, 426, 260, 32), linkColor());
    // The mouse works the link as the text it was (pressed colour, opens on the
    // release); the keyboard clicks it as a button.
    connect(lblPDF, &QPushButton::pressed, this, &frmHelpForm::lblPDF_MouseDown);
    connect(lblPDF, &QPushButton::clicked, this, &frmHelpForm::lblPDF_MouseUp);
    setLinkColor(linkColor());
    imgPDF->installEventFilter(this);
    lblPDF->installEventFilter(this);

    cmdStampa = new QPushButton(QStringLiteral("&Stampa"), this);
    cmdStampa->setObjectName(QStringLiteral("cmdStampa"));
    cmdStampa->setGeometry(376, 424, 100, 34);
    cmdStampa->setIcon(QIcon(QPixmap::fromImage(
        Artwork::render(QStringLiteral(":/art/help_stampa.svg"), QSize(20, 20)))));
    connect(cmdStampa, &QPushButton::clicked, this, &frmHelpForm::cmdStampa_Click);
    cmdChiudi = new QPushButton(QStringLiteral("&Chiudi"), this);
    cmdChiudi->setObjectName(QStringLiteral("cmdChiudi"));
    cmdChiudi->setGeometry(486, 424, 100, 34);
    cmdChiudi->setDefault(true);
    connect(cmdChiudi, &QPushButton::clicked, this, &frmHelpForm::cmdChiudi_Click);

    cmdLogo->setAccessibleName(QStringLiteral("Guida in linea"));
    // The text is read and selected by keyboard too (a selection prints alone); Tab
    // leaves it.
    txtTesto->setTabChangesFocus(true);
    txtTesto->setFocusPolicy(Qt::StrongFocus);
    txtTesto->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtTesto->setAccessibleName(QStringLiteral("Testo della guida"));
    QWidget::setTabOrder(txtTesto, lblPDF);
    QWidget::setTabOrder(lblPDF, cmdStampa);
    QWidget::setTabOrder(cmdStampa, cmdChiudi);
}

bool frmHelpForm::openTopic(QWidget *caller, const QString &key) {
    const std::optional<HelpTopic> topic = HelpTopics::find(key);
    if (!topic) return false;
    frmHelpForm window(caller);
    window.setTopic(topic->title, topic->paragraphs);
    window.exec();
    return true;
}

void frmHelpForm::setTopic(const QString &title, const QStringList &paragraphs) {
    lblTitolo->setText(title);
    txtTesto->setPlainText(HelpTopics::text(paragraphs));
    txtTesto->moveCursor(QTextCursor::Start);
}

WrappedTextBox frmHelpForm::textBox() const {
    WrappedTextBox box;
    box.text = withCrLf(txtTesto->toPlainText());
    box.selectedText = withCrLf(txtTesto->textCursor().selectedText());
    const QFont f = txtTesto->font();
    box.font.name = f.family();
    box.font.size = f.pointSizeF();
    box.font.bold = f.bold();
    box.font.italic = f.italic();
    box.font.underline = f.underline();
    box.font.strikethrough = f.strikeOut();
    const Qt::Alignment a = txtTesto->document()->defaultTextOption().alignment();
    if (a & Qt::AlignRight)
        box.alignment = TextAlign::Right;
    else if (a & Qt::AlignHCenter)
        box.alignment = TextAlign::Center;
    else
        box.alignment = TextAlign::Left;
    return box;
}

void frmHelpForm::cmdStampa_Click() {
    const MsgAnswer answer =
        Platform::instance().messageBox(QStringLiteral("Si desidera stampare il testo corrente?"),
                                        QStringLiteral("Stampa argomento della guida in linea"),
                                        MsgIcon::Question, MsgButtons::YesNo);
    if (answer != MsgAnswer::Yes) return;
    const QString title = lblTitolo->text();
    const WrappedTextBox text = textBox();
    Printout printout;
    printout.caption = QStringLiteral("Stampa argomento della guida in linea");
    printout.pdfFileName = QStringLiteral("Guida.pdf");
    printout.draw = [title, text](PrinterPage &page, const PrintChoices &) {
        HelpTopicPrint::print(page, title, text);
        return page.ok();
    };
    PrintDialog::run(printout, this);
}

void frmHelpForm::cmdChiudi_Click() {
    done(QDialog::Accepted);
}

void frmHelpForm::setLinkColor(const QColor &color) {
    LinkButton::setColour(lblPDF, color);
}

void frmHelpForm::openGuide() {
    setLinkColor(linkColor());
    showMessage(UserGuide::open());
}

void frmHelpForm::imgPDF_MouseDown() {
    setLinkColor(linkPressedColor());
}
void frmHelpForm::imgPDF_MouseUp() {
    openGuide();
}
void frmHelpForm::lblPDF_MouseDown() {
    setLinkColor(linkPressedColor());
}
void frmHelpForm::lblPDF_MouseUp() {
    openGuide();
}

bool frmHelpForm::eventFilter(QObject *watched, QEvent *event) {
    const bool down = event->type() == QEvent::MouseButtonPress;
    const bool up = event->type() == QEvent::MouseButtonRelease;
    if ((down || up) && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == imgPDF) {
            down ? imgPDF_MouseDown() : imgPDF_MouseUp();
            return true;
        }
        if (watched == lblPDF) {
            down ? lblPDF_MouseDown() : lblPDF_MouseUp();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
