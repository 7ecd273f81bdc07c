#pragma once

#include "base/result.h"
#include "export/worksheet.h"

#include <QString>

#include <memory>
#include <vector>

// A workbook built in memory and written as an .xlsx file: the stand-in for the spreadsheet
// application the export operations drive. Sheets are numbered from 1.
class Workbook
{
public:
    // Appends sheets ("Sheet1", "Sheet2" …) until there are `count`.
    void ensureSheets(int count);
    int sheetCount() const { return int(m_sheets.size()); }
    Worksheet &sheet(int number) { return *m_sheets[size_t(number - 1)]; }
    const Worksheet &sheet(int number) const { return *m_sheets[size_t(number - 1)]; }

    // Writes the workbook to `path`. The file appears whole or not at all: it is written beside
    // the destination under a temporary name and renamed. Every formula cell carries its computed
    // value. On failure the message names the file and the reason.
    Status save(const QString &path) const;

private:
    std::vector<std::unique_ptr<Worksheet>> m_sheets;
};
