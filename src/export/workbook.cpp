#include "export/workbook.h"

#include "export/scratchbuild.h"

#include <xlsxwriter.h>

namespace {

uint8_t edgeStyle(unsigned char weight)
{
    switch (weight) {
    case CellFormat::Hairline:
        return LXW_BORDER_HAIR;
    case CellFormat::Thin:
        return LXW_BORDER_THIN;
    default:
        return LXW_BORDER_NONE;
    }
}

uint8_t horizontal(unsigned char code)
{
    switch (code) {
    case CellFormat::HLeft:
        return LXW_ALIGN_LEFT;
    case CellFormat::HCentre:
        return LXW_ALIGN_CENTER;
    case CellFormat::HRight:
        return LXW_ALIGN_RIGHT;
    case CellFormat::HJustify:
        return LXW_ALIGN_JUSTIFY;
    case CellFormat::HCentreAcross:
        return LXW_ALIGN_CENTER_ACROSS;
    default:
        return LXW_ALIGN_NONE;
    }
}

uint8_t vertical(unsigned char code)
{
    switch (code) {
    case CellFormat::VTop:
        return LXW_ALIGN_VERTICAL_TOP;
    case CellFormat::VCentre:
        return LXW_ALIGN_VERTICAL_CENTER;
    case CellFormat::VBottom:
        return LXW_ALIGN_VERTICAL_BOTTOM;
    default:
        return LXW_ALIGN_NONE;
    }
}

lxw_format *makeFormat(lxw_workbook *wb, const CellFormat &s)
{
    lxw_format *f = workbook_add_format(wb);
    if (!s.fontName.isEmpty())
        format_set_font_name(f, s.fontName.toUtf8().constData());
    format_set_font_size(f, s.fontSize);
    if (s.bold)
        format_set_bold(f);
    if (s.underline)
        format_set_underline(f, LXW_UNDERLINE_SINGLE);
    if (s.hAlign != CellFormat::HGeneral)
        format_set_align(f, horizontal(s.hAlign));
    if (s.vAlign != CellFormat::VDefault)
        format_set_align(f, vertical(s.vAlign));
    if (s.shrink)
        format_set_shrink(f);
    if (s.wrap)
        format_set_text_wrap(f);
    if (!s.numberFormat.isEmpty())
        format_set_num_format(f, s.numberFormat.toUtf8().constData());
    if (s.edges[CellFormat::Left])
        format_set_left(f, edgeStyle(s.edges[CellFormat::Left]));
    if (s.edges[CellFormat::Right])
        format_set_right(f, edgeStyle(s.edges[CellFormat::Right]));
    if (s.edges[CellFormat::Top])
        format_set_top(f, edgeStyle(s.edges[CellFormat::Top]));
    if (s.edges[CellFormat::Bottom])
        format_set_bottom(f, edgeStyle(s.edges[CellFormat::Bottom]));
    if (s.edges[CellFormat::Diagonal]) {
        format_set_diag_type(f, LXW_DIAGONAL_BORDER_DOWN);
        format_set_diag_border(f, edgeStyle(s.edges[CellFormat::Diagonal]));
    }
    if (s.whiteFill) {
        format_set_pattern(f, LXW_PATTERN_SOLID);
        format_set_bg_color(f, LXW_COLOR_WHITE);
    }
    if (s.rotation)
        format_set_rotation(f, int16_t(s.rotation));
    return f;
}

void writePageSetup(lxw_worksheet *ws, const PageSetup &p)
{
    constexpr double inch = 72;
    worksheet_set_margins(ws, p.leftMargin / inch, p.rightMargin / inch, p.topMargin / inch,
                          p.bottomMargin / inch);
    lxw_header_footer_options header{};
    header.margin = p.headerMargin / inch;
    lxw_header_footer_options footer{};
    footer.margin = p.footerMargin / inch;
    worksheet_set_header_opt(ws, "", &header);
    worksheet_set_footer_opt(ws, "", &footer);
    if (p.zoomOff && (p.fitTall || p.fitWide))
        worksheet_fit_to_pages(ws, uint16_t(p.fitWide), uint16_t(p.fitTall));
    if (p.centreHorizontally)
        worksheet_center_horizontally(ws);
    if (p.centreVertically)
        worksheet_center_vertically(ws);
    if (p.landscape)
        worksheet_set_landscape(ws);
    if (p.paperSize)
        worksheet_set_paper(ws, uint8_t(p.paperSize));
    if (const auto area = a1::parseRange(p.printArea))
        worksheet_print_area(ws, lxw_row_t(area->row1 - 1), lxw_col_t(area->column1 - 1),
                             lxw_row_t(area->row2 - 1), lxw_col_t(area->column2 - 1));
}

void writeSheet(lxw_workbook *wb, const Worksheet &sheet)
{
    lxw_worksheet *ws = workbook_add_worksheet(wb, sheet.name().toUtf8().constData());
    std::vector<lxw_format *> formats(size_t(sheet.styleCount()), nullptr);
    auto format = [&](int id) -> lxw_format * {
        if (id == 0)
            return nullptr;
        if (!formats[size_t(id)])
            formats[size_t(id)] = makeFormat(wb, sheet.styleById(id));
        return formats[size_t(id)];
    };

    for (const auto &[column, width] : sheet.columnWidths()) {
        lxw_row_col_options hidden{1, 0, 0};
        worksheet_set_column_opt(ws, lxw_col_t(column - 1), lxw_col_t(column - 1), width, nullptr,
                                 width == 0 ? &hidden : nullptr);
    }
    for (const auto &[row, height] : sheet.rowHeights())
        worksheet_set_row(ws, lxw_row_t(row - 1), height, nullptr);
    for (const a1::Range &m : sheet.merges())
        worksheet_merge_range(ws, lxw_row_t(m.row1 - 1), lxw_col_t(m.column1 - 1), lxw_row_t(m.row2 - 1),
                              lxw_col_t(m.column2 - 1), "", format(sheet.styleId(m.row1, m.column1)));

    QByteArray utf8;
    for (int r = 1; r <= sheet.rowCount(); ++r) {
        const int columns = sheet.columnCount(r);
        for (int c = 1; c <= columns; ++c) {
            const CellValue &v = sheet.value(r, c);
            lxw_format *f = format(sheet.styleId(r, c));
            const auto row = lxw_row_t(r - 1);
            const auto col = lxw_col_t(c - 1);
            switch (v.kind) {
            case CellValue::Empty:
                if (f)
                    worksheet_write_blank(ws, row, col, f);
                break;
            case CellValue::Number:
                worksheet_write_number(ws, row, col, v.number, f);
                break;
            case CellValue::Text:
                utf8 = v.text.toUtf8();
                worksheet_write_string(ws, row, col, utf8.constData(), f);
                break;
            case CellValue::Formula: {
                utf8 = v.text.toUtf8();
                const FormulaValue result = sheet.result(r, c);
                if (result.kind == FormulaValue::Number)
                    worksheet_write_formula_num(ws, row, col, utf8.constData(), f, result.number);
                else
                    worksheet_write_formula_str(ws, row, col, utf8.constData(), f,
                                                result.text.toUtf8().constData());
                break;
            }
            }
        }
    }

    writePageSetup(ws, sheet.pageSetup());
    auto breaks = [](const std::vector<int> &at) {
        std::vector<lxw_row_t> b;
        for (int n : at)
            if (n > 1 && b.size() < 1000)
                b.push_back(lxw_row_t(n - 1));
        b.push_back(0);
        return b;
    };
    if (!sheet.rowBreaks().empty())
        worksheet_set_h_pagebreaks(ws, breaks(sheet.rowBreaks()).data());
    if (!sheet.columnBreaks().empty()) {
        const auto b = breaks(sheet.columnBreaks());
        std::vector<lxw_col_t> cols(b.begin(), b.end());
        worksheet_set_v_pagebreaks(ws, cols.data());
    }
}

} // namespace

void Workbook::ensureSheets(int count)
{
    while (sheetCount() < count)
        m_sheets.push_back(std::make_unique<Worksheet>(u"Sheet%1"_qs.arg(sheetCount() + 1)));
}

Status Workbook::save(const QString &path) const
{
    const ScratchBuild build(path);
    if (!build.ready())
        return build.failure();

    // Without merged areas and row heights every sheet is written strictly row by row, so the
    // library can stream the rows out instead of holding every cell: much faster for long lists.
    bool streamable = true;
    for (const auto &sheet : m_sheets)
        streamable = streamable && sheet->merges().empty() && sheet->rowHeights().empty();
    lxw_workbook_options options{};
    options.constant_memory = streamable ? LXW_TRUE : LXW_FALSE;
    lxw_workbook *wb = workbook_new_opt(build.scratchName().constData(), &options);
    if (!wb)
        return build.failure();
    for (const auto &sheet : m_sheets)
        writeSheet(wb, *sheet);
    const lxw_error error = workbook_close(wb);
    if (error != LXW_NO_ERROR)
        return build.failure(QString::fromUtf8(lxw_strerror(error)));
    return build.install();
}
