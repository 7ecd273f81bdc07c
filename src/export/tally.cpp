#include "export/tally.h"

#include "base/numbers.h"
#include "estimate/document.h"

#include <algorithm>

namespace tally {

namespace {

enum Col { Mark = 0, Number = 1, Taken = 2, Name = 3, Code1 = 4, Code2, Code3, Code4, Key3 = 8, Key4 = 9,
           Estimated = 10, EstimatedTotal = 11, Compressed = 12, CompressedTotal = 13, Submitted = 14,
           SubmittedTotal = 15 };

const QString removedKey = u"9999999"_qs;

QString caption(const TextGrid &menu, int column, int row)
{
    return menu.cell(column, row);
}

// Appends a tally row (the grid keeps one empty row after the last).
int appendRow(TextGrid &t)
{
    const int row = t.rowCount() - 1;
    t.setRowCount(t.rowCount() + 1);
    return row;
}

void setCodes(TextGrid &t, int row, const QString &c1, const QString &c2, const QString &c3, const QString &c4)
{
    t.setCell(Code1, row, c1);
    t.setCell(Code2, row, c2);
    t.setCell(Code3, row, c3);
    t.setCell(Code4, row, c4);
    t.setCell(Key3, row, c1 + c2 + c3);
    t.setCell(Key4, row, c1 + c2 + c3 + c4);
}

void writeTitles(TextGrid &t)
{
    static const char16_t *const titles[] = {u"種別", u"種別数", u"機器名称", u"品名", u"code1", u"code2",
                                             u"code3", u"code4"};
    for (int c = 0; c < 8; ++c)
        t.setCell(c, 0, QString::fromUtf16(titles[c]));
    t.setCell(Estimated, 0, u"積算金額"_qs);
    t.setCell(Compressed, 0, u"圧縮金額"_qs);
    t.setCell(Submitted, 0, u"提出金額"_qs);
}

void writeCounts(EstimateDocument &doc)
{
    TextGrid &t = doc.tally;
    t.setCell(17, 0, u"機器:"_qs + QString::number(doc.a1));
    t.setCell(18, 0, u"装置:"_qs + QString::number(doc.a2));
    t.setCell(19, 0, u"Ｂ材:"_qs + QString::number(doc.b1));
    t.setCell(20, 0, u"労務:"_qs + QString::number(doc.c1));
    doc.c = {doc.a1 <= 31, doc.a2 <= 21, doc.b1 <= 53, doc.c1 <= 17, doc.d1 <= 3,
             doc.e1 <= 1,  doc.f1 <= 1,  doc.g1 <= 1,  doc.h1 <= 1};
}

void countClass(EstimateDocument &doc, qint64 f)
{
    if (f < 120)
        ++doc.a1;
    else if (f <= 139)
        ++doc.a2;
    else if (f <= 159)
        ++doc.b1;
    else if (f >= 300 && f <= 399)
        ++doc.c1;
    else if (f == 400)
        ++doc.d1;
    else if (f == 500)
        ++doc.h1;
    else if (f == 601)
        ++doc.e1;
    else if (f == 602)
        ++doc.f1;
    else if (f == 603)
        ++doc.g1;
}

// Walks the tally rows by first code: counts the classes and, unless only counting, numbers the
// rows within each first code, marks their class and names them.
void classify(EstimateDocument &doc, const TextGrid *menu, bool countOnly)
{
    doc.a1 = doc.a2 = doc.b1 = doc.c1 = doc.d1 = doc.e1 = doc.f1 = doc.g1 = doc.h1 = 0;
    TextGrid &t = doc.tally;
    qint64 p = 0;
    int k = 0;
    for (int row = 1; row < t.rowCount(); ++row) {
        const QString &code1 = t.cell(Code1, row);
        if (num::isBlank(code1))
            continue;
        const qint64 f = num::toInteger(code1);
        countClass(doc, f);
        if (countOnly)
            continue;
        k = f == p ? k + 1 : 1;
        t.setCell(Number, row, k < 10 ? u"0"_qs + QString::number(k) : QString::number(k));
        if (f < 120)
            t.setCell(Mark, row, u"A1"_qs);
        else if (f <= 139)
            t.setCell(Mark, row, u"A2"_qs);
        else if (f <= 159)
            t.setCell(Mark, row, u"B"_qs);
        else if (f <= 399)
            t.setCell(Mark, row, u"C"_qs);
        p = f;
        if (f > 700)
            t.clearRow(row);
        const QString name = className(int(f), t.cell(Taken, row), t.cell(Code1, row), t.cell(Code2, row),
                                       t.cell(Code3, row), t.cell(Code4, row), *menu,
                                       doc.settings.Edit52);
        if (!name.isNull())
            t.setCell(Name, row, name);
    }
}

// Sorts rows [1, last] by a key made from their cells.
template<typename Key>
void sortRows(TextGrid &t, int last, Key key)
{
    std::vector<int> order;
    std::vector<QString> keys(size_t(last + 1));
    for (int r = 1; r <= last; ++r) {
        order.push_back(r);
        keys[size_t(r)] = key(r);
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[size_t(a)] < keys[size_t(b)]; });
    t.permuteRows(1, order);
}

} // namespace

