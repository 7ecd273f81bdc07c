#include "base/scriptedhost.h"

namespace {

std::optional<QString> takeFirst(std::deque<std::optional<QString>> &names)
{
    const bool chosen = names.front().has_value();
    const QString name = chosen ? *names.front() : QString();
    names.pop_front();
    if (!chosen)
        return std::nullopt;
    return name;
}

} // namespace

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
    return takeFirst(openNames);
}

std::optional<QString> ScriptedHost::saveFileName(const QString &filter, const QString &presetName)
{
    dialogFilters.append(filter);
    savePresets.append(presetName);
    if (saveNames.empty())
        return std::nullopt;
    return takeFirst(saveNames);
}

std::optional<QString> ScriptedHost::folderName(const QString &title)
{
    dialogFilters.append(title);
    if (folderNames.empty())
        return std::nullopt;
    return takeFirst(folderNames);
}

void ScriptedHost::silentStop(const QString &where, const QString &text)
{
    silentStops.append(where + u": "_qs + text);
}

std::optional<QString> ScriptedHost::keypad(const QString &preset, bool pointKey)
{
    keypadShown.append({preset, pointKey});
    return keypadAnswers.empty() ? std::nullopt : takeFirst(keypadAnswers);
}

std::optional<QString> ScriptedHost::unitChoice()
{
    ++unitShown;
    return unitAnswers.empty() ? std::nullopt : takeFirst(unitAnswers);
}

std::optional<QString> ScriptedHost::copperBaseChoice(const QString &current)
{
    copperBaseShown.append(current);
    return copperBaseAnswers.empty() ? std::nullopt : takeFirst(copperBaseAnswers);
}

QStringList ScriptedHost::messageTexts() const
{
    QStringList texts;
    for (const Shown &m : messages)
        texts.append(m.text);
    return texts;
}
