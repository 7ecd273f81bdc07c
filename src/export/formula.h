#pragma once

#include <QString>
#include <QStringView>

// The result of a worksheet formula, or the content of a cell as formulas see it.
struct FormulaValue {
    enum Kind { Empty, Number, Text, Error };
    Kind kind = Empty;
    double number = 0;
    QString text; // the text, or the error code ("#DIV/0!", "#VALUE!", "#NAME?")

    static FormulaValue ofNumber(double n) { return {Number, n, {}}; }
    static FormulaValue ofText(const QString &t) { return {Text, 0, t}; }
    static FormulaValue error(const QString &code) { return {Error, 0, code}; }
    // The value as a spreadsheet shows it in General format (numbers in the shortest form).
    QString displayText() const;
};

// Where a formula takes the values of the cells it refers to (rows and columns 1-based).
class FormulaCells
{
public:
    virtual ~FormulaCells() = default;
    virtual FormulaValue cellValue(int row, int column) = 0;
};

// Evaluates a formula text ("=..."), as a spreadsheet application does for the functions and
// operators the workbooks use: + - * / ^, comparisons, parentheses, cell references with or
// without "$", ranges inside SUM, and IF, ROUND, SUM, ISBLANK (names in any case). Empty cells
// count as 0 in arithmetic and as "" in comparisons; text in arithmetic gives #VALUE!, a
// division by zero #DIV/0!, and errors pass through.
FormulaValue evaluateFormula(QStringView formula, FormulaCells &cells);

// ROUND as the spreadsheet does it: half away from zero on the 15-digit decimal value.
double spreadsheetRound(double value, int digits);
