#include "items/itemsetupscreen.h"

#include "app/controlfactory.h"
#include "app/fieldevents.h"
#include "estimate/document.h"
#include "items/headerpanel.h"
#include "items/itemtreeview.h"

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
    hide();
}

QStringList ItemSetupScreen::standardNames()
{
    return {u"電力引込設備工事"_qs,   u"高圧引込設備工事"_qs,   u"低圧引込設備工事"_qs,
            u"受変電設備工事"_qs,     u"高圧受変電設備工事"_qs, u"太陽光発電設備工事"_qs,
            u"発電機設備工事"_qs,     u"非常用発電機設備工事"_qs, u"蓄電池設備工事"_qs,
            u"直流電源設備工事"_qs,   u"幹線設備工事"_qs,       u"幹線・動力設備工事"_qs,
            u"動力設備工事"_qs,       u"電灯設備工事"_qs,       u"電灯・コンセント設備工事"_qs,
            u"コンセント設備工事"_qs, u"動力・コンセント設備工事"_qs, u"電話設備工事"_qs,
            u"電話配管設備工事"_qs,   u"電話・情報設備工事"_qs, u"ＴＶ共聴設備工事"_qs,
            u"ＬＡＮ設備工事"_qs,     u"拡声放送設備工事"_qs,   u"非常放送設備工事"_qs,
            u"自火報設備工事"_qs,     u"自動火災報知設備工事"_qs, u"非常灯設備工事"_qs,
            u"誘導灯設備工事"_qs,     u"非常灯・誘導灯設備工事"_qs, u"防災設備工事"_qs};
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
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString &text) { m_doc.controls.Edit1.text = text; });
    fieldevents::onKeyDown(m_name, [this](QKeyEvent *key) {
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        Edit1KeyDown();
        return true;
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
    m_strip->setAutoFillBackground(true);
    QPalette yellow = m_strip->palette();
    yellow.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xC0));
    m_strip->setPalette(yellow);
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
    m_standard->addItems(standardNames());
    v->addWidget(m_standard, 1);
    v->addWidget(make::note(column, u"※ダブルクリクして登録することも出来ます。"_qs));

    connect(add, &QPushButton::clicked, this, &ItemSetupScreen::Button4Click);
    connect(m_standard, &QListWidget::itemClicked, this, &ItemSetupScreen::ListBox1Click);
    connect(m_standard, &QListWidget::itemDoubleClicked, this, &ItemSetupScreen::ListBox1DblClick);
    return column;
}

void ItemSetupScreen::open()
{
    show();
    raise();
    selectCurrentNode();
}

void ItemSetupScreen::refresh()
{
    const MainControls &c = m_doc.controls;
    if (m_name->text() != c.Edit1.text)
        m_name->setText(c.Edit1.text);
    m_register->setText(c.Button5.text);
    m_strip->setVisible(c.Panel83.visible);
    rebuildTree();
}

void ItemSetupScreen::rebuildTree()
{
}

void ItemSetupScreen::selectCurrentNode()
{
    if (m_doc.nodrow > 0 && m_doc.nodrow <= m_tree->nodeCount()) {
        m_tree->selectIndex(m_doc.nodrow - 1);
        m_tree->setFocus();
    }
}

void ItemSetupScreen::Button5Click()
{
}

void ItemSetupScreen::Edit1KeyDown()
{
}

void ItemSetupScreen::Button49Click()
{
    m_name->setFocus();
}

void ItemSetupScreen::Button116Click()
{
    m_name->setFocus();
}

void ItemSetupScreen::Button4Click()
{
    m_header->hideReferenceList();
}

void ItemSetupScreen::ListBox1Click()
{
    m_header->hideReferenceList();
}

void ItemSetupScreen::ListBox1DblClick()
{
}

void ItemSetupScreen::TreeView1Click()
{
}

void ItemSetupScreen::TreeView1DblClick()
{
    closeWithChecks();
}

void ItemSetupScreen::TreeView1RightRelease(const QPoint &globalPos)
{
    m_header->hideReferenceList();
    if (m_tree->selectedIndex() >= 0)
        m_popup->popup(globalPos);
    if (isVisible())
        selectCurrentNode();
}

void ItemSetupScreen::moveClick(const QString &button)
{
}

void ItemSetupScreen::Button6Click()
{
    m_header->hideReferenceList();
}

void ItemSetupScreen::closeWithChecks()
{
    m_header->hideReferenceList();
    m_header->coverPrintSize();
    finishClose();
}

void ItemSetupScreen::finishClose()
{
    hide();
    emit closed();
}
