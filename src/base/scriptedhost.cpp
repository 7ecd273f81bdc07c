#include "base/scriptedhost.h"

Host::Button ScriptedHost::message(MessageKind kind, const QString &caption, const QString &text,
                                   int buttons)
{
    Button answer = Ok;
    if (buttons != Ok) {
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        } else {
            answer = defaultAnswer;
        }
    }
    messages.append({kind, caption, text, buttons, answer});
    return answer;
}

std::optional<QString> ScriptedHost::openFileName(const QString &filter)
{
    dialogFilters.append(filter);
    if (openNames.empty())
        return std::nullopt;
    std::optional<QString> name;
    name.swap(openNames.front());
    openNames.pop_front();
    return name;
}

std::optional<QString> ScriptedHost::saveFileName(const QString &filter, const QString &presetName)
{
    dialogFilters.append(filter);
    savePresets.append(presetName);
    if (saveNames.empty())
        return std::nullopt;
    std::optional<QString> name;
    name.swap(saveNames.front());
    saveNames.pop_front();
    return name;
}

void ScriptedHost::silentStop(const QString &where, const QString &text)
{
    silentStops.append(where + u": "_qs + text);
}

QStringList ScriptedHost::messageTexts() const
{
    QStringList texts;
    for (const Shown &m : messages)
        texts.append(m.text);
    return texts;
}
