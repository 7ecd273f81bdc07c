// The data entry window's controls: built once, placed at fixed positions as the window has a
// fixed size, and hooked to the form's rules by object name.

#include "entry/tform2.h"

#include "base/host.h"
#include "entry/earthwork.h"
#include "entry/entryactivation.h"
#include "entry/entryfields.h"
#include "estimate/document.h"
#include "widgets/controlfactory.h"
#include "widgets/fieldevents.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int rowHeight = 26;

QFrame *frame(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::StyledPanel);
    f->setAutoFillBackground(true);
    f->setGeometry(geometry);
    return f;
}

// The line-table unit list of the window (the unit window has its own).
QStringList lineUnits()
{
    return {u"式"_qs, u"ケ"_qs, u"個"_qs, u"台"_qs, u"面"_qs, u"基"_qs, u"組"_qs,
            u"本"_qs, u"ｍ"_qs, u"ケ所"_qs, u"箇所"_qs, u"工数"_qs};
}

// Fields that take digits only from the keyboard: points and signs come from the keypad.
constexpr const char16_t *digitFields[] = {u"Edit1",  u"Edit2",  u"Edit3",  u"Edit4",  u"Edit5",  u"Edit9",
                                           u"Edit11", u"Edit13", u"Edit14", u"Edit15", u"Edit16", u"Edit18",
                                           u"Edit19", u"Edit20", u"Edit26", u"Edit27", u"Edit28", u"Edit29",
                                           u"Edit31", u"Edit32", u"Edit33", u"Edit35"};

} // namespace

QLineEdit *TForm2::edit(QWidget *parent, const QString &name, const QRect &geometry)
{
    QLineEdit *e = make::edit(parent, name);
    e->setGeometry(geometry);
    m_named.insert(name, e);
    return e;
}

