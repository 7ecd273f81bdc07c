#include "output/tform5.h"

#include "estimate/document.h"
#include "widgets/controlfactory.h"
#include "widgets/fieldevents.h"

#include <QCheckBox>
#include <QDate>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Client areas: the buttons and page boxes alone, and with the invoice group.
constexpr QSize plainSize(660, 48);
constexpr QSize invoiceSize(650, 217);

} // namespace

TForm5::TForm5(EstimateDocument &doc, Host &host, QWidget *parent)
    : QDialog(parent), m_doc(doc), m_host(host)
{
    setObjectName(u"TForm5"_qs);
    setWindowTitle(u"印刷フォーム"_qs);
    setFont(QFont(make::uiFace(), 10));
    buildButtonPanel();
    buildInvoiceGroup();
    setInvoiceGroupShown(false);
    refresh();
}

void TForm5::buildButtonPanel()
{
    m_buttonPanel = new QWidget(this);
    m_buttonPanel->setObjectName(u"Panel1"_qs);
    m_buttonPanel->setGeometry(0, 0, plainSize.width(), plainSize.height());
    auto *quotation = make::button(m_buttonPanel, u"Button1"_qs, u"見積書印刷"_qs);
    quotation->setGeometry(8, 10, 96, 28);
    auto *invoice = make::button(m_buttonPanel, u"Button2"_qs, u"請求書印刷"_qs);
    invoice->setGeometry(108, 10, 96, 28);
    const char16_t *captions[] = {u"表紙", u"大項目", u"内訳", u"条件書", u"金抜き印刷する"};
    const int widths[] = {56, 68, 56, 68, 128};
    int x = 218;
    for (int i = 0; i < 5; ++i) {
        m_boxes[i] = make::check(m_buttonPanel, u"CheckBox%1"_qs.arg(i + 1), QString::fromUtf16(captions[i]));
        m_boxes[i]->setGeometry(x, 14, widths[i], 20);
        x += widths[i] + 6;
        connect(m_boxes[i], &QCheckBox::clicked, this, [this] { takeInput(); });
    }
    connect(quotation, &QPushButton::clicked, this, &TForm5::Button1Click);
    connect(invoice, &QPushButton::clicked, this, &TForm5::Button2Click);
}

void TForm5::buildInvoiceGroup()
{
    m_group = new QGroupBox(u" 請 求 処 理"_qs, this);
    m_group->setObjectName(u"GroupBox1"_qs);
    m_group->setGeometry(6, 4, invoiceSize.width() - 12, invoiceSize.height() - 10);
    QGroupBox *g = m_group;
    auto place = [](QWidget *w, int x, int y, int width, int height = 24) { w->setGeometry(x, y, width, height); };

    place(make::label(g, u"請  求  先"_qs), 12, 26, 80);
    m_edits[2] = make::edit(g, u"Edit2"_qs);
    place(m_edits[2], 96, 24, 300);

    place(make::label(g, u"日付"_qs), 12, 58, 80);
    // The year, month and day boxes lie over the gaps of the label, each ending before its unit.
    auto *dateLabel = make::label(g, u"　令和 　　 　年　 　　月　　　　日"_qs);
    place(dateLabel, 96, 58, 320);
    const QFontMetrics metrics(dateLabel->font());
    const QString date = dateLabel->text();
    const char16_t units[] = {u'年', u'月', u'日'};
    for (int i = 0; i < 3; ++i) {
        const int unitX = 96 + metrics.horizontalAdvance(date.left(date.indexOf(QChar(units[i]))));
        m_edits[3 + i] = make::edit(g, u"Edit%1"_qs.arg(3 + i));
        m_edits[3 + i]->setAlignment(Qt::AlignRight);
        place(m_edits[3 + i], unitX - 42, 56, 38);
        connect(m_edits[3 + i], &QLineEdit::textEdited, this, [this] { takeInput(); });
    }

    place(make::label(g, u"請求金額(税抜)"_qs), 12, 92, 100);
    m_edits[1] = make::edit(g, u"Edit1"_qs);
    m_edits[7] = make::edit(g, u"Edit7"_qs);
    for (int i : {1, 7}) {
        m_edits[i]->setAlignment(Qt::AlignRight);
        place(m_edits[i], 116, 90, 150);
    }
    m_edits[1]->setReadOnly(true);
    fieldevents::onClick(m_edits[1], [this] { Edit1Click(); });
    fieldevents::onKeyDown(m_edits[7], [this](QKeyEvent *e) { return Edit7KeyDown(e->key()); });
    auto *recalc = make::button(g, u"Button5"_qs, u"再計算"_qs);
    place(recalc, 276, 89, 80, 26);
    connect(recalc, &QPushButton::clicked, this, &TForm5::Button5Click);

    place(make::label(g, u"消費税"_qs), 12, 124, 100);
    m_edits[6] = make::edit(g, u"Edit6"_qs);
    m_edits[6]->setReadOnly(true);
    m_edits[6]->setAlignment(Qt::AlignRight);
    place(m_edits[6], 116, 122, 150);
    m_edits[8] = make::edit(g, u"Edit8"_qs);
    m_edits[8]->hide();
    m_rate = make::label(g, m_options.Label9, u"Label9"_qs);
    place(m_rate, 276, 124, 140);

    m_truncate = make::radio(g, u"RadioButton1"_qs, u"切り捨て"_qs);
    m_round = make::radio(g, u"RadioButton2"_qs, u"四捨五入"_qs);
    place(m_truncate, 420, 92, 96);
    place(m_round, 420, 120, 96);
    connect(m_truncate, &QRadioButton::clicked, this, &TForm5::Button5Click);
    connect(m_round, &QRadioButton::clicked, this, &TForm5::Button5Click);

    place(make::label(g, u"請求金額(税込)"_qs), 12, 156, 100);
    m_edits[9] = make::edit(g, u"Edit9"_qs);
    m_edits[9]->setReadOnly(true);
    m_edits[9]->setAlignment(Qt::AlignRight);
    place(m_edits[9], 116, 154, 150);
    auto *hint = make::label(g, u"※請求金額は確認してください。"_qs, u"Label6"_qs);
    hint->setStyleSheet(u"color: #c00000;"_qs);
    place(hint, 276, 156, 200);

    auto *print = make::button(g, u"Button3"_qs, u"印刷"_qs);
    place(print, 520, 24, 100, 30);
    auto *cancel = make::button(g, u"Button4"_qs, u"キャンセル"_qs);
    place(cancel, 520, 62, 100, 30);
    connect(print, &QPushButton::clicked, this, &TForm5::Button3Click);
    connect(cancel, &QPushButton::clicked, this, &TForm5::Button4Click);
}

