#include "output/seal.h"

#include "estimate/settings.h"
#include "recordingcanvas.h"

#include <gtest/gtest.h>

namespace {

using Call = RecordingCanvas::Call;

Settings sealNamed(const QString &name, const QString &size)
{
    Settings s;
    s.Edit61 = name;
    s.ComboBox47 = size;
    seal::sizeList(s);
    seal::presets(s);
    return s;
}

struct Printed {
    std::vector<std::pair<QString, QPoint>> characters;
    QRect ellipse;
};

Printed printed(const Settings &s)
{
    RecordingCanvas canvas;
    seal::drawOnCover(s, canvas);
    Printed p;
    for (const Call &c : canvas.calls) {
        if (c.kind == Call::Text) {
            EXPECT_EQ(c.font, (PrintFont{s.ComboBox47.toInt(), true, false, QColor(255, 0, 0)}));
            p.characters.push_back({c.text, QPoint(c.x1, c.y1)});
        } else if (c.kind == Call::Ellipse) {
            EXPECT_EQ(c.pen, 8);
            EXPECT_EQ(c.color, QColor(255, 0, 0));
            p.ellipse = QRect(QPoint(c.x1, c.y1), QPoint(c.x2, c.y2));
        }
    }
    return p;
}

// Where the preview differs from the preview of the ellipse alone: the characters' ink.
QRect ink(const Settings &s)
{
    Settings circleOnly = s;
    circleOnly.Edit61.clear();
    const QImage with = seal::preview(s);
    const QImage without = seal::preview(circleOnly);
    QRect box;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

TEST(Seal, PresetsBySizeAndCharacterCount)
{
    struct Case { const char16_t *name, *size; int radius; int spacing; } cases[] = {
        {u"山", u"14", 14, 22},      {u"山田", u"9", 15, 13},     {u"山田", u"14", 21, 18},  {u"山田", u"30", 38, 34},
        {u"積算部", u"9", 21, 26},   {u"積算部", u"16", 33, 42},  {u"積算部", u"18", 38, 49}, {u"山田", u"13", 15, 17},
        {u"山", u"13", 15, 22},
    };
    for (const Case &c : cases) {
        Settings s;
        s.Edit61 = QString::fromUtf16(c.name);
        s.ComboBox47 = QString::fromUtf16(c.size);
        seal::presets(s);
        const std::string label = s.Edit61.toStdString() + " " + s.ComboBox47.toStdString();
        EXPECT_EQ(s.Label173, QString::number(c.radius)) << label;
        EXPECT_EQ(s.Label174, QString::number(c.radius)) << label;
        EXPECT_EQ(s.Label167, QString::number(c.spacing)) << label;
    }
}

TEST(Seal, SizeListFollowsTheCharacterCount)
{
    Settings s;
    s.Edit61 = u"山"_qs;
    EXPECT_EQ(seal::sizeList(s)->size(), 13);
    s.Edit61 = u"山田"_qs;
    s.ComboBox47 = u"24"_qs;
    EXPECT_EQ(seal::sizeList(s)->last(), u"18"_qs);
    EXPECT_EQ(s.ComboBox47, u"24"_qs); // two characters keep a size the list no longer offers
    s.Edit61 = u"積算部"_qs;
    seal::sizeList(s);
    EXPECT_EQ(s.ComboBox47, u"18"_qs);
    s.Edit61 = u"積算部長"_qs;
    s.ComboBox47 = u"　"_qs;
    EXPECT_FALSE(seal::sizeList(s).has_value());
    EXPECT_EQ(s.ComboBox47, u"12"_qs);
}

TEST(Seal, StepButtons)
{
    Settings s;
    s.Label173 = u"0"_qs;
    s.Label174 = u"1"_qs;
    s.Label167 = u"0"_qs;
    for (const char16_t *b : {u"Button150", u"Button160", u"Button157"})
        EXPECT_TRUE(seal::step(s, QString::fromUtf16(b)));
    EXPECT_EQ(s.Label173, u"0"_qs);  // height not below 0
    EXPECT_EQ(s.Label174, u"1"_qs);  // width: 1 stays 1
    EXPECT_EQ(s.Label167, u"-1"_qs); // spacing without bounds
    for (const char16_t *b : {u"Button149", u"Button159", u"Button156"})
        seal::step(s, QString::fromUtf16(b));
    EXPECT_EQ(s.Label173 + s.Label174 + s.Label167, u"120"_qs);
    EXPECT_FALSE(seal::step(s, u"Button1"_qs));
}

TEST(Seal, PrintedCharactersAndEllipse)
{
    const Printed one = printed(sealNamed(u"山"_qs, u"9"_qs));
    ASSERT_EQ(one.characters.size(), 1u);
    EXPECT_EQ(one.characters[0].second, QPoint(4328, 3334));
    EXPECT_EQ(one.ellipse, QRect(QPoint(4316, 3321), QPoint(4414, 3419)));

    const Printed two = printed(sealNamed(u"山田"_qs, u"14"_qs)); // radii 21, spacing 18
    ASSERT_EQ(two.characters.size(), 2u);
    EXPECT_EQ(two.characters[0], std::make_pair(u"山"_qs, QPoint(4306, 3258)));
    EXPECT_EQ(two.characters[1], std::make_pair(u"田"_qs, QPoint(4306, 3364)));
    EXPECT_EQ(two.ellipse, QRect(QPoint(4247, 3252), QPoint(4483, 3488)));

    const Printed three = printed(sealNamed(u"積算部"_qs, u"9"_qs));
    ASSERT_EQ(three.characters.size(), 3u);
    EXPECT_EQ(three.characters[0].second, QPoint(4326, 3262));
    EXPECT_EQ(three.characters[1].second, QPoint(4326, 3332));
    EXPECT_EQ(three.characters[2].second, QPoint(4326, 3402));
    EXPECT_EQ(three.ellipse, QRect(QPoint(4252, 3257), QPoint(4478, 3483)));

    // Four characters, an empty name or an odd byte count: the ellipse alone.
    for (const QString &name : {u"積算部長"_qs, QString(), u"山a"_qs}) {
        const Printed p = printed(sealNamed(name, u"9"_qs));
        EXPECT_TRUE(p.characters.empty()) << name.toStdString();
        EXPECT_FALSE(p.ellipse.isNull());
    }
}

TEST(Seal, PreviewStacksTheCharactersAroundTheCentre)
{
    ensureGuiApplication();
    const QImage image = seal::preview(sealNamed(u"山"_qs, u"9"_qs));
    EXPECT_EQ(image.size(), QSize(80, 77));
    EXPECT_EQ(QColor(image.pixel(0, 0)), QColor(Qt::white));

    int lastHeight = 0;
    for (const QString &name : {u"山"_qs, u"山田"_qs, u"積算部"_qs}) {
        const QRect box = ink(sealNamed(name, u"9"_qs));
        ASSERT_FALSE(box.isEmpty()) << name.toStdString();
        EXPECT_NEAR(box.center().x(), 40, 3) << name.toStdString();
        EXPECT_NEAR(box.center().y(), 38, 4) << name.toStdString();
        EXPECT_GT(box.height(), lastHeight) << name.toStdString();
        lastHeight = box.height();
    }
    EXPECT_TRUE(ink(sealNamed(u"積算部長"_qs, u"9"_qs)).isEmpty());
}
