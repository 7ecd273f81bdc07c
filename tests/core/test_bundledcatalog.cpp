#include "catalogfixture.h"

#include "base/numbers.h"
#include "catalog/buttonsettings.h"
#include "catalog/catalogmenu.h"
#include "catalog/catalogpick.h"
#include "catalog/menuindex.h"

#include <QDir>

namespace {

// The catalog that ships in data/, read through the program folder as the program reads it.
struct BundledCatalog {
    EstimateDocument doc;
    ScriptedHost host;
    BundledCatalog()
    {
        doc.strFilePath = QStringLiteral(SOLVARA_PROGRAM_DATA "/");
        doc.strFilePath2 = doc.strFilePath + u"材料データ/"_qs;
        doc.nodrow = 1;
        doc.items.setRowCount(2);
    }
    QStringList codes() const
    {
        QStringList out;
        const TextGrid &menu = doc.catalog.menu;
        for (int r = 0; r < menu.rowCount(); ++r)
            for (int c = 1; c < 8; c += 2)
                if (!num::isBlank(menu.cell(c, r)))
                    out.append(menu.cell(c, r));
        return out;
    }
};

} // namespace

// Every menu opens, every button shows its list without a message, every material can be picked,
// and the lists hold materials of their own menu.
TEST(BundledCatalog, EveryListOpensAndEveryMaterialCanBePicked)
{
    BundledCatalog b;
    ASSERT_TRUE(catalogmenu::loadMenu(b.doc, b.host));
    const QStringList codes = b.codes();
    for (const char16_t *required : {u"101", u"102", u"103", u"104", u"105", u"107", u"120", u"140", u"142",
                                     u"146", u"301", u"302"})
        EXPECT_TRUE(codes.contains(QString::fromUtf16(required))) << QString::fromUtf16(required).toStdString();

    QSet<QString> seen;
    int materials = 0;
    int unregistered = 0;
    for (const QString &code : codes) {
        ASSERT_TRUE(catalogmenu::readButtons(b.doc, b.host, code)) << code.toStdString();
        for (int k = 1; k <= 20; ++k) {
            if (!b.doc.catalog.controls.materialButtons[size_t(k - 1)].enabled && k > 1)
                continue;
            ASSERT_TRUE(catalogmenu::loadList(b.doc, b.host, k)) << code.toStdString() << " " << k;
            const TextGrid &list = b.doc.catalog.list;
            if (seen.contains(b.doc.catalog.Filename))
                continue;
            seen.insert(b.doc.catalog.Filename);
            for (int r = 1; r < list.rowCount(); ++r) {
                EXPECT_EQ(list.cell(0, r), code) << b.doc.catalog.Filename.toStdString() << " row " << r;
                b.doc.catalog.row = r;
                b.doc.catalog.ny3 = r;
                const std::optional<catalogpick::EntryOpening> o = catalogpick::pick(b.doc, b.host);
                ASSERT_TRUE(o) << b.doc.catalog.Filename.toStdString() << " row " << r;
                for (int c : {10, 11, 12, 13, 14, 15, 16}) {
                    if (!num::isBlank(list.cell(c, r))) {
                        EXPECT_TRUE(num::isNumber(list.cell(c, r))) << b.doc.catalog.Filename.toStdString() << " " << r;
                    }
                }
                ++materials;
                unregistered += list.cell(4, r) == u"未登録品";
            }
        }
    }
    EXPECT_TRUE(b.host.messages.isEmpty()) << b.host.messageTexts().join(u'\n').toStdString();
    EXPECT_GT(materials, 400);
    EXPECT_GE(unregistered, 4);
}

// The files are in the program's own form: read and written back they stay the same bytes (a
// list whose first line is a heading loses that line, as the program saves it).
TEST(BundledCatalog, FilesAreInTheProgramsOwnForm)
{
    const QString folder = QStringLiteral(SOLVARA_PROGRAM_DATA "/材料データ/");
    const QStringList names = QDir(folder).entryList(QDir::Files);
    ASSERT_GT(names.size(), 100);
    int headings = 0;
    for (const QString &name : names) {
        const QByteArray bytes = fileBytes(folder + name);
        QStringList written;
        if (name.endsWith(u".ini")) {
            written = buttonsettings::lines(buttonsettings::parse(bytes));
            EXPECT_EQ(written.size(), 21) << name.toStdString();
        } else {
            const TextGrid list = materiallist::parse(bytes);
            written = materiallist::lines(list);
            if (list.rowCount() - 1 < int(textfile::splitLines(textfile::decode(bytes)).size())) {
                ++headings;
                continue;
            }
        }
        EXPECT_EQ(textfile::encodeLines(written).bytes, bytes) << name.toStdString();
    }
    EXPECT_GE(headings, 2);
    const QByteArray menu = fileBytes(QStringLiteral(SOLVARA_PROGRAM_DATA "/ｺｰﾄﾞ.DATA"));
    Result<TextGrid> m = menuindex::parse(menu, u"ｺｰﾄﾞ.DATA"_qs);
    ASSERT_TRUE(m.ok());
    EXPECT_EQ(textfile::encodeLines(menuindex::lines(m.value())).bytes, menu);
}
