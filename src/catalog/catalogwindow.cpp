#include "catalog/catalogwindow.h"

#include "catalog/bulkrewritepanel.h"
#include "catalog/catalogedit.h"
#include "catalog/catalogmenu.h"
#include "catalog/catalogstyles.h"
#include "catalog/listpopup.h"
#include "estimate/document.h"
#include "base/textgridmodel.h"
#include "widgets/controlfactory.h"
#include "widgets/gridview.h"

#include <QAbstractItemDelegate>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int leftWidth = 92;     // Panel16, the column of "未登録品", "もどる", "閉じる"
constexpr int buttonRows = 2;
constexpr int buttonHeight = 30;
constexpr int stripHeight = 28;
constexpr int editModeShrink = 70; // the list is shorter by this while the edit mode is on
constexpr int listTitleWidths[] = {30, 24, 24, 24, 280, 280, 50, 43, 70, 60, 55, 55, 55, 65, 60, 65, 60, 60};

void setBackground(QWidget *w, const QColor &colour)
{
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
}

int rowHeight(const QString &setting)
{
    bool ok = false;
    const int h = setting.trimmed().toInt(&ok);
    return ok && h > 8 ? h : 24;
}

} // namespace

CatalogWindow::CatalogWindow(EstimateDocument &doc, Host &host, QWidget *parent)
    : QFrame(parent), m_doc(doc), m_host(host)
{
    setObjectName(u"Panel14"_qs);
    setFrameShape(QFrame::StyledPanel);
    setFont(QFont(make::uiFace(), 10));
    setBackground(this, QColor(0xF0, 0xF0, 0xF0));
    createButtons();
    createStrips();
    createList();
    createEditControls();
    createPopup();
    connect(&doc, &EstimateDocument::changed, this, &CatalogWindow::refresh);
    refresh();
}

QPushButton *CatalogWindow::button(const QString &name, const QString &caption)
{
    auto *b = make::button(this, name, caption);
    m_named.insert(name, b);
    return b;
}

void CatalogWindow::createButtons()
{
    for (int k = 1; k <= 20; ++k) {
        QPushButton *b = button(u"Button%1"_qs.arg(20 + k), QString());
        m_materialButtons[size_t(k - 1)] = b;
        connect(b, &QPushButton::clicked, this, [this, k] { MaterialButtonClick(k); });
    }
    m_left = new QWidget(this);
    m_left->setObjectName(u"Panel16"_qs);
    connect(button(u"Button101"_qs, u"未登録品"_qs), &QPushButton::clicked, this, &CatalogWindow::Button101Click);
    connect(button(u"Button20"_qs, u"もどる"_qs), &QPushButton::clicked, this, &CatalogWindow::Button20Click);
    connect(button(u"Button43"_qs, u"閉じる"_qs), &QPushButton::clicked, this, &CatalogWindow::Button43Click);
}

void CatalogWindow::createStrips()
{
    const std::pair<const char16_t *, std::pair<const char16_t *, int>> scrolls[] = {
        {u"Button64", {u"▲UP  -1", -1}}, {u"Button62", {u"▲UP -5", -5}}, {u"Button66", {u"▲UP -10", -10}},
        {u"Button65", {u"▲UP  -1", -1}}, {u"Button63", {u"▲UP -5", -5}},
        {u"Button69", {u"▼DN  +1", 1}}, {u"Button68", {u"▼DN  +5", 5}}, {u"Button67", {u"▼DN  +10", 10}},
        {u"Button71", {u"▼DN   +1", 1}}, {u"Button70", {u"▼DN  +5", 5}},
    };
    for (const auto &[name, what] : scrolls) {
        const int delta = what.second;
        connect(button(QString::fromUtf16(name), QString::fromUtf16(what.first)), &QPushButton::clicked, this,
                [this, delta] { act([this, delta] { catalogmenu::scrollList(m_doc, delta); }); });
    }
    m_rowLabel = make::label(this, u"選択行数"_qs, u"Label14"_qs);
    m_named.insert(u"Label14"_qs, m_rowLabel);
    auto *hint = make::label(this, u"※ダブルクリックして材料を選択してください。"_qs, u"pickHint"_qs);
    hint->setStyleSheet(u"color: #0000C0;"_qs);
    m_named.insert(hint->objectName(), hint);
    connect(button(u"Button42"_qs, u"材料設定"_qs), &QPushButton::clicked, this, &CatalogWindow::Button42Click);

    m_unregistered = new QFrame(this);
    m_unregistered->setObjectName(u"Panel82"_qs);
    setBackground(m_unregistered, QColor(255, 255, 180));
    auto *strip = new QVBoxLayout(m_unregistered);
    strip->setContentsMargins(6, 0, 6, 0);
    auto *text = make::label(m_unregistered,
                             u" ※未登録品のコードを決める為に行をクリックしてください。　※未登録品もコード順に並ぶ事になります。"_qs);
    text->setStyleSheet(u"color: #C00000; font-weight: bold;"_qs);
    strip->addWidget(text);
}

