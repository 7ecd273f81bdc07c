#include "calculator/tdentakukun.h"

#include "base/conversionerror.h"
#include "base/host.h"
#include "base/numbers.h"
#include "calculator/taxratefile.h"
#include "estimate/document.h"
#include "widgets/controlfactory.h"
#include "widgets/fieldevents.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

namespace {

using Key = DeskCalculator::Key;

// The key panel's colours: green normally, aqua in input mode.
const QColor keyPanelColour(0, 128, 64);
const QColor inputPanelColour(0, 255, 255);

const QString copyCaption = u"コピー"_qs;
const QString saveRateCaption = u"税率保存"_qs;
const QString setRateCaption = u"税率設定"_qs;
const QString pasteCaption = u"貼付"_qs;

void setColour(QWidget *w, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
}

QFont keyFont(int pixels, bool bold = false)
{
    QFont f(make::uiFace());
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

} // namespace

Tdentakukun::Tdentakukun(EstimateDocument &doc, Host &host, QWidget *parent)
    : QDialog(parent), m_doc(doc), m_host(host)
{
    setObjectName(u"Tdentakukun"_qs);
    setWindowTitle(u"SOL-VARA_電卓"_qs);
    setFixedSize(533, 356);
    createControls();
    FormClose();
    showState();
}

QWidget *Tdentakukun::panel(const char16_t *name, QRect geometry)
{
    auto *p = new QWidget(this);
    p->setObjectName(QString::fromUtf16(name));
    p->setGeometry(geometry);
    p->setAutoFillBackground(true);
    m_named.insert(p->objectName(), p);
    return p;
}

QPushButton *Tdentakukun::key(QWidget *parent, const char16_t *name, const QString &caption, QRect geometry)
{
    QPushButton *b = make::button(parent, QString::fromUtf16(name), caption);
    b->setGeometry(geometry);
    b->setFont(keyFont(18, true));
    b->setFocusPolicy(Qt::NoFocus);
    m_named.insert(b->objectName(), b);
    return b;
}

void Tdentakukun::connectKey(const char16_t *name, Key k)
{
    auto *b = static_cast<QPushButton *>(m_named.value(QString::fromUtf16(name)));
    connect(b, &QPushButton::clicked, this, [this, k] { press(k); });
}

// Left: the tax rate, the paste field (input mode), the display and the tax and copy keys. Right:
// the key panels, from top to bottom Panel34 (clear keys and the operator indicator, and "入力"
// when it is heightened),
// Panel35 and Panel38 (digits and operators) and Panel36 ("＝").
void Tdentakukun::createControls()
{
    auto *rateLabel = make::label(this, u"税率"_qs);
    rateLabel->setGeometry(6, 2, 34, 22);
    m_rate = make::edit(this, u"Edit22"_qs);
    m_rate->setGeometry(40, 2, 52, 22);
    m_rate->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_rate->setText(u"10"_qs);
    // The keyboard types on the keys; the fields take it once clicked.
    m_rate->setFocusPolicy(Qt::ClickFocus);
    make::label(this, u"％"_qs)->setGeometry(96, 2, 20, 22);
    fieldevents::onDoubleClick(m_rate, [this] { m_rate->clear(); });

    QWidget *panel1 = panel(u"Panel1", {-2, 25, 208, 34});
    m_paste = make::edit(panel1, u"Edit1"_qs);
    m_paste->setGeometry(6, 4, 196, 26);
    m_paste->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_paste->setFocusPolicy(Qt::ClickFocus);

    m_display = make::label(this, u"0"_qs, u"Label197"_qs);
    m_display->setGeometry(4, 62, 200, 68);
    m_display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_display->setFont(keyFont(26, true));
    m_display->setFrameShape(QFrame::Panel);
    m_display->setFrameShadow(QFrame::Sunken);
    m_display->setAutoFillBackground(true);
    setColour(m_display, Qt::white);
    m_display->setContentsMargins(0, 0, 6, 0);

    m_setRate = key(this, u"Button116", setRateCaption, {4, 136, 98, 60});
    m_copy = key(this, u"Button110", copyCaption, {106, 136, 98, 60});
    key(this, u"Button111", u"税込"_qs, {4, 202, 98, 150});
    key(this, u"Button112", u"税抜"_qs, {106, 202, 98, 150});
    for (QWidget *w : {static_cast<QWidget *>(m_setRate), static_cast<QWidget *>(m_copy)})
        w->setFont(keyFont(15, true));

    QWidget *p34 = panel(u"Panel34", {210, 0, 321, 57});
    key(p34, u"Button115", u"Ｃ"_qs, {2, 2, 93, 53});
    key(p34, u"Button113", u"CE"_qs, {97, 2, 93, 53});
    m_percent = key(p34, u"Button73", u"％"_qs, {192, 2, 64, 53});
    // The operator indicator sits in the free end of the key panel (the widened "工数" key of
    // the sheet's input mode covers it).
    m_indicator = make::label(p34, {}, u"Label199"_qs);
    m_indicator->setGeometry(258, 2, 61, 53);
    m_indicator->setAlignment(Qt::AlignCenter);
    m_indicator->setFont(keyFont(26, true));
    m_indicator->setStyleSheet(u"color: white;"_qs);
    m_indicator->lower();
    key(p34, u"Button1", u"入力"_qs, {2, 62, 317, 62});

    const struct {
        const char16_t *panel;
        int top;
        const char16_t *names[8];
        const char16_t *captions[8];
    } rows[] = {
        {u"Panel35", 59, {u"Button70", u"Button71", u"Button72", u"Button74", u"Button75", u"Button76", u"Button77", u"Button78"},
         {u"7", u"8", u"9", u"÷", u"4", u"5", u"6", u"✕"}},
        {u"Panel38", 133, {u"Button79", u"Button103", u"Button104", u"Button105", u"Button107", u"Button108", u"Button106", u"Button109"},
         {u"1", u"2", u"3", u"－", u"0", u".", u"+/-", u"＋"}},
    };
    for (const auto &row : rows) {
        QWidget *p = panel(row.panel, {210, row.top, 321, 74});
        for (int i = 0; i < 8; ++i)
            key(p, row.names[i], QString::fromUtf16(row.captions[i]), {2 + (i % 4) * 80, 2 + (i / 4) * 36, 78, 34});
    }
    QWidget *p36 = panel(u"Panel36", {210, 207, 321, 145});
    key(p36, u"Button114", u"＝"_qs, {2, 2, 317, 141});

    const struct {
        const char16_t *name;
        Key key;
    } keys[] = {
        {u"Button107", Key::Digit0}, {u"Button79", Key::Digit1},  {u"Button103", Key::Digit2},
        {u"Button104", Key::Digit3}, {u"Button75", Key::Digit4},  {u"Button76", Key::Digit5},
        {u"Button77", Key::Digit6},  {u"Button70", Key::Digit7},  {u"Button71", Key::Digit8},
        {u"Button72", Key::Digit9},  {u"Button108", Key::Point},  {u"Button109", Key::Add},
        {u"Button105", Key::Subtract}, {u"Button78", Key::Multiply}, {u"Button74", Key::Divide},
        {u"Button114", Key::Equals}, {u"Button115", Key::AllClear}, {u"Button113", Key::ClearEntry},
        {u"Button106", Key::Sign},   {u"Button111", Key::TaxIncluded}, {u"Button112", Key::TaxExcluded},
    };
    for (const auto &k : keys)
        connectKey(k.name, k.key);
    connect(m_percent, &QPushButton::clicked, this, &Tdentakukun::Button73Click);
    connect(m_copy, &QPushButton::clicked, this, &Tdentakukun::Button110Click);
    connect(m_setRate, &QPushButton::clicked, this, &Tdentakukun::Button116Click);
    connect(static_cast<QPushButton *>(m_named.value(u"Button1"_qs)), &QPushButton::clicked, this,
            &Tdentakukun::Button1Click);
}

std::optional<QString> Tdentakukun::inputValue(PercentKey percentKey)
{
    if (isVisible())
        hide();
    m_doc.keypadText.clear();
    setInputLayout(percentKey == PercentKey::Labour);
    exec();
    if (m_doc.keypadText.isEmpty())
        return std::nullopt;
    return m_doc.keypadText;
}

void Tdentakukun::showFree()
{
    setModal(false);
    QDialog::show();
    raise();
    activateWindow();
}

void Tdentakukun::showModal()
{
    exec();
}

int Tdentakukun::exec()
{
    if (isVisible())
        hide();
    return QDialog::exec();
}

void Tdentakukun::setCopyTarget(std::function<bool(const QString &)> target)
{
    m_copyTarget = std::move(target);
}

void Tdentakukun::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void Tdentakukun::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    FormClose();
}

