#include "estimate/itemsection.h"

#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/sheetrows.h"

#include <QHash>

#include <cmath>
#include <vector>

namespace sheet {


namespace {

// The lines of each item, in line-table order.
class ItemLines
{
public:
    ItemLines(const EstimateDocument &doc, LineWalk walk) : m_doc(doc), m_walk(walk)
    {
        if (walk != LineWalk::ByItemIndex)
            return;
        for (int v = 1; v <= doc.st1count; ++v)
            m_index[doc.lines.cell(linecol::Item, v)].push_back(v);
    }

    const std::vector<int> &rowsOf(const QString &item)
    {
        if (m_walk == LineWalk::ByItemIndex) {
            const auto it = m_index.constFind(item);
            return it == m_index.cend() ? m_none : it.value();
        }
        m_scan.clear();
        for (int v = 1; v <= m_doc.st1count; ++v) {
            if (m_doc.lines.cell(linecol::Item, v) == item)
                m_scan.push_back(v);
        }
        return m_scan;
    }

private:
    const EstimateDocument &m_doc;
    LineWalk m_walk;
    QHash<QString, std::vector<int>> m_index;
    std::vector<int> m_scan;
    const std::vector<int> m_none;
};

// What one item section accumulates while it is written.
struct Section {
    int p = 0;
    QString name;
    int header = 0;
    double fuzokuhin = 0;   // accessories
    double toritukezai = 0; // mounting material
    double roumuhi = 0;     // labour
    double tosouhi = 0;     // painting
    double tenjyou = 0;     // ceiling openings
    double zatuzai = 0;     // consumables
    double net = 0;         // compressed total
    double syoukei = 0;     // submitted total
    int added = 0;        // rows written below the header
    // Separated layout: rows reserved for the consumables and labour entries, and whether the item
    // has anything to show in the labour part below its labour row.
    bool reserved = false;
    int consumablesSlot = 0;
    int labourSlot = 0;
    bool labourPart = false;
    int consumablesRow = 0;
};

// The cost components of one line (line columns 24 to 28 and 33).
struct Components {
    double labour = 0;
    double accessories = 0;
    double mounting = 0;
    double painting = 0;
    double ceiling = 0;
    double consumables = 0;
};

// Codes of a derived row (sheet columns 2 to 5).
struct Codes {
    QString c, o, d, e;
};

const Codes paintingCodes{u"301"_qs, u"99"_qs, u"01"_qs, u"05"_qs};
const Codes ceilingCodes{u"301"_qs, u"99"_qs, u"01"_qs, u"06"_qs};
const Codes labourCodes{u"301"_qs, u"99"_qs, u"01"_qs, u"12"_qs};
const Codes consumablesCodes{u"159"_qs, u"03"_qs, {}, {}};

// One item-end cost row: its name, codes, item-table rate columns and round-to-unit switch.
struct CostRow {
    const QString &name;
    const Codes &codes;
    int compressionColumn;
    int submissionColumn;
    bool autoRound;
    bool wholeCompressed; // the compressed amount is shown in whole yen (labour)
};

class SectionWriter
{
public:
    explicit SectionWriter(EstimateDocument &doc)
        : m_doc(doc), m_lines(doc.lines), m_items(doc.items), m_sheet(doc.sheet), m_settings(doc.settings),
          m_last(doc.tree_count), m_row(doc.irow1), m_composite(doc.settings.CheckBox8),
          m_supplied(doc.settings.CheckBox18), m_separated(doc.settings.CheckBox17),
          m_subtotals(doc.settings.CheckBox17 && doc.settings.CheckBox22),
          m_byCategory(doc.settings.CheckBox1)
    {
    }

    void write(int p, const std::vector<int> &lines);

    DirectCost direct;

private:
    void step(Section &s, int v);
    bool mergeByName(Section &s, int v);
    void reserve(Section &s);
    void listLine(Section &s, int v);
    Components addComponents(Section &s, int v);
    double compositeAmount(const Section &s, int v, const Components &c) const;
    void closeGroup(Section &s);
    int nextRow(Section &s);
    void writeDerived(int row, QString no, const Codes &codes, const QString &name, const Section &s);
    void itemEndRows(Section &s);
    void costRow(Section &s, const CostRow &cost, double sum, int row);
    void consumablesEntry(Section &s);
    void totals(Section &s);