void CatalogWindow::createList()
{
    m_list = new GridView(m_doc.catalog.list,
                          [this](int c, int r) { return catalogstyle::list(m_doc, c, r); }, this);
    m_list->setObjectName(u"StringGrid3"_qs);
    const QFont font = GridView::gridTextFont();
    m_list->setGridFont(font);
    m_list->setHeaderLook({QColor(0xFE, 0xF3, 0xDE), Qt::black, font});
    m_list->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_list->gridModel()->setCellEditing(
        [](int column, int row) { return row >= 1 && catalogedit::listCellEditable(column); },
        [this](int column, int row, const QString &text) {
            catalogedit::setListCell(m_doc, column, row, text);
            m_doc.catalog.controls.listEditing = true;
        });
    m_list->installEventFilter(this);
    connect(m_list, &GridView::cellPressed, this, &CatalogWindow::StringGrid3MouseDown);
    connect(m_list, &GridView::cellReleased, this, &CatalogWindow::StringGrid3MouseUp);
    connect(m_list, &GridView::cellDoubleClicked, this, &CatalogWindow::StringGrid3DblClick);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { takeCurrentCell(); });
    connect(m_list->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
            [this](QWidget *, QAbstractItemDelegate::EndEditHint hint) { listEditorClosed(int(hint)); });
}

void CatalogWindow::createEditControls()
{
    m_banner = new QFrame(this);
    m_banner->setObjectName(u"Panel20"_qs);
    setBackground(m_banner, QColor(0xFF, 0xE0, 0xE0));
    auto *title = make::label(m_banner, u"編 集 可 能 中"_qs);
    title->setStyleSheet(u"color: #C00000; font-weight: bold; font-size: 12pt;"_qs);
    title->setGeometry(8, 2, 130, stripHeight - 4);
    auto *hint = make::label(m_banner, u"※ダブルクリック又はF2キーを押して、編集して下さい。"_qs);
    hint->setGeometry(144, 2, 340, stripHeight - 4);
    auto *settings = make::button(m_banner, u"Button41"_qs, u"ボタン設定"_qs);
    settings->setGeometry(490, 1, 100, stripHeight - 2);
    m_named.insert(u"Button41"_qs, settings);
    connect(settings, &QPushButton::clicked, this, &CatalogWindow::Button41Click);
    connect(button(u"Button98"_qs, u"閉じる"_qs), &QPushButton::clicked, this, &CatalogWindow::Button98Click);

    m_help = new QGroupBox(u"ボタンの設定"_qs, this);
    m_help->setObjectName(u"GroupBox4"_qs);
    setBackground(m_help, QColor(255, 255, 230));
    auto *lines = new QVBoxLayout(m_help);
    for (const char16_t *line : {u"１）　①～⑳までの上部ボタンに名称を設定出来ます。",
                                 u"２）　掲載ファイル  ※インストールフォルダ内にあるテキストデーターです。",
                                 u"　　　※詳しく分かる方以外は書き換えないでください。",
                                 u"３）　ボタンを押した時に、一番上に表示する行数を設定できます。"})
        lines->addWidget(make::label(m_help, QString::fromUtf16(line)));

    m_buttons = new GridView(m_doc.catalog.buttons, [this](int c, int r) {
        return CellStyle{m_doc.catalog.buttons.cell(c, r)};
    }, this);
    m_buttons->setObjectName(u"StringGrid4"_qs);
    m_buttons->setGridFont(GridView::gridTextFont());
    m_buttons->setHeaderLook({QColor(0xFE, 0xF3, 0xDE), Qt::black, GridView::gridTextFont()});
    const int widths[] = {180, 120, 80};
    m_buttons->setColumnWidths(widths);
    m_buttons->setDefaultRowHeight(24);
    m_buttons->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_buttons->gridModel()->setCellEditing([](int, int row) { return row >= 1; },
                                           [this](int column, int row, const QString &text) {
                                               catalogedit::setButtonCell(m_doc, column, row, text);
                                           });

    m_rewrite = new BulkRewritePanel(m_doc, m_host, this);
    connect(m_rewrite, &BulkRewritePanel::listChanged, this, &CatalogWindow::refresh);
}

