#include "export/exporting.h"

#include "base/conversionerror.h"
#include "base/host.h"
#include "estimate/document.h"
#include "estimate/sheetcompiler.h"
#include "estimate/views.h"
#include "export/basislist.h"
#include "export/costsummary.h"
#include "export/costtemplate.h"
#include "export/exportprogress.h"
#include "export/quotationworkbook.h"
#include "export/tally.h"
#include "export/tallytemplate.h"
#include "export/workbook.h"
#include "export/xlsxbook.h"

#include <QFileInfo>

namespace exporting {

namespace {

const QString filter = u"xlsx|*.xlsx"_qs;
const QString basisCaption = u"積算根拠出力"_qs;

bool refuse(Host &host, const QString &text)
{
    host.beep();
    host.warn(text);
    return false;
}

bool compiled(const EstimateDocument &doc)
{
    return doc.controls.Button94.enabled && quotation::grandTotalRow(doc) > 0;
}

// The name the user chose, with ".xlsx" added when it has no extension at all.
QString withExtension(const QString &chosen)
{
    return QFileInfo(chosen).suffix().isEmpty() ? chosen + u".xlsx"_qs : chosen;
}

// Offers the save dialog; false when cancelled or when the file could not be written (the
// user has been told why).
template<typename Save>
bool offer(Host &host, const QString &preset, Save save, QString *savedPath = nullptr)
{
    const std::optional<QString> chosen = host.saveFileName(filter, preset);
    if (!chosen)
        return false;
    const QString path = withExtension(*chosen);
    const Status written = save(path);
    if (!written) {
        host.error(written.error());
        return false;
    }
    if (savedPath)
        *savedPath = path;
    return true;
}

// Runs `build`; a conversion error is shown and ends the export.
template<typename Build>
bool guarded(Host &host, ExportProgress &progress, Build build)
{
    try {
        build();
        return true;
    } catch (const ConversionError &e) {
        progress.hide();
        host.error(e.message());
        return false;
    }
}

} // namespace

bool Button81Click(EstimateDocument &doc, Host &host, ExportProgress &progress)
{
    if (doc.controls.Label18.text.isEmpty())
        return refuse(host, u"項目を入力してください！"_qs);
    if (doc.lines.cell(7, 1).isEmpty())
        return refuse(host, u"データーを入力してください！"_qs);
    const bool basis = doc.controls.Button81.text == basisCaption;
    if (!basis && !compiled(doc))
        return refuse(host, u"見積書表示で見積書を作成してから変換してください。"_qs);

    progress.show();
    progress.setPosition(0);
    Workbook book;
    book.ensureSheets(4);
    const bool built = guarded(host, progress, [&] {
        if (basis) {
            buildBasisList(doc, book, progress);
        } else {
            progress.setMaximum(45);
            buildQuotationWorkbook(doc, book, progress);
        }
    });
    if (!built)
        return false;

    const QString preset = basis ? u"積算根拠一覧表"_qs : doc.settings.Edit22 + doc.settings.Edit60;
    QString path;
    const bool saved = offer(host, preset, [&](const QString &p) { return book.save(p); }, &path);
    progress.hide();
    progress.setPosition(0);
    if (saved)
        host.openDocument(path);
    return saved;
}

bool Button94Click(EstimateDocument &doc, Host &host, ExportProgress &progress)
{
    if (!compiled(doc))
        return refuse(host, u"見積書表示で見積書を作成してから原価検討を行ってください。"_qs);
    // The cost summary is made from plain prices: the composite setting is switched off for the
    // run and the sheet compiled again, then both are restored.
    const bool composite = doc.settings.CheckBox8;
    auto recompile = [&] {
        views::wholeView(doc, host);
        sheet::compile(doc, host);
    };
    if (composite) {
        doc.settings.CheckBox8 = false;
        recompile();
    }

    progress.show();
    progress.setMaximum((doc.irow2 - doc.irow1 + 1) + (doc.irow1 + 264) + 3 * doc.st1count);
    progress.setPosition(0);
    doc.controls.Button94.enabled = false;
    Workbook book;
    const bool built = guarded(host, progress, [&] { costsummary::build(doc, book, progress); });
    bool saved = false;
    QString path;
    if (built) {
        const QString preset = u"原価検討【"_qs + doc.settings.Edit22 + doc.settings.Edit60 + u"】"_qs;
        saved = offer(host, preset, [&](const QString &p) { return book.save(p); }, &path);
    }
    progress.hide();
    progress.setPosition(0);
    doc.controls.Button94.enabled = true;
    if (composite) {
        doc.settings.CheckBox8 = true;
        recompile();
    }
    if (saved)
        host.openDocument(path);
    return saved;
}

bool tallyExport(EstimateDocument &doc, Host &host, ExportProgress &progress, const TextGrid &menu)
{
    if (!compiled(doc))
        return refuse(host, u"見積書表示で見積書を作成してから集計してください。"_qs);
    progress.show();
    progress.setMaximum(3);
    progress.setPosition(0);
    std::shared_ptr<XlsxBook> book;
    XlsxSheet *sheet = nullptr;
    const bool built = guarded(host, progress, [&] {
        tally::Button137Click(doc, menu);
        progress.setPosition(1);
        tally::Button142Click(doc);
        progress.setPosition(2);
    });
    if (!built)
        return false;

    const QString templatePath = costtemplate::path(doc);
    auto opened = XlsxBook::open(templatePath);
    if (!opened) {
        progress.hide();
        host.error(u"原価集計表のひな形を開けません。\n"_qs + opened.error());
        return false;
    }
    book = opened.value();
    sheet = book->sheet(QString::fromUtf16(costtemplate::sheetName));
    if (!sheet) {
        progress.hide();
        host.error(u"%1 にシート「%2」がありません。"_qs.arg(templatePath, QString::fromUtf16(costtemplate::sheetName)));
        return false;
    }
    if (!guarded(host, progress, [&] { tallytemplate::fill(doc, *sheet); }))
        return false;
    progress.setPosition(3);

    const QString preset = u"原価集計表【"_qs + doc.settings.Edit22 + doc.settings.Edit60 + u"】"_qs;
    QString path;
    const bool saved = offer(host, preset, [&](const QString &p) { return book->save(p); }, &path);
    progress.hide();
    progress.setPosition(0);
    if (saved) {
        host.inform(u"自分でも必ず確認してください。"_qs);
        host.openDocument(path);
    }
    return saved;
}

} // namespace exporting
