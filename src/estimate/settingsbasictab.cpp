#include "estimate/settingsbasictab.h"

#include "catalog/copperbase.h"
#include "entry/keypadprompt.h"
#include "estimate/document.h"
#include "estimate/settingsbinder.h"
#include "estimate/settingsrules.h"
#include "widgets/controlfactory.h"
#include "widgets/fieldevents.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QString n(const char16_t *name)
{
    return QString::fromUtf16(name);
}

QString editName(int number)
{
    return u"Edit"_qs + QString::number(number);
}

const QStringList rowHeights = {u"60"_qs, u"58"_qs, u"54"_qs, u"52"_qs, u"50"_qs, u"48"_qs, u"46"_qs,
                                u"44"_qs, u"42"_qs, u"40"_qs, u"38"_qs, u"36"_qs, u"34"_qs, u"32"_qs,
                                u"30"_qs, u"28"_qs, u"26"_qs, u"24"_qs, u"22"_qs, u"20"_qs, u"18"_qs,
                                u"16"_qs, u"14"_qs, u"12"_qs, u"10"_qs};

// The extra expense row (0 to 3) of a field of the row group numbered from `first`
// (Edit36 to Edit39 rates, Edit40 to Edit43 amounts), or -1.
int extraRow(const QString &name, int first)
{
    const int number = name.mid(4).toInt();
    return number >= first && number < first + 4 ? number - first : -1;
}

// The "+/-" buttons of the four extra expense rows.
const char16_t *const signButtons[] = {u"Button77", u"Button90", u"Button91", u"Button92"};

} // namespace

SettingsBasicTab::SettingsBasicTab(EstimateDocument &doc, Host &host, QWidget *parent)
    : QWidget(parent), m_doc(doc), m_host(host)
{
    setObjectName(u"Panel26"_qs);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(buildRates(), 2);
    layout->addWidget(buildOptions(), 1);
    hookFieldEvents();
}

QGroupBox *SettingsBasicTab::buildRates()
{
    auto *group = new QGroupBox(u"見積の率と金額"_qs, this);
    group->setObjectName(u"GroupBox6"_qs);
    auto *columns = new QHBoxLayout(group);
    columns->setSpacing(18);

    auto *left = new QVBoxLayout;
    left->addWidget(buildRateFields(group));
    left->addWidget(buildExtraRows(group));
    left->addWidget(buildClientsAndFolder(group));
    left->addStretch();
    columns->addLayout(left, 5);

    auto *right = new QVBoxLayout;
    right->addWidget(buildRateOptions(group));
    right->addStretch();
    columns->addLayout(right, 4);
    return group;
}

QWidget *SettingsBasicTab::buildRateFields(QWidget *parent)
{
    auto *box = new QWidget(parent);
    auto *g = new QGridLayout(box);
    g->setContentsMargins(0, 0, 0, 0);
    g->setHorizontalSpacing(6);
    int row = 0;
    auto rate = [&](const QString &caption, const QString &percent, const QString &amount) {
        g->addWidget(make::label(box, caption), row, 0);
        g->addWidget(make::edit(box, percent, 64), row, 1);
        g->addWidget(make::label(box, u"％"_qs), row, 2);
        if (!amount.isEmpty()) {
            g->addWidget(make::label(box, u"又は"_qs), row, 3, Qt::AlignRight);
            g->addWidget(make::edit(box, amount, 110), row, 4);
            g->addWidget(make::label(box, u"円"_qs), row, 5);
        }
        ++row;
    };
    rate(u"雑材消耗品率"_qs, n(u"Edit18"), {});
    rate(u"現場雑費率"_qs, n(u"Edit19"), n(u"Edit23"));
    rate(u"諸経費率"_qs, n(u"Edit20"), n(u"Edit24"));

    g->addWidget(make::label(box, u"労務単価"_qs), row, 0);
    g->addWidget(make::edit(box, n(u"Edit21"), 110), row, 1, 1, 2);
    g->addWidget(make::label(box, u"円"_qs), row, 3);
    ++row;

    g->addWidget(make::label(box, u"労務名称"_qs), row, 0);
    g->addWidget(make::edit(box, n(u"Edit52"), 110), row, 1, 1, 2);
    auto *names = new QHBoxLayout;
    auto *labour = make::button(box, n(u"Button44"), u"労 務 費"_qs, 76);
    auto *electrician = make::button(box, n(u"Button104"), u"電 工 費"_qs, 76);
    connect(labour, &QPushButton::clicked, this, [this] { labourNameClick(u"Button44"_qs); });
    connect(electrician, &QPushButton::clicked, this, [this] { labourNameClick(u"Button104"_qs); });
    names->addWidget(labour);
    names->addWidget(electrician);
    names->addStretch();
    g->addLayout(names, row, 3, 1, 3);
    ++row;

    rate(u"消費税率"_qs, n(u"Edit51"), {});
    // The invoice-amount box is never shown; it is kept with the settings.
    auto *invoice = make::edit(box, n(u"Edit55"));
    invoice->hide();
    g->setColumnStretch(6, 1);
    return box;
}