void CatalogWindow::createPopup()
{
    m_popup = new QMenu(this);
    m_popup->setObjectName(u"PopupMenu2"_qs);
    auto add = [this](const char16_t *name, const QString &text, auto &&handler) {
        QAction *a = m_popup->addAction(text);
        a->setObjectName(QString::fromUtf16(name));
        connect(a, &QAction::triggered, this, [this, handler] { act(handler); });
        return a;
    };
    add(u"N9", u"先頭行へ移動"_qs, [this] { listpopup::firstRow(m_doc); });
    add(u"N8", u"最終行へ移動"_qs, [this] { listpopup::lastRow(m_doc); });
    add(u"N10", u"クリップボードへコピー (Excelで編集可)"_qs, [this] {
        const QModelIndexList cells = m_list->selectionModel()->selectedIndexes();
        int left = m_doc.catalog.col, right = left, top = m_doc.catalog.row, bottom = top;
        for (const QModelIndex &i : cells) {
            left = std::min(left, i.column());
            right = std::max(right, i.column());
            top = std::min(top, TextGridModel::gridRow(i.row()));
            bottom = std::max(bottom, TextGridModel::gridRow(i.row()));
        }
        listpopup::copyBlock(m_doc, m_host, left, top, right, bottom);
    });
    add(u"N47", u"クリップボードへ全コピー(表題付)"_qs, [this] { listpopup::copyAll(m_doc, m_host); });
    m_popup->addSeparator();
    add(u"N11", u"貼り付け"_qs, [this] { listpopup::paste(m_doc, m_host); });
    m_popup->addSeparator();
    add(u"N19", u"行の挿入"_qs, [this] { listpopup::insertRow(m_doc, m_host); });
    add(u"N20", u"行の削除"_qs, [this] { listpopup::deleteRow(m_doc, m_host); });
}

template<typename Operation>
void CatalogWindow::act(Operation &&operation)
{
    operation();
    refresh();
    emit documentChanged();
}

void CatalogWindow::refresh()
{
    const CatalogControls &c = m_doc.catalog.controls;
    setVisible(c.Panel14.visible);
    if (!c.Panel14.visible)
        return;
    for (int k = 0; k < 20; ++k) {
        m_materialButtons[size_t(k)]->setText(c.materialButtons[size_t(k)].text);
        m_materialButtons[size_t(k)]->setEnabled(c.materialButtons[size_t(k)].enabled);
    }
    const std::pair<const char16_t *, const ControlState *> states[] = {
        {u"Button101", &c.Button101}, {u"Button20", &c.Button20}, {u"Button43", &c.Button43},
        {u"Button42", &c.Button42}, {u"Button41", &c.Button41}, {u"Button98", &c.Button98},
    };
    for (const auto &[name, state] : states) {
        auto *b = qobject_cast<QPushButton *>(m_named.value(QString::fromUtf16(name)));
        b->setText(state->text);
        b->setEnabled(state->enabled);
        b->setVisible(state->visible);
    }
    m_rowLabel->setText(c.Label14.text);
    m_banner->setVisible(c.Panel20.visible);
    m_help->setVisible(c.GroupBox4.visible);
    m_buttons->setVisible(c.StringGrid4.visible);
    m_unregistered->setVisible(c.Panel82.visible);
    m_rewrite->refresh();
    const bool editing = catalogedit::isEditMode(m_doc);
    for (const char16_t *name : {u"N10", u"N47", u"N11", u"N19", u"N20"})
        if (auto *a = m_popup->findChild<QAction *>(QString::fromUtf16(name)))
            a->setEnabled(editing);
    m_buttons->gridModel()->refresh();
    applyListState();
    layoutControls();
    if (isVisible())
        raise();
}

