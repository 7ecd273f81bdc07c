#pragma once

#include "widgets/gridview.h"
#include "output/sheetdoubleclick.h"

class EstimateDocument;
class Host;
class QMenu;

// StringGrid6, the estimate sheet on screen, with its pop-up menu PopupMenu3. Handlers read what
// the user did, call the core and tell the window to refresh.
class SheetGrid : public GridView
{
    Q_OBJECT

public:
    SheetGrid(EstimateDocument &doc, Host &host, QWidget *parent);

    QMenu *popupMenu() const { return m_menu; }
    // Sheet columns 0 to 6 at design width (hidden) or with the code columns open.
    void setCodeColumnsOpen(bool open);
    // The price and remark columns (14, 16, 17, 19, 20, 21) share the visible width left by the
    // other columns, so that the last column ends at the scroll bar.
    void fitPriceColumns();

signals:
    void documentChanged();
    void codeColumnsRequested(bool open);
    void settingsRequested(const QString &field);
    void pointerReleased(const QPoint &globalPos);
    // A double click that needs the keypad, unit, calculator or data-entry window.
    void entryRequested(const sheetclick::Request &request);
    // A left drag within "圧縮率" or "提出率" over different rows: the calculator asks for the rate.
    void rangeEditRequested();

protected:
    bool viewportEvent(QEvent *event) override;

private:
    void createMenu();
    void StringGrid6MouseDown(int column, int row, Qt::MouseButton button);
    void StringGrid6MouseUp(int column, int row, Qt::MouseButton button, const QPoint &globalPos);
    void StringGrid6DblClick();
    void N25Click();
    void N26Click();
    void N28Click();

    EstimateDocument &m_doc;
    Host &m_host;
    QMenu *m_menu = nullptr;
    QAction *m_sum = nullptr;
};
