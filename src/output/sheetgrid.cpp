#include "output/sheetgrid.h"

#include "estimate/document.h"
#include "output/cellstyles.h"
#include "output/clipboardtexts.h"
#include "output/gridmouse.h"
#include "output/sheetdelete.h"

#include <QEvent>
#include <QMenu>

#include <algorithm>
#include <cmath>

namespace {

gridmouse::Button buttonOf(Qt::MouseButton b)
{
    return b == Qt::RightButton ? gridmouse::Button::Right : gridmouse::Button::Left;
}

// Design widths of the sheet; columns 9, 10 and 12 are hidden without grid lines, 22 and 23 hidden.
constexpr int designWidths[] = {0, 0, 0, 0, 0, 0, 0, 280, 280, 0, 0, 42, 0, 43, 70, 46, 70, 85, 46, 70, 85, 100, 0, 0};
constexpr int codeOpenWidths[] = {0, 0, 30, 24, 24, 24, 40};

static_assert(std::size(designWidths) == 24);

// The columns that grow with the grid and their widths at the design width: 14 "単価", 16
// "圧縮単価", 17 "圧縮金額", 19 "提出単価", 20 "提出金額", 21 "備　考".
constexpr int lastPriceColumn = 21;

bool isPriceColumn(int c)
{
    return c == 14 || c == 16 || c == 17 || c == 19 || c == 20 || c == lastPriceColumn;
}

int priceDesignWidth(int c)
{
    return c == lastPriceColumn ? 74 : designWidths[c];
}

} // namespace

SheetGrid::SheetGrid(EstimateDocument &doc, Host &host, QWidget *parent)
    : GridView(doc.sheet, [&doc](int c, int r) { return cellstyle::sheet(doc, c, r); }, parent),
      m_doc(doc),
      m_host(host)
{
    setObjectName(u"StringGrid6"_qs);
    setGridFont(gridTextFont());
    QFont title(u"ＭＳ 明朝"_qs);
    title.setPointSize(10);
    setHeaderLook({QColor(0, 0, 128), Qt::white, title});
    setColumnWidths(designWidths);
    createMenu();

    connect(this, &GridView::cellPressed, this, &SheetGrid::StringGrid6MouseDown);
    connect(this, &GridView::cellReleased, this, &SheetGrid::StringGrid6MouseUp);
    connect(this, &GridView::cellDoubleClicked, this, &SheetGrid::StringGrid6DblClick);
}

void SheetGrid::createMenu()
{
    m_menu = new QMenu(this);
    m_menu->setObjectName(u"PopupMenu3"_qs);
    auto add = [this](const char16_t *name, const QString &text) {
        QAction *a = m_menu->addAction(text);
        a->setObjectName(QString::fromUtf16(name));
        return a;
    };
    connect(add(u"N25", u"先頭行へ移動"_qs), &QAction::triggered, this, &SheetGrid::N25Click);
    connect(add(u"N26", u"最終行へ移動"_qs), &QAction::triggered, this, &SheetGrid::N26Click);
    m_menu->addSeparator();
    connect(add(u"N33", u"クリップボードへコピー"_qs), &QAction::triggered, this,
            [this] { clipboardtexts::copySheetRange(m_doc, m_host, false); });
    connect(add(u"N38", u"クリップボードへコピー(表題付)"_qs), &QAction::triggered, this,
            [this] { clipboardtexts::copySheetRange(m_doc, m_host, true); });
    m_menu->addSeparator();
    add(u"NET2", m_doc.controls.NET2.text);
    add(u"NET1", m_doc.controls.NET1.text);
    m_menu->addSeparator();
    m_sum = add(u"N41", u"計算(足し算)"_qs);
    m_menu->addSeparator();
    connect(add(u"N28", u"選択行の削除"_qs), &QAction::triggered, this, &SheetGrid::N28Click);
    m_menu->addSeparator();
    connect(add(u"N13", u"コード表示"_qs), &QAction::triggered, this, [this] { emit codeColumnsRequested(true); });
    connect(add(u"N14", u"コード非表示"_qs), &QAction::triggered, this, [this] { emit codeColumnsRequested(false); });
    m_menu->addSeparator();
    add(u"N35", m_doc.controls.N35.text);
    m_menu->addSeparator();
    add(u"N43", m_doc.controls.N43.text);
    m_menu->addSeparator();
    add(u"N45", m_doc.controls.N45.text);
    add(u"N51", u"簡易 : 銅ベースの調整"_qs);
}

