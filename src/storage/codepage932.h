#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// Code page 932 (Shift_JIS as Windows writes it), through glibc iconv "CP932".
namespace cp932 {

// A character that code page 932 cannot hold, and what was written in its place.
struct Substitution {
    QString original;
    QString replacement;
    friend bool operator==(const Substitution &, const Substitution &) = default;
};

struct Encoded {
    QByteArray bytes;
    QList<Substitution> substitutions; // each distinct character once, in order of appearance
};

// Encodes text; a character without a code becomes "?", one with only a lossy code becomes what
// that code reads back as. Both are listed in `substitutions`.
Encoded encode(QStringView text);
// Encodes text onto the end of `into`, adding its substitutions not yet listed there.
void encodeAppend(QStringView text, Encoded &into);

// The length of the encoded text in bytes: a full-width character counts two, a half-width one.
qsizetype byteLength(QStringView text);

// Decodes bytes; an invalid or truncated sequence becomes U+FFFD and decoding goes on.
QString decode(QByteArrayView bytes);

} // namespace cp932
