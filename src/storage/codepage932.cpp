#include "storage/codepage932.h"

#include <iconv.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <mutex>
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

// iconv is consulted once per character or byte sequence and the answer kept in the tables
// below, so that whole files convert at table speed while iconv stays the one authority on the
// code page. The mutex guards the shared descriptors; table entries are written once.
std::mutex &iconvMutex()
{
    static std::mutex m;
    return m;
}

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

// What iconv makes of a byte sequence: the UTF-16 code units, or the error.
struct Conversion {
    QByteArray utf16;
    int error = 0;
};

Conversion iconvDecode(QByteArrayView bytes)
{
    std::lock_guard lock(iconvMutex());
    Conversion c;
    const char *in = bytes.data();
    size_t left = size_t(bytes.size());
    decoder().run(in, left, c.utf16, c.error);
    return c;
}

Conversion iconvEncode(QStringView text)
{
    std::lock_guard lock(iconvMutex());
    Conversion c;
    const char *in = reinterpret_cast<const char *>(text.utf16());
    size_t left = size_t(text.size()) * 2;
    encoder().run(in, left, c.utf16, c.error);
    return c;
}

char16_t singleUnit(const QByteArray &utf16)
{
    return char16_t(uchar(utf16[0]) | (uchar(utf16[1]) << 8));
}

// Decoding. A byte is a character of its own, the lead byte of a pair, or invalid; a pair is a
// character or invalid. Entries: 0 unknown, otherwise a kind in the top bits and the character.
enum : quint32 { Known = 0x80000000u, Valid = 0x40000000u, Lead = 0x20000000u };

std::atomic<quint32> singleBytes[256];
std::atomic<quint32> pairs[65536];

quint32 singleByte(uchar b)
{
    quint32 e = singleBytes[b].load(std::memory_order_relaxed);
    if (e == 0) {
        const char byte = char(b);
        const Conversion c = iconvDecode(QByteArrayView(&byte, 1));
        if (c.error == EINVAL)
            e = Known | Lead;
        else if (c.error == 0 && c.utf16.size() == 2)
            e = Known | Valid | singleUnit(c.utf16);
        else
            e = Known;
        singleBytes[b].store(e, std::memory_order_relaxed);
    }
    return e;
}

quint32 pair(uchar lead, uchar trail)
{
    const int index = (lead << 8) | trail;
    quint32 e = pairs[index].load(std::memory_order_relaxed);
    if (e == 0) {
        const char bytes[2] = {char(lead), char(trail)};
        const Conversion c = iconvDecode(QByteArrayView(bytes, 2));
        e = c.error == 0 && c.utf16.size() == 2 ? Known | Valid | singleUnit(c.utf16) : Known;
        pairs[index].store(e, std::memory_order_relaxed);
    }
    return e;
}

// Encoding of one UTF-16 code unit (not a surrogate): its one or two bytes, whether code page 932
// has it at all, and the character the bytes read back as when that differs.
enum : quint64 {
    EncKnown = 1ull << 63,
    EncValid = 1ull << 62,
    EncTwoBytes = 1ull << 61,
    EncLossy = 1ull << 60,
};

std::atomic<quint64> units[65536];

quint64 unitEncoding(char16_t u)
{
    quint64 e = units[u].load(std::memory_order_relaxed);
    if (e != 0)
        return e;
    const Conversion c = iconvEncode(QStringView(&u, 1));
    if (c.error != 0 || c.utf16.isEmpty() || c.utf16.size() > 2) {
        e = EncKnown;
    } else {
        const QByteArray &bytes = c.utf16; // here: the code page 932 bytes
        const Conversion back = iconvDecode(bytes);
        const char16_t readBack = back.error == 0 && back.utf16.size() == 2 ? singleUnit(back.utf16) : u'\uFFFD';
        e = EncKnown | EncValid | quint64(uchar(bytes[0]));
        if (bytes.size() == 2)
            e |= EncTwoBytes | (quint64(uchar(bytes[1])) << 8);
        if (readBack != u)
            e |= EncLossy | (quint64(readBack) << 16);
    }
    units[u].store(e, std::memory_order_relaxed);
    return e;
}

void note(QList<Substitution> &list, const QString &original, const QString &replacement)
{
    const Substitution s{original, replacement};
    if (!list.contains(s))
        list.append(s);
}

} // namespace

void encodeAppend(QStringView text, Encoded &into)
{
    QByteArray &bytes = into.bytes;
    const qsizetype start = bytes.size();
    bytes.resize(start + text.size() * 2); // at most two bytes per code unit
    char *out = bytes.data() + start;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = text[i].unicode();
        if (u < 0x80) { // ASCII is the same in code page 932
            *out++ = char(u);
            continue;
        }
        if (QChar::isSurrogate(u)) {
            // Code page 932 has nothing outside the basic plane; a pair counts as one character.
            const qsizetype len = QChar::isHighSurrogate(u) && i + 1 < n && text[i + 1].isLowSurrogate() ? 2 : 1;
            *out++ = '?';
            note(into.substitutions, text.mid(i, len).toString(), u"?"_qs);
            i += len - 1;
            continue;
        }
        const quint64 e = unitEncoding(u);
        if (!(e & EncValid)) {
            *out++ = '?';
            note(into.substitutions, QString(QChar(u)), u"?"_qs);
            continue;
        }
        *out++ = char(e & 0xFF);
        if (e & EncTwoBytes)
            *out++ = char((e >> 8) & 0xFF);
        if (e & EncLossy)
            note(into.substitutions, QString(QChar(u)), QString(QChar(char16_t((e >> 16) & 0xFFFF))));
    }
    bytes.truncate(out - bytes.constData());
}

Encoded encode(QStringView text)
{
    Encoded result;
    encodeAppend(text, result);
    return result;
}

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    qsizetype o = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const uchar b = uchar(bytes[i]);
        if (b < 0x80) {
            out[o++] = b;
            continue;
        }
        const quint32 e = singleByte(b);
        if (e & Valid) {
            out[o++] = char16_t(e & 0xFFFF);
        } else if (!(e & Lead)) {
            out[o++] = u'\uFFFD';
        } else if (i + 1 == n) {
            out[o++] = u'\uFFFD'; // a lead byte cut off at the end
        } else if (const quint32 p = pair(b, uchar(bytes[i + 1])); p & Valid) {
            out[o++] = char16_t(p & 0xFFFF);
            ++i;
        } else {
            out[o++] = u'\uFFFD'; // an invalid pair: the trail byte is read again on its own
        }
    }
    text.truncate(o);
    return text;
}

qsizetype byteLength(QStringView text)
{
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    return ascii ? text.size() : encode(text).bytes.size();
}

} // namespace cp932
