#pragma once

#include <QString>

// The values of the settings controls of the main window: the settings screen (rates, options,
// print texts and sizes, seal), the estimate header and the unit window's copper base. One member
// per control, named after it; the initial values are the design defaults. The widgets, the
// settings files, the estimate file and solvara-cli's --set reach them through the one table of
// names in settingscontrols.h.
struct Settings {
    // Company information printed on the cover: "会社情報－１" to "会社情報－4", "住　所", "ＴＥＬ",
    // "ＦＡＸ", "請求先", "口座名義".
    QString Edit2 = u"株式会社　光洋電設"_qs;
    QString Edit3 = u"代表 山田一郎"_qs;
    QString Edit4 = u"建設業許可"_qs;
    QString Edit5 = u"神奈川県(般-5)第12345号"_qs;
    QString Edit6 = u"〒220-0000 神奈川県横浜市西区みなと町9丁目9番9号"_qs;
    QString Edit7 = u"045-000-1234"_qs;
    QString Edit8 = u"045-000-1235"_qs;
    QString Edit9 = u"みなと中央銀行 本店営業部 普通 0001234"_qs;
    QString Edit10 = u"カ）コウヨウデンセツ"_qs;
    // Printed texts "印刷文書－１" to "印刷文書－7" (terms, validity, notes, persons in charge).
    QString Edit11 = u"工　　　　期　　御 打 合 せ に 依 る 。　　　　"_qs;
    QString Edit12 = u"支払申受条件　　　　　 　〃"_qs;
    QString Edit13 = u"見積有効期限　　１       ヶ       月"_qs;
    QString Edit14 = u"その他の条件　この見積金額には消費税相当額は含まれておりませんので、"_qs;
    QString Edit15 = u"　　　　　　　別途消費税相当額を申し受けます。　　　　 "_qs;
    QString Edit16 = u"営業担当"_qs;
    QString Edit17 = u"積算担当"_qs;
    QString Edit18 = u"3"_qs;     // "雑材消耗品率" consumables rate, %
    QString Edit19 = u"6"_qs;     // "現場雑費率" site expense rate, %
    QString Edit20 = u"9"_qs;     // "諸経費率" overhead rate, %
    QString Edit21 = u"20000"_qs; // "労務単価" labour unit price, yen per man-day
    QString Edit22;               // job title "工事名称", first line
    QString Edit23;               // site expenses as a fixed amount, yen
    QString Edit24;               // overhead as a fixed amount, yen
    QString Edit25;               // estimate date: year in the era ("元" for the first)
    QString Edit26;               // month
    QString Edit27;               // day
    QString Edit28;               // estimate number "No."
    QString Edit29;               // client "提 出 先"
    QString Edit30 = u"下記の通り御見積申上げますから何卒御注文仰付の程を御願い申上げます。"_qs; // "印刷文書－8"
    QString Edit31 = u"　金"_qs;  // amount heading "金額表題"
    // Extra expense rows 1 to 4: names, rates (%), amounts (yen).
    QString Edit32, Edit33, Edit34, Edit35;
    QString Edit36, Edit37, Edit38, Edit39;
    QString Edit40, Edit41, Edit42, Edit43;
    // Registered clients ① to ⑤ "・客先(提出先)の登録".
    QString Edit45, Edit46, Edit47, Edit48, Edit49;
    QString Edit50;                  // material data folder, ending with a path separator
    QString Edit51 = u"8"_qs;        // "消費税率" consumption tax rate, %
    QString Edit52 = u"労 務 費"_qs; // "労務名称" name of labour rows and lines
    QString Edit55;                  // hidden invoice-amount box
    QString Edit56 = u"100"_qs;      // "・客先へのＮＥＴ提示率を設定" NET rate, %
    QString Edit57 = u"15.52"_qs;    // social-insurance equivalent rate, %
    QString Edit59 = u"令和"_qs;     // era name to register ("元号の変更")
    QString Edit60;                  // job title, second line
    QString Edit61 = u"積算"_qs;     // seal name "印鑑名"
    QString Edit62 = u"800"_qs;      // "設定銅ベース" copper base

