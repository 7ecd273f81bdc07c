#include "base/textgrid.h"
#include "base/textgridmodel.h"

#include <gtest/gtest.h>

TEST(TextGridModel, TitlesAreTheHeaderAndRowsFollowTheGrid)
{
    TextGrid grid(3, 4);
    grid.setRow(0, {u"No."_qs, u"品名"_qs, u"数量"_qs});
    grid.setRow(1, {u"1"_qs, u"ケーブル"_qs, u"20"_qs});
    TextGridModel model(grid);
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.columnCount(), 3);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), u"品名"_qs);
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), u"ケーブル"_qs);

    // Rows added and removed at the end are announced as such, so views keep their place.
    QList<std::pair<int, int>> inserted, removed;
    int changed = 0;
    QObject::connect(&model, &QAbstractItemModel::rowsInserted, [&](const QModelIndex &, int a, int b) { inserted.append({a, b}); });
    QObject::connect(&model, &QAbstractItemModel::rowsRemoved, [&](const QModelIndex &, int a, int b) { removed.append({a, b}); });
    QObject::connect(&model, &QAbstractItemModel::dataChanged, [&] { ++changed; });
    grid.setRowCount(10);
    grid.setCell(1, 9, u"ボックス"_qs);
    model.refresh();
    EXPECT_EQ(inserted, (QList<std::pair<int, int>>{{3, 8}}));
    EXPECT_EQ(model.rowCount(), 9);
    EXPECT_EQ(model.data(model.index(8, 1)).toString(), u"ボックス"_qs);
    grid.setRowCount(2);
    model.refresh();
    EXPECT_EQ(removed, (QList<std::pair<int, int>>{{1, 8}}));
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(changed, 2);
}
