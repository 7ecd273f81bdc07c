#include "estimate/columns.h"
#include "estimate/settingscontrols.h"
#include "storage/conditions.h"
#include "storage/estimatefile.h"
#include "storage/records.h"
#include "storagetesting.h"

#include <functional>
#include <map>
#include <set>

namespace {

const QString kItem1 = u"1.電灯設備工事"_qs;
const QString kItem2 = u"2.動力設備工事"_qs;

void setItem(TextGrid &items, int row, const std::map<int, QString> &cells)
{
    for (const auto &[column, text] : cells)
        items.setCell(column, row, text);
    items.setCell(itemcol::PreviousName, row, items.cell(itemcol::Name, row));
}

void addLine(EstimateDocument &doc, const std::map<int, QString> &cells)
{
    const int r = ++doc.st1count;
    for (const auto &[column, text] : cells)
        doc.lines.setCell(column, r, text);
}

// A small estimate: three items (one named "無し"), three lines in code order (a quote, a comma
// and blanks inside cells, a comment line), conditions, and settings away from their defaults.
void buildSample(EstimateDocument &doc)
{
    using namespace linecol;
    Settings &s = doc.settings;
    s.Edit2 = u"光洋電設"_qs;
    s.Edit3 = u" "_qs;
    for (int i = 4; i <= 17; ++i)
        findSettingsControl(u"Edit%1"_qs.arg(i))->setValue(s, u"t%1"_qs.arg(i));
    s.Edit22 = u"本社ビル"_qs;
    s.Edit60 = u"改修工事"_qs;
    s.CheckBox1 = true;
    s.CheckBox11 = true;
    s.Edit25 = u"7"_qs;
    s.Edit26 = u"4"_qs;
    s.Edit27 = u"1"_qs;
    s.Edit28 = u"A-12"_qs;
    s.Edit29 = u"山田商事"_qs;
    s.Edit24 = u"50000"_qs;
    s.extraName(0) = u"運搬費"_qs;
    s.extraRate(0) = u"5"_qs;
    s.extraName(2) = u"諸雑費, 他"_qs;
    s.extraAmount(2) = u"1200"_qs;
    s.CheckBox4 = true;
    doc.sonota[1] = 95.5;

    conditions::clearAll(doc);
    doc.conditions.setCell(1, 1, u" ■"_qs);
    doc.conditions.setCell(2, 1, u"工期は別途協議"_qs);
    doc.conditions.setCell(2, 2, u"材料は\"支給品\"を除く"_qs);

    s.Edit51 = u"10"_qs;
    s.Edit55 = u"0"_qs;
    s.CheckBox14 = true;
    s.Edit30.clear();
    s.Edit31 = u" 金"_qs;
    doc.seikyu5 = 1;
    s.CheckBox20 = true;
    s.Edit57 = u"15.52"_qs;
    s.Edit56.clear();
    s.Label56 = u"令和"_qs;
    s.CheckBox24 = true;
    doc.Curitu = 1.125;
    s.TForm6_ComboBox1 = u"850"_qs;

    doc.tree_count = 3;
    QStringList rates(8, u"100"_qs);
    auto item = [&](int row, const QString &name, const QString &count, const QString &code, const QString &spare) {
        std::map<int, QString> cells = {{0, u"1"_qs}, {1, name}, {5, name}, {6, count}, {7, name.mid(2)},
                                        {16, spare}, {18, code}, {19, u"1"_qs}, {20, u"式"_qs}};
        for (int c = 8; c <= 15; ++c)
            cells[c] = u"100"_qs;
        setItem(doc.items, row, cells);
    };
    item(1, kItem1, u"2"_qs, u"K001"_qs, u" "_qs);
    item(2, kItem2, u"1"_qs, u"K002"_qs, QString());
    setItem(doc.items, 3, {{0, u"1"_qs}, {1, u"3.無し"_qs}, {5, u"無し"_qs}, {7, u"無し"_qs}, {18, u"K003"_qs}});

    addLine(doc, {{No, u"1"_qs}, {Item, kItem1}, {C, u"107"_qs}, {O, u"01"_qs}, {D, u"02"_qs}, {E, u"03"_qs},
                  {Sub, u"0000"_qs}, {Name, u"LED照明器具"_qs}, {Spec1, u"\"特注\"品"_qs}, {Quantity, u"4"_qs},
                  {Unit, u"台"_qs}, {Price, u"25000"_qs}, {Category, u"照明"_qs}, {Kind, u"通常品"_qs},
                  {Factor, u"0.3"_qs}, {Allowance, u"100"_qs}, {Accessory, u"0"_qs}, {Mounting, u"0"_qs},
                  {Painting, u"0"_qs}, {Ceiling, u"0"_qs}, {Compression, u"100"_qs}, {Submission, u"80"_qs},
                  {Corrected, u"4"_qs}, {Labour, u"24000"_qs}, {AccessoryCost, u"0"_qs}, {MountingCost, u"0"_qs},
                  {PaintingCost, u"0"_qs}, {CeilingCost, u"0"_qs}, {Material, u"100000"_qs},
                  {Compressed, u"100000"_qs}, {SubmittedPrice, u"20000"_qs}, {Submitted, u"80000"_qs},
                  {ItemCode, u"K001"_qs}, {ItemRow, u"1"_qs}, {InputNo, u"2"_qs}});
    addLine(doc, {{No, u"2"_qs}, {Item, kItem1}, {C, u"146"_qs}, {O, u"10"_qs}, {D, u"01"_qs}, {E, u"01"_qs},
                  {Sub, u"0000"_qs}, {Name, u"VVF 2.0-3C"_qs}, {Spec1, u"100m,黒"_qs}, {Quantity, u"120"_qs},
                  {Unit, u"ｍ"_qs}, {Price, u"150"_qs}, {Category, u"配線"_qs}, {Kind, u"通常品"_qs},
                  {Factor, u"0.02"_qs}, {Allowance, u"110"_qs}, {Compression, u"100"_qs}, {Submission, u"60"_qs},
                  {ItemCode, u"K001"_qs}, {BaseCompression, u"100"_qs}, {BaseSubmission, u"60"_qs},
                  {CopperFactor, u"1"_qs}, {ItemRow, u"1"_qs}, {InputNo, u"1"_qs}});
    addLine(doc, {{No, u"3"_qs}, {Item, kItem2}, {C, u"302"_qs}, {O, u"00"_qs}, {D, u"00"_qs}, {E, u"00"_qs},
                  {Sub, u"0001"_qs}, {Name, u"※既設流用"_qs}, {Kind, u"注釈行"_qs}, {ItemRow, u"2"_qs},
                  {InputNo, u"3"_qs}});
}

QString commas(int n)
{
    return QString(n, u',');
}

QString repeated(const QString &text, int times)
{
    QStringList parts(times, text);
    return parts.join(u',');
}

// The sample saved as "sample.kas" in the fixture's folder; returns its path.
QString saveSample(StorageFixture &f)
{
    buildSample(f.doc);
    const QString path = f.path(u"sample.kas"_qs);
    f.host.saveNames = {path};
    EXPECT_TRUE(estimatefile::save(f.doc, f.host));
    return path;
}

// Reads `path` into a fresh document of `f`.
bool readInto(StorageFixture &f, const QString &path)
{
    f.doc.Filename = path;
    return estimatefile::read(f.doc, f.host);
}

void setField(QStringList &file, int record, int field, const QString &text)
{
    QStringList fields = records::toRow(file[record], estimatefile::fieldCount);
    fields[field] = text;
    file[record] = records::join(fields);
}

struct Mutation {
    int record;
    int field;
    const char16_t *text;
};

// The sample file with fields changed, written as "changed.kas".
QString changedSample(StorageFixture &f, const std::vector<Mutation> &mutations)
{
    EstimateDocument sample;
    buildSample(sample);
    QStringList file = estimatefile::records(sample);
    for (const Mutation &m : mutations)
        setField(file, m.record, m.field, QString::fromUtf16(m.text));
    const QString path = f.path(u"changed.kas"_qs);
    writeFileLines(path, file);
    return path;
}

} // namespace

