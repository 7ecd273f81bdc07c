#include "storage/textfile.h"

#include "storage/safefile.h"

#include <QFile>
#include <QFileInfo>

namespace textfile {

QString decode(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.sliced(3));
    if (bytes.startsWith("\xFF\xFE")) {
        const QByteArrayView body = bytes.sliced(2);
        return QString(reinterpret_cast<const QChar *>(body.data()), body.size() / 2);
    }
    if (bytes.startsWith("\xFE\xFF")) {
        const QByteArrayView body = bytes.sliced(2);
        QString text(body.size() / 2, Qt::Uninitialized);
        for (qsizetype i = 0; i < text.size(); ++i)
            text[i] = QChar(char16_t((uchar(body[2 * i]) << 8) | uchar(body[2 * i + 1])));
        return text;
    }
    return cp932::decode(bytes);
}

QStringList splitLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.sliced(start, i - start).toString());
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.sliced(start).toString());
    return lines;
}

Result<QStringList> readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result<QStringList>::failure(u"%1 を読み込めません。\n%2"_qs.arg(path, file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Result<QStringList>::failure(u"%1 を読み込めません。\n%2"_qs.arg(path, file.errorString()));
    const QString text = decode(bytes);
    bytes = QByteArray(); // the file's bytes go before its lines are made
    return splitLines(text);
}

cp932::Encoded encodeLines(const QStringList &lines)
{
    cp932::Encoded all;
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    all.bytes.reserve(size * 3 / 2);
    for (const QString &line : lines) {
        cp932::encodeAppend(line, all);
        all.bytes.append("\r\n", 2);
    }
    return all;
}

Result<WriteReport> writeLines(const QString &path, const QStringList &lines)
{
    const cp932::Encoded encoded = encodeLines(lines);
    const Status written = writeBytes(path, encoded.bytes);
    if (!written)
        return Result<WriteReport>::failure(written.error());
    return WriteReport{encoded.substitutions};
}

Status writeBytes(const QString &path, const QByteArray &bytes)
{
    return safefile::write(path, bytes);
}

QString substitutionNotice(const QString &path, const QList<cp932::Substitution> &substitutions)
{
    QStringList parts;
    for (const cp932::Substitution &s : substitutions)
        parts.append(u"「%1」→「%2」"_qs.arg(s.original, s.replacement));
    return u"%1 には保存できない文字があったため、次のように置き換えて保存しました。\n%2"_qs
        .arg(QFileInfo(path).fileName(), parts.join(u'\n'));
}

} // namespace textfile
