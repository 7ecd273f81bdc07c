#include "entry/lineeditor.h"

#include "base/conversionerror.h"
#include "base/host.h"
#include "entry/carryover.h"
#include "entry/entryopenings.h"
#include "entry/inputordermoves.h"
#include "entry/linegrid.h"
#include "entry/linegridedit.h"
#include "entry/sheetentries.h"
#include "entry/tform2.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/sheetcompiler.h"
#include "estimate/views.h"
#include "output/clipboardtexts.h"
#include "output/itemviewgrid.h"
#include "output/sheetdoubleclick.h"
#include "output/sheetgrid.h"

#include <QMenu>

namespace {

// Releases in the computed columns, the item-code column and the input number do nothing.
bool releaseIgnored(int column)
{
    return (column >= linecol::Corrected && column <= linecol::Consumables) || column == linecol::BaseCompression
        || column == linecol::InputNo;
}

bool isFactorColumn(int column)
{
    return column >= linecol::Factor && column <= linecol::Submission;
}

} // namespace

LineEditor::LineEditor(EstimateDocument &doc, Host &host, LineGrid *lines, ItemViewGrid *itemView,
                       SheetGrid *sheet, TForm2 *entry, QObject *parent)
    : QObject(parent), m_doc(doc), m_host(host), m_lines(lines), m_itemView(itemView), m_sheet(sheet),
      m_entry(entry)
{
    createMenu();
    connect(lines, &GridView::cellDoubleClicked, this, &LineEditor::StringGrid1DblClick);
    connect(lines, &GridView::cellReleased, this, &LineEditor::StringGrid1MouseUp);
    connect(itemView, &GridView::cellDoubleClicked, this, &LineEditor::StringGrid5DblClick);
    connect(itemView, &ItemViewGrid::lineReleased, this, &LineEditor::StringGrid5MouseUp);
    connect(sheet, &SheetGrid::entryRequested, this, &LineEditor::sheetRequest);
}

void LineEditor::createMenu()
{
    m_menu = new QMenu(m_lines);
    m_menu->setObjectName(u"PopupMenu1"_qs);
    auto add = [this](const char16_t *name, const QString &text) {
        QAction *a = m_menu->addAction(text);
        a->setObjectName(QString::fromUtf16(name));
        return a;
    };
    connect(add(u"N4", u"先頭行へ移動"_qs), &QAction::triggered, this, &LineEditor::firstRowsRequested);
    connect(add(u"N5", u"最終行へ移動"_qs), &QAction::triggered, this, &LineEditor::lastRowsRequested);
    m_menu->addSeparator();
    connect(add(u"N3", u"選択行の削除"_qs), &QAction::triggered, this, &LineEditor::N3Click);
    m_menu->addSeparator();
    connect(add(u"N31", u"入力順表示"_qs), &QAction::triggered, this, &LineEditor::N31Click);
    connect(add(u"N37", u"次に選択した行に移動(挿入)"_qs), &QAction::triggered, this, &LineEditor::N37Click);
    connect(add(u"N23", u"入力順を並び替え(上〉"_qs), &QAction::triggered, this, &LineEditor::N23Click);
    connect(add(u"N22", u"入力順を並び替え(下〉"_qs), &QAction::triggered, this, &LineEditor::N22Click);
    m_menu->addSeparator();
    connect(add(u"N1", u"コード表示"_qs), &QAction::triggered, this, [this] { emit codeColumnsRequested(true); });
    connect(add(u"N2", u"コード非表示"_qs), &QAction::triggered, this, [this] { emit codeColumnsRequested(false); });
    m_menu->addSeparator();
    // The stock window connects this entry when it is there.
    add(u"N17", u"Stokの呼出"_qs)->setEnabled(false);
    connect(add(u"N12", u"クリップボードへコピー"_qs), &QAction::triggered, this,
            [this] { clipboardtexts::copyLineRange(m_doc, m_host); });
}

void LineEditor::showMenu(const QString &number, const QPoint &globalPos)
{
    const linegridedit::MenuState state = linegridedit::menuState(m_doc, number);
    auto enable = [this](const char16_t *name, bool on) {
        if (auto *a = m_menu->findChild<QAction *>(QString::fromUtf16(name)))
            a->setEnabled(on);
    };
    enable(u"N3", state.deleteLine);
    enable(u"N31", state.inputOrder);
    enable(u"N37", state.markForMove);
    enable(u"N23", state.moveUpDown);
    enable(u"N22", state.moveUpDown);
    m_menu->popup(globalPos);
}

void LineEditor::StringGrid1DblClick(int column, int row)
{
    m_doc.ux1 = column;
    m_doc.uy1 = row;
    linegridedit::Open open = linegridedit::Open::Nothing;
    try {
        open = linegridedit::openFromWholeView(m_entry->form(), m_doc, row, column);
    } catch (const ConversionError &e) {
        m_host.error(e.message());
        return;
    }
    if (open == linegridedit::Open::MaterialMenu)
        emit materialMenuRequested();
    if (open != linegridedit::Open::Window)
        return;
    showEntry();
    changed();
}