TEST(EstimateFile, SampleRecordsAndByteForByteRoundTrip)
{
    StorageFixture f;
    const QString path = saveSample(f);
    EXPECT_EQ(f.host.dialogFilters, QStringList{u"kas|*.kas"_qs});
    EXPECT_EQ(f.host.savePresets, QStringList{u"本社ビル改修工事"_qs});
    EXPECT_EQ(f.host.sounds, QStringList{f.path(u"SW06.wav"_qs)});
    EXPECT_EQ(f.doc.settings.Edit56, u"100"_qs);
    EXPECT_EQ(f.doc.kidou, 0);

    const QByteArray bytes = fileBytes(path);
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    const QStringList rec = fileLines(path);
    ASSERT_EQ(rec.size(), 6 + 29 + 3);
    EXPECT_EQ(rec[0], u"光洋電設,\" \",t4,t5,t6,t7,t8,t9,t10,t11,t12,t13,t14,t15,t16,t17,3,6,9,20000,本社ビル,3,1,"
                      "御中,14,14,9,8,7,14,14,12,12,7,7,7,7,7,7,6,0,0,1,0,項目No.,入力No."_qs);
    EXPECT_EQ(rec[1], u"0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,7,4,1,A-12,山田商事,丸め自動,0,,50000,"
                      "運搬費,5,,,,,\"諸雑費, 他\",,1200,,,,0,1,0,0,\"労 務 費\",100,95.5,100,100"_qs);
    EXPECT_EQ(rec[2], u"\" ■\","_qs + repeated(u"\" \""_qs, 44) + u","_qs);
    EXPECT_EQ(rec[3], u"工期は別途協議,\"材料は\"\"支給品\"\"を除く\","_qs + repeated(u"\" \""_qs, 43) + u","_qs);
    EXPECT_EQ(rec[4], u"10,0,0,1,0,無し,\" 金\",0,29,0,1,0,0,1,15.52,100,0,0,1,令和,改修工事,10,0,0,1,積算,"
                      "15,15,22,9,14,1.125,850,0"_qs + commas(12));
    EXPECT_EQ(rec[5], commas(45));
    EXPECT_EQ(rec[6], u"1,1.電灯設備工事,無し,無し,無し,1.電灯設備工事,2,電灯設備工事,"_qs
                          + repeated(u"100"_qs, 8) + u",無し,1.電灯設備工事,K001,1,式"_qs + commas(25));
    EXPECT_EQ(rec[8], u"1,3.無し,"_qs + repeated(u"無し"_qs, 16) + u",K003,無し,無し"_qs + commas(25));
    EXPECT_EQ(rec[9], repeated(u"無し"_qs, 21) + commas(25));
    EXPECT_EQ(rec[35], u"1,1.電灯設備工事,107,01,02,03,0000,LED照明器具,\"\"\"特注\"\"品\",,4,台,25000,照明,通常品,"
                       "0.3,100,0,0,0,0,100,80,4,24000,0,0,0,0,100000,100000,20000,80000,,,,,,,,K001,,,,1,2"_qs);
    EXPECT_EQ(rec[36], u"2,1.電灯設備工事,146,10,01,01,0000,\"VVF 2.0-3C\",\"100m,黒\",,120,ｍ,150,配線,通常品,"
                       "0.02,110,,,,,100,60"_qs + commas(18) + u"K001,100,60,1,1,1"_qs);

    StorageFixture g;
    ASSERT_TRUE(readInto(g, path));
    const EstimateDocument &d = g.doc;
    EXPECT_EQ(d.st1count, 3);
    EXPECT_EQ(d.lines.rowCount(), 31); // the whole view's recount keeps at least 31 rows
    EXPECT_EQ(d.lines.cell(linecol::Spec1, 1), u"\"特注\"品"_qs);
    EXPECT_EQ(d.lines.cell(linecol::Spec1, 2), u"100m,黒"_qs);
    EXPECT_EQ(d.items.rowCount(), 30);
    EXPECT_EQ(d.items.cell(itemcol::Unregistered, 1), QString()); // " " was written as "無し"
    EXPECT_EQ(d.items.cell(itemcol::Name, 3), QString());         // so is a name that is "無し"
    EXPECT_EQ(d.items.cell(itemcol::PreviousName, 2), kItem2);
    EXPECT_EQ(d.tree_count, 3);
    EXPECT_EQ(d.settings.Edit3, u" "_qs);
    EXPECT_EQ(d.settings.Edit30, QString());
    EXPECT_EQ(d.settings.extraName(2), u"諸雑費, 他"_qs);
    EXPECT_EQ(d.sonota[1], 95.5);
    EXPECT_EQ(d.conditions.cell(2, 2), u"材料は\"支給品\"を除く"_qs);
    EXPECT_EQ(d.Curitu, 1.125);
    EXPECT_EQ(d.controls.Label171.text, u"1.125"_qs);
    EXPECT_EQ(d.settings.Edit62, u"850"_qs);
    EXPECT_EQ(d.settings.TForm6_ComboBox1, u"850"_qs);
    EXPECT_EQ(d.seikyu5, 1);
    EXPECT_EQ(d.koumokumei, kItem1);
    EXPECT_EQ(d.controls.Label18.text, kItem1);
    EXPECT_EQ(d.nodrow, 1);
    EXPECT_EQ(d.kidou, 0);
    EXPECT_EQ(d.memoFileName, path);
    EXPECT_EQ(d.controls.Caption, u"本社ビル改修工事 / SOL-VARAの箱"_qs);
    EXPECT_EQ(d.controls.Label72.text, u"令和7年4月1日 /  No.A-12"_qs);
    EXPECT_EQ(d.controls.N45.text, u"「労 務 費」の集計を表示する"_qs);
    EXPECT_EQ(d.controls.N43.text, u"社会保険料相当額を表示しない"_qs);
    EXPECT_EQ(d.lines.cell(linecol::BaseCompression, 0), u"基圧縮率"_qs);
    EXPECT_TRUE(g.host.messages.isEmpty());

    // Reading puts the lines in code order and recalculates them; from then on reading and saving
    // again gives the same bytes.
    g.host.saveNames = {g.path(u"again.kas"_qs)};
    ASSERT_TRUE(estimatefile::save(g.doc, g.host));
    StorageFixture h;
    ASSERT_TRUE(readInto(h, g.path(u"again.kas"_qs)));
    h.host.saveNames = {h.path(u"third.kas"_qs)};
    ASSERT_TRUE(estimatefile::save(h.doc, h.host));
    EXPECT_EQ(fileBytes(h.path(u"third.kas"_qs)), fileBytes(g.path(u"again.kas"_qs)));
}

