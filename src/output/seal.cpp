#include "output/seal.h"

#include "base/conversionerror.h"
#include "base/numbers.h"
#include "estimate/settings.h"
#include "output/fontfaces.h"
#include "output/pagecanvas.h"
#include "storage/codepage932.h"

#include <QFontMetrics>
#include <QPainter>

#include <array>

namespace seal {

namespace {

constexpr std::array<int, 13> allSizes = {9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30};

// The position of S in the size list, or -1.
int sizeIndex(int s)
{
    for (size_t i = 0; i < allSizes.size(); ++i)
        if (allSizes[i] == s)
            return int(i);
    return -1;
}

int number(const QString &text)
{
    return int(num::toInteger(text));
}

int characterCount(const QString &name)
{
    return int(name.toUcs4().size());
}

QStringList sizeTexts(int last)
{
    QStringList list;
    for (int s : allSizes)
        if (s <= last)
            list.append(QString::number(s));
    return list;
}

// Windows maps a point size to a pixel height at 96 dots per inch, rounding half away from zero.
int previewPixels(int points)
{
    return (points * 96 + 36) / 72;
}

QFont previewFont(int size)
{
    fontfaces::install();
    QFont font(fontfaces::mincho);
    font.setPixelSize(std::max(1, previewPixels(size)));
    font.setBold(true);
    return font;
}

void drawPreviewText(QPainter &p, const Settings &s)
{
    const QStringList chars = characters(s.Edit61);
    if (chars.isEmpty())
        return;
    const int size = number(s.ComboBox47);
    const int h = number(s.Label167) / 2;
    const QFont font = previewFont(size);
    p.setFont(font);
    p.setPen(QColor(255, 0, 0));
    // The hidden measuring label shows the first character in size S.
    const QFontMetrics metrics(font);
    int r = int(num::roundEven(metrics.horizontalAdvance(chars[0]) / 2.0));
    int t = int(num::roundEven(metrics.height() / 2.0 + 2.6));
    if (size == 12)
        t -= 2;
    const int x = seal::previewWidth / 2;
    int y = seal::previewHeight / 2;
    auto draw = [&](const QString &c, int left, int top) { p.drawText(QPoint(left, top + metrics.ascent()), c); };
    switch (chars.size()) {
    case 1:
        if (size == 9 || size == 10) {
            r = 6;
            y += 3;
        } else if (size == 11 || size == 12) {
            y += 2;
        } else if (size > 13) {
            y += 3;
        }
        draw(chars[0], x - r, y - t);
        break;
    case 2:
        if (size <= 9)
            y += 1;
        if (size == 12 || size == 24)
            y -= 1;
        draw(chars[0], x - r, y - t - h + 2);
        draw(chars[1], x - r, y + h - t + 2);
        break;
    default:
        if (size == 9)
            y += 1;
        draw(chars[0], x - r, y - t - h + 3);
        draw(chars[1], x - r, y - t + 2);
        draw(chars[2], x - r, y + h - t + 1);
        break;
    }
}

void drawPreviewCircle(QPainter &p, const Settings &s)
{
    const int v = number(s.Label173);
    const int w = number(s.Label174);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 0, 0), 2));
    const int cx = seal::previewWidth / 2;
    const int cy = seal::previewHeight / 2;
    p.drawEllipse(QRect(QPoint(cx - w, cy - v), QPoint(cx + w, cy + v)));
}

// Print positions of one full-width character: the base point moves left and up by S.
constexpr int singleLeft[] = {12, 16, 21, 26, 33, 40, 48, 56, 64, 72, 82, 91, 100};
constexpr int singleUp[] = {12, 16, 22, 27, 34, 43, 52, 60, 69, 78, 87, 97, 107};

} // namespace

QStringList characters(const QString &name)
{
    const QByteArray bytes = cp932::encode(name).bytes;
    if (bytes.size() != 2 && bytes.size() != 4 && bytes.size() != 6)
        return {};
    QStringList pairs;
    for (qsizetype i = 0; i < bytes.size(); i += 2)
        pairs.append(cp932::decode(QByteArrayView(bytes.constData() + i, 2)));
    return pairs;
}

std::optional<QStringList> sizeList(Settings &s)
{
    QString &size = s.ComboBox47;
    if (size.isEmpty() || size == u" " || size == u"\u3000")
        size = u"12"_qs;
    const int c = characterCount(s.Edit61);
    if (c == 1)
        return sizeTexts(30);
    if (c != 2 && c != 3)
        return std::nullopt;
    if (c == 3) {
        static const QStringList large = {u"20"_qs, u"22"_qs, u"24"_qs, u"26"_qs, u"28"_qs, u"30"_qs};
        if (large.contains(size))
            size = u"18"_qs;
    }
    return sizeTexts(18);
}

