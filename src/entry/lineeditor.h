#pragma once

#include <QObject>
#include <QPoint>

#include <functional>

class EstimateDocument;
class Host;
class ItemViewGrid;
class LineGrid;
class QAction;
class QMenu;
class SheetGrid;
class TForm2;
namespace sheetclick {
struct Request;
}

// The editing of lines in the main window's grids: a double-click reopens a line in the data
// entry window, a drag over a factor column fills it, and the pop-up menu PopupMenu1 deletes and
// moves lines. It also answers the estimate sheet's double-clicks that need the keypad, the unit
// window or the data entry window. The main window creates it and shows what it changes.
class LineEditor : public QObject
{
    Q_OBJECT

public:
    LineEditor(EstimateDocument &doc, Host &host, LineGrid *lines, ItemViewGrid *itemView, SheetGrid *sheet,
               TForm2 *entry, QObject *parent);

    QMenu *popupMenu() const { return m_menu; }

    // The calculator in its input mode: shows it modally; what it enters lands in the keypad's
    // display (doc.keypadText). Until it is given, a drag over a factor column fills nothing.
    void setCalculatorInput(std::function<void()> input) { m_calculatorInput = std::move(input); }

signals:
    void documentChanged();
    // "コード表示" / "コード非表示".
    void codeColumnsRequested(bool open);
    // "先頭行へ移動" / "最終行へ移動".
    void firstRowsRequested();
    void lastRowsRequested();
    // A double-click on a row without a line: the material menu as "材料選択" opens it.
    void materialMenuRequested();

private:
    void createMenu();
    void showMenu(const QString &number, const QPoint &globalPos);
    void StringGrid1DblClick(int column, int row);
    void StringGrid1MouseUp(int column, int row, Qt::MouseButton button, const QPoint &globalPos);
    void StringGrid5DblClick(int column, int row);
    void StringGrid5MouseUp(int column, int row, Qt::MouseButton button, const QPoint &globalPos);
    void sheetRequest(const sheetclick::Request &request);
    // Shows the data entry window for the form as opened; true when it registered.
    bool showEntry();
    // Asks the calculator for a value; empty when nothing was entered.
    QString calculatorValue();
    void N3Click();
    void N31Click();
    void N37Click();
    void N23Click();
    void N22Click();
    void changed();

    EstimateDocument &m_doc;
    Host &m_host;
    LineGrid *m_lines;
    ItemViewGrid *m_itemView;
    SheetGrid *m_sheet;
    TForm2 *m_entry;
    QMenu *m_menu = nullptr;
    std::function<void()> m_calculatorInput;
};
