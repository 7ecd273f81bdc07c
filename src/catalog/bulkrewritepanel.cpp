#include "catalog/bulkrewritepanel.h"

#include "catalog/bulkrewrite.h"
#include "estimate/document.h"
#include "widgets/controlfactory.h"
#include "widgets/fieldevents.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QStringList numbered(int from, int to, int width)
{
    QStringList items;
    for (int i = from; i <= to; ++i)
        items.append(QString::number(i).rightJustified(width, u'0'));
    return items;
}

// A list with its "変更" button under it.
QWidget *withButton(QWidget *parent, QWidget *top, QPushButton *button)
{
    auto *box = new QWidget(parent);
    auto *v = new QVBoxLayout(box);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(1);
    v->addWidget(top);
    v->addWidget(button);
    return box;
}

// Places a box over the gap of ideographic spaces in a label that starts at x; returns the
// label's right edge.
int placeInGap(QLabel *label, QWidget *box, int x, int height)
{
    const QFontMetrics m(label->font());
    const QString text = label->text();
    const int gapStart = int(text.indexOf(u'　'));
    const int gapLength = int(text.lastIndexOf(u'　')) - gapStart + 1;
    const int width = m.horizontalAdvance(text) + 4;
    label->setGeometry(x, 0, width, height);
    box->setGeometry(x + m.horizontalAdvance(text.left(gapStart)), (height - 24) / 2,
                     m.horizontalAdvance(text.mid(gapStart, gapLength)), 24);
    box->raise();
    return x + width;
}

} // namespace

BulkRewritePanel::BulkRewritePanel(EstimateDocument &doc, Host &host, QWidget *parent)
    : QFrame(parent), m_doc(doc), m_host(host)
{
    setObjectName(u"Panel69"_qs);
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0xE4, 0xFE, 0xE2));
    setPalette(p);
    build();
    refresh();
}

void BulkRewritePanel::build()
{
    m_strip = new QFrame(this);
    m_strip->setObjectName(u"Panel87"_qs);
    auto *row = new QHBoxLayout(m_strip);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(6);

    QStringList classes = numbered(101, 159, 3);
    classes << u"301"_qs << u"302"_qs;
    m_c = make::combo(m_strip, u"ComboBox43"_qs, classes, 64);
    m_o = make::combo(m_strip, u"ComboBox44"_qs, numbered(1, 50, 2), 52);
    m_d = make::combo(m_strip, u"ComboBox46"_qs, numbered(1, 50, 2), 52);
    m_e = make::combo(m_strip, u"ComboBox45"_qs, numbered(1, 50, 2), 52);
    auto *setC = make::button(m_strip, u"Button102"_qs, u"変更"_qs, 64);
    auto *setO = make::button(m_strip, u"Button105"_qs, u"変更"_qs, 52);
    auto *renumber = make::button(m_strip, u"Button106"_qs, u"変更"_qs, 108);
    auto *de = new QWidget(m_strip);
    auto *deRow = new QHBoxLayout(de);
    deRow->setContentsMargins(0, 0, 0, 0);
    deRow->setSpacing(4);
    deRow->addWidget(m_d);
    deRow->addWidget(m_e);

    row->addWidget(make::label(m_strip, u"コード"_qs, u"Label112"_qs));
    row->addWidget(withButton(m_strip, m_c, setC));
    row->addWidget(withButton(m_strip, m_o, setO));
    row->addWidget(withButton(m_strip, de, renumber));

    // The scope: the labels are the buttons' captions, and a click on a label selects its button.
    auto *scope = new QWidget(m_strip);
    auto *scopeRows = new QVBoxLayout(scope);
    scopeRows->setContentsMargins(8, 0, 8, 0);
    scopeRows->setSpacing(0);
    m_dragged = make::radio(scope, u"RadioButton1"_qs, QString());
    m_all = make::radio(scope, u"RadioButton2"_qs, QString());
    auto *draggedLabel = make::label(scope, u"マウスで選択した範囲を書き換える"_qs, u"Label114"_qs);
    auto *allLabel = make::label(scope, u"すべての行範囲を書き換える"_qs, u"Label115"_qs);
    for (auto [radio, label] : {std::pair{m_dragged, draggedLabel}, std::pair{m_all, allLabel}}) {
        auto *line = new QHBoxLayout;
        line->setSpacing(2);
        line->addWidget(radio);
        line->addWidget(label);
        line->addStretch();
        scopeRows->addLayout(line);
        const bool dragged = radio == m_dragged;
        auto choose = [this, dragged] {
            m_doc.catalog.controls.RadioButton1 = dragged;
            refresh();
        };
        fieldevents::onClick(label, choose);
        connect(radio, &QRadioButton::clicked, this, choose);
    }
    row->addWidget(scope);

    m_column = make::label(m_strip, QString(), u"Label116"_qs);
    m_column->setMinimumWidth(70);
    m_column->setStyleSheet(u"color: #0000C0; font-weight: bold;"_qs);
    row->addWidget(m_column);
    m_text = make::edit(m_strip, u"Edit53"_qs, 200);
    auto *replace = make::button(m_strip, u"Button107"_qs, u"変更"_qs, 52);
    row->addWidget(m_text);
    row->addWidget(replace);
    auto *openFactor = make::button(m_strip, u"Button100"_qs, u"データー倍率計算して変更"_qs);
    row->addWidget(openFactor);
    m_undo = make::button(m_strip, u"Button110"_qs, u"戻る"_qs, 64);
    m_undo->setStyleSheet(u"color: #C00000; font-weight: bold;"_qs);
    row->addWidget(m_undo);
    row->addStretch();

    // The factor panel over the right half of the strip. The gaps in its labels are ideographic
    // spaces, and the factor box and the rounding list lie in them.
    m_factor = new QFrame(this);
    m_factor->setObjectName(u"Panel86"_qs);
    m_factor->setFrameShape(QFrame::Box);
    m_factor->setAutoFillBackground(true);
    m_times = make::label(m_factor, u"を　　　倍に"_qs, u"Label117"_qs);
    m_scale = make::edit(m_factor, u"Edit54"_qs);
    m_scale->setAlignment(Qt::AlignRight);
    auto *multiply = make::button(m_factor, u"Button108"_qs, u"変更"_qs);
    m_rounding = make::label(m_factor, u"数値は　　　　　　の位で丸める"_qs, u"Label104"_qs);
    m_unit = make::combo(m_factor, u"ComboBox40"_qs, {u"1"_qs, u"10"_qs, u"100"_qs, u"1000"_qs, u"10000"_qs});
    auto *closeFactor = make::button(m_factor, u"Button109"_qs, u"閉じる"_qs);
    m_factorButtons = {multiply, closeFactor};

    CatalogControls &c = m_doc.catalog.controls;
    auto bindCombo = [this](QComboBox *box, QString CatalogControls::*field) {
        connect(box, &QComboBox::currentTextChanged, this, [this, field](const QString &text) {
            if (!m_refreshing)
                m_doc.catalog.controls.*field = text;
        });
        fieldevents::onDoubleClick(box, [this, box, field] {
            m_doc.catalog.controls.*field = QString();
            box->setCurrentText(QString());
        });
    };
    bindCombo(m_c, &CatalogControls::ComboBox43);
    bindCombo(m_o, &CatalogControls::ComboBox44);
    bindCombo(m_d, &CatalogControls::ComboBox46);
    bindCombo(m_e, &CatalogControls::ComboBox45);
    bindCombo(m_unit, &CatalogControls::ComboBox40);
    auto bindEdit = [this](QLineEdit *edit, QString CatalogControls::*field) {
        connect(edit, &QLineEdit::textEdited, this, [this, field](const QString &text) {
            m_doc.catalog.controls.*field = text;
        });
        fieldevents::onDoubleClick(edit, [this, edit, field] {
            m_doc.catalog.controls.*field = QString();
            edit->clear();
        });
    };
    bindEdit(m_text, &CatalogControls::Edit53);
    bindEdit(m_scale, &CatalogControls::Edit54);
    Q_UNUSED(c)

    connect(setC, &QPushButton::clicked, this, [this] { act([this] { bulkrewrite::setC(m_doc); }); });
    connect(setO, &QPushButton::clicked, this, [this] { act([this] { bulkrewrite::setO(m_doc); }); });
    connect(renumber, &QPushButton::clicked, this, [this] { act([this] { bulkrewrite::renumber(m_doc, m_host); }); });
    connect(replace, &QPushButton::clicked, this, [this] { act([this] { bulkrewrite::replaceWithText(m_doc); }); });
    connect(openFactor, &QPushButton::clicked, this, [this] { act([this] { bulkrewrite::openFactorPanel(m_doc); }); });
    connect(multiply, &QPushButton::clicked, this, [this] { act([this] { bulkrewrite::multiply(m_doc, m_host); }); });
    connect(closeFactor, &QPushButton::clicked, this, [this] { act([this] { bulkrewrite::closeFactorPanel(m_doc); }); });
    connect(m_undo, &QPushButton::clicked, this, [this] { act([this] { bulkrewrite::undo(m_doc); }); });
}

