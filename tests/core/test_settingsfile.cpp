#include "estimate/columns.h"
#include "estimate/settingscontrols.h"
#include "storage/settingsfile.h"
#include "storage/textfile.h"
#include "storagetesting.h"

#include <set>

namespace {

// Every settings control moved away from its default: flags switched, texts made unique (the
// rates stay numbers, so that the file can be read back).
void setDistinctValues(Settings &s)
{
    const std::map<QString, QString> numeric = {
        {u"Edit18"_qs, u"2.5"_qs}, {u"Edit19"_qs, u"7"_qs}, {u"Edit20"_qs, u"11"_qs}, {u"Edit21"_qs, u"21000"_qs}};
    for (const SettingsControl &c : settingsControls()) {
        if (c.inverted)
            continue; // RadioButton4 is RadioButton3's opposite
        const QString name = c.name.toString();
        if (c.isFlag())
            c.setFlag(s, !c.isSet(s));
        else
            c.setValue(s, numeric.count(name) ? numeric.at(name) : u"v"_qs + name);
    }
}

// Controls the settings files do not hold.
const std::set<QString> notInSettingsFiles = {
    u"Edit22"_qs, u"Edit23"_qs, u"Edit24"_qs, u"Edit25"_qs, u"Edit26"_qs, u"Edit27"_qs, u"Edit28"_qs,
    u"Edit29"_qs, u"Edit55"_qs, u"Edit59"_qs, u"Edit60"_qs, u"ComboBox35"_qs, u"TForm6.ComboBox1"_qs,
    u"TForm6.CheckBox1"_qs};

// Controls of lines 105 onwards, which only the standard-values file holds.
const std::set<QString> standardOnly = {
    u"Label56"_qs, u"Edit59"_qs, u"CheckBox22"_qs, u"ComboBox39"_qs, u"CheckBox23"_qs, u"CheckBox24"_qs,
    u"Edit61"_qs, u"Label173"_qs, u"Label174"_qs, u"Label167"_qs, u"ComboBox47"_qs, u"ComboBox48"_qs,
    u"CheckBox25"_qs, u"Edit62"_qs};

} // namespace

TEST(SettingsFile, StandardValuesRoundTripRestoreEveryStoredControl)
{
    StorageFixture saved;
    setDistinctValues(saved.doc.settings);
    saved.doc.settings.CheckBox25 = true; // stored inverted
    ASSERT_TRUE(settingsfile::saveStandardValues(saved.doc, saved.host));
    ASSERT_EQ(saved.host.messages.size(), 1);
    EXPECT_EQ(saved.host.messages[0].kind, Host::MessageKind::Information);
    EXPECT_EQ(saved.host.sounds, QStringList{saved.path(u"SW06.wav"_qs)});

    const QStringList lines = fileLines(saved.path(u"setutei.kxt"_qs));
    ASSERT_EQ(lines.size(), 119);
    EXPECT_EQ(lines[16], u"2.5"_qs);
    EXPECT_EQ(lines[76], QString());
    EXPECT_EQ(lines[105], QString());
    EXPECT_EQ(lines[117], u"0"_qs);
    EXPECT_EQ(lines[60], u"vEdit32"_qs);
    EXPECT_EQ(lines[61], u"vEdit36"_qs);

    StorageFixture read;
    QFile::copy(saved.path(u"setutei.kxt"_qs), read.path(u"setutei.kxt"_qs));
    read.doc.kidou = 1;
    read.doc.buttonsw = 2;
    ASSERT_TRUE(settingsfile::readStandardValues(read.doc, read.host));
    const Settings fresh;
    for (const SettingsControl &c : settingsControls()) {
        const QString name = c.name.toString();
        QString expected = c.value(notInSettingsFiles.count(name) ? fresh : saved.doc.settings);
        if (name == u"Edit59")
            expected = saved.doc.settings.Label56;
        EXPECT_EQ(c.value(read.doc.settings), expected) << name.toStdString();
    }
    EXPECT_TRUE(read.doc.settings.CheckBox25);
    EXPECT_EQ(read.doc.zatuzaihi, 2.5);
    EXPECT_EQ(read.doc.genbazatupiritu, 7);
    EXPECT_EQ(read.doc.syokeihiritu, 11);
    EXPECT_EQ(read.doc.roumutanka, 21000);
    EXPECT_EQ(read.doc.gengou, u"vLabel56"_qs);
    EXPECT_EQ(read.doc.strFilePath2, read.folder() + u"vEdit50/"_qs); // relative: beside the program
    EXPECT_EQ(read.doc.controls.N45.text, u"「vEdit52」の集計を表示する"_qs);
    EXPECT_EQ(read.doc.kidou, 0);
    EXPECT_EQ(read.doc.buttonsw, 0);
    EXPECT_TRUE(read.doc.controls.RadioButton5);
}

TEST(SettingsFile, SaveStandardValuesAnsweredNoWritesNothing)
{
    StorageFixture f;
    f.host.answers = {Host::No};
    EXPECT_FALSE(settingsfile::saveStandardValues(f.doc, f.host));
    EXPECT_FALSE(QFile::exists(f.path(u"setutei.kxt"_qs)));
    EXPECT_TRUE(f.host.sounds.isEmpty());
}

