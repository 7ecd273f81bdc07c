#pragma once

#include "export/workbook.h"
#include "export/xlsxbook.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// Writes workbooks to a temporary folder and reads them back through the package reader, so that
// tests check the cells of the real .xlsx file.
struct WrittenBook {
    QTemporaryDir dir;
    std::shared_ptr<XlsxBook> book;

    void write(const Workbook &workbook, const QString &name = u"book.xlsx"_qs)
    {
        const QString path = dir.filePath(name);
        const Status saved = workbook.save(path);
        ASSERT_TRUE(saved.ok()) << saved.error().toStdString();
        auto opened = XlsxBook::open(path);
        ASSERT_TRUE(opened.ok()) << opened.error().toStdString();
        book = opened.value();
    }

    XlsxSheet &sheet(const QString &name)
    {
        XlsxSheet *s = book->sheet(name);
        EXPECT_NE(s, nullptr) << name.toStdString();
        return *s;
    }
};

// A cell of a read-back sheet by address.
inline a1::Cell at(QStringView address)
{
    return *a1::parseCell(address);
}

inline QString textAt(XlsxSheet &sheet, QStringView address)
{
    const a1::Cell c = at(address);
    return sheet.text(c.row, c.column);
}

inline QString formulaAt(const XlsxSheet &sheet, QStringView address)
{
    const a1::Cell c = at(address);
    return sheet.formula(c.row, c.column);
}

inline CellFormat styleAt(const XlsxSheet &sheet, QStringView address)
{
    const a1::Cell c = at(address);
    return sheet.style(c.row, c.column);
}

// The merged areas of a sheet as written in the file.
inline QStringList mergesOf(const XlsxSheet &sheet)
{
    QStringList refs;
    for (pugi::xml_node m : sheet.xml().child("worksheet").child("mergeCells").children("mergeCell"))
        refs.append(QString::fromUtf8(m.attribute("ref").value()));
    return refs;
}

// Width of a column (1-based) as stored in the file (with the cell padding), or -1.
inline double columnWidthOf(const XlsxSheet &sheet, int column)
{
    for (pugi::xml_node c : sheet.xml().child("worksheet").child("cols").children("col"))
        if (c.attribute("min").as_int() <= column && column <= c.attribute("max").as_int())
            return c.attribute("hidden").as_bool() ? 0 : c.attribute("width").as_double();
    return -1;
}

inline double rowHeightOf(const XlsxSheet &sheet, int row)
{
    for (pugi::xml_node r : sheet.xml().child("worksheet").child("sheetData").children("row"))
        if (r.attribute("r").as_int() == row)
            return r.attribute("ht").as_double(-1);
    return -1;
}

// Row numbers before which a page break is written.
inline std::vector<int> rowBreaksOf(const XlsxSheet &sheet)
{
    std::vector<int> rows;
    for (pugi::xml_node b : sheet.xml().child("worksheet").child("rowBreaks").children("brk"))
        rows.push_back(b.attribute("id").as_int() + 1);
    return rows;
}
