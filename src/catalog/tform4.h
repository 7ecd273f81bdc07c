#pragma once

#include "catalog/stockdata.h"

#include <QDialog>

#include <functional>
#include <optional>

class EstimateDocument;
class GridView;
class Host;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

// The stock data window "Stockデーター呼出フォーム": lines of another estimate file or of the
// running estimate, filtered by item, marked and registered under the current item.
class TForm4 : public QDialog
{
    Q_OBJECT

public:
    TForm4(EstimateDocument &doc, Host &host, QWidget *parent = nullptr);

    StockData &stock() { return m_stock; }
    void refresh();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createControls();
    template<typename Operation>
    void act(Operation &&operation);

    void Button1Click();
    void Button4Click();
    void Button2Click();
    void Button7Click();
    void ComboBox1Change(const QString &text);
    void CheckBox6Click(bool checked);
    void StringGrid1MouseDown(int column, int row, Qt::MouseButton button);

    EstimateDocument &m_doc;
    Host &m_host;
    StockData m_stock;
    QWidget *m_top = nullptr;
    GridView *m_grid = nullptr;      // StringGrid1
    QComboBox *m_filter = nullptr;   // ComboBox1
    QCheckBox *m_quantities = nullptr; // CheckBox6
    QPushButton *m_markAll = nullptr;  // Button7
    QLabel *m_item = nullptr;          // Label18
    QPushButton *m_store = nullptr;    // Button2
    QPushButton *m_close = nullptr;    // Button3
    bool m_refreshing = false;
};
