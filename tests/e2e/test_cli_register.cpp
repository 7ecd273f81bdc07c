#include "../core/itemfixture.h"

#include "storage/codepage932.h"
#include "storage/estimatefile.h"
#include "storage/textfile.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace linecol;

namespace {

struct CliRun {
    int exitCode;
    QString out;
    QString err;
};

CliRun cli(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral(SOLVARA_BIN_DIR "/solvara-cli"), arguments);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

// A small estimate: conduit in both items (the same material), a cable in the second.
struct Estimate {
    QTemporaryDir dir;
    QString path = dir.filePath(u"in.kas"_qs);
    QString out = dir.filePath(u"out.kas"_qs);
    QString entries = dir.filePath(u"entries.tsv"_qs);

    Estimate()
    {
        ItemFixture f;
        f.setItems({{1, u"電灯設備工事"}, {1, u"動力設備工事"}});
        const struct {
            int item;
            const char16_t *c, *name, *quantity, *price;
        } lines[] = {{1, u"140", u"PF管", u"10", u"58"}, {2, u"140", u"PF管", u"20", u"58"},
                     {2, u"146", u"VVFケーブル", u"100", u"142"}};
        for (const auto &l : lines) {
            f.addLine(l.item, QString::fromUtf16(l.name));
            const int r = f.doc.st1count;
            const std::pair<int, QString> cells[] = {
                {C, QString::fromUtf16(l.c)}, {O, u"01"_qs}, {D, u"01"_qs}, {E, u"01"_qs}, {Sub, u"0000"_qs},
                {Spec1, u"16"_qs}, {Quantity, QString::fromUtf16(l.quantity)}, {Unit, u"ｍ"_qs},
                {Price, QString::fromUtf16(l.price)}, {Factor, u"0.04"_qs}, {Allowance, u"100"_qs},
                {Compression, u"100"_qs}, {Submission, u"100"_qs}, {ItemRow, QString::number(l.item)}};
            for (const auto &[c, text] : cells)
                f.doc.lines.setCell(c, r, text);
        }
        for (int item = 1; item <= 2; ++item)
            for (int c = itemcol::PaintingCompression; c <= itemcol::ConsumablesSubmission; ++c)
                f.doc.items.setCell(c, item, u"100"_qs);
        f.doc.settings.Edit22 = u"テスト工事"_qs;
        EXPECT_TRUE(textfile::writeLines(path, estimatefile::records(f.doc)).ok());
    }

    void write(const QString &tsv, bool codePage932 = false)
    {
        QFile f(entries);
        f.open(QIODevice::WriteOnly);
        f.write(codePage932 ? cp932::encode(tsv).bytes : tsv.toUtf8());
    }

    CliRun registerEntries() { return cli({u"register"_qs, path, out, entries}); }

    // The saved line table as rows of cells, without the title row.
    QList<QStringList> lines() const
    {
        QList<QStringList> rows;
        const QStringList text = cli({u"lines"_qs, out}).out.split(u'\n', Qt::SkipEmptyParts);
        for (qsizetype i = 1; i < text.size(); ++i)
            rows.append(text[i].split(u'\t'));
        return rows;
    }
    QStringList named(const QString &name, const QString &item = {}) const
    {
        for (const QStringList &row : lines())
            if (row.value(Name) == name && (item.isEmpty() || row.value(Item) == item))
                return row;
        return {};
    }
};

} // namespace

TEST(CliRegister, NewLinesAreRegisteredMergedAndSaved)
{
    Estimate e;
    e.write(u"open\tEdit1\tEdit2\tEdit3\tEdit4\t品　　名\t規　　格\t数量\t単位\t単　価\t歩掛\n"
            "new:1.電灯設備工事\t108\t01\t01\t01\t埋込コンセント\t2P15A×2\t12\tケ\t680\t0.1\n"
            "new:電灯設備工事\t108\t01\t01\t01\t埋込コンセント\t2P15A×2\t3\tケ\t680\t0.1\n"_qs);
    const CliRun r = e.registerEntries();
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    const QStringList line = e.named(u"埋込コンセント"_qs);
    ASSERT_FALSE(line.isEmpty());
    EXPECT_EQ(line.value(Quantity), u"15"_qs);
    EXPECT_EQ(line.value(Price), u"680"_qs);
    EXPECT_EQ(line.value(Item), u"1.電灯設備工事"_qs);
    EXPECT_EQ(line.value(Material), u"10200"_qs);
    EXPECT_EQ(e.lines().size(), 4);
}