TEST(SettingsFile, SaveRecalculatesWithTheNewLabourPrice)
{
    StorageFixture f;
    f.doc.st1count = 1;
    f.doc.lines.setCell(linecol::Quantity, 1, u"1"_qs);
    f.doc.lines.setCell(linecol::Kind, 1, u"通常品"_qs);
    f.doc.lines.setCell(linecol::Factor, 1, u"1"_qs);
    f.doc.settings.Edit21 = u"22000"_qs;
    ASSERT_TRUE(settingsfile::saveStandardValues(f.doc, f.host));
    EXPECT_EQ(f.doc.roumutanka, 22000);
    EXPECT_EQ(f.doc.lines.cell(linecol::Labour, 1), u"22000"_qs);
}

TEST(SettingsFile, StandardValuesCutOffAfterLine90TakeTheDefaults)
{
    StorageFixture f;
    QStringList lines = settingsfile::lines(Settings{}, settingsfile::standardLineCount);
    lines.resize(91);
    writeFileLines(f.path(u"setutei.kxt"_qs), lines);
    Settings &s = f.doc.settings;
    s.Edit51 = s.Edit31 = s.Edit57 = s.Edit56 = s.Label56 = s.Edit61 = s.Edit62 = u"x"_qs;
    s.CheckBox13 = true;
    ASSERT_TRUE(settingsfile::readStandardValues(f.doc, f.host));
    EXPECT_EQ(s.Edit51, u"8"_qs);
    EXPECT_EQ(s.Edit31, u" 金"_qs);
    EXPECT_EQ(s.Edit57, u"15.5"_qs);
    EXPECT_EQ(s.Edit56, u"100"_qs);
    EXPECT_EQ(s.Label56, u"令和"_qs);
    EXPECT_EQ(s.Edit59, u"令和"_qs);
    EXPECT_EQ(s.Edit61, u"積算"_qs);
    EXPECT_EQ(s.Edit62, u"800"_qs);
    EXPECT_TRUE(s.CheckBox13);  // a missing check-box line leaves the box
    EXPECT_TRUE(s.CheckBox25);  // a missing inverted line counts as "0": set
}

TEST(SettingsFile, LineRules)
{
    struct Case {
        int line;
        const char16_t *text;
        const char16_t *control;
        const char16_t *before;
        const char16_t *after;
    } cases[] = {
        {21, u"1", u"CheckBox1", u"0", u"1"},     {21, u"0", u"CheckBox1", u"1", u"0"},
        {21, u"x", u"CheckBox1", u"1", u"1"},     {21, u"", u"CheckBox1", u"1", u"1"},
        {107, u" ", u"CheckBox22", u"1", u"0"},   {107, u"", u"CheckBox22", u"1", u"0"},
        {117, u"1", u"CheckBox25", u"1", u"0"},   {117, u"0", u"CheckBox25", u"0", u"1"},
        {117, u" ", u"CheckBox25", u"0", u"1"},   {117, u"2", u"CheckBox25", u"1", u"1"},
        {104, u"0", u"RadioButton4", u"0", u"1"}, {87, u" ", u"ComboBox42", u"10", u"1"},
        {88, u"", u"Edit52", u"x", u"労 務 費"},  {92, u" ", u"Edit51", u"x", u"8"},
        {108, u"0", u"ComboBox39", u"x", u"100"}, {111, u"0", u"Edit61", u"x", u"積算"},
        {113, u"0", u"Label174", u"x", u"15"},    {114, u"", u"Label167", u"x", u"13"},     {116, u" ", u"ComboBox48", u"x", u"14"},
        {118, u" ", u"Edit62", u"x", u"800"},     {0, u" ", u"Edit2", u"x", u" "},
    };
    for (const Case &c : cases) {
        StorageFixture f;
        const SettingsControl *control = findSettingsControl(c.control);
        ASSERT_TRUE(control);
        QStringList lines = settingsfile::lines(f.doc.settings, settingsfile::standardLineCount);
        lines[c.line] = QString::fromUtf16(c.text);
        control->setValue(f.doc.settings, QString::fromUtf16(c.before));
        settingsfile::apply(f.doc, lines, settingsfile::standardLineCount);
        EXPECT_EQ(control->value(f.doc.settings), QString::fromUtf16(c.after))
            << "line " << c.line << " '" << QString::fromUtf16(c.text).toStdString() << "'";
    }
}

