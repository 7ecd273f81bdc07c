#include "items/headerpanel.h"

#include "app/controlfactory.h"
#include "app/fieldevents.h"
#include "estimate/document.h"
#include "estimate/settingsbinder.h"

#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

// Roles of the reference list, kept in its tag.
constexpr int clientRole = 0;
constexpr int titleRole = 1;

const QString referCaption = u"参照"_qs;
const QString closeCaption = u"閉じる"_qs;

} // namespace

HeaderPanel::HeaderPanel(EstimateDocument &doc, Host &host, QWidget *parent)
    : QWidget(parent), m_doc(doc), m_host(host)
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
    m_referenceButtons[titleRole] = make::button(this, u"Button103"_qs, referCaption, 64);
    titleRow->addWidget(m_referenceButtons[titleRole]);
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
    m_binder = new SettingsBinder(doc, host, this);

    connect(m_referenceButtons[clientRole], &QPushButton::clicked, this, [this] { referenceButtonClick(clientRole); });
    connect(m_referenceButtons[titleRole], &QPushButton::clicked, this, [this] { referenceButtonClick(titleRole); });
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
    m_referenceButtons[clientRole] = make::button(row, u"Button96"_qs, referCaption, 64);
    h->addWidget(m_referenceButtons[clientRole]);
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
    m_eraPanel = new QFrame(this);
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
    m_eraPanel->adjustSize();
    m_eraPanel->hide();
}

void HeaderPanel::buildReferenceList()
{
    m_list = new QListWidget(this);
    m_list->setObjectName(u"ListBox2"_qs);
    m_list->hide();
    connect(m_list, &QListWidget::itemClicked, this, &HeaderPanel::ListBox2Click);
    fieldevents::onLeave(m_list, [this] { hideReferenceList(false); });
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

void HeaderPanel::referenceButtonClick(int role)
{
    // The other list closes first.
    const int other = 1 - role;
    if (m_referenceButtons[other]->text() == closeCaption)
        m_referenceButtons[other]->setText(referCaption);

    QPushButton *button = m_referenceButtons[role];
    if (button->text() == closeCaption) {
        m_list->hide();
        button->setText(referCaption);
        return;
    }
    showReferenceList(role);
    button->setText(closeCaption);
}

void HeaderPanel::showReferenceList(int role)
{
    m_list->setProperty("tag", role);
    m_list->clear();
    // Entries and picking come from the header rules.
    QWidget *field = findChild<QLineEdit *>(role == clientRole ? u"Edit29"_qs : u"Edit22"_qs);
    const QPoint below = field->mapTo(this, QPoint(0, field->height() + 2));
    const int height = role == clientRole ? 91 : 180;
    m_list->setGeometry(below.x(), below.y(), field->width(), std::max(height, 5 * m_list->sizeHintForRow(0) + 6));
    m_list->show();
    m_list->raise();
    m_list->setFocus();
}

void HeaderPanel::hideReferenceList(bool resetCaption)
{
    m_list->hide();
    if (!resetCaption)
        return;
    for (QPushButton *button : m_referenceButtons)
        button->setText(referCaption);
}

void HeaderPanel::coverPrintSize()
{
    m_printSizeCover->show();
    m_printSizeHint->hide();
}

void HeaderPanel::ListBox2Click()
{
    hideReferenceList(true);
}

void HeaderPanel::ClientLabelDblClick()
{
}

void HeaderPanel::Button124Click()
{
}

void HeaderPanel::Label56Click()
{
    auto *era = findChild<QLabel *>(u"Label56"_qs);
    const QPoint at = era->mapTo(this, QPoint(0, era->height() + 2));
    m_eraPanel->move(std::max(0, at.x() - m_eraPanel->width() / 2), at.y());
    m_eraPanel->show();
    m_eraPanel->raise();
}

void HeaderPanel::Button140Click()
{
    m_eraPanel->hide();
}

void HeaderPanel::Button153Click()
{
    m_printSizeCover->hide();
    m_printSizeHint->show();
}

void HeaderPanel::ComboBox48Select()
{
    coverPrintSize();
}

void HeaderPanel::Button117Click()
{
}
