#include "entry/entryactivation.h"

#include "base/host.h"
#include "base/numbers.h"
#include "entry/entryform.h"
#include "entry/entrykeys.h"
#include "entry/entryopenings.h"
#include "entry/namesuggestions.h"
#include "entry/twoline.h"
#include "estimate/document.h"

namespace entryactivation {

namespace {

constexpr int lineWidth = 250;
constexpr int commentWidth = 480;

struct Retype {
    int code;           // Edit24
    const char16_t *name; // the field
    int t_no;
    bool cleared;
    int panel;          // EntryForm::Panel, or -1
};

constexpr Retype retypes[] = {
    {2, u"Edit1", 1, true, -1},       {3, u"Edit2", 2, true, -1},
    {4, u"Edit3", 3, true, -1},       {5, u"Edit4", 4, true, -1},
    {6, u"Edit5", 5, true, -1},       {7, u"ComboBox5", 6, false, EntryForm::Panel3},
    {8, u"Edit7", 7, false, EntryForm::Panel4}, {9, u"Edit8", 8, false, -1},
    {10, u"Edit9", 9, true, EntryForm::Panel6}, {11, u"ComboBox6", 10, true, EntryForm::Panel7},
    {12, u"Edit11", 11, true, EntryForm::Panel8}, {13, u"Edit17", 17, true, -1},
    {14, u"Edit23", 23, true, -1},    {15, u"Edit12", 12, true, EntryForm::Panel9},
    {16, u"Edit18", 18, true, -1},    {17, u"Edit13", 13, true, -1},
    {18, u"Edit14", 14, true, -1},    {19, u"Edit15", 15, true, -1},
    {20, u"Edit16", 16, true, -1},    {21, u"Edit19", 19, true, -1},
    {22, u"Edit20", 20, true, -1},
    // Item rate mode: Edit25 holds the expense row's name and is left alone.
    {35, u"Edit31", 31, true, -1},    {36, u"Edit26", 26, true, -1},
    {37, u"Edit32", 32, true, -1},    {38, u"Edit27", 27, true, -1},
    {39, u"Edit33", 33, true, -1},    {40, u"Edit28", 28, true, -1},
    {41, u"Edit29", 29, true, -1},    {42, u"Edit35", 35, true, -1},
};

int fieldCode(const QString &text)
{
    return num::isNumber(text) ? int(num::toNumber(text)) : 0;
}

void retype(EntryForm &f, Host &host, int code)
{
    for (const Retype &r : retypes) {
        if (r.code != code)
            continue;
        QString &field = *f.field(QStringView(r.name));
        if (code == 12) {
            // The old price is kept as Edit6 shows it.
            f.Edit25 = entrykeys::formattedPrice(field);
            f.Edit6 = f.Edit25;
            f.Edit6Shown = false;
        } else if (code < 35) {
            f.Edit25 = field;
        }
        if (r.cleared)
            field.clear();
        f.focus = QString::fromUtf16(r.name);
        f.t_no = r.t_no;
        if (r.panel >= 0)
            f.setRed(EntryForm::Panel(r.panel));
        if (code == 11)
            host.beep();
        return;
    }
}

void lineLayout(EntryForm &f)
{
    f.nameWidth = lineWidth;
    f.Edit7Shown = true;
    f.Panel45 = false;
}

void commentLayout(EntryForm &f)
{
    f.nameWidth = commentWidth;
    f.Edit7Shown = false;
    f.Panel45 = true;
}

} // namespace

const QStringList &kindCaptions()
{
    static const QStringList captions{u"通常品"_qs,     u"移設"_qs,     u"撤去"_qs,     u"結線のみ"_qs,
                                      u"撤去再取付"_qs, u"建築工事"_qs, u"御支給品"_qs, u"別途"_qs};
    return captions;
}

void activate(EntryForm &f, Host &host, bool noWrap)
{
    lineLayout(f);
    f.allNavy();
    f.Edit6 = entrykeys::formattedPrice(f.Edit11);
    f.CheckBox1 = false;
    const int code = fieldCode(f.Edit24);
    retype(f, host, code);

    f.Label47 = code < 35;
    f.Label47Text = u"既DATA→"_qs + (f.Edit25.isEmpty() ? u"なし"_qs : f.Edit25);

    if (f.ComboBox5 == u"未登録品")
        f.ComboBox5Items = namesuggestions::nameList(f.Edit1, f.Edit2, f.firstCatalogName);

    if (f.isCommentLine()) {
        commentLayout(f);
        f.ComboBox5 += f.Edit7;
        f.Edit7.clear();
        f.focus = u"Button14"_qs;
    }
    splitName(f, noWrap);
    splitSpecification(f, noWrap);
}

void closed(EntryForm &f)
{
    f.itemRateMode = false;
    f.rateEnabled.fill(true);
}

void restore(EntryForm &f)
{
    if (f.isRed(EntryForm::Panel6) && num::isBlank(f.Edit9))
        f.Edit9 = f.Edit25;
    if (f.isRed(EntryForm::Panel8) && (num::isBlank(f.Edit11) || f.Edit6.isEmpty())) {
        f.Edit6 = f.Edit25;
        f.Edit11 = QString(f.Edit25).remove(u',');
        f.Edit6Shown = true;
    }
    if (f.isRed(EntryForm::Panel9) && num::isBlank(f.Edit12))
        f.Edit12 = f.Edit25;
    f.Label47 = false;
}

void splitName(EntryForm &f, bool noWrap)
{
    const twoline::Halves h = twoline::halves(f.ComboBox5, !noWrap && !f.isCommentLine());
    f.Edit10 = h.first;
    f.Edit38 = h.second;
    f.Panel43 = !h.second.isEmpty();
}

void splitSpecification(EntryForm &f, bool noWrap)
{
    const twoline::Halves h = twoline::halves(f.Edit7, !noWrap && !f.isCommentLine());
    f.Edit36 = h.first;
    f.Edit37 = h.second;
    f.Panel42 = !h.second.isEmpty();
}

void kindButton(EntryForm &f, const QString &caption)
{
    lineLayout(f);
    f.Edit23 = caption;
    f.allNavy();
}

void commentButton(EntryForm &f, const EstimateDocument &doc)
{
    f.Edit23 = u"注釈行"_qs;
    f.Edit5 = entryopenings::itemSubNumber(doc, doc.nodrow);
    for (QString *field : {&f.Edit7, &f.Edit8, &f.Edit9, &f.ComboBox6, &f.Edit11, &f.Edit6, &f.Edit12,
                           &f.Edit13, &f.Edit14, &f.Edit15, &f.Edit16, &f.Edit17, &f.Edit18})
        field->clear();
    commentLayout(f);
    f.Panel42 = false;
    f.Panel43 = false;
}

} // namespace entryactivation