    QString ComboBox1 = u"御中"_qs; // honorific after the client name
    // Print font sizes of the company information (Edit2 to Edit10).
    QString ComboBox2 = u"14"_qs, ComboBox3 = u"14"_qs, ComboBox4 = u"9"_qs, ComboBox5 = u"8"_qs,
            ComboBox6 = u"7"_qs, ComboBox7 = u"14"_qs, ComboBox8 = u"14"_qs, ComboBox9 = u"12"_qs,
            ComboBox10 = u"12"_qs;
    // Print font sizes of "印刷文書－１" to "－4", "－6", "－7", "－8".
    QString ComboBox11 = u"7"_qs, ComboBox12 = u"7"_qs, ComboBox13 = u"7"_qs, ComboBox14 = u"7"_qs,
            ComboBox15 = u"7"_qs, ComboBox16 = u"7"_qs, ComboBox17 = u"6"_qs;
    QString ComboBox18 = u"0"_qs; // print position adjustment of the cover title
    // Print position adjustments of the company information and of the printed texts.
    QString ComboBox19 = u"0"_qs, ComboBox20 = u"0"_qs, ComboBox21 = u"0"_qs, ComboBox22 = u"0"_qs,
            ComboBox23 = u"0"_qs, ComboBox24 = u"0"_qs, ComboBox25 = u"0"_qs, ComboBox26 = u"0"_qs,
            ComboBox27 = u"0"_qs;
    QString ComboBox28 = u"0"_qs, ComboBox29 = u"0"_qs, ComboBox30 = u"0"_qs, ComboBox31 = u"0"_qs,
            ComboBox32 = u"0"_qs, ComboBox33 = u"0"_qs, ComboBox34 = u"0"_qs;
    QString ComboBox35 = u"丸め自動"_qs; // rounding mode of the grand total
    QString ComboBox36 = u"24"_qs;       // "・登録画面のセル高さ"
    QString ComboBox37 = u"24"_qs;       // "・見積画面のセル高さ"
    QString ComboBox38 = u"0"_qs;        // size adjustment of the breakdown texts, -3 to 3
    QString ComboBox39 = u"100"_qs;      // display zoom, only stored
    QString ComboBox41 = u"24"_qs;       // "・材料選択画面のセル高さ"
    QString ComboBox42 = u"10"_qs;       // A-material rounding unit "・Ａ材を" … "の位で丸め調整する"
    QString ComboBox47 = u"9"_qs;        // seal character size
    QString ComboBox48 = u"14"_qs;       // print size of the client name

    bool CheckBox1 = false;  // "・施工区分毎に材料表示"
    bool CheckBox2 = false;  // "・起動時に画面幅で表示"
    bool CheckBox3 = false;  // "・現場雑費を表示しない"
    bool CheckBox4 = false;  // "・諸経費を表示しない"
    bool CheckBox5 = false;  // "・内訳に上位階層も表示させる" (never shown)
    bool CheckBox6 = false;  // "・項目毎に印刷ページを分ける"
    bool CheckBox7 = false;  // "・数量を小数点まで表示して計算する"
    bool CheckBox8 = false;  // "・複合単価で計算させる"
    bool CheckBox9 = false;  // "・会社名を見積書下部へ印刷させる"
    bool CheckBox10 = false; // "・労務費を自動丸めしない"
    bool CheckBox11 = false; // "・塗装費を自動丸めしない"
    bool CheckBox12 = false; // "・天井開口費を自動丸めしない"
    bool CheckBox13 = false; // "・諸経費を自動丸めとする"
    bool CheckBox14 = false; // "・消費税を表示させる。"
    bool CheckBox16 = false; // "・見積表示の時に項目選択したら" … "項目別表示へ移動する"
    bool CheckBox17 = false; // "・材料と労務経費を分けて表示させる。"
    bool CheckBox18 = false; // "・労務費以外は御支給品で表示する"
    bool CheckBox19 = false; // "・担当の予備枠は表示させない"
    bool CheckBox20 = false; // "・社会保険料相当額を表示させる"
    bool CheckBox21 = false; // "・会社名・住所・電話番号は印刷しない"
    bool CheckBox22 = false; // "・材料の小計を表示させる"
    bool CheckBox23 = false; // "・品名や規格を折り返し印刷させない"
    bool CheckBox24 = false; // "印刷時に印鑑を印刷する。"
    bool CheckBox25 = false; // "・圧縮金額を表示させる"
    // "項目へ表示する" selected; RadioButton4 "含む事を表記だけする" is its opposite.
    bool RadioButton3 = true;

    QString Label56 = u"元号"_qs; // era label shown before the year
    QString Label167 = u"22"_qs;  // seal character spacing
    QString Label173 = u"15"_qs;  // seal circle height
    QString Label174 = u"15"_qs;  // seal circle width

    // Unit window: the simple copper-base list and "銅ベースの値を繁栄させずに手動で調整する".
    QString TForm6_ComboBox1 = u"800"_qs;
    bool TForm6_CheckBox1 = false;

    // The four extra expense rows: name, rate and amount fields.
    QString &extraName(int i);
    QString &extraRate(int i);
    QString &extraAmount(int i);
    const QString &extraName(int i) const;
    const QString &extraRate(int i) const;
    const QString &extraAmount(int i) const;
};
