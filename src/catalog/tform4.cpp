#include "catalog/tform4.h"

#include "base/host.h"
#include "base/textgridmodel.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "widgets/controlfactory.h"
#include "widgets/fieldevents.h"
#include "widgets/gridview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int designWidth = 1495;
constexpr int leastWidth = 1280;
constexpr int topHeight = 76;

// The columns the stock grid shows, with their titles and widths; all others are hidden.
struct Shown {
    int column;
    const char16_t *title;
    int width;
};
constexpr Shown shownColumns[] = {
    {1, u"  適用", 68}, {7, u"品名", 280}, {8, u"規格１", 280}, {9, u"規格２", 100}, {10, u"数量", 45},
    {11, u"単位", 45}, {12, u"単価", 90}, {13, u"施工区分", 90}, {14, u"品種区分", 90}, {15, u"歩掛", 55},
    {16, u"補給率", 55}, {17, u"付属率", 55}, {18, u"取付材費", 70}, {19, u"塗装費", 60}, {20, u"天井歩掛", 70},
};

CellStyle stockCell(const StockData &stock, int column, int row)
{
    CellStyle s;
    s.text = stock.grid.cell(column, row);
    if (column == StockData::Mark) {
        s.colour = 0xFF0000;
        s.align = CellStyle::Align::Centre;
    } else if (column >= 10 && column != 11 && column != 13 && column != 14) {
        s.align = CellStyle::Align::Right;
    }
    return s;
}

} // namespace

TForm4::TForm4(EstimateDocument &doc, Host &host, QWidget *parent)
    : QDialog(parent), m_doc(doc), m_host(host)
{
    setObjectName(u"TForm4"_qs);
    setWindowTitle(u"Stockデーター呼出フォーム"_qs);
    setFont(QFont(make::uiFace(), 10));
    createControls();
    int width = designWidth;
    if (const QScreen *screen = QGuiApplication::primaryScreen(); screen && screen->geometry().width() <= leastWidth)
        width = screen->geometry().width();
    resize(width, 620);
    m_stock.Label18 = doc.koumokumei;
    refresh();
}

void TForm4::createControls()
{
    m_top = new QWidget(this);
    m_top->setObjectName(u"Panel2"_qs);
    auto *load = make::button(m_top, u"Button1"_qs, u"Ｓｔｏｃｋファイル読込"_qs);
    auto *current = make::button(m_top, u"Button4"_qs, u"入力中材料呼出"_qs);
    auto *filterCaption = make::label(m_top, u"項目フィルター"_qs, u"Label1"_qs);
    m_filter = new QComboBox(m_top);
    m_filter->setObjectName(u"ComboBox1"_qs);
    m_markAll = make::button(m_top, u"Button7"_qs, u"ALL適用"_qs);
    m_quantities = make::check(m_top, u"CheckBox6"_qs, QString());
    auto *quantitiesCaption = make::label(m_top, u"数量もStockデーターを利用する"_qs, u"Label70"_qs);
    auto *itemCaption = make::label(m_top, u"登録中工事項目"_qs);
    m_item = make::label(m_top, QString(), u"Label18"_qs);
    m_item->setStyleSheet(u"color: #000080; font-weight: bold;"_qs);
    auto *hint = make::label(m_top, u"※必要な行の適用をチェックするか数量をクリックして登録してください。"_qs);
    hint->setStyleSheet(u"color: #C00000;"_qs);
    auto *store = make::button(m_top, u"Button2"_qs, u"登録"_qs);
    auto *close = make::button(m_top, u"Button3"_qs, u"閉じる"_qs);

    load->setGeometry(8, 6, 180, 30);
    current->setGeometry(194, 6, 150, 30);
    filterCaption->setGeometry(360, 6, 100, 30);
    m_filter->setGeometry(460, 8, 300, 26);
    m_markAll->setGeometry(8, 42, 110, 28);
    m_quantities->setGeometry(130, 44, 20, 24);
    quantitiesCaption->setGeometry(150, 42, 230, 28);
    itemCaption->setGeometry(392, 42, 110, 28);
    m_item->setGeometry(502, 42, 360, 28);
    hint->setGeometry(870, 42, 600, 28);
    // "登録" and "閉じる" keep to the right edge (placed on resizing), so that a narrow screen
    // still shows them.
    m_store = store;
    m_close = close;

    m_grid = new GridView(m_stock.grid, [this](int c, int r) { return stockCell(m_stock, c, r); }, this);
    m_grid->setObjectName(u"StringGrid1"_qs);
    m_grid->setGridFont(GridView::gridTextFont());
    m_grid->setHeaderLook({QColor(0xFE, 0xF3, 0xDE), Qt::black, GridView::gridTextFont()});
    for (int c = 0; c < StockData::columns; ++c)
        m_grid->setColumnWidthOrHide(c, 0);
    for (const Shown &s : shownColumns)
        m_grid->setColumnWidthOrHide(s.column, s.width);
    m_grid->setDefaultRowHeight(24);
    m_grid->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::AnyKeyPressed);
    m_grid->gridModel()->setCellEditing(
        [](int column, int row) { return row >= 1 && column != StockData::Mark && column != linecol::Quantity; },
        [this](int column, int row, const QString &text) { m_stock.grid.setCell(column, row, text); });

    connect(load, &QPushButton::clicked, this, &TForm4::Button1Click);
    connect(current, &QPushButton::clicked, this, &TForm4::Button4Click);
    connect(store, &QPushButton::clicked, this, &TForm4::Button2Click);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_markAll, &QPushButton::clicked, this, &TForm4::Button7Click);
    connect(m_filter, &QComboBox::textActivated, this, &TForm4::ComboBox1Change);
    connect(m_quantities, &QCheckBox::clicked, this, &TForm4::CheckBox6Click);
    // The captions beside the box toggle it too.
    for (QLabel *caption : {quantitiesCaption, filterCaption})
        fieldevents::onClick(caption, [this] { CheckBox6Click(!m_quantities->isChecked()); });
    connect(m_grid, &GridView::cellPressed, this, &TForm4::StringGrid1MouseDown);
}

