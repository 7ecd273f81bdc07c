#include "app/startup.h"
#include "app/tform1.h"
#include "base/scriptedhost.h"
#include "uitesting.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTabBar>
#include <QHelpEvent>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

// The main window at the sizes of small screens: every control stays whole and in its place.

namespace {

struct SampleWindow {
    ScriptedHost host;
    TForm1 form{uitesting::programData(), uitesting::sampleEstimate(), &host};

    SampleWindow()
    {
        form.show();
        QCoreApplication::processEvents();
    }

    template<typename W = QWidget>
    W *child(const char16_t *name) const
    {
        return uitesting::child<W>(form, name);
    }
    void click(const char16_t *name) const { uitesting::click(form, name); }
    void resize(int width, int height)
    {
        form.resize(width, height);
        QCoreApplication::processEvents();
    }
};

// The visible guide line beside a grid (the only two-pixel-high sibling), or null.
QWidget *guideLine(const QTableView *grid)
{
    for (QWidget *sibling : grid->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (sibling->isVisible() && sibling->height() == 2)
            return sibling;
    return nullptr;
}

} // namespace

TEST(SmallWindow, BarButtonsStayWholeAndInOrderAtNarrowWidths)
{
    SampleWindow w;
    const int least = w.form.minimumWidth();
    for (const int width : {1600, 1280, 1024, 960, least}) {
        w.resize(std::max(width, least), 700);
        for (const char16_t *barName : {u"Panel1", u"Panel34"}) {
            const QWidget *bar = w.child(barName);
            int previousRight = -1;
            std::vector<QPushButton *> buttons;
            for (QPushButton *b : bar->findChildren<QPushButton *>(Qt::FindDirectChildrenOnly))
                if (b->isVisibleTo(bar))
                    buttons.push_back(b);
            std::sort(buttons.begin(), buttons.end(), [](auto *a, auto *b) { return a->x() < b->x(); });
            ASSERT_GT(buttons.size(), 4u);
            for (const QPushButton *b : buttons) {
                const std::string what = b->text().toStdString() + " at width " + std::to_string(width);
                EXPECT_LE(b->geometry().right(), bar->width() - 1) << what;
                EXPECT_GT(b->x(), previousRight) << what;
                // Narrowed, but the caption still has room.
                EXPECT_GE(b->width(), b->fontMetrics().horizontalAdvance(b->text()) + 4) << what;
                previousRight = b->geometry().right();
            }
        }
    }
}

TEST(SmallWindow, GuideLineNeverLiesOverTheBarsBelowTheGrid)
{
    SampleWindow w;
    w.resize(1280, 700);
    auto *sheet = w.child<QTableView>(u"StringGrid6");
    ASSERT_TRUE(sheet->isVisible());
    const int nearBottom = sheet->viewport()->height() - 50;
    QTest::mouseMove(sheet->viewport(), QPoint(200, nearBottom));
    ASSERT_NE(guideLine(sheet), nullptr);

    w.resize(1280, 560);
    const QWidget *bottomBar = w.child(u"Panel35");
    if (const QWidget *guide = guideLine(sheet)) {
        EXPECT_LT(guide->geometry().bottom(), bottomBar->y()) << "guide at " << guide->y();
    }

    // Over the shrunk grid the line again stays within the rows.
    for (int y = sheet->viewport()->height() - 40; y < sheet->viewport()->height(); y += 4) {
        QTest::mouseMove(sheet->viewport(), QPoint(200, y));
        if (const QWidget *guide = guideLine(sheet)) {
            EXPECT_LE(guide->geometry().bottom(), sheet->y() + sheet->viewport()->geometry().bottom()) << y;
        }
    }
}

TEST(SmallWindow, ScrollingToTheEndKeepsTheTopRowWhole)
{
    SampleWindow w;
    for (const int height : {700, 613, 560}) {
        w.resize(1280, height);
        for (const char16_t *button : {u"Button114", u"Button113", u"Button114"}) {
            w.click(button);
            for (const char16_t *gridName : {u"StringGrid1", u"StringGrid5", u"StringGrid6"}) {
                auto *grid = w.child<QTableView>(gridName);
                if (!grid->isVisible())
                    continue;
                const int top = grid->rowAt(0);
                ASSERT_GE(top, 0);
                EXPECT_EQ(grid->rowViewportPosition(top), 0)
                    << QString::fromUtf16(gridName).toStdString() << " height " << height;
            }
        }
    }
}

TEST(SmallWindow, TextCutByItsColumnShowsWholeInItsTooltip)
{
    SampleWindow w;
    w.resize(1280, 700);
    w.click(u"Button12"); // the whole view, with its "規格２" column
    auto *grid = w.child<QTableView>(u"StringGrid1");
    ASSERT_TRUE(grid->isVisible());
    constexpr int spec2 = 9;
    int cutRow = -1;
    int wholeRow = -1;
    for (int r = 0; r < grid->model()->rowCount() && grid->rowViewportPosition(r) < grid->viewport()->height() - 30; ++r) {
        const QString text = grid->model()->index(r, spec2).data().toString();
        const int width = grid->fontMetrics().horizontalAdvance(text);
        if (!text.trimmed().isEmpty() && width > grid->columnWidth(spec2) - 6 && cutRow < 0)
            cutRow = r;
        if (!text.trimmed().isEmpty() && width < grid->columnWidth(spec2) - 12 && wholeRow < 0)
            wholeRow = r;
    }
    ASSERT_GE(cutRow, 0) << "the sample has a long second specification";
    ASSERT_GE(wholeRow, 0);

    // Tooltips shown at once rather than faded in.
    QApplication::setEffectEnabled(Qt::UI_FadeTooltip, false);
    QApplication::setEffectEnabled(Qt::UI_AnimateTooltip, false);
    auto tooltipAt = [grid](int row) {
        const QRect cell = grid->visualRect(grid->model()->index(row, spec2));
        QHelpEvent help(QEvent::ToolTip, cell.center(), grid->viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(grid->viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tooltipAt(wholeRow), QString()); // text that fits needs none
    EXPECT_EQ(tooltipAt(cutRow), grid->model()->index(cutRow, spec2).data().toString());
    QToolTip::hideText();
}

// The standard item names fill a little more than their list: the scroll bar's handle is long and
// must read as being at the end the list shows, not the other.
TEST(SmallWindow, StandardNamesScrollBarShowsItsHandleWhereTheListIs)
{
    SampleWindow w;
    w.resize(1280, 720);
    w.click(u"Button14");
    auto *list = w.child<QListWidget>(u"ListBox1");
    QScrollBar *bar = list->verticalScrollBar();
    ASSERT_TRUE(bar->isVisible());
    ASSERT_GT(bar->maximum(), 0);
    const int arrow = bar->width();
    // Lightness near the two ends of the track, inside the arrows.
    auto ends = [&] {
        const QImage image = bar->grab().toImage();
        const int x = image.width() / 2;
        return std::pair{QColor(image.pixel(x, arrow + 6)).lightness(),
                         QColor(image.pixel(x, image.height() - arrow - 6)).lightness()};
    };
    list->scrollToTop();
    const auto [topA, bottomA] = ends();
    EXPECT_LT(topA, bottomA) << "at the top of the list the handle (darker) is at the top";
    list->scrollToBottom();
    const auto [topB, bottomB] = ends();
    EXPECT_GT(topB, bottomB) << "at the end of the list the handle is at the bottom";
}

// At 1280 x 560 the settings pages scroll rather than squeeze: every field keeps the height it
// needs and no two controls overlap.
TEST(SmallWindow, SettingsPagesNeitherSqueezeNorOverlapTheirFields)
{
    SampleWindow w;
    w.resize(1280, 560);
    w.click(u"Button46");
    auto *tabs = w.child<QTabBar>(u"TabControl1");
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        QCoreApplication::processEvents();
        std::vector<std::pair<QWidget *, QRect>> controls;
        for (QWidget *c : w.child(u"Panel23")->findChildren<QWidget *>()) {
            const bool leaf = qobject_cast<QLineEdit *>(c) || qobject_cast<QAbstractButton *>(c)
                              || qobject_cast<QComboBox *>(c) || qobject_cast<QLabel *>(c);
            if (!leaf || !c->isVisible() || qobject_cast<QLineEdit *>(c->parentWidget()) || qobject_cast<QComboBox *>(c->parentWidget()))
                continue;
            const std::string what = tabs->tabText(tab).toStdString() + ": " + c->metaObject()->className() + " "
                                     + c->objectName().toStdString();
            EXPECT_GE(c->height(), c->minimumSizeHint().height()) << what;
            controls.emplace_back(c, QRect(c->mapTo(&w.form, QPoint(0, 0)), c->size()));
        }
        ASSERT_GT(controls.size(), 10u);
        for (size_t i = 0; i < controls.size(); ++i)
            for (size_t j = i + 1; j < controls.size(); ++j) {
                if (!controls[i].first->isAncestorOf(controls[j].first) && !controls[j].first->isAncestorOf(controls[i].first)) {
                    EXPECT_FALSE(controls[i].second.intersects(controls[j].second))
                        << tabs->tabText(tab).toStdString() << ": " << controls[i].first->objectName().toStdString()
                        << " / " << controls[j].first->objectName().toStdString();
                }
            }
    }
}

TEST(SmallWindow, StartWidthOptionResizesAndCentresTheWindow)
{
    SampleWindow w;
    const QScreen *screen = w.form.screen();
    w.form.move(screen->availableGeometry().topLeft() + QPoint(37, 41));
    w.form.resize(w.form.minimumWidth(), 500);
    QCoreApplication::processEvents();

    w.click(u"Button46");
    auto *option = w.child<QCheckBox>(u"CheckBox2");
    for (const bool on : {true, false}) {
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
        QCoreApplication::processEvents();
        ASSERT_EQ(w.form.document().settings.CheckBox2, on);
        // The width the option gives, its frame included on the screen; centred.
        const QRect area = screen->availableGeometry();
        const int frame = w.form.frameGeometry().width() - w.form.width();
        EXPECT_EQ(w.form.width(), std::min(startup::windowSize(on, screen->geometry().size()).width(), area.width() - frame));
        EXPECT_EQ(w.form.height(), 500);
        EXPECT_LE(std::abs(w.form.frameGeometry().center().x() - area.center().x()), 1);
        EXPECT_GE(w.form.frameGeometry().left(), area.left());
    }
}
