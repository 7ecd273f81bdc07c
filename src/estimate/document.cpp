#include "estimate/document.h"

#include "estimate/columns.h"
#include "estimate/titles.h"

EstimateDocument::EstimateDocument(QObject *parent)
    : QObject(parent),
      lines(linecol::Count, 35),
      items(itemcol::Count, 30),
      itemView(linecol::Count, 35),
      sheet(sheetcol::Count, 35),
      conditions(3, 46),
      tally(24, 2)
{
    lines.setRow(0, titles::lineTable());
    items.setRow(0, titles::itemTable());
    itemView.setRow(0, titles::itemView());
    sheet.setRow(0, titles::sheet());
    conditions.setRow(0, titles::conditions());
    for (int r = 1; r <= 45; ++r)
        conditions.setCell(0, r, QString::number(r));
}
