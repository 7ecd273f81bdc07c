#include "output/settingsprinttab.h"

#include "widgets/controlfactory.h"
#include "widgets/fieldevents.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QStringList numbers(int from, int to, int step)
{
    QStringList list;
    for (int v = from; step > 0 ? v <= to : v >= to; v += step)
        list.append(QString::number(v));
    return list;
}

// Sizes of most texts: 18 down to 8 and an empty entry (the text is then not printed).
const QStringList sizes = {u"18"_qs, u"16"_qs, u"14"_qs, u"12"_qs, u"10"_qs, u"9"_qs, u"8"_qs, QString()};

QStringList adjustments()
{
    return QStringList{u"-20"_qs} + numbers(-10, 20, 1) + numbers(25, 50, 5);
}

struct TextRow {
    const char16_t *caption;
    const char16_t *edit;
    const char16_t *size;       // nullptr: shares the size of the row above
    const char16_t *adjustment; // likewise
    QStringList sizeItems;
};

const TextRow textRows[] = {
    {u"会社情報－１", u"Edit2", u"ComboBox2", u"ComboBox19", sizes},
    {u"会社情報－2", u"Edit3", u"ComboBox3", u"ComboBox20", sizes},
    {u"会社情報－3", u"Edit4", u"ComboBox4", u"ComboBox21", sizes},
    {u"会社情報－4", u"Edit5", u"ComboBox5", u"ComboBox22", sizes},
    {u"住　所", u"Edit6", u"ComboBox6", u"ComboBox23", numbers(18, 14, -2) + numbers(12, 10, -2) + numbers(9, 5, -1)},
    {u"ＴＥＬ", u"Edit7", u"ComboBox7", u"ComboBox24", sizes},
    {u"ＦＡＸ", u"Edit8", u"ComboBox8", u"ComboBox25", sizes},
    {u"請求先", u"Edit9", u"ComboBox9", u"ComboBox26", sizes},
    {u"口座名義", u"Edit10", u"ComboBox10", u"ComboBox27", sizes},
    {u"印刷文書－１", u"Edit11", u"ComboBox11", u"ComboBox28", sizes},
    {u"印刷文書－2", u"Edit12", u"ComboBox12", u"ComboBox29", sizes},
    {u"印刷文書－3", u"Edit13", u"ComboBox13", u"ComboBox30", sizes},
    {u"印刷文書－4", u"Edit14", u"ComboBox14", u"ComboBox31", numbers(18, 14, -2) + numbers(12, 10, -2) + numbers(9, 6, -1)},
    {u"印刷文書－5", u"Edit15", nullptr, nullptr, {}},
    {u"印刷文書－6", u"Edit16", u"ComboBox15", u"ComboBox32", sizes},
    {u"印刷文書－7", u"Edit17", u"ComboBox16", u"ComboBox33", sizes},
    {u"印刷文書－8", u"Edit30", u"ComboBox17", u"ComboBox34", sizes},
};

QString s(const char16_t *text)
{
    return QString::fromUtf16(text);
}

} // namespace

SettingsPrintTab::SettingsPrintTab(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"Panel30"_qs);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(buildTexts(), 3);
    layout->addWidget(buildCoverAndOptions(), 1);
}

QWidget *SettingsPrintTab::buildTexts()
{
    auto *group = new QGroupBox(u"見積書に印刷する文字"_qs, this);
    auto *g = new QGridLayout(group);
    g->setHorizontalSpacing(8);
    g->setVerticalSpacing(4);
    g->addWidget(make::note(group, u"文字サイズ"_qs), 0, 2, Qt::AlignCenter);
    g->addWidget(make::note(group, u"位置調整"_qs), 0, 3, Qt::AlignCenter);
    int row = 1;
    for (const TextRow &r : textRows) {
        g->addWidget(make::label(group, s(r.caption)), row, 0);
        g->addWidget(make::edit(group, s(r.edit)), row, 1);
        if (r.size) {
            g->addWidget(make::combo(group, s(r.size), r.sizeItems, 64), row, 2);
            g->addWidget(make::combo(group, s(r.adjustment), adjustments(), 64), row, 3);
        } else {
            g->addWidget(make::note(group, u"↑同じ"_qs), row, 2, 1, 2, Qt::AlignCenter);
        }
        ++row;
    }
    g->addWidget(make::label(group, u"金額表題"_qs), row, 0);
    g->addWidget(make::edit(group, u"Edit31"_qs, 160), row, 1, Qt::AlignLeft);
    g->setColumnStretch(1, 1);
    g->setRowStretch(row + 1, 1);
    return group;
}

QWidget *SettingsPrintTab::buildCoverAndOptions()
{
    auto *box = new QWidget(this);
    auto *v = new QVBoxLayout(box);
    v->setContentsMargins(0, 0, 0, 0);

    auto *cover = new QGroupBox(u"表紙の表題 ( 御 見 積 書 )"_qs, box);
    auto *coverRow = new QHBoxLayout(cover);
    coverRow->addWidget(make::combo(cover, u"ComboBox18"_qs,
                                    numbers(50, 10, -10) + QStringList{u"5"_qs, u"3"_qs, u"2"_qs, u"1"_qs, u"0"_qs,
                                                                       u"-1"_qs, u"-2"_qs, u"-3"_qs, u"-5"_qs}
                                        + numbers(-10, -50, -10),
                                    64));
    coverRow->addWidget(make::label(cover, u"←印刷文字位置調整"_qs));
    coverRow->addStretch();
    v->addWidget(cover);

    auto *detail = new QGroupBox(u"内訳書"_qs, box);
    auto *detailRow = new QHBoxLayout(detail);
    detailRow->addWidget(make::label(detail, u"内訳書(品名・規格)の文字サイズ調整"_qs));
    detailRow->addWidget(make::combo(detail, u"ComboBox38"_qs, numbers(-3, 3, 1), 56));
    detailRow->addStretch();
    v->addWidget(detail);

    auto *options = new QGroupBox(u"印刷の設定"_qs, box);
    auto *ov = new QVBoxLayout(options);
    addOption(ov, u"CheckBox9"_qs, u"・会社名を見積書下部へ印刷させる"_qs);
    addOption(ov, u"CheckBox6"_qs, u"・項目毎に印刷ページを分ける"_qs);
    addOption(ov, u"CheckBox21"_qs, u"・会社名・住所・電話番号は印刷しない"_qs);
    addOption(ov, u"CheckBox23"_qs, u"・品名や規格を折り返し印刷させない"_qs);
    addOption(ov, u"CheckBox19"_qs, u"・担当の予備枠は表示させない"_qs);
    v->addWidget(options);
    v->addStretch();
    return box;
}

void SettingsPrintTab::addOption(QVBoxLayout *layout, const QString &name, const QString &caption)
{
    // The caption runs out in hyphens to the box on its right; a click on it works the box.
    auto *row = new QHBoxLayout;
    auto *text = make::label(this, caption + QString(80, u'-'));
    text->setFixedWidth(300); // the hyphens are cut where the box begins
    auto *box = make::check(this, name, QString());
    fieldevents::onClick(text, [box] { box->click(); });
    row->addWidget(text);
    row->addWidget(box);
    row->addStretch();
    layout->addLayout(row);
}
