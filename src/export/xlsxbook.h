#pragma once

#include "base/result.h"
#include "export/a1.h"
#include "export/cellformat.h"
#include "export/formula.h"
#include "export/worksheet.h"
#include "export/xlsxpackage.h"

#include <QHash>
#include <QStringList>

#include <memory>
#include <pugixml.hpp>
#include <vector>

class XlsxBook;

// One sheet of an existing .xlsx file, read and changed in place: cell values and formulas are
// rewritten while every style and layout of the file is kept. Rows and columns are 1-based.
class XlsxSheet : public FormulaCells
{
public:
    XlsxSheet(XlsxBook &book, const QString &name, const QString &entry, const QByteArray &xml);

    const QString &name() const { return m_name; }

    // The value as formulas see it; formula cells are computed from the current cells.
    FormulaValue result(int row, int column);
    FormulaValue cellValue(int row, int column) override { return result(row, column); }
    QString text(int row, int column) { return result(row, column).displayText(); }
    // The formula of a cell with its "=", or empty text.
    QString formula(int row, int column) const;
    // The value stored in the file for the cell (a formula's cached result), not recomputed.
    FormulaValue storedValue(int row, int column) const;

    // Writes a value into each cell of `area`, keeping the cells' styles.
    void setValue(const a1::Range &area, const CellValue &value);
    void setText(QStringView address, const QString &typed);
    // The decoded style of a cell.
    CellFormat style(int row, int column) const;
    // Fills the cells white, keeping the rest of their styles.
    void setWhiteFill(const a1::Range &area);

    // Stores every formula's computed value as its cached result.
    void refreshCachedValues();

    const pugi::xml_document &xml() const { return m_xml; }
    const QString &entryName() const { return m_entry; }
    QByteArray serialized() const;

private:
    pugi::xml_node cellNode(int row, int column) const;
    pugi::xml_node ensureCell(int row, int column);
    void writeCell(pugi::xml_node c, const CellValue &value);
    void index();

    XlsxBook &m_book;
    QString m_name;
    QString m_entry;
    pugi::xml_document m_xml;
    QHash<qint64, pugi::xml_node> m_cells;
    QHash<qint64, FormulaValue> m_results;
    QHash<qint64, bool> m_evaluating;
};

// An existing .xlsx workbook opened for reading and filling.
class XlsxBook
{
public:
    // Reads the workbook; a missing, unreadable or damaged file gives the reason.
    static Result<std::shared_ptr<XlsxBook>> open(const QString &path);

    QStringList sheetNames() const;
    // The sheet of that name, or null.
    XlsxSheet *sheet(const QString &name);

    // Writes the filled workbook to `path` (whole or not at all); the application recalculates
    // it when it opens it.
    Status save(const QString &path);

    // Shared strings and styles, for the sheets.
    QString sharedString(int index) const { return m_shared.value(index); }
    CellFormat decodeStyle(int xf) const;
    // The style index of `xf` with a white solid fill.
    int whiteFilled(int xf);

private:
    XlsxBook() = default;

    XlsxPackage m_package;
    QString m_path;
    QStringList m_shared;
    pugi::xml_document m_styles;
    pugi::xml_document m_workbook;
    std::vector<std::unique_ptr<XlsxSheet>> m_sheets;
    QHash<int, int> m_whiteXf;
};
