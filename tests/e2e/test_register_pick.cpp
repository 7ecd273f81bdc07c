#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct PickRun {
    int exitCode;
    QString err;
};

PickRun cli(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral(SOLVARA_BIN_DIR "/solvara-cli"), arguments);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

QList<QStringList> lineRows(const QString &estimate)
{
    QProcess p;
    p.start(QStringLiteral(SOLVARA_BIN_DIR "/solvara-cli"), {u"lines"_qs, estimate});
    p.waitForFinished(60000);
    QList<QStringList> rows;
    for (const QString &line : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts))
        rows.append(line.split(u'\t'));
    return rows;
}

} // namespace

// "pick:" on the bundled catalog: the first VVF cable merges into the sample's line of the same
// material under the current item; the lighting list's "未登録品" row, named and priced, becomes a
// new line under another item with that item's sub-number; a row beyond the list opens nothing.
TEST(CliRegisterPick, PicksFromTheBundledCatalog)
{
    QTemporaryDir dir;
    const QString entries = dir.filePath(u"entries.tsv"_qs);
    const QString out = dir.filePath(u"out.kas"_qs);
    QFile f(entries);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(u"open\t数量\t品　　名\t単　価\tpress\n"
            "pick:146:2:1\t110\t\t\t登録\n"
            "pick:107:1:12:3.自動火災報知設備工事\t2\t特注照明器具\t45000\t登録 登録\n"
            "pick:146:2:99\t1\t\t\t登録\n"_qs.toUtf8());
    f.close();
    const QString sample = QStringLiteral(SOLVARA_PROGRAM_DATA "/sample.kas");
    const PickRun r = cli({u"register"_qs, sample, out, entries});
    EXPECT_EQ(r.exitCode, 1); // the third entry could not be opened
    EXPECT_TRUE(r.err.contains(u"line 4: pick: the list has no row 99")) << r.err.toStdString();

    const QList<QStringList> before = lineRows(sample);
    const QList<QStringList> after = lineRows(out);
    ASSERT_EQ(after.size(), before.size() + 1);

    auto find = [](const QList<QStringList> &rows, const QString &name, const QString &spec) {
        QList<QStringList> found;
        for (const QStringList &row : rows)
            if (row.value(7) == name && row.value(8) == spec)
                found.append(row);
        return found;
    };
    const QList<QStringList> cable = find(after, u"VVFケーブル"_qs, u"1.6mm-2C"_qs);
    ASSERT_EQ(cable.size(), 1);
    EXPECT_EQ(cable[0].value(1), u"1-1.照明器具設置工事");
    EXPECT_GT(cable[0].value(10).toInt(), find(before, u"VVFケーブル"_qs, u"1.6mm-2C"_qs).value(0).value(10).toInt());

    const QList<QStringList> special = find(after, u"特注照明器具"_qs, QString());
    ASSERT_EQ(special.size(), 1);
    const QStringList &s = special[0];
    EXPECT_EQ(s.mid(1, 6), (QStringList{u"3.自動火災報知設備工事"_qs, u"107"_qs, u"01"_qs, u"01"_qs, u"99"_qs, u"0051"_qs}));
    EXPECT_EQ(s.value(10), u"2");
    EXPECT_EQ(s.value(11), u"台");
    EXPECT_EQ(s.value(12), u"45000");
}

TEST(CliRegisterPick, MalformedPickIsBadUsage)
{
    QTemporaryDir dir;
    const QString entries = dir.filePath(u"entries.tsv"_qs);
    for (const char *open : {"pick:1x6:1:1", "pick:146:21:1", "pick:146:1", "pick:146:1:0"}) {
        QFile f(entries);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("open\n") + open + "\n");
        f.close();
        const PickRun r = cli({u"register"_qs, QStringLiteral(SOLVARA_PROGRAM_DATA "/sample.kas"),
                               dir.filePath(u"out.kas"_qs), entries});
        EXPECT_EQ(r.exitCode, 2) << open;
        EXPECT_TRUE(r.err.contains(u"pick:")) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(dir.filePath(u"out.kas"_qs)));
    }
}
