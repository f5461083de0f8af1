#include "office/XlsxExport.h"

#include <QFileInfo>
#include <QSaveFile>
#include <array>

#include "archive/ArchiveStore.h"
#include "archive/ExportTitles.h"
#include "office/ColumnWidth.h"
#include "office/ZipWriter.h"

namespace {

// Columns A to K and the record field each one shows.
constexpr std::array<ContactRecord::Field, XlsxExport::kColumns> kFields = {
    ContactRecord::Titolo,       ContactRecord::Sottotitolo, ContactRecord::Indirizzo,
    ContactRecord::Citta,        ContactRecord::Iva,         ContactRecord::Tel,
    ContactRecord::Fax,          ContactRecord::Cel,         ContactRecord::Email,
    ContactRecord::Informazioni, ContactRecord::Web};

// Style 1 is text, style 2 bold text (see kStyles).
constexpr char kTextStyle = '1';
constexpr char kHeaderStyle = '2';
// Bytes of sheet text gathered before each handing to the compressor.
constexpr qsizetype kSheetBlock = 1 << 18;

const QByteArray kContentTypes = QByteArrayLiteral(
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" "
    "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/xl/workbook.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
    "<Override PartName=\"/xl/worksheets/sheet1.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
    "<Override PartName=\"/xl/styles.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>"
    "</Types>");

const QByteArray kRootRels = QByteArrayLiteral(
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
    "Target=\"xl/workbook.xml\"/></Relationships>");

const QByteArray kWorkbook = QByteArrayLiteral(
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
    "<sheets><sheet name=\"Sheet1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>");

const QByteArray kWorkbookRels = QByteArrayLiteral(
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
    "Target=\"worksheets/sheet1.xml\"/>"
    "<Relationship Id=\"rId2\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
    "Target=\"styles.xml\"/></Relationships>");

// Font 0 plain, font 1 bold; cell format 0 the default, 1 text (number format 49, "@"),
// 2 bold text.
const QByteArray kStyles = QByteArrayLiteral(
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
    "<fonts count=\"2\"><font><sz val=\"11\"/><name val=\"Calibri\"/><family val=\"2\"/></font>"
    "<font><b/><sz val=\"11\"/><name val=\"Calibri\"/><family val=\"2\"/></font></fonts>"
    "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
    "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
    "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
    "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/>"
    "</cellStyleXfs>"
    "<cellXfs count=\"3\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>"
    "<xf numFmtId=\"49\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\" "
    "applyNumberFormat=\"1\"/>"
    "<xf numFmtId=\"49\" fontId=\"1\" fillId=\"0\" borderId=\"0\" xfId=\"0\" "
    "applyNumberFormat=\"1\" applyFont=\"1\"/></cellXfs>"
    "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>"
    "</styleSheet>");

const QByteArray kSheetStart = QByteArrayLiteral(
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">");

}  // namespace

QStringList XlsxExport::headerTexts() {
    return ExportTitles::texts();
}

