#include "entry/scriptopenings.h"

#include "base/conversionerror.h"
#include "base/host.h"
#include "base/numbers.h"
#include "catalog/pickopening.h"
#include "entry/entryform.h"
#include "entry/entryopenings.h"
#include "entry/linegridedit.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/sheetcompiler.h"
#include "estimate/views.h"
#include "items/itemtree.h"

namespace {

std::optional<int> wholeNumber(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// "new:ITEM": a new line under the item named ITEM, as a catalog pick opens it; the fields a pick
// would fill from its catalog line start empty.
class NewLine : public ScriptOpening
{
public:
    explicit NewLine(QString item) : m_item(std::move(item)) {}

    QString open(EntryForm &f, EstimateDocument &doc, Host &host) override
    {
        int row = 0;
        for (int r = 1; r <= doc.tree_count && !row; ++r)
            if (doc.items.cell(itemcol::Name, r) == m_item || doc.items.cell(itemcol::Bare, r) == m_item)
                row = r;
        if (!row)
            return u"no item named \"%1\""_qs.arg(m_item);
        // A click on the item in the tree, and the item view as closing the setup screen shows it.
        itemtree::choose(doc, row - 1);
        doc.koumokumei = doc.items.cell(itemcol::Name, row);
        doc.controls.Label18.text = doc.koumokumei;
        views::itemView(doc, host);
        for (QString *field : {&f.Edit1, &f.Edit2, &f.Edit3, &f.Edit4, &f.ComboBox5, &f.Edit7, &f.Edit8,
                               &f.ComboBox6, &f.Edit11, &f.Edit17, &f.Edit12, &f.Edit18, &f.Edit13, &f.Edit14,
                               &f.Edit15, &f.Edit16, &f.Edit9})
            field->clear();
        f.Edit5 = u"0000"_qs;
        f.Edit19 = u"100"_qs;
        f.Edit20 = u"100"_qs;
        f.firstCatalogName.clear();
        f.ComboBox5Items.clear();
        entryopenings::openNewLine(f, doc);
        return {};
    }

private:
    QString m_item;
};

// "line:N[:C]": a double-click on column C of line N of the whole view.
class ExistingLine : public ScriptOpening
{
public:
    ExistingLine(int line, int column) : m_line(line), m_column(column) {}

    QString open(EntryForm &f, EstimateDocument &doc, Host &host) override
    {
        if (!doc.controls.showLines)
            views::wholeView(doc, host);
        try {
            switch (linegridedit::openFromWholeView(f, doc, m_line, m_column)) {
            case linegridedit::Open::Window:
                return {};
            case linegridedit::Open::MaterialMenu:
                return u"the whole view has no line %1"_qs.arg(m_line);
            case linegridedit::Open::Nothing:
                return u"a double-click on column %1 opens nothing"_qs.arg(m_column);
            }
        } catch (const ConversionError &e) {
            host.error(e.message());
            return u"line %1 was not opened"_qs.arg(m_line);
        }
        return {};
    }

private:
    int m_line;
    int m_column;
};

// "rates:ROW:NAME": item rate mode for the expense row NAME of item row ROW, its compression rate
// opened for retyping as a double-click on the sheet's "圧縮率" opens it.
class ItemRates : public ScriptOpening
{
public:
    ItemRates(int row, QString name) : m_row(row), m_name(std::move(name)) {}

    QString open(EntryForm &f, EstimateDocument &doc, Host &) override
    {
        if (m_row < 1 || m_row > doc.tree_count)
            return u"no item row %1"_qs.arg(m_row);
        const QStringList kinds{u"塗 装 費"_qs, u"天井開口費"_qs, doc.settings.Edit52, u"雑材消耗品費"_qs};
        const qsizetype kind = kinds.indexOf(m_name);
        if (kind < 0)
            return u"\"%1\" is not an expense row (塗 装 費, 天井開口費, %2, 雑材消耗品費)"_qs.arg(m_name, doc.settings.Edit52);
        entryopenings::openItemRates(f, doc, m_row, m_name, 35 + 2 * int(kind));
        return {};
    }

    // Closing the window recompiles the sheet it was opened from.
    void closed(EstimateDocument &doc, Host &host) override { sheet::compile(doc, host); }

private:
    int m_row;
    QString m_name;
};

std::unique_ptr<ScriptOpening> parseNew(const QString &argument, QString &error)
{
    if (argument.isEmpty()) {
        error = u"new: needs an item name"_qs;
        return nullptr;
    }
    return std::make_unique<NewLine>(argument);
}

std::unique_ptr<ScriptOpening> parseLine(const QString &argument, QString &error)
{
    const QStringList parts = argument.split(u':');
    const std::optional<int> line = wholeNumber(parts.value(0));
    const std::optional<int> column = parts.size() > 1 ? wholeNumber(parts[1]) : std::optional<int>(linecol::Quantity);
    if (parts.size() > 2 || !line || *line < 1 || !column || *column < 0 || *column >= linecol::Count) {
        error = u"line: needs a line number and an optional column 0 to 45 (line:N or line:N:C)"_qs;
        return nullptr;
    }
    return std::make_unique<ExistingLine>(*line, *column);
}

std::unique_ptr<ScriptOpening> parseRates(const QString &argument, QString &error)
{
    const qsizetype colon = argument.indexOf(u':');
    const std::optional<int> row = wholeNumber(argument.left(colon));
    const QString name = colon < 0 ? QString() : argument.mid(colon + 1);
    if (!row || *row < 1 || name.isEmpty()) {
        error = u"rates: needs an item row and an expense row name (rates:ROW:NAME)"_qs;
        return nullptr;
    }
    return std::make_unique<ItemRates>(*row, name);
}

} // namespace

void ScriptOpening::closed(EstimateDocument &, Host &) {}

const std::vector<ScriptOpeningKind> &scriptOpenings()
{
    static const std::vector<ScriptOpeningKind> kinds{
        {u"new"_qs, parseNew},
        {u"line"_qs, parseLine},
        {u"rates"_qs, parseRates},
        {u"pick"_qs, parsePickOpening},
    };
    return kinds;
}

std::unique_ptr<ScriptOpening> parseScriptOpening(const QString &cell, QString &error)
{
    const qsizetype colon = cell.indexOf(u':');
    const QString prefix = cell.left(colon);
    for (const ScriptOpeningKind &kind : scriptOpenings())
        if (colon > 0 && kind.prefix == prefix)
            return kind.parse(cell.mid(colon + 1), error);
    QStringList known;
    for (const ScriptOpeningKind &kind : scriptOpenings())
        known.append(kind.prefix + u':');
    error = u"unknown opening \"%1\" (%2)"_qs.arg(cell, known.join(u", "));
    return nullptr;
}
