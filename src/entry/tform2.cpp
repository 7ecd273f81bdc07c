#include "entry/tform2.h"

#include "base/host.h"
#include "entry/earthwork.h"
#include "entry/entryactivation.h"
#include "entry/entryfields.h"
#include "entry/entrykeys.h"
#include "entry/entryregistration.h"
#include "base/numbers.h"
#include "estimate/document.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr unsigned navy = 0x000080;
constexpr unsigned red = 0xFF0000;

void setColours(QWidget *w, unsigned background, unsigned text)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, QColor::fromRgb(QRgb(background)));
    p.setColor(QPalette::WindowText, QColor::fromRgb(QRgb(text)));
    w->setPalette(p);
}

void setTextColour(QWidget *w, unsigned text)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Text, QColor::fromRgb(QRgb(text)));
    w->setPalette(p);
}

} // namespace

TForm2::TForm2(EstimateDocument &doc, Host &host, QWidget *parent) : QDialog(parent), m_doc(doc), m_host(host)
{
    setObjectName(u"TForm2"_qs);
    setWindowTitle(u"データー入力フォーム"_qs);
    m_form.ten = 0;
    m_form.Edit29 = num::shortest(m_doc.zatuzaihi);
    createControls();
    connectFields();
    refresh();
}

TForm2::~TForm2()
{
    // Controls losing the focus while they are destroyed must not run the rules any more.
    m_refreshing = true;
}

bool TForm2::showEntry()
{
    m_registered = false;
    m_form.closing = false;
    exec();
    return m_registered;
}

bool TForm2::takeCalculatorCopy(const QString &value)
{
    if (!isVisible() || !entrykeys::calculatorCopy(m_form, value))
        return false;
    refresh();
    return true;
}

void TForm2::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TForm2::FormActivate()
{
    entryactivation::activate(m_form, m_host, noWrap());
    refresh();
    applyFocus();
}

void TForm2::done(int result)
{
    // Closing ends item rate mode; the fields stay as they are for the next opening.
    entryactivation::closed(m_form);
    QDialog::done(result);
}

bool TForm2::noWrap() const
{
    return m_doc.settings.CheckBox23;
}

void TForm2::act(const std::function<void()> &rule)
{
    if (m_refreshing)
        return;
    rule();
    refresh();
    applyFocus();
}

void TForm2::Button1Click(QChar key)
{
    act([&] { entrykeys::keypadKey(m_form, m_host, key); });
}

void TForm2::Button12Click()
{
    act([&] { entrykeys::plusMinus(m_form, m_host); });
}

void TForm2::Button13Click()
{
    act([&] { entrykeys::clearKey(m_form); });
}

void TForm2::Button14Click()
{
    const auto outcome = entryregistration::registerEntry(m_form, m_doc, m_host);
    if (outcome == entryregistration::Outcome::Registered) {
        m_registered = true;
        emit documentChanged();
    }
    refresh();
    applyFocus();
    closeIfDone();
}

void TForm2::Button16Click(const QString &caption)
{
    act([&] { entryactivation::kindButton(m_form, caption); });
}

void TForm2::Button23Click()
{
    entryregistration::cancel(m_form);
    refresh();
    closeIfDone();
}

void TForm2::Button24Click()
{
    act([&] { entryactivation::commentButton(m_form, m_doc); });
}

void TForm2::Button28Click()
{
    if (!m_showCalculator) {
        m_host.beep();
        return;
    }
    m_showCalculator();
    refresh();
}

void TForm2::Image1Click()
{
    act([&] { earthwork::open(m_form); });
}

void TForm2::Button32Click()
{
    act([&] { earthwork::close(m_form); });
}

void TForm2::ComboBoxEarthworkClick(const QString &name, const QString &text)
{
    act([&] {
        *m_form.field(name) = text;
        earthwork::calculate(m_form);
    });
}

void TForm2::Label7DblClick()
{
    act([&] { entrykeys::labourPrice(m_form, m_doc.settings.Edit21); });
}

void TForm2::fieldTyped(const QString &name, const QString &text)
{
    if (m_refreshing)
        return;
    if (QString *field = m_form.field(name))
        *field = text;
}

void TForm2::closeIfDone()
{
    if (!m_form.closing)
        return;
    m_form.closing = false;
    if (m_calculator)
        m_calculator->close();
    if (isVisible())
        done(m_registered ? Accepted : Rejected);
}

