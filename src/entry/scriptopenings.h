#pragma once

#include <QString>

#include <memory>
#include <vector>

class EstimateDocument;
class Host;
struct EntryForm;

// The ways an entry script ("solvara-cli register") opens the data entry window, each named by the
// prefix of its "open" cell: "new:ITEM", "line:N[:C]", "rates:ROW:NAME". Another way of opening is
// one class and one line in scriptOpenings().
class ScriptOpening
{
public:
    virtual ~ScriptOpening() = default;

    // Fills the form as the window that opens it does, before the window is shown. Returns an
    // empty text, or why the opening could not be done (nothing was opened).
    virtual QString open(EntryForm &f, EstimateDocument &doc, Host &host) = 0;
    // After the window closed.
    virtual void closed(EstimateDocument &doc, Host &host);
};

struct ScriptOpeningKind {
    QString prefix;
    // Reads the text after "prefix:"; sets `error` when it is not usable.
    std::unique_ptr<ScriptOpening> (*parse)(const QString &argument, QString &error);
};

// Every kind of opening.
const std::vector<ScriptOpeningKind> &scriptOpenings();

// The opening named by an "open" cell; nullptr with `error` set when it names none.
std::unique_ptr<ScriptOpening> parseScriptOpening(const QString &cell, QString &error);
