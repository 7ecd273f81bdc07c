#pragma once

#include "output/sheetdoubleclick.h"

#include <QObject>

#include <functional>
#include <optional>

class EstimateDocument;
class Host;
class SheetGrid;

// Opens the calculator for the estimate sheet: a double-click on an amount or a rate that is typed
// on the calculator, and a drag over "圧縮率" or "提出率". What the user enters goes to the sheet's
// edits (sheetvalueedits.h); closing the calculator without a value changes nothing.
class SheetCalculatorLink : public QObject
{
    Q_OBJECT

public:
    // Shows the calculator in input mode, its percent key reading "工数" when `labourKey`, and
    // returns the value entered, or nullopt.
    using Ask = std::function<std::optional<QString>(bool labourKey)>;

    SheetCalculatorLink(EstimateDocument &doc, Host &host, SheetGrid *sheet, Ask ask, QObject *parent = nullptr);

signals:
    void documentChanged();

private:
    void entryRequested(const sheetclick::Request &request);
    void rangeEditRequested();

    EstimateDocument &m_doc;
    Host &m_host;
    Ask m_ask;
};
