#include "storage/codepage932.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace cp932 {

namespace {

// One iconv conversion descriptor per direction, opened on first use.
class Converter
{
public:
    Converter(const char *to, const char *from) : m_cd(iconv_open(to, from))
    {
        if (m_cd == iconv_t(-1))
            throw std::runtime_error("iconv cannot convert between CP932 and UTF-16LE");
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts as much as possible; returns false on an invalid (EILSEQ) or incomplete (EINVAL)
    // sequence, leaving `in` at it.
    bool run(const char *&in, size_t &inLeft, QByteArray &out, int &error)
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        while (inLeft > 0) {
            char buffer[16384];
            char *outPtr = buffer;
            size_t outLeft = sizeof buffer;
            char *inPtr = const_cast<char *>(in);
            const size_t rc = iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft);
            const int err = errno;
            in = inPtr;
            out.append(buffer, qsizetype(outPtr - buffer));
            if (rc == size_t(-1) && err != E2BIG) {
                error = err;
                return false;
            }
        }
        return true;
    }

private:
    iconv_t m_cd;
};

Converter &encoder()
{
    static Converter c("CP932", "UTF-16LE");
    return c;
}

Converter &decoder()
{
    static Converter c("UTF-16LE", "CP932");
    return c;
}

QByteArray encodeStrict(QStringView text, qsizetype &failedAt)
{
    QByteArray out;
    const char *in = reinterpret_cast<const char *>(text.utf16());
    size_t left = size_t(text.size()) * 2;
    int error = 0;
    failedAt = -1;
    if (!encoder().run(in, left, out, error))
        failedAt = (reinterpret_cast<const char16_t *>(in) - text.utf16());
    return out;
}

QString fromUtf16Bytes(const QByteArray &bytes)
{
    return QString(reinterpret_cast<const QChar *>(bytes.constData()), bytes.size() / 2);
}

void note(QList<Substitution> &list, const QString &original, const QString &replacement)
{
    const Substitution s{original, replacement};
    if (!list.contains(s))
        list.append(s);
}

// Slow path: character by character, for text that did not survive the round trip.
void encodeEachCharacter(QStringView text, Encoded &result)
{
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype len = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            len = 2;
        const QStringView ch = text.mid(i, len);
        qsizetype failedAt = -1;
        const QByteArray bytes = encodeStrict(ch, failedAt);
        if (failedAt >= 0) {
            result.bytes.append('?');
            note(result.substitutions, ch.toString(), u"?"_qs);
        } else {
            const QString back = decode(bytes);
            if (back != ch)
                note(result.substitutions, ch.toString(), back);
            result.bytes.append(bytes);
        }
        i += len;
    }
}

} // namespace

Encoded encode(QStringView text)
{
    Encoded result;
    qsizetype failedAt = -1;
    QByteArray bytes = encodeStrict(text, failedAt);
    if (failedAt < 0 && decode(bytes) == text) {
        result.bytes = std::move(bytes);
        return result;
    }
    encodeEachCharacter(text, result);
    return result;
}

QString decode(QByteArrayView bytes)
{
    QByteArray out;
    const char *in = bytes.data();
    size_t left = size_t(bytes.size());
    static const char replacement[] = {char(0xFD), char(0xFF)}; // U+FFFD in UTF-16LE
    while (left > 0) {
        int error = 0;
        if (decoder().run(in, left, out, error))
            break;
        out.append(replacement, 2);
        if (error == EINVAL) // truncated sequence at the end
            break;
        ++in;
        --left;
    }
    return fromUtf16Bytes(out);
}

} // namespace cp932
