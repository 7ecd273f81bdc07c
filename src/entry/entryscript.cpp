#include "entry/entryscript.h"

#include "entry/earthwork.h"
#include "entry/entryactivation.h"
#include "entry/entryfields.h"
#include "entry/entryform.h"
#include "entry/entrykeys.h"
#include "entry/entryregistration.h"
#include "estimate/document.h"
#include "storage/codepage932.h"
#include "storage/textfile.h"

#include <QStringDecoder>

namespace entryscript {

namespace {

const QString kRegister = u"登録"_qs;
const QString kCancel = u"キャンセル"_qs;
const QString kComment = u"注 釈"_qs;
const QString kEarthwork = u"土工費計算"_qs;

// The labels of the window's fields, as a spreadsheet export titles them.
const std::pair<QStringView, QStringView> labels[] = {
    {u"工事項目", u"Edit22"}, {u"品　　名", u"ComboBox5"}, {u"規　　格", u"Edit7"}, {u"数量", u"Edit9"},
    {u"単位", u"ComboBox6"},  {u"単　価", u"Edit11"},      {u"施工区分", u"Edit17"}, {u"品種区分", u"Edit23"},
    {u"歩掛", u"Edit12"},     {u"補給率", u"Edit18"},      {u"付属率", u"Edit13"},   {u"取付材率", u"Edit14"},
    {u"塗装費", u"Edit15"},   {u"天井歩掛", u"Edit16"},    {u"圧縮率", u"Edit19"},   {u"提出率", u"Edit20"},
};

QString decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return cp932::decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

// The control a column names, or empty.
QString controlOf(const QString &column)
{
    for (const auto &[label, name] : labels)
        if (label == column)
            return name.toString();
    EntryForm form;
    const bool edit = column.startsWith(u"Edit") && column.mid(4).toInt() >= 1 && column.mid(4).toInt() <= 35;
    const bool combo = column.startsWith(u"ComboBox") && column.mid(8).toInt() >= 1 && column.mid(8).toInt() <= 6;
    if ((edit || combo) && form.field(column))
        return column;
    if (column == u"CheckBox1")
        return column;
    return {};
}

bool isKey(const QString &key)
{
    static const QStringList keys = [] {
        QStringList k{u"."_qs, u"+/-"_qs, u"C"_qs, kComment, kEarthwork, kRegister, kCancel};
        for (int d = 0; d <= 9; ++d)
            k.append(QString::number(d));
        return k + entryactivation::kindCaptions();
    }();
    return keys.contains(key);
}

// The presses of a cell; "注 釈" holds a space, so "注" followed by "釈" is that one button.
QStringList presses(const QString &cell)
{
    QStringList out;
    const QStringList words = cell.split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (words[i] == u"注" && i + 1 < words.size() && words[i + 1] == u"釈") {
            out.append(kComment);
            ++i;
        } else {
            out.append(words[i] == u"注釈" ? kComment : words[i]);
        }
    }
    return out.isEmpty() ? QStringList{kRegister} : out;
}

QString at(int line, const QString &text)
{
    return u"line %1: %2"_qs.arg(line).arg(text);
}

// Runs one button of the window; true when it was "登録" and the entry was registered.
bool press(const QString &key, EntryForm &f, EstimateDocument &doc, Host &host)
{
    if (key == kRegister)
        return entryregistration::registerEntry(f, doc, host) == entryregistration::Outcome::Registered;
    if (key == kCancel)
        entryregistration::cancel(f);
    else if (key == kComment)
        entryactivation::commentButton(f, doc);
    else if (key == kEarthwork)
        earthwork::open(f);
    else if (key == u"+/-")
        entrykeys::plusMinus(f, host);
    else if (key == u"C")
        entrykeys::clearKey(f);
    else if (key.size() == 1)
        entrykeys::keypadKey(f, host, key[0]);
    else
        entryactivation::kindButton(f, key);
    return false;
}

void type(EntryForm &f, const QString &name, const QString &text)
{
    if (name == u"CheckBox1") {
        f.CheckBox1 = text == u"1";
        return;
    }
    entryfields::typed(f, name, text);
    if (f.Panel36 && name.startsWith(u"ComboBox") && name.mid(8).toInt() <= 4)
        earthwork::calculate(f);
}

} // namespace

