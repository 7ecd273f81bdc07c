#include "items/headerpanel.h"

#include "widgets/controlfactory.h"
#include "widgets/fieldevents.h"
#include "estimate/document.h"
#include "estimate/settingsbinder.h"
#include "items/header.h"

#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

HeaderPanel::HeaderPanel(EstimateDocument &doc, Host &host, QWidget *screen)
    : QWidget(screen), m_doc(doc), m_host(host), m_screen(screen)
{
    setObjectName(u"EstimateHeader"_qs);
    QFont larger = font();
    larger.setPointSize(11);
    setFont(larger);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);

    auto *clientLabel = make::label(this, u"提 出 先"_qs, u"ClientLabel"_qs);
    fieldevents::onDoubleClick(clientLabel, [this] { ClientLabelDblClick(); });
    grid->addWidget(clientLabel, 0, 0);
    grid->addWidget(buildClientRow(), 0, 1);

    grid->addWidget(make::label(this, u"工事名称"_qs), 1, 0);
    auto *titleRow = new QHBoxLayout;
    auto *title = make::edit(this, u"Edit22"_qs);
    title->setMaximumWidth(620);
    titleRow->addWidget(title, 1);
    m_titleButton = make::button(this, u"Button103"_qs, u"参照"_qs, 64);
    titleRow->addWidget(m_titleButton);
    auto *copy = make::button(this, u"Button117"_qs, u"コピー"_qs, 64);
    titleRow->addWidget(copy);
    titleRow->addStretch();
    grid->addLayout(titleRow, 1, 1);
    auto *second = new QHBoxLayout;
    auto *secondLine = make::edit(this, u"Edit60"_qs);
    secondLine->setMaximumWidth(620);
    second->addWidget(secondLine, 1);
    second->addStretch();
    grid->addLayout(second, 2, 1);

    buildDate(grid);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 1);

    buildEraPanel();
    buildReferenceList();
    hookFieldEvents();
    m_binder = new SettingsBinder(doc, host, screen);

    connect(m_clientButton, &QPushButton::clicked, this, &HeaderPanel::Button96Click);
    connect(m_titleButton, &QPushButton::clicked, this, &HeaderPanel::Button103Click);
    connect(copy, &QPushButton::clicked, this, &HeaderPanel::Button117Click);
}

QWidget *HeaderPanel::buildClientRow()
{
    auto *row = new QWidget(this);
    auto *h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    auto *client = make::edit(row, u"Edit29"_qs);
    client->setMaximumWidth(480);
    h->addWidget(client, 1);
    h->addWidget(make::combo(row, u"ComboBox1"_qs, {u"御中"_qs, u"様"_qs, u"殿"_qs}, 70));
    m_clientButton = make::button(row, u"Button96"_qs, u"参照"_qs, 64);
    h->addWidget(m_clientButton);
    h->addWidget(buildPrintSize());
    m_printSizeHint = make::note(row, u"※提出先の印字サイズを変更できます。"_qs, u"Label165"_qs);
    m_printSizeHint->hide();
    h->addWidget(m_printSizeHint);
    h->addStretch();
    return row;
}

QWidget *HeaderPanel::buildPrintSize()
{
    // The size choice lies under a small panel carrying "Print Size"; the button uncovers it.
    auto *holder = new QWidget(this);
    holder->setFixedSize(92, 28);
    auto *size = make::combo(holder, u"ComboBox48"_qs,
                             {u"9"_qs, u"10"_qs, u"11"_qs, u"12"_qs, u"14"_qs, u"16"_qs, u"18"_qs, u"20"_qs,
                              u"22"_qs, u"24"_qs, u"26"_qs, u"28"_qs, u"30"_qs});
    size->setGeometry(0, 0, 92, 28);
    connect(size, &QComboBox::textActivated, this, &HeaderPanel::ComboBox48Select);
    m_printSizeCover = new QWidget(holder);
    m_printSizeCover->setObjectName(u"Panel105"_qs);
    m_printSizeCover->setAutoFillBackground(true);
    m_printSizeCover->setGeometry(0, 0, 92, 28);
    m_printSizeCover->raise();
    auto *button = make::button(m_printSizeCover, u"Button153"_qs, u"Print Size"_qs);
    button->setGeometry(0, 0, 92, 28);
    connect(button, &QPushButton::clicked, this, &HeaderPanel::Button153Click);
    return holder;
}

void HeaderPanel::buildDate(QGridLayout *grid)
{
    auto *number = new QHBoxLayout;
    number->addStretch();
    number->addWidget(make::label(this, u"No."_qs));
    number->addWidget(make::edit(this, u"Edit28"_qs, 150));
    grid->addLayout(number, 0, 2);

    auto *date = new QHBoxLayout;
    date->addStretch();
    auto *era = make::label(this, QString(), u"Label56"_qs);
    era->setCursor(Qt::PointingHandCursor);
    era->setToolTip(u"クリックで元号の変更"_qs);
    fieldevents::onClick(era, [this] { Label56Click(); });
    date->addWidget(era);
    const std::pair<const char16_t *, const char16_t *> parts[] = {
        {u"Edit25", u"年"}, {u"Edit26", u"月"}, {u"Edit27", u"日"}};
    for (const auto &[name, unit] : parts) {
        auto *e = make::edit(this, QString::fromUtf16(name), 40);
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        date->addWidget(e);
        date->addWidget(make::label(this, QString::fromUtf16(unit)));
    }
    auto *today = make::button(this, u"Button124"_qs, u"TODAY"_qs, 70);
    connect(today, &QPushButton::clicked, this, &HeaderPanel::Button124Click);
    date->addSpacing(6);
    date->addWidget(today);
    grid->addLayout(date, 1, 2);
}

