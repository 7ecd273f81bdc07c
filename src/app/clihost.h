#pragma once

#include "base/scriptedhost.h"

#include <cstdio>

// The host of solvara-cli: questions are answered Yes, every message and every silent stop is
// written to standard error as it happens, and the exit status remembers whether a message
// stopped an operation.
class CliHost : public ScriptedHost
{
public:
    explicit CliHost(FILE *err = stderr) : m_err(err) {}

    Button message(MessageKind kind, const QString &caption, const QString &text, int buttons) override;
    void silentStop(const QString &where, const QString &text) override;
    void beep() override;
    void refuse(const QString &text) override;

    // A warning, an error or a refusal was shown: the operation stopped with a message.
    bool stoppedWithMessage() const { return m_stopped; }

    // Written before every line reported from now on ("line 3: "); empty for none.
    void setContext(const QString &context) { m_context = context; }

private:
    void print(const QString &line);

    FILE *m_err;
    bool m_stopped = false;
    QString m_context;
};
