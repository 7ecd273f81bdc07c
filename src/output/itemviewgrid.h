#pragma once

#include "widgets/gridview.h"

class EstimateDocument;
class Host;

// StringGrid5, the item view: the lines of the current item.
class ItemViewGrid : public GridView
{
    Q_OBJECT

public:
    ItemViewGrid(EstimateDocument &doc, Host &host, QWidget *parent);

    void setCodeColumnsOpen(bool open);

signals:
    void documentChanged();
    void pointerReleased(const QPoint &globalPos);
    // A release for the line editing (pop-up menu, pending move, drag fill); not sent for the
    // release that follows opening a file.
    void lineReleased(int column, int row, Qt::MouseButton button, const QPoint &globalPos);

private:
    void StringGrid5MouseDown(int column, int row, Qt::MouseButton button);
    void StringGrid5MouseUp(int column, int row, Qt::MouseButton button, const QPoint &globalPos);

    EstimateDocument &m_doc;
    Host &m_host;
};
