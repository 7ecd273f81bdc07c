#include "items/itemsetupscreen.h"

#include "widgets/controlfactory.h"
#include "widgets/fieldevents.h"
#include "estimate/document.h"
#include "items/headerpanel.h"
#include "items/itemmoves.h"
#include "items/itemtable.h"
#include "items/itemtree.h"
#include "items/itemtreeview.h"
#include "items/setupscreen.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

ItemSetupScreen::ItemSetupScreen(EstimateDocument &doc, Host &host, QWidget *parent)
    : QGroupBox(u"工事登録画面"_qs, parent), m_doc(doc), m_host(host)
{
    setObjectName(u"GroupBox1"_qs);
    setAutoFillBackground(true);
    setFont(QFont(make::uiFace(), 10));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    m_header = new HeaderPanel(doc, host, this);
    auto *headerFrame = new QFrame(this);
    headerFrame->setFrameShape(QFrame::StyledPanel);
    auto *headerLayout = new QVBoxLayout(headerFrame);
    headerLayout->setContentsMargins(0, 0, 0, 0);
    headerLayout->addWidget(m_header);
    layout->addWidget(headerFrame);

    auto *body = new QHBoxLayout;
    body->setSpacing(10);
    body->addWidget(buildTreeColumn(), 5);
    body->addWidget(buildMoveButtons());
    body->addWidget(buildStandardNames(), 2);
    layout->addLayout(body, 1);

    m_popup = new QMenu(this);
    QAction *remove = m_popup->addAction(u"削除"_qs);
    remove->setObjectName(u"N30"_qs);
    connect(remove, &QAction::triggered, this, &ItemSetupScreen::Button6Click);

    connect(&doc, &EstimateDocument::changed, this, &ItemSetupScreen::refresh);
    refresh();
}

QWidget *ItemSetupScreen::buildNameBox()
{
    auto *box = new QWidget(this);
    auto *v = new QVBoxLayout(box);
    v->setContentsMargins(0, 0, 0, 0);
    auto *row = new QHBoxLayout;
    m_name = make::edit(box, u"Edit1"_qs);
    QFont larger = m_name->font();
    larger.setPointSize(12);
    m_name->setFont(larger);
    row->addWidget(m_name, 1);
    auto *clear = make::button(box, u"Button49"_qs, u"C"_qs, 36);
    row->addWidget(clear);
    m_register = make::button(box, u"Button5"_qs, u"↓ 登録"_qs, 110);
    row->addWidget(m_register);
    v->addLayout(row);
    v->addWidget(make::note(box, u"※直接書いて登録することも可能です。"_qs));

    connect(clear, &QPushButton::clicked, this, &ItemSetupScreen::Button49Click);
    connect(m_register, &QPushButton::clicked, this, &ItemSetupScreen::Button5Click);
    // The name box's text is kept with the document, where the item operations read it.
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString &text) { m_doc.controls.Edit1.text = text; });
    fieldevents::onKeyDown(m_name, [this](QKeyEvent *key) {
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        Edit1Enter();
        return true; // the key is consumed
    });
    fieldevents::onDoubleClick(m_name, [this] { Button49Click(); });
    return box;
}

QWidget *ItemSetupScreen::buildTreeColumn()
{
    auto *column = new QWidget(this);
    auto *v = new QVBoxLayout(column);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(buildNameBox());

    m_strip = new QFrame(column);
    m_strip->setObjectName(u"Panel83"_qs);
    make::background(m_strip, QColor(0xFF, 0xFF, 0xC0));
    auto *strip = new QHBoxLayout(m_strip);
    strip->setContentsMargins(6, 2, 6, 2);
    auto *stripText = make::label(
        m_strip, u"----- 項目選択中　／　※名称変更可-----------------------------------------"_qs);
    stripText->setMinimumWidth(100);
    strip->addWidget(stripText, 1);
    auto *cancel = make::button(m_strip, u"Button116"_qs, u"キャンセル"_qs);
    connect(cancel, &QPushButton::clicked, this, &ItemSetupScreen::Button116Click);
    strip->addWidget(cancel);
    v->addWidget(m_strip);

    m_tree = new ItemTreeView(column);
    v->addWidget(m_tree, 1);
    connect(m_tree, &ItemTreeView::nodeClicked, this, &ItemSetupScreen::TreeView1Click);
    connect(m_tree, &ItemTreeView::nodeDoubleClicked, this, &ItemSetupScreen::TreeView1DblClick);
    connect(m_tree, &ItemTreeView::rightReleased, this, &ItemSetupScreen::TreeView1RightRelease);
    return column;
}

