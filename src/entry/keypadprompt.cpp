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

void typeIntoSetting(EstimateDocument &doc, Host &host, QString &field, bool pointKey)
{
    const QString old = field;
    field.clear();
    doc.notifyChanged();
    const QString typed = ask(doc, host, {}, pointKey).value_or(QString());
    field = typed.isEmpty() ? old : typed;
    doc.keypadText.clear();
    doc.notifyChanged();
}

} // namespace keypadprompt
