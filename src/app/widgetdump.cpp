#include "app/widgetdump.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTextStream>
#include <QWidget>

namespace {

// The nearest Qt class of an object (our own widget classes derive from one).
QString qtClass(const QObject *object)
{
    for (const QMetaObject *m = object->metaObject(); m; m = m->superClass()) {
        const QString name = QString::fromLatin1(m->className());
        if (name.startsWith(u'Q'))
            return name;
    }
    return QString::fromLatin1(object->metaObject()->className());
}

QString textOf(const QObject *object)
{
    if (auto *w = qobject_cast<const QWidget *>(object); w && w->isWindow())
        return w->windowTitle();
    if (auto *b = qobject_cast<const QCheckBox *>(object))
        return b->isChecked() ? u"1"_qs : u"0"_qs;
    if (auto *b = qobject_cast<const QRadioButton *>(object))
        return b->isChecked() ? u"1"_qs : u"0"_qs;
    if (auto *b = qobject_cast<const QAbstractButton *>(object))
        return b->text();
    if (auto *l = qobject_cast<const QLabel *>(object))
        return l->text();
    if (auto *e = qobject_cast<const QLineEdit *>(object))
        return e->text();
    if (auto *c = qobject_cast<const QComboBox *>(object))
        return c->currentText();
    if (auto *g = qobject_cast<const QGroupBox *>(object))
        return g->title();
    if (auto *m = qobject_cast<const QMenu *>(object))
        return m->title();
    if (auto *a = qobject_cast<const QAction *>(object))
        return a->text();
    if (auto *t = qobject_cast<const QTabBar *>(object))
        return t->tabText(t->currentIndex());
    if (auto *p = qobject_cast<const QPlainTextEdit *>(object))
        return p->toPlainText();
    return QString();
}

// Tabs and line breaks inside a text would break the line format.
QString oneLine(QString text)
{
    text.replace(u'\t', u"\\t"_qs);
    text.replace(u"\r\n"_qs, u"\\n"_qs);
    text.replace(u'\n', u"\\n"_qs);
    return text;
}

void dumpObject(const QString &window, const QObject *object, QTextStream &out)
{
    const QString name = object->objectName();
    if (name.isEmpty() || name.startsWith(u"qt_"))
        return;
    bool shown = false;
    bool enabled = true;
    if (auto *w = qobject_cast<const QWidget *>(object)) {
        shown = w->isVisible();
        enabled = w->isEnabled();
    } else if (auto *a = qobject_cast<const QAction *>(object)) {
        shown = a->isVisible();
        enabled = a->isEnabled();
    }
    out << window << u'\t' << name << u'\t' << qtClass(object) << u'\t' << (shown ? u'1' : u'0')
        << u'\t' << (enabled ? u'1' : u'0') << u'\t' << oneLine(textOf(object)) << u'\n';
}

} // namespace

void dumpWidgets(const QList<QWidget *> &windows, QTextStream &out)
{
    for (const QWidget *window : windows) {
        const QString windowClass = QString::fromLatin1(window->metaObject()->className());
        dumpObject(windowClass, window, out);
        for (const QObject *child : window->findChildren<QObject *>())
            if (qobject_cast<const QWidget *>(child) || qobject_cast<const QAction *>(child))
                dumpObject(windowClass, child, out);
    }
    out.flush();
}