void TForm2::applyFocus()
{
    if (m_form.focus.isEmpty())
        return;
    if (QWidget *w = m_named.value(m_form.focus); w && w->isVisible())
        w->setFocus(Qt::OtherFocusReason);
    m_form.focus.clear();
}

void TForm2::refresh()
{
    m_refreshing = true;
    for (QStringView name : EntryForm::fieldNames()) {
        const QString text = *m_form.field(name);
        QWidget *w = m_named.value(name.toString());
        if (auto *e = qobject_cast<QLineEdit *>(w)) {
            if (e->text() != text) {
                e->setText(text);
                // A figure longer than its box shows its leading digits, not its last ones.
                if (!e->hasFocus())
                    e->setCursorPosition(0);
            }
        } else if (auto *c = qobject_cast<QComboBox *>(w)) {
            if (c->currentText() == text)
                continue;
            if (c->isEditable())
                c->setEditText(text);
            else
                c->setCurrentText(text);
        }
    }
    auto *names = qobject_cast<QComboBox *>(m_named.value(u"ComboBox5"_qs));
    QStringList listed;
    for (int i = 0; i < names->count(); ++i)
        listed.append(names->itemText(i));
    if (listed != m_form.ComboBox5Items) {
        names->clear();
        names->addItems(m_form.ComboBox5Items);
        names->setEditText(m_form.ComboBox5);
    }
    names->setFixedWidth(m_form.nameWidth);

    static const std::pair<const char16_t *, EntryForm::Panel> panels[] = {
        {u"Panel3", EntryForm::Panel3}, {u"Panel4", EntryForm::Panel4}, {u"Panel6", EntryForm::Panel6},
        {u"Panel7", EntryForm::Panel7}, {u"Panel8", EntryForm::Panel8}, {u"Panel9", EntryForm::Panel9}};
    for (const auto &[name, panel] : panels)
        setColours(m_named.value(QString::fromUtf16(name)), m_form.isRed(panel) ? red : navy, 0xFFFFFF);
    setTextColour(m_named.value(u"Edit11"_qs), m_form.priceTextRed ? red : 0x000000);
    setTextColour(m_named.value(u"Edit12"_qs), m_form.factorTextRed ? red : 0x000000);
    setTextColour(m_named.value(u"Edit23"_qs), m_form.Edit23 == u"通常品" ? 0x000000 : red);

    auto *status = qobject_cast<QLabel *>(m_named.value(u"Label28"_qs));
    status->setText(m_form.Label28);
    setColours(status, m_form.Label28Colour ? m_form.Label28Colour : 0xFFFFFF, 0x000000);
    status->setAutoFillBackground(!m_form.Label28.isEmpty());
    auto *old = qobject_cast<QLabel *>(m_named.value(u"Label47"_qs));
    old->setText(m_form.Label47Text);
    old->setVisible(m_form.Label47);
    qobject_cast<QLabel *>(m_named.value(u"Label58"_qs))->setText(m_form.Label58);

    const std::pair<const char16_t *, bool> shown[] = {
        {u"Edit6", m_form.Edit6Shown},  {u"Edit7", m_form.Edit7Shown}, {u"Panel4", m_form.Edit7Shown},
        {u"Panel42", m_form.Panel42},   {u"Panel43", m_form.Panel43},  {u"Panel45", m_form.Panel45},
        {u"Panel36", m_form.Panel36},   {u"Panel31", m_form.itemRateMode},
        {u"Panel32", m_form.itemRateMode}, {u"Panel33", m_form.itemRateMode}};
    for (const auto &[name, visible] : shown)
        m_named.value(QString::fromUtf16(name))->setVisible(visible);
    static const char16_t *rateNames[] = {u"Edit31", u"Edit26", u"Edit32", u"Edit27",
                                          u"Edit33", u"Edit28", u"Edit29", u"Edit35"};
    for (size_t i = 0; i < std::size(rateNames); ++i)
        m_named.value(QString::fromUtf16(rateNames[i]))->setEnabled(m_form.rateEnabled[i]);
    qobject_cast<QCheckBox *>(m_named.value(u"CheckBox1"_qs))->setChecked(m_form.CheckBox1);
    m_refreshing = false;
}
