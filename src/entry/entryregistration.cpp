#include "entry/entryregistration.h"

#include "base/conversionerror.h"
#include "base/host.h"
#include "base/numbers.h"
#include "entry/carryover.h"
#include "entry/entryactivation.h"
#include "entry/entryform.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/linecalculation.h"
#include "estimate/sheetcompiler.h"
#include "estimate/views.h"

#include <vector>

namespace entryregistration {

namespace {

const QString kComment = u"注釈行"_qs;
const QString kHundred = u"100"_qs;

// Raised where registration divides by zero.
struct DivisionByZero {};

// Raised where the row to register into is not a line of the table.
struct NoSuchRow {
    QString text;
};

// Every cell registration writes goes through here, so that a failure part-way can put the
// tables back as they were.
class Writes
{
public:
    explicit Writes(EstimateDocument &doc)
        : m_doc(doc), m_count(doc.st1count), m_kidou(doc.kidou), m_saveEnabled(doc.controls.Button2.enabled)
    {
    }

    void set(TextGrid &grid, int column, int row, const QString &text)
    {
        m_old.push_back({&grid, column, row, grid.cell(column, row)});
        grid.setCell(column, row, text);
    }

    void undo()
    {
        for (auto it = m_old.rbegin(); it != m_old.rend(); ++it)
            it->grid->setCell(it->column, it->row, it->text);
        m_doc.st1count = m_count;
        m_doc.kidou = m_kidou;
        m_doc.controls.Button2.enabled = m_saveEnabled;
    }

private:
    struct Old {
        TextGrid *grid;
        int column;
        int row;
        QString text;
    };
    EstimateDocument &m_doc;
    std::vector<Old> m_old;
    int m_count;
    int m_kidou;
    bool m_saveEnabled;
};

// The checks of the line: false stops the registration with the field to correct highlighted.
bool passesChecks(EntryForm &f, Host &host)
{
    if (num::isBlank(f.Edit9) || f.Edit9 == u"0") {
        f.red[EntryForm::Panel6] = true;
        f.t_no = 9;
        return false;
    }
    auto askAgain = [&f](QString &field, bool &textRed, EntryForm::Panel panel, const QString &text, int t_no) {
        f.red[size_t(panel)] = true;
        field.clear();
        f.Label28 = text;
        f.Label28Colour = entrycolour::aqua;
        textRed = true;
        f.t_no = t_no;
        f.ten = 0;
    };
    // A price or factor reading " " or "0" is shown once; the second "登録" takes it as it is.
    if (!f.priceTextRed && (f.Edit11 == u" " || f.Edit11 == u"0")) {
        askAgain(f.Edit11, f.priceTextRed, EntryForm::Panel8, u"※単価を確認してください。"_qs, 11);
        f.Edit6.clear();
        return false;
    }
    if (!f.Panel36 && !f.factorTextRed && (f.Edit12 == u" " || f.Edit12 == u"0")) {
        askAgain(f.Edit12, f.factorTextRed, EntryForm::Panel9, u"※歩掛を確認してください。"_qs, 12);
        return false;
    }
    if (f.ComboBox5 == u"未登録品") {
        host.beep();
        f.red[EntryForm::Panel3] = true;
        f.focus = u"ComboBox5"_qs;
        f.Label28 = u"※品名を確認してください。"_qs;
        f.Label28Colour = entrycolour::lightBlue;
        return false;
    }
    f.Panel36 = false;
    return true;
}

constexpr int identityColumns[] = {linecol::C,     linecol::O,     linecol::D,        linecol::E,
                                   linecol::Sub,   linecol::Name,  linecol::Spec1,    linecol::Spec2,
                                   linecol::Category, linecol::Kind, linecol::Factor};

// Whether line r's identity (the columns above joined) equals `identity`. Most lines differ in
// length already, so the joined text is only built for the others.
bool hasIdentity(const TextGrid &t, int r, const QString &identity)
{
    qsizetype length = 0;
    for (int c : identityColumns)
        length += t.cell(c, r).size();
    if (length != identity.size())
        return false;
    QString key;
    key.reserve(length);
    for (int c : identityColumns)
        key += t.cell(c, r);
    return key == identity;
}

QString identityOfEntry(const EntryForm &f)
{
    return f.Edit1 + f.Edit2 + f.Edit3 + f.Edit4 + f.Edit5 + f.ComboBox5 + f.Edit7 + f.Edit8 + f.Edit17
        + f.Edit23 + f.Edit12;
}

// An identical line of the same item takes the entry (its quantity added); identical lines of
// other items take the entry's price and rates.
void mergeWithIdenticalLines(EntryForm &f, EstimateDocument &doc, Writes &w)
{
    using namespace linecol;
    TextGrid &t = doc.lines;
    const QString identity = identityOfEntry(f);
    bool merged = false;
    const int last = doc.st1count;
    for (int s = 1; s <= last; ++s) {
        if (!hasIdentity(t, s, identity))
            continue;
        if (t.cell(Item, s) == f.Edit22) {
            // One line takes the entry; a second identical line of the item (left by an edit)
            // keeps its own quantity, so nothing is counted twice.
            if (merged)
                continue;
            const qint64 quantity = num::toInteger(t.cell(Quantity, s)) + num::toInteger(f.Edit9);
            f.Edit21 = t.cell(No, s);
            f.Edit9 = QString::number(quantity);
            // The count was raised for the new line, which now goes into line s.
            if (f.newLineFlag == 1)
                --doc.st1count;
            merged = true;
            continue;
        }
        if (f.ComboBox6 == u"式" || t.cell(C, s) == u"301")
            continue;
        if (num::isBlank(f.Edit11))
            f.Edit11 = u"0"_qs;
        const std::pair<int, const QString *> taken[] = {
            {Unit, &f.ComboBox6},  {Price, &f.Edit11},    {Category, &f.Edit17}, {Kind, &f.Edit23},
            {Factor, &f.Edit12},   {Accessory, &f.Edit13}, {Mounting, &f.Edit14}, {Painting, &f.Edit15},
            {Ceiling, &f.Edit16},  {Allowance, &f.Edit18}, {Compression, &f.Edit19},
            {Submission, &f.Edit20}};
        for (const auto &[column, text] : taken)
            w.set(t, column, s, *text);
    }
}

QString orDefault(QString &field, const QString &fallback)
{
    if (num::isBlank(field))
        field = fallback;
    return field;
}

void writeCalculation(const EntryForm &f, EstimateDocument &doc, Writes &w, int p)
{
    using namespace linecol;
    linecalc::EntryFields fields;
    fields.codeClass = f.Edit1;
    fields.kind = f.Edit23;
    fields.quantity = f.Edit9;
    fields.allowance = f.Edit18;
    fields.price = f.Edit11;
    fields.factor = f.Edit12;
    fields.accessory = f.Edit13;
    fields.mounting = f.Edit14;
    fields.painting = f.Edit15;
    fields.ceiling = f.Edit16;
    fields.compression = f.Edit19;
    fields.submission = f.Edit20;
    fields.paintingSubmission = f.Edit26;
    linecalc::EntryContext context;
    context.roumutanka = doc.roumutanka;
    context.zatuzaihi = doc.zatuzaihi;
    context.decimals = doc.settings.CheckBox7;
    context.onSheet = doc.controls.showSheet;
    // On the sheet the typed quantity is the corrected one and is divided by the allowance.
    if (context.onSheet && num::toNumberOr(f.Edit18, 100) == 0)
        throw DivisionByZero{};
    const auto result = linecalc::calculateEntry(fields, context);
    if (!result)
        return;
    TextGrid &t = doc.lines;
    w.set(t, Quantity, p, result->quantity);
    const std::pair<int, const QString *> computed[] = {
        {Corrected, &result->corrected},       {Labour, &result->labour},
        {AccessoryCost, &result->accessoryCost}, {MountingCost, &result->mountingCost},
        {PaintingCost, &result->paintingCost}, {CeilingCost, &result->ceilingCost},
        {Material, &result->material},         {Compressed, &result->compressed},
        {SubmittedPrice, &result->submittedPrice}, {Submitted, &result->submitted}};
    for (const auto &[column, text] : computed)
        w.set(t, column, p, *text);
    if (result->consumables)
        w.set(t, Consumables, p, *result->consumables);
}

// Line mode, steps from the new line's count to the registration calculation. Returns the row
// written.
int writeLine(EntryForm &f, EstimateDocument &doc, Writes &w)
{
    using namespace linecol;
    TextGrid &t = doc.lines;
    const bool comment = f.isCommentLine();
    if (f.newLineFlag == 1)
        ++doc.st1count;
    if (!comment && f.editFlag == 0 && f.Edit1 != u"302")
        mergeWithIdenticalLines(f, doc, w);

    const qint64 target = num::toInteger(f.Edit21);
    if (target < 1 || target > doc.st1count)
        throw NoSuchRow{f.Edit21};
    const int p = int(target);
    f.editFlag = 0;
    w.set(t, No, p, f.Edit21);
    w.set(t, InputNo, p, f.Edit30 == u"0" ? f.Edit21 : f.Edit30);
    doc.kidou = 1;

    w.set(t, Item, p, f.Edit22);
    for (int r = 1; r <= doc.tree_count; ++r)
        if (doc.items.cell(itemcol::Name, r) == f.Edit22)
            w.set(t, ItemCode, p, doc.items.cell(itemcol::Code, r));
    const QString *codes[] = {&f.Edit1, &f.Edit2, &f.Edit3, &f.Edit4, &f.Edit5};
    for (int i = 0; i < 5; ++i)
        w.set(t, C + i, p, *codes[i]);

    // Unregistered materials and comment lines count on the current item's "未登録品No.".
    if (f.Edit5 != u"0000" && doc.nodrow >= 1 && doc.nodrow <= doc.tree_count) {
        const QString &counter = doc.items.cell(itemcol::Unregistered, doc.nodrow);
        const qint64 next = (num::isBlank(counter) ? 0 : num::toInteger(counter)) + (f.newLineFlag == 1 ? 1 : 0);
        w.set(doc.items, itemcol::Unregistered, doc.nodrow, QString::number(next));
    }

    w.set(t, Name, p, f.ComboBox5);
    w.set(t, Spec1, p, f.Edit7);
    w.set(t, Spec2, p, f.Edit8);
    if (!comment && !doc.settings.CheckBox7)
        f.Edit9 = num::shortest(num::toNumber(f.Edit9));
    if (f.Edit11 == u" " || f.Edit11.isEmpty())
        f.Edit11 = u"0"_qs;
    const std::pair<int, QString> cells[] = {
        {Quantity, f.Edit9},   {Unit, f.ComboBox6},   {Price, f.Edit11},     {Category, f.Edit17},
        {Kind, f.Edit23},      {Factor, f.Edit12},    {Accessory, f.Edit13}, {Mounting, f.Edit14},
        {Painting, f.Edit15},  {Ceiling, f.Edit16},   {Allowance, orDefault(f.Edit18, kHundred)},
        {Compression, orDefault(f.Edit19, kHundred)}, {Submission, orDefault(f.Edit20, kHundred)},
        {ItemRow, f.Edit34}};
    for (const auto &[column, text] : cells)
        w.set(t, column, p, text);
    if (!comment)
        writeCalculation(f, doc, w, p);
    return p;
}

void writeItemRates(EntryForm &f, EstimateDocument &doc, Writes &w)
{
    int first = 1;
    int last = doc.tree_count;
    if (!f.CheckBox1)
        first = last = int(num::toInteger(f.Edit34));
    QString *pair[2] = {nullptr, nullptr};
    int column = 0;
    if (f.Edit25 == u"塗 装 費") {
        pair[0] = &f.Edit31, pair[1] = &f.Edit26, column = itemcol::PaintingCompression;
    } else if (f.Edit25 == u"天井開口費") {
        pair[0] = &f.Edit32, pair[1] = &f.Edit27, column = itemcol::CeilingCompression;
    } else if (f.Edit25 == doc.settings.Edit52) {
        pair[0] = &f.Edit33, pair[1] = &f.Edit28, column = itemcol::LabourCompression;
    } else if (f.Edit25 == u"雑材消耗品費") {
        pair[0] = &f.Edit29, pair[1] = &f.Edit35, column = itemcol::ConsumablesCompression;
    } else {
        return;
    }
    for (QString *field : pair)
        if (field->isEmpty())
            *field = u"0"_qs;
    for (int r = std::max(first, 1); r <= std::min(last, doc.tree_count); ++r) {
        w.set(doc.items, column, r, *pair[0]);
        w.set(doc.items, column + 1, r, *pair[1]);
    }
}

// The fields after a registration (step 14 of the window's registration).
void resetFields(EntryForm &f, const EstimateDocument &doc)
{
    for (QString *field : {&f.Edit1, &f.Edit2, &f.Edit3, &f.Edit4, &f.Edit5, &f.ComboBox5, &f.Edit7, &f.Edit8,
                           &f.Edit9, &f.ComboBox6, &f.Edit11, &f.Edit6, &f.Edit12, &f.Edit13, &f.Edit14,
                           &f.Edit15, &f.Edit16, &f.Edit17, &f.Edit18, &f.Edit25})
        field->clear();
    for (QString *field : {&f.Edit19, &f.Edit20, &f.Edit26, &f.Edit27, &f.Edit28, &f.Edit31, &f.Edit32, &f.Edit33})
        *field = kHundred;
    f.Edit29 = num::shortest(doc.zatuzaihi);
    f.Edit30 = u"0"_qs;
    f.priceTextRed = false;
    f.factorTextRed = false;
    f.t_no = 9;
    f.ten = 0;
    f.Edit23 = u"通常品"_qs;
}

// Steps after the tables are written, common to both modes.
void finish(EntryForm &f, EstimateDocument &doc, Host &host, int p)
{
    resetFields(f, doc);
    TextGrid &t = doc.lines;
    if (p > 2 && f.newLineFlag == 1) {
        t.setRowCount(t.rowCount() + 1);
        doc.itemView.setRowCount(doc.itemView.rowCount() + 1);
    }
    // The table always keeps an empty row after its last line.
    if (t.rowCount() < doc.st1count + 2)
        t.setRowCount(doc.st1count + 2);
    f.newLineFlag = 0;
    if (!f.carryOver.isNone() && p >= 1) {
        // The edited line's own rates are final before they go over to the other lines, and those
        // lines are computed before a view or the sheet shows them.
        linecalc::recalculateAll(doc, host);
        if (carryover::apply(doc, p, f.carryOver) > 0)
            linecalc::recalculateAll(doc, host);
    }
    f.carryOver = {};
    // The whole view recalculates every line after the registration wrote its own; the item view
    // and the line count change no value, so that pass is the last recalculation as well.
    bool recalculated = false;
    if (doc.controls.showItemView) {
        views::wholeView(doc, host);
        views::itemView(doc, host);
        recalculated = true;
    } else if (doc.controls.showSheet) {
        sheet::compile(doc, host);
    }
    if (p == 1)
        doc.controls.Button2.enabled = true;
    if (!recalculated)
        linecalc::recalculateAll(doc, host);
    f.t_no = 9;
    f.setRed(EntryForm::Panel6);
    f.closing = true;
}

void failed(EntryForm &f, const EntryForm &before, Writes &w, Host &host, const QString &text, bool closes)
{
    w.undo();
    f = before;
    f.closing = closes;
    host.message(Host::MessageKind::Error, u"情報"_qs, text, Host::Ok);
}

} // namespace

Outcome registerEntry(EntryForm &f, EstimateDocument &doc, Host &host)
{
    const EntryForm before = f;
    Writes w(doc);
    int p = 0;
    try {
        if (f.itemRateMode) {
            writeItemRates(f, doc, w);
        } else {
            // Pressing "登録" leaves the field being retyped: one left empty gets its old text.
            entryactivation::restore(f);
            f.Edit25.clear();
            if (!f.isCommentLine() && !passesChecks(f, host))
                return Outcome::Refused;
            f.red[EntryForm::Panel3] = false;
            f.Label28.clear();
            p = writeLine(f, doc, w);
        }
    } catch (const ConversionError &) {
        failed(f, before, w, host, u"整数に変換できません"_qs, true);
        return Outcome::Failed;
    } catch (const NoSuchRow &row) {
        failed(f, before, w, host, u"登録する行がありません（No. %1）"_qs.arg(row.text), true);
        return Outcome::Failed;
    } catch (const DivisionByZero &) {
        // The allowance divides the quantity typed on the sheet: the window stays open for it.
        failed(f, before, w, host, u"0 では割れません"_qs, false);
        return Outcome::Failed;
    }
    finish(f, doc, host, p);
    return Outcome::Registered;
}

void cancel(EntryForm &f)
{
    for (QString *field : {&f.Edit1, &f.Edit2, &f.Edit3, &f.Edit4, &f.Edit5, &f.ComboBox5, &f.Edit7, &f.Edit8,
                           &f.Edit9, &f.ComboBox6, &f.Edit11, &f.Edit6, &f.Edit12, &f.Edit13, &f.Edit14,
                           &f.Edit15, &f.Edit16, &f.Edit17, &f.Edit18, &f.Edit25})
        field->clear();
    for (QString *field : {&f.Edit19, &f.Edit20, &f.Edit26, &f.Edit27, &f.Edit28, &f.Edit29, &f.Edit31,
                           &f.Edit32, &f.Edit33, &f.Edit35})
        *field = kHundred;
    f.Edit30 = u"0"_qs;
    f.Panel36 = false;
    f.priceTextRed = false;
    f.factorTextRed = false;
    f.t_no = 9;
    f.ten = 0;
    f.Edit23 = u"通常品"_qs;
    f.newLineFlag = 0;
    f.carryOver = {};
    f.setRed(EntryForm::Panel6);
    f.closing = true;
}

} // namespace entryregistration
