#pragma once

#include "entry/scriptopenings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class EstimateDocument;
class Host;
struct EntryForm;

// Entry scripts: a tab-separated table whose every line opens the data entry window, types into
// its fields and presses its buttons, as an estimator would (solvara-cli register). This is how
// estimates are filled from a spreadsheet export with the Japanese field titles.
namespace entryscript {

struct Entry {
    int line = 0; // line of the file, 1 for the column names
    std::unique_ptr<ScriptOpening> opening;
    std::vector<std::pair<QString, QString>> fields; // control name, text typed; in column order
    QStringList presses;
};

struct Script {
    std::vector<Entry> entries;
    QString error; // "line N: …" when the file is not a usable script; then there are no entries
};

// Reads a script: UTF-8 when the bytes are valid UTF-8, code page 932 otherwise. Columns: "open"
// (required), the controls Edit1 … Edit35, ComboBox1 … ComboBox6 and CheckBox1 by object name or
// by their labels ("工事項目", "品　　名", "数量", "単　価" …), and "press".
Script parse(const QByteArray &bytes);

// What a run tells its caller besides the host's messages and beeps.
struct Listener {
    std::function<void(int line)> entryStarted;
    std::function<void(int line, const QString &text)> status;  // a text the status line shows
    std::function<void(int line, const QString &text)> problem; // an entry that could not be done
    std::function<void(int line)> entryEnded;
};

// Runs the entries in order on the running estimate, the window's fields and flags carried from
// one entry to the next as the window keeps them. Returns the number of entries whose opening
// could not be done.
int run(std::vector<Entry> &entries, EntryForm &form, EstimateDocument &doc, Host &host, const Listener &listener);

} // namespace entryscript