template<typename Operation>
void TForm4::act(Operation &&operation)
{
    operation();
    refresh();
}

void TForm4::refresh()
{
    m_refreshing = true;
    m_grid->gridModel()->refresh();
    if (m_filter->count() != m_stock.filterItems.size()
        || (m_filter->count() > 0 && m_filter->itemText(m_filter->count() - 1) != m_stock.filterItems.last())) {
        m_filter->clear();
        m_filter->addItems(m_stock.filterItems);
    }
    m_filter->setCurrentText(m_stock.filter);
    m_quantities->setChecked(m_stock.CheckBox6);
    m_markAll->setText(m_stock.Button7);
    m_item->setText(m_stock.Label18);
    m_refreshing = false;
}

void TForm4::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    stock::activated(m_doc, m_stock);
    refresh();
}

void TForm4::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        stock::activated(m_doc, m_stock);
        refresh();
    }
}

void TForm4::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    int least = leastWidth;
    if (const QScreen *s = screen(); s && s->geometry().width() < least)
        least = s->geometry().width();
    const int w = std::clamp(width(), least, designWidth);
    if (w != width()) {
        resize(w, height());
        return;
    }
    m_top->setGeometry(0, 0, w, topHeight);
    m_close->setGeometry(w - 108, 6, 100, 30);
    m_store->setGeometry(w - 214, 6, 100, 30);
    m_grid->setGeometry(0, topHeight, w, height() - topHeight);
}

void TForm4::Button1Click()
{
    act([this] { stock::loadFile(m_stock, m_host); });
}

void TForm4::Button4Click()
{
    act([this] { stock::loadCurrent(m_doc, m_stock); });
}

void TForm4::Button2Click()
{
    const bool done = stock::registerMarked(m_doc, m_stock, m_host);
    refresh();
    if (done)
        accept();
}

void TForm4::Button7Click()
{
    act([this] { stock::markAll(m_stock); });
}

void TForm4::ComboBox1Change(const QString &text)
{
    if (!m_refreshing)
        act([this, &text] { stock::chooseFilter(m_stock, text); });
}

void TForm4::CheckBox6Click(bool checked)
{
    act([this, checked] { stock::setQuantitiesTaken(m_stock, checked); });
}

void TForm4::StringGrid1MouseDown(int column, int row, Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    const stock::Press press = stock::pressed(m_stock, column, row);
    if (press == stock::Press::Keypad) {
        // The quantity is typed on the keypad; what it returns becomes the quantity.
        const std::optional<QString> typed = stock::askQuantity(m_doc, m_host);
        stock::quantityTyped(m_stock, row, typed.value_or(QString()));
    }
    refresh();
}
