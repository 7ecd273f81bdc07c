#include "entry/entryfields.h"

#include "entry/entryactivation.h"
#include "entry/entryform.h"
#include "entry/entrykeys.h"

namespace entryfields {

namespace {

// Fields whose click makes them the keypad's target, with their code.
int clickCode(QStringView name)
{
    static constexpr std::pair<QStringView, int> codes[] = {
        {u"Edit1", 1},   {u"Edit2", 2},   {u"Edit3", 3},   {u"Edit4", 4},   {u"Edit8", 8},
        {u"Edit13", 13}, {u"Edit14", 14}, {u"Edit15", 15}, {u"Edit16", 16}, {u"Edit18", 18},
        {u"Edit19", 19}, {u"Edit20", 20}, {u"Edit22", 22}, {u"Edit26", 26}, {u"Edit27", 27},
        {u"Edit28", 28}, {u"Edit29", 29}, {u"Edit31", 31}, {u"Edit32", 32}, {u"Edit33", 33},
        {u"Edit35", 35}, {u"Edit17", 17}, {u"Edit23", 17}};
    for (const auto &[n, code] : codes)
        if (n == name)
            return code;
    return 0;
}

// Double-click empties: the click fields above and these.
bool emptiedByDoubleClick(QStringView name)
{
    return (clickCode(name) != 0 && name != u"Edit23") || name == u"Edit7" || name == u"Edit12"
        || name == u"ComboBox5";
}

bool isDigit(QChar key)
{
    return key >= u'0' && key <= u'9';
}

} // namespace

void click(EntryForm &f, QStringView name)
{
    if (name == u"Edit8")
        entryactivation::restore(f);
    if (const int code = clickCode(name)) {
        f.t_no = code;
        return;
    }
    if (name == u"Edit5" || name == u"Edit21") {
        f.focus = u"Button14"_qs;
    } else if (name == u"Edit7") {
        entryactivation::restore(f);
        f.t_no = 7;
        f.setRed(EntryForm::Panel4);
    } else if (name == u"Edit9") {
        entryactivation::restore(f);
        f.t_no = 9;
        f.setRed(EntryForm::Panel6);
        f.Edit25 = f.Edit9;
        f.Edit9.clear();
    } else if (name == u"ComboBox6") {
        f.t_no = 10;
    } else if (name == u"Edit11") {
        entryactivation::restore(f);
        f.t_no = 11;
        f.setRed(EntryForm::Panel8);
        f.Edit11.clear();
    } else if (name == u"Edit12") {
        entryactivation::restore(f);
        f.t_no = 12;
        f.setRed(EntryForm::Panel9);
        f.Edit25 = f.Edit12;
        f.Edit12.clear();
    }
}

void doubleClick(EntryForm &f, QStringView name)
{
    if (name == u"Edit23") {
        f.Edit23 = u"通常品"_qs;
    } else if (name == u"Edit9") {
        f.Edit9.clear();
        f.ten = 0;
        f.Edit25.clear();
    } else if (name == u"ComboBox6") {
        f.ComboBox6.clear();
        f.ten = 0;
        f.t_no = 10;
        f.setRed(EntryForm::Panel7);
    } else if (name == u"Edit11") {
        f.t_no = 11;
        f.Edit11.clear();
        f.Edit6.clear();
        f.ten = 0;
        f.Edit25.clear();
        f.focus = u"Edit11"_qs;
    } else if (emptiedByDoubleClick(name)) {
        f.field(name)->clear();
        f.ten = 0;
    }
}

void enter(EntryForm &f, QStringView name, bool noWrap)
{
    if (name == u"ComboBox5") {
        entryactivation::restore(f);
        entryactivation::splitName(f, noWrap);
        f.t_no = 9;
        f.setRed(EntryForm::Panel3);
    } else if (name == u"ComboBox6") {
        entryactivation::restore(f);
        f.t_no = 10;
        f.setRed(EntryForm::Panel7);
    }
}

void leave(EntryForm &f, QStringView name, bool noWrap)
{
    if (name == u"Edit7") {
        entryactivation::splitSpecification(f, noWrap);
        f.Edit25.clear();
    } else if (name == u"ComboBox5") {
        entryactivation::splitName(f, noWrap);
        f.Edit25.clear();
    } else if (name == u"Edit9" || name == u"Edit6") {
        f.Label47 = false;
    } else if (name == u"Edit11") {
        f.Edit6 = entrykeys::formattedPrice(f.Edit11);
        f.Edit6Shown = true;
    } else if (name == u"Edit12") {
        if (f.Edit12.startsWith(u'.'))
            f.Edit12.prepend(u'0');
    }
}

void mouseDown(EntryForm &f, QStringView name)
{
    if (name == u"Edit10" || name == u"Edit38") {
        // The name halves give the name back for editing.
        f.t_no = 6;
        f.setRed(EntryForm::Panel3);
        f.focus = u"ComboBox5"_qs;
        f.Panel43 = false;
    } else if (name == u"Edit36" || name == u"Edit37") {
        f.t_no = 7;
        f.setRed(EntryForm::Panel4);
        f.focus = u"Edit7"_qs;
        f.Panel42 = false;
    } else if (name == u"Edit6") {
        entryactivation::restore(f);
        f.Edit25 = f.Edit6;
        f.Edit6.clear();
        f.Edit11.clear();
        f.Edit6Shown = false;
        f.t_no = 11;
        f.setRed(EntryForm::Panel8);
        f.focus = u"Edit11"_qs;
    }
}

void mouseEnter(EntryForm &f, QStringView name)
{
    if (name == u"Edit36") {
        entryactivation::restore(f);
        f.t_no = 7;
        f.setRed(EntryForm::Panel4);
    }
}

bool keyDown(EntryForm &f, QStringView name, bool enter)
{
    if (name == u"Edit7") {
        entryactivation::restore(f);
        if (!enter)
            return false;
        f.t_no = 9;
        f.setRed(EntryForm::Panel6);
        f.focus = u"Edit9"_qs;
        return true;
    }
    if (name == u"Edit11") {
        f.Edit6Shown = true;
        f.t_no = 11;
        f.setRed(EntryForm::Panel8);
    }
    if (!enter)
        return false;
    if (name == u"ComboBox5") {
        f.t_no = 7;
        f.setRed(EntryForm::Panel4);
        f.Panel42 = false;
        f.focus = u"Edit7"_qs;
        f.ten = 0;
    } else if (name == u"Edit9") {
        if (f.Edit9.isEmpty())
            return false;
        f.t_no = 10;
        f.setRed(EntryForm::Panel7);
        f.focus = u"ComboBox6"_qs;
    } else if (name == u"ComboBox6") {
        f.t_no = 11;
        f.setRed(EntryForm::Panel8);
        f.Edit6Shown = false;
        f.focus = u"Edit11"_qs;
    } else if (name == u"Edit11") {
        f.t_no = 12;
        f.setRed(EntryForm::Panel9);
        f.focus = u"Edit12"_qs;
    } else if (name == u"Edit12") {
        f.focus = u"Button14"_qs;
    } else if (name == u"Edit19") {
        f.focus = u"Edit20"_qs;
    } else {
        return false;
    }
    return true;
}

void keyUp(EntryForm &f, QStringView name)
{
    if (name == u"Edit11")
        f.Edit6 = entrykeys::formattedPrice(f.Edit11);
}

KeyAction priceKey(EntryForm &f, QChar key, bool backspace)
{
    if (key == u'.' && f.Edit11.isEmpty())
        return KeyAction::Drop;
    if (f.ten == 1 && f.Edit11.isEmpty())
        f.ten = 0;
    const bool allowed = backspace || isDigit(key) || (f.ten == 0 && key == u'.');
    if (!allowed)
        return KeyAction::Drop;
    // A lone "0" is taken away by the next key, so that a price never starts with "0".
    if (f.Edit11 == u"0") {
        f.Edit11.clear();
        return KeyAction::Drop;
    }
    if (key == u'.')
        f.ten = 1;
    return KeyAction::Pass;
}

KeyAction factorKey(EntryForm &f, QChar key, bool backspace)
{
    if (key == u'.' && f.Edit12 == u".")
        return KeyAction::Drop;
    if (key == u'.' && f.Edit12.isEmpty()) {
        f.ten = 1;
        return KeyAction::Pass;
    }
    if (f.ten == 1 && (f.Edit12.isEmpty() || f.Edit12 == u"0"))
        f.ten = 0;
    const bool allowed = backspace || isDigit(key) || (f.ten == 0 && key == u'.');
    if (!allowed)
        return KeyAction::Drop;
    if (backspace)
        return KeyAction::Pass;
    // A factor below one: the key after a lone "0" becomes the point.
    if (f.ten == 0 && f.Edit12 == u"0") {
        f.ten = 1;
        return KeyAction::PassAsPoint;
    }
    if (key == u'.')
        f.ten = 1;
    return KeyAction::Pass;
}

void typed(EntryForm &f, QStringView name, const QString &text)
{
    QString *field = f.field(name);
    if (!field)
        return;
    *field = text;
    if (name == u"Edit11")
        f.Edit6 = entrykeys::formattedPrice(text);
}

} // namespace entryfields
