#pragma once

#include <QStringList>

class EstimateDocument;

// Column titles of the main window's grids as start-up sets them.
namespace titles {

QStringList lineTable();       // StringGrid1
QStringList lineTableAfterRead(); // StringGrid1 after an estimate file was read
QStringList itemView();        // StringGrid5
QStringList sheet();           // StringGrid6
QStringList itemTable();       // StringGrid7
QStringList conditions();      // StringGrid8

} // namespace titles
