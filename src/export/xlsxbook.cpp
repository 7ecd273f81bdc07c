#include "export/xlsxbook.h"

#include <QDir>
#include <QLocale>
#include <QRegularExpression>

#include <sstream>

namespace {

qint64 key(int row, int column)
{
    return (qint64(row) << 20) | column;
}

QString str(const pugi::char_t *text)
{
    return QString::fromUtf8(text);
}

// Cell text with the package's escapes of control characters ("_x000D_") decoded.
QString cellText(const pugi::char_t *text)
{
    QString s = str(text);
    if (!s.contains(u"_x"))
        return s;
    static const QRegularExpression escape(u"_x([0-9A-Fa-f]{4})_"_qs);
    QString out;
    qsizetype last = 0;
    for (auto it = escape.globalMatch(s); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(s).mid(last, m.capturedStart() - last);
        out += QChar(char16_t(m.capturedView(1).toUShort(nullptr, 16)));
        last = m.capturedEnd();
    }
    return out + QStringView(s).mid(last).toString();
}

QByteArray utf8(const QString &text)
{
    return text.toUtf8();
}

QByteArray serialize(const pugi::xml_document &doc)
{
    std::ostringstream out;
    doc.save(out, "", pugi::format_raw, pugi::encoding_utf8);
    const std::string s = out.str();
    return QByteArray(s.data(), qsizetype(s.size()));
}

bool parse(pugi::xml_document &doc, const QByteArray &bytes)
{
    return doc.load_buffer(bytes.constData(), size_t(bytes.size()), pugi::parse_default | pugi::parse_ws_pcdata_single);
}

// Text of a shared string or an inline string: its runs joined, phonetic guides left out.
QString runText(pugi::xml_node si)
{
    QString text;
    for (pugi::xml_node child : si.children()) {
        if (std::string_view(child.name()) == "t")
            text += cellText(child.text().get());
        else if (std::string_view(child.name()) == "r")
            text += cellText(child.child("t").text().get());
    }
    return text;
}

QString numberText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

unsigned char edgeWeight(pugi::xml_node side)
{
    const std::string_view style = side.attribute("style").value();
    if (style.empty())
        return CellFormat::NoLine;
    return style == "hair" ? CellFormat::Hairline : CellFormat::Thin;
}

unsigned char hAlignCode(std::string_view h)
{
    if (h == "left")
        return CellFormat::HLeft;
    if (h == "center")
        return CellFormat::HCentre;
    if (h == "right")
        return CellFormat::HRight;
    if (h == "justify")
        return CellFormat::HJustify;
    if (h == "centerContinuous")
        return CellFormat::HCentreAcross;
    return CellFormat::HGeneral;
}

unsigned char vAlignCode(std::string_view v)
{
    if (v == "top")
        return CellFormat::VTop;
    if (v == "center")
        return CellFormat::VCentre;
    // Bottom is the default, written as no attribute.
    return v.empty() || v == "bottom" ? CellFormat::VBottom : CellFormat::VDefault;
}

QString builtinFormat(int id)
{
    switch (id) {
    case 1:
        return u"0"_qs;
    case 2:
        return u"0.00"_qs;
    case 3:
        return u"#,##0"_qs;
    case 4:
        return u"#,##0.00"_qs;
    case 9:
        return u"0%"_qs;
    case 10:
        return u"0.00%"_qs;
    default:
        return {};
    }
}

} // namespace

XlsxSheet::XlsxSheet(XlsxBook &book, const QString &name, const QString &entry, const QByteArray &xml)
    : m_book(book), m_name(name), m_entry(entry)
{
    parse(m_xml, xml);
    index();
}

void XlsxSheet::index()
{
    m_cells.clear();
    for (pugi::xml_node row : m_xml.child("worksheet").child("sheetData").children("row"))
        for (pugi::xml_node c : row.children("c"))
            if (const auto cell = a1::parseCell(str(c.attribute("r").value())))
                m_cells.insert(key(cell->row, cell->column), c);
}

pugi::xml_node XlsxSheet::cellNode(int row, int column) const
{
    return m_cells.value(key(row, column));
}