void HeaderPanel::buildEraPanel()
{
    m_eraPanel = new QFrame(m_screen);
    m_eraPanel->setObjectName(u"Panel97"_qs);
    m_eraPanel->setAutoFillBackground(true);
    static_cast<QFrame *>(m_eraPanel)->setFrameShape(QFrame::Box);
    auto *v = new QVBoxLayout(m_eraPanel);
    v->addWidget(make::label(m_eraPanel, u"元号の変更"_qs));
    auto *row = new QHBoxLayout;
    row->addWidget(make::edit(m_eraPanel, u"Edit59"_qs, 80));
    auto *apply = make::button(m_eraPanel, u"Button140"_qs, u"変更して登録"_qs);
    connect(apply, &QPushButton::clicked, this, &HeaderPanel::Button140Click);
    row->addWidget(apply);
    v->addLayout(row);
    m_eraPanel->hide();
}

void HeaderPanel::buildReferenceList()
{
    m_list = new QListWidget(m_screen);
    m_list->setObjectName(u"ListBox2"_qs);
    m_list->setFont(font());
    m_list->hide();
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { ListBox2Click(m_list->row(item)); });
    fieldevents::onLeave(m_list, [this] { ListBox2Exit(); });
}

void HeaderPanel::hookFieldEvents()
{
    for (const char16_t *name : {u"Edit22", u"Edit25", u"Edit26", u"Edit27", u"Edit28", u"Edit29", u"Edit60"}) {
        const QString field = QString::fromUtf16(name);
        // A double-click empties the field.
        fieldevents::onDoubleClick(findChild<QLineEdit *>(field),
                                   [this, field] { m_binder->setByUser(field, QString()); });
    }
    auto *client = findChild<QLineEdit *>(u"Edit29"_qs);
    fieldevents::onKeyDown(client, [this](QKeyEvent *key) {
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        findChild<QLineEdit *>(u"Edit22"_qs)->setFocus();
        return true;
    });
}

template<typename Operation>
void HeaderPanel::act(Operation &&operation)
{
    std::forward<Operation>(operation)();
    m_doc.notifyChanged();
}

void HeaderPanel::refresh()
{
    const MainControls &c = m_doc.controls;
    m_clientButton->setText(c.Button96.text);
    m_titleButton->setText(c.Button103.text);
    if (c.Panel97.visible && !m_eraPanel->isVisible()) {
        m_eraPanel->adjustSize();
        m_eraPanel->show();
        m_eraPanel->raise();
    } else if (!c.Panel97.visible) {
        m_eraPanel->hide();
    }
    m_printSizeCover->setVisible(c.Panel105.visible);
    m_printSizeHint->setVisible(c.Label165.visible);

    QStringList shown;
    for (int i = 0; i < m_list->count(); ++i)
        shown.append(m_list->item(i)->text());
    if (shown != c.ListBox2Items) {
        m_list->clear();
        m_list->addItems(c.ListBox2Items);
    }
    const bool wasShown = m_list->isVisible();
    if (c.ListBox2.visible) {
        placeReferenceList();
        m_list->show();
        m_list->raise();
        if (!wasShown)
            m_list->setFocus();
    } else {
        m_list->hide();
    }
}

void HeaderPanel::placeReferenceList()
{
    // Under the field it fills, as high as the header operations say (and no less than its
    // entries need).
    const int tag = m_doc.controls.ListBox2.tag;
    QWidget *field = findChild<QLineEdit *>(tag == header::Clients ? u"Edit29"_qs : u"Edit22"_qs);
    const QPoint below = field->mapTo(m_screen, QPoint(0, field->height() + 2));
    const int rows = std::max(1, int(m_doc.controls.ListBox2Items.size()));
    const int needed = rows * std::max(1, m_list->sizeHintForRow(0)) + 2 * m_list->frameWidth();
    const int height = std::max(header::referenceListPlacement(tag).height, needed);
    m_list->setGeometry(below.x(), below.y(), std::max(field->width(), 240), height);
}

void HeaderPanel::Button96Click()
{
    act([this] { header::toggleReferenceList(m_doc, header::Clients); });
}

void HeaderPanel::Button103Click()
{
    act([this] { header::toggleReferenceList(m_doc, header::JobTitles); });
}

void HeaderPanel::ListBox2Click(int index)
{
    act([this, index] { header::pickReference(m_doc, index); });
}

void HeaderPanel::ListBox2Exit()
{
    if (m_doc.controls.ListBox2.visible)
        act([this] { header::leaveReferenceList(m_doc); });
}

void HeaderPanel::ClientLabelDblClick()
{
    act([this] { header::quickFill(m_doc); });
}

void HeaderPanel::Button124Click()
{
    act([this] { header::today(m_doc, QDate::currentDate()); });
}

void HeaderPanel::Label56Click()
{
    auto *era = findChild<QLabel *>(u"Label56"_qs);
    const QPoint at = era->mapTo(m_screen, QPoint(0, era->height() + 2));
    const int right = std::max(0, m_screen->width() - m_eraPanel->width());
    m_eraPanel->move(std::clamp(at.x() - m_eraPanel->width() / 2, 0, right), at.y());
    act([this] { header::showEraPanel(m_doc); });
}

void HeaderPanel::Button140Click()
{
    act([this] { header::registerEra(m_doc); });
}

void HeaderPanel::Button153Click()
{
    act([this] { header::showPrintSize(m_doc); });
}

void HeaderPanel::ComboBox48Select(const QString &size)
{
    act([this, &size] { header::choosePrintSize(m_doc, size); });
}

void HeaderPanel::Button117Click()
{
    header::copyTitle(m_doc, m_host);
}
