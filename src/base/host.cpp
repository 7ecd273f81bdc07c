#include "base/host.h"

void Host::refuse(const QString &text)
{
    beep();
    inform(text);
}

void Host::inform(const QString &text, const QString &caption)
{
    message(MessageKind::Information, caption, text, Ok);
}

void Host::warn(const QString &text, const QString &caption)
{
    message(MessageKind::Warning, caption, text, Ok);
}

void Host::error(const QString &text)
{
    message(MessageKind::Error, {}, text, Ok);
}

bool Host::askYesNo(MessageKind kind, const QString &text, const QString &caption)
{
    return message(kind, caption, text, Yes | No) == Yes;
}

std::optional<QString> Host::keypad(const QString &, bool)
{
    return std::nullopt;
}

std::optional<QString> Host::unitChoice()
{
    return std::nullopt;
}

std::optional<QString> Host::copperBaseChoice(const QString &)
{
    return std::nullopt;
}
