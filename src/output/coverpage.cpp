#include "output/coverpage.h"

#include "base/numbers.h"
#include "output/pagecanvas.h"
#include "output/printjob.h"
#include "output/printtexts.h"
#include "output/seal.h"

using printtexts::field;

namespace {

PrintFont regular(int size)
{
    return {size};
}

PrintFont bold(int size)
{
    return {size, true};
}

PrintFont underlined(int size)
{
    return {size, false, true};
}

bool isEmptyNumber(const QString &text)
{
    return text.isEmpty() || text == u" " || text == u"\u3000";
}

QString dateText(const PrintJob &job)
{
    const Settings &s = job.settings();
    const PrintOptions &o = job.options;
    const bool invoice = job.invoice();
    return s.Label56 + u" "_qs + (invoice ? o.Edit3 : s.Edit25) + u" 年 "_qs + (invoice ? o.Edit4 : s.Edit26)
           + u" 月 "_qs + (invoice ? o.Edit5 : s.Edit27) + u" 日"_qs;
}

// The date moves by the byte length of its whole text so that it ends near the same place.
int dateShift(const QString &text)
{
    switch (printtexts::bytes(text)) {
    case 19:
        return 35;
    case 21:
        return -35;
    case 22:
        return -70;
    default:
        return 0;
    }
}

void drawHeader(const PrintJob &job, PageCanvas &c)
{
    const Settings &s = job.settings();
    c.text(1860 + field(s.ComboBox18), 470, job.invoice() ? u"   請 求 書   "_qs : u" 御 見 積 書 "_qs,
           underlined(21));
    // An empty number still shows the underlined blank where it is written by hand.
    c.text(3770, 820, isEmptyNumber(s.Edit28) ? u" No.           "_qs : u" No."_qs + s.Edit28 + u" "_qs,
           underlined(11));
    const QString date = dateText(job);
    c.text(3680 + dateShift(date), 1050, date, regular(11));
    c.text(220, 1200, u" "_qs + s.Edit29 + u" "_qs + s.ComboBox1 + u" "_qs, underlined(field(s.ComboBox48)));
}

void drawCompanyNameBlock(const Settings &s, PageCanvas &c)
{
    c.text(3100 + field(s.ComboBox19), 1400, s.Edit2, bold(field(s.ComboBox2) + 2));
    c.text(3830 + field(s.ComboBox20), 1600, s.Edit3, regular(field(s.ComboBox3) + 2));
    c.text(3720 + field(s.ComboBox22), 1800, s.Edit5, regular(field(s.ComboBox5) + 2));
    c.text(3080 + field(s.ComboBox21), 1810, s.Edit4, regular(field(s.ComboBox4) + 2));
}

void drawTotals(const PrintJob &job, PageCanvas &c)
{
    const Settings &s = job.settings();
    const EstimateDocument &doc = job.doc;
    if (!job.invoice()) {
        if (doc.sougoukei == 0)
            return;
        QString total = s.Edit31;
        if (!job.noAmounts())
            total += u" "_qs + num::grouped(doc.sougoukei) + (s.CheckBox14 ? u" (税込)　 "_qs : u" －　 "_qs);
        c.text(220, 1940, total, bold(16));
        c.line(220, 2080, 1800, 2080, 8);
        if (s.CheckBox14 && !job.noAmounts())
            c.text(720, 2120, u"消費税額 "_qs + num::grouped(doc.syouhizeigaku) + u"－　"_qs, regular(10));
        return;
    }
    if (!job.noAmounts())
        c.text(220, 1940, s.Edit31 + u" "_qs + job.options.Edit9 + u"－ (税込) 　"_qs, bold(12));
    c.line(220, 2080, 1800, 2080, 8);
    if (!job.noAmounts())
        c.text(720, 2120, u"消費税額 "_qs + job.options.Edit6 + u"－　"_qs, regular(10));
}

void drawCompanyAddress(const Settings &s, PageCanvas &c)
{
    c.text(2980 + field(s.ComboBox23), 2150, s.Edit6, regular(field(s.ComboBox6) + 2));
    c.text(3630 + field(s.ComboBox24), 2350, u"電  話 "_qs + s.Edit7, regular(field(s.ComboBox7) + 1));
    c.text(3630 + field(s.ComboBox25), 2500, u"ＦＡＸ "_qs + s.Edit8, regular(field(s.ComboBox8) + 1));
}

void drawGreeting(const Settings &s, PageCanvas &c)
{
    const int x = 580 + field(s.ComboBox34);
    const PrintFont font = regular(field(s.ComboBox17) + 1);
    if (s.Edit30.size() > 22) {
        c.text(x, 1400, s.Edit30.left(22), font);
        c.text(x, 1500, s.Edit30.mid(22, 22), font);
    } else {
        c.text(x, 1400, s.Edit30, font);
    }
}

void drawJobTitle(const Settings &s, PageCanvas &c)
{
    c.text(220, 2350, u" 工 事 名　"_qs + s.Edit22, underlined(12));
    if (!s.Edit60.isEmpty())
        c.text(670, 2500, u" "_qs + s.Edit60 + u" "_qs, underlined(12));
}

void drawTerms(const Settings &s, PageCanvas &c)
{
    c.text(220 + field(s.ComboBox28), 2700, s.Edit11, regular(field(s.ComboBox11) + 1));
    c.text(220 + field(s.ComboBox29), 2880, s.Edit12, regular(field(s.ComboBox12) + 1));
    c.text(220 + field(s.ComboBox30), 3060, s.Edit13, regular(field(s.ComboBox13) + 1));
    // With the tax shown, the note that the amount excludes tax gives way to an empty heading.
    const QString line4 = s.CheckBox14 ? u"その他の条件"_qs + QString(21, u'\u3000') : s.Edit14;
    const QString line5 = s.CheckBox14 ? QString() : s.Edit15;
    const int x = 220 + field(s.ComboBox31);
    const PrintFont font = regular(field(s.ComboBox14) + 1);
    c.text(x, 3240, line4, font);
    c.text(x, 3420, line5, font);
    for (int y : {2780, 2958, 3136, 3314, 3492})
        c.line(220, y, 2520, y, 2);
}

// The invoice's bank details in the size and at the adjustment of their own settings: "口座名義"
// (Edit10, ComboBox10, ComboBox27) and "請求先" (Edit9, ComboBox9, ComboBox26).
void drawBankDetails(const Settings &s, PageCanvas &c)
{
    const int accountX = 220 + field(s.ComboBox27);
    const int accountSize = field(s.ComboBox10);
    const int bankX = 220 + field(s.ComboBox26);
    const int bankSize = field(s.ComboBox9);
    c.text(accountX, 2880, u"口座名義"_qs, regular(accountSize));
    c.text(accountX, 3060, s.Edit10 + u"   "_qs, underlined(accountSize));
    c.text(bankX, 3240, u"振 込 先"_qs, regular(bankSize));
    c.text(bankX, 3420, s.Edit9 + u"   "_qs, underlined(bankSize));
}

void drawPersonBox(const PrintJob &job, PageCanvas &c)
{
    const Settings &s = job.settings();
    c.text(3670 + field(s.ComboBox32), 2950, s.Edit16, regular(field(s.ComboBox15) + 2));
    c.text(4184 + field(s.ComboBox33), 2950, job.invoice() ? u"請求担当"_qs : s.Edit17,
           regular(field(s.ComboBox16) + 2));
    if (s.CheckBox24)
        seal::drawOnCover(s, c);
    if (!s.CheckBox19) {
        c.rectangle(3080, 2900, 4622, 3640, 2);
        c.line(3080, 3090, 4622, 3090, 2);
        c.rectangle(3594, 2900, 4108, 3640, 2);
    } else {
        c.rectangle(3594, 2900, 4622, 3640, 2);
        c.line(3594, 3090, 4622, 3090, 2);
        c.line(4108, 2900, 4108, 3640, 2);
    }
}

void drawTable(const PrintJob &job, PageCanvas &c)
{
    const PrintFont heading = regular(11);
    c.text(380, 3880, u"No."_qs, heading);
    c.text(1180, 3880, u"件　　　　名"_qs, heading);
    c.text(2280, 3880, u"数量"_qs, heading);
    c.text(2580, 3880, u"単位"_qs, heading);
    c.text(3170, 3880, u"金　　　額"_qs, heading);
    c.text(4140, 3880, u"備　考"_qs, heading);

    const PrintFont row = regular(10);
    if (job.invoice()) {
        c.text(900, 4575, u"工事金額"_qs, row);
        c.text(1900, 4575, u"1"_qs, row);
    } else {
        c.text(900, 4575, u"内訳明細は別紙の通り"_qs, row);
    }
    c.text(2405, 4575, u" 1"_qs, row);
    c.text(2620, 4575, u"式"_qs, row);

    c.rectangle(220, 3840, 4620, 6592, 5);
    for (int x : {700, 2220, 2520, 2820, 3940})
        c.line(x, 3840, x, 6592, 0);
    if (job.invoice()) {
        c.line(220, 4012, 4620, 4012, 0);
    } else {
        for (int k = 1; k <= 16; ++k)
            c.line(220, 3840 + 172 * k, 4620, 3840 + 172 * k, 0);
    }
    if (!job.noAmounts()) {
        const QString amount = job.invoice() ? job.options.Edit1 : num::amount(job.doc.sougoukei);
        c.text(3290, 4575, u"￥"_qs + amount, row);
    }
}

} // namespace

void drawCoverPage(const PrintJob &job, PageCanvas &canvas)
{
    const Settings &s = job.settings();
    const bool company = !s.CheckBox21;
    drawHeader(job, canvas);
    if (company)
        drawCompanyNameBlock(s, canvas);
    drawTotals(job, canvas);
    if (company)
        drawCompanyAddress(s, canvas);
    if (!job.invoice())
        drawGreeting(s, canvas);
    drawJobTitle(s, canvas);
    if (job.invoice())
        drawBankDetails(s, canvas);
    else
        drawTerms(s, canvas);
    drawPersonBox(job, canvas);
    drawTable(job, canvas);
}