TEST(EstimateFile, LineCellHoldingASpaceIsQuotedAndReadsBackEmpty)
{
    StorageFixture f;
    buildSample(f.doc);
    f.doc.lines.setCell(linecol::Spec2, 1, u" "_qs);
    f.host.saveNames = {f.path(u"space.kas"_qs)};
    ASSERT_TRUE(estimatefile::save(f.doc, f.host));
    EXPECT_TRUE(fileLines(f.path(u"space.kas"_qs))[35].contains(u"\"\"\"特注\"\"品\",\" \",4,"_qs));
    StorageFixture g;
    ASSERT_TRUE(readInto(g, f.path(u"space.kas"_qs)));
    EXPECT_EQ(g.doc.lines.cell(linecol::Spec2, 1), QString());
}

TEST(EstimateFile, EveryControlTheFileHoldsComesBack)
{
    StorageFixture f;
    buildSample(f.doc);
    Settings &s = f.doc.settings;
    const std::map<QString, QString> numeric = {
        {u"Edit18"_qs, u"2.5"_qs}, {u"Edit19"_qs, u"7"_qs}, {u"Edit20"_qs, u"11"_qs}, {u"Edit21"_qs, u"21000"_qs}};
    for (const SettingsControl &c : settingsControls()) {
        const QString name = c.name.toString();
        if (c.inverted)
            continue;
        if (c.isFlag())
            c.setFlag(s, !c.isSet(s));
        else
            c.setValue(s, numeric.count(name) ? numeric.at(name) : u"v"_qs + name);
    }
    f.host.saveNames = {f.path(u"all.kas"_qs)};
    ASSERT_TRUE(estimatefile::save(f.doc, f.host));

    const std::set<QString> notInFile = {
        u"Edit45"_qs, u"Edit46"_qs, u"Edit47"_qs, u"Edit48"_qs, u"Edit49"_qs, u"Edit50"_qs, u"ComboBox36"_qs,
        u"ComboBox37"_qs, u"ComboBox39"_qs, u"ComboBox41"_qs, u"CheckBox2"_qs, u"CheckBox8"_qs,
        u"CheckBox9"_qs, u"CheckBox25"_qs};
    StorageFixture g;
    ASSERT_TRUE(readInto(g, f.path(u"all.kas"_qs)));
    const Settings fresh;
    for (const SettingsControl &c : settingsControls()) {
        const QString name = c.name.toString();
        QString expected = c.value(notInFile.count(name) ? fresh : s);
        if (name == u"Edit59")
            expected = s.Label56;
        else if (name == u"Edit62")
            expected = s.TForm6_ComboBox1;
        EXPECT_EQ(c.value(g.doc.settings), expected) << name.toStdString();
    }
    EXPECT_EQ(g.doc.copperManualFlag, 1);
    EXPECT_EQ(g.doc.roumutanka, 21000);
}