QLabel *TForm2::panel(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry)
{
    QFrame *f = frame(parent, name, geometry);
    m_named.insert(name, f);
    auto *label = new QLabel(caption, f);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(0, 0, geometry.width(), geometry.height());
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

void TForm2::createControls()
{
    setFixedSize(934, 312);
    createLineFields();
    createRateFields();
    createKeypad();
    createEarthwork();
}

void TForm2::createLineFields()
{
    auto caption = [this](const QString &text, const QRect &geometry) {
        QLabel *l = make::label(this, text);
        l->setGeometry(geometry);
        return l;
    };
    caption(u"工事項目"_qs, {8, 8, 80, rowHeight});
    edit(this, u"Edit22"_qs, {90, 8, 330, rowHeight});
    auto *old = make::label(this, QString(), u"Label47"_qs);
    old->setGeometry(430, 8, 220, rowHeight);
    m_named.insert(old->objectName(), old);

    caption(u"コード"_qs, {8, 40, 80, rowHeight});
    const std::pair<const char16_t *, int> codes[] = {
        {u"Edit1", 44}, {u"Edit2", 32}, {u"Edit3", 32}, {u"Edit4", 32}, {u"Edit5", 52}};
    int x = 90;
    for (const auto &[name, width] : codes) {
        edit(this, QString::fromUtf16(name), {x, 40, width, rowHeight});
        x += width + 2;
    }
    auto *status = make::label(this, QString(), u"Label28"_qs);
    status->setGeometry(330, 40, 320, rowHeight);
    m_named.insert(status->objectName(), status);
    // Hidden fields the rules use.
    for (const char16_t *name : {u"Edit21", u"Edit8", u"Edit34", u"Edit30", u"Edit24", u"Edit25"})
        edit(this, QString::fromUtf16(name), {0, 0, 10, 10})->hide();

    panel(this, u"Panel3"_qs, u"品　　名"_qs, {8, 72, 80, rowHeight});
    QComboBox *name = make::combo(this, u"ComboBox5"_qs, {});
    name->setGeometry(90, 72, 250, rowHeight);
    m_named.insert(name->objectName(), name);
    panel(this, u"Panel4"_qs, u"規　　格"_qs, {346, 72, 68, rowHeight});
    edit(this, u"Edit7"_qs, {416, 72, 234, rowHeight});
    QLabel *banner = panel(this, u"Panel45"_qs, u"注釈行"_qs, {576, 72, 74, rowHeight});
    banner->parentWidget()->setStyleSheet(u"background: #FFFFC0;"_qs);

    QFrame *nameHalves = frame(this, u"Panel43"_qs, {90, 100, 250, 44});
    m_named.insert(nameHalves->objectName(), nameHalves);
    edit(nameHalves, u"Edit10"_qs, {1, 1, 248, 20})->setReadOnly(true);
    edit(nameHalves, u"Edit38"_qs, {1, 22, 248, 20})->setReadOnly(true);
    QFrame *specHalves = frame(this, u"Panel42"_qs, {416, 100, 234, 44});
    m_named.insert(specHalves->objectName(), specHalves);
    edit(specHalves, u"Edit36"_qs, {1, 1, 232, 20})->setReadOnly(true);
    edit(specHalves, u"Edit37"_qs, {1, 22, 232, 20})->setReadOnly(true);

    panel(this, u"Panel6"_qs, u"数量"_qs, {8, 150, 58, rowHeight});
    edit(this, u"Edit9"_qs, {68, 150, 74, rowHeight});
    panel(this, u"Panel7"_qs, u"単位"_qs, {148, 150, 48, rowHeight});
    QComboBox *unit = make::combo(this, u"ComboBox6"_qs, lineUnits());
    unit->setGeometry(198, 150, 82, rowHeight);
    unit->setCurrentIndex(-1);
    m_named.insert(unit->objectName(), unit);
    QLabel *priceLabel = panel(this, u"Panel8"_qs, u"単　価"_qs, {286, 150, 58, rowHeight});
    priceLabel->setObjectName(u"Label7"_qs);
    fieldevents::onDoubleClick(priceLabel, [this] { Label7DblClick(); });
    edit(this, u"Edit11"_qs, {346, 150, 112, rowHeight});
    QLineEdit *shownPrice = edit(this, u"Edit6"_qs, {346, 150, 112, rowHeight});
    shownPrice->setReadOnly(true);
    shownPrice->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    shownPrice->raise();
    panel(this, u"Panel9"_qs, u"歩掛"_qs, {464, 150, 48, rowHeight});
    edit(this, u"Edit12"_qs, {514, 150, 70, rowHeight})->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    const std::tuple<const char16_t *, const char16_t *, int> small[] = {
        {u"Edit17", u"施工区分", 100}, {u"Edit23", u"品種区分", 100}, {u"Edit18", u"補給率", 56},
        {u"Edit13", u"付属率", 56},    {u"Edit14", u"取付材率", 60}, {u"Edit15", u"塗装費", 60},
        {u"Edit16", u"天井歩掛", 60},  {u"Edit19", u"圧縮率", 56},   {u"Edit20", u"提出率", 56}};
    x = 8;
    for (const auto &[name, text, width] : small) {
        caption(QString::fromUtf16(text), {x, 182, width, 18});
        edit(this, QString::fromUtf16(name), {x, 200, width, rowHeight});
        x += width + 4;
    }

    x = 8;
    const QStringList kinds = entryactivation::kindCaptions();
    for (int i = 0; i < kinds.size(); ++i) {
        const QString kind = kinds[i];
        QPushButton *b = make::button(this, u"Button%1"_qs.arg(15 + i), kind);
        b->setGeometry(x, 240, 70, 30);
        b->setFocusPolicy(Qt::NoFocus);
        m_named.insert(b->objectName(), b);
        connect(b, &QPushButton::clicked, this, [this, kind] { Button16Click(kind); });
        x += 72;
    }
    QPushButton *comment = make::button(this, u"Button24"_qs, u"注 釈"_qs);
    comment->setGeometry(x, 240, 70, 30);
    comment->setFocusPolicy(Qt::NoFocus);
    m_named.insert(comment->objectName(), comment);
    connect(comment, &QPushButton::clicked, this, &TForm2::Button24Click);
}

void TForm2::createRateFields()
{
    // Item rate mode covers the line fields with the item's expense rates.
    QFrame *cover = frame(this, u"Panel33"_qs, {4, 4, 650, 270});
    m_named.insert(cover->objectName(), cover);
    QFrame *rates = frame(cover, u"Panel31"_qs, {8, 36, 634, 170});
    m_named.insert(rates->objectName(), rates);
    const std::tuple<const char16_t *, const char16_t *, const char16_t *, const char16_t *> pairs[] = {
        {u"塗装費", u"Edit31", u"Edit26", nullptr},
        {u"天井開口費", u"Edit32", u"Edit27", nullptr},
        {u"労務費", u"Edit33", u"Edit28", nullptr},
        {u"雑材消耗品", u"Edit29", u"Edit35", nullptr}};
    auto label = [](QWidget *parent, const QString &text, const QRect &geometry) {
        QLabel *l = make::label(parent, text);
        l->setGeometry(geometry);
        return l;
    };
    label(rates, u"圧縮率 ％"_qs, {160, 6, 90, 20});
    label(rates, u"提出率 ％"_qs, {270, 6, 90, 20});
    int y = 30;
    for (const auto &[text, compression, submission, unused] : pairs) {
        label(rates, QString::fromUtf16(text), {12, y, 140, rowHeight});
        edit(rates, QString::fromUtf16(compression), {160, y, 90, rowHeight});
        edit(rates, QString::fromUtf16(submission), {270, y, 90, rowHeight});
        y += 32;
    }
    QFrame *top = frame(cover, u"Panel32"_qs, {8, 4, 634, 30});
    m_named.insert(top->objectName(), top);
    label(top, u"項目の経費率"_qs, {8, 4, 120, 22});
    QCheckBox *all = make::check(top, u"CheckBox1"_qs, u"項目毎にでなく全ての項目を変更させる"_qs);
    all->setGeometry(140, 4, 400, 22);
    m_named.insert(all->objectName(), all);
    connect(all, &QCheckBox::clicked, this, [this](bool on) { m_form.CheckBox1 = on; });
}

void TForm2::createKeypad()
{
    auto *group = new QGroupBox(this);
    group->setObjectName(u"GroupBox1"_qs);
    group->setGeometry(660, 4, 268, 300);
    m_keypadGroup = group;
    constexpr int key = 52;
    auto button = [&](const QString &name, const QString &text, const QRect &geometry) {
        QPushButton *b = make::button(group, name, text);
        b->setGeometry(geometry);
        b->setFocusPolicy(Qt::NoFocus);
        QFont f = b->font();
        f.setPointSize(13);
        b->setFont(f);
        m_named.insert(name, b);
        return b;
    };
    for (int digit = 1; digit <= 9; ++digit) {
        const int row = 2 - (digit - 1) / 3;
        const int column = (digit - 1) % 3;
        QPushButton *b = button(u"Button%1"_qs.arg(digit), QString::number(digit),
                                {6 + column * (key + 2), 8 + row * (key + 2), key, key});
        connect(b, &QPushButton::clicked, this, [this, digit] { Button1Click(QChar(u'0' + digit)); });
    }
    const int bottom = 8 + 3 * (key + 2);
    connect(button(u"Button10"_qs, u"0"_qs, {6, bottom, key, key}), &QPushButton::clicked, this,
            [this] { Button1Click(u'0'); });
    connect(button(u"Button11"_qs, u"."_qs, {6 + key + 2, bottom, key, key}), &QPushButton::clicked, this,
            [this] { Button1Click(u'.'); });
    connect(button(u"Button12"_qs, u"+/-"_qs, {6 + 2 * (key + 2), bottom, key, key}), &QPushButton::clicked,
            this, &TForm2::Button12Click);
    const int right = 6 + 3 * (key + 2) + 4;
    connect(button(u"Button13"_qs, u"C"_qs, {right, 8, 90, key}), &QPushButton::clicked, this,
            &TForm2::Button13Click);
    QPushButton *ok = button(u"Button14"_qs, u"登録"_qs, {right, 8 + key + 2, 90, 2 * key + 2});
    ok->setStyleSheet(u"font-weight: bold;"_qs);
    // The keyboard's way through the line ends on "登録": Enter presses it. It is no default button,
    // so that Enter in a field never registers.
    ok->setFocusPolicy(Qt::StrongFocus);
    fieldevents::onKeyDown(ok, [this](QKeyEvent *key) {
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        Button14Click();
        return true;
    });
    connect(ok, &QPushButton::clicked, this, &TForm2::Button14Click);
    connect(button(u"Button23"_qs, u"キャンセル"_qs, {right, bottom, 90, key}), &QPushButton::clicked, this,
            &TForm2::Button23Click);
    const int tools = bottom + key + 8;
    connect(button(u"Button28"_qs, u"電卓"_qs, {6, tools, 2 * key + 2, 34}), &QPushButton::clicked, this,
            &TForm2::Button28Click);
    connect(button(u"Image1"_qs, u"土工費計算"_qs, {6 + 2 * (key + 2), tools, 2 * key + 2, 34}),
            &QPushButton::clicked, this, &TForm2::Image1Click);
}

void TForm2::createEarthwork()
{
    QFrame *box = frame(this, u"Panel36"_qs, {420, 4, 236, 232});
    m_named.insert(box->objectName(), box);
    box->setStyleSheet(u"QFrame#Panel36 { background: #E8F0E0; }"_qs);
    QLabel *title = make::label(box, u"土工費の計算"_qs);
    title->setGeometry(8, 4, 200, 20);
    const std::tuple<const char16_t *, const char16_t *, QStringList> lists[] = {
        {u"ComboBox1", u"掘削幅 (m)", earthwork::widths()},
        {u"ComboBox2", u"掘削深さ (m)", earthwork::depths()},
        {u"ComboBox3", u"掘削長さ (m)", earthwork::lengths()},
        {u"ComboBox4", u"土工単価 (円/m3)", earthwork::prices()}};
    int y = 30;
    for (const auto &[name, text, items] : lists) {
        QLabel *l = make::label(box, QString::fromUtf16(text));
        l->setGeometry(8, y, 110, rowHeight);
        QComboBox *c = make::combo(box, QString::fromUtf16(name), items);
        c->setEditable(false);
        c->setGeometry(120, y, 100, rowHeight);
        m_named.insert(c->objectName(), c);
        const QString n = c->objectName();
        connect(c, &QComboBox::textActivated, this, [this, n](const QString &t) { ComboBoxEarthworkClick(n, t); });
        y += 32;
    }
    QLabel *volume = make::label(box, u"0"_qs, u"Label58"_qs);
    volume->setGeometry(120, y, 60, rowHeight);
    volume->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_named.insert(volume->objectName(), volume);
    make::label(box, u"体積"_qs)->setGeometry(8, y, 100, rowHeight);
    make::label(box, u"m3"_qs)->setGeometry(190, y, 30, rowHeight);
    QPushButton *close = make::button(box, u"Button32"_qs, u"閉じる"_qs);
    close->setGeometry(136, y + 32, 84, 28);
    connect(close, &QPushButton::clicked, this, &TForm2::Button32Click);
}

void TForm2::connectFields()
{
    for (const char16_t *name : digitFields)
        fieldevents::digitsOnly(qobject_cast<QLineEdit *>(m_named.value(QString::fromUtf16(name))), m_host);

    for (QStringView name : EntryForm::fieldNames()) {
        const QString n = name.toString();
        QWidget *w = m_named.value(n);
        QLineEdit *line = qobject_cast<QLineEdit *>(w);
        if (auto *combo = qobject_cast<QComboBox *>(w)) {
            if (!combo->isEditable())
                continue;
            line = combo->lineEdit();
            connect(combo, &QComboBox::textActivated, this, [this, n](const QString &t) { fieldTyped(n, t); });
        }
        if (!line)
            continue;
        connect(line, &QLineEdit::textEdited, this, [this, n](const QString &t) { fieldTyped(n, t); });
        QWidget *target = line;
        // An editable list takes the keys itself while it has the focus.
        QWidget *keys = qobject_cast<QComboBox *>(w) ? w : line;
        fieldevents::onClick(target, [this, n] { act([&] { entryfields::click(m_form, n); }); });
        fieldevents::onDoubleClick(target, [this, n] { act([&] { entryfields::doubleClick(m_form, n); }); });
        fieldevents::onEnter(target, [this, n] { act([&] { entryfields::enter(m_form, n, noWrap()); }); });
        fieldevents::onLeave(target, [this, n] { act([&] { entryfields::leave(m_form, n, noWrap()); }); });
        fieldevents::onKeyUp(keys, [this, n](QKeyEvent *) { act([&] { entryfields::keyUp(m_form, n); }); });
        fieldevents::onMouseEnter(target, [this, n] { act([&] { entryfields::mouseEnter(m_form, n); }); });
        fieldevents::onKeyDown(keys, [this, n, line](QKeyEvent *key) {
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            bool consumed = false;
            act([&] { consumed = entryfields::keyDown(m_form, n, enter); });
            if (consumed || enter || (n != u"Edit11" && n != u"Edit12"))
                return consumed;
            const QString text = key->text();
            const bool backspace = key->key() == Qt::Key_Backspace;
            if (text.isEmpty() && !backspace)
                return false;
            const QChar typed = text.isEmpty() ? QChar() : text[0];
            const auto rule = n == u"Edit11" ? entryfields::priceKey(m_form, typed, backspace)
                                             : entryfields::factorKey(m_form, typed, backspace);
            refresh();
            if (rule == entryfields::KeyAction::PassAsPoint) {
                line->insert(u"."_qs);
                fieldTyped(n, line->text());
                return true;
            }
            return rule == entryfields::KeyAction::Drop;
        });
    }
    // The price display, the halves and the name halves react to a press of the mouse.
    for (const char16_t *name : {u"Edit6", u"Edit10", u"Edit38", u"Edit36", u"Edit37"}) {
        const QString n = QString::fromUtf16(name);
        fieldevents::onClick(m_named.value(n), [this, n] { act([&] { entryfields::mouseDown(m_form, n); }); });
    }
}
