#include "entry/keypadprompt.h"

#include "base/host.h"
#include "estimate/document.h"

namespace keypadprompt {

std::optional<QString> ask(EstimateDocument &doc, Host &host, const QString &preset, bool pointKey, bool marksChange)
{
    doc.keypadText = preset;
    const std::optional<QString> typed = host.keypad(preset, pointKey);
    if (!typed) {
        doc.keypadText.clear();
        return std::nullopt;
    }
    doc.keypadText = *typed;
    if (marksChange) {
        doc.kidou = 1;
        doc.controls.Button2.enabled = true;
    }
    return doc.keypadText;
}

} // namespace keypadprompt