TEST(EstimateFile, SavedNameGetsKasUnlessItEndsInKas)
{
    struct Case { const char16_t *chosen, *written; } cases[] = {
        {u"plan", u"plan.kas"}, {u"plan.kas", u"plan.kas"}, {u"plan.KAS", u"plan.KAS.kas"}, {u"mykas", u"mykas"}};
    for (const Case &c : cases) {
        StorageFixture f;
        buildSample(f.doc);
        f.host.saveNames = {f.path(QString::fromUtf16(c.chosen))};
        ASSERT_TRUE(estimatefile::save(f.doc, f.host));
        EXPECT_EQ(QDir(f.folder()).entryList(QDir::Files), QStringList{QString::fromUtf16(c.written)});
    }
}

TEST(EstimateFile, SaveWithoutLinesCancelledOrFailing)
{
    StorageFixture empty;
    empty.doc.kidou = 1;
    EXPECT_FALSE(estimatefile::save(empty.doc, empty.host));
    EXPECT_EQ(empty.host.beeps, 1);
    EXPECT_TRUE(empty.host.dialogFilters.isEmpty());

    StorageFixture cancelled;
    buildSample(cancelled.doc);
    cancelled.doc.kidou = 1;
    EXPECT_FALSE(estimatefile::save(cancelled.doc, cancelled.host));
    EXPECT_EQ(cancelled.doc.kidou, 1);
    EXPECT_TRUE(QDir(cancelled.folder()).isEmpty());

    StorageFixture failing;
    buildSample(failing.doc);
    failing.doc.kidou = 1;
    failing.host.saveNames = {failing.path(u"no-such-folder/plan.kas"_qs)};
    EXPECT_FALSE(estimatefile::save(failing.doc, failing.host));
    ASSERT_EQ(failing.host.messages.size(), 1);
    EXPECT_EQ(failing.host.messages[0].kind, Host::MessageKind::Error);
    EXPECT_TRUE(failing.host.messages[0].text.contains(u"plan.kas"_qs));
    EXPECT_EQ(failing.doc.kidou, 1);
    EXPECT_TRUE(failing.host.sounds.isEmpty());
}

