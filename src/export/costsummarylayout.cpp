#include "export/costsummary.h"

#include "estimate/document.h"
#include "export/exportprogress.h"
#include "export/workbook.h"

namespace costsummary {

namespace {

using S = CellFormat;

struct Label {
    const char16_t *range;
    const char16_t *text;
    double size = 0; // 0: the sheet's default
};

// A label centred across its cells (merged when it spans several).
Range label(Worksheet &sheet, QStringView address, const QString &text, double size = 0)
{
    Range r = sheet.range(address);
    if (r.area().row1 != r.area().row2 || r.area().column1 != r.area().column2)
        r.mergeCells();
    r.setHAlign(S::HCentreAcross);
    if (size > 0)
        r.setFontSize(size);
    r.setValue(text);
    return r;
}

QString cell(const char16_t *column, int row)
{
    return QString::fromUtf16(column) + QString::number(row);
}

void pageAndColumns(Worksheet &sheet)
{
    sheet.range(u"A1:AQ59").setFontName(u"ＭＳ 明朝"_qs);
    for (int r = 1; r <= 59; ++r)
        sheet.setRowHeight(r, 19.5);
    constexpr double widths[] = {10, 4, 11, 4.5, 11, 4.5, 11, 4.5, 11, 4, 4, 10, 4, 11, 4.5, 11, 4.5, 11, 4.5, 11, 8,
                                 10, 1.5, 7.5, 4, 1, 9, 4, 1, 9, 2.5, 2.5, 9, 2.5, 2.5, 5.5, 1, 5, 3, 3, 3.5, 3, 6};
    for (int c = 0; c < int(std::size(widths)); ++c)
        sheet.setColumnWidth(c + 1, widths[c]);
    PageSetup &p = sheet.pageSetup();
    p.printArea = u"A1:AQ59"_qs;
    p.zoomOff = true;
    p.fitTall = p.fitWide = 1;
    p.landscape = true;
    p.paperSize = 1;
    p.topMargin = 45;
    p.leftMargin = 50;
    p.bottomMargin = p.rightMargin = p.headerMargin = p.footerMargin = 0;
}

void headerBlock(const EstimateDocument &doc, Worksheet &sheet)
{
    const Settings &s = doc.settings;
    sheet.range(u"A1:K1").merge().setFontSize(16).setHAlign(S::HCentreAcross).setValue(u"　見　積　原　価　集　計　表　"_qs);
    sheet.range(u"L1").setFontSize(10).setValue(u"見積No."_qs);
    label(sheet, u"M1:R1", s.Edit28);
    label(sheet, u"U1:V1", s.Label56 + s.Edit25 + u"年"_qs + s.Edit26 + u"月"_qs + s.Edit27 + u"日"_qs);
    label(sheet, u"B2:K2", s.Edit29).setHAlign(S::HJustify);
    label(sheet, u"M2:V2", s.Edit22 + s.Edit60).setHAlign(S::HJustify);
    label(sheet, u"AL1:AP1", {}).setHAlign(S::HRight);
    static const Label labels[] = {
        {u"S1:T1", u"見積作成日"}, {u"W1:X1", u"工事番号"}, {u"Y1:AG1", u""}, {u"AH1:AK1", u"延床面積or距離"},
        {u"AQ1", u"[㎡]"}, {u"A2", u"提 出 先"}, {u"L2", u"工事名称"}, {u"W2:X4", u"階数", 10}, {u"Y2:AA4", u""},
        {u"AB2:AC2", u"地　上"}, {u"AB3:AC3", u"地　下"}, {u"AB4:AC4", u"塔　屋"}, {u"AE2:AF2", u"階"},
        {u"AE3:AF3", u"階"}, {u"AE4:AF4", u"階"}, {u"AH2:AQ2", u""}, {u"AH3:AK3", u""}, {u"AH4:AK4", u""},
        {u"AL3:AM3", u"住宅戸数"}, {u"AN3:AQ3", u""}, {u"AL4:AM4", u""}, {u"AN4:AQ4", u""}, {u"A3:A4", u"工　　期"},
        {u"B3:C3", u"着　工"}, {u"D3:H3", u""}, {u"B4:C4", u"竣　工"}, {u"D4:H4", u""}, {u"I3:I4", u"実工期"},
        {u"J3:J4", u""}, {u"K3:K4", u"ヶ月"}, {u"L3:L4", u"工事場所"}, {u"M3:R4", u""}, {u"S3:T3", u"施　　主"},
        {u"U3:V3", u""}, {u"S4:T4", u"設計事務所"}, {u"U4:V4", u""}};
    for (const Label &l : labels)
        label(sheet, l.range, QString::fromUtf16(l.text), l.size);
    for (QStringView c : {u"AG2", u"AG3", u"AG4"})
        sheet.range(c).setShrink();
    sheet.range(u"AG2").setHAlign(S::HCentreAcross).setValue(u"用　　途"_qs);
    sheet.range(u"AG3").setHAlign(S::HCentreAcross).setValue(u"Ｔｒ総容量"_qs);
    sheet.range(u"AG4").setHAlign(S::HCentreAcross).setValue(u"非常用発電機"_qs);
}

void merges(Worksheet &sheet)
{
    for (int r = 5; r <= 59; ++r)
        sheet.cells(r, 10, r, 11).mergeCells();
    for (int r = 5; r <= 54; ++r)
        for (const char16_t *pair : {u"W%1:X%1", u"Y%1:Z%1", u"AB%1:AC%1", u"AE%1:AF%1"})
            sheet.range(QString::fromUtf16(pair).arg(r)).mergeCells();
    for (int r = 41; r <= 51; ++r)
        sheet.range(u"AH%1:AI%1"_qs.arg(r)).mergeCells();
    for (int r = 6; r <= 17; ++r) {
        sheet.range(u"AK%1:AL%1"_qs.arg(r)).mergeCells();
        sheet.range(u"AN%1:AO%1"_qs.arg(r)).mergeCells();
    }
    sheet.range(u"AB52:AI52").mergeCells();
    sheet.range(u"AH27:AQ27").mergeCells();
}

void columnHeadings(Worksheet &sheet)
{
    struct Heading {
        const char16_t *left, *middle, *text;
        double size;
    };
    static const Heading headings[] = {
        {u"A5", u"L5", u"品　　名", 0}, {u"B5", u"M5", u"コード", 0},
        {u"C5", u"N5", u"積算金額                  [円]", 7}, {u"D5", u"O5", u"提出掛率[％]", 6},
        {u"E5", u"P5", u"提出時金額                [円]", 7}, {u"F5", u"Q5", u"圧縮掛率[％]", 6},
        {u"G5", u"R5", u"受注時金額                [円]", 7}, {u"H5", u"S5", u"圧縮掛率[％]", 6},
        {u"I5", u"T5", u"圧縮時金額                [円]", 7}, {u"J5", u"U5", u"メーカー名", 9}};
    for (const Heading &h : headings)
        for (const char16_t *at : {h.left, h.middle}) {
            Range r = label(sheet, at, QString::fromUtf16(h.text), h.size);
            if (h.size > 0)
                r.setWrap();
            if (QStringView(at).startsWith(u"B") || QStringView(at).startsWith(u"M"))
                r.setShrink();
        }

    for (int row : {5, 28, 32, 41}) {
        auto at = [&](const char16_t *c) { return cell(c, row); };
        label(sheet, at(u"V"), u"項　　目"_qs);
        label(sheet, at(u"W"), u"積算金額                  [円]"_qs, 8).setWrap();
        label(sheet, at(u"Y"), u"提出掛率[％]"_qs, 7).setWrap();
        label(sheet, at(u"AA"), u"提出時金額                [円]"_qs, 8).setWrap();
        label(sheet, at(u"AB"), u"圧縮掛率[％]"_qs, 7).setWrap();
        label(sheet, at(u"AD"), u"受注時金額                [円]"_qs, 8).setWrap();
        if (row == 5) {
            label(sheet, at(u"AE"), u"圧縮掛率           or調整[％]"_qs, 8).setWrap();
            label(sheet, at(u"AG"), u"圧縮金額or       調整金額[円]"_qs, 8).setWrap();
        } else {
            label(sheet, at(u"AE"), u"圧縮掛率[％]"_qs, 7).setWrap();
            label(sheet, at(u"AG"), u"圧縮時金額                [円]"_qs, 8).setWrap();
        }
    }
}

void costRows(Worksheet &sheet)
{
    struct CostRow {
        const char16_t *leftName, *leftCode, *middleName, *middleCode;
    };
    static const CostRow rows[] = {
        {u"特高機器", u"111", u"盤取付材", u"159-1"}, {u"高低圧盤", u"101", u"機器取付材", u"159-4"},
        {u"分電盤", u"102", u"電極", u"148"}, {u"動力盤", u"103", u"配線器具", u"148"},
        {u"端子盤", u"108", u"電線管類", u"140-1"}, {u"高圧機器", u"104", u" 同上付属品", u"141-1"},
        {u"低圧機器", u"116", u" 同上支持材", u"159-1"}, {u"トランス", u"105", u"ＰＦ管ＣＤ管", u"140-2"},
        {u"ＳＣ・ＳＲ", u"109", u" 同上付属品", u"141-1"}, {u"発電機", u"106", u" 同上支持材", u"159-1"},
        {u"無停電電源装置", u"110", u"電線管付属品", u"141-1"}, {u"中央監視盤", u"112", u"ボックス類", u"141-2"},
        {u"照明器具Ａ", u"107-1", u"プルボックス", u"142"}, {u"照明器具Ｂ", u"107-2", u"ボックス支持材", u"159-1"},
        {u"照明器具Ｃ", u"107-3", u"フロアダクト類", u"145"}, {u"照明器具Ｄ", u"107-4", u"配線ダクト", u"143"},
        {u"照明器具Ｅ", u"107-5", u" 同上付属品", u"143"}, {u"照明器具Ｆ", u"107-6", u" 同上支持材", u"159-1"},
        {u"照明器具Ｇ", u"107-7", u"ケーブルラック", u"144"}, {u"照明器具Ｈ", u"107-8", u" 同上付属品", u"144"},
        {u"照明器具Ｉ", u"107-9", u" 同上支持材", u"159-1"}, {u"照明器具Ｊ", u"107-10", u"レースウェイ", u"143"},
        {u"照明器具Ｋ", u"107-11", u" 同上付属品", u"143"}, {u"照明器具Ｌ", u"107-12", u" 同上支持材", u"159-1"},
        {u"", u"", u"エフレックス", u"140"}, {u"", u"", u" 同上付属品", u"140"},
        {u"自火報", u"120", u" 同上支持材", u"159-1"}, {u"火災通報装置", u"120", u"ハンドホール", u"149-2"},
        {u"電話", u"125", u"屋外電路材", u"149-1"}, {u"警報設備", u"127", u"コンクリート柱", u"149-1"},
        {u"放送", u"122", u"架線材料", u"149-1"}, {u"電気時計", u"121", u"基礎", u"149-2"},
        {u"インターホン", u"123", u"電線", u"146-1"}, {u"ナースコール", u"133", u" 同上付属品", u"153-4"},
        {u"テレビ共聴", u"124", u"VVFケーブル", u"146-2"}, {u"ＩＴＶ", u"124", u" 同上付属品", u"159-4"},
        {u"表示設備", u"126", u" 同上支持材", u"159-1"}, {u"避雷針", u"128", u"ケーブル", u"146-2"},
        {u"弱電設備", u"129", u" 同上付属品", u"159-4"}, {u"搬送設備", u"130", u" 同上支持材", u"159-1"},
        {u"舞台照明", u"131", u"耐火ケーブル", u"146-3"}, {u"視聴覚設備", u"132", u" 同上付属品", u"159-4"},
        {u"", u"134", u" 同上支持材", u"159-1"}, {u"", u"135", u"弱電ケーブル", u"146-4"},
        {u"", u"136", u" 同上付属品", u"159-4"}, {u"", u"137", u" 同上支持材", u"159-1"},
        {u"", u"138", u"端末処理材", u"147"}, {u"その他装置", u"139", u"鋼材", u"150"},
        {u"", u"", u"防火区画処理材料", u"156"}, {u"", u"", u"接地材料", u"159-2"},
        {u"", u"", u"その他一般材1", u"159-4"}, {u"", u"", u"その他一般材2", u"159-4"},
        {u"", u"", u"消耗雑材料", u"159-3"}};
    for (int r = 6; r <= 58; ++r) {
        const CostRow &row = rows[r - 6];
        sheet.cells(r, 12).setFontSize(10).setShrink().setValue(QString::fromUtf16(row.middleName));
        sheet.cells(r, 13).setFontSize(r == 58 ? 8 : 9).setHAlign(S::HCentreAcross).setShrink()
            .setValue(QString::fromUtf16(row.middleCode));
        if (r == 31)
            continue; // the left block's subtotal
        sheet.cells(r, 1).setFontSize(10).setShrink().setValue(QString::fromUtf16(row.leftName));
        Range code = sheet.cells(r, 2).setFontSize(9).setShrink();
        if (r < 27 || r > 29)
            code.setHAlign(S::HCentreAcross);
        code.setValue(QString::fromUtf16(row.leftCode));
    }
    for (QStringView c : {u"A31", u"A59", u"L59"})
        sheet.range(c).setFontSize(10).setShrink().setValue(u"小　　計"_qs);
    for (QStringView c : {u"B31", u"B59", u"M59"})
        sheet.range(c).setFontSize(9).setHAlign(S::HCentreAcross).setValue(u"-"_qs);
}

void rightLabels(Worksheet &sheet)
{
    static const std::pair<int, const char16_t *> labels[] = {
        {6, u"電工費(昼間)"}, {7, u"電工費(夜間)"}, {8, u"計装工費(昼間)"}, {9, u"計装工費(夜間)"},
        {10, u"撤去処分費"}, {11, u"塗装費"}, {12, u"土工費"}, {13, u"斫り工費"}, {14, u"天井開口費"},
        {15, u"搬入据付費"}, {16, u"高所作業車費"}, {17, u"リース費"}, {18, u"搬入据付費"}, {19, u"建柱費"},
        {20, u"運搬費"}, {21, u"耐圧試験費"}, {22, u"その他"}, {27, u"小　　計"}, {29, u"施工費"},
        {30, u"施工経費"}, {31, u"小　　計"}, {33, u"申請手続費"}, {34, u"試験調整費"}, {35, u"ＣＡＤ費用"},
        {36, u"現場管理費"}, {37, u"現場雑費"}, {38, u"諸経費"}, {40, u"小　　計"}, {42, u"1.機器類"},
        {43, u"2.装置類"}, {44, u"3.一般材料"}, {45, u"4.ＪＶ工事"}, {46, u"5.設計"}, {47, u"6.雑工事"},
        {48, u"7.協力班工事"}, {49, u"8.施工労務費"}, {50, u"9.現場管理費"}, {51, u"合計(原価)"}};
    for (const auto &[row, text] : labels)
        sheet.cells(row, 22).setValue(QString::fromUtf16(text));
    sheet.range(u"V6:V9").setHAlign(S::HCentreAcross);
    for (QStringView r : {u"V6:V9", u"V14:V22", u"V33:V38", u"V41:V51"})
        sheet.range(r).setShrink();
    sheet.range(u"V52").setFontSize(7).setWrap().setHAlign(S::HCentreAcross).setValue(u"提出金額       [千円]"_qs);
    label(sheet, u"V53:V54", u"決定金額       [千円]"_qs, 7).setWrap();
}

void labourBlock(Worksheet &sheet)
{
    label(sheet, u"AH5:AQ5", u"労務費内訳"_qs);
    label(sheet, u"AH18:AQ18", u"備　　　考"_qs);
    static const std::pair<const char16_t *, const char16_t *> captions[] = {
        {u"AH6:AH11", u"電工費"}, {u"AI6:AI8", u"昼　間"}, {u"AI9:AI11", u"夜　間"},
        {u"AH12:AH17", u"計装工費"}, {u"AI12:AI14", u"昼　間"}, {u"AI15:AI17", u"夜　間"}};
    for (const auto &[range, text] : captions)
        sheet.range(range).mergeCells().setFontSize(8).setFontName(u"@ＭＳ 明朝"_qs).setOrientation(-90)
            .setHAlign(S::HCentre).setVAlign(S::VCentre).setValue(QString::fromUtf16(text));
    for (int first : {6, 9, 12, 15}) {
        const int r = first + 1;
        sheet.cells(first, 37).setFontSize(8).setWrap().setValue(u"積算時"_qs);
        sheet.cells(first, 39).setFontSize(6).setWrap().setValue(u"圧縮　［％］"_qs);
        sheet.cells(first, 40).setFontSize(8).setWrap().setValue(u"受注時"_qs);
        sheet.cells(first, 42).setFontSize(6).setWrap().setValue(u"調整　［％］"_qs);
        sheet.cells(first, 43).setFontSize(8).setWrap().setValue(u"調整後"_qs);
        sheet.cells(r, 36).setFontSize(6).setWrap().setValue(u"工数      [人工]"_qs);
        sheet.cells(r, 39).setNumberFormat(u"0%"_qs).setShrink().setValue(u"=AN%1/AK%1"_qs.arg(r));
        sheet.cells(r, 42).setNumberFormat(u"0%"_qs).setShrink().setValue(u"=AQ%1/AN%1"_qs.arg(r));
    }
}

// A ratio cell: 10 pt, centred across, shrunk, shown in percent.
void ratio(Worksheet &sheet, const QString &at, const QString &formula)
{
    sheet.range(at).setFontSize(10).setHAlign(S::HCentreAcross).setShrink().setNumberFormat(u"0%"_qs).setValue(formula);
}

// A sum cell: separator write, 10 pt, shrunk.
void sum(Worksheet &sheet, const QString &at, const QString &formula)
{
    sheet.range(at).setFontSize(10).setShrink().separatorWrite(formula);
}

void blockFormulas(Worksheet &sheet)
{
    // Ratios of an amount to the estimated amount of its row.
    auto ratios = [&](const char16_t *base, std::initializer_list<std::pair<const char16_t *, const char16_t *>> cols,
                      int row) {
        for (const auto &[at, over] : cols)
            ratio(sheet, cell(at, row),
                  u"=IF(%1%3=\"\",\"\",ROUND(%2%3/%1%3,3))"_qs.arg(QString::fromUtf16(base), QString::fromUtf16(over))
                      .arg(row));
    };
    for (int r = 6; r <= 58; ++r) {
        if (r != 31)
            ratios(u"C", {{u"D", u"E"}, {u"F", u"G"}, {u"H", u"I"}}, r);
        ratios(u"N", {{u"O", u"P"}, {u"Q", u"R"}, {u"S", u"T"}}, r);
    }
    for (int r = 10; r <= 39; ++r)
        if (r <= 26 || r == 29 || r == 30 || r >= 33)
            ratios(u"W", {{u"Y", u"AA"}, {u"AB", u"AD"}, {u"AE", u"AG"}}, r);
    const int manDays[] = {8, 11, 14, 17};
    for (int r = 6; r <= 9; ++r) {
        const int u = manDays[r - 6];
        ratio(sheet, cell(u"Y", r), u"=IF(ISBLANK(AK%1),\"\",AA%2/W%2)"_qs.arg(u).arg(r));
        ratio(sheet, cell(u"AB", r), u"=IF(ISBLANK(AN%1),\"\",AD%2/W%2)"_qs.arg(u).arg(r));
        ratio(sheet, cell(u"AE", r), u"=IF(ISBLANK(AQ%1),\"\",AG%2/W%2)"_qs.arg(u).arg(r));
    }
    sheet.range(u"AG6").separatorWrite(u"=IF(ISBLANK(AQ8),\"\",AQ7*AQ8)"_qs);

    struct Total {
        const char16_t *columns[4];
        int row, first, last;
    };
    static const Total totals[] = {
        {{u"C", u"E", u"G", u"I"}, 31, 6, 30},   {{u"C", u"E", u"G", u"I"}, 59, 32, 58},
        {{u"N", u"P", u"R", u"T"}, 59, 6, 58},   {{u"W", u"AA", u"AD", u"AG"}, 27, 6, 26},
        {{u"W", u"AA", u"AD", u"AG"}, 31, 29, 30}, {{u"W", u"AA", u"AD", u"AG"}, 40, 33, 39}};
    for (const Total &t : totals)
        for (const char16_t *c : t.columns) {
            const QString col = QString::fromUtf16(c);
            sum(sheet, cell(c, t.row), u"=SUM(%1%2:%1%3)"_qs.arg(col).arg(t.first).arg(t.last));
        }
}

void summaryRows(Worksheet &sheet)
{
    sheet.range(u"V42:AI51").setFontSize(11);
    // The source row of each summary row: its block's 積算, 提出時, 受注時 and 圧縮時 cells.
    struct Source {
        int row;
        const char16_t *cells[4];
    };
    static const Source sources[] = {
        {42, {u"C31", u"E31", u"G31", u"I31"}},     {43, {u"C59", u"E59", u"G59", u"I59"}},
        {44, {u"N59", u"P59", u"R59", u"T59"}},     {45, {}}, {46, {}}, {47, {}},
        {48, {u"W27", u"AA27", u"AD27", u"AG27"}}, {49, {u"W31", u"AA31", u"AD31", u"AG31"}},
        {50, {u"W40", u"AA40", u"AD40", u"AG40"}}};
    const char16_t *amountColumns[] = {u"W", u"AA", u"AD", u"AG"};
    for (const Source &s : sources) {
        const int r = s.row;
        QString src[4];
        for (int k = 0; k < 4; ++k)
            src[k] = s.cells[0] ? QString::fromUtf16(s.cells[k]) : cell(amountColumns[k], r);
        if (s.cells[0])
            for (int k = 0; k < 4; ++k)
                sheet.range(cell(amountColumns[k], r)).setShrink()
                    .separatorWrite(u"=IF(%1=0,\"\",round(%1/1000,0))"_qs.arg(src[k]));
        ratio(sheet, cell(u"Y", r), u"=IF(%1=0,\"\",AA%2/W%2)"_qs.arg(src[0]).arg(r));
        ratio(sheet, cell(u"AB", r), u"=IF(%1=0,\"\",AD%2/W%2)"_qs.arg(src[1]).arg(r));
        ratio(sheet, cell(u"AE", r), u"=IF(%1=0,\"\",AG%2/W%2)"_qs.arg(src[2]).arg(r));
        ratio(sheet, cell(u"AH", r), u"=IF(%1=0,\"\",AG%2/$AG$51)"_qs.arg(src[3]).arg(r));
        sheet.range(cell(u"Y", r)).setFontSize(11);
        sheet.range(cell(u"AB", r)).setFontSize(11);
        sheet.range(cell(u"AE", r)).setFontSize(11);
        sheet.range(cell(u"AH", r)).setFontSize(11);
    }
    sheet.range(u"W51").setShrink().separatorWrite(u"=SUM(W42:X50)"_qs);
    sheet.range(u"AA51").setShrink().separatorWrite(u"=SUM(AA42:AA50)"_qs);
    sheet.range(u"AD51").setShrink().separatorWrite(u"=SUM(AD42:AD50)"_qs);
    sheet.range(u"AG51").setShrink().separatorWrite(u"=SUM(AG42:AG50)"_qs);
    sheet.range(u"AH51").setShrink().setHAlign(S::HCentreAcross).setNumberFormat(u"0%"_qs).setValue(u"=SUM(AH42:AI50)"_qs);
    label(sheet, u"AH41:AI41", u"比率[％]"_qs, 7).setWrap();

    label(sheet, u"AJ41:AQ41", u"備　　　考"_qs);
    for (int r = 42; r <= 52; ++r)
        sheet.range(u"AJ%1:AQ%1"_qs.arg(r)).mergeCells().setFontSize(8).setHAlign(S::HJustify).setWrap();
}

void closingRows(Worksheet &sheet)
{
    sheet.range(u"W52").setFontSize(11).setShrink();
    label(sheet, u"Y52:Z52", u"利益率"_qs, 7);
    sheet.range(u"AA52").setFontSize(11).setNumberFormat(u"0%"_qs).setValue(u"=1-(AD51/W52)"_qs);
    label(sheet, u"Y53:Z53", u"m2単価"_qs, 7);
    sheet.range(u"AA53").setFontSize(11).separatorWrite(u"=Round(AA51*1000/AL1,1)"_qs);
    label(sheet, u"Y54:Z54", u"戸数単価"_qs, 7);
    sheet.range(u"AA54").setFontSize(11).separatorWrite(u"=AA51*1000/AN3"_qs);
    for (QStringView r : {u"AB53:AC53", u"AE53:AF53"})
        label(sheet, r, u"粗利益額 [千円]"_qs, 7).setWrap();
    for (QStringView r : {u"AB54:AC54", u"AE54:AF54"})
        label(sheet, r, u"粗利益立 [％]"_qs, 7).setWrap();
    sheet.range(u"AD53").setFontSize(11).setValue(u"=W53-AD51"_qs);
    sheet.range(u"AD54").setFontSize(11).setValue(u"=Round(IF(AD53=0,\"\",AD53/W53*100),1)"_qs);
    sheet.range(u"AG53").setFontSize(11).setValue(u"=W53-AG51"_qs);
    sheet.range(u"AG54").setFontSize(11).setValue(u"=Round(IF(AG53=0,\"\",AG53/W53*100),1)"_qs);
    label(sheet, u"AH53:AK54", u"銅ベース"_qs, 8).setWrap();
    label(sheet, u"AL53:AO53", u"積算時[万円/t]"_qs, 7).setWrap();
    label(sheet, u"AL54:AO54", u"受注時[万円/t]"_qs, 7).setWrap();

    static const std::pair<const char16_t *, const char16_t *> approvals[] = {
        {u"V55:W55", u"事業部長"}, {u"X55:Y55", u"営業部(課)長"}, {u"Z55:AC55", u""},
        {u"AD55:AE55", u"資材部(課)長"}, {u"AF55:AG55", u"工事管理部(課)長"}, {u"AH55:AK55", u"所長･ｸﾞﾙｰﾌﾟ長"},
        {u"AL55:AN55", u"工事主任"}, {u"AO55:AQ55", u"積算担当"}};
    for (const auto &[range, text] : approvals)
        label(sheet, range, QString::fromUtf16(text), 8);
    for (QStringView r : {u"V56:W59", u"X56:Y59", u"Z56:AC59", u"AD56:AE59", u"AF56:AG59", u"AH56:AK59",
                          u"AL56:AN59", u"AO56:AQ59"})
        sheet.range(r).mergeCells();
}

void borders(Worksheet &sheet)
{
    sheet.range(u"A1:AQ59").setBorder(S::Left).setBorder(S::Top);
    sheet.range(u"Y2").setBorder(S::Diagonal);
    sheet.range(u"A1:A59").setBorder(S::Left);
    sheet.range(u"AQ1:AQ59").setBorder(S::Right);
    sheet.range(u"A59:AQ59").setBorder(S::Bottom);
    for (QStringView r : {u"B2:B59", u"D5:J59", u"B3:J4", u"M2:M59", u"O5:U59", u"U1", u"U3:U4", u"Y1:Y51",
                          u"AA5:AA54", u"AB5:AG51", u"AD53:AD54", u"AG53:AG54", u"AH41:AH51", u"AJ6:AQ17",
                          u"AH53:AQ54", u"AL54:AQ54"})
        sheet.range(r).setBorderWeight(S::Left, S::Hairline);
    for (QStringView r : {u"B4", u"S4:V4", u"AD54:AG54", u"AJ42:AQ51", u"AJ7:AQ8", u"AJ10:AQ11", u"AJ13:AQ14",
                          u"AJ16:AQ17"})
        sheet.range(r).setBorderWeight(S::Top, S::Hairline);
    sheet.range(u"AH20:AQ40").removeBorder(S::Top);
    sheet.range(u"AI19:AQ40").removeBorder(S::Left);
}

} // namespace

void layout(const EstimateDocument &doc, Worksheet &sheet, ExportProgress &progress)
{
    pageAndColumns(sheet);
    merges(sheet);
    headerBlock(doc, sheet);
    progress.advance();
    columnHeadings(sheet);
    costRows(sheet);
    progress.advance();
    rightLabels(sheet);
    labourBlock(sheet);
    blockFormulas(sheet);
    progress.advance();
    summaryRows(sheet);
    closingRows(sheet);
    borders(sheet);
    progress.advance();
}

void build(const EstimateDocument &doc, Workbook &book, ExportProgress &progress)
{
    book.ensureSheets(3);
    book.sheet(1).setName(u"原価集計表"_qs);
    book.sheet(2).setName(u"Sheet2"_qs);
    book.sheet(3).setName(u"Sheet3"_qs);
    layout(doc, book.sheet(1), progress);
    fillValues(doc, book.sheet(1), progress);
}

} // namespace costsummary