QWidget *ItemSetupScreen::buildMoveButtons()
{
    auto *column = new QWidget(this);
    auto *v = new QVBoxLayout(column);
    v->setContentsMargins(0, 0, 0, 0);
    auto *close = make::button(column, u"Button119"_qs, u"閉じる"_qs, 90);
    connect(close, &QPushButton::clicked, this, &ItemSetupScreen::closeWithChecks);
    v->addWidget(close);
    v->addSpacing(60);

    const std::pair<const char16_t *, const char16_t *> moves[] = {
        {u"Button8", u"▲"}, {u"Button10", u"←"}, {u"Button9", u"→"}, {u"Button7", u"▼"}};
    for (const auto &[name, caption] : moves) {
        const QString buttonName = QString::fromUtf16(name);
        auto *b = make::button(column, buttonName, QString::fromUtf16(caption), 90);
        b->setMinimumHeight(40);
        QFont f = b->font();
        f.setPointSize(14);
        b->setFont(f);
        connect(b, &QPushButton::clicked, this, [this, buttonName] { moveClick(buttonName); });
        v->addWidget(b);
    }
    v->addSpacing(20);
    auto *remove = make::button(column, u"Button6"_qs, u"削 除"_qs, 90);
    remove->setMinimumHeight(34);
    connect(remove, &QPushButton::clicked, this, &ItemSetupScreen::Button6Click);
    v->addWidget(remove);
    v->addStretch();
    auto *closeLower = make::button(column, u"Button3"_qs, u"閉じる"_qs, 90);
    closeLower->setMinimumHeight(40);
    connect(closeLower, &QPushButton::clicked, this, &ItemSetupScreen::closeWithChecks);
    v->addWidget(closeLower);
    return column;
}

QWidget *ItemSetupScreen::buildStandardNames()
{
    auto *column = new QWidget(this);
    auto *v = new QVBoxLayout(column);
    v->setContentsMargins(0, 0, 0, 0);
    auto *add = make::button(column, u"Button4"_qs, u"☚項目登録"_qs);
    add->setMinimumHeight(30);
    v->addWidget(add);
    m_standard = new QListWidget(column);
    m_standard->setObjectName(u"ListBox1"_qs);
    m_standard->addItems(items::standardNames());
    m_standard->setSpacing(1);
    QFont names = m_standard->font();
    names.setPointSize(11);
    m_standard->setFont(names);
    v->addWidget(m_standard, 1);
    v->addWidget(make::note(column, u"※ダブルクリクして登録することも出来ます。"_qs));

    connect(add, &QPushButton::clicked, this, &ItemSetupScreen::Button4Click);
    connect(m_standard, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { ListBox1Click(m_standard->row(item)); });
    connect(m_standard, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { ListBox1DblClick(m_standard->row(item)); });
    return column;
}

template<typename Operation>
void ItemSetupScreen::act(Operation &&operation)
{
    std::forward<Operation>(operation)();
    m_doc.notifyChanged();
}

void ItemSetupScreen::open()
{
    act([this] { setupscreen::toggle(m_doc, m_host); });
}

void ItemSetupScreen::refresh()
{
    const MainControls &c = m_doc.controls;
    if (m_name->text() != c.Edit1.text)
        m_name->setText(c.Edit1.text);
    m_register->setText(c.Button5.text);
    m_strip->setVisible(c.Panel83.visible);
    m_tree->showTree(m_doc.itemTree);
    m_header->refresh();

    const bool open = c.GroupBox1.visible;
    setVisible(open);
    if (open && !m_wasOpen)
        raise();
    if (!open && m_wasOpen) {
        m_wasOpen = false;
        emit closed();
    }
    m_wasOpen = open;
    if (open)
        takeFocusRequest();
}

void ItemSetupScreen::takeFocusRequest()
{
    QString &focus = m_doc.controls.focus;
    if (focus.isEmpty())
        return;
    if (auto *target = findChild<QWidget *>(focus)) {
        target->setFocus();
        focus.clear();
    }
}

void ItemSetupScreen::Button5Click()
{
    act([this] { items::registerButton(m_doc, m_host); });
}

void ItemSetupScreen::Edit1Enter()
{
    act([this] { items::enterInNameBox(m_doc, m_host); });
}

void ItemSetupScreen::Button49Click()
{
    act([this] { items::clearNameBox(m_doc); });
}

void ItemSetupScreen::Button116Click()
{
    act([this] { items::leaveEditMode(m_doc); });
}

void ItemSetupScreen::Button4Click()
{
    act([this] { items::registerFromList(m_doc, m_host); });
}

void ItemSetupScreen::ListBox1Click(int index)
{
    act([this, index] { items::pickStandardName(m_doc, index); });
}

void ItemSetupScreen::ListBox1DblClick(int index)
{
    act([this, index] { items::registerStandardName(m_doc, m_host, index); });
}

void ItemSetupScreen::TreeView1Click()
{
    act([this] {
        itemtree::choose(m_doc, m_tree->selectedIndex());
        itemtree::mouseUp(m_doc, false);
    });
}

void ItemSetupScreen::TreeView1DblClick()
{
    closeWithChecks();
}

void ItemSetupScreen::TreeView1RightRelease(const QPoint &globalPos)
{
    bool offer = false;
    act([this, &offer] { offer = itemtree::mouseUp(m_doc, true); });
    if (offer)
        m_popup->popup(globalPos);
}

void ItemSetupScreen::moveClick(const QString &button)
{
    act([this, &button] {
        if (button == u"Button8")
            items::moveUp(m_doc, m_host);
        else if (button == u"Button7")
            items::moveDown(m_doc, m_host);
        else if (button == u"Button9")
            items::indent(m_doc, m_host);
        else if (button == u"Button10")
            items::outdent(m_doc, m_host);
    });
}

void ItemSetupScreen::Button6Click()
{
    act([this] { items::deleteChosenItem(m_doc, m_host); });
}

void ItemSetupScreen::closeWithChecks()
{
    act([this] { setupscreen::closeWithChecks(m_doc, m_host); });
}