// Typing on the keyboard presses the keys of the same meaning, unless a field takes the text.
void Tdentakukun::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    std::optional<Key> k;
    const bool inField = qobject_cast<QLineEdit *>(focusWidget()) != nullptr;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        k = inField ? std::nullopt : std::optional<Key>(Key::Equals);
    else if (event->key() == Qt::Key_Delete)
        k = Key::ClearEntry;
    else if (text == u"%")
        k = Key::Percent;
    else if (!text.isEmpty())
        k = DeskCalculator::keyOf(text == u"c" ? u"C"_qs : text);
    if (!k) {
        QDialog::keyPressEvent(event);
        return;
    }
    if (*k == Key::Percent) {
        Button73Click();
        return;
    }
    press(*k);
}

// Shown: kept on screen, the tax rate reread, and cleared as "Ｃ" does.
void Tdentakukun::FormActivate()
{
    if (const QScreen *s = screen()) {
        const QRect area = s->availableGeometry();
        const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
        const int frameWidth = frame.left() + width() + frame.right();
        QPoint p = pos();
        if (p.x() + frameWidth - 1 > area.right())
            p.setX(std::max(area.left(), area.right() + 1 - frameWidth));
        if (p.y() < 0)
            p.setY(0);
        if (p != pos())
            move(p);
    }
    readTaxRate();
    press(Key::AllClear);
}