void SheetGrid::setCodeColumnsOpen(bool open)
{
    setCodeColumns(open, 0, codeOpenWidths);
    fitPriceColumns();
}

void SheetGrid::fitPriceColumns()
{
    // The price columns share what the other shown columns leave of the visible width, so that
    // the last column ends at the scroll bar: no empty strip on a wide window, no horizontal
    // scrolling on a narrow one until a column would fall below half its design width. On a grid
    // much narrower than the design, "品　名" and "規　格" give up width first, down to 180 each,
    // so that the figures stay readable.
    constexpr int nameColumns[] = {7, 8};
    constexpr int leastNameWidth = 180;
    constexpr int priceSlack = 6 * 20; // the price columns narrow by up to 20 each before the names
    int others = 0;
    int designTotal = 0;
    for (int c = 0; c < int(std::size(designWidths)); ++c) {
        if (isPriceColumn(c))
            designTotal += priceDesignWidth(c);
        else if (c == nameColumns[0] || c == nameColumns[1])
            others += isColumnHidden(c) ? 0 : designWidths[c];
        else
            others += columnWidthOrZero(c);
    }
    int spare = viewport()->width() - others - designTotal;
    const int nameCut = std::clamp((-priceSlack - spare) / 2, 0, designWidths[7] - leastNameWidth);
    for (const int c : nameColumns)
        if (!isColumnHidden(c))
            setColumnWidth(c, designWidths[c] - nameCut);
    spare += 2 * nameCut;
    const int e = int(std::floor(spare / 6.0));
    for (int c = 0; c < int(std::size(designWidths)); ++c) {
        if (!isPriceColumn(c))
            continue;
        const int base = priceDesignWidth(c);
        int width = base + e;
        if (c == lastPriceColumn)
            width += spare - 6 * e; // what the division leaves
        setColumnWidthOrHide(c, std::max(width, base / 2));
    }
}

bool SheetGrid::viewportEvent(QEvent *event)
{
    // The visible width changes with the window and when the vertical scroll bar comes or goes.
    if (event->type() == QEvent::Resize)
        fitPriceColumns();
    return GridView::viewportEvent(event);
}

void SheetGrid::StringGrid6MouseDown(int column, int row, Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    gridmouse::sheetPressed(m_doc, column, row);
    emit documentChanged();
}

void SheetGrid::StringGrid6MouseUp(int column, int row, Qt::MouseButton button, const QPoint &globalPos)
{
    emit pointerReleased(globalPos);
    const gridmouse::SheetRelease release = gridmouse::sheetReleased(m_doc, column, row, buttonOf(button));
    if (release.popupMenu) {
        m_sum->setEnabled(release.rangeSum);
        m_menu->popup(globalPos);
    }
    if (release.rangeEdit)
        emit rangeEditRequested();
}

void SheetGrid::StringGrid6DblClick()
{
    const sheetclick::Request request = sheetclick::doubleClicked(m_doc, m_host);
    emit documentChanged();
    if (request.kind == sheetclick::Request::Kind::Settings)
        emit settingsRequested(request.field);
    else if (request.kind != sheetclick::Request::Kind::None)
        emit entryRequested(request);
}

void SheetGrid::N25Click()
{
    scrollToTopRow(1);
}

void SheetGrid::N26Click()
{
    scrollToTopRow(std::max(1, m_doc.controls.Button57.tag));
}

void SheetGrid::N28Click()
{
    sheetdelete::deleteSelectedRow(m_doc, m_host);
    emit documentChanged();
}
