#include "catalog/catalogpick.h"

#include "base/conversionerror.h"
#include "base/host.h"
#include "base/numbers.h"
#include "entry/entryform.h"
#include "entry/entryopenings.h"
#include "estimate/columns.h"
#include "estimate/document.h"

namespace catalogpick {

namespace {

const QString unregistered = u"未登録品"_qs;

QString blankAsEmpty(const QString &text)
{
    return num::isBlank(text) ? QString() : text;
}

bool editing(const CatalogState &k)
{
    return k.controls.Button42.text == u"設定保存";
}

bool unregisteredMode(const CatalogState &k)
{
    return !k.controls.Button20.enabled;
}

// The fields every new line gets from the running estimate.
void addLineFields(const EstimateDocument &doc, EntryOpening &o)
{
    o.fields.append({u"Edit22"_qs, doc.koumokumei});
    o.fields.append({u"Edit24"_qs, u"10"_qs});
    o.fields.append({u"Edit34"_qs, QString::number(doc.nodrow)});
}

// The unregistered mode ends with the pick: the strip goes and the buttons come back.
void leaveUnregistered(CatalogControls &c)
{
    c.Panel82.visible = false;
    c.Button101.text = unregistered;
    c.Button101.enabled = c.Button20.enabled = c.Button42.enabled = c.Button43.enabled = true;
}

EntryOpening unregisteredOpening(EstimateDocument &doc, int r)
{
    const TextGrid &list = doc.catalog.list;
    EntryOpening o;
    o.fields = {
        {u"Edit21"_qs, QString::number(doc.st1count + 1)},
        {u"Edit1"_qs, list.cell(0, r)}, {u"Edit2"_qs, list.cell(1, r)},
        {u"Edit3"_qs, list.cell(2, r)}, {u"Edit4"_qs, list.cell(3, r)},
        {u"Edit5"_qs, entryopenings::itemSubNumber(doc, doc.nodrow)},
        {u"ComboBox5"_qs, unregistered},
        {u"Edit7"_qs, QString()}, {u"Edit8"_qs, QString()}, {u"Edit17"_qs, QString()},
        {u"ComboBox6"_qs, list.cell(7, r)},
        {u"Edit11"_qs, u"0"_qs}, {u"Edit12"_qs, u" "_qs}, {u"Edit18"_qs, u"100"_qs},
        {u"Edit13"_qs, QString()}, {u"Edit14"_qs, QString()}, {u"Edit15"_qs, QString()}, {u"Edit16"_qs, QString()},
    };
    addLineFields(doc, o);
    return o;
}

} // namespace

std::optional<QString> EntryOpening::field(const QString &name) const
{
    for (const auto &[n, text] : fields)
        if (n == name)
            return text;
    return std::nullopt;
}

EntryOpening materialOpening(EstimateDocument &doc, int q)
{
    TextGrid &list = doc.catalog.list;
    EntryOpening o;
    auto set = [&o](const char16_t *name, const QString &text) { o.fields.append({QString::fromUtf16(name), text}); };
    set(u"Edit21", QString::number(doc.st1count + 1));
    set(u"Edit1", list.cell(0, q));
    set(u"Edit2", list.cell(1, q));
    set(u"Edit3", list.cell(2, q));
    set(u"Edit4", list.cell(3, q));
    set(u"Edit5", list.cell(4, q) == unregistered ? entryopenings::itemSubNumber(doc, doc.nodrow) : u"0000"_qs);
    set(u"ComboBox5", list.cell(4, q));
    if (list.cell(5, q) == u" ")
        list.setCell(5, q, QString());
    set(u"Edit7", list.cell(5, q));
    // A blank second specification or category is handed over empty, as lines read from a file
    // hold it, so that the same material picked again matches those lines.
    set(u"Edit8", blankAsEmpty(list.cell(6, q)));
    set(u"Edit17", blankAsEmpty(list.cell(9, q)));
    set(u"ComboBox6", list.cell(7, q));

    for (int c : {16, 17})
        if (num::isBlank(list.cell(c, q)))
            list.setCell(c, q, u"100"_qs);
    set(u"Edit19", list.cell(16, q));
    set(u"Edit20", list.cell(17, q));

    if (num::isBlank(list.cell(8, q)))
        list.setCell(8, q, u"0"_qs);
    const num::Real price = num::roundHalfAway(num::toNumber(list.cell(8, q)));
    set(u"Edit11", num::shortest(price));

    set(u"Edit12", list.cell(10, q));
    set(u"Edit18", list.cell(11, q));
    set(u"Edit13", list.cell(12, q));
    set(u"Edit14", list.cell(13, q));
    set(u"Edit15", list.cell(14, q));
    set(u"Edit16", list.cell(15, q));
    addLineFields(doc, o);

    const num::Real submitted = num::roundHalfAway(price * (num::toNumber(list.cell(17, q)) / 100));
    o.status = u"提出単価："_qs + num::shortest(submitted);
    return o;
}

std::optional<EntryOpening> pick(EstimateDocument &doc, Host &host)
{
    CatalogState &k = doc.catalog;
    if (unregisteredMode(k)) {
        const int r = k.ny3;
        if (r < 1 || r >= k.list.rowCount()) {
            host.beep();
            return std::nullopt;
        }
        leaveUnregistered(k.controls);
        return unregisteredOpening(doc, r);
    }

    k.md3 = 1;
    k.controls.Edit53 = k.list.cell(k.nx3, k.ny3);
    k.controls.Label14.text = u"選択行Ｎｏ．"_qs + QString::number(k.row);
    if (editing(k))
        return std::nullopt;
    if (k.row < 1 || k.row >= k.list.rowCount()) {
        host.beep();
        return std::nullopt;
    }
    try {
        return materialOpening(doc, k.row);
    } catch (const ConversionError &e) {
        host.error(e.message());
        return std::nullopt;
    }
}

void toggleUnregistered(EstimateDocument &doc)
{
    CatalogControls &c = doc.catalog.controls;
    if (c.Button101.text == unregistered) {
        c.Panel82.visible = true;
        c.Button20.enabled = c.Button42.enabled = c.Button43.enabled = false;
        c.Button101.text = u"キャンセル"_qs;
    } else {
        leaveUnregistered(c);
    }
}

void openEntry(EntryForm &f, const EstimateDocument &doc, const EntryOpening &opening)
{
    for (const auto &[name, text] : opening.fields)
        if (QString *field = f.field(name))
            *field = text;
    if (opening.clearNameList)
        f.ComboBox5Items.clear();
    f.firstCatalogName = doc.catalog.list.cell(4, 1);
    // The new-line mark is set only here, when the window really opens for the pick.
    entryopenings::openNewLine(f, doc);
}

void entryClosed(EstimateDocument &doc)
{
    doc.controls.Panel9.visible = false;
    doc.catalog.controls.Panel14.visible = false;
}

} // namespace catalogpick
