#include "estimate/sheetpasses.h"

#include "base/conversionerror.h"
#include "base/host.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/figures.h"
#include "estimate/sheetrows.h"

#include <array>
#include <vector>

namespace sheet {


namespace {

const QString mergeMark = u"1"_qs;

// Moves the rows `kept` (ascending source rows within [first, end)) up to start at `first` and
// drops the others, as deleting them one by one would, in one pass over the rows.
void keepRows(TextGrid &t, int first, const std::vector<int> &kept, int end)
{
    const int dropped = end - first - int(kept.size());
    if (dropped == 0)
        return;
    t.permuteRows(first, kept);
    for (int r = first + int(kept.size()); r < end; ++r)
        t.clearRow(r);
    t.setRowCount(t.rowCount() - dropped);
}

// Whether rows p and q have the same key: name, specification and remark joined.
bool sameKey(const TextGrid &t, int p, int q)
{
    using namespace sheetcol;
    auto length = [&](int r) { return t.cell(Name, r).size() + t.cell(Spec, r).size() + t.cell(Remark, r).size(); };
    const qsizetype size = length(p);
    if (size == 0 || size != length(q))
        return false;
    // With every part of equal length the joined texts are equal when the parts are; otherwise
    // equal joined texts may still split differently between the cells.
    if (t.cell(Name, p).size() == t.cell(Name, q).size() && t.cell(Spec, p).size() == t.cell(Spec, q).size()) {
        return t.cell(Name, p) == t.cell(Name, q) && t.cell(Spec, p) == t.cell(Spec, q)
               && t.cell(Remark, p) == t.cell(Remark, q);
    }
    return t.cell(Name, p) + t.cell(Spec, p) + t.cell(Remark, p) == t.cell(Name, q) + t.cell(Spec, q) + t.cell(Remark, q);
}

// Merges row q into row p when they describe the same material at the same unit price; marks row
// p for its category suffix when only the unit price differs. Returns true when q was merged.
bool mergeInto(EstimateDocument &doc, int p, int q)
{
    using namespace sheetcol;
    TextGrid &t = doc.sheet;
    if (t.cell(Price, p).isEmpty() || !sameKey(t, p, q))
        return false;
    if (t.cell(Price, p) != t.cell(Price, q)) {
        if (!doc.settings.CheckBox1 && !t.cell(Category, p).isEmpty())
            t.setCell(Work, p, mergeMark);
        return false;
    }
    auto both = [&](int c) { return num::toNumber(t.cell(c, p)) + num::toNumber(t.cell(c, q)); };
    const double quantity = both(Quantity);
    const double entered = both(Entered);
    const double compressed = both(Compressed);
    const double submitted = both(Submitted);
    const double price = both(Price) / 2;
    const double compression = both(CompressionRate) / 2;
    const double submission = both(SubmissionRate) / 2;
    const QString quantityText = num::shortest(quantity);
    const double compressedPrice = divide(compressed, quantity, quantityText);
    const double submittedPrice = divide(submitted, quantity, quantityText);

    t.setCell(Category, p, QString());
    writeNumber(t, Quantity, p, quantity);
    writeNumber(t, Entered, p, entered);
    writeNumber(t, Compressed, p, compressed);
    writeNumber(t, Submitted, p, submitted);
    writeNumber(t, Price, p, price);
    writeNumber(t, CompressionRate, p, compression);
    writeNumber(t, SubmissionRate, p, submission);
    writeNumber(t, CompressedPrice, p, compressedPrice);
    writeNumber(t, SubmittedPrice, p, submittedPrice);
    t.setCell(Merged, p, u"*"_qs);
    return true;
}

} // namespace

bool mergePass(EstimateDocument &doc, Host &host)
{
    TextGrid &t = doc.sheet;
    const int first = doc.irow1 + 2;
    const int end = t.rowCount();
    if (first >= end)
        return true;
    // Row p is compared with the row after it; a merged row disappears and p meets the next one.
    std::vector<int> kept{first};
    int p = first;
    int q = first + 1;
    QString failure;
    try {
        for (; q < end; ++q) {
            if (mergeInto(doc, p, q))
                continue;
            p = q;
            kept.push_back(q);
        }
    } catch (const ConversionError &e) {
        failure = e.text();
    } catch (const ArithmeticError &e) {
        failure = e.text;
    }
    if (q < end) {
        for (; q < end; ++q)
            kept.push_back(q);
        keepRows(t, first, kept, end);
        host.silentStop(u"Button72Click"_qs, failure);
        return false;
    }
    keepRows(t, first, kept, end);

    for (int r = first; r < t.rowCount(); ++r) {
        if (t.cell(sheetcol::Work, r) != mergeMark)
            continue;
        if (t.cell(sheetcol::C, r) != names::class302)
            t.setCell(sheetcol::Spec, r, t.cell(sheetcol::Spec, r) + u'<' + t.cell(sheetcol::Category, r) + u'>');
        t.setCell(sheetcol::Work, r, QString());
    }
    return true;
}

bool hierarchySums(EstimateDocument &doc, Host &host)
{
    using namespace sheetcol;
    TextGrid &t = doc.sheet;
    const int n = doc.tree_count;
    // Accumulators keyed by top-level number digit and level ("1" and "2" give 12); a parent at
    // key k collects its sub-items from k + 1.
    std::array<qint64, 128> sums{};
    try {
        for (int r = n; r >= 1; --r) {
            const QString keyText = t.cell(No, r) + t.cell(C, r);
            const qint64 k = num::toInteger(keyText);
            if (k < 0 || k + 1 >= qint64(sums.size()))
                throw ConversionError(keyText, ConversionError::Kind::Integer);
            const QString &amount = t.cell(Submitted, r);
            sums[size_t(k)] += num::toInteger(amount);
            if (amount == names::zero) {
                qint64 &children = sums[size_t(k + 1)];
                sums[size_t(k)] += children;
                if (children != 0)
                    t.setCell(Submitted, r, QString::number(children));
                children = 0;
            }
            t.setCell(Row, r, u'A' + QString::number(r));
        }
    } catch (const ConversionError &e) {
        host.silentStop(u"Button93Click"_qs, e.text());
        return false;
    }
    for (int r = n + 3; r < t.rowCount(); ++r) {
        if (t.cell(Name, r) == names::itemTotal && t.cell(Submitted, r) == names::zero) {
            t.setCell(Quantity, r, names::one);
            t.setCell(Unit, r, names::lumpSum);
        }
    }
    pageCount(doc);
    return true;
}

void pageCount(EstimateDocument &doc)
{
    using namespace sheetcol;
    const TextGrid &t = doc.sheet;
    constexpr int rowsPerPage = 35;
    doc.pagisu = 0;
    int counted = 0;
    bool inSection = false;
    for (int r = doc.tree_count + 2; r < t.rowCount(); ++r) {
        const QString &name = t.cell(Name, r);
        if (name == names::grandTotal) {
            counted = 0;
            inSection = false;
        }
        if (t.cell(Row, r).startsWith(u'A')) {
            ++doc.pagisu;
            counted = 0;
            inSection = true;
        }
        const bool noRemark = t.cell(Remark, r).isEmpty();
        const bool counts = !(noRemark && (t.cell(SubmissionRate, r) == names::zero
                                           || t.cell(Submitted, r) == names::zero));
        if (inSection && counts)
            ++counted;
        if (name == names::itemTotal) {
            counted = 0;
            inSection = false;
        }
        if (inSection && counted == rowsPerPage) {
            ++doc.pagisu;
            counted = 0;
        }
    }
}

namespace {

// Supplied-goods mode: material rows of the detail block show no price and read "御支給品".
void markSuppliedGoods(EstimateDocument &doc)
{
    using namespace sheetcol;
    TextGrid &t = doc.sheet;
    for (int r = std::max(doc.irow1, 1); r < t.rowCount(); ++r) {
        const QString &code = t.cell(C, r);
        if (num::isBlank(code) || isClass301or302(code) || !t.cell(Remark, r).isEmpty())
            continue;
        t.setCell(SubmittedPrice, r, QString());
        t.setCell(Submitted, r, QString());
        t.setCell(Remark, r, names::suppliedGoods);
    }
}

} // namespace

bool finalPass(EstimateDocument &doc, Host &host)
{
    using namespace sheetcol;
    TextGrid &t = doc.sheet;
    const int first = std::max(doc.tree_count, 1);
    const int end = t.rowCount();
    // One forward walk; a deleted placeholder's place is taken by the row below it, which the
    // walk then passes over without examining.
    std::vector<int> kept;
    kept.reserve(size_t(std::max(end - first, 0)));
    int position = first;
    bool skipNext = false;
    int r = first;
    try {
        for (; r < end; ++r) {
            if (skipNext) {
                skipNext = false;
                kept.push_back(r);
                ++position;
                continue;
            }
            const QString &name = t.cell(Name, r);
            if (name == names::grandTotal) {
                const QString &total = t.cell(Submitted, r);
                doc.settings.Edit55 = total;
                if (!num::isBlank(total))
                    doc.sougoukei = double(num::toInteger(total));
            }
            const QString &mark = t.cell(Sub, r);
            if (mark == names::scrollMark) {
                doc.controls.Button57.tag = position;
                t.setCell(Sub, r, QString());
            } else if (mark == names::lastTotalMark) {
                t.setCell(Sub, r, QString());
            }
            if (name == names::placeholder) {
                skipNext = true;
                continue;
            }
            kept.push_back(r);
            ++position;
        }
    } catch (const ConversionError &e) {
        for (; r < end; ++r)
            kept.push_back(r);
        keepRows(t, first, kept, end);
        host.silentStop(u"Button84Click"_qs, e.text());
        return false;
    }
    keepRows(t, first, kept, end);
    if (doc.settings.CheckBox18)
        markSuppliedGoods(doc);
    return figures::netFigure(doc, host);
}

bool subtotalPass(EstimateDocument &doc, Host &host)
{
    using namespace sheetcol;
    TextGrid &t = doc.sheet;
    auto whole = [&](int c, int r) -> qint64 {
        const QString &text = t.cell(c, r);
        return num::isBlank(text) || text == names::zero ? 0 : num::toInteger(text);
    };
    qint64 compressed = 0;
    qint64 submitted = 0;
    try {
        for (int r = 1; r < t.rowCount(); ++r) {
            const QString &name = t.cell(Name, r);
            if (name == names::grandTotal || name == names::itemTotal) {
                compressed = submitted = 0;
            } else if (name == names::subtotal) {
                t.setCell(Compressed, r, QString::number(compressed));
                t.setCell(Submitted, r, QString::number(submitted));
                compressed = submitted = 0;
            } else {
                compressed += whole(Compressed, r);
                submitted += whole(Submitted, r);
            }
        }
    } catch (const ConversionError &e) {
        host.silentStop(u"Button145Click"_qs, e.text());
        return false;
    }
    return true;
}

} // namespace sheet
