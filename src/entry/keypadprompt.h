#pragma once

#include <QString>

class EstimateDocument;
class Host;

// How operations ask the user for one number on the numeric keypad window.
namespace keypadprompt {

// Shows the keypad with `preset` in its display (the "." key disabled unless `pointKey`) and
// returns what it leaves in its display, the exchange cell doc.keypadText: empty when nothing was
// entered. Its "登録" marks the estimate changed and enables "保存", unless `marksChange` is false
// (the stock window's quantities).
QString ask(EstimateDocument &doc, Host &host, const QString &preset = {}, bool pointKey = true,
            bool marksChange = true);

} // namespace keypadprompt
