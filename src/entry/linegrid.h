#pragma once

#include "widgets/gridview.h"

class EstimateDocument;
class Host;

// StringGrid1, the estimate line table in the whole view.
class LineGrid : public GridView
{
    Q_OBJECT

public:
    LineGrid(EstimateDocument &doc, Host &host, QWidget *parent);

    void setCodeColumnsOpen(bool open);

signals:
    void pointerReleased(const QPoint &globalPos);

private:
    void StringGrid1MouseDown(int column, int row, Qt::MouseButton button);
    void StringGrid1MouseUp(int column, int row, Qt::MouseButton button, const QPoint &globalPos);

    EstimateDocument &m_doc;
    Host &m_host;
};
