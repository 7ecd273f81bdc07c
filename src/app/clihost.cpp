#include "app/clihost.h"

Host::Button CliHost::message(MessageKind kind, const QString &caption, const QString &text, int buttons)
{
    const Button answer = ScriptedHost::message(kind, caption, text, buttons);
    if (kind == MessageKind::Warning || kind == MessageKind::Error)
        m_stopped = true;
    print(text);
    return answer;
}

void CliHost::silentStop(const QString &where, const QString &text)
{
    ScriptedHost::silentStop(where, text);
    print(u"stopped silently at %1 on \"%2\""_qs.arg(where, text));
}

void CliHost::beep()
{
    ScriptedHost::beep();
    print(u"(beep: refused or nothing to do)"_qs);
}

void CliHost::refuse(const QString &text)
{
    ScriptedHost::refuse(text);
    m_stopped = true;
}

void CliHost::print(const QString &line)
{
    const QByteArray bytes = (m_context + line + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), m_err);
    std::fflush(m_err);
}
