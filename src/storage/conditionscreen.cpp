#include "storage/conditionscreen.h"

#include "widgets/controlfactory.h"
#include "base/textgrid.h"
#include "base/textgridmodel.h"
#include "estimate/document.h"
#include "storage/conditions.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <functional>

namespace {

constexpr int markColumn = 1;
constexpr int textColumn = 2;

// The condition list with its texts editable in place while the text column is the one last
// pressed. What is typed goes to the owner's writer.
class ConditionModel : public TextGridModel
{
public:
    using Writer = std::function<void(int column, int row, const QString &text)>;

    ConditionModel(const TextGrid &grid, Writer writer, QObject *parent)
        : TextGridModel(grid, parent), m_writer(std::move(writer))
    {
    }

    void setTextEditable(bool editable) { m_textEditable = editable; }

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        Qt::ItemFlags f = TextGridModel::flags(index);
        if (m_textEditable && index.column() == textColumn)
            f |= Qt::ItemIsEditable;
        return f;
    }

    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
            return false;
        m_writer(index.column(), gridRow(index.row()), value.toString());
        emit dataChanged(index, index, {Qt::DisplayRole});
        return true;
    }

private:
    Writer m_writer;
    bool m_textEditable = false;
};

} // namespace

ConditionScreen::ConditionScreen(EstimateDocument &doc, Host &host, QWidget *parent)
    : QWidget(parent), m_doc(doc), m_host(host)
{
    setObjectName(u"Panel67"_qs);
    setAutoFillBackground(true);
    setFont(QFont(make::uiFace(), 10));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(buildTopBar());
    buildGrid();
    layout->addWidget(m_grid, 1);

    connect(&doc, &EstimateDocument::changed, this, &ConditionScreen::refresh);
    hide();
}

QWidget *ConditionScreen::buildTopBar()
{
    auto *bar = new QWidget(this);
    auto *v = new QVBoxLayout(bar);
    v->setContentsMargins(0, 0, 0, 0);

    auto *row = new QHBoxLayout;
    auto *heading = make::label(bar, u"条件書設定"_qs);
    QFont big = heading->font();
    big.setBold(true);
    big.setPointSize(13);
    heading->setFont(big);
    row->addWidget(heading);
    row->addSpacing(24);
    auto *clearMarks = make::button(bar, u"Button87"_qs, u"適用ALL_CLEAR"_qs);
    auto *clearAll = make::button(bar, u"Button88"_qs, u"ALL_CLEAR"_qs);
    row->addWidget(clearMarks);
    row->addWidget(clearAll);
    row->addStretch();
    auto *save = make::button(bar, u"Button85"_qs, u"基準値保存"_qs);
    auto *read = make::button(bar, u"Button86"_qs, u"基準値読込"_qs);
    auto *close = make::button(bar, u"Button83"_qs, u"閉じる"_qs, 96);
    row->addWidget(save);
    row->addWidget(read);
    row->addSpacing(8);
    row->addWidget(close);
    v->addLayout(row);

    auto *second = new QHBoxLayout;
    auto *title = make::label(bar, u"見積条件書"_qs);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    second->addWidget(title);
    second->addSpacing(24);
    second->addWidget(make::note(bar, u"※■表示した項目を印刷します"_qs));
    second->addSpacing(24);
    second->addWidget(make::note(bar, u"※項目をゆっくりダブルクリックすると書き込みできます。"_qs));
    second->addStretch();
    v->addLayout(second);

    connect(clearMarks, &QPushButton::clicked, this, &ConditionScreen::Button87Click);
    connect(clearAll, &QPushButton::clicked, this, &ConditionScreen::Button88Click);
    connect(save, &QPushButton::clicked, this, &ConditionScreen::Button85Click);
    connect(read, &QPushButton::clicked, this, &ConditionScreen::Button86Click);
    connect(close, &QPushButton::clicked, this, &ConditionScreen::Button83Click);
    return bar;
}

void ConditionScreen::buildGrid()
{
    // A text typed in place goes straight into the condition list.
    m_model = new ConditionModel(
        m_doc.conditions,
        [this](int column, int row, const QString &text) {
            m_doc.conditions.setCell(column, row, text);
            m_doc.notifyChanged();
        },
        this);

    m_grid = new QTableView(this);
    m_grid->setObjectName(u"StringGrid8"_qs);
    m_grid->setModel(m_model);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(24);
    m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::DoubleClicked
                            | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    const int widths[] = {30, 43, 800};
    for (int c = 0; c < 3; ++c)
        m_grid->setColumnWidth(c, widths[c]);
    connect(m_grid, &QAbstractItemView::pressed, this, &ConditionScreen::StringGrid8MouseDown);
}

void ConditionScreen::open()
{
    show();
    raise();
    refresh();
}

void ConditionScreen::refresh()
{
    // A hidden list is brought up to date when the screen opens.
    if (isVisible())
        m_model->refresh();
}

void ConditionScreen::StringGrid8MouseDown(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    // Texts are written in place; the marks column toggles instead of editing.
    static_cast<ConditionModel *>(m_model)->setTextEditable(index.column() == textColumn);
    if (index.column() != markColumn)
        return;
    conditions::toggleMark(m_doc, TextGridModel::gridRow(index.row()));
    m_doc.notifyChanged();
}

void ConditionScreen::Button85Click()
{
    conditions::saveStandard(m_doc, m_host);
}

void ConditionScreen::Button86Click()
{
    conditions::readStandard(m_doc, m_host);
    m_doc.notifyChanged();
}

void ConditionScreen::Button87Click()
{
    conditions::clearMarks(m_doc);
    m_doc.notifyChanged();
}

void ConditionScreen::Button88Click()
{
    conditions::clearAll(m_doc);
    m_doc.notifyChanged();
}

void ConditionScreen::Button83Click()
{
    hide();
    emit closed();
}
