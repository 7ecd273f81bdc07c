#include "widgets/controlfactory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QPalette>

namespace make {

namespace {

template <typename W>
W *named(W *widget, const QString &name, int width)
{
    if (!name.isEmpty())
        widget->setObjectName(name);
    if (width > 0)
        widget->setFixedWidth(width);
    return widget;
}

} // namespace

QLineEdit *edit(QWidget *parent, const QString &name, int width)
{
    return named(new QLineEdit(parent), name, width);
}

QComboBox *combo(QWidget *parent, const QString &name, const QStringList &items, int width)
{
    auto *box = named(new QComboBox(parent), name, width);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(20);
    box->addItems(items);
    return box;
}

QCheckBox *check(QWidget *parent, const QString &name, const QString &caption)
{
    return named(new QCheckBox(caption, parent), name, 0);
}

QRadioButton *radio(QWidget *parent, const QString &name, const QString &caption)
{
    return named(new QRadioButton(caption, parent), name, 0);
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption, int width)
{
    auto *b = named(new QPushButton(caption, parent), name, width);
    b->setAutoDefault(false);
    return b;
}

QLabel *label(QWidget *parent, const QString &text, const QString &name)
{
    return named(new QLabel(text, parent), name, 0);
}

QLabel *note(QWidget *parent, const QString &text, const QString &name)
{
    auto *l = label(parent, text, name);
    l->setStyleSheet(u"color: #606060;"_qs);
    return l;
}

QString uiFace()
{
    return u"ＭＳ Ｐゴシック"_qs;
}

void background(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

} // namespace make
