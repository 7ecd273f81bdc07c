#include "itemfixture.h"

#include "items/itemmoves.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using Move = void (*)(EstimateDocument &, Host &);

struct MoveCase {
    const char *what;
    std::vector<std::pair<int, const char16_t *>> items;
    std::vector<int> withLines; // item rows holding lines
    int chosen;
    Move move;
    QStringList order;  // bare names after the move
    QStringList levels; // levels after the move
    int nodrow;
    int beeps;
};

QStringList split(const char16_t *text)
{
    return QString::fromUtf16(text).split(u' ');
}

ItemFixture *makeFixture(const MoveCase &c)
{
    auto *f = new ItemFixture;
    for (const auto &[level, name] : c.items)
        f->setItems({{level, name}});
    for (int row : c.withLines)
        f->doc.items.setCell(itemcol::Lines, row, u"2"_qs);
    f->choose(c.chosen);
    return f;
}

} // namespace

TEST(ItemMoves, MovesFollowTheirRules)
{
    const std::vector<MoveCase> cases = {
        {"up on the first item beeps", {{1, u"a"}, {1, u"b"}}, {}, 1, items::moveUp,
         split(u"a b"), split(u"1 1"), 1, 1},
        {"up swaps with the item above at the same level", {{1, u"a"}, {1, u"b"}}, {}, 2,
         items::moveUp, split(u"b a"), split(u"1 1"), 1, 0},
        {"up below its parent outdents", {{1, u"a"}, {2, u"b"}}, {}, 2, items::moveUp,
         split(u"a b"), split(u"1 1"), 2, 0},
        {"up below a deeper item becomes its sub-item", {{1, u"a"}, {2, u"b"}, {1, u"c"}}, {}, 3,
         items::moveUp, split(u"a b c"), split(u"1 2 3"), 3, 0},
        {"down swaps with the next item", {{1, u"a"}, {1, u"b"}, {1, u"c"}}, {}, 1,
         items::moveDown, split(u"b a c"), split(u"1 1 1"), 2, 0},
        {"down on the last item does nothing", {{1, u"a"}, {1, u"b"}}, {}, 2, items::moveDown,
         split(u"a b"), split(u"1 1"), 2, 0},
        {"down on an item deeper than the next outdents", {{1, u"a"}, {2, u"b"}, {1, u"c"}}, {}, 2,
         items::moveDown, split(u"a b c"), split(u"1 1 1"), 2, 0},
        {"down into a group whose items hold lines joins it", {{1, u"x"}, {1, u"p"}, {2, u"q"}}, {3},
         1, items::moveDown, split(u"p x q"), split(u"1 2 2"), 2, 0},
        {"right on the first item beeps", {{1, u"a"}}, {}, 1, items::indent, split(u"a"),
         split(u"1"), 1, 1},
        {"right makes a sub-item", {{1, u"a"}, {1, u"b"}}, {}, 2, items::indent, split(u"a b"),
         split(u"1 2"), 2, 0},
        {"right below an item holding lines does nothing", {{1, u"a"}, {1, u"b"}}, {1}, 2,
         items::indent, split(u"a b"), split(u"1 1"), 2, 0},
        {"right below a deeper item holding lines still indents", {{1, u"p"}, {2, u"a"}, {1, u"b"}},
         {2}, 3, items::indent, split(u"p a b"), split(u"1 2 2"), 3, 0},
        {"right stops one level below the item above", {{1, u"a"}, {2, u"b"}}, {}, 2,
         items::indent, split(u"a b"), split(u"1 2"), 2, 0},
        {"right keeps level 4", {{1, u"a"}, {2, u"b"}, {3, u"c"}, {4, u"d"}, {4, u"e"}}, {}, 5,
         items::indent, split(u"a b c d e"), split(u"1 2 3 4 4"), 5, 0},
        {"left outdents", {{1, u"a"}, {2, u"b"}, {2, u"c"}}, {}, 3, items::outdent,
         split(u"a b c"), split(u"1 2 1"), 3, 0},
        {"left on an item with a sub-item beeps", {{1, u"a"}, {2, u"b"}, {3, u"c"}}, {}, 2,
         items::outdent, split(u"a b c"), split(u"1 2 3"), 2, 1},
        {"left takes the next item along when only this one holds lines",
         {{1, u"p"}, {2, u"a"}, {2, u"b"}}, {2}, 2, items::outdent, split(u"p a b"),
         split(u"1 1 1"), 2, 0},
        {"left moves up past a sibling holding lines", {{1, u"p"}, {2, u"q"}, {3, u"a"}, {3, u"b"}},
         {3, 4}, 3, items::outdent, split(u"p a q b"), split(u"1 2 2 3"), 2, 0},
        {"left on a top-level item keeps it", {{1, u"a"}, {1, u"b"}}, {}, 2, items::outdent,
         split(u"a b"), split(u"1 1"), 2, 0},
    };
    for (const MoveCase &c : cases) {
        std::unique_ptr<ItemFixture> f(makeFixture(c));
        c.move(f->doc, f->host);
        EXPECT_EQ(f->itemColumn(itemcol::Bare), c.order) << c.what;
        EXPECT_EQ(f->levels(), c.levels) << c.what;
        EXPECT_EQ(f->doc.nodrow, c.nodrow) << c.what;
        EXPECT_EQ(f->host.beeps, c.beeps) << c.what;
        EXPECT_TRUE(f->host.messages.isEmpty()) << c.what;
    }
}

TEST(ItemMoves, TheMovedItemStaysChosenAndItsLinesFollow)
{
    ItemFixture f;
    f.setItems({{1, u"a"}, {1, u"b"}, {1, u"c"}});
    f.addLine(3, u"x"_qs);
    f.doc.controls.Label18.text = f.item(3);
    f.choose(3);
    items::moveUp(f.doc, f.host);
    items::indent(f.doc, f.host);
    EXPECT_EQ(f.names(), (QStringList{u"1.a"_qs, u"1-1.c"_qs, u"2.b"_qs}));
    EXPECT_EQ(f.lineColumn(linecol::Item), QStringList{u"1-1.c"_qs});
    EXPECT_EQ(f.doc.controls.Label18.text, u"1-1.c");
    // The node shown selected is the item that delete and rename act on.
    EXPECT_EQ(f.doc.nodrow, 2);
    EXPECT_EQ(f.doc.itemTree.selected, 1);
    EXPECT_EQ(f.doc.uy7, 2);
    EXPECT_EQ(f.doc.ux7, 2);
    EXPECT_EQ(f.doc.controls.Panel83.tag, 2);
    EXPECT_EQ(f.doc.controls.focus, u"TreeView1");
}

TEST(ItemMoves, ALevelThatIsNotANumberShowsTheConversionError)
{
    ItemFixture f;
    f.setItems({{1, u"a"}, {1, u"b"}});
    f.doc.items.setCell(itemcol::Level, 2, u"x"_qs);
    f.choose(1);
    items::moveDown(f.doc, f.host);
    f.choose(2);
    items::moveUp(f.doc, f.host);
    ASSERT_EQ(f.host.messages.size(), 2);
    EXPECT_EQ(f.host.messages[0].kind, Host::MessageKind::Error);
    EXPECT_TRUE(f.host.messages[1].text.contains(u"x"));
}
