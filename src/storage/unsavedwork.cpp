#include "storage/unsavedwork.h"

#include "base/host.h"
#include "estimate/document.h"
#include "storage/estimatefile.h"

namespace unsavedwork {

namespace {

// Why the estimate was kept, and how to discard it after all.
QString keptBecause(estimatefile::Saved::Outcome outcome, const QString &stopped, const QString &discard)
{
    QString reason;
    switch (outcome) {
    case estimatefile::Saved::NoLines:
        reason = u"明細行が無いため保存できませんでした。"_qs;
        break;
    case estimatefile::Saved::Cancelled:
        reason = u"保存が取り消されました。"_qs;
        break;
    default:
        reason = u"保存できませんでした。"_qs;
        break;
    }
    return reason + u"\n作業中のデーターを失わないよう、%1を中止しました。\n保存せずに%2場合は、もう一度操作して「いいえ」を選んでください。"_qs
                        .arg(stopped, discard);
}

// Asks `question`; No discards, Cancel keeps, Yes saves and discards only when the file was
// written.
bool saveFirst(EstimateDocument &doc, Host &host, const QString &question, Host::MessageKind kind,
               const QString &caption, const QString &stopped, const QString &discard)
{
    if (doc.kidou != 1)
        return true;
    const Host::Button answer = host.message(kind, caption, question, Host::Yes | Host::No | Host::Cancel);
    if (answer == Host::No)
        return true;
    if (answer != Host::Yes)
        return false;
    const estimatefile::Saved saved = estimatefile::save(doc, host);
    if (saved)
        return true;
    host.warn(keptBecause(saved.outcome, stopped, discard));
    return false;
}

} // namespace

bool mayClose(EstimateDocument &doc, Host &host)
{
    return saveFirst(doc, host, u"終了前に保存しますか？"_qs, Host::MessageKind::Question, u"情報"_qs,
                     u"終了"_qs, u"終了する"_qs);
}

bool mayOpen(EstimateDocument &doc, Host &host)
{
    return saveFirst(doc, host, u"作業中のデーターが消失します。開く前に保存しますか？"_qs,
                     Host::MessageKind::Warning, QString(), u"ファイルを開くの"_qs, u"開く"_qs);
}

} // namespace unsavedwork
