#include "app/screenshots.h"

#include "app/programwindows.h"
#include "catalog/catalogmenu.h"
#include "widgets/gridview.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTabBar>
#include <QTimer>

#include <functional>

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

// Runs `open`, which shows a modal window, saves a picture of that window into `path` once it is
// up and closes it again as the window's close box would. `wanted` picks the window among those
// that come up in turn, and may press a button in any other one to go on. False when no window
// was pictured.
bool shootModal(const QString &path, const std::function<void()> &open,
                const std::function<bool(QWidget *)> &wanted = [](QWidget *) { return true; })
{
    bool saved = false;
    QWidget *seen = nullptr;
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *window = QApplication::activeModalWidget();
        if (!window || window == seen)
            return;
        seen = window;
        settle();
        if (!wanted(window))
            return;
        poll.stop();
        saved = window->grab().save(path);
        window->close();
    });
    poll.start();
    open();
    return saved;
}

} // namespace

int saveScreenshots(ProgramWindows &windows, const QString &folder)
{
    TForm1 &form = windows.form1;
    QDir().mkpath(folder);
    int failures = 0;
    auto shoot = [&](const QString &file) {
        settle();
        if (!form.grab().save(QDir(folder).filePath(file)))
            ++failures;
    };
    auto shootWindow = [&](const QString &file, const std::function<void()> &open,
                           const std::function<bool(QWidget *)> &wanted = [](QWidget *) { return true; }) {
        if (!shootModal(QDir(folder).filePath(file), open, wanted))
            ++failures;
    };

    press(form, u"Button11"_qs);
    shoot(u"item-view.png"_qs);
    // The first line of the item view reopened in the data entry window, and the small windows
    // that take a number, a unit and a calculation.
    if (auto *itemView = form.findChild<GridView *>(u"StringGrid5"_qs))
        shootWindow(u"data-entry.png"_qs, [&] { emit itemView->cellDoubleClicked(1, 1); });
    shootWindow(u"keypad.png"_qs, [&] { windows.form3.ask(u"120"_qs, true); });
    shootWindow(u"units.png"_qs, [&] { windows.form6.askUnit(); });
    shootWindow(u"calculator.png"_qs, [&] { windows.dentakukun.showModal(); });
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
    shootWindow(u"print-options.png"_qs, [&] { press(form, u"Button79"_qs); });
    // "見積書印刷" there leads to the system's print dialog, which is cancelled.
    shootWindow(u"print-dialog.png"_qs, [&] { press(form, u"Button79"_qs); }, [&](QWidget *window) {
        if (window != &windows.form5)
            return true;
        if (auto *quotation = window->findChild<QAbstractButton *>(u"Button1"_qs))
            QTimer::singleShot(0, quotation, &QAbstractButton::click);
        return false;
    });
    // Last: closing the item setup screen may ask for a missing header.
    if (press(form, u"Button14"_qs))
        shoot(u"item-setup.png"_qs);
    return failures;
}