QString className(int f, const QString &name, const QString &code1, const QString &code2, const QString &code3,
                  const QString &code4, const TextGrid &menu, const QString &labourName)
{
    const QString two = code1 + code2;
    const QString three = two + code3;
    const QString four = three + code4;
    auto byTable = [&](std::initializer_list<std::pair<const char16_t *, const char16_t *>> table,
                       const QString &key, const QString &otherwise) {
        for (const auto &[k, v] : table)
            if (key == k)
                return QString::fromUtf16(v);
        return otherwise;
    };
    switch (f) {
    case 101:
        return name == u"キュービクル" ? name : caption(menu, 0, 0);
    case 102:
        if (four == u"102010111")
            return u"各 戸 盤"_qs;
        if (four == u"102010112")
            return u"ホーム分電盤"_qs;
        return caption(menu, 0, 1);
    case 104:
        return name == u"高圧気中開閉器" ? name : caption(menu, 0, 3);
    case 107:
        return byTable({{u"10701", u"照明器具1"}, {u"10702", u"照明器具2"}, {u"10703", u"照明器具3"},
                        {u"10704", u"照明器具4"}, {u"10705", u"照明器具5"}, {u"10706", u"照明器具6"},
                        {u"10707", u"非常照明"}, {u"10708", u"誘導灯"}, {u"10710", u"換気扇"}},
                       two, u"照明器具"_qs);
    case 109:
        return u"ｺﾝﾃﾞﾝｻｰ,ﾘｱｸﾄﾙ"_qs;
    case 140:
    case 144:
    case 148:
    case 149:
    case 301:
        return name;
    case 142:
        return two == u"14201" ? u"ボックス類"_qs : u"プルボックス"_qs;
    case 143:
        return two == u"14302" ? u"ﾚｰｽｳｪｲ"_qs : caption(menu, 4, 3);
    case 146:
        if (three == u"1461207")
            return u"電話ｹｰﾌﾞﾙ"_qs;
        return byTable({{u"14601", u"電線"}, {u"14602", u"VVFｹｰﾌﾞﾙ"}, {u"14603", u"CV・CVT"},
                        {u"14604", u"CVVｹｰﾌﾞﾙ"}, {u"14605", u"高圧ｹｰﾌﾞﾙ"}, {u"14606", u"VCTｹｰﾌﾞﾙ"},
                        {u"14607", u"耐火ｹｰﾌﾞﾙ"}, {u"14609", u"AEｹｰﾌﾞﾙ"}, {u"14610", u"耐熱ｹｰﾌﾞﾙ"},
                        {u"14611", u"同軸ｹｰﾌﾞﾙ"}, {u"14612", u"光・LANｹｰﾌﾞﾙ"}, {u"14613", u"計装用ｹｰﾌﾞﾙ"},
                        {u"14615", u"ﾏｲｸｹｰﾌﾞﾙ"}},
                       two, u"弱電ｹｰﾌﾞﾙ"_qs);
    case 147:
        return u"端末処理材"_qs;
    case 159:
        return byTable({{u"同上付属品", u"付 属 品"}, {u"同上支持材", u"支 持 材"}, {u"雑材消耗品費", u"雑材消耗品"}},
                       name, caption(menu, 4, 19));
    case 200:
    case 201:
    case 210:
    case 211:
        return labourName;
    case 302:
        return u"土工費"_qs;
    default:
        break;
    }
    if (f == 103 || f == 105 || f == 106 || f == 108 || (f >= 110 && f <= 119))
        return caption(menu, 0, f - 101);
    if (f >= 120 && f <= 139)
        return caption(menu, 2, f - 120);
    if (f == 141 || f == 145 || (f >= 150 && f <= 158))
        return caption(menu, 4, f - 140);
    return QString(); // no class name: the row keeps its name
}

