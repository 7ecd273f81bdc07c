#pragma once

#include <QStringList>

class EstimateDocument;
class Host;

// The estimate file ".kas": five header records, an empty record, one record per item-table row
// and one per estimate line, each of 46 comma-separated fields.
namespace estimatefile {

inline constexpr int fieldCount = 46;

// Every record of the file for the current estimate, joined as lines.
QStringList records(const EstimateDocument &doc);

// What became of a "保存": only Written cleared the modified flag.
struct Saved {
    enum Outcome { Written, NoLines, Cancelled, Failed };
    Outcome outcome;
    explicit operator bool() const { return outcome == Written; }
};

// "保存" (Button2): beeps when there is no line; otherwise asks for a name (preset to the job
// title), writes the file and plays the completion sound. A failed write is shown and leaves the
// modified flag as it was.
Saved save(EstimateDocument &doc, Host &host);

// The file part of "読込": reads doc.Filename into the tables, the settings and the fields. A
// file that cannot be read is shown as an error and leaves the estimate as it was; a number
// field that is not a number is shown as an error and stops the reading there. Returns true when
// the whole file was read.
bool readFile(EstimateDocument &doc, Host &host);

// The part of readFile after the file was read: its records (lines of text) distributed.
bool applyRecords(EstimateDocument &doc, Host &host, const QStringList &file);

// "読込" (Button78): readFile, then afterRead.
bool read(EstimateDocument &doc, Host &host);

// What follows a successful read: the view that buttonsw names is entered again, the item links
// are rebuilt and the estimate sheet is compiled.
void afterRead(EstimateDocument &doc, Host &host);

// "開く" (Button1): offers to save unsaved work first (nothing is discarded unless that save wrote
// the file), lets the user choose a file, reads it and compiles the estimate sheet. Returns true
// when a file was read.
bool open(EstimateDocument &doc, Host &host);

} // namespace estimatefile
