#include "app/screenshots.h"

#include "app/tform1.h"
#include "catalog/catalogmenu.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTabBar>

namespace {

void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

bool press(TForm1 &form, const QString &name)
{
    auto *button = form.findChild<QAbstractButton *>(name);
    if (!button || !button->isVisible() || !button->isEnabled())
        return false;
    button->click();
    settle();
    return true;
}

} // namespace

int saveScreenshots(TForm1 &form, const QString &folder)
{
    QDir().mkpath(folder);
    int failures = 0;
    auto shoot = [&](const QString &file) {
        settle();
        if (!form.grab().save(QDir(folder).filePath(file)))
            ++failures;
    };

    press(form, u"Button11"_qs);
    shoot(u"item-view.png"_qs);
    press(form, u"Button12"_qs);
    shoot(u"whole-view.png"_qs);
    press(form, u"Button12"_qs);
    shoot(u"whole-view-input-order.png"_qs);
    press(form, u"Button16"_qs);
    shoot(u"estimate-sheet.png"_qs);

    if (press(form, u"Button46"_qs)) {
        if (auto *tabs = form.findChild<QTabBar *>(u"TabControl1"_qs)) {
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                shoot(u"settings-%1.png"_qs.arg(i + 1));
            }
            tabs->setCurrentIndex(0);
        }
        press(form, u"Button73"_qs);
    }
    if (press(form, u"Button82"_qs)) {
        shoot(u"conditions.png"_qs);
        press(form, u"Button83"_qs);
    }
    // The material menu, then the catalog window with the lighting fixtures, in the edit mode too.
    if (press(form, u"Button13"_qs)) {
        shoot(u"material-menu.png"_qs);
        if (catalogmenu::chooseMenu(form.document(), form.host(), 0, 6)) {
            form.refresh();
            shoot(u"catalog.png"_qs);
            if (press(form, u"Button42"_qs)) {
                shoot(u"catalog-edit-mode.png"_qs);
                press(form, u"Button98"_qs);
            }
            press(form, u"Button43"_qs);
        }
    }
    // Last: closing the item setup screen may ask for a missing header.
    if (press(form, u"Button14"_qs))
        shoot(u"item-setup.png"_qs);
    return failures;
}
