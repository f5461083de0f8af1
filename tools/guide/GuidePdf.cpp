// cartaflex-guide SOURCE.md OUTPUT.pdf
//
// Lays out the user guide, written in Markdown, as an A4 PDF: the program's headings in
// navy, every chapter on a new page, a footer with the page number.

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextStream>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <cstdio>

namespace {

const QColor kNavy(0x1d, 0x3c, 0x5e);
const QString kFamily = QStringLiteral("DejaVu Sans");
const QString kFooter = QStringLiteral("Cartaflex 2.0 - Guida dell'utente");

void styleHeadings(QTextDocument &doc) {
    bool firstChapter = true;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 0) continue;
        QTextCursor cursor(block);
        QTextBlockFormat bf = block.blockFormat();
        double size = 11.5;
        switch (level) {
            case 1:
                size = 20;
                bf.setTopMargin(0);
                bf.setBottomMargin(14);
                if (!firstChapter) bf.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                firstChapter = false;
                break;
            case 2:
                size = 14;
                bf.setTopMargin(16);
                bf.setBottomMargin(6);
                break;
            default:
                bf.setTopMargin(10);
                bf.setBottomMargin(4);
                break;
        }
        cursor.setBlockFormat(bf);
        // The Markdown reader sizes headings by a relative adjustment, which would win
        // over a point size: each piece of the heading gets a whole new format instead.
        QList<QTextFragment> fragments;
        for (auto it = block.begin(); !it.atEnd(); ++it) fragments.append(it.fragment());
        for (const QTextFragment &fragment : fragments) {
            QTextCharFormat cf = fragment.charFormat();
            cf.clearProperty(QTextFormat::FontSizeAdjustment);
            cf.setFontFamilies({kFamily});
            cf.setFontPointSize(size);
            cf.setFontWeight(QFont::Bold);
            cf.setForeground(kNavy);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(cf);
        }
    }
}

void styleTables(QTextDocument &doc) {
    for (QTextFrame *frame : doc.rootFrame()->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table) continue;
        QTextTableFormat tf = table->format();
        tf.setCellPadding(5);
        tf.setCellSpacing(0);
        tf.setBorder(0.8);
        tf.setBorderBrush(QColor(0x8a, 0x97, 0xa6));
        tf.setBorderCollapse(true);
        tf.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        table->setFormat(tf);
        for (int c = 0; c < table->columns(); ++c) {
            QTextTableCell cell = table->cellAt(0, c);
            QTextCharFormat head = cell.format();
            head.setBackground(QColor(0xdf, 0xe6, 0xee));
            cell.setFormat(head);
        }
    }
}

// Pictures of windows (docs/immagini, beside the guide) are drawn as wide as they would
// be on a 96 dpi screen, never wider than the text.
void fitImages(QTextDocument &doc, double textWidth, double resolution) {
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat()) continue;
            QTextImageFormat image = fragment.charFormat().toImageFormat();
            const QImage picture =
                doc.resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>();
            if (picture.isNull()) {
                std::fprintf(stderr, "cartaflex-guide: immagine mancante %s\n",
                             qPrintable(image.name()));
                continue;
            }
            // The layout scales an image's size from 96 dpi to the page's resolution.
            const double width = std::min(textWidth * 96.0 / resolution, double(picture.width()));
            image.setWidth(width);
            image.setHeight(width * picture.height() / picture.width());
            QTextCursor cursor(&doc);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
        }
    }
}

}  // namespace

int main(int argc, char *argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "uso: cartaflex-guide SORGENTE.md GUIDA.pdf\n");
        return 2;
    }
    QFile source(args.at(1));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cartaflex-guide: impossibile leggere %s\n", qPrintable(args.at(1)));
        return 1;
    }
    const QString markdown = QString::fromUtf8(source.readAll());

    QPdfWriter writer(args.at(2));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(22, 20, 22, 18), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setTitle(QStringLiteral("Cartaflex 2.0 - Guida dell'utente"));
    writer.setCreator(QStringLiteral("Cartaflex"));

    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&writer);
    QFont body(kFamily);
    body.setPointSizeF(10.5);
    doc.setDefaultFont(body);
    doc.setBaseUrl(QUrl::fromLocalFile(QFileInfo(args.at(1)).absolutePath() + u'/'));
    doc.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    styleHeadings(doc);
    styleTables(doc);
    fitImages(doc, writer.width(), writer.resolution());

    const double footerHeight = writer.resolution() * 0.35;  // about 9 mm
    const QSizeF page(writer.width(), writer.height() - footerHeight);
    doc.setPageSize(page);
    const int pages = doc.pageCount();

    QPainter painter;
    if (!painter.begin(&writer)) {
        std::fprintf(stderr, "cartaflex-guide: impossibile scrivere %s\n", qPrintable(args.at(2)));
        return 1;
    }
    QFont footerFont(kFamily);
    footerFont.setPointSizeF(8);
    for (int i = 0; i < pages; ++i) {
        if (i > 0) writer.newPage();
        painter.save();
        painter.translate(0, -i * page.height());
        const QRectF visible(0, i * page.height(), page.width(), page.height());
        painter.setClipRect(visible);
        doc.drawContents(&painter, visible);
        painter.restore();

        const double y = writer.height() - footerHeight * 0.45;
        painter.setPen(QPen(QColor(0x8a, 0x97, 0xa6), 2));
        painter.drawLine(QPointF(0, y - footerHeight * 0.4),
                         QPointF(page.width(), y - footerHeight * 0.4));
        painter.setFont(footerFont);
        painter.setPen(QColor(0x4a, 0x5a, 0x6a));
        const QRectF band(0, y - footerHeight * 0.3, page.width(), footerHeight * 0.7);
        painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, kFooter);
        painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("Pagina %1 di %2").arg(i + 1).arg(pages));
    }
    if (!painter.end()) {
        std::fprintf(stderr, "cartaflex-guide: impossibile completare %s\n",
                     qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