void LineEditor::StringGrid1MouseUp(int column, int row, Qt::MouseButton button, const QPoint &globalPos)
{
    if (row <= 0)
        return;
    if (button == Qt::RightButton) {
        showMenu(m_doc.lines.cell(linecol::No, row), globalPos);
        linegridedit::sortAfterMenu(m_doc);
        changed();
        return;
    }
    if (button != Qt::LeftButton || releaseIgnored(column))
        return;
    if (m_doc.openFlag == 1) {
        m_doc.openFlag = 0;
        return;
    }
    if (m_doc.nx1 != column || !isFactorColumn(column) || m_doc.ny1 == row)
        return;
    const QString value = calculatorValue();
    if (carryover::fill(m_doc, m_host, column, carryover::dragRows(m_doc, m_doc.ny1, row), value))
        changed();
    m_lines->setCurrentIndex(m_lines->model()->index(row - 1, column));
}

void LineEditor::StringGrid5DblClick(int column, int row)
{
    const int top = m_itemView->topRow();
    linegridedit::Open open = linegridedit::Open::Nothing;
    try {
        open = linegridedit::openFromItemView(m_entry->form(), m_doc, row, column);
    } catch (const ConversionError &e) {
        m_host.error(e.message());
        return;
    }
    if (open == linegridedit::Open::MaterialMenu)
        emit materialMenuRequested();
    if (open != linegridedit::Open::Window)
        return;
    showEntry();
    if (m_doc.controls.showItemView)
        m_doc.controls.itemViewTopRow = top;
    changed();
}

void LineEditor::StringGrid5MouseUp(int column, int row, Qt::MouseButton button, const QPoint &globalPos)
{
    if (row <= 0)
        return;
    if (m_doc.olduy5 != 0) {
        inputmoves::insertMarked(m_doc, m_host, row);
        changed();
    }
    if (button == Qt::RightButton) {
        showMenu(m_doc.itemView.cell(linecol::No, row), globalPos);
        return;
    }
    if (button != Qt::LeftButton || releaseIgnored(column))
        return;
    if (m_doc.nx5 != column || !isFactorColumn(column) || m_doc.ny5 == row)
        return;
    const QString value = calculatorValue();
    std::vector<int> lines;
    for (int v = std::min(m_doc.ny5, row); v <= std::max(m_doc.ny5, row); ++v)
        if (const int line = linegridedit::lineOfViewRow(m_doc, v))
            lines.push_back(line);
    if (carryover::fill(m_doc, m_host, column, lines, value)) {
        const int top = m_itemView->topRow();
        views::itemView(m_doc, m_host);
        m_doc.controls.itemViewTopRow = top;
        changed();
    }
    m_itemView->setCurrentIndex(m_itemView->model()->index(row - 1, column));
}

void LineEditor::sheetRequest(const sheetclick::Request &request)
{
    using Kind = sheetclick::Request::Kind;
    switch (request.kind) {
    case Kind::ItemQuantity:
        sheetentries::itemQuantity(m_doc, m_host, request.row);
        break;
    case Kind::ItemUnit:
        sheetentries::itemUnit(m_doc, m_host, request.row);
        break;
    case Kind::ItemRates:
        entryopenings::openItemRates(m_entry->form(), m_doc, request.item,
                                     m_doc.sheet.cell(sheetcol::Name, request.row), request.fieldCode);
        showEntry();
        sheetentries::afterEntry(m_doc, m_host);
        break;
    case Kind::EditLine: {
        try {
            if (!sheetentries::openLine(m_entry->form(), m_doc, request.line, request.lineColumn))
                return;
        } catch (const ConversionError &e) {
            m_host.error(e.message());
            return;
        }
        const QString input = m_doc.lines.cell(linecol::InputNo, request.line);
        showEntry();
        sheetentries::afterEntry(m_doc, m_host);
        changed();
        // The cursor goes to the first column of the edited line's row.
        for (int r = m_doc.irow1 + 1; r < m_doc.sheet.rowCount(); ++r) {
            if (m_doc.sheet.cell(sheetcol::Row, r) == input) {
                m_sheet->setCurrentIndex(m_sheet->model()->index(r - 1, 0));
                break;
            }
        }
        return;
    }
    default:
        return; // the calculator's requests
    }
    changed();
}

bool LineEditor::showEntry()
{
    return m_entry->showEntry();
}

QString LineEditor::calculatorValue()
{
    m_doc.keypadText.clear();
    if (m_calculatorInput)
        m_calculatorInput();
    return m_doc.keypadText;
}

void LineEditor::N3Click()
{
    linegridedit::deleteChosenLine(m_doc, m_host);
    changed();
}

void LineEditor::N31Click()
{
    views::inputOrderWholeView(m_doc, m_host);
    changed();
}

void LineEditor::N37Click()
{
    inputmoves::mark(m_doc);
}

void LineEditor::N23Click()
{
    inputmoves::moveUp(m_doc, m_host);
    changed();
}

void LineEditor::N22Click()
{
    inputmoves::moveDown(m_doc, m_host);
    changed();
}

void LineEditor::changed()
{
    emit documentChanged();
}