QWidget *SettingsBasicTab::buildExtraRows(QWidget *parent)
{
    auto *box = new QGroupBox(u"その他の経費 (見積書に行を追加)"_qs, parent);
    auto *g = new QGridLayout(box);
    g->setHorizontalSpacing(6);
    g->addWidget(make::label(box, u"名　称"_qs), 0, 1, Qt::AlignCenter);
    g->addWidget(make::label(box, u"％"_qs), 0, 2, Qt::AlignCenter);
    g->addWidget(make::label(box, u"金額 (円)"_qs), 0, 3, Qt::AlignCenter);
    for (int i = 0; i < 4; ++i) {
        const int row = i + 1;
        g->addWidget(make::label(box, QString::number(row)), row, 0);
        g->addWidget(make::edit(box, editName(32 + i), 170), row, 1);
        g->addWidget(make::edit(box, editName(36 + i), 56), row, 2);
        g->addWidget(make::edit(box, editName(40 + i), 110), row, 3);
        auto *sign = make::button(box, n(signButtons[i]), u"+/-"_qs, 40);
        connect(sign, &QPushButton::clicked, this, [this, i] { signButtonClick(i); });
        g->addWidget(sign, row, 4);
    }
    g->addWidget(make::note(box, u"備考:％優先となります"_qs), 5, 1, 1, 4);
    g->setColumnStretch(5, 1);
    return box;
}

QWidget *SettingsBasicTab::buildClientsAndFolder(QWidget *parent)
{
    auto *box = new QWidget(parent);
    auto *v = new QVBoxLayout(box);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(3);
    v->addWidget(make::label(box, u"・客先(提出先)の登録"_qs));
    const QString marks[] = {u"①"_qs, u"②"_qs, u"③"_qs, u"④"_qs, u"⑤"_qs};
    auto *clients = new QGridLayout;
    clients->setContentsMargins(12, 0, 0, 0);
    for (int i = 0; i < 5; ++i) {
        clients->addWidget(make::label(box, marks[i]), i, 0);
        clients->addWidget(make::edit(box, editName(45 + i)), i, 1);
    }
    v->addLayout(clients);

    v->addSpacing(6);
    v->addWidget(make::label(box, u"・材料データーフォルダの場所"_qs));
    auto *folderRow = new QHBoxLayout;
    folderRow->setContentsMargins(12, 0, 0, 0);
    folderRow->addWidget(make::edit(box, n(u"Edit50")), 1);
    auto *browse = make::button(box, n(u"Button99"), u"参照"_qs, 56);
    connect(browse, &QPushButton::clicked, this, &SettingsBasicTab::Button99Click);
    folderRow->addWidget(browse);
    v->addLayout(folderRow);
    auto *notes = new QVBoxLayout;
    notes->setContentsMargins(12, 0, 0, 0);
    notes->setSpacing(0);
    notes->addWidget(make::note(box, u"※データーフォルダをコピーして自分専用のデーターを"_qs));
    notes->addWidget(make::note(box, u"　作成していたら変更して使うことが出来ます。"_qs));
    v->addLayout(notes);
    return box;
}

