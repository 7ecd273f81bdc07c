#include "storage/recovery.h"

#include "base/host.h"
#include "estimate/document.h"
#include "storage/estimatefile.h"
#include "storage/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace recovery {

namespace {

const QByteArray kMarker = "SOLVARA-RECOVERY ";

QString describe(const QString &estimatePath, const QDateTime &written)
{
    const QString name = estimatePath.isEmpty() ? u"新しい見積"_qs : QFileInfo(estimatePath).fileName();
    return u"%1（%2）"_qs.arg(name, written.toString(u"yyyy/MM/dd HH:mm"_qs));
}

Result<Parsed> readFile(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return Result<Parsed>::failure(u"%1 を読み込めません。\n%2"_qs.arg(file, f.errorString()));
    return parse(f.readAll());
}

} // namespace

QByteArray content(const QString &estimatePath, const QStringList &records)
{
    QByteArray bytes = kMarker + QUrl::toPercentEncoding(estimatePath) + "\r\n";
    bytes += textfile::encodeLines(records).bytes;
    return bytes;
}

Result<Parsed> parse(QByteArrayView bytes)
{
    const qsizetype end = bytes.indexOf('\n');
    QByteArrayView first = bytes.first(end < 0 ? bytes.size() : end);
    if (first.endsWith('\r'))
        first.chop(1);
    if (!first.startsWith(kMarker))
        return Result<Parsed>::failure(u"復元用ファイルの形式が正しくありません。"_qs);
    Parsed parsed;
    parsed.estimatePath = QUrl::fromPercentEncoding(first.sliced(kMarker.size()).toByteArray());
    parsed.records = textfile::splitLines(textfile::decode(end < 0 ? QByteArrayView() : bytes.sliced(end + 1)));
    return parsed;
}

bool restore(EstimateDocument &doc, Host &host, const QString &file)
{
    const Result<Parsed> read = readFile(file);
    if (!read) {
        host.error(read.error());
        return false;
    }
    const QString &name = read->estimatePath;
    doc.buttonsw = 2;
    doc.Filename = name.isEmpty() ? file : name;
    if (!estimatefile::applyRecords(doc, host, read->records))
        return false;
    estimatefile::afterRead(doc, host);
    doc.Filename = name;
    doc.memoFileName = name;
    doc.estimatePath = name;
    doc.kidou = 1;
    return true;
}

bool offerLeftovers(EstimateDocument &doc, Host &host, const RecoveryStore &store)
{
    for (const RecoveryStore::Leftover &left : store.leftovers()) {
        const Result<Parsed> read = readFile(left.file);
        const QString name = read ? read->estimatePath : QString();
        // The estimate was saved after the recovery file was written: nothing to recover.
        if (!name.isEmpty() && QFileInfo(name).lastModified() > left.written) {
            QFile::remove(left.file);
            continue;
        }
        const Host::Button answer = host.message(
            Host::MessageKind::Question, u"情報"_qs,
            u"前回、保存されないまま終了した編集内容があります。\n%1\n復元しますか？\n"
            u"「いいえ」で破棄し、「キャンセル」で次回の起動時にもう一度確認します。"_qs
                .arg(describe(name, left.written)),
            Host::Yes | Host::No | Host::Cancel);
        if (answer == Host::Cancel)
            continue;
        if (answer == Host::Yes && restore(doc, host, left.file)) {
            QFile::remove(left.file);
            return true;
        }
        QFile::remove(left.file);
    }
    return false;
}

} // namespace recovery
