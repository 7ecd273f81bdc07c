#include "catalog/buttonsettings.h"

#include "base/conversionerror.h"
#include "base/numbers.h"
#include "catalog/catalogfile.h"

#include <QDir>

namespace buttonsettings {

namespace {

struct DefaultCaption {
    QStringView codes;
    QStringView caption;
};

// Menus that name their first button by their code when the settings file leaves it unused.
constexpr DefaultCaption defaultCaptions[] = {
    {u"101", u"キュービクル"}, {u"102", u"分電盤"}, {u"103", u"動力盤"}, {u"106", u"発電機"},
    {u"108", u"端子盤"}, {u"110", u"バッテリー"}, {u"111", u"特高設備"}, {u"112", u"監視盤"},
    {u"114", u"防爆機器"}, {u"115", u"電磁弁類"},
    {u"116 117 118 119 134 135 136 137 138 139", u"その他"},
    {u"121", u"電気時計"}, {u"123", u"インターホン"}, {u"125", u"電話設備"}, {u"126", u"表示設備"},
    {u"127", u"警報設備"}, {u"129", u"弱電設備"}, {u"130", u"搬送設備"}, {u"131", u"舞台照明"},
    {u"132", u"視聴覚設備"}, {u"133", u"ナースコール"}, {u"141", u"配管付属品"},
    {u"145", u"フロアダクト"}, {u"150", u"鋼材"}, {u"151", u"-防爆材料"}, {u"152", u"導圧管類"},
    {u"153", u"銅管類"}, {u"154", u"ステンレスパイプ"}, {u"155", u"バルブ継手"},
    {u"156 157", u"その他材料"}, {u"158", u"仮設材料"}, {u"301", u"労務費"}, {u"302", u"土工費"},
};

// Menus whose list without buttons is numbered "_1".
constexpr QStringView numberedLists = u"104 107 124 140 142 144 146 148 149 159";

bool listed(QStringView codes, QStringView code)
{
    if (code.size() != 3)
        return false;
    for (qsizetype i = 0; i + 3 <= codes.size(); i += 4)
        if (codes.sliced(i, 3) == code)
            return true;
    return false;
}

// A list name the data folder may hold: relative, and not leading out of the folder.
bool insideDataFolder(const QString &name)
{
    if (num::isBlank(name) || QDir::isAbsolutePath(name) || name.startsWith(u'\\') || name.contains(u':'))
        return false;
    const QStringList parts = QString(name).replace(u'\\', u'/').split(u'/');
    return !parts.contains(u".."_qs);
}

} // namespace

QString fileName(const QString &code)
{
    return u"A"_qs + code + u".ini"_qs;
}

QString dataListName(const QString &code)
{
    return code + (listed(numberedLists, code) ? u"_1.DATA"_qs : u".DATA"_qs);
}

QString defaultFirstCaption(QStringView code)
{
    for (const DefaultCaption &d : defaultCaptions)
        if (listed(d.codes, code))
            return d.caption.toString();
    return {};
}

TextGrid parse(QByteArrayView bytes)
{
    return catalogfile::toGrid(bytes, columns, 0);
}

Result<TextGrid> read(const QString &path)
{
    Result<QByteArray> bytes = catalogfile::readBytes(path);
    if (!bytes)
        return Result<TextGrid>::failure(bytes.error());
    return parse(bytes.value());
}

QStringList lines(const TextGrid &buttons)
{
    return catalogfile::records(buttons, 0);
}

bool isUsed(const TextGrid &buttons, int k)
{
    return !num::isBlank(buttons.cell(0, k));
}

void applyDefaults(TextGrid &buttons, const QString &code)
{
    if (isUsed(buttons, 1))
        return;
    const QString caption = defaultFirstCaption(code);
    if (caption.isEmpty())
        return;
    if (buttons.rowCount() < 2)
        buttons.setRowCount(2);
    buttons.setRow(1, {caption, code + u".txt"_qs, u"1"_qs});
}

Result<ListChoice> listFor(const TextGrid &buttons, int k, const QString &code, const QString &path)
{
    if (!isUsed(buttons, 1))
        return ListChoice{dataListName(code), 1};
    if (!isUsed(buttons, k))
        return Result<ListChoice>::failure(u"%1 のボタン%2 は使用されていません。"_qs.arg(path).arg(k));
    const QString &file = buttons.cell(1, k);
    if (!insideDataFolder(file))
        return Result<ListChoice>::failure(catalogfile::damaged(
            path, k + 1, u"ボタン%1 の掲載ファイル「%2」は材料データーフォルダ内のファイル名ではありません。"_qs.arg(k).arg(file)));
    const QString &top = buttons.cell(2, k);
    if (num::isBlank(top))
        return ListChoice{file, 1};
    qint64 row = 0;
    try {
        row = num::toInteger(top);
    } catch (const ConversionError &) {
        return Result<ListChoice>::failure(catalogfile::damaged(
            path, k + 1, u"ボタン%1 の表示行「%2」は整数ではありません。"_qs.arg(k).arg(top)));
    }
    return ListChoice{file, int(std::clamp<qint64>(row, 1, TextGrid::maxRows))};
}

} // namespace buttonsettings
