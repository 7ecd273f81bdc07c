#pragma once

#include <QString>

#include <optional>

class EstimateDocument;
class Host;

// How operations ask the user for one number on the numeric keypad window.
namespace keypadprompt {

// Shows the keypad with `preset` in its display (the "." key disabled unless `pointKey`) and
// returns what it leaves in its display, the exchange cell doc.keypadText; nullopt when it was
// cancelled (the display is then empty: callers that only read the display take empty as
// "nothing entered"). Its "登録" marks the estimate changed and enables "保存", unless
// `marksChange` is false (the stock window's quantities).
std::optional<QString> ask(EstimateDocument &doc, Host &host, const QString &preset = {}, bool pointKey = true,
                           bool marksChange = true);

// A settings field typed on the keypad (the NET rate Edit56 without a decimal point, the
// social-insurance rate Edit57 with one): the field is empty while the keypad is open and takes
// what was entered, or its old text when nothing was.
void typeIntoSetting(EstimateDocument &doc, Host &host, QString &field, bool pointKey);

} // namespace keypadprompt
