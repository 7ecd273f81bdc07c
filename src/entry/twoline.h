#pragma once

#include <QString>

// How a name or specification is printed on two lines: a text of 28 bytes or more in code page
// 932 (full-width characters count two) is split after its 14th character.
namespace twoline {

struct Halves {
    QString first;
    QString second;
};

// The halves of `text`; unsplit (all in the first half) when `split` is false.
Halves halves(const QString &text, bool split = true);

} // namespace twoline
