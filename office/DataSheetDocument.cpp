#include "office/DataSheetDocument.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>

#include "archive/ContactRecord.h"
#include "office/ZipContents.h"
#include "office/ZipWriter.h"
#include "platform/PictureLoader.h"

namespace {

const QString kFont = QStringLiteral("Arial");
constexpr qreal kPointSize = 10;
// The widest picture, in pixels at 96 dpi: the 17 cm between the margins of an A4 page.
constexpr qreal kMaxPictureWidth = 17.0 / 2.54 * 96;

QTextCharFormat charFormat(bool bold) {
    QTextCharFormat f;
    f.setFontFamilies({kFont});
    // The OpenDocument writer reads the family from the single-family property.
    f.setProperty(QTextFormat::FontFamily, kFont);
    f.setFontPointSize(kPointSize);
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    return f;
}

QTextBlockFormat blockFormat(Qt::Alignment alignment) {
    QTextBlockFormat f;
    f.setAlignment(alignment);
    return f;
}

// The logo file's bytes when it holds a picture Qt can read, else empty. The bytes go
// into the document as they are, so the embedded picture is the user's file itself.
QByteArray pictureBytes(const QString &file, QSize *size) {
    if (file.isEmpty()) return QByteArray();
    // Only a regular file of a logo's size is read: never a pipe, a device or a huge file.
    if (PictureLoader::load(file).isNull()) return QByteArray();
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return QByteArray();
    const QByteArray bytes = f.readAll();
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize s = reader.size();
    if (!reader.canRead() || !s.isValid()) return QByteArray();
    *size = s;
    return bytes;
}

}  // namespace

QString DataSheetDocument::closingLine(const QDateTime &when) {
    return QStringLiteral("Scheda creata in data ") + when.toString(QStringLiteral("dd/MM/yyyy")) +
           QStringLiteral(" alle ore ") + when.toString(QStringLiteral("HH:mm:ss"));
}

std::unique_ptr<QTextDocument> DataSheetDocument::build(const DataSheetContent &content,
                                                        const QString &logoFile,
                                                        const QDateTime &when) {
    auto doc = std::make_unique<QTextDocument>();
    doc->setDefaultFont(QFont(kFont, int(kPointSize)));
    QTextCursor cursor(doc.get());
    const QTextCharFormat bold = charFormat(true);
    const QTextCharFormat plain = charFormat(false);

    // 1: the name; 2: an empty paragraph.
    cursor.setBlockFormat(blockFormat(Qt::AlignHCenter));
    cursor.setBlockCharFormat(bold);
    cursor.insertText(ContactRecord::trimBlanks(content.titolo), bold);
    cursor.insertBlock(blockFormat(Qt::AlignHCenter), bold);

    // 3: the logo, in a paragraph of its own.
    cursor.insertBlock(blockFormat(Qt::AlignHCenter), bold);
    QSize size;
    const QByteArray picture = pictureBytes(logoFile, &size);
    if (!picture.isEmpty()) {
        const QUrl name(QStringLiteral("cartaflex-logo"));
        doc->addResource(QTextDocument::ImageResource, name, picture);
        QTextImageFormat image;
        image.setName(name.toString());
        image.setProperty(QTextFormat::FontFamily, kFont);
        image.setFontPointSize(kPointSize);
        // Natural size, shrunk to the width of the text when it is wider.
        const QSizeF shown =
            size.width() > kMaxPictureWidth
                ? QSizeF(kMaxPictureWidth, size.height() * kMaxPictureWidth / size.width())
                : QSizeF(size);
        image.setWidth(shown.width());
        image.setHeight(shown.height());
        cursor.insertImage(image);
    }

    // 4: empty; 5: the heading; 6: empty, justified.
    cursor.insertBlock(blockFormat(Qt::AlignHCenter), bold);
    cursor.insertBlock(blockFormat(Qt::AlignHCenter), bold);
    cursor.insertText(QString::fromLatin1(kHeading), bold);
    cursor.insertBlock(blockFormat(Qt::AlignJustify), bold);

    // 7: a paragraph break, then the table of labels and values.
    cursor.insertBlock(blockFormat(Qt::AlignJustify), plain);
    QTextTableFormat tableFormat;
    tableFormat.setBorder(0.5);
    tableFormat.setCellPadding(2);
    // The text width of an A4 page with 2 cm margins.
    tableFormat.setWidth(QTextLength(QTextLength::FixedLength, 17.0 / 2.54 * 72));
    QTextTable *table = cursor.insertTable(DataSheetContent::kRows, 2, tableFormat);
    const QStringList labels = DataSheetContent::labels();
    for (int r = 0; r < DataSheetContent::kRows; ++r) {
        table->cellAt(r, 0).firstCursorPosition().insertText(labels[r], plain);
        table->cellAt(r, 1).firstCursorPosition().insertText(
            ContactRecord::trimBlanks(content.values[r]), plain);
    }

    // 8: after the paragraph that follows the table, a line break and the closing line.
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock(blockFormat(Qt::AlignJustify), plain);
    cursor.insertText(closingLine(when), plain);
    return doc;
}

