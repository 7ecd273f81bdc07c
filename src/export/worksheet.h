#pragma once

#include "export/a1.h"
#include "export/cellformat.h"
#include "export/formula.h"

#include <QHash>
#include <QString>

#include <map>
#include <vector>

class Worksheet;

// What a cell holds: nothing, a number, text, or a formula ("=..." in `text`).
struct CellValue {
    enum Kind { Empty, Number, Text, Formula };
    Kind kind = Empty;
    double number = 0;
    QString text;

    // The value a text written into a cell becomes, as the spreadsheet application reads typed
    // text: "=..." a formula, a leading "'" forces text (and is dropped), decimal text (with
    // optional thousands separators) a number, anything else text. `grouped` is set when the
    // number was written with separators.
    static CellValue fromText(const QString &text, bool *grouped = nullptr);
};

// Page set-up of a sheet. Margins in points.
struct PageSetup {
    double topMargin = 54, bottomMargin = 54, leftMargin = 50.4, rightMargin = 50.4;
    double headerMargin = 21.6, footerMargin = 21.6;
    // Fitting to pages takes effect only with the zoom turned off, as in the spreadsheet
    // application; with the zoom on, the page breaks decide.
    bool zoomOff = false;
    int fitTall = 0, fitWide = 0; // 0: not fitted
    bool centreHorizontally = false, centreVertically = false;
    bool landscape = false;
    int paperSize = 0; // 0: the application's default
    QString printArea;
};

// A rectangle of cells of one sheet on which values and formats are set, as the workbook
// layouts address them. Every setter applies to each cell of the rectangle.
class Range
{
public:
    Range(Worksheet &sheet, const a1::Range &area) : m_sheet(sheet), m_area(area) {}

    const a1::Range &area() const { return m_area; }

    // A typed text (see CellValue::fromText); a number; a formula with "=".
    Range &setValue(const QString &text);
    Range &setNumber(double value);
    // Writes "1,000" and then the value, which leaves a thousands-separator format.
    Range &separatorWrite(const QString &text);
    Range &separatorWrite(double value);

    Range &setFontName(const QString &name);
    Range &setFontSize(double points);
    Range &setBold(bool on = true);
    Range &setUnderline(bool on = true);
    Range &setHAlign(int code);
    Range &setVAlign(int code);
    Range &setShrink(bool on = true);
    Range &setWrap(bool on = true);
    Range &setNumberFormat(const QString &format);
    Range &setWhiteFill(bool on = true);
    Range &setOrientation(int degrees);
    // A continuous line on edge `edge` of every cell (thin unless a weight is given).
    Range &setBorder(int edge, int weight = CellFormat::Thin);
    // Changes the weight of an edge of every cell (drawing it where there was none).
    Range &setBorderWeight(int edge, int weight);
    Range &removeBorder(int edge);

    // Merges each row of the range; merges the whole block.
    Range &merge();
    Range &mergeCells();

private:
    template<typename F>
    Range &restyle(F change);

    Worksheet &m_sheet;
    a1::Range m_area;
};

// One sheet of a workbook held in memory: cells with values and styles, column widths, row
// heights, merged areas, page set-up and page breaks. Rows and columns are 1-based.
class Worksheet : public FormulaCells
{
public:
    explicit Worksheet(const QString &name = {});

    const QString &name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }

    // A range by address ("B7", "B7:D9"); an invalid address is a programming error.
    Range range(QStringView address);
    Range cells(int row, int column) { return Range(*this, {row, column, row, column}); }
    Range cells(int row1, int column1, int row2, int column2)
    {
        return Range(*this, {row1, column1, row2, column2});
    }

    const CellValue &value(int row, int column) const;
    void setValue(int row, int column, CellValue value);
    const CellFormat &style(int row, int column) const;
    int styleId(int row, int column) const;
    void setStyleId(int row, int column, int id);
    const CellFormat &styleById(int id) const { return m_styles[size_t(id)]; }
    int styleCount() const { return int(m_styles.size()); }
    int internStyle(const CellFormat &style);

    // The value of a cell as formulas see it; a formula cell gives its computed result.
    FormulaValue result(int row, int column) const;
    FormulaValue cellValue(int row, int column) override { return result(row, column); }
    // The value shown in General format, as reading a cell back as text gives it.
    QString text(int row, int column) const { return result(row, column).displayText(); }

    int rowCount() const { return int(m_rows.size()); }
    int columnCount(int row) const;

    void setColumnWidth(int column, double width) { m_columnWidths[column] = width; }
    const std::map<int, double> &columnWidths() const { return m_columnWidths; }
    void setRowHeight(int row, double height) { m_rowHeights[row] = height; }
    const std::map<int, double> &rowHeights() const { return m_rowHeights; }

    // Adds a merged area; areas it overlaps are joined into one, as the application does.
    void addMerge(const a1::Range &area);
    const std::vector<a1::Range> &merges() const { return m_merges; }

    PageSetup &pageSetup() { return m_page; }
    const PageSetup &pageSetup() const { return m_page; }
    // Page breaks before a row or a column.
    void addRowBreak(int row) { m_rowBreaks.push_back(row); }
    void addColumnBreak(int column) { m_columnBreaks.push_back(column); }
    const std::vector<int> &rowBreaks() const { return m_rowBreaks; }
    const std::vector<int> &columnBreaks() const { return m_columnBreaks; }

private:
    struct Cell {
        CellValue value;
        int style = 0;
    };
    Cell &at(int row, int column);
    const Cell *find(int row, int column) const;

    QString m_name;
    std::vector<std::vector<Cell>> m_rows;
    std::vector<CellFormat> m_styles;
    QHash<CellFormat, int> m_styleIds;
    std::map<int, double> m_columnWidths;
    std::map<int, double> m_rowHeights;
    std::vector<a1::Range> m_merges;
    PageSetup m_page;
    std::vector<int> m_rowBreaks, m_columnBreaks;
    mutable QHash<qint64, FormulaValue> m_results;
    mutable QHash<qint64, bool> m_evaluating;
};