// The list shows the grid, the current cell and the scroll position the document holds.
void CatalogWindow::applyListState()
{
    CatalogState &k = m_doc.catalog;
    m_syncing = true;
    m_list->gridModel()->refresh();
    m_list->setEditTriggers(catalogedit::isEditMode(m_doc)
                                ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                      | QAbstractItemView::AnyKeyPressed
                                : QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
    const QModelIndex current = m_list->model()->index(TextGridModel::modelRow(k.row), k.col);
    if (current.isValid() && m_list->currentIndex() != current)
        m_list->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    if (k.topRowRequest >= 0) {
        m_list->scrollToTopRow(std::max(1, k.topRowRequest));
        k.topRowRequest = -1;
    }
    m_syncing = false;
}

void CatalogWindow::takeCurrentCell()
{
    if (m_syncing)
        return;
    const QModelIndex i = m_list->currentIndex();
    if (!i.isValid())
        return;
    m_doc.catalog.row = TextGridModel::gridRow(i.row());
    m_doc.catalog.col = i.column();
}

void CatalogWindow::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    layoutControls();
}

void CatalogWindow::layoutControls()
{
    const int w = width();
    const int h = height();
    const int right = w - 4;

    // Twenty material buttons in two rows over the list.
    const int buttonWidth = std::max(40, (right - leftWidth - 4) / 10);
    for (int k = 0; k < 20; ++k)
        m_materialButtons[size_t(k)]->setGeometry(leftWidth + 4 + (k % 10) * buttonWidth,
                                                  4 + (k / 10) * (buttonHeight + 2), buttonWidth - 2, buttonHeight);
    const int stripTop = 4 + buttonRows * (buttonHeight + 2) + 2;

    // The left column.
    m_left->setGeometry(0, 0, leftWidth, h);
    int y = 4;
    for (const char16_t *name : {u"Button101", u"Button20", u"Button43"}) {
        m_named.value(QString::fromUtf16(name))->setGeometry(4, y, leftWidth - 6, 56);
        y += 60;
    }
    y += 10;
    for (const char16_t *name : {u"Button65", u"Button63", u"Button71", u"Button70"}) {
        m_named.value(QString::fromUtf16(name))->setGeometry(4, y, leftWidth - 6, 36);
        y += 40;
    }

    // The upper strip: scroll buttons, the row label and hint, the edit-mode controls.
    int x = leftWidth + 4;
    for (const char16_t *name : {u"Button64", u"Button62", u"Button66"}) {
        m_named.value(QString::fromUtf16(name))->setGeometry(x, stripTop, 84, stripHeight);
        x += 88;
    }
    m_rowLabel->setGeometry(x + 8, stripTop, 150, stripHeight);
    m_named.value(u"pickHint"_qs)->setGeometry(x + 160, stripTop, 360, stripHeight);
    m_banner->setGeometry(x + 8, stripTop, 600, stripHeight);
    m_named.value(u"Button42"_qs)->setGeometry(right - 110, stripTop, 110, stripHeight);
    m_named.value(u"Button98"_qs)->setGeometry(right - 200, stripTop, 86, stripHeight);
    m_unregistered->setGeometry(x + 8, stripTop, std::max(100, right - 220 - x), stripHeight);

    // The list, its lower strip and, in the edit mode, the bulk rewrite panel.
    const int listTop = stripTop + stripHeight + 2;
    const int listWidth = right - leftWidth - 2;
    const int rewriteHeight = 64;
    int listHeight = h - listTop - stripHeight - 8;
    if (catalogedit::isEditMode(m_doc))
        listHeight -= editModeShrink;
    listHeight = std::max(60, listHeight);
    m_list->setGeometry(leftWidth + 2, listTop, listWidth, listHeight);
    const int e = (listWidth - 1410) / 18;
    for (int c = 0; c < 18; ++c)
        m_list->setColumnWidthOrHide(c, std::max(listTitleWidths[c] / 2, listTitleWidths[c] + e));
    m_list->setColumnWidthOrHide(18, 0);
    const int lowerTop = listTop + listHeight + 2;
    x = leftWidth + 4;
    for (const char16_t *name : {u"Button69", u"Button68", u"Button67"}) {
        m_named.value(QString::fromUtf16(name))->setGeometry(x, lowerTop, 84, stripHeight);
        x += 88;
    }
    m_rewrite->setGeometry(leftWidth + 2, lowerTop + stripHeight + 2, listWidth, rewriteHeight);

    // The button settings grid and its help, over the right of the list.
    const int gridHeight = std::min(listHeight, 21 * m_buttons->defaultRowHeight() + 6);
    m_buttons->setGeometry(right - 410, listTop, 406, gridHeight);
    m_help->setGeometry(right - 410 - 520, listTop, 510, 150);
    m_buttons->raise();
    m_help->raise();

    const int rows = rowHeight(m_doc.settings.ComboBox41);
    if (m_list->defaultRowHeight() != rows)
        m_list->setDefaultRowHeight(rows);
}