template<typename Operation>
void BulkRewritePanel::act(Operation &&operation)
{
    operation();
    refresh();
    emit listChanged();
}

void BulkRewritePanel::refresh()
{
    m_refreshing = true;
    const CatalogControls &c = m_doc.catalog.controls;
    setVisible(c.Panel69.visible);
    m_factor->setVisible(c.Panel86.visible);
    m_undo->setVisible(c.Button110.visible);
    m_column->setText(c.Label116.text);
    m_dragged->setChecked(c.RadioButton1);
    m_all->setChecked(!c.RadioButton1);
    const std::pair<QComboBox *, const QString *> combos[] = {
        {m_c, &c.ComboBox43}, {m_o, &c.ComboBox44}, {m_d, &c.ComboBox46}, {m_e, &c.ComboBox45}, {m_unit, &c.ComboBox40}};
    for (const auto &[box, text] : combos)
        if (box->currentText() != *text)
            box->setCurrentText(*text);
    if (m_text->text() != c.Edit53)
        m_text->setText(c.Edit53);
    if (m_scale->text() != c.Edit54)
        m_scale->setText(c.Edit54);
    m_refreshing = false;
}

void BulkRewritePanel::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    m_strip->setGeometry(0, 0, std::max(100, width() - 26), height());
    const int factorWidth = std::min(width() / 2, 600);
    m_factor->setGeometry(width() - factorWidth - 4, 4, factorWidth, height() - 8);
    layoutFactorPanel();
}

void BulkRewritePanel::layoutFactorPanel()
{
    const int h = m_factor->height();
    int x = placeInGap(m_times, m_scale, 8, h);
    m_factorButtons[0]->setGeometry(x + 6, (h - 26) / 2, 56, 26);
    x = placeInGap(m_rounding, m_unit, x + 76, h);
    m_factorButtons[1]->setGeometry(x + 10, (h - 26) / 2, 64, 26);
}