void presets(Settings &s)
{
    static constexpr int twoRadii[] = {15, 17, 18, 19, 21, 25, 26, 28, 30, 32, 36, 37, 38};
    static constexpr int threeSpacing[] = {26, 28, 30, 34, 38, 42, 49, 53, 58, 62, 70, 72, 79};
    static constexpr int threeRadii[] = {21, 23, 24, 27, 30, 33};
    if (!num::isNumber(s.ComboBox47))
        return;
    const double size = num::toNumber(s.ComboBox47);
    const int index = size == num::truncate(size) ? sizeIndex(int(size)) : -1;
    auto setRadii = [&s](int v) { s.Label173 = s.Label174 = QString::number(v); };
    switch (characterCount(s.Edit61)) {
    case 1:
        if (index >= 0)
            setRadii(allSizes[size_t(index)]);
        break;
    case 2:
        if (index >= 0)
            setRadii(twoRadii[index]);
        s.Label167 = num::shortest(num::roundEven(size + 4));
        break;
    case 3:
        if (index >= 0) {
            s.Label167 = QString::number(threeSpacing[index]);
            setRadii(index < 6 ? threeRadii[index] : 38);
        }
        break;
    default:
        break;
    }
}

bool step(Settings &s, const QString &button)
{
    struct Step {
        const char16_t *button;
        QString Settings::*value;
        int by;
        int floor; // the lowest value a "-" leaves
    };
    static constexpr int none = std::numeric_limits<int>::min();
    const Step steps[] = {
        {u"Button149", &Settings::Label173, 1, none}, {u"Button150", &Settings::Label173, -1, 0},
        {u"Button159", &Settings::Label174, 1, none}, {u"Button160", &Settings::Label174, -1, 1},
        {u"Button156", &Settings::Label167, 1, none}, {u"Button157", &Settings::Label167, -1, none},
    };
    for (const Step &st : steps) {
        if (button != QStringView(st.button))
            continue;
        QString &text = s.*st.value;
        const int value = number(text);
        if (st.by > 0 || value - 1 >= st.floor)
            text = QString::number(value + st.by);
        return true;
    }
    return false;
}

QImage preview(const Settings &s)
{
    QImage image(previewWidth, previewHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // A value that is not a whole number leaves its part undrawn, as the operation would stop there.
    try {
        drawPreviewText(p, s);
    } catch (const ConversionError &) {
    }
    try {
        drawPreviewCircle(p, s);
    } catch (const ConversionError &) {
    }
    return image;
}

void drawOnCover(const Settings &s, PageCanvas &canvas)
{
    const int size = number(s.ComboBox47);
    const int v = number(s.Label173);
    const int w = number(s.Label174);
    const int d = number(s.Label167);
    const QStringList chars = characters(s.Edit61);
    const PrintFont font{size, true, false, QColor(255, 0, 0)};

    int ry = v * 6;
    int rx = w * 6;
    const int g = int(num::roundEven(size / 2.0));
    const int a = int(num::roundEven(g * 6.75));
    const int k = 30 - size;
    int ox = a - k;
    const int oy = a - k;
    int x = 4340;
    int y = 3346;
    auto radii = [&](int change) {
        rx += change;
        ry += change;
    };

    if (chars.size() == 1) {
        if (const int i = sizeIndex(size); i >= 0) {
            x -= singleLeft[i];
            y -= singleUp[i];
        }
        if (size == 9)
            radii(-5);
        canvas.text(x, y, chars[0], font);
    } else if (chars.size() >= 2) {
        const double m = size <= 11 ? 3.5 : size <= 16 ? 3.4 : 3.2;
        int q = int(num::roundEven(d * m - k));
        if (chars.size() == 2) {
            ox += size <= 12 ? 5 : size == 14 ? 3 : 0;
            struct Shift { int size, q, x, y, radii; };
            static constexpr Shift shifts[] = {{9, 5, -2, -12, -9},  {10, -5, 2, -16, -15}, {11, -12, 4, -22, -13},
                                               {12, -13, 3, -25, -14}, {14, -23, 0, -35, -8},  {16, -38, 0, -45, -14},
                                               {18, -42, 0, -50, 0}};
            int radiiChange = 0;
            for (const Shift &sh : shifts)
                if (sh.size == size) {
                    q += sh.q;
                    x += sh.x;
                    y += sh.y;
                    radiiChange = sh.radii;
                }
            canvas.text(x - ox, y - (oy + q), chars[0], font);
            canvas.text(x - ox, y + (oy + q), chars[1], font);
            radii(radiiChange);
        } else {
            struct Shift { int size, ox, radii; };
            static constexpr Shift shifts[] = {{9, 8, -13}, {10, 2, -15}, {11, 1, -7}, {12, 5, -5}, {14, 3, 0}, {16, 0, 5}};
            int radiiChange = 0;
            for (const Shift &sh : shifts)
                if (sh.size == size) {
                    ox += sh.ox;
                    radiiChange = sh.radii;
                }
            if (size <= 16)
                y -= 3;
            if (size == 9)
                y -= 5;
            if (size == 18)
                y -= 2;
            canvas.text(x - ox, y - (oy + q), chars[0], font);
            canvas.text(x - ox, y - oy, chars[1], font);
            canvas.text(x - ox, y - (oy - q), chars[2], font);
            radii(radiiChange);
        }
    }
    canvas.ellipse(4365 - rx, 3370 - ry, 4365 + rx, 3370 + ry, 8, QColor(255, 0, 0));
}

} // namespace seal
