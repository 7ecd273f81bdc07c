#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct MaterialsRun {
    int exitCode;
    QStringList rows; // stdout lines
    QString err;
};

MaterialsRun materials(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral(SOLVARA_BIN_DIR "/solvara-cli"), QStringList{u"materials"_qs} + arguments);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
            QString::fromUtf8(p.readAllStandardError())};
}

QStringList cells(const QString &row)
{
    return row.split(u'\t');
}

} // namespace

TEST(CliMaterials, MenuButtonsAndLists)
{
    const MaterialsRun menu = materials({u"menu"_qs});
    ASSERT_EQ(menu.exitCode, 0) << menu.err.toStdString();
    ASSERT_EQ(menu.rows.size(), 20);
    EXPECT_EQ(cells(menu.rows[0]).size(), 9);
    EXPECT_EQ(cells(menu.rows[0]).mid(0, 2), (QStringList{u"キュービクル"_qs, u"101"_qs}));
    EXPECT_EQ(cells(menu.rows[0]).value(7), u"301");
    EXPECT_EQ(cells(menu.rows[19]).value(1), u" "); // no menu in that place

    // 101 leaves its first button to the default caption.
    const MaterialsRun buttons = materials({u"buttons"_qs, u"101"_qs});
    ASSERT_EQ(buttons.exitCode, 0);
    ASSERT_EQ(buttons.rows.size(), 21);
    EXPECT_EQ(cells(buttons.rows[1]), (QStringList{u"キュービクル"_qs, u"101.txt"_qs, u"1"_qs}));

    // 104 has no buttons: its numbered list.
    const MaterialsRun pas = materials({u"list"_qs, u"104"_qs});
    ASSERT_EQ(pas.exitCode, 0);
    EXPECT_EQ(cells(pas.rows[0]).size(), 19);
    EXPECT_EQ(cells(pas.rows[0]).value(7), u"単位 ");
    EXPECT_EQ(cells(pas.rows[1]).value(4), u"ＰＡＳ");

    // The heading line of a list is gone; two buttons may show one list.
    const MaterialsRun lights = materials({u"list"_qs, u"107"_qs, u"1"_qs});
    EXPECT_EQ(cells(lights.rows[1]).value(4), u"LED一体型ベースライト");
    EXPECT_EQ(materials({u"list"_qs, u"146"_qs, u"3"_qs}).rows, materials({u"list"_qs, u"146"_qs, u"2"_qs}).rows);
}

TEST(CliMaterials, MissingAndDamagedFiles)
{
    const MaterialsRun missing = materials({u"buttons"_qs, u"999"_qs});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.rows.isEmpty());
    EXPECT_TRUE(missing.err.contains(u"A999.ini")) << missing.err.toStdString();

    // A program folder whose menu index holds a code that is not a number.
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(QStringLiteral(SOLVARA_PROGRAM_DATA "/setutei.kxt"), dir.filePath(u"setutei.kxt"_qs)));
    QFile menu(dir.filePath(u"ｺｰﾄﾞ.DATA"_qs));
    ASSERT_TRUE(menu.open(QIODevice::WriteOnly));
    menu.write("a,101\r\nb,1x2\r\n");
    menu.close();
    const MaterialsRun damaged = materials({u"menu"_qs, u"--program-dir"_qs, dir.path()});
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_TRUE(damaged.err.contains(dir.filePath(u"ｺｰﾄﾞ.DATA"_qs))) << damaged.err.toStdString();
    EXPECT_TRUE(damaged.err.contains(u"1x2"));

    // No data folder beside that program folder: the button file is named.
    const MaterialsRun noFolder = materials({u"list"_qs, u"140"_qs, u"--program-dir"_qs, dir.path()});
    EXPECT_EQ(noFolder.exitCode, 1);
    EXPECT_TRUE(noFolder.err.contains(u"材料データ/A140.ini")) << noFolder.err.toStdString();

    for (const QStringList &bad : {QStringList{}, QStringList{u"list"_qs}, QStringList{u"list"_qs, u"../1"_qs},
                                   QStringList{u"list"_qs, u"140"_qs, u"0"_qs}, QStringList{u"menu"_qs, u"x"_qs}}) {
        const MaterialsRun r = materials(bad);
        EXPECT_EQ(r.exitCode, 2) << bad.join(u' ').toStdString();
        EXPECT_TRUE(r.rows.isEmpty());
    }
}
