#include "estimate/pricecheck.h"

#include "sheetfixture.h"

#include <gtest/gtest.h>

using Line = SheetFixture::Line;

TEST(PriceCheck, WhichPairsCount)
{
    struct Case {
        const char16_t *unitA, *unitB, *codeA, *codeB, *priceB;
        int column;                // a further cell of line B that differs (-1 none)
        bool reported;
    } cases[] = {
        {u"ｍ", u"ｍ", u"107", u"107", u"1000.0", -1, true},  // prices compared as text
        {u"式", u"式", u"107", u"107", u"2000", -1, false},   // both lump sums
        {u"式", u"ｍ", u"107", u"107", u"2000", -1, true},
        {u"ｍ", u"ｍ", u"301", u"301", u"2000", -1, false},    // labour classes are never checked
        {u"ｍ", u"ｍ", u"107", u"302", u"2000", -1, false},
        {u"ｍ", u"ｍ", u"107", u"107", u"2000", linecol::E, true}, // E is not part of the key
        {u"ｍ", u"ｍ", u"107", u"107", u"2000", linecol::Spec2, false},
        {u"ｍ", u"ｍ", u"107", u"107", u"2000", linecol::Factor, false},
        {u"ｍ", u"ｍ", u"107", u"107", u"1000", -1, false},
    };
    for (const auto &c : cases) {
        SheetFixture f;
        const int p = f.addItem(u"1.電灯設備工事"_qs);
        f.addLine(p, {.name = u"VVF"_qs, .price = 1000, .code = QString::fromUtf16(c.codeA), .spec1 = u"1.6-2C"_qs,
                      .unit = QString::fromUtf16(c.unitA)});
        f.addLine(p, {.name = u"VVF"_qs, .code = QString::fromUtf16(c.codeB), .spec1 = u"1.6-2C"_qs,
                      .unit = QString::fromUtf16(c.unitB)});
        f.doc.lines.setCell(linecol::Price, 2, QString::fromUtf16(c.priceB));
        if (c.column >= 0)
            f.doc.lines.setCell(c.column, 2, u"別"_qs);
        f.doc.controls.Button112.tag = 7;
        EXPECT_EQ(pricecheck::run(f.doc, f.host), c.reported ? 1 : 0) << QString::fromUtf16(c.priceB).toStdString();
        EXPECT_EQ(f.doc.controls.Button112.tag, c.reported ? 1 : 7);
        EXPECT_EQ(f.doc.lines.cell(linecol::Price, 2), QString::fromUtf16(c.priceB));
    }
}

TEST(PriceCheck, OneWarningPerPairInLineOrder)
{
    SheetFixture f;
    const int p = f.addItem(u"1.電灯設備工事"_qs);
    f.addLine(p, {.name = u"VVF"_qs, .price = 100, .spec1 = u"1.6-2C"_qs});
    f.addLine(p, {.name = u"CV"_qs, .price = 10, .spec1 = u"8sq"_qs});
    f.addLine(p, {.name = u"VVF"_qs, .price = 200, .spec1 = u"1.6-2C"_qs});
    f.addLine(p, {.name = u"CV"_qs, .price = 20, .spec1 = u"8sq"_qs});
    f.addLine(p, {.name = u"VVF"_qs, .price = 300, .spec1 = u"1.6-2C"_qs});
    EXPECT_EQ(pricecheck::run(f.doc, f.host), 4);
    const QString head = u"※同名の材料で単価違いがありました。※修正はしますが確認はお願いします。"_qs;
    EXPECT_EQ(f.host.messageTexts(),
              (QStringList{head + u"1行目と3行目の  VVF 1.6-2C"_qs, head + u"1行目と5行目の  VVF 1.6-2C"_qs,
                           head + u"2行目と4行目の  CV 8sq"_qs, head + u"3行目と5行目の  VVF 1.6-2C"_qs}));
    for (const auto &m : f.host.messages) {
        EXPECT_EQ(m.kind, Host::MessageKind::Warning);
        EXPECT_EQ(m.buttons, int(Host::Yes));
    }
    EXPECT_EQ(f.doc.controls.Button112.tag, 3);
}

TEST(PriceCheck, KeyIsTheJoinedText)
{
    // "VV" + "F1" and "VVF" + "1" join to the same key.
    SheetFixture f;
    const int p = f.addItem(u"1.電灯設備工事"_qs);
    f.addLine(p, {.name = u"VV"_qs, .price = 100, .spec1 = u"F1"_qs});
    f.addLine(p, {.name = u"VVF"_qs, .price = 200, .spec1 = u"1"_qs});
    f.addLine(p, {.name = u"VVF"_qs, .price = 300, .spec1 = u"2"_qs});
    EXPECT_EQ(pricecheck::run(f.doc, f.host), 1);
    EXPECT_EQ(f.doc.controls.Button112.tag, 1);
}