FormulaValue XlsxSheet::storedValue(int row, int column) const
{
    const pugi::xml_node c = cellNode(row, column);
    if (!c)
        return {};
    const std::string_view type = c.attribute("t").value();
    if (type == "inlineStr")
        return FormulaValue::ofText(runText(c.child("is")));
    const pugi::xml_node v = c.child("v");
    if (!v)
        return {};
    const QString text = str(v.text().get());
    if (type == "s")
        return FormulaValue::ofText(m_book.sharedString(text.toInt()));
    if (type == "str")
        return FormulaValue::ofText(cellText(v.text().get()));
    if (type == "e")
        return FormulaValue::error(text);
    return FormulaValue::ofNumber(text.toDouble());
}

QString XlsxSheet::formula(int row, int column) const
{
    const pugi::xml_node f = cellNode(row, column).child("f");
    return f ? u'=' + str(f.text().get()) : QString();
}

FormulaValue XlsxSheet::result(int row, int column)
{
    const QString f = formula(row, column);
    if (f.isEmpty())
        return storedValue(row, column);
    const qint64 k = key(row, column);
    if (auto it = m_results.constFind(k); it != m_results.constEnd())
        return *it;
    if (m_evaluating.value(k))
        return FormulaValue::error(u"#REF!"_qs);
    m_evaluating.insert(k, true);
    const FormulaValue r = evaluateFormula(f, *this);
    m_evaluating.remove(k);
    m_results.insert(k, r);
    return r;
}

pugi::xml_node XlsxSheet::ensureCell(int row, int column)
{
    if (pugi::xml_node c = cellNode(row, column))
        return c;
    pugi::xml_node data = m_xml.child("worksheet").child("sheetData");
    pugi::xml_node rowNode;
    pugi::xml_node before;
    for (pugi::xml_node r : data.children("row")) {
        const int n = r.attribute("r").as_int();
        if (n == row) {
            rowNode = r;
            break;
        }
        if (n > row) {
            before = r;
            break;
        }
    }
    if (!rowNode) {
        rowNode = before ? data.insert_child_before("row", before) : data.append_child("row");
        rowNode.append_attribute("r") = row;
    }
    pugi::xml_node next;
    for (pugi::xml_node c : rowNode.children("c")) {
        const auto cell = a1::parseCell(str(c.attribute("r").value()));
        if (cell && cell->column > column) {
            next = c;
            break;
        }
    }
    pugi::xml_node c = next ? rowNode.insert_child_before("c", next) : rowNode.append_child("c");
    c.append_attribute("r") = utf8(a1::cellName(row, column)).constData();
    // A new cell takes the row's style, as typing into an empty cell does.
    if (pugi::xml_attribute rs = rowNode.attribute("s"); rs && rowNode.attribute("customFormat").as_bool())
        c.append_attribute("s") = rs.value();
    m_cells.insert(key(row, column), c);
    return c;
}

void XlsxSheet::writeCell(pugi::xml_node c, const CellValue &value)
{
    c.remove_attribute("t");
    c.remove_child("f");
    c.remove_child("v");
    c.remove_child("is");
    switch (value.kind) {
    case CellValue::Empty:
        break;
    case CellValue::Number:
        c.append_child("v").text().set(utf8(numberText(value.number)).constData());
        break;
    case CellValue::Text: {
        c.append_attribute("t") = "inlineStr";
        pugi::xml_node t = c.append_child("is").append_child("t");
        t.append_attribute("xml:space") = "preserve";
        t.text().set(utf8(value.text).constData());
        break;
    }
    case CellValue::Formula:
        c.append_child("f").text().set(utf8(value.text.mid(1)).constData());
        break;
    }
}

void XlsxSheet::setValue(const a1::Range &area, const CellValue &value)
{
    m_results.clear();
    for (int r = area.row1; r <= area.row2; ++r)
        for (int col = area.column1; col <= area.column2; ++col) {
            pugi::xml_node c = cellNode(r, col);
            if (!c && value.kind == CellValue::Empty)
                continue; // nothing to clear
            writeCell(c ? c : ensureCell(r, col), value);
        }
}

void XlsxSheet::setText(QStringView address, const QString &typed)
{
    if (const auto area = a1::parseRange(address))
        setValue(*area, CellValue::fromText(typed));
}

CellFormat XlsxSheet::style(int row, int column) const
{
    return m_book.decodeStyle(cellNode(row, column).attribute("s").as_int());
}

void XlsxSheet::setWhiteFill(const a1::Range &area)
{
    for (int r = area.row1; r <= area.row2; ++r)
        for (int col = area.column1; col <= area.column2; ++col) {
            pugi::xml_node c = ensureCell(r, col);
            const int xf = c.attribute("s").as_int();
            if (!c.attribute("s"))
                c.append_attribute("s");
            c.attribute("s") = m_book.whiteFilled(xf);
        }
}

