#include "storage/estimatefile.h"

#include "base/conversionerror.h"
#include "base/host.h"
#include "base/numbers.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/settingsrules.h"
#include "estimate/sheetcompiler.h"
#include "estimate/titles.h"
#include "estimate/views.h"
#include "items/header.h"
#include "items/itemtree.h"
#include "items/outline.h"
#include "storage/estimateheader.h"
#include "storage/filenames.h"
#include "storage/hostfiles.h"
#include "storage/records.h"
#include "storage/unsavedwork.h"

#include <vector>

namespace estimatefile {

namespace {

constexpr int headerRecords = 6; // records 0 to 4 and the empty record 5
constexpr int itemFields = 21;   // item-table columns stored in an item record
const QString kNone = u"無し"_qs;

QString itemRecord(const TextGrid &items, int row)
{
    QStringList f;
    f.resize(fieldCount);
    for (int c = 0; c < itemFields; ++c) {
        const QString &cell = items.cell(c, row);
        f[c] = num::isBlank(cell) ? kNone : cell;
    }
    return records::join(f);
}

// The item table gets n + 1 rows (at least the 30 it has at start-up) from the records
// that follow the header.
void readItems(EstimateDocument &doc, const QStringList &file, int n)
{
    TextGrid &items = doc.items;
    items.setRowCount(1);
    items.setRowCount(std::max(30, n + 1));
    for (int r = 1; r <= n; ++r) {
        const qsizetype index = headerRecords + r - 1;
        QStringList f = records::toRow(index < file.size() ? QStringView(file[index]) : QStringView(), itemFields);
        for (QString &cell : f)
            if (cell == kNone)
                cell.clear();
        items.setRow(r, f);
        items.setCell(itemcol::PreviousName, r, items.cell(itemcol::Name, r));
    }
}

// Every record after the items whose first field holds anything becomes the next line;
// its single-space fields become empty.
void readLines(EstimateDocument &doc, const QStringList &file, qsizetype first)
{
    TextGrid &lines = doc.lines;
    lines.setRowCount(std::max<qsizetype>(file.size() - first, 0) + 2);
    int count = 0;
    for (qsizetype i = first; i < file.size(); ++i) {
        records::FieldReader reader(file[i]);
        QStringView field;
        if (!reader.next(field))
            continue; // a blank line
        ++count;
        for (int c = 0; c < fieldCount; ++c) {
            if (field != u" ")
                lines.setCellText(c, count, field); // equal texts share one string
            if (!reader.next(field))
                break;
        }
    }
    doc.st1count = count;
    lines.setRowCount(count + 2);
}

// The level in column 0 of an item row, or nullopt when blank. Throws when not a whole number.
std::optional<qint64> itemLevel(const TextGrid &items, int row)
{
    const QString &cell = items.cell(itemcol::Level, row);
    if (num::isBlank(cell))
        return std::nullopt;
    return num::toInteger(cell);
}

// The current item: row 1 when the first item has no sub-items, else the first row from row 2 on that holds
// lines; row 0 (the title row) when none does.
int currentItemRow(const TextGrid &items)
{
    const std::optional<qint64> first = itemLevel(items, 1);
    if (first && *first == 1) {
        const std::optional<qint64> second = itemLevel(items, 2);
        if (!second || *second == 0 || *second == 1)
            return 1;
    }
    for (int r = 2; r < items.rowCount(); ++r) {
        const QString &count = items.cell(itemcol::Lines, r);
        if (!num::isBlank(count) && num::toInteger(count) != 0)
            return r;
    }
    return 0;
}

void chooseCurrentItem(EstimateDocument &doc)
{
    const int row = currentItemRow(doc.items);
    doc.koumokumei = doc.items.cell(itemcol::Name, row);
    doc.controls.Label18.text = doc.koumokumei;
    // The current row follows the current item, so new lines take that item's rates.
    doc.nodrow = row > 0 ? row : 1;
    doc.controls.Label18.tag = doc.nodrow;
}

// Everything of a read that can stop on a field that is not a number: the lines emptied, the
// header records, the items, the lines and the current item.
void distribute(EstimateDocument &doc, const QStringList &file)
{
    const QStringList titleRow = doc.lines.row(0);
    doc.lines.clear();
    doc.lines.setRow(0, titleRow);
    doc.memoFileName = doc.Filename;

    auto record = [&file](int i) {
        return records::toRow(i < file.size() ? QStringView(file[i]) : QStringView(), fieldCount);
    };
    const int afterHeader = int(file.size()) - headerRecords;
    estimateheader::applyRecord0(doc, record(0), afterHeader);
    estimateheader::applyRecord1(doc, record(1));
    estimateheader::applyConditions(doc, record(2), record(3));
    const int n = estimateheader::applyRecord4(doc, record(4), afterHeader);
    readItems(doc, file, n);
    readLines(doc, file, headerRecords + n);
    chooseCurrentItem(doc);
}

} // namespace

QStringList records(const EstimateDocument &doc)
{
    const int n = doc.items.rowCount() - 1;
    QStringList out;
    out.reserve(headerRecords + n + doc.st1count);
    out.append(records::join(estimateheader::record0(doc)));
    out.append(records::join(estimateheader::record1(doc)));
    out.append(records::join(estimateheader::record2(doc)));
    out.append(records::join(estimateheader::record3(doc)));
    out.append(records::join(estimateheader::record4(doc, n)));
    out.append(QString(fieldCount - 1, u','));
    for (int r = 1; r <= n; ++r)
        out.append(itemRecord(doc.items, r));
    for (int r = 1; r <= doc.st1count; ++r)
        out.append(records::joinRow(doc.lines, r));
    return out;
}

Saved save(EstimateDocument &doc, Host &host)
{
    if (doc.st1count == 0) {
        host.beep();
        return {Saved::NoLines};
    }
    Settings &s = doc.settings;
    const std::optional<QString> chosen = host.saveFileName(u"kas|*.kas"_qs, s.Edit22 + s.Edit60);
    if (!chosen)
        return {Saved::Cancelled};
    if (num::isBlank(s.Edit56))
        s.Edit56 = u"100"_qs;
    const QString path = filenames::withExtension(*chosen, u"kas");
    if (!hostfiles::writeLines(host, path, records(doc)))
        return {Saved::Failed};
    host.playSound(filenames::completionSound(doc.strFilePath));
    doc.kidou = 0;
    doc.estimatePath = path;
    return {Saved::Written};
}

bool readFile(EstimateDocument &doc, Host &host)
{
    // The file is read before anything is emptied, so an unreadable file costs nothing.
    const std::optional<QStringList> file = hostfiles::readLines(host, doc.Filename);
    return file && applyRecords(doc, host, *file);
}

bool applyRecords(EstimateDocument &doc, Host &host, const QStringList &file)
{
    try {
        distribute(doc, file);
    } catch (const ConversionError &e) {
        host.error(e.message());
        return false;
    }
    doc.kidou = 0;
    doc.estimatePath = doc.Filename;
    doc.lines.setRow(0, titles::lineTableAfterRead());
    return true;
}

bool read(EstimateDocument &doc, Host &host)
{
    if (!readFile(doc, host))
        return false;
    afterRead(doc, host);
    return true;
}

void afterRead(EstimateDocument &doc, Host &host)
{
    views::enterCurrentView(doc, host);
    doc.kidou = 0;
    header::refreshDateLabel(doc);
    settingsrules::refreshLabourCaption(doc);
    settingsrules::syncDependentControls(doc);
    doc.lines.setRowCount(doc.st1count + 2);

    // The item links: item numbers of the lines, the tree with its captions, the item codes.
    outline::refreshLineItemNumbers(doc);
    itemtree::build(doc);
    itemtree::refreshCaptions(doc);
    outline::writeItemCodes(doc);
    sheet::compile(doc, host);
}

bool open(EstimateDocument &doc, Host &host)
{
    if (!unsavedwork::mayOpen(doc, host))
        return false;
    const std::optional<QString> chosen = host.openFileName(u"kas|*.kas"_qs);
    if (!chosen)
        return false;
    views::wholeView(doc, host);
    doc.openFlag = 1;
    doc.Filename = *chosen;
    doc.settings.CheckBox17 = false;
    const bool done = read(doc, host);
    if (done) {
        sheet::compile(doc, host);
        doc.ux6 = 1;
        doc.uy6 = 1;
    }
    doc.openFlag = 0;
    return done;
}

} // namespace estimatefile
