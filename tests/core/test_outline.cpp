#include "itemfixture.h"

#include "base/conversionerror.h"
#include "items/itemtree.h"
#include "items/outline.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

QStringList texts(std::initializer_list<const char16_t *> list)
{
    QStringList out;
    for (const char16_t *t : list)
        out.append(QString::fromUtf16(t));
    return out;
}

// Writes raw levels (as text, "" for none) and bare names "a", "b", ... into rows 1 to n.
void setLevels(ItemFixture &f, const QStringList &levels)
{
    f.doc.tree_count = int(levels.size());
    for (int i = 0; i < levels.size(); ++i) {
        const int r = i + 1;
        const QString bare = QString(QChar(u'a' + i));
        f.doc.items.setCell(itemcol::Level, r, levels[i]);
        if (!levels[i].isEmpty())
            f.doc.items.setCell(levels[i].toInt(), r, bare);
        f.doc.items.setCell(itemcol::Bare, r, bare);
        f.doc.items.setCell(itemcol::Code, r, QString::number(r));
    }
}

} // namespace

TEST(Outline, RenumberGivesOutlineNumbers)
{
    struct Case {
        QStringList levels;
        QStringList names;
    };
    const std::vector<Case> cases = {
        {{u"1"_qs, u"2"_qs, u"2"_qs, u"1"_qs, u"2"_qs, u"3"_qs},
         texts({u"1.a", u"1-1.b", u"1-2.c", u"2.d", u"2-1.e", u"2-1-1.f"})},
        {{u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs, u"4"_qs, u"2"_qs, u"3"_qs},
         texts({u"1.a", u"1-1.b", u"1-1-1.c", u"1-1-1-1.d", u"1-1-1-2.e", u"1-2.f", u"1-2-1.g"})},
        // A level-2 row before any level-1 row.
        {{u"2"_qs, u"1"_qs}, texts({u"0-1.a", u"1.b"})},
        // A row without a level is skipped and does not reset the counters.
        {{u"1"_qs, u"2"_qs, QString(), u"2"_qs}, texts({u"1.a", u"1-1.b", u"", u"1-2.d"})},
    };
    for (const Case &c : cases) {
        ItemFixture f;
        setLevels(f, c.levels);
        outline::renumber(f.doc);
        EXPECT_EQ(f.names(), c.names) << c.levels.join(u',').toStdString();
        for (int r = 1; r <= f.doc.tree_count; ++r) {
            if (!c.levels[r - 1].isEmpty()) {
                EXPECT_EQ(f.doc.items.cell(c.levels[r - 1].toInt(), r), c.names[r - 1]);
            }
        }
    }
}

TEST(Outline, RenumberKeepsThePreviousNames)
{
    ItemFixture f;
    f.setItems({{1, u"a"}, {1, u"b"}});
    f.doc.items.swapRows(1, 2);
    outline::renumber(f.doc);
    EXPECT_EQ(f.names(), texts({u"1.b", u"2.a"}));
    EXPECT_EQ(f.doc.koumoku[1], u"2.b");
    EXPECT_EQ(f.doc.koumoku[2], u"1.a");
}

TEST(Outline, StructuralCheckRepairsLevels)
{
    struct Case {
        QStringList levels;
        std::vector<int> withLines; // rows holding lines
        QStringList expected;
    };
    const std::vector<Case> cases = {
        // Level 3 directly below level 1 is raised to level 1.
        {{u"1"_qs, u"3"_qs}, {}, {u"1"_qs, u"1"_qs}},
        // One pass repairs a whole run of rows that are too deep.
        {{u"1"_qs, u"3"_qs, u"4"_qs, u"4"_qs}, {}, {u"1"_qs, u"1"_qs, u"1"_qs, u"1"_qs}},
        // An item holding lines cannot have a sub-item holding lines directly below it.
        {{u"1"_qs, u"2"_qs}, {1, 2}, {u"1"_qs, u"1"_qs}},
        {{u"1"_qs, u"2"_qs}, {1}, {u"1"_qs, u"2"_qs}},
        {{u"1"_qs, u"2"_qs, u"3"_qs, u"2"_qs}, {3, 4}, {u"1"_qs, u"2"_qs, u"3"_qs, u"2"_qs}},
        // Rows before the first top-level item move up together, keeping their shape.
        {{u"2"_qs, u"3"_qs, u"2"_qs}, {}, {u"1"_qs, u"2"_qs, u"1"_qs}},
        {{u"3"_qs, u"4"_qs, u"2"_qs, u"1"_qs, u"2"_qs}, {}, {u"1"_qs, u"2"_qs, u"1"_qs, u"1"_qs, u"2"_qs}},
    };
    for (const Case &c : cases) {
        ItemFixture f;
        setLevels(f, c.levels);
        for (int row : c.withLines)
            f.doc.items.setCell(itemcol::Lines, row, u"3"_qs);
        outline::structuralCheck(f.doc);
        const std::string label = c.levels.join(u',').toStdString();
        EXPECT_EQ(f.levels(), c.expected) << label;
        // Each name sits in its level column only, and the tree follows the table.
        for (int r = 1; r <= f.doc.tree_count; ++r) {
            const int level = c.expected[r - 1].toInt();
            for (int col = 1; col <= 4; ++col)
                EXPECT_EQ(f.doc.items.cell(col, r).isEmpty(), col != level) << label << " row " << r;
            EXPECT_EQ(f.doc.itemTree.nodes[r - 1].depth, level - 1) << label;
            EXPECT_EQ(f.doc.itemTree.nodes[r - 1].caption, f.item(r)) << label;
        }
    }
}