bool DataSheetDocument::writeOdt(QTextDocument &document, const QString &path, QString *error) {
    // The writer closes the device it writes to, so the document is built in memory
    // and then saved in one piece, never leaving half a file in place of an older one.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&buffer, "ODF");
    if (!writer.write(&document)) {
        if (error) *error = QStringLiteral("scrittura del documento non riuscita");
        return false;
    }
    QByteArray package;
    if (!withDefaultFont(buffer.data(), package)) {
        if (error) *error = QStringLiteral("scrittura del documento non riuscita");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(package) != package.size() ||
        !file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

bool DataSheetDocument::withDefaultFont(const QByteArray &odt, QByteArray &out) {
    // Qt's writer gives every text run its font but writes no styles of the document, so
    // a paragraph without text (the blank lines) would take the word processor's own
    // default face. The package gets a styles.xml whose default is Arial 10.
    ZipContents contents;
    if (!contents.read(odt)) return false;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    ZipWriter zip(buffer, Z_DEFAULT_COMPRESSION);
    // The type of the package comes first and uncompressed, as readers look for it there.
    bool ok = zip.add("mimetype", "application/vnd.oasis.opendocument.text", false);
    for (const ZipContents::Member &m : contents.members()) {
        if (m.name == "mimetype" || m.name == "styles.xml") continue;
        QByteArray data = m.data;
        if (m.name == "META-INF/manifest.xml") {
            const qsizetype at = data.lastIndexOf("</manifest:manifest>");
            if (at < 0) return false;
            data.insert(at,
                        "<manifest:file-entry manifest:media-type=\"text/xml\" "
                        "manifest:full-path=\"styles.xml\"/>\n");
        }
        ok = ok && zip.add(m.name, data);
    }
    return ok && zip.add("styles.xml", defaultStyles()) && zip.finish();
}

QByteArray DataSheetDocument::defaultStyles() {
    const QByteArray font = kFont.toUtf8();
    const QByteArray size = QByteArray::number(kPointSize) + "pt";
    const QByteArray text = "<style:text-properties style:font-name=\"" + font +
                            "\" fo:font-family=\"" + font + "\" fo:font-size=\"" + size + "\"/>";
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<office:document-styles "
           "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
           "xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\" "
           "xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\" "
           "xmlns:svg=\"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0\" "
           "office:version=\"1.2\">"
           "<office:font-face-decls><style:font-face style:name=\"" +
           font + "\" svg:font-family=\"" + font +
           "\" style:font-family-generic=\"swiss\"/></office:font-face-decls>"
           "<office:styles>"
           "<style:default-style style:family=\"paragraph\">" +
           text +
           "</style:default-style>"
           "<style:style style:name=\"Standard\" style:family=\"paragraph\">" +
           text + "</style:style></office:styles></office:document-styles>";
}