QString XlsxExport::cellText(const QString &value) {
    QString out;
    bool clean = true;
    for (QChar c : value)
        if (c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') clean = false;
    if (clean) return value;
    out.reserve(value.size());
    for (QChar c : value)
        if (c.unicode() >= 0x20 || c == u'\t' || c == u'\n' || c == u'\r') out += c;
    return out;
}

bool XlsxExport::write(ArchiveStore &store, const QString &path, const Progress &progress) {
    m_rows = 0;
    m_error.clear();
    if (store.recordCount() < 0) {
        m_error = store.errorString();
        return false;
    }
    if (QFileInfo(path).isDir()) {
        m_error = QStringLiteral("%1 è una cartella").arg(path);
        return false;
    }

    // The columns come before the rows in the sheet, so their widths are measured in a
    // first reading of the archive; reading is cheap beside writing.
    std::array<ColumnWidth, kColumns> widths;
    const QStringList titles = headerTexts();
    for (int c = 0; c < kColumns; ++c) widths[c].add(titles[c], true);
    if (!store.forEachRecord([&](int, const ContactRecord &record) {
            for (int c = 0; c < kColumns; ++c) widths[c].add(record.value(kFields[c]));
            return true;
        })) {
        m_error = store.errorString();
        return false;
    }

    // Written under a temporary name beside the target and put in its place when complete,
    // so a failed export never leaves a broken file there.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        m_error = file.errorString();
        return false;
    }
    ZipWriter zip(file);
    bool ok = zip.add("[Content_Types].xml", kContentTypes) && zip.add("_rels/.rels", kRootRels) &&
              zip.add("xl/workbook.xml", kWorkbook) &&
              zip.add("xl/_rels/workbook.xml.rels", kWorkbookRels) &&
              zip.add("xl/styles.xml", kStyles) && zip.begin("xl/worksheets/sheet1.xml");

    QByteArray xml;
    xml.reserve(kSheetBlock + (kSheetBlock >> 2));
    xml += kSheetStart;
    xml += "<cols>";
    for (int c = 0; c < kColumns; ++c) {
        if (widths[c].width() <= 0) continue;
        xml += "<col min=\"" + QByteArray::number(c + 1) + "\" max=\"" + QByteArray::number(c + 1) +
               "\" width=\"" + QByteArray::number(widths[c].width(), 'f', 2) +
               "\" customWidth=\"1\"/>";
    }
    xml += "</cols><sheetData>";
    appendRow(xml, 1, titles, kHeaderStyle);

    const auto flush = [&](bool all) {
        if (ok && (all || xml.size() >= kSheetBlock)) {
            ok = zip.write(xml.constData(), xml.size());
            xml.clear();
        }
    };
    QStringList values;
    values.reserve(kColumns);
    const bool readOk = store.forEachRecord([&](int n, const ContactRecord &record) {
        values.clear();
        for (int c = 0; c < kColumns; ++c) values.append(cellText(record.value(kFields[c])));
        appendRow(xml, n + 1, values, kTextStyle);
        flush(false);
        m_rows = n;
        if (progress) progress(n);
        return ok;
    });
    xml += "</sheetData></worksheet>";
    flush(true);
    ok = ok && zip.end() && zip.finish();
    if (!readOk || !ok) {
        m_error = !readOk ? store.errorString() : zip.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        m_error = file.errorString();
        return false;
    }
    return true;
}

void XlsxExport::appendRow(QByteArray &xml, int row, const QStringList &values, char style) {
    const QByteArray number = QByteArray::number(row);
    xml += "<row r=\"";
    xml += number;
    xml += "\">";
    for (int c = 0; c < values.size(); ++c) {
        const QString &value = values.at(c);
        if (value.isEmpty()) continue;  // an empty field is no cell
        xml += "<c r=\"";
        xml += char('A' + c);
        xml += number;
        xml += "\" s=\"";
        xml += style;
        xml += "\" t=\"inlineStr\"><is>";
        const QChar first = value.front();
        const QChar last = value.back();
        xml += (first.isSpace() || last.isSpace()) ? "<t xml:space=\"preserve\">" : "<t>";
        appendEscaped(xml, value);
        xml += "</t></is></c>";
    }
    xml += "</row>";
}

void XlsxExport::appendEscaped(QByteArray &xml, const QString &value) {
    const QByteArray utf8 = value.toUtf8();
    const char *p = utf8.constData();
    const char *end = p + utf8.size();
    const char *run = p;
    for (; p < end; ++p) {
        const char *with = nullptr;
        switch (*p) {
            case '&':
                with = "&amp;";
                break;
            case '<':
                with = "&lt;";
                break;
            case '>':
                with = "&gt;";
                break;
            case '\r':
                with = "&#13;";  // kept: a reader would turn a plain CR into LF
                break;
            default:
                continue;
        }
        xml.append(run, p - run);
        xml += with;
        run = p + 1;
    }
    xml.append(run, end - run);
}
