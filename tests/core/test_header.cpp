#include "base/scriptedhost.h"
#include "estimate/document.h"
#include "items/header.h"

#include <gtest/gtest.h>

TEST(Header, TodayWritesTheEraDate)
{
    struct Case {
        QDate date;
        const char16_t *year, *month, *day;
    };
    const Case cases[] = {
        {QDate(2019, 5, 1), u"元", u"5", u"1"},
        {QDate(2025, 12, 9), u"7", u"12", u"9"},
        {QDate(2020, 1, 5), u"2", u"1", u"5"},
    };
    for (const Case &c : cases) {
        EstimateDocument doc;
        doc.gengou = u"令和"_qs;
        header::today(doc, c.date);
        EXPECT_EQ(doc.settings.Label56, u"令和");
        EXPECT_EQ(doc.settings.Edit25, QString::fromUtf16(c.year));
        EXPECT_EQ(doc.settings.Edit26, QString::fromUtf16(c.month));
        EXPECT_EQ(doc.settings.Edit27, QString::fromUtf16(c.day));
    }
}

TEST(Header, DateLabelAddsTheNumberWhenTheDateIsComplete)
{
    EstimateDocument doc;
    doc.gengou = u"令和"_qs;
    header::today(doc, QDate(2019, 6, 3));
    doc.settings.Edit28 = u"A-12"_qs;
    header::refreshDateLabel(doc);
    EXPECT_EQ(doc.controls.Label72.text, u"令和元年6月3日 /  No.A-12");
    header::refreshDateLabel(doc, false);
    EXPECT_EQ(doc.controls.Label72.text, u"令和元年6月3日");
    doc.settings.Edit27.clear();
    header::refreshDateLabel(doc);
    EXPECT_EQ(doc.controls.Label72.text, u"令和元年6月日");
}

TEST(Header, EraChangeAndQuickFill)
{
    EstimateDocument doc;
    ScriptedHost host;
    header::showEraPanel(doc);
    EXPECT_TRUE(doc.controls.Panel97.visible);
    doc.settings.Edit59 = u"新元"_qs;
    header::registerEra(doc);
    EXPECT_EQ(doc.settings.Label56, u"新元");
    EXPECT_EQ(doc.gengou, u"新元");
    EXPECT_FALSE(doc.controls.Panel97.visible);
    header::today(doc, QDate(2025, 1, 1));
    EXPECT_EQ(doc.settings.Edit25, u"7"); // the year does not depend on the era name

    doc.settings.Edit45 = u"株式会社山田"_qs;
    header::quickFill(doc);
    EXPECT_EQ(doc.settings.Edit29, u"株式会社山田");
    EXPECT_EQ(doc.settings.Edit22, u"電源工事");
    doc.settings.Edit60 = u"（第２期）"_qs;
    header::copyTitle(doc, host);
    EXPECT_EQ(host.clipboard, u"電源工事（第２期）");
}

TEST(Header, ReferenceLists)
{
    EstimateDocument doc;
    MainControls &c = doc.controls;
    doc.settings.Edit45 = u"一番"_qs;
    doc.settings.Edit47 = u"三番"_qs;
    doc.settings.Edit29 = u"前の客先"_qs;

    header::toggleReferenceList(doc, header::Clients);
    EXPECT_TRUE(c.ListBox2.visible);
    EXPECT_EQ(c.ListBox2.tag, 0);
    EXPECT_EQ(c.ListBox2Items, (QStringList{u"一番"_qs, {}, u"三番"_qs, {}, {}}));
    EXPECT_EQ(c.Button96.text, u"閉じる");
    header::pickReference(doc, 1); // an empty entry empties the client
    EXPECT_TRUE(doc.settings.Edit29.isEmpty());
    EXPECT_FALSE(c.ListBox2.visible);
    EXPECT_EQ(c.Button96.text, u"参照");

    // Job titles are appended without separator.
    header::toggleReferenceList(doc, header::JobTitles);
    EXPECT_EQ(c.ListBox2.tag, 1);
    EXPECT_EQ(c.ListBox2Items.size(), 8);
    header::pickReference(doc, 3);
    EXPECT_EQ(doc.settings.Edit22, u"改修工事");
    doc.settings.Edit22 = u"山田邸"_qs;
    header::toggleReferenceList(doc, header::JobTitles);
    header::pickReference(doc, 3);
    EXPECT_EQ(doc.settings.Edit22, u"山田邸改修工事");

    // Opening one list closes the other.
    header::toggleReferenceList(doc, header::Clients);
    header::toggleReferenceList(doc, header::JobTitles);
    EXPECT_EQ(c.Button96.text, u"参照");
    EXPECT_EQ(c.Button103.text, u"閉じる");
    EXPECT_EQ(c.ListBox2.tag, 1);

    // After leaving the list, the first press only resets the caption.
    header::leaveReferenceList(doc);
    EXPECT_FALSE(c.ListBox2.visible);
    EXPECT_EQ(c.Button103.text, u"閉じる");
    header::toggleReferenceList(doc, header::JobTitles);
    EXPECT_FALSE(c.ListBox2.visible);
    EXPECT_EQ(c.Button103.text, u"参照");
    header::toggleReferenceList(doc, header::JobTitles);
    EXPECT_TRUE(c.ListBox2.visible);

    header::hideReferenceList(doc);
    EXPECT_FALSE(c.ListBox2.visible);
    EXPECT_EQ(c.Button103.text, u"参照");
}

TEST(Header, PrintSizeChoice)
{
    EstimateDocument doc;
    header::showPrintSize(doc);
    EXPECT_FALSE(doc.controls.Panel105.visible);
    EXPECT_TRUE(doc.controls.Label165.visible);
    header::choosePrintSize(doc, u"18"_qs);
    EXPECT_EQ(doc.settings.ComboBox48, u"18");
    EXPECT_TRUE(doc.controls.Panel105.visible);
    EXPECT_FALSE(doc.controls.Label165.visible);
}