// Closed: the normal layout comes back.
void Tdentakukun::FormClose()
{
    m_named.value(u"Panel1"_qs)->hide();
    m_percent->setFixedWidth(64);
    m_percent->setText(u"％"_qs);
    m_setRate->setText(setRateCaption);
    m_setRate->show();
    m_copy->setText(copyCaption);
    QWidget *p34 = m_named.value(u"Panel34"_qs);
    setColour(p34, keyPanelColour);
    p34->setFixedHeight(57);
    m_named.value(u"Panel35"_qs)->move(210, 59);
    m_named.value(u"Panel38"_qs)->move(210, 133);
    QWidget *p36 = m_named.value(u"Panel36"_qs);
    p36->setGeometry(210, 207, 321, 145);
    m_named.value(u"Button114"_qs)->setFixedHeight(141);
}

void Tdentakukun::setInputLayout(bool labourKey)
{
    m_setRate->setText(pasteCaption);
    m_setRate->show();
    m_copy->setText(copyCaption);
    m_named.value(u"Panel1"_qs)->show();
    QWidget *p34 = m_named.value(u"Panel34"_qs);
    setColour(p34, inputPanelColour);
    p34->setFixedHeight(129);
    m_named.value(u"Panel35"_qs)->move(210, 133);
    m_named.value(u"Panel38"_qs)->move(210, 207);
    m_named.value(u"Panel36"_qs)->setGeometry(210, 281, 321, 71);
    m_named.value(u"Button114"_qs)->setFixedHeight(65);
    if (labourKey) {
        m_percent->setFixedWidth(128);
        m_percent->setText(u"工数"_qs);
    }
}

void Tdentakukun::press(Key k)
{
    m_calc.taxRate = m_rate->text();
    m_calc.labourPrice = m_doc.settings.Edit21;
    const std::optional<QString> error = m_calc.press(k);
    showState();
    if (error)
        m_host.error(*error);
}

void Tdentakukun::showState()
{
    m_display->setText(m_calc.display);
    m_indicator->setText(m_calc.indicator);
}

void Tdentakukun::Button73Click()
{
    press(m_percent->text() == u"工数" ? Key::Labour : Key::Percent);
}

void Tdentakukun::Button110Click()
{
    if (m_copy->text() == saveRateCaption) {
        saveTaxRate();
        return;
    }
    press(Key::Copy);
    m_host.setClipboardText(m_calc.value1);
    m_paste->setText(m_calc.pasteText);
    if (m_copyTarget && m_copyTarget(m_calc.value1))
        close();
}

void Tdentakukun::Button116Click()
{
    if (m_setRate->text() == pasteCaption) {
        m_calc.pasteText = m_paste->text();
        press(Key::Paste);
        return;
    }
    m_copy->setText(saveRateCaption);
    m_setRate->hide();
}

void Tdentakukun::Button1Click()
{
    m_doc.keypadText = m_calc.enteredText();
    press(Key::AllClear);
    accept();
}

// "税率保存": the rate field is written to "zeiritu.ini" under its first line as read. A rate that is
// no number would break both tax keys at the next start, so it is refused.
void Tdentakukun::saveTaxRate()
{
    const QString rate = m_rate->text();
    if (!num::isNumber(rate)) {
        m_host.error(ConversionError(rate).message());
        return;
    }
    m_zei = rate;
    if (const Status written = taxratefile::write(m_doc.strFilePath, {m_pas, m_zei}); !written) {
        m_host.error(written.error());
        return;
    }
    m_host.beep();
    m_copy->setText(copyCaption);
    m_setRate->setText(setRateCaption);
    m_setRate->show();
}

void Tdentakukun::readTaxRate()
{
    const Result<taxratefile::Contents> read = taxratefile::read(m_doc.strFilePath);
    if (!read) {
        m_host.error(read.error());
        return;
    }
    m_pas = read->pas;
    m_zei = read->zei;
    m_rate->setText(m_zei);
}
