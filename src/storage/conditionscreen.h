#pragma once

#include <QWidget>

class EstimateDocument;
class Host;
class QTableView;
class TextGridModel;

// The condition screen (Panel67), laid over the main window: the condition list StringGrid8 with
// its "適用" marks and texts, the standard-condition buttons, the two clear buttons and "閉じる".
class ConditionScreen : public QWidget
{
    Q_OBJECT

public:
    ConditionScreen(EstimateDocument &doc, Host &host, QWidget *parent);

public slots:
    // "条件書": shows the screen over the main window.
    void open();

signals:
    void closed();

private:
    QWidget *buildTopBar();
    void buildGrid();
    void refresh();

    void StringGrid8MouseDown(const QModelIndex &index);
    void Button85Click(); // "基準値保存"
    void Button86Click(); // "基準値読込"
    void Button87Click(); // "適用ALL_CLEAR"
    void Button88Click(); // "ALL_CLEAR"
    void Button83Click(); // "閉じる"

    EstimateDocument &m_doc;
    Host &m_host;
    QTableView *m_grid = nullptr;
    TextGridModel *m_model = nullptr;
};