TEST(SettingsFile, ARateThatIsNotANumberStopsAtItsLine)
{
    struct Case { int line; const char16_t *text; } cases[] = {
        {16, u"abc"}, {17, u"6.5"}, {18, u""}, {19, u"2万"}};
    for (const Case &c : cases) {
        StorageFixture f;
        QStringList lines = settingsfile::lines(f.doc.settings, settingsfile::standardLineCount);
        lines[c.line] = QString::fromUtf16(c.text);
        lines[15] = u"line 15"_qs;
        lines[20] = u"line 20"_qs;
        writeFileLines(f.path(u"setutei.kxt"_qs), lines);
        f.doc.kidou = 1;
        EXPECT_FALSE(settingsfile::readStandardValues(f.doc, f.host));
        ASSERT_EQ(f.host.messages.size(), 1) << c.line;
        EXPECT_EQ(f.host.messages[0].kind, Host::MessageKind::Error);
        EXPECT_TRUE(f.host.messages[0].text.contains(u"'%1'"_qs.arg(QString::fromUtf16(c.text))));
        EXPECT_EQ(f.doc.settings.Edit17, u"line 15"_qs);  // earlier lines applied
        EXPECT_NE(f.doc.settings.Edit30, u"line 20"_qs);  // later ones not
        EXPECT_EQ(f.doc.kidou, 1);
    }
}

TEST(SettingsFile, MissingStandardValuesAreReportedAndNothingApplied)
{
    StorageFixture f;
    f.doc.settings.Edit2 = u"unchanged"_qs;
    f.doc.kidou = 1;
    EXPECT_FALSE(settingsfile::readStandardValues(f.doc, f.host));
    ASSERT_EQ(f.host.messages.size(), 1);
    EXPECT_TRUE(f.host.messages[0].text.contains(u"setutei.kxt"_qs));
    EXPECT_EQ(f.doc.settings.Edit2, u"unchanged"_qs);
    EXPECT_EQ(f.doc.kidou, 1);
}

TEST(SettingsFile, DataFolderBesideTheProgramUnlessAbsolute)
{
    struct Case { const char16_t *edit50; const char16_t *beside; const char16_t *absolute; } cases[] = {
        {u"", u"材料データ/", nullptr}, {u" ", u"材料データ/", nullptr}, {u"材料データ/", u"材料データ/", nullptr},
        {u"sub/catalog", u"sub/catalog/", nullptr}, {u"/srv/材料/", nullptr, u"/srv/材料/"},
        {u"/srv/材料", nullptr, u"/srv/材料/"},
    };
    for (const Case &c : cases) {
        StorageFixture f;
        f.doc.settings.Edit50 = QString::fromUtf16(c.edit50);
        writeFileLines(f.path(u"setutei.kxt"_qs), settingsfile::lines(f.doc.settings, settingsfile::standardLineCount));
        ASSERT_TRUE(settingsfile::readStandardValues(f.doc, f.host));
        const QString expected = c.beside ? f.folder() + QString::fromUtf16(c.beside) : QString::fromUtf16(c.absolute);
        EXPECT_EQ(f.doc.strFilePath2, expected) << QString::fromUtf16(c.edit50).toStdString();
    }
}

TEST(SettingsFile, UserFileHas105LinesAndLeavesTheRestUntouched)
{
    StorageFixture saved;
    setDistinctValues(saved.doc.settings);
    saved.host.saveNames = {saved.path(u"plan"_qs)};
    ASSERT_TRUE(settingsfile::saveUserSettings(saved.doc, saved.host));
    EXPECT_EQ(saved.host.dialogFilters, QStringList{u"kxt|*.kxt"_qs});
    EXPECT_EQ(fileLines(saved.path(u"plan.kxt"_qs)).size(), 105);

    StorageFixture read;
    read.host.openNames = {saved.path(u"plan.kxt"_qs)};
    read.doc.kidou = 1;
    ASSERT_TRUE(settingsfile::readUserSettings(read.doc, read.host));
    EXPECT_EQ(read.host.dialogFilters, QStringList{u"kxt|*.kxt"_qs});
    const Settings fresh;
    for (const SettingsControl &c : settingsControls()) {
        const QString name = c.name.toString();
        const bool kept = notInSettingsFiles.count(name) || standardOnly.count(name);
        EXPECT_EQ(c.value(read.doc.settings), c.value(kept ? fresh : saved.doc.settings)) << name.toStdString();
    }
    EXPECT_EQ(read.doc.kidou, 0);
    EXPECT_EQ(read.doc.roumutanka, 21000);
}

TEST(SettingsFile, UserFileNameGetsKxtUnlessItEndsInKxt)
{
    struct Case { const char16_t *chosen, *written; } cases[] = {
        {u"plan", u"plan.kxt"}, {u"plan.kxt", u"plan.kxt"}, {u"plan.KXT", u"plan.KXT.kxt"}, {u"mykxt", u"mykxt"}};
    for (const Case &c : cases) {
        StorageFixture f;
        f.host.saveNames = {f.path(QString::fromUtf16(c.chosen))};
        ASSERT_TRUE(settingsfile::saveUserSettings(f.doc, f.host));
        EXPECT_TRUE(QFile::exists(f.path(QString::fromUtf16(c.written)))) << QString::fromUtf16(c.written).toStdString();
    }
    StorageFixture cancelled;
    EXPECT_FALSE(settingsfile::saveUserSettings(cancelled.doc, cancelled.host));
    EXPECT_TRUE(QDir(cancelled.folder()).isEmpty());
}