TEST(Outline, StructuralCheckEmptiesSingleSpaceCountsAndRenamesLines)
{
    ItemFixture f;
    f.setItems({{1, u"a"}, {2, u"b"}, {1, u"c"}, {3, u"d"}});
    f.doc.items.setCell(itemcol::Lines, 1, u" "_qs);
    f.addLine(2, u"x"_qs);
    f.addLine(4, u"y"_qs);
    EXPECT_EQ(f.lineColumn(linecol::Item), texts({u"1-1.b", u"2-0-1.d"}));
    f.doc.controls.Label18.text = u"2-0-1.d"_qs;

    outline::structuralCheck(f.doc);
    EXPECT_EQ(f.doc.items.cell(itemcol::Lines, 1), QString());
    EXPECT_EQ(f.names(), texts({u"1.a", u"1-1.b", u"2.c", u"3.d"}));
    EXPECT_EQ(f.lineColumn(linecol::Item), texts({u"1-1.b", u"3.d"}));
    EXPECT_EQ(f.doc.controls.Label18.text, u"3.d");
    EXPECT_EQ(f.doc.items.cell(itemcol::PreviousName, 4), u"2-0-1.d");
}

TEST(Outline, LevelThatIsNotANumberThrows)
{
    ItemFixture f;
    f.setItems({{1, u"a"}});
    f.doc.items.setCell(itemcol::Level, 1, u"x"_qs);
    EXPECT_THROW(outline::renumber(f.doc), ConversionError);
    EXPECT_THROW(outline::structuralCheck(f.doc), ConversionError);
}

TEST(Outline, WriteItemCodesRenumbersCodesAndLines)
{
    ItemFixture f;
    f.setItems({{1, u"a"}, {1, u"b"}});
    f.addLine(1, u"x"_qs);
    f.addLine(2, u"y"_qs);
    f.addLine(2, u"z"_qs);
    f.doc.items.setCell(itemcol::Code, 1, u"7"_qs);
    f.doc.items.setCell(itemcol::Code, 2, u"9"_qs);
    f.doc.lines.setCell(linecol::Item, 3, u"9.unknown"_qs);
    f.doc.lines.setCell(linecol::ItemCode, 3, u"5"_qs);

    outline::writeItemCodes(f.doc);
    EXPECT_EQ(f.itemColumn(itemcol::Code), texts({u"1", u"2"}));
    // Lines are matched by item name; a line naming no item keeps its code.
    EXPECT_EQ(f.lineColumn(linecol::ItemCode), texts({u"1", u"2", u"5"}));
}

TEST(Outline, RewriteLineItemNamesFollowsCodes)
{
    ItemFixture f;
    f.setItems({{1, u"a"}, {1, u"b"}});
    f.addLine(2, u"x"_qs);
    f.addLine(1, u"y"_qs);
    f.doc.lines.setCell(linecol::ItemCode, 2, QString()); // registered before codes were known
    f.doc.items.setCell(itemcol::Bare, 2, u"renamed"_qs);
    f.doc.controls.Label18.text = u"2.b"_qs;

    outline::recordPreviousNames(f.doc);
    outline::renumber(f.doc);
    outline::rewriteLineItemNames(f.doc);
    EXPECT_EQ(f.lineColumn(linecol::Item), texts({u"2.renamed", u"1.a"}));
    EXPECT_EQ(f.doc.controls.Label18.text, u"2.renamed");
}

TEST(Outline, RefreshLineItemNumbersTakesTheLastMatchingRow)
{
    ItemFixture f;
    f.setItems({{1, u"a"}, {1, u"b"}, {1, u"c"}});
    f.addLine(1, u"x"_qs);
    f.addLine(2, u"y"_qs);
    f.addLine(3, u"z"_qs);
    f.doc.items.setCell(itemcol::Level1, 3, u"2.b"_qs); // a stale duplicate further down
    f.doc.lines.setCell(linecol::Item, 3, u"gone"_qs);
    f.doc.lines.setCell(linecol::ItemRow, 3, u"8"_qs);

    outline::refreshLineItemNumbers(f.doc);
    EXPECT_EQ(f.lineColumn(linecol::ItemRow), texts({u"1", u"3", u"8"}));
}

TEST(ItemTree, BuildKeepsRowOrderAndParents)
{
    ItemFixture f;
    f.setItems({{1, u"a"}, {2, u"b"}, {3, u"c"}, {2, u"d"}, {1, u"e"}, {3, u"f"}});
    const auto &nodes = f.doc.itemTree.nodes;
    ASSERT_EQ(nodes.size(), 6u);
    const int parents[] = {-1, 0, 1, 0, -1, -1}; // "f" has no level-2 node on its path: a root
    const int depths[] = {0, 1, 2, 1, 0, 0};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(nodes[i].parent, parents[i]) << i;
        EXPECT_EQ(nodes[i].depth, depths[i]) << i;
        EXPECT_EQ(nodes[i].caption, f.item(i + 1));
    }
    EXPECT_EQ(f.doc.controls.Label138.text, u"6");
    EXPECT_EQ(f.doc.itemTree.selected, -1);
}
