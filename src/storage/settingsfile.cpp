#include "storage/settingsfile.h"

#include "base/conversionerror.h"
#include "base/host.h"
#include "base/numbers.h"
#include "estimate/document.h"
#include "estimate/linecalculation.h"
#include "estimate/settingscontrols.h"
#include "estimate/settingsrules.h"
#include "storage/filenames.h"
#include "storage/hostfiles.h"
#include "storage/programfiles.h"

#include <vector>

namespace settingsfile {

namespace {

const QString standardFileName = u"setutei.kxt"_qs;

enum class Rule {
    Text,             // as stored
    Check,            // "1" sets, "0" clears, other text leaves the box
    CheckBlankClears, // "1" sets; "0", a space or empty clears
    CheckInverted,    // stored as "0" when set; blank counts as "0"
    Default,          // blank gives the fallback
    DefaultOrZero,    // blank or "0" gives the fallback
    Era,              // blank gives the fallback; the era label, Edit59 and gengou take it
    Unused,           // written empty, ignored when read
};

struct Line {
    const SettingsControl *control;
    Rule rule;
    QString fallback;
};

std::vector<Line> buildTable()
{
    std::vector<Line> t;
    auto add = [&t](QStringView name, Rule rule = Rule::Text, QString fallback = {}) {
        const SettingsControl *c = findSettingsControl(name);
        Q_ASSERT(c);
        t.push_back({c, rule, std::move(fallback)});
    };
    auto range = [&add](QStringView prefix, int first, int last, Rule rule = Rule::Text) {
        for (int i = first; i <= last; ++i)
            add(prefix.toString() + QString::number(i), rule);
    };
    range(u"Edit", 2, 21);                        // 0 to 19
    add(u"Edit30");                               // 20
    add(u"CheckBox1", Rule::Check);               // 21
    range(u"ComboBox", 1, 34);                    // 22 to 55
    range(u"ComboBox", 36, 38);                   // 56 to 58
    add(u"CheckBox2", Rule::Check);               // 59
    for (int row = 0; row < 4; ++row) {           // 60 to 71
        add(u"Edit%1"_qs.arg(32 + row));
        add(u"Edit%1"_qs.arg(36 + row));
        add(u"Edit%1"_qs.arg(40 + row));
    }
    range(u"CheckBox", 3, 6, Rule::Check);        // 72 to 75
    t.push_back({nullptr, Rule::Unused, {}});     // 76
    range(u"Edit", 45, 49);                       // 77 to 81
    range(u"CheckBox", 7, 9, Rule::Check);        // 82 to 84
    add(u"Edit50");                               // 85
    add(u"ComboBox41");                           // 86
    add(u"ComboBox42", Rule::Default, u"1"_qs);   // 87
    add(u"Edit52", Rule::Default, u"労 務 費"_qs); // 88
    range(u"CheckBox", 10, 12, Rule::Check);      // 89 to 91
    add(u"Edit51", Rule::Default, u"8"_qs);       // 92
    add(u"CheckBox13", Rule::Check);              // 93
    add(u"CheckBox14", Rule::Check);              // 94
    add(u"CheckBox16", Rule::Check);              // 95
    add(u"Edit31", Rule::Default, u" 金"_qs);     // 96
    range(u"CheckBox", 17, 20, Rule::Check);      // 97 to 100
    add(u"Edit57", Rule::Default, u"15.5"_qs);    // 101
    add(u"Edit56", Rule::Default, u"100"_qs);     // 102
    add(u"CheckBox21", Rule::Check);              // 103
    add(u"RadioButton3", Rule::Check);            // 104
    t.push_back({nullptr, Rule::Unused, {}});     // 105
    add(u"Label56", Rule::Era, u"令和"_qs);       // 106
    add(u"CheckBox22", Rule::CheckBlankClears);   // 107
    add(u"ComboBox39", Rule::DefaultOrZero, u"100"_qs); // 108
    add(u"CheckBox23", Rule::CheckBlankClears);   // 109
    add(u"CheckBox24", Rule::Check);              // 110
    add(u"Edit61", Rule::DefaultOrZero, u"積算"_qs);    // 111
    add(u"Label173", Rule::DefaultOrZero, u"15"_qs);    // 112
    add(u"Label174", Rule::DefaultOrZero, u"15"_qs);    // 113
    add(u"Label167", Rule::DefaultOrZero, u"13"_qs);    // 114
    add(u"ComboBox47", Rule::DefaultOrZero, u"9"_qs);   // 115
    add(u"ComboBox48", Rule::Default, u"14"_qs);  // 116
    add(u"CheckBox25", Rule::CheckInverted);      // 117
    add(u"Edit62", Rule::Default, u"800"_qs);     // 118
    Q_ASSERT(t.size() == size_t(standardLineCount));
    return t;
}

const std::vector<Line> &table()
{
    static const std::vector<Line> t = buildTable();
    return t;
}

QString written(const Line &line, const Settings &s)
{
    switch (line.rule) {
    case Rule::Unused:
        return {};
    case Rule::CheckInverted:
        return line.control->isSet(s) ? u"0"_qs : u"1"_qs;
    default: {
        // One value per line: a line break inside a value would shift every line after it.
        QString value = line.control->value(s);
        value.replace(u'\r', u' ').replace(u'\n', u' ');
        return value;
    }
    }
}

void setCheck(const SettingsControl &c, Settings &s, const QString &text, bool blankClears)
{
    if (text == u"1")
        c.setFlag(s, true);
    else if (text == u"0" || (blankClears && num::isBlank(text)))
        c.setFlag(s, false);
}

void applyLine(EstimateDocument &doc, const Line &line, const QString &text)
{
    Settings &s = doc.settings;
    switch (line.rule) {
    case Rule::Unused:
        return;
    case Rule::Text:
        line.control->setValue(s, text);
        return;
    case Rule::Check:
        setCheck(*line.control, s, text, false);
        return;
    case Rule::CheckBlankClears:
        setCheck(*line.control, s, text, true);
        return;
    case Rule::CheckInverted: {
        const QString stored = num::isBlank(text) ? u"0"_qs : text;
        if (stored == u"0")
            line.control->setFlag(s, true);
        else if (stored == u"1")
            line.control->setFlag(s, false);
        return;
    }
    case Rule::Default:
        line.control->setValue(s, num::isBlank(text) ? line.fallback : text);
        return;
    case Rule::DefaultOrZero:
        line.control->setValue(s, num::isBlank(text) || text == u"0" ? line.fallback : text);
        return;
    case Rule::Era: {
        const QString era = num::isBlank(text) ? line.fallback : text;
        s.Label56 = era;
        s.Edit59 = era;
        doc.gengou = era;
        return;
    }
    }
}

// What the line sets besides its control.
void afterLine(EstimateDocument &doc, int index)
{
    const Settings &s = doc.settings;
    switch (index) {
    case 16:
        doc.zatuzaihi = double(num::toNumber(s.Edit18));
        break;
    case 17:
        doc.genbazatupiritu = double(num::toInteger(s.Edit19));
        break;
    case 18:
        doc.syokeihiritu = double(num::toInteger(s.Edit20));
        break;
    case 19:
        doc.roumutanka = double(num::toInteger(s.Edit21));
        break;
    case 85:
        settingsrules::takeDataFolder(doc);
        break;
    default:
        break;
    }
}

// Reads a settings file's lines into the document, then what every settings read does after it.
bool readInto(EstimateDocument &doc, Host &host, const QString &path, int lineCount)
{
    const std::optional<QStringList> read = hostfiles::readLines(host, path);
    if (!read)
        return false;
    try {
        apply(doc, *read, lineCount);
        doc.kidou = 0;
        doc.buttonsw = 0;
        settingsrules::takeRates(doc);
    } catch (const ConversionError &e) {
        host.error(e.message());
        return false;
    }
    settingsrules::takeDataFolder(doc);
    settingsrules::refreshLabourCaption(doc);
    settingsrules::syncDependentControls(doc);
    return true;
}

// Writes a settings file, then takes the rates and the data folder and recalculates every line.
bool writeAndTake(EstimateDocument &doc, Host &host, const QString &path, int lineCount)
{
    if (!hostfiles::writeLines(host, path, lines(doc.settings, lineCount)))
        return false;
    // The sound is the user's sign that the file was saved, so it follows the write.
    host.playSound(filenames::completionSound(doc.strFilePath));
    try {
        settingsrules::takeRates(doc);
    } catch (const ConversionError &e) {
        host.error(e.message());
        return false;
    }
    settingsrules::takeDataFolder(doc);
    linecalc::recalculateAll(doc, host);
    return true;
}

} // namespace

QStringList lines(const Settings &settings, int lineCount)
{
    QStringList out;
    out.reserve(lineCount);
    for (int i = 0; i < lineCount; ++i)
        out.append(written(table()[size_t(i)], settings));
    return out;
}

void apply(EstimateDocument &doc, const QStringList &lines, int lineCount)
{
    for (int i = 0; i < lineCount; ++i) {
        applyLine(doc, table()[size_t(i)], i < lines.size() ? lines[i] : QString());
        afterLine(doc, i);
    }
}

bool readStandardValues(EstimateDocument &doc, Host &host)
{
    return readInto(doc, host, programfiles::readPath(doc.strFilePath, standardFileName), standardLineCount);
}

bool saveStandardValues(EstimateDocument &doc, Host &host)
{
    if (!host.askYesNo(Host::MessageKind::Information,
                       u"設定した内容を基準値として登録しますか？※今回だけ変更する場合は保存の必要はありません。"_qs))
        return false;
    return writeAndTake(doc, host, programfiles::writePath(doc.strFilePath, standardFileName), standardLineCount);
}

bool saveUserSettings(EstimateDocument &doc, Host &host)
{
    const std::optional<QString> chosen = host.saveFileName(u"kxt|*.kxt"_qs, QString());
    if (!chosen)
        return false;
    return writeAndTake(doc, host, filenames::withExtension(*chosen, u"kxt"), userLineCount);
}

bool readUserSettings(EstimateDocument &doc, Host &host)
{
    const std::optional<QString> chosen = host.openFileName(u"kxt|*.kxt"_qs);
    if (!chosen)
        return false;
    return readInto(doc, host, *chosen, userLineCount);
}

} // namespace settingsfile
