#pragma once

#include <QString>

#include <optional>

class EstimateDocument;
class Host;

// The per-line cost calculation: derived amounts (columns 23 to 33) and adjusted rates of every
// estimate line.
namespace linecalc {

// "StringGrid1の再計算": recomputes lines 1 to st1count in order. Stops silently at the first cell
// that is not a number (rows before it updated, the failing row up to the failing step, rows
// after it untouched), reporting the stop to the host. Returns true when every line was done.
bool recalculateAll(EstimateDocument &doc, Host &host);

// "提出率変更の再計算": writes the keypad text into the cell (rafu2, rafu1) and recalculates.
bool lineEdit(EstimateDocument &doc, Host &host);

// The data-entry window's fields for one line at registration.
struct EntryFields {
    QString codeClass;          // C
    QString kind;               // "品種区分"
    QString quantity;           // Edit9
    QString allowance;          // Edit18
    QString price;              // Edit11
    QString factor;             // Edit12
    QString accessory;          // Edit13
    QString mounting;           // Edit14
    QString painting;           // Edit15
    QString ceiling;            // Edit16
    QString compression;        // Edit19
    QString submission;         // Edit20
    QString paintingSubmission; // Edit26, the item's painting submission rate
};

// What registration writes into the line's cells, as text.
struct EntryResult {
    QString quantity;    // column 10 (changed only when entered on the estimate sheet)
    QString corrected;   // 23
    QString labour;      // 24
    QString accessoryCost; // 25
    QString mountingCost;  // 26
    QString paintingCost;  // 27
    QString ceilingCost;   // 28
    QString material;      // 29
    QString compressed;    // 30
    QString submittedPrice; // 31
    QString submitted;      // 32
    std::optional<QString> consumables; // 33, only for the consumables classes
};

struct EntryContext {
    double roumutanka = 0;
    double zatuzaihi = 0;
    bool decimals = false;     // CheckBox7
    bool onSheet = false;      // entered or edited from the estimate sheet: the typed quantity is
                               // the corrected quantity
};

// The registration calculation of one line. Differences from the whole-table recalculation: the
// window's fields are read, no copper base, no A-material rounding, the compressed amount rounds to
// even, and a comment line ("注釈行") gets no calculation (nullopt). Throws ConversionError.
std::optional<EntryResult> calculateEntry(const EntryFields &fields, const EntryContext &context);

// "提出単価の再計算": the text of the data-entry window's status label, or nullopt when the unit
// price or the submission rate is empty. Throws ConversionError.
std::optional<QString> submittedPricePreview(const QString &price, const QString &submission);

} // namespace linecalc