QWidget *SettingsBasicTab::buildRateOptions(QWidget *parent)
{
    auto *box = new QWidget(parent);
    auto *v = new QVBoxLayout(box);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(4);
    v->addWidget(make::check(box, n(u"CheckBox14"), u"・消費税を表示させる。"_qs));
    v->addWidget(make::check(box, n(u"CheckBox17"), u"・材料と労務経費を分けて表示させる。"_qs));
    v->addWidget(make::check(box, n(u"CheckBox3"), u"・現場雑費を表示しない"_qs));
    v->addWidget(make::check(box, n(u"CheckBox4"), u"・諸経費を表示しない"_qs));
    v->addWidget(make::check(box, n(u"CheckBox18"), u"・労務費以外は御支給品で表示する"_qs));
    v->addSpacing(6);
    v->addWidget(make::check(box, n(u"CheckBox10"), u"・労務費を自動丸めしない"_qs));
    v->addWidget(make::check(box, n(u"CheckBox11"), u"・塗装費を自動丸めしない"_qs));
    v->addWidget(make::check(box, n(u"CheckBox12"), u"・天井開口費を自動丸めしない"_qs));
    v->addWidget(make::note(box, u"※雑材消耗品費は近似値で自動丸めとなります。"_qs));
    v->addWidget(make::check(box, n(u"CheckBox13"), u"・諸経費を自動丸めとする"_qs));
    v->addSpacing(6);

    auto *net = new QHBoxLayout;
    net->addWidget(make::label(box, u"・客先へのＮＥＴ提示率を設定"_qs));
    net->addWidget(make::edit(box, n(u"Edit56"), 64));
    net->addWidget(make::label(box, u"％"_qs));
    net->addStretch();
    v->addLayout(net);

    auto *insurance = new QHBoxLayout;
    insurance->addWidget(make::check(box, n(u"CheckBox20"), u"・社会保険料相当額を表示させる"_qs));
    insurance->addWidget(make::edit(box, n(u"Edit57"), 64));
    insurance->addWidget(make::label(box, u"％"_qs));
    insurance->addStretch();
    v->addLayout(insurance);
    // The two choices share a parent of their own so that they exclude only each other.
    auto *choice = new QWidget(box);
    auto *choiceRow = new QHBoxLayout(choice);
    choiceRow->setContentsMargins(20, 0, 0, 0);
    choiceRow->addWidget(make::radio(choice, n(u"RadioButton3"), u"項目へ表示する"_qs));
    choiceRow->addWidget(make::radio(choice, n(u"RadioButton4"), u"含む事を表記だけする"_qs));
    choiceRow->addStretch();
    v->addWidget(choice);
    v->addSpacing(6);

    auto *copper = new QHBoxLayout;
    copper->addWidget(make::label(box, u"設定銅ベース"_qs));
    copper->addWidget(make::edit(box, n(u"Edit62"), 80));
    copper->addStretch();
    v->addLayout(copper);
    return box;
}

QGroupBox *SettingsBasicTab::buildOptions()
{
    auto *group = new QGroupBox(u"表示と計算"_qs, this);
    group->setObjectName(u"GroupBox7"_qs);
    auto *v = new QVBoxLayout(group);
    v->setSpacing(5);
    auto heightRow = [&](const QString &caption, const QString &name) {
        auto *row = new QHBoxLayout;
        row->addWidget(make::label(group, caption));
        row->addStretch();
        row->addWidget(make::combo(group, name, rowHeights, 64));
        v->addLayout(row);
    };
    heightRow(u"・登録画面のセル高さ"_qs, n(u"ComboBox36"));
    heightRow(u"・見積画面のセル高さ"_qs, n(u"ComboBox37"));
    heightRow(u"・材料選択画面のセル高さ"_qs, n(u"ComboBox41"));
    v->addSpacing(6);
    v->addWidget(make::check(group, n(u"CheckBox2"), u"・起動時に画面幅で表示"_qs));
    v->addWidget(make::check(group, n(u"CheckBox1"), u"・施工区分毎に材料表示"_qs));
    v->addWidget(make::check(group, n(u"CheckBox8"), u"・複合単価で計算させる"_qs));

    auto *rounding = new QHBoxLayout;
    rounding->addWidget(make::label(group, u"・Ａ材を"_qs));
    rounding->addWidget(make::combo(group, n(u"ComboBox42"),
                                    {u"1"_qs, u"10"_qs, u"100"_qs, u"1000"_qs, u"10000"_qs}, 80));
    rounding->addWidget(make::label(group, u"の位で丸め調整する"_qs));
    rounding->addStretch();
    v->addLayout(rounding);

    v->addWidget(make::check(group, n(u"CheckBox7"), u"・数量を小数点まで表示して計算する"_qs));
    v->addWidget(make::check(group, n(u"CheckBox16"),
                             u"・見積表示の時に項目選択したら\n　項目別表示へ移動する"_qs));
    v->addWidget(make::check(group, n(u"CheckBox22"), u"・材料の小計を表示させる"_qs));
    v->addWidget(make::check(group, n(u"CheckBox25"), u"・圧縮金額を表示させる"_qs));

    // Kept with the settings but never shown.
    make::check(group, n(u"CheckBox5"), u"・内訳に上位階層も表示させる"_qs)->hide();
    make::combo(group, n(u"ComboBox39"), {u"100"_qs, u"125"_qs, u"150"_qs})->hide();
    v->addStretch();
    return group;
}