bool CatalogWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        // Enter in an open cell editor reaches the list too; the editor's own end handles it.
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !editorOpen()) {
            takeCurrentCell();
            const bool used = catalogedit::enterPressed(m_doc);
            refresh();
            return used;
        }
    }
    return QFrame::eventFilter(watched, event);
}

bool CatalogWindow::editorOpen() const
{
    for (const QWidget *child : m_list->viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (child->isVisible())
            return true;
    return false;
}

// Enter in a cell being edited commits it and ends the editing; then it acts as Enter in the list.
void CatalogWindow::listEditorClosed(int hint)
{
    if (hint != QAbstractItemDelegate::SubmitModelCache)
        return;
    catalogedit::enterPressed(m_doc);
    refresh();
}

void CatalogWindow::MaterialButtonClick(int k)
{
    act([this, k] { catalogmenu::loadList(m_doc, m_host, k); });
    m_list->setFocus();
}

void CatalogWindow::Button101Click()
{
    act([this] { catalogpick::toggleUnregistered(m_doc); });
}

void CatalogWindow::Button20Click()
{
    act([this] { catalogmenu::back(m_doc); });
}

void CatalogWindow::Button43Click()
{
    act([this] { catalogmenu::closeAll(m_doc); });
}

void CatalogWindow::Button42Click()
{
    act([this] { catalogedit::Button42Click(m_doc, m_host); });
}

void CatalogWindow::Button98Click()
{
    act([this] { catalogedit::endEditMode(m_doc); });
}

void CatalogWindow::Button41Click()
{
    act([this] { catalogedit::Button41Click(m_doc, m_host); });
}

void CatalogWindow::StringGrid3MouseDown(int column, int row, Qt::MouseButton button)
{
    if (button != Qt::LeftButton || row < 1 || column < 0)
        return;
    m_doc.catalog.row = row;
    m_doc.catalog.col = column;
    catalogedit::listPressed(m_doc, column, row);
    m_rewrite->refresh();
}

void CatalogWindow::StringGrid3MouseUp(int column, int row, Qt::MouseButton button, const QPoint &globalPos)
{
    if (button == Qt::RightButton) {
        refresh();
        m_popup->popup(globalPos);
        return;
    }
    if (button != Qt::LeftButton || row < 1 || column < 0)
        return;
    takeCurrentCell();
    catalogedit::listReleased(m_doc, column, row);
    m_rowLabel->setText(m_doc.catalog.controls.Label14.text);
    m_rewrite->refresh();
}

void CatalogWindow::StringGrid3DblClick(int column, int row)
{
    if (row < 1 || column < 0)
        return;
    m_doc.catalog.row = row;
    m_doc.catalog.col = column;
    const std::optional<catalogpick::EntryOpening> opening = catalogpick::pick(m_doc, m_host);
    refresh();
    if (opening)
        emit entryRequested(*opening);
}