TEST(EstimateFile, CharactersCodePage932CannotHoldAreReportedAndTheSaveGoesOn)
{
    StorageFixture f;
    buildSample(f.doc);
    f.doc.lines.setCell(linecol::Name, 3, u"注記😀"_qs);
    f.doc.kidou = 1;
    f.host.saveNames = {f.path(u"plan.kas"_qs)};
    ASSERT_TRUE(estimatefile::save(f.doc, f.host));
    ASSERT_EQ(f.host.messages.size(), 1);
    EXPECT_EQ(f.host.messages[0].kind, Host::MessageKind::Warning);
    EXPECT_TRUE(f.host.messages[0].text.contains(u"😀"_qs));
    EXPECT_EQ(f.doc.kidou, 0);
    EXPECT_TRUE(fileLines(f.path(u"plan.kas"_qs))[37].contains(u"注記?"_qs));
}

TEST(EstimateFile, ANumberFieldThatIsNotANumberStopsTheReadingThere)
{
    using Probe = std::function<bool(const EstimateDocument &)>;
    struct Case {
        std::vector<Mutation> mutations;
        const char16_t *offending;
        Probe laterUntouched;
    };
    const Probe titleNotRead = [](const EstimateDocument &d) { return d.settings.Edit22.isEmpty(); };
    const Probe secondLineNotRead = [](const EstimateDocument &d) { return d.settings.Edit60.isEmpty(); };
    const Probe noCurrentItem = [](const EstimateDocument &d) { return d.koumokumei.isEmpty(); };
    const Case cases[] = {
        {{{0, 16, u"abc"}}, u"abc", titleNotRead},
        {{{0, 17, u"6.5"}}, u"6.5", titleNotRead},
        {{{0, 19, u"2万"}}, u"2万", titleNotRead},
        {{{0, 21, u"x"}}, u"x", [](const EstimateDocument &d) { return !d.settings.CheckBox1; }},
        // Counts the file's records cannot back: more items than records, a negative count, fewer
        // item records than items in use.
        {{{0, 21, u"1000000"}}, u"1000000", [](const EstimateDocument &d) { return !d.settings.CheckBox1; }},
        {{{0, 21, u"2147483647"}}, u"2147483647", [](const EstimateDocument &d) { return !d.settings.CheckBox1; }},
        {{{0, 21, u"-2147483648"}}, u"-2147483648", [](const EstimateDocument &d) { return !d.settings.CheckBox1; }},
        {{{4, 8, u"2"}}, u"2", secondLineNotRead},
        {{{1, 42, u"abc"}}, u"abc", [](const EstimateDocument &d) { return d.conditions.cell(2, 1).isEmpty(); }},
        {{{1, 45, u"x"}}, u"x", [](const EstimateDocument &d) { return d.conditions.cell(2, 1).isEmpty(); }},
        {{{4, 8, u"x"}}, u"x", secondLineNotRead},
        {{{4, 8, u"-3"}}, u"-3", secondLineNotRead},
        {{{4, 11, u"x"}}, u"x", secondLineNotRead},
        {{{4, 31, u"x"}}, u"x", [](const EstimateDocument &d) { return d.settings.Edit62 == u"800"; }},
        {{{6, 0, u"x"}}, u"x", noCurrentItem},
        {{{7, 0, u"x"}}, u"x", noCurrentItem},
        {{{7, 0, u"2"}, {7, 6, u"0"}, {8, 6, u"x"}}, u"x", noCurrentItem},
    };
    for (const Case &c : cases) {
        StorageFixture f;
        const QString path = changedSample(f, c.mutations);
        f.doc.kidou = 1;
        f.doc.controls.Label72.text = u"before"_qs;
        const std::string where = "record " + std::to_string(c.mutations.back().record) + " field "
                                + std::to_string(c.mutations.back().field);
        EXPECT_FALSE(readInto(f, path)) << where;
        ASSERT_EQ(f.host.messages.size(), 1) << where;
        EXPECT_EQ(f.host.messages[0].kind, Host::MessageKind::Error) << where;
        EXPECT_TRUE(f.host.messages[0].text.contains(u"'%1'"_qs.arg(QString::fromUtf16(c.offending)))) << where;
        EXPECT_TRUE(c.laterUntouched(f.doc)) << where;
        EXPECT_EQ(f.doc.kidou, 1) << where;
        EXPECT_EQ(f.doc.controls.Label72.text, u"before"_qs) << where;
    }
}

