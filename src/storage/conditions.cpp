#include "storage/conditions.h"

#include "base/host.h"
#include "base/numbers.h"
#include "estimate/document.h"
#include "storage/filenames.h"
#include "storage/hostfiles.h"
#include "storage/programfiles.h"
#include "storage/records.h"

namespace conditions {

namespace {

constexpr int markColumn = 1;
constexpr int textColumn = 2;
const QString kMark = u" ■"_qs;

const QString standardFileName = u"jyouken.DATA"_qs;

} // namespace

bool readStandard(EstimateDocument &doc, Host &host)
{
    const QString path = programfiles::readPath(doc.strFilePath, standardFileName);
    const std::optional<QStringList> read = hostfiles::readLines(host, path);
    if (!read)
        return false;
    const int present = apply(doc, *read);
    if (present < count) {
        host.error(u"%1 には条件が %2 件しかありません（%3 件必要です）。読み込めた分だけを反映しました。"_qs
                       .arg(path)
                       .arg(present)
                       .arg(count));
        return false;
    }
    return true;
}

int apply(EstimateDocument &doc, const QStringList &lines)
{
    const int present = int(std::min<qsizetype>(lines.size(), count));
    for (int i = 0; i < present; ++i)
        records::fillRow(doc.conditions, i + 1, lines[i]);
    return present;
}

bool saveStandard(EstimateDocument &doc, Host &host)
{
    bool anyText = false;
    for (int r = 1; r <= count && !anyText; ++r)
        anyText = !doc.conditions.cell(textColumn, r).isEmpty();
    if (!anyText) {
        host.warn(u"条件書に内容がありませんので基準値登録できません"_qs);
        return false;
    }
    if (!host.askYesNo(Host::MessageKind::Information,
                       u"現在画面に表示している内容を条件書の基準値として登録しますか？※今回だけの場合は保存の必要はありません。"_qs))
        return false;
    QStringList lines;
    for (int r = 1; r <= count; ++r)
        lines.append(records::join(doc.conditions.row(r)));
    if (!hostfiles::writeLines(host, programfiles::writePath(doc.strFilePath, standardFileName), lines))
        return false;
    host.playSound(filenames::completionSound(doc.strFilePath));
    return true;
}

void toggleMark(EstimateDocument &doc, int row)
{
    if (row < 1 || row > count)
        return;
    const QString &mark = doc.conditions.cell(markColumn, row);
    if (mark == kMark)
        doc.conditions.setCell(markColumn, row, QString());
    else if (num::isBlank(mark))
        doc.conditions.setCell(markColumn, row, kMark);
}

void clearMarks(EstimateDocument &doc)
{
    for (int r = 1; r <= count; ++r)
        doc.conditions.setCell(markColumn, r, u" "_qs);
}

void clearAll(EstimateDocument &doc)
{
    for (int r = 1; r <= count; ++r) {
        doc.conditions.setCell(markColumn, r, u" "_qs);
        doc.conditions.setCell(textColumn, r, u" "_qs);
    }
}

} // namespace conditions
