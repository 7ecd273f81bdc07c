#include "entry/twoline.h"

#include "storage/codepage932.h"

namespace twoline {

namespace {

constexpr int splitBytes = 28;
constexpr int firstChars = 14;

} // namespace

Halves halves(const QString &text, bool split)
{
    if (!split || cp932::encode(text).bytes.size() < splitBytes)
        return {text, {}};
    return {text.left(firstChars), text.mid(firstChars)};
}

} // namespace twoline