void TForm5::setInvoiceGroupShown(bool shown)
{
    m_group->setVisible(shown);
    setFixedSize(shown ? invoiceSize : plainSize);
}

void TForm5::refresh()
{
    const PrintOptions &o = m_options;
    const bool boxes[] = {o.CheckBox1, o.CheckBox2, o.CheckBox3, o.CheckBox4, o.CheckBox5};
    for (int i = 0; i < 5; ++i)
        m_boxes[i]->setChecked(boxes[i]);
    const QString *texts[] = {nullptr, &o.Edit1, &o.Edit2, &o.Edit3, &o.Edit4, &o.Edit5,
                              &o.Edit6, &o.Edit7, &o.Edit8, &o.Edit9};
    for (int i = 1; i <= 9; ++i)
        if (m_edits[i]->text() != *texts[i])
            m_edits[i]->setText(*texts[i]);
    m_rate->setText(o.Label9);
    m_truncate->setChecked(o.RadioButton1);
    m_round->setChecked(!o.RadioButton1);
    m_edits[1]->setVisible(o.Edit1Shown);
    m_edits[7]->setVisible(!o.Edit1Shown);
    m_buttonPanel->setVisible(o.buttonPanels);
    setInvoiceGroupShown(o.GroupBox1);
}

void TForm5::takeInput()
{
    PrintOptions &o = m_options;
    bool *boxes[] = {&o.CheckBox1, &o.CheckBox2, &o.CheckBox3, &o.CheckBox4, &o.CheckBox5};
    for (int i = 0; i < 5; ++i)
        *boxes[i] = m_boxes[i]->isChecked();
    o.Edit2 = m_edits[2]->text();
    o.Edit3 = m_edits[3]->text();
    o.Edit4 = m_edits[4]->text();
    o.Edit5 = m_edits[5]->text();
    o.Edit7 = m_edits[7]->text();
    o.RadioButton1 = m_truncate->isChecked();
}

void TForm5::showEvent(QShowEvent *event)
{
    printoptions::FormShow(m_doc, m_options);
    refresh();
    QDialog::showEvent(event);
}

void TForm5::Button1Click()
{
    takeInput();
    printoptions::Button1Click(m_doc, m_options);
    accept();
}

void TForm5::Button2Click()
{
    takeInput();
    printoptions::Button2Click(m_doc, m_host, m_options, QDate::currentDate());
    refresh();
}

void TForm5::Button5Click()
{
    takeInput();
    printoptions::Button5Click(m_doc, m_host, m_options);
    refresh();
}

void TForm5::Button3Click()
{
    takeInput();
    printoptions::Button3Click(m_doc, m_options);
    refresh();
    accept();
}

void TForm5::Button4Click()
{
    reject();
}

void TForm5::reject()
{
    takeInput();
    printoptions::Button4Click(m_doc, m_options);
    refresh();
    QDialog::reject();
}

// A click on the amount shows the plain number for editing in its place.
void TForm5::Edit1Click()
{
    m_options.Edit1Shown = false;
    refresh();
    m_edits[7]->setFocus();
}

// Every key first shows the amount as it was before the key; Enter recalculates and is swallowed.
bool TForm5::Edit7KeyDown(int key)
{
    m_options.Edit1 = m_edits[7]->text();
    m_edits[1]->setText(m_options.Edit1);
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    Button5Click();
    return true;
}
