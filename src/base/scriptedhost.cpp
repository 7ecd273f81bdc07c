#include "base/scriptedhost.h"

namespace {

// The next scripted file name; none (a cancelled dialog) when the script has run out.
std::optional<QString> takeFront(std::deque<std::optional<QString>> &names)
{
    if (names.empty())
        return std::nullopt;
    const bool chosen = names.front().has_value();
    QString name = chosen ? *names.front() : QString();
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
    return takeFront(openNames);
}

std::optional<QString> ScriptedHost::saveFileName(const QString &filter, const QString &presetName)
{
    dialogFilters.append(filter);
    savePresets.append(presetName);
    return takeFront(saveNames);
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
