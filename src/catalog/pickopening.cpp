#include "catalog/pickopening.h"

#include "catalog/catalogfile.h"
#include "catalog/catalogmenu.h"
#include "catalog/catalogpick.h"
#include "estimate/columns.h"
#include "estimate/document.h"
#include "estimate/views.h"
#include "items/itemtree.h"

namespace {

class PickOpening : public ScriptOpening
{
public:
    PickOpening(QString code, int button, int row, QString item)
        : m_code(std::move(code)), m_button(button), m_row(row), m_item(std::move(item))
    {
    }

    QString open(EntryForm &f, EstimateDocument &doc, Host &host) override
    {
        if (!m_item.isEmpty()) {
            if (QString problem = chooseItem(doc, host); !problem.isEmpty())
                return problem;
        }
        // The menu, the button and the list, as the catalog window loads them; a file that cannot
        // be read has been named in a message.
        if (!catalogmenu::readButtons(doc, host, m_code) || !catalogmenu::loadList(doc, host, m_button))
            return u"pick: the list of button %1 of menu %2 was not loaded"_qs.arg(m_button).arg(m_code);
        CatalogState &k = doc.catalog;
        if (m_row >= k.list.rowCount())
            return u"pick: the list has no row %1 (it has %2)"_qs.arg(m_row).arg(k.list.rowCount() - 1);
        k.controls.Panel14.visible = true;
        k.row = k.ny3 = k.uy3 = m_row;
        k.nx3 = k.col = 4;
        const std::optional<catalogpick::EntryOpening> opening = catalogpick::pick(doc, host);
        if (!opening)
            return u"pick: row %1 was not picked"_qs.arg(m_row);
        catalogpick::openEntry(f, doc, *opening);
        return {};
    }

    void closed(EstimateDocument &doc, Host &) override { catalogpick::entryClosed(doc); }

private:
    // The item made current as a click on it in the tree does, and its lines shown.
    QString chooseItem(EstimateDocument &doc, Host &host)
    {
        for (int r = 1; r <= doc.tree_count; ++r) {
            if (doc.items.cell(itemcol::Name, r) != m_item && doc.items.cell(itemcol::Bare, r) != m_item)
                continue;
            itemtree::choose(doc, r - 1);
            doc.koumokumei = doc.items.cell(itemcol::Name, r);
            doc.controls.Label18.text = doc.koumokumei;
            views::itemView(doc, host);
            return {};
        }
        return u"no item named \"%1\""_qs.arg(m_item);
    }

    QString m_code;
    int m_button;
    int m_row;
    QString m_item;
};

} // namespace

std::unique_ptr<ScriptOpening> parsePickOpening(const QString &argument, QString &error)
{
    const QStringList parts = argument.split(u':');
    bool buttonOk = false, rowOk = false;
    const int button = parts.value(1).toInt(&buttonOk);
    const int row = parts.value(2).toInt(&rowOk);
    if (parts.size() < 3 || !catalogfile::isCode(parts[0]) || !buttonOk || button < 1 || button > 20 || !rowOk
        || row < 1) {
        error = u"pick: needs a menu code, a button 1 to 20, a list row and an optional item (pick:CODE:BUTTON:ROW[:ITEM])"_qs;
        return nullptr;
    }
    return std::make_unique<PickOpening>(parts[0], button, row, parts.mid(3).join(u':'));
}
