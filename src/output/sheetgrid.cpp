#include "output/sheetgrid.h"

#include "estimate/document.h"
#include "output/cellstyles.h"
#include "output/gridmouse.h"
#include "output/sheetdelete.h"

#include <QMenu>

namespace {

gridmouse::Button buttonOf(Qt::MouseButton b)
{
    return b == Qt::RightButton ? gridmouse::Button::Right : gridmouse::Button::Left;
}

// Design widths of the sheet; columns 9, 10 and 12 are hidden without grid lines, 22 and 23 hidden.
constexpr int designWidths[] = {0, 0, 0, 0, 0, 0, 0, 280, 280, 0, 0, 42, 0, 43, 70, 46, 70, 85, 46, 70, 85, 100, 0, 0};
constexpr int codeOpenWidths[] = {0, 0, 30, 24, 24, 24, 40};

static_assert(std::size(designWidths) == 24);

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
    add(u"N33", u"クリップボードへコピー"_qs);
    add(u"N38", u"クリップボードへコピー(表題付)"_qs);
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
}

void SheetGrid::fitPriceColumns()
{
    const int e = (width() - 1241) / 6;
    // Narrow screens would make e large and negative; a column never shrinks below a readable width.
    auto grow = [e](int base) { return std::max(base + e, base / 2); };
    setColumnWidthOrHide(14, grow(70));
    setColumnWidthOrHide(16, grow(70));
    setColumnWidthOrHide(17, grow(85));
    setColumnWidthOrHide(19, grow(70));
    setColumnWidthOrHide(20, grow(85));
    setColumnWidthOrHide(21, grow(74));
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