TEST(EstimateFile, FieldRulesOnReading)
{
    using Check = std::function<bool(const EstimateDocument &)>;
    struct Case {
        int record;
        int field;
        const char16_t *text;
        Check check;
    };
    const Case cases[] = {
        {1, 19, u"　", [](auto &d) { return d.settings.Edit28.isEmpty(); }},
        {1, 22, u" ", [](auto &d) { return d.settings.ComboBox38 == u"0"; }},
        {1, 41, u" ", [](auto &d) { return d.settings.Edit52 == u"労 務 費"; }},
        {1, 43, u" ", [](auto &d) { return d.sonota[1] == 100; }},
        {1, 38, u"x", [](auto &d) { return !d.settings.CheckBox4; }}, // other text leaves the box
        {4, 0, u" ", [](auto &d) { return d.settings.Edit51 == u"8"; }},
        {4, 2, u"1", [](auto &d) { return d.settings.CheckBox13; }},
        {4, 3, u" ", [](auto &d) { return !d.settings.CheckBox14; }},
        {4, 5, u"無し", [](auto &d) { return d.settings.Edit30.isEmpty(); }},
        {4, 5, u" ", [](auto &d) { return d.settings.Edit30.startsWith(u"下記の通り御見積申上げます"); }},
        {4, 6, u"無し", [](auto &d) { return d.settings.Edit31.isEmpty(); }},
        {4, 6, u" ", [](auto &d) { return d.settings.Edit31 == u" 金"; }},
        {4, 8, u" ", [](auto &d) { return d.items.rowCount() == 30; }},
        // A corrupt item count takes at most the records the file has: 29 items + 3 lines.
        {4, 8, u"99999999", [](auto &d) { return d.items.rowCount() == 33 && d.st1count == 0; }},
        {6, 17, u"旧名称", [](auto &d) { return d.items.cell(itemcol::PreviousName, 1) == kItem1; }},
        {4, 10, u" ", [](auto &d) { return d.seikyu5 == 0; }},
        {4, 11, u" ", [](auto &d) { return d.verj == 0; }},
        {4, 11, u"4", [](auto &d) { return d.verj == 4 && d.controls.Caption.endsWith(u"SOL-VARAの箱"_qs + d.sverj); }},
        {4, 14, u"無し", [](auto &d) { return d.settings.Edit57 == u"0"; }},
        {4, 14, u" ", [](auto &d) { return d.settings.Edit57 == u"0"; }},
        {4, 15, u" ", [](auto &d) { return d.settings.Edit56 == u"100"; }},
        {4, 18, u"0", [](auto &d) { return !d.settings.RadioButton3; }},
        {4, 18, u" ", [](auto &d) { return !d.settings.RadioButton3; }},
        {4, 19, u"0", [](auto &d) { return d.settings.Label56 == u"平成" && d.settings.Edit59 == u"0"; }},
        {4, 19, u" ", [](auto &d) { return d.settings.Label56 == u"平成"; }},
        {4, 20, u"　", [](auto &d) { return d.settings.Edit60.isEmpty(); }},
        {4, 25, u"0", [](auto &d) { return d.settings.Edit61 == u"積算"; }},
        {4, 25, u"　", [](auto &d) { return d.settings.Edit61 == u"積算"; }},
        {4, 28, u" ", [](auto &d) { return d.settings.Label167 == u"13"; }},
        {4, 29, u"0", [](auto &d) { return d.settings.ComboBox47 == u"9"; }},
        {4, 30, u" ", [](auto &d) { return d.settings.ComboBox48 == u"14"; }},
        {4, 31, u" ", [](auto &d) { return d.Curitu == 1 && d.controls.Label171.text == u"1"; }},
        {4, 32, u" ", [](auto &d) { return d.settings.Edit62 == u" " && d.settings.TForm6_ComboBox1 == u" "; }},
        {4, 33, u"1", [](auto &d) { return d.copperManualFlag == 1 && d.settings.TForm6_CheckBox1; }},
        {4, 33, u" ", [](auto &d) { return d.copperManualFlag == 0 && !d.settings.TForm6_CheckBox1; }},
    };
    for (const Case &c : cases) {
        StorageFixture f;
        const QString path = changedSample(f, {{c.record, c.field, c.text}});
        ASSERT_TRUE(readInto(f, path)) << c.record << "/" << c.field;
        EXPECT_TRUE(c.check(f.doc)) << "record " << c.record << " field " << c.field << " '"
                                    << QString::fromUtf16(c.text).toStdString() << "'";
    }
}

