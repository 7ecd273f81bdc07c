#include "entry/linegridedit.h"

#include "base/numbers.h"
#include "entry/carryover.h"
#include "entry/entryform.h"
#include "entry/entryopenings.h"
#include "entry/linetable.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/lineorders.h"
#include "estimate/views.h"

namespace linegridedit {

namespace {

bool opensNothing(int column)
{
    return column >= linecol::Corrected && column <= linecol::InputNo;
}

bool sameLine(const EstimateDocument &doc, int row, int viewRow)
{
    return doc.lines.cell(linecol::InputNo, row) == doc.itemView.cell(linecol::InputNo, viewRow)
        && doc.lines.cell(linecol::Name, row) == doc.itemView.cell(linecol::Name, viewRow);
}

} // namespace

Open openFromWholeView(EntryForm &f, const EstimateDocument &doc, int row, int column)
{
    if (row < 1 || doc.lines.cell(linecol::No, row).isEmpty())
        return Open::MaterialMenu;
    if (opensNothing(column))
        return Open::Nothing;
    entryopenings::openLine(f, doc, row, column);
    f.carryOver = carryover::forWholeView(column);
    return Open::Window;
}

Open openFromItemView(EntryForm &f, const EstimateDocument &doc, int viewRow, int column)
{
    const int row = lineOfViewRow(doc, viewRow);
    if (row == 0)
        return Open::MaterialMenu;
    if (opensNothing(column))
        return Open::Nothing;
    entryopenings::openLine(f, doc, row, column);
    f.carryOver = carryover::forItemView(column);
    return Open::Window;
}

int lineOfViewRow(const EstimateDocument &doc, int viewRow)
{
    const QString &number = doc.itemView.cell(linecol::No, viewRow);
    if (viewRow < 1 || num::isBlank(number))
        return 0;
    // The view holds copies: its row number names the line unless the table was sorted since.
    if (num::isNumber(number)) {
        const int row = int(num::toNumber(number));
        if (row >= 1 && row <= doc.st1count && sameLine(doc, row, viewRow))
            return row;
    }
    for (int row = 1; row <= doc.st1count; ++row)
        if (sameLine(doc, row, viewRow))
            return row;
    return 0;
}

void deleteChosenLine(EstimateDocument &doc, Host &host)
{
    if (doc.controls.showItemView) {
        const int row = lineOfViewRow(doc, doc.uy5);
        if (row == 0)
            return;
        linetable::deleteLine(doc, row);
        views::itemView(doc, host);
        return;
    }
    linetable::deleteLine(doc, doc.uy1);
}

MenuState menuState(const EstimateDocument &doc, const QString &number)
{
    MenuState m;
    m.deleteLine = !number.isEmpty() && number != u" ";
    const QString &label = doc.controls.Label18.text;
    if (label == QStringView(views::wholeCodeLabel)) {
        m.markForMove = false;
        m.moveUpDown = false;
    } else if (label == QStringView(views::wholeInputLabel)) {
        m.inputOrder = false;
        m.markForMove = false;
    }
    return m;
}

void sortAfterMenu(EstimateDocument &doc)
{
    if (doc.controls.Label18.text != QStringView(views::wholeCodeLabel))
        return;
    const bool chosen = doc.uy1 >= 1 && doc.uy1 <= doc.st1count;
    const QString input = chosen ? doc.lines.cell(linecol::InputNo, doc.uy1) : QString();
    const QString name = chosen ? doc.lines.cell(linecol::Name, doc.uy1) : QString();
    lineorders::codeOrder(doc);
    if (!chosen)
        return;
    for (int row = 1; row <= doc.st1count; ++row) {
        if (doc.lines.cell(linecol::InputNo, row) == input && doc.lines.cell(linecol::Name, row) == name) {
            doc.uy1 = row;
            doc.uy1b = row;
            return;
        }
    }
}

} // namespace linegridedit
