#include "catalog/menuwindow.h"

#include "catalog/catalogedit.h"
#include "catalog/catalogmenu.h"
#include "catalog/catalogstyles.h"
#include "estimate/document.h"
#include "widgets/controlfactory.h"
#include "widgets/gridview.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

// The menu table as a table model: grid row r is model row r (the menu has no title row). The
// captions are typed in place while the rename box is ticked.
class MenuModel : public QAbstractTableModel
{
public:
    MenuModel(EstimateDocument &doc, QObject *parent) : QAbstractTableModel(parent), m_doc(doc) {}

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : m_doc.catalog.menu.rowCount();
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : m_doc.catalog.menu.columnCount();
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
            return {};
        return m_doc.catalog.menu.cell(index.column(), index.row());
    }
    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        Qt::ItemFlags f = QAbstractTableModel::flags(index);
        if (m_doc.catalog.controls.CheckBox15 && index.column() % 2 == 0 && index.column() < 8)
            f |= Qt::ItemIsEditable;
        return f;
    }
    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
            return false;
        catalogedit::setMenuCaption(m_doc, index.column(), index.row(), value.toString());
        emit dataChanged(index, index);
        return true;
    }
    void reset()
    {
        beginResetModel();
        endResetModel();
    }

private:
    EstimateDocument &m_doc;
};

namespace {

constexpr int stripHeight = 34;
constexpr int headingHeight = 26;

} // namespace

MenuWindow::MenuWindow(EstimateDocument &doc, Host &host, QWidget *parent)
    : QFrame(parent), m_doc(doc), m_host(host)
{
    setObjectName(u"Panel9"_qs);
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setFont(QFont(make::uiFace(), 10));

    m_close = make::button(this, u"Button18"_qs, u"閉じる"_qs);
    m_rename = make::check(this, u"CheckBox15"_qs, u"材料メニューの名称を変更する"_qs);
    m_save = make::button(this, u"Button19"_qs, u"材料メニュー保存"_qs);
    // The hint is a label (Panel90) on a framed backing (Panel91).
    m_hint91 = make::label(this, QString(), u"Panel91"_qs);
    m_hint91->setFrameShape(QFrame::Box);
    m_hint90 = make::label(m_hint91, u"※適用する材料項目をクリックしてください"_qs, u"Panel90"_qs);
    m_hint90->setAlignment(Qt::AlignCenter);
    for (QLabel *hint : {m_hint90, m_hint91}) {
        hint->setAutoFillBackground(true);
        QPalette p = hint->palette();
        p.setColor(QPalette::Window, QColor(255, 255, 204));
        p.setColor(QPalette::WindowText, QColor(0xC0, 0, 0));
        hint->setPalette(p);
    }

    m_headings = new QWidget(this);
    for (const char16_t *text : {u"機　　　　 器", u"装　　　　 置", u"材　　　　 料", u"労　務　・　経　 費"}) {
        auto *l = new QLabel(QString::fromUtf16(text), m_headings);
        l->setAlignment(Qt::AlignCenter);
        l->setFrameShape(QFrame::Panel);
        l->setAutoFillBackground(true);
        QPalette p = l->palette();
        p.setColor(QPalette::Window, QColor(0xFE, 0xF3, 0xDE));
        l->setPalette(p);
        m_headingLabels.append(l);
    }

    m_model = new MenuModel(doc, this);
    m_table = new QTableView(this);
    m_table->setObjectName(u"StringGrid2"_qs);
    m_table->setModel(m_model);
    m_table->setItemDelegate(new GridDelegate(
        [&doc](int c, int gridRow) { return catalogstyle::menu(doc, c, gridRow - 1); }, m_table));
    m_table->horizontalHeader()->hide();
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    m_table->setWordWrap(false);
    m_table->setFont(GridView::gridTextFont());

    connect(m_table, &QTableView::pressed, this, &MenuWindow::StringGrid2MouseDown);
    connect(m_rename, &QCheckBox::clicked, this, &MenuWindow::CheckBox15Click);
    connect(m_save, &QPushButton::clicked, this, &MenuWindow::Button19Click);
    connect(m_close, &QPushButton::clicked, this, &MenuWindow::Button18Click);
    connect(&doc, &EstimateDocument::changed, this, &MenuWindow::refresh);
    refresh();
}

void MenuWindow::refresh()
{
    const CatalogControls &c = m_doc.catalog.controls;
    setVisible(m_doc.controls.Panel9.visible);
    if (!m_doc.controls.Panel9.visible)
        return;
    m_hint90->setVisible(c.Panel90.visible);
    m_hint91->setVisible(c.Panel91.visible);
    m_rename->setChecked(c.CheckBox15);
    m_save->setVisible(c.Button19.visible);
    if (m_model->rowCount() != m_doc.catalog.menu.rowCount())
        m_model->reset();
    else if (m_model->rowCount() > 0)
        emit m_model->dataChanged(m_model->index(0, 0), m_model->index(m_model->rowCount() - 1, 8));
    if (isVisible())
        raise();
}

void MenuWindow::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    layoutControls();
}

void MenuWindow::layoutControls()
{
    const int w = width();
    const int h = height();
    m_close->setGeometry(6, 4, 90, stripHeight - 8);
    m_rename->setGeometry(110, 4, 230, stripHeight - 8);
    m_save->setGeometry(344, 4, 140, stripHeight - 8);
    m_hint91->setGeometry(500, 3, 340, stripHeight - 6);
    m_hint90->setGeometry(2, 2, 336, stripHeight - 10);

    const int gridWidth = w - 8;
    const int e = (gridWidth - 920) / 8;
    int x = 0;
    m_headings->setGeometry(4, stripHeight, gridWidth, headingHeight);
    for (int c = 0; c < 8; ++c) {
        const int width = std::max(20, (c % 2 == 0 ? 180 : 46) + e);
        m_table->setColumnWidth(c, width);
        if (c % 2 == 1) {
            const int pairWidth = width + m_table->columnWidth(c - 1);
            m_headingLabels[c / 2]->setGeometry(x, 0, pairWidth, headingHeight);
            x += pairWidth;
        }
    }
    m_table->setColumnHidden(8, true);
    const int top = stripHeight + headingHeight;
    const int available = h - top - 4;
    m_table->setGeometry(4, top, gridWidth, available);
    m_table->verticalHeader()->setDefaultSectionSize(std::max(16, (available - 40) / 20));
}

void MenuWindow::StringGrid2MouseDown(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    CatalogState &k = m_doc.catalog;
    k.ux2 = index.column();
    k.uy2 = index.row();
    if (k.controls.CheckBox15) {
        // Renaming: a caption is typed in place; codes are never edited.
        if (m_model->flags(index) & Qt::ItemIsEditable)
            m_table->edit(index);
        return;
    }
    catalogmenu::chooseMenu(m_doc, m_host, index.column(), index.row());
    emit documentChanged();
}

void MenuWindow::CheckBox15Click(bool checked)
{
    catalogmenu::setRenaming(m_doc, checked);
    refresh();
}

void MenuWindow::Button19Click()
{
    catalogmenu::saveMenu(m_doc, m_host);
    refresh();
}

void MenuWindow::Button18Click()
{
    catalogmenu::closeMenu(m_doc);
    emit documentChanged();
}
