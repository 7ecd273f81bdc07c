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

} // namespace keypadprompt
