#include "calculator/taxratefile.h"
#include "storage/conditions.h"
#include "storage/programfiles.h"
#include "storage/settingsfile.h"
#include "storagetesting.h"

#include <unistd.h>

using programfiles::Place;

TEST(ProgramFiles, WritesGoToTheUserFolderWhenTheProgramFolderCannotTakeThemOrAUserCopyExists)
{
    struct Case {
        bool userCopy;
        bool writable;
        Place expected;
    };
    const Case cases[] = {
        {false, true, Place::ProgramFolder},
        {false, false, Place::UserFolder},
        {true, true, Place::UserFolder},
        {true, false, Place::UserFolder},
    };
    for (const Case &c : cases)
        EXPECT_EQ(programfiles::writePlace(c.userCopy, c.writable), c.expected)
            << "user copy " << c.userCopy << ", writable " << c.writable;
}

TEST(ProgramFiles, TheUserCopyIsReadFirstAndRewrittenOnceItExists)
{
    UserConfigFixture user;
    StorageFixture f;
    const QString name = u"zeiritu.ini"_qs;
    EXPECT_EQ(programfiles::userFolder(), user.userFolder());
    EXPECT_EQ(programfiles::readPath(f.folder(), name), f.path(name));
    EXPECT_EQ(programfiles::writePath(f.folder(), name), f.path(name));

    ASSERT_TRUE(QDir().mkpath(user.userFolder()));
    writeFileLines(user.userFolder() + name, {u"SOL-VARA"_qs, u"10"_qs});
    EXPECT_EQ(programfiles::readPath(f.folder(), name), user.userFolder() + name);
    EXPECT_EQ(programfiles::writePath(f.folder(), name), user.userFolder() + name);
}

TEST(ProgramFiles, AProgramFolderThatCannotTakeFilesSendsWritesToACreatedUserFolder)
{
    UserConfigFixture user;
    StorageFixture f;
    const QString missing = f.folder() + u"gone/"_qs;
    EXPECT_EQ(programfiles::writePath(missing, u"setutei.kxt"_qs), user.userFolder() + u"setutei.kxt"_qs);
    EXPECT_TRUE(QFileInfo(user.userFolder()).isDir());
}

TEST(ProgramFiles, AReadOnlyProgramFolderSendsWritesToTheUserFolder)
{
    UserConfigFixture user;
    StorageFixture f;
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the root user";
    QFile::setPermissions(f.dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(programfiles::writePath(f.folder(), u"jyouken.DATA"_qs), user.userFolder() + u"jyouken.DATA"_qs);
    QFile::setPermissions(f.dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// The standard values, the standard conditions and the calculator's tax rate are saved to and
// read from the user's copy, leaving the program folder's files as shipped.
TEST(ProgramFiles, StandardValuesConditionsAndTaxRateUseTheUserCopy)
{
    UserConfigFixture user;
    StorageFixture shipped;
    shipped.doc.settings.Edit51 = u"10"_qs;
    ASSERT_TRUE(settingsfile::saveStandardValues(shipped.doc, shipped.host));
    shipped.doc.conditions.setCell(2, 1, u"工期：別途協議"_qs);
    ASSERT_TRUE(conditions::saveStandard(shipped.doc, shipped.host));
    ASSERT_TRUE(taxratefile::write(shipped.folder(), {QByteArrayLiteral("SOL-VARA"), u"10"_qs}).ok());
    const QByteArray shippedValues = fileBytes(shipped.path(u"setutei.kxt"_qs));

    // A user copy of each file makes it the one both saved and read.
    ASSERT_TRUE(QDir().mkpath(user.userFolder()));
    for (const QString &name : {u"setutei.kxt"_qs, u"jyouken.DATA"_qs, u"zeiritu.ini"_qs})
        ASSERT_TRUE(QFile::copy(shipped.path(name), user.userFolder() + name));
    shipped.doc.settings.Edit51 = u"12"_qs;
    ASSERT_TRUE(settingsfile::saveStandardValues(shipped.doc, shipped.host));
    shipped.doc.conditions.setCell(2, 1, u"工期：三か月"_qs);
    ASSERT_TRUE(conditions::saveStandard(shipped.doc, shipped.host));
    ASSERT_TRUE(taxratefile::write(shipped.folder(), {QByteArrayLiteral("SOL-VARA"), u"8"_qs}).ok());
    EXPECT_EQ(fileBytes(shipped.path(u"setutei.kxt"_qs)), shippedValues);
    EXPECT_EQ(fileLines(shipped.path(u"zeiritu.ini"_qs)).value(1), u"10"_qs);
    EXPECT_EQ(fileLines(user.userFolder() + u"setutei.kxt"_qs).value(92), u"12"_qs);

    StorageFixture next;
    next.doc.strFilePath = shipped.folder();
    ASSERT_TRUE(settingsfile::readStandardValues(next.doc, next.host));
    EXPECT_EQ(next.doc.settings.Edit51, u"12"_qs);
    ASSERT_TRUE(conditions::readStandard(next.doc, next.host));
    EXPECT_EQ(next.doc.conditions.cell(2, 1), u"工期：三か月"_qs);
    EXPECT_EQ(taxratefile::read(shipped.folder()).value().zei, u"8"_qs);
    // The completion sound is still the program folder's.
    EXPECT_EQ(shipped.host.sounds.last(), shipped.path(u"SW06.wav"_qs));
}