void XlsxSheet::refreshCachedValues()
{
    for (auto it = m_cells.constBegin(); it != m_cells.constEnd(); ++it) {
        pugi::xml_node c = it.value();
        if (!c.child("f"))
            continue;
        const FormulaValue r = result(int(it.key() >> 20), int(it.key() & 0xFFFFF));
        c.remove_attribute("t");
        c.remove_child("v");
        pugi::xml_node v = c.append_child("v");
        switch (r.kind) {
        case FormulaValue::Number:
        case FormulaValue::Empty:
            v.text().set(utf8(numberText(r.number)).constData());
            break;
        case FormulaValue::Text:
            c.append_attribute("t") = "str";
            v.text().set(utf8(r.text).constData());
            break;
        case FormulaValue::Error:
            c.append_attribute("t") = "e";
            v.text().set(utf8(r.text).constData());
            break;
        }
    }
}

QByteArray XlsxSheet::serialized() const
{
    return serialize(m_xml);
}

Result<std::shared_ptr<XlsxBook>> XlsxBook::open(const QString &path)
{
    using R = Result<std::shared_ptr<XlsxBook>>;
    auto package = XlsxPackage::read(path);
    if (!package)
        return R::failure(package.error());
    std::shared_ptr<XlsxBook> book(new XlsxBook);
    book->m_package = std::move(package.value());
    book->m_path = path;
    const QString damaged = u"%1 はブックとして読めません（%2 がありません）"_qs;
    const QString shown = QDir::toNativeSeparators(path);

    if (!parse(book->m_workbook, book->m_package.entry(u"xl/workbook.xml"_qs)))
        return R::failure(damaged.arg(shown, u"xl/workbook.xml"_qs));
    pugi::xml_document rels;
    parse(rels, book->m_package.entry(u"xl/_rels/workbook.xml.rels"_qs));
    QHash<QString, QString> targets;
    for (pugi::xml_node r : rels.child("Relationships").children("Relationship"))
        targets.insert(str(r.attribute("Id").value()), str(r.attribute("Target").value()));

    pugi::xml_document shared;
    if (parse(shared, book->m_package.entry(u"xl/sharedStrings.xml"_qs)))
        for (pugi::xml_node si : shared.child("sst").children("si"))
            book->m_shared.append(runText(si));
    parse(book->m_styles, book->m_package.entry(u"xl/styles.xml"_qs));

    for (pugi::xml_node s : book->m_workbook.child("workbook").child("sheets").children("sheet")) {
        QString target = targets.value(str(s.attribute("r:id").value()));
        target = target.startsWith(u'/') ? target.mid(1) : u"xl/"_qs + target;
        const QByteArray xml = book->m_package.entry(target);
        pugi::xml_document probe;
        if (xml.isEmpty() || !parse(probe, xml) || !probe.child("worksheet").child("sheetData"))
            return R::failure(damaged.arg(shown, target));
        book->m_sheets.push_back(
            std::make_unique<XlsxSheet>(*book, str(s.attribute("name").value()), target, xml));
    }
    if (book->m_sheets.empty())
        return R::failure(damaged.arg(shown, u"シート"_qs));
    return book;
}

QStringList XlsxBook::sheetNames() const
{
    QStringList names;
    for (const auto &s : m_sheets)
        names.append(s->name());
    return names;
}

XlsxSheet *XlsxBook::sheet(const QString &name)
{
    for (const auto &s : m_sheets)
        if (s->name() == name)
            return s.get();
    return nullptr;
}