TEST(EstimateFile, ARecord4CutShortLeavesItsCheckBoxesAndTakesTheDefaults)
{
    StorageFixture f;
    EstimateDocument sample;
    buildSample(sample);
    QStringList file = estimatefile::records(sample);
    file[4] = u"10,0"_qs;
    writeFileLines(f.path(u"short.kas"_qs), file);
    f.doc.settings.CheckBox14 = true;
    f.doc.seikyu5 = 1;
    ASSERT_TRUE(readInto(f, f.path(u"short.kas"_qs)));
    EXPECT_TRUE(f.doc.settings.CheckBox14); // a check box is left by empty text
    EXPECT_EQ(f.doc.seikyu5, 0);            // the tax rounding takes it as blank
    EXPECT_EQ(f.doc.items.rowCount(), 30); // n defaults to 29
    EXPECT_EQ(f.doc.Curitu, 1);
    EXPECT_EQ(f.doc.settings.Edit56, u"100"_qs);
    EXPECT_EQ(f.doc.settings.Label56, u"平成"_qs);
    EXPECT_EQ(f.doc.st1count, 3);
}

TEST(EstimateFile, TheCurrentItemAfterReading)
{
    struct Case {
        std::vector<Mutation> mutations;
        int row;
    } cases[] = {
        {{}, 1},                                   // levels 1, 1: the first item has no sub-items
        {{{7, 0, u""}}, 1},                        // second level empty
        {{{7, 0, u"0"}}, 1},
        {{{7, 0, u"2"}}, 2},                       // a sub-item: the first row from 2 with lines
        {{{7, 0, u"2"}, {7, 6, u"0"}, {8, 6, u"4"}}, 3},
        {{{6, 0, u""}}, 2},                        // an empty first level is skipped
        {{{6, 0, u"2"}, {7, 6, u""}}, 0},          // nothing qualifies: the title row
    };
    for (const Case &c : cases) {
        StorageFixture f;
        ASSERT_TRUE(readInto(f, changedSample(f, c.mutations)));
        const QString expected = c.row == 0 ? u"項目名"_qs : f.doc.items.cell(itemcol::Name, c.row);
        EXPECT_EQ(f.doc.koumokumei, expected) << c.row;
        EXPECT_EQ(f.doc.nodrow, std::max(c.row, 1));
        EXPECT_EQ(f.doc.controls.Label18.tag, std::max(c.row, 1));
    }
}

