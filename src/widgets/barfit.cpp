#include "widgets/barfit.h"

#include <QLabel>
#include <QPushButton>
#include <QVariant>

#include <algorithm>
#include <cmath>
#include <vector>

namespace barfit {

namespace {

constexpr char designGeometry[] = "designGeometry";

struct Placed {
    QWidget *widget;
    QRect design;
    int width = 0;      // as placed now
    int gap = 0;        // to the next control
    int leastWidth = 0; // what its caption needs
};

// The width a bar control needs to show its caption whole.
int captionWidth(const QWidget *w)
{
    if (const auto *button = qobject_cast<const QPushButton *>(w))
        return button->fontMetrics().horizontalAdvance(button->text()) + 12;
    if (const auto *label = qobject_cast<const QLabel *>(w))
        return label->fontMetrics().horizontalAdvance(label->text()) + 2;
    return w->minimumSizeHint().width();
}

// The remembered controls in their order along the bar, at their design widths and gaps.
std::vector<Placed> placedControls(QWidget *bar)
{
    std::vector<Placed> placed;
    for (QWidget *child : bar->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (const QVariant design = child->property(designGeometry); design.isValid())
            placed.push_back({child, design.toRect()});
    std::sort(placed.begin(), placed.end(), [](const Placed &a, const Placed &b) { return a.design.x() < b.design.x(); });
    for (size_t i = 0; i < placed.size(); ++i) {
        Placed &p = placed[i];
        p.width = p.design.width();
        p.gap = i + 1 < placed.size() ? std::max(0, placed[i + 1].design.x() - p.design.right() - 1) : 0;
        p.leastWidth = std::min(p.design.width(), captionWidth(p.widget));
    }
    return placed;
}

// Takes up to `excess` from `value`, never below `floor`.
void take(int &excess, int &value, int floor)
{
    const int cut = std::clamp(excess, 0, std::max(0, value - floor));
    value -= cut;
    excess -= cut;
}

// Narrows the controls other than `flexible` in proportion to what each can give.
void narrowControls(std::vector<Placed> &placed, const QWidget *flexible, int &excess)
{
    int slack = 0;
    for (const Placed &p : placed)
        if (p.widget != flexible)
            slack += p.width - p.leastWidth;
    if (excess <= 0 || slack <= 0)
        return;
    const double share = std::min(1.0, double(excess) / slack);
    for (Placed &p : placed) {
        if (p.widget == flexible)
            continue;
        const int cut = std::min(excess, int(std::ceil((p.width - p.leastWidth) * share)));
        p.width -= cut;
        excess -= cut;
    }
}

} // namespace

void remember(QWidget *control)
{
    control->setProperty(designGeometry, control->geometry());
}

void fit(QWidget *bar, QWidget *flexible, int least)
{
    std::vector<Placed> placed = placedControls(bar);
    if (placed.empty())
        return;
    const int first = placed.front().design.x();
    int excess = first - (bar->width() - 4);
    for (const Placed &p : placed)
        excess += p.width + p.gap;

    const auto flexibleOne = std::find_if(placed.begin(), placed.end(), [flexible](const Placed &p) { return p.widget == flexible; });
    if (flexibleOne != placed.end())
        take(excess, flexibleOne->width, least);
    for (Placed &p : placed)
        take(excess, p.gap, std::min(p.gap, 2));
    narrowControls(placed, flexible, excess);
    if (flexibleOne != placed.end())
        take(excess, flexibleOne->width, 0);

    int x = first;
    for (const Placed &p : placed) {
        p.widget->setGeometry(x, p.design.y(), std::max(1, p.width), p.design.height());
        x += p.width + p.gap;
    }
}

} // namespace barfit