void SettingsBasicTab::attach(SettingsBinder &binder)
{
    m_binder = &binder;
    connect(&binder, &SettingsBinder::edited, this, &SettingsBasicTab::fieldTyped);
}

void SettingsBasicTab::refresh()
{
    if (auto *subtotal = findChild<QCheckBox *>(u"CheckBox22"_qs))
        subtotal->setEnabled(m_doc.controls.CheckBox22.enabled);
}

void SettingsBasicTab::hookFieldEvents()
{
    auto field = [this](const QString &name) { return findChild<QLineEdit *>(name); };

    for (int number : {19, 20, 21, 23, 24, 36, 37, 38, 39, 40, 41, 42, 43, 51, 55, 56, 57})
        fieldevents::digitsOnly(field(editName(number)), m_host);
    field(u"Edit18"_qs)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // Click: the consumables rate, the extra rows' names, rates and amounts.
    for (int number : {18, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43}) {
        const QString name = editName(number);
        fieldevents::onClick(field(name), [this, name] { fieldClick(name); });
    }
    for (int number : {19, 20, 21, 23, 24, 36, 37, 38, 39, 40, 41, 42, 43, 45, 46, 47, 48, 49, 51, 52}) {
        const QString name = editName(number);
        fieldevents::onDoubleClick(field(name), [this, name] { fieldDoubleClick(name); });
    }
    for (int number : {19, 20}) {
        const QString name = editName(number);
        fieldevents::onLeave(field(name), [this, name] { fieldLeave(name); });
        // Enter does nothing in the two rates.
        fieldevents::onKeyDown(field(name), [](QKeyEvent *e) {
            return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
        });
    }
    fieldevents::onClick(field(u"Edit62"_qs), [this] { Edit62Click(); });

    // The NET rate and the social-insurance rate are typed on the keypad, opened by a click or a
    // key in the field.
    for (int number : {56, 57}) {
        const QString name = editName(number);
        fieldevents::onClick(field(name), [this, name] { keypadEntry(name); });
        fieldevents::onKeyDown(field(name), [this, name](QKeyEvent *e) {
            if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab || e->text().isEmpty())
                return false;
            keypadEntry(name);
            return true;
        });
    }
}

void SettingsBasicTab::keypadEntry(const QString &name)
{
    QString &rate = name == u"Edit56" ? m_doc.settings.Edit56 : m_doc.settings.Edit57;
    keypadprompt::typeIntoSetting(m_doc, m_host, rate, name == u"Edit57");
}

template<typename Rule>
void SettingsBasicTab::act(Rule &&rule)
{
    std::forward<Rule>(rule)();
    m_doc.notifyChanged();
}

void SettingsBasicTab::fieldClick(const QString &name)
{
    if (const int row = extraRow(name, 36); row >= 0)
        act([&] { settingsrules::extraRateEdited(m_doc, row); });
    else if (const int row = extraRow(name, 40); row >= 0)
        act([&] { settingsrules::extraAmountEdited(m_doc, row); });
    else // the consumables rate and the extra rows' names are emptied by a click
        m_binder->setByUser(name, QString());
}

void SettingsBasicTab::fieldDoubleClick(const QString &name)
{
    m_binder->setByUser(name, QString());
}

void SettingsBasicTab::fieldLeave(const QString &name)
{
    act([&] {
        if (name == u"Edit19")
            settingsrules::siteRateLeft(m_doc);
        else
            settingsrules::overheadRateLeft(m_doc);
    });
}

void SettingsBasicTab::fieldTyped(const QString &name)
{
    if (name == u"Edit19")
        settingsrules::siteRateKey(m_doc);
    else if (name == u"Edit20")
        settingsrules::overheadRateKey(m_doc);
    else if (const int row = extraRow(name, 36); row >= 0)
        settingsrules::extraRateEdited(m_doc, row);
}

void SettingsBasicTab::signButtonClick(int row)
{
    act([&] { settingsrules::flipExtraAmountSign(m_doc, m_host, row); });
}

void SettingsBasicTab::labourNameClick(const QString &name)
{
    act([&] {
        if (name == u"Button44")
            settingsrules::labourNameButton44(m_doc);
        else
            settingsrules::labourNameButton104(m_doc);
    });
}

void SettingsBasicTab::Button99Click()
{
    if (settingsrules::browseDataFolder(m_doc, m_host))
        m_doc.notifyChanged();
}

void SettingsBasicTab::Edit62Click()
{
    // The copper-base adjustment from the settings screen: nothing is recalculated until it closes.
    act([this] { copperbase::adjust(m_doc, m_host, true); });
}
