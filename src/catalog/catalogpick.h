#pragma once

#include <QList>
#include <QString>

#include <optional>
#include <utility>

class EstimateDocument;
class Host;
struct EntryForm;

// Picking a material from the catalog list: what the data entry window is filled with.
namespace catalogpick {

// The opening of the data entry window for a new line: its fields by object name, in the order
// they are written, and its status line.
struct EntryOpening {
    QList<std::pair<QString, QString>> fields;
    QString status;                // Label28
    unsigned statusColour = 0xB1D7F8;
    bool clearNameList = true;     // the drop-down list of ComboBox5 is emptied

    // The text given to a field, or nullopt when the opening leaves it as it is.
    std::optional<QString> field(const QString &name) const;
};

// A double-click on the list at its current row (doc.catalog.row): the cell last pressed goes into
// the bulk rewrite's text box and the row number into the status line; in the edit mode nothing
// more happens. Otherwise the material of the row is handed over (in the unregistered mode, the
// code position of the row pressed, for a new unregistered material). A unit price or submission
// rate that is not a number is shown as a conversion error and nothing opens.
std::optional<EntryOpening> pick(EstimateDocument &doc, Host &host);

// The opening of the data entry window for the material in list row `row`, as a pick in the
// normal mode makes it (the list's blank rates become "100" and a blank price "0"). Throws
// ConversionError.
EntryOpening materialOpening(EstimateDocument &doc, int row);

// Fills the data entry window's form with a pick's opening and opens it for a new line under the
// current item (the form then marks the line as new).
void openEntry(EntryForm &f, const EstimateDocument &doc, const EntryOpening &opening);

// "未登録品" / "キャンセル" (Button101): the unregistered mode on or off.
void toggleUnregistered(EstimateDocument &doc);

// The data entry window has closed after a pick: both catalog windows are hidden.
void entryClosed(EstimateDocument &doc);

} // namespace catalogpick