void Button137Click(EstimateDocument &doc, const TextGrid &menu)
{
    TextGrid &t = doc.tally;
    t.setRowCount(0);
    t.setRowCount(2);
    const Settings &s = doc.settings;
    const TextGrid &sheet = doc.sheet;

    struct Named {
        QString name;
        const char16_t *mark;
        const char16_t *codes[4];
    };
    const Named named[] = {
        {s.Edit32, u"", {u"500", u"01", u"01", u"01"}},        {s.Edit33, u"", {u"500", u"02", u"01", u"01"}},
        {s.Edit34, u"", {u"500", u"03", u"01", u"01"}},        {s.Edit35, u"", {u"500", u"04", u"01", u"01"}},
        {u"現場雑費"_qs, u"d1", {u"601", u"99", u"01", u"01"}}, {u"諸経費"_qs, u"d2", {u"602", u"99", u"01", u"01"}},
        {u"社会保険料相当額"_qs, u"d2", {u"603", u"99", u"01", u"01"}}};

    for (int i = 1; i < sheet.rowCount(); ++i) {
        const QString &name = sheet.cell(7, i);
        const bool c2 = !sheet.cell(2, i).isEmpty();
        const bool c3 = !sheet.cell(3, i).isEmpty();
        if (!c2 && !c3) {
            for (const Named &n : named) {
                if (n.name.isEmpty() || name != n.name)
                    continue;
                const int row = appendRow(t);
                t.setCell(Mark, row, QString::fromUtf16(n.mark));
                t.setCell(Taken, row, name);
                t.setCell(Name, row, name);
                setCodes(t, row, QString::fromUtf16(n.codes[0]), QString::fromUtf16(n.codes[1]),
                         QString::fromUtf16(n.codes[2]), QString::fromUtf16(n.codes[3]));
                t.setCell(Estimated, row, sheet.cell(20, i));
                t.setCell(Submitted, row, sheet.cell(20, i));
                t.setCell(Compressed, row, sheet.cell(17, i));
            }
        } else if (c2 && c3) {
            auto part = [&](int column, const char16_t *fallback) {
                const QString &v = sheet.cell(column, i);
                return v.isEmpty() ? QString::fromUtf16(fallback) : v;
            };
            QString code1 = part(2, u"999");
            if (name == s.Edit52)
                code1 = u"200"_qs;
            const qint64 quantity = sheet.cell(11, i).isEmpty() ? 0 : num::toInteger(sheet.cell(11, i));
            const qint64 price = sheet.cell(14, i).isEmpty() ? 0 : num::toInteger(sheet.cell(14, i));
            const int row = appendRow(t);
            t.setCell(Taken, row, name);
            t.setCell(Name, row, name);
            setCodes(t, row, code1, part(3, u"99"), part(4, u"01"), part(5, u"01"));
            t.setCell(Estimated, row, QString::number(quantity * price));
            t.setCell(Submitted, row, sheet.cell(20, i));
            t.setCell(Compressed, row, sheet.cell(17, i));
            // Derived rows have no unit price: they carry their compressed amount.
            if (t.cell(Estimated, row) == u"0" && t.cell(Compressed, row) != u"0")
                t.setCell(Estimated, row, t.cell(Compressed, row));
        }
    }

    const int last = t.rowCount() - 2;
    for (int r = 1; r <= last; ++r)
        if (t.cell(Code1, r).isEmpty() && t.cell(Code2, r).isEmpty())
            setCodes(t, r, u"999"_qs, u"99"_qs, u"99"_qs, u"99"_qs);
    sortRows(t, last, [&](int r) {
        return t.cell(Code1, r) + t.cell(Code2, r) + t.cell(Code3, r) + t.cell(Code4, r);
    });
    classify(doc, &menu, false);
    writeTitles(t);
    writeCounts(doc);
}

void Button142Click(EstimateDocument &doc)
{
    TextGrid &t = doc.tally;
    const int rows = t.rowCount();
    auto amount = [&](int column, int row) { return num::toNumberOr(t.cell(column, row), 0); };

    // Rows are grouped by their key; the first row of a group takes the sums of the others.
    QHash<QString, int> first;
    for (int i = 1; i < rows; ++i) {
        const QString key = t.cell(Name, i) + t.cell(Code1, i) + t.cell(Code2, i);
        const bool merges = !key.isEmpty() && t.cell(Key3, i) != removedKey;
        for (int c : {Mark, Number, Taken, Code2, Code3, Code4})
            t.setCell(c, i, QString());
        if (!merges)
            continue;
        const auto it = first.constFind(key);
        if (it == first.constEnd()) {
            first.insert(key, i);
            continue;
        }
        const int target = *it;
        for (int c : {Estimated, Compressed, Submitted})
            t.setCell(c, target, num::shortest(amount(c, target) + amount(c, i)));
        t.clearRow(i);
        t.setCell(Key3, i, removedKey);
    }
    sortRows(t, rows - 2, [&](int r) { return t.cell(Key3, r); });
    for (int r = 1; r < t.rowCount(); ++r)
        if (t.cell(Key3, r) == removedKey) {
            t.setRowCount(r);
            break;
        }
    num::Real totals[3] = {};
    for (int r = 1; r < t.rowCount(); ++r) {
        totals[0] += amount(Estimated, r);
        totals[1] += amount(Compressed, r);
        totals[2] += amount(Submitted, r);
    }
    t.setCell(EstimatedTotal, 0, num::shortest(totals[0]));
    t.setCell(CompressedTotal, 0, num::shortest(totals[1]));
    t.setCell(SubmittedTotal, 0, num::shortest(totals[2]));
    classify(doc, nullptr, true);
    writeTitles(t);
    writeCounts(doc);
}

} // namespace tally
