#include "output/printoptions.h"

#include "base/scriptedhost.h"
#include "estimate/document.h"

#include <gtest/gtest.h>

namespace {

struct OptionsFixture {
    EstimateDocument doc;
    ScriptedHost host;
    PrintOptions o;
    OptionsFixture() { doc.settings.Edit51 = u"10"_qs; }
};

} // namespace

TEST(PrintOptions, InvoiceAmountsTruncatedOrRoundedToEven)
{
    struct Case {
        const char16_t *typed;
        bool truncate;
        const char16_t *before, *tax, *taxShown, *total;
        int seikyu5;
    } cases[] = {
        // The tax is taken from the amount as typed: 1234.9 × 10 % = 123.49.
        {u"1234.9", true, u"        1,234", u"123", u"       123", u"        1,357", 0},
        {u"1234.5", false, u"        1,234", u"123", u"       123", u"        1,357", 1},
        {u"1235.5", false, u"        1,236", u"124", u"       124", u"        1,360", 1},
        {u"2500000", true, u"    2,500,000", u"250000", u"   250,000", u"    2,750,000", 0},
    };
    for (const Case &c : cases) {
        OptionsFixture f;
        f.o.Edit7 = QString::fromUtf16(c.typed);
        f.o.RadioButton1 = c.truncate;
        ASSERT_TRUE(printoptions::Button5Click(f.doc, f.host, f.o));
        const std::string label = f.o.Edit7.toStdString();
        EXPECT_EQ(f.o.Edit1, QString::fromUtf16(c.before)) << label;
        EXPECT_EQ(f.o.Edit8, QString::fromUtf16(c.tax)) << label;
        EXPECT_EQ(f.o.Edit6, QString::fromUtf16(c.taxShown)) << label;
        EXPECT_EQ(f.o.Edit9, QString::fromUtf16(c.total)) << label;
        EXPECT_EQ(f.doc.seikyu5, c.seikyu5) << label;
        EXPECT_EQ(f.o.Label9, u"※消費税率 10 ％"_qs);
    }
}

TEST(PrintOptions, RecalculationRefusesTextThatIsNotANumber)
{
    for (auto bad : {std::pair{u"1000"_qs, u"8.5"_qs}, std::pair{u"1,000"_qs, u"8"_qs}}) {
        OptionsFixture f;
        f.o.Edit1 = u"before"_qs;
        f.o.Edit9 = u"before"_qs;
        f.o.Edit7 = bad.first;
        f.doc.settings.Edit51 = bad.second;
        EXPECT_FALSE(printoptions::Button5Click(f.doc, f.host, f.o));
        EXPECT_EQ(f.host.messages.size(), 1);
        EXPECT_EQ(f.host.messages[0].kind, Host::MessageKind::Error);
        EXPECT_EQ(f.o.Edit1, u"before"_qs);
        EXPECT_EQ(f.o.Edit9, u"before"_qs);
    }
}

TEST(PrintOptions, InvoicePreparationAndTheHandOver)
{
    OptionsFixture f;
    f.doc.settings.Edit55 = u"5291000.6"_qs;
    f.doc.settings.Edit29 = u"港北ビル"_qs;
    f.o.CheckBox1 = false;
    f.doc.seikyu5 = 1;
    printoptions::FormShow(f.doc, f.o);
    EXPECT_FALSE(f.o.RadioButton1); // "四捨五入" from seikyu5
    ASSERT_TRUE(printoptions::Button2Click(f.doc, f.host, f.o, QDate(2019, 5, 1)));
    EXPECT_TRUE(f.o.GroupBox1);
    EXPECT_FALSE(f.o.buttonPanels);
    EXPECT_EQ(f.o.Edit3, u"元"_qs);
    EXPECT_EQ(f.o.Edit4 + u"/"_qs + f.o.Edit5, u"5/1"_qs);
    EXPECT_EQ(f.o.Edit7, u"5291001"_qs);
    EXPECT_EQ(f.o.Edit1, u"    5,291,001"_qs);
    EXPECT_EQ(f.o.Edit2, u"港北ビル"_qs);
    EXPECT_TRUE(f.o.CheckBox1);

    f.o.Edit7 = u"5000000"_qs; // the user corrects the amount
    ASSERT_TRUE(printoptions::Button5Click(f.doc, f.host, f.o));
    printoptions::Button3Click(f.doc, f.o);
    EXPECT_EQ(f.doc.settings.Edit55, u"5000000"_qs);
    EXPECT_EQ(f.doc.patan, 2);
    EXPECT_EQ(f.o.Tag, 1);
    EXPECT_FALSE(f.o.GroupBox1);

    printoptions::FormShow(f.doc, f.o);
    EXPECT_EQ(f.o.Tag, 0);
    printoptions::Button4Click(f.doc, f.o);
    EXPECT_EQ(f.doc.patan, 0);
}

TEST(PrintOptions, InvoicePreparationWithoutAnAmount)
{
    OptionsFixture f;
    f.o.Edit7 = u"123"_qs;
    f.doc.settings.Edit55 = u" "_qs;
    EXPECT_FALSE(printoptions::Button2Click(f.doc, f.host, f.o, QDate(2025, 4, 1)));
    EXPECT_EQ(f.host.messages.size(), 1);
    EXPECT_EQ(f.o.Edit7, u"123"_qs);
}

TEST(PrintOptions, ConditionsBoxFollowsTheListOnEveryShowing)
{
    OptionsFixture f;
    f.o.CheckBox4 = true;
    printoptions::FormShow(f.doc, f.o);
    EXPECT_FALSE(f.o.CheckBox4);
    f.doc.conditions.setCell(1, 45, u" ■"_qs);
    printoptions::FormShow(f.doc, f.o);
    EXPECT_TRUE(f.o.CheckBox4);

    printoptions::Button1Click(f.doc, f.o);
    EXPECT_EQ(f.doc.patan, 1);
    EXPECT_EQ(f.o.Tag, 1);
}

TEST(PrintOptions, ControlsByName)
{
    PrintOptions o;
    EXPECT_TRUE(printoptions::setControl(o, u"CheckBox5"_qs, u"1"_qs));
    EXPECT_TRUE(printoptions::setControl(o, u"CheckBox1"_qs, u"0"_qs));
    EXPECT_TRUE(printoptions::setControl(o, u"Edit4"_qs, u"12"_qs));
    EXPECT_TRUE(printoptions::setControl(o, u"RadioButton2"_qs, u"1"_qs));
    EXPECT_TRUE(o.CheckBox5);
    EXPECT_FALSE(o.CheckBox1);
    EXPECT_EQ(o.Edit4, u"12"_qs);
    EXPECT_FALSE(o.RadioButton1);
    EXPECT_FALSE(printoptions::setControl(o, u"Edit1"_qs, u"1"_qs)); // shown text, not a choice
    EXPECT_TRUE(printoptions::isControl(u"Edit7"_qs));
    EXPECT_FALSE(printoptions::isControl(u"Edit9"_qs));
}