TEST(EstimateFile, TrailingBlankLinesAreNoLines)
{
    StorageFixture f;
    EstimateDocument sample;
    buildSample(sample);
    QStringList file = estimatefile::records(sample);
    file << QString() << QString();
    writeFileLines(f.path(u"blank.kas"_qs), file);
    ASSERT_TRUE(readInto(f, f.path(u"blank.kas"_qs)));
    EXPECT_EQ(f.doc.st1count, 3);
    EXPECT_EQ(f.doc.lines.rowCount(), 31);
}

TEST(EstimateFile, AnUnreadableFileLeavesTheEstimateAsItWas)
{
    StorageFixture f;
    buildSample(f.doc);
    f.doc.kidou = 1;
    EXPECT_FALSE(readInto(f, f.path(u"missing.kas"_qs)));
    ASSERT_EQ(f.host.messages.size(), 1);
    EXPECT_TRUE(f.host.messages[0].text.contains(u"missing.kas"_qs));
    EXPECT_EQ(f.doc.st1count, 3);
    EXPECT_EQ(f.doc.lines.cell(linecol::Name, 1), u"LED照明器具"_qs);
    EXPECT_EQ(f.doc.kidou, 1);
}

TEST(EstimateFile, OpenAsksBeforeDiscardingUnsavedWork)
{
    StorageFixture source;
    const QString path = saveSample(source);

    StorageFixture declined;
    declined.doc.kidou = 1;
    declined.host.answers = {Host::Cancel};
    declined.host.openNames = {path};
    EXPECT_FALSE(estimatefile::open(declined.doc, declined.host));
    ASSERT_EQ(declined.host.messages.size(), 1);
    EXPECT_EQ(declined.host.messages[0].kind, Host::MessageKind::Warning);
    EXPECT_EQ(declined.host.messages[0].text, u"作業中のデーターが消失します。開く前に保存しますか？"_qs);
    EXPECT_TRUE(declined.host.dialogFilters.isEmpty());
    EXPECT_EQ(declined.doc.st1count, 0);

    StorageFixture accepted; // "いいえ": opened without saving
    accepted.doc.kidou = 1;
    accepted.host.answers = {Host::No};
    accepted.doc.settings.CheckBox17 = true;
    accepted.host.openNames = {path};
    ASSERT_TRUE(estimatefile::open(accepted.doc, accepted.host));
    EXPECT_EQ(accepted.host.dialogFilters, QStringList{u"kas|*.kas"_qs});
    EXPECT_EQ(accepted.doc.st1count, 3);
    EXPECT_EQ(accepted.doc.Filename, path);
    EXPECT_FALSE(accepted.doc.settings.CheckBox17); // the file does not set it again
    EXPECT_EQ(accepted.doc.buttonsw, 2); // the estimate sheet is shown after opening
    EXPECT_TRUE(accepted.doc.controls.showSheet);
    EXPECT_EQ(accepted.doc.ux6, 1);
    EXPECT_EQ(accepted.doc.uy6, 1);
    EXPECT_EQ(accepted.doc.openFlag, 0);
    EXPECT_EQ(accepted.doc.kidou, 0);

    StorageFixture unchanged; // no unsaved work: no question
    unchanged.host.openNames = {path};
    ASSERT_TRUE(estimatefile::open(unchanged.doc, unchanged.host));
    EXPECT_TRUE(unchanged.host.messages.isEmpty());
}