Script parse(const QByteArray &bytes)
{
    Script script;
    const QStringList rows = textfile::splitLines(decode(bytes));
    auto fail = [&script](int line, const QString &text) {
        script.entries.clear();
        script.error = at(line, text);
        return std::move(script);
    };
    if (rows.isEmpty())
        return fail(1, u"the file is empty: the first line names the columns"_qs);
    const QStringList header = rows[0].split(u'\t');
    int openColumn = -1, pressColumn = -1;
    QStringList controls;
    for (qsizetype c = 0; c < header.size(); ++c) {
        const QString name = header[c].trimmed();
        QString control;
        if (name == u"open") {
            openColumn = int(c);
        } else if (name == u"press") {
            pressColumn = int(c);
        } else if (control = controlOf(name); control.isEmpty()) {
            return fail(1, u"unknown column \"%1\""_qs.arg(name));
        }
        if (!control.isEmpty() && controls.contains(control))
            return fail(1, u"column \"%1\" names %2 a second time"_qs.arg(name, control));
        controls.append(control);
    }
    if (openColumn < 0)
        return fail(1, u"no \"open\" column"_qs);

    for (qsizetype r = 1; r < rows.size(); ++r) {
        const int line = int(r) + 1;
        if (rows[r].trimmed().isEmpty())
            continue;
        const QStringList cells = rows[r].split(u'\t');
        if (cells.size() > header.size())
            return fail(line, u"%1 cells for %2 columns"_qs.arg(cells.size()).arg(header.size()));
        Entry entry;
        entry.line = line;
        QString error;
        entry.opening = parseScriptOpening(cells.value(openColumn).trimmed(), error);
        if (!entry.opening)
            return fail(line, error);
        for (qsizetype c = 0; c < cells.size(); ++c) {
            if (controls[c].isEmpty() || cells[c].isEmpty())
                continue;
            if (controls[c] == u"CheckBox1" && cells[c] != u"0" && cells[c] != u"1")
                return fail(line, u"CheckBox1 takes 0 or 1, not \"%1\""_qs.arg(cells[c]));
            entry.fields.emplace_back(controls[c], cells[c]);
        }
        entry.presses = presses(pressColumn >= 0 ? cells.value(pressColumn) : QString());
        for (const QString &key : entry.presses)
            if (!isKey(key))
                return fail(line, u"unknown button \"%1\""_qs.arg(key));
        script.entries.push_back(std::move(entry));
    }
    return script;
}

int run(std::vector<Entry> &entries, EntryForm &form, EstimateDocument &doc, Host &host, const Listener &listener)
{
    int failed = 0;
    for (Entry &entry : entries) {
        listener.entryStarted(entry.line);
        QString shown;
        auto showStatus = [&] {
            if (!form.Label28.isEmpty() && form.Label28 != shown)
                listener.status(entry.line, form.Label28);
            shown = form.Label28;
        };
        form.closing = false;
        if (const QString problem = entry.opening->open(form, doc, host); !problem.isEmpty()) {
            listener.problem(entry.line, problem);
            ++failed;
            listener.entryEnded(entry.line);
            continue;
        }
        entryactivation::activate(form, host, doc.settings.CheckBox23);
        showStatus();
        for (const auto &[name, text] : entry.fields)
            type(form, name, text);
        bool registered = false;
        for (const QString &key : entry.presses) {
            if (form.closing) {
                listener.problem(entry.line, u"the window has closed: \"%1\" was not pressed"_qs.arg(key));
                break;
            }
            registered = press(key, form, doc, host);
            showStatus();
        }
        if (!form.closing)
            listener.problem(entry.line, u"not registered: the window was left with the entry open"_qs);
        entryactivation::closed(form);
        if (registered)
            entry.opening->closed(doc, host);
        form.closing = false;
        listener.entryEnded(entry.line);
    }
    return failed;
}

} // namespace entryscript