TEST(CliRegister, ChecksMessagesAndBeepsAreReportedByLine)
{
    Estimate e;
    e.write(u"open\t品　　名\t数量\t単　価\t歩掛\tpress\n"
            "new:2.動力設備工事\t防水コンセント\t2\t0\t0.2\t登録 登録\n"
            "new:2.動力設備工事\t露出ボックス\t0\t300\t0.1\t\n"
            "new:2.動力設備工事\t防水コンセント\t1.5\t\t0.2\t\n"
            "new:2.動力設備工事\t未登録品\t1\t100\t0.1\t\n"
            "line:2:10\t\t\t\t\tC 0 5 +/- 登録\n"_qs); // line 1 of the whole view: the line without code
    const CliRun r = e.registerEntries();
    EXPECT_EQ(r.exitCode, 1);
    const QStringList err = r.err.split(u'\n', Qt::SkipEmptyParts);
    for (const char16_t *expected :
         {u"line 2: ※単価を確認してください。", u"line 3: not registered: the window was left with the entry open",
          u"line 4: 整数に変換できません", u"line 5: (beep: refused or nothing to do)",
          u"line 5: ※品名を確認してください。"})
        EXPECT_TRUE(err.contains(QString::fromUtf16(expected))) << QString::fromUtf16(expected).toStdString()
                                                                << "\n" << r.err.toStdString();
    // The entries that passed are saved; the failed ones left nothing behind.
    EXPECT_EQ(e.named(u"防水コンセント"_qs).value(Price), u"0"_qs);
    EXPECT_EQ(e.named(u"防水コンセント"_qs).value(Quantity), u"2"_qs);
    EXPECT_TRUE(e.named(u"露出ボックス"_qs).isEmpty());
    EXPECT_EQ(e.named(u"PF管"_qs, u"1.電灯設備工事"_qs).value(Quantity), u"-0.5"_qs);
    EXPECT_EQ(e.lines().size(), 4);
}

TEST(CliRegister, RetypedPriceAndFactorCarryOverToTheSameMaterial)
{
    Estimate e;
    e.write(u"open\t単　価\t歩掛\n"
            "line:1:12\t65\t\n"
            "line:3:15\t\t0.02\n"_qs);
    const CliRun r = e.registerEntries();
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(e.named(u"PF管"_qs, u"1.電灯設備工事"_qs).value(Price), u"65"_qs);
    EXPECT_EQ(e.named(u"PF管"_qs, u"2.動力設備工事"_qs).value(Price), u"65"_qs);
    EXPECT_EQ(e.named(u"PF管"_qs, u"2.動力設備工事"_qs).value(Material), u"1300"_qs);
    EXPECT_EQ(e.named(u"VVFケーブル"_qs).value(Factor), u"0.02"_qs);
    EXPECT_EQ(e.named(u"PF管"_qs, u"1.電灯設備工事"_qs).value(Factor), u"0.04"_qs);
}

TEST(CliRegister, ItemRatesAndCodePage932Scripts)
{
    Estimate e;
    e.write(u"open\tEdit27\tCheckBox1\tpress\n"
            "rates:2:天井開口費\t85\t\t8 0 登録\n"
            "rates:1:労 務 費\t\t1\t9 5 登録\n"_qs,
            true);
    const CliRun r = e.registerEntries();
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList items = cli({u"items"_qs, e.out}).out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(items.size(), 3);
    const QStringList second = items[2].split(u'\t');
    EXPECT_EQ(second.value(itemcol::CeilingCompression), u"80"_qs);
    EXPECT_EQ(second.value(itemcol::CeilingSubmission), u"85"_qs);
    EXPECT_EQ(second.value(itemcol::LabourCompression), u"95"_qs);
    EXPECT_EQ(items[1].split(u'\t').value(itemcol::LabourCompression), u"95"_qs);
}

TEST(CliRegister, MalformedScriptsWriteNothing)
{
    struct Case {
        const char16_t *tsv;
        const char16_t *mentions;
    } cases[] = {
        {u"品　　名\t数量\nx\t1\n", u"line 1: no \"open\" column"},
        {u"open\t色\nnew:1.電灯設備工事\t赤\n", u"line 1: unknown column \"色\""},
        {u"open\nnew:1.電灯設備工事\nopen:3\n", u"line 3: unknown opening \"open:3\""},
        {u"open\nline:x\n", u"line 2: line: needs a line number"},
        {u"open\tpress\nnew:1.電灯設備工事\t登録 Enter\n", u"line 2: unknown button \"Enter\""},
        {u"open\tCheckBox1\nrates:1:塗 装 費\tyes\n", u"line 2: CheckBox1 takes 0 or 1"},
        {u"open\nnew:1.電灯設備工事\textra\n", u"line 2: 2 cells for 1 columns"},
    };
    for (const Case &c : cases) {
        Estimate e;
        e.write(QString::fromUtf16(c.tsv));
        const CliRun r = e.registerEntries();
        EXPECT_EQ(r.exitCode, 2) << QString::fromUtf16(c.tsv).toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf16(c.mentions))) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(e.out));
    }
    // An opening that cannot be done is reported, the others still run.
    Estimate e;
    e.write(u"open\t品　　名\t数量\t単　価\t歩掛\nnew:9.無い工事\tx\t1\t1\t1\nline:7\t\t\t\t\n"_qs);
    const CliRun r = e.registerEntries();
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(u"line 2: no item named \"9.無い工事\""_qs)) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(u"line 3: the whole view has no line 7"_qs)) << r.err.toStdString();
    EXPECT_TRUE(QFile::exists(e.out));
}
