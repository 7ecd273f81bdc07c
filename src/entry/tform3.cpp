#include "entry/tform3.h"

#include "estimate/document.h"
#include "widgets/controlfactory.h"
#include "widgets/fieldevents.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int keySize = 56;

} // namespace

TForm3::TForm3(EstimateDocument &doc, QWidget *parent) : QDialog(parent), m_doc(doc)
{
    setObjectName(u"TForm3"_qs);
    setWindowTitle(u"数値フォーム"_qs);
    auto *grid = new QGridLayout(this);
    grid->setSpacing(3);
    grid->setContentsMargins(4, 4, 4, 4);

    m_display = make::edit(this, u"Edit1"_qs);
    m_display->setReadOnly(true);
    m_display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont big = m_display->font();
    big.setPointSize(16);
    m_display->setFont(big);
    m_display->setMinimumHeight(40);
    grid->addWidget(m_display, 0, 0, 1, 4);
    fieldevents::onDoubleClick(m_display, [this] { Button13Click(); });

    auto key = [&](const QString &name, const QString &caption, int row, int column) {
        QPushButton *b = make::button(this, name, caption);
        b->setFixedSize(keySize, keySize);
        b->setFont(big);
        b->setFocusPolicy(Qt::NoFocus);
        grid->addWidget(b, row, column);
        return b;
    };
    // Digits in the usual calculator order; "1" … "9" are Button1 … Button9, "0" Button10.
    for (int digit = 1; digit <= 9; ++digit) {
        QPushButton *b = key(u"Button%1"_qs.arg(digit), QString::number(digit), 4 - (digit - 1) / 3, (digit - 1) % 3);
        connect(b, &QPushButton::clicked, this, [this, digit] { ButtonKeyClick(QChar(u'0' + digit)); });
    }
    connect(key(u"Button10"_qs, u"0"_qs, 5, 0), &QPushButton::clicked, this, [this] { ButtonKeyClick(u'0'); });
    m_point = key(u"Button11"_qs, u"."_qs, 5, 1);
    connect(m_point, &QPushButton::clicked, this, [this] { ButtonKeyClick(u'.'); });
    connect(key(u"Button13"_qs, u"C"_qs, 5, 2), &QPushButton::clicked, this, &TForm3::Button13Click);

    QPushButton *ok = make::button(this, u"Button14"_qs, u"登録"_qs);
    ok->setFixedWidth(keySize + 20);
    ok->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(ok, 2, 3, 3, 1);
    ok->setMinimumHeight(3 * keySize);
    connect(ok, &QPushButton::clicked, this, &TForm3::Button14Click);
    QPushButton *cancel = make::button(this, u"Button23"_qs, u"キャンセル"_qs);
    cancel->setFixedSize(keySize + 20, keySize);
    cancel->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(cancel, 5, 3);
    connect(cancel, &QPushButton::clicked, this, &TForm3::Button23Click);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

std::optional<QString> TForm3::ask(const QString &preset, bool pointKey)
{
    m_doc.keypadText = preset;
    m_keypad.setPointEnabled(pointKey);
    m_registered = false;
    refresh();
    exec();
    m_keypad.setPointEnabled(true);
    m_point->setEnabled(true);
    if (!m_registered)
        return std::nullopt;
    return m_doc.keypadText;
}

void TForm3::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Kept on screen: moved left until it fits, never above the top.
    if (const QScreen *s = screen()) {
        const QRect area = s->availableGeometry();
        QPoint p = pos();
        if (frameGeometry().right() > area.right())
            p.setX(std::max(area.left(), p.x() - (frameGeometry().right() - area.right())));
        p.setY(std::max(p.y(), 0));
        move(p);
    }
}

void TForm3::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Button14Click();
    } else if (event->key() == Qt::Key_Escape) {
        Button23Click();
    } else if (text.size() == 1 && (text[0].isDigit() || text[0] == u'.')) {
        ButtonKeyClick(text[0]);
    } else {
        QDialog::keyPressEvent(event);
    }
}

void TForm3::ButtonKeyClick(QChar key)
{
    m_keypad.key(m_doc.keypadText, key);
    refresh();
}

void TForm3::Button13Click()
{
    m_keypad.clear(m_doc.keypadText);
    refresh();
}

void TForm3::Button14Click()
{
    m_keypad.confirm();
    m_registered = true;
    accept();
}

void TForm3::Button23Click()
{
    m_keypad.cancel(m_doc.keypadText);
    refresh();
    reject();
}

void TForm3::refresh()
{
    m_display->setText(m_doc.keypadText);
    m_point->setEnabled(m_keypad.pointEnabled());
}