CellFormat XlsxBook::decodeStyle(int xfIndex) const
{
    CellFormat style;
    const pugi::xml_node root = m_styles.child("styleSheet");
    pugi::xml_node xf = root.child("cellXfs").find_child([&, i = 0](pugi::xml_node) mutable { return i++ == xfIndex; });
    if (!xf)
        return style;
    auto nth = [](pugi::xml_node parent, int n) {
        return parent.find_child([&, i = 0](pugi::xml_node) mutable { return i++ == n; });
    };
    const pugi::xml_node font = nth(root.child("fonts"), xf.attribute("fontId").as_int());
    style.fontName = str(font.child("name").attribute("val").value());
    style.fontSize = font.child("sz").attribute("val").as_double(11);
    style.bold = bool(font.child("b"));
    style.underline = bool(font.child("u"));

    const int numFmt = xf.attribute("numFmtId").as_int();
    style.numberFormat = builtinFormat(numFmt);
    for (pugi::xml_node f : root.child("numFmts").children("numFmt"))
        if (f.attribute("numFmtId").as_int() == numFmt)
            style.numberFormat = str(f.attribute("formatCode").value());

    const pugi::xml_node border = nth(root.child("borders"), xf.attribute("borderId").as_int());
    style.edges[CellFormat::Left] = edgeWeight(border.child("left"));
    style.edges[CellFormat::Right] = edgeWeight(border.child("right"));
    style.edges[CellFormat::Top] = edgeWeight(border.child("top"));
    style.edges[CellFormat::Bottom] = edgeWeight(border.child("bottom"));
    if (border.attribute("diagonalDown").as_bool())
        style.edges[CellFormat::Diagonal] = edgeWeight(border.child("diagonal"));

    const pugi::xml_node pattern = nth(root.child("fills"), xf.attribute("fillId").as_int()).child("patternFill");
    style.whiteFill = std::string_view(pattern.attribute("patternType").value()) == "solid"
                      && QString::fromUtf8(pattern.child("fgColor").attribute("rgb").value()).endsWith(u"FFFFFF");

    const pugi::xml_node align = xf.child("alignment");
    style.hAlign = hAlignCode(align.attribute("horizontal").value());
    style.vAlign = vAlignCode(align.attribute("vertical").value());
    style.shrink = align.attribute("shrinkToFit").as_bool();
    style.wrap = align.attribute("wrapText").as_bool();
    const int rotation = align.attribute("textRotation").as_int();
    style.rotation = rotation > 90 && rotation <= 180 ? 90 - rotation : rotation;
    return style;
}

int XlsxBook::whiteFilled(int xf)
{
    if (auto it = m_whiteXf.constFind(xf); it != m_whiteXf.constEnd())
        return *it;
    pugi::xml_node root = m_styles.child("styleSheet");
    pugi::xml_node fills = root.child("fills");
    if (!fills)
        fills = root.prepend_child("fills");
    pugi::xml_node pattern = fills.append_child("fill").append_child("patternFill");
    pattern.append_attribute("patternType") = "solid";
    pattern.append_child("fgColor").append_attribute("rgb") = "FFFFFFFF";
    pattern.append_child("bgColor").append_attribute("indexed") = 64;
    const auto fillCount = int(std::distance(fills.children("fill").begin(), fills.children("fill").end()));
    if (fills.attribute("count"))
        fills.attribute("count") = fillCount;

    pugi::xml_node xfs = root.child("cellXfs");
    pugi::xml_node source = xfs.find_child([&, i = 0](pugi::xml_node) mutable { return i++ == xf; });
    pugi::xml_node copy = source ? xfs.append_copy(source) : xfs.append_child("xf");
    for (const char *name : {"fillId", "applyFill"})
        if (!copy.attribute(name))
            copy.append_attribute(name);
    copy.attribute("fillId") = fillCount - 1;
    copy.attribute("applyFill") = 1;
    const auto xfCount = int(std::distance(xfs.children("xf").begin(), xfs.children("xf").end()));
    if (xfs.attribute("count"))
        xfs.attribute("count") = xfCount;
    m_whiteXf.insert(xf, xfCount - 1);
    return xfCount - 1;
}

Status XlsxBook::save(const QString &path)
{
    for (const auto &s : m_sheets) {
        s->refreshCachedValues();
        m_package.setEntry(s->entryName(), s->serialized());
    }
    m_package.setEntry(u"xl/styles.xml"_qs, serialize(m_styles));
    // Ask the application to recalculate everything when it opens the file.
    pugi::xml_node wb = m_workbook.child("workbook");
    pugi::xml_node calc = wb.child("calcPr");
    if (!calc) {
        pugi::xml_node after = wb.child("definedNames") ? wb.child("definedNames") : wb.child("sheets");
        calc = wb.insert_child_after("calcPr", after);
    }
    if (!calc.attribute("fullCalcOnLoad"))
        calc.append_attribute("fullCalcOnLoad");
    calc.attribute("fullCalcOnLoad") = 1;
    m_package.setEntry(u"xl/workbook.xml"_qs, serialize(m_workbook));
    return m_package.write(path);
}