    double lineNumber(int column, int v) const { return num::toNumber(m_lines.cell(column, v)); }
    double codeClass(int v) const { return num::toNumberOr(m_lines.cell(linecol::C, v), 0); }

    EstimateDocument &m_doc;
    const TextGrid &m_lines;
    const TextGrid &m_items;
    TextGrid &m_sheet;
    const Settings &m_settings;
    const int m_last;
    int m_row; // the last row written
    const bool m_composite;
    const bool m_supplied;
    const bool m_separated;
    const bool m_subtotals;
    const bool m_byCategory;
};

void SectionWriter::write(int p, const std::vector<int> &lines)
{
    Section s;
    s.p = p;
    s.name = m_items.cell(itemcol::Name, p);
    m_row += p == 1 ? 1 : 2;
    s.header = m_row;
    m_sheet.setCell(sheetcol::Row, m_row, u'A' + QString::number(p));
    m_sheet.setCell(sheetcol::Name, m_row, s.name);
    m_sheet.setCell(sheetcol::ItemName, m_row, s.name);
    if (p == m_last)
        m_sheet.setCell(sheetcol::Sub, m_row, names::scrollMark);

    for (int v : lines)
        step(s, v);

    // The end step: closes the last group and, in the separated layout, reserves the rows of an
    // item that had no labour-part line, an item without any line included (its section then
    // keeps the reserved blank row once the final pass has removed the placeholders).
    if (!m_composite)
        closeGroup(s);
    if (m_separated && !s.reserved)
        reserve(s);
    if (!m_composite)
        itemEndRows(s);
    totals(s);
}

void SectionWriter::step(Section &s, int v)
{
    const bool comment = m_lines.cell(linecol::Kind, v) == kinds::comment;
    if (!m_composite && !comment && m_lines.cell(linecol::C, v) != m_sheet.cell(sheetcol::C, m_row))
        closeGroup(s);
    // In composite mode there are no cost rows to merge a line into: such a line is listed and
    // carries its amount itself, so that no amount drops out of the total.
    if (!m_composite && mergeByName(s, v))
        return;
    if (m_separated && codeClass(v) > 300) {
        if (!s.reserved)
            reserve(s);
        s.labourPart = true;
    }
    listLine(s, v);
}

bool SectionWriter::mergeByName(Section &s, int v)
{
    const QString &name = m_lines.cell(linecol::Name, v);
    double *sum = nullptr;
    if (name == names::painting || name == names::ceiling) {
        sum = name == names::painting ? &s.tosouhi : &s.tenjyou;
        s.labourPart = true;
    } else if (name == names::consumables) {
        sum = &s.zatuzai;
    } else if (name == m_settings.Edit52) {
        sum = &s.roumuhi;
    } else {
        return false;
    }
    const double amount = lineNumber(linecol::Submitted, v);
    if (!(sum == &s.zatuzai && m_supplied))
        *sum += amount;
    return true;
}

void SectionWriter::reserve(Section &s)
{
    s.reserved = true;
    s.consumablesSlot = nextRow(s);
    m_sheet.setCell(sheetcol::Name, s.consumablesSlot, names::placeholder);
    if (m_subtotals)
        m_sheet.setCell(sheetcol::Name, nextRow(s), names::subtotal);
    nextRow(s); // blank
    s.labourSlot = nextRow(s);
    m_sheet.setCell(sheetcol::Name, s.labourSlot, names::placeholder);
}

int SectionWriter::nextRow(Section &s)
{
    ++s.added;
    return ++m_row;
}

void SectionWriter::listLine(Section &s, int v)
{
    using namespace sheetcol;
    const TextGrid &l = m_lines;
    TextGrid &t = m_sheet;
    const int r = nextRow(s);
    t.setCell(Row, r, l.cell(linecol::InputNo, v));
    t.setCell(No, r, l.cell(linecol::No, v));
    for (int c = C; c <= Name; ++c)
        t.setCell(c, r, l.cell(c, v));
    t.setCell(ItemName, r, l.cell(linecol::Item, v));

    const QString &kind = l.cell(linecol::Kind, v);
    const bool comment = kind == kinds::comment;
    const QString &spec1 = l.cell(linecol::Spec1, v);
    const QString &spec2 = l.cell(linecol::Spec2, v);
    const QString &category = l.cell(linecol::Category, v);
    QString spec;
    spec.reserve(spec1.size() + spec2.size() + category.size() + 3);
    spec += spec1;
    spec += u' ';
    if (!num::isBlank(spec2))
        spec += spec2;
    if (m_byCategory && !comment && !num::isBlank(category)) {
        spec += u'<';
        spec += category;
        spec += u'>';
    }
    t.setCell(Spec, r, spec);
    if (comment)
        return;

    t.setCell(Category, r, category);
    t.setCell(Quantity, r, l.cell(linecol::Corrected, v));
    t.setCell(Entered, r, l.cell(linecol::Quantity, v));
    t.setCell(Unit, r, l.cell(linecol::Unit, v));
    t.setCell(Price, r, l.cell(linecol::Price, v));
    t.setCell(CompressionRate, r, l.cell(linecol::Compression, v));
    t.setCell(Compressed, r, l.cell(linecol::Compressed, v));
    t.setCell(SubmissionRate, r, l.cell(linecol::Submission, v));
    t.setCell(SubmittedPrice, r, l.cell(linecol::SubmittedPrice, v));
    t.setCell(Submitted, r, l.cell(linecol::Submitted, v));
    const bool normal = kind == kinds::normal;
    t.setCell(Remark, r, normal ? QString() : kind);
    const QString &correctedText = l.cell(linecol::Corrected, v);
    const double corrected = num::toNumber(correctedText);
    writeNumber(t, CompressedPrice, r, divide(lineNumber(linecol::Compressed, v), corrected, correctedText));

    const QString &code = l.cell(linecol::C, v);
    if (m_supplied && !isClass301or302(code)) {
        for (int c : {SubmissionRate, SubmittedPrice, Submitted})
            t.setCell(c, r, names::zero);
    }
    if (!normal) {
        for (int c : {Price, CompressedPrice, Compressed, SubmittedPrice, Submitted})
            t.setCell(c, r, names::zero);
    }

    const Components parts = addComponents(s, v);
    if (m_composite) {
        const double q = compositeAmount(s, v, parts);
        writeNumber(t, Submitted, r, q);
        writeNumber(t, SubmittedPrice, r, wholeYen(divide(q, corrected, correctedText)));
        s.syoukei += q;
        return;
    }
    s.net += num::toNumber(t.cell(Compressed, r));
    s.syoukei += num::toNumber(t.cell(Submitted, r));
}

Components SectionWriter::addComponents(Section &s, int v)
{
    const QString &kind = m_lines.cell(linecol::Kind, v);
    const bool addsNothing = kind == kinds::building || kind == kinds::separate;
    auto add = [&](double &sum, int column) {
        double amount = num::toNumberOr(m_lines.cell(column, v), 0);
        if (addsNothing)
            amount = 0;
        sum = wholeYen(sum + amount);
        return amount;
    };
    Components c;
    c.labour = add(s.roumuhi, linecol::Labour);
    c.accessories = add(s.fuzokuhin, linecol::AccessoryCost);
    c.mounting = add(s.toritukezai, linecol::MountingCost);
    c.painting = add(s.tosouhi, linecol::PaintingCost);
    c.ceiling = add(s.tenjyou, linecol::CeilingCost);
    c.consumables = add(s.zatuzai, linecol::Consumables);
    return c;
}

double SectionWriter::compositeAmount(const Section &s, int v, const Components &c) const
{
    auto rate = [&](int column) { return num::toNumberOr(m_items.cell(column, s.p), 100); };
    double q = wholeYen(percentOf(rate(itemcol::LabourSubmission), c.labour));
    q += c.accessories;
    q += c.mounting;
    q = wholeYen(q + percentOf(rate(itemcol::PaintingSubmission), c.painting));
    q = wholeYen(q + percentOf(rate(itemcol::CeilingSubmission), c.ceiling));
    q = wholeYen(q + percentOf(rate(itemcol::ConsumablesSubmission), c.consumables));
    const QString &kind = m_lines.cell(linecol::Kind, v);
    const bool addsNothing = kind == kinds::building || kind == kinds::separate;
    const double submitted = addsNothing ? 0 : num::toNumberOr(m_lines.cell(linecol::Submitted, v), 0);
    return wholeYen(q + submitted);
}

// Emits the accessories and mounting-material rows of the group of lines that ends here.
void SectionWriter::closeGroup(Section &s)
{
    const QString groupCode = m_sheet.cell(sheetcol::C, m_row);
    auto emitRow = [&](double &sum, const Codes &codes, const QString &name) {
        const int r = nextRow(s);
        writeDerived(r, m_sheet.cell(sheetcol::No, r - 1), codes, name, s);
        const double amount = m_supplied ? 0 : sum;
        writeNumber(m_sheet, sheetcol::Compressed, r, amount);
        writeNumber(m_sheet, sheetcol::Submitted, r, amount);
        s.net += amount;
        s.syoukei += amount;
        sum = 0;
    };
    if (s.fuzokuhin != 0) {
        const Codes codes{groupCode == u"140" ? u"141"_qs : u"159"_qs, u"01"_qs, {}, {}};
        emitRow(s.fuzokuhin, codes, names::accessories);
    }
    if (s.toritukezai != 0) {
        const double group = num::toNumberOr(groupCode, 0);
        QString name;
        if (group > 102 && group < 140)
            name = u"機器取付材料"_qs;
        else if (group < 105)
            name = u"盤取付材料"_qs;
        else
            name = u"同上支持材"_qs;
        emitRow(s.toritukezai, Codes{u"159"_qs, u"02"_qs, {}, {}}, name);
    }
}

// `no` is taken by value: it is often a cell of the sheet itself, which a write may move.
void SectionWriter::writeDerived(int row, QString no, const Codes &codes, const QString &name, const Section &s)
{
    using namespace sheetcol;
    TextGrid &t = m_sheet;
    t.setCell(No, row, no);
    t.setCell(C, row, codes.c);
    t.setCell(O, row, codes.o);
    t.setCell(D, row, codes.d);
    t.setCell(E, row, codes.e);
    t.setCell(Name, row, name);
    t.setCell(Quantity, row, names::one);
    t.setCell(Unit, row, names::lumpSum);
    t.setCell(ItemName, row, s.name);
}

void SectionWriter::itemEndRows(Section &s)
{
    const Settings &set = m_settings;
    if (s.tosouhi != 0) {
        costRow(s, {names::painting, paintingCodes, itemcol::PaintingCompression, itemcol::PaintingSubmission,
                    !set.CheckBox11, false}, s.tosouhi, nextRow(s));
        s.labourPart = true;
    }
    if (s.tenjyou != 0) {
        costRow(s, {names::ceiling, ceilingCodes, itemcol::CeilingCompression, itemcol::CeilingSubmission,
                    !set.CheckBox12, false}, s.tenjyou, nextRow(s));
        s.labourPart = true;
    }
    if (s.roumuhi != 0) {
        const int r = s.reserved ? s.labourSlot : nextRow(s);
        costRow(s, {set.Edit52, labourCodes, itemcol::LabourCompression, itemcol::LabourSubmission,
                    !set.CheckBox10, true}, s.roumuhi, r);
    }
    if (s.zatuzai > 0)
        consumablesEntry(s);
}

// Painting, ceiling-opening and labour rows: the compressed amount at the item's compression rate
// and the submitted amount at its submission rate, rounded to a unit unless switched off.
void SectionWriter::costRow(Section &s, const CostRow &cost, double sum, int row)
{
    using namespace sheetcol;
    TextGrid &t = m_sheet;
    writeDerived(row, QString::number(s.p), cost.codes, cost.name, s);
    const QString &compressionText = m_items.cell(cost.compressionColumn, s.p);
    double compressed = percentOf(num::toNumber(compressionText), sum);
    // The labour row shows its compressed amount in whole yen; painting and ceiling openings show
    // it as computed and count it in whole yen.
    if (cost.wholeCompressed)
        compressed = wholeYen(compressed);
    t.setCell(CompressionRate, row, compressionText);
    writeNumber(t, Compressed, row, compressed);
    s.net += wholeYen(compressed);

    const QString &submissionText = m_items.cell(cost.submissionColumn, s.p);
    double submitted = percentOf(num::toNumber(submissionText), sum);
    if (cost.autoRound)
        submitted = roundCostRow(submitted);
    t.setCell(SubmissionRate, row, submissionText);
    writeNumber(t, Submitted, row, submitted);
    s.syoukei = wholeYen(s.syoukei + submitted);
}

void SectionWriter::consumablesEntry(Section &s)
{
    using namespace sheetcol;
    TextGrid &t = m_sheet;
    const int r = s.reserved ? s.consumablesSlot : nextRow(s);
    writeDerived(r, QString::number(s.p), consumablesCodes, names::consumables, s);
    const QString &compressionText = m_items.cell(itemcol::ConsumablesCompression, s.p);
    const double compressed = wholeYen(percentOf(num::toNumber(compressionText), s.zatuzai));
    t.setCell(CompressionRate, r, compressionText);
    writeNumber(t, Compressed, r, compressed);
    s.net += compressed;

    const QString &submissionText = m_items.cell(itemcol::ConsumablesSubmission, s.p);
    const double rate = num::toNumber(submissionText);
    const double submitted = std::fabs(wholeYen(percentOf(m_supplied ? 0 : rate, s.zatuzai)));
    t.setCell(SubmissionRate, r, submissionText);
    writeNumber(t, Submitted, r, submitted);
    s.syoukei += submitted;
    s.consumablesRow = r;
}

void SectionWriter::totals(Section &s)
{
    using namespace sheetcol;
    TextGrid &t = m_sheet;
    const int summary = s.p;
    const QString &quantityText = m_items.cell(itemcol::Quantity, s.p);
    const double quantity = num::toNumber(quantityText);
    const bool single = quantityText == u"1";
    if (!m_composite)
        s.net = wholeYen(s.net);

    int totalRow = 0;
    if (s.syoukei != 0) {
        if (m_subtotals && s.labourPart)
            t.setCell(Name, nextRow(s), names::subtotal);
        m_row += 2;
        totalRow = m_row;
        t.setCell(Name, totalRow, names::itemTotal);
        writeNumber(t, Compressed, totalRow, s.net);
        writeNumber(t, Submitted, totalRow, s.syoukei);
        t.setCell(ItemName, totalRow, s.name);
        if (s.p == m_last)
            t.setCell(Sub, totalRow, names::lastTotalMark);
        writeNumber(t, CompressedPrice, summary, s.net);
        writeNumber(t, Compressed, summary, quantity * s.net);
        if (single)
            t.setCell(CompressedPrice, summary, QString());
    }

    // The consumables row absorbs the rounding of the item total to a unit chosen by its amount.
    double adjustment = 0;
    if (s.consumablesRow != 0) {
        const double amount = num::toNumber(t.cell(Submitted, s.consumablesRow));
        const double unit = num::unitFor(amount, num::units::cost, num::Reach::AtLeast);
        if (unit > 0 && s.syoukei > 0)
            adjustment = num::unitAdjustment(s.syoukei, unit);
        writeNumber(t, Submitted, s.consumablesRow, amount + adjustment);
    }
    const double total = wholeYen(s.syoukei + adjustment);
    if (totalRow != 0)
        writeNumber(t, Submitted, totalRow, total);
    writeNumber(t, SubmittedPrice, summary, total);
    writeNumber(t, Submitted, summary, quantity * total);
    if (single)
        t.setCell(SubmittedPrice, summary, QString());

    direct.netgoukei = wholeYen(direct.netgoukei + num::toNumberOr(t.cell(Compressed, summary), 0));
    direct.goukei = wholeYen(direct.goukei + num::toNumber(t.cell(Submitted, summary)));

    if (s.added == 0 && total == 0 && !m_settings.CheckBox5) {
        // Nothing to show: the section is taken back and the next one starts on this header row.
        t.clearRow(s.header);
        m_row = s.header - 2;
        return;
    }
    m_doc.irow2 = m_row;
    ++m_row; // two blank rows before the next header
}

} // namespace

DirectCost writeItemSections(EstimateDocument &doc, LineWalk walk)
{
    ItemLines lines(doc, walk);
    SectionWriter writer(doc);
    doc.irow2 = doc.irow1;
    for (int p = 1; p <= doc.tree_count; ++p) {
        if (doc.items.cell(itemcol::Level, p).isEmpty())
            continue;
        writer.write(p, lines.rowsOf(doc.items.cell(itemcol::Name, p)));
    }
    return writer.direct;
}

} // namespace sheet
