#include "app/cliexportcommand.h"

#include "base/scriptedhost.h"
#include "catalog/catalogmenu.h"
#include "estimate/views.h"
#include "export/exporting.h"
#include "export/exportprogress.h"

#include <QFileInfo>

namespace {

// The material menu as the desktop program reads it at start-up, for the tally's class names. A
// missing menu index is no reason to refuse the tally: its classes then keep the lines' own names.
const TextGrid &tallyMenu(EstimateDocument &doc)
{
    ScriptedHost quiet;
    catalogmenu::loadMenu(doc, quiet);
    return doc.catalog.menu;
}

// export ESTIMATE (--workbook | --basis | --cost-summary | --tally) OUT.xlsx
class ExportCommand : public CliCommand
{
public:
    QString name() const override { return u"export"_qs; }

    QString usage() const override
    {
        return u"  export ESTIMATE (--workbook | --basis | --cost-summary | --tally) OUT.xlsx\n"
               u"                            write the quotation workbook, the basis list, the cost\n"
               u"                            summary or the filled tally template\n"_qs;
    }

    QString parse(const QStringList &words) override
    {
        QStringList files;
        for (const QString &w : words) {
            if (w == u"--workbook" || w == u"--basis" || w == u"--cost-summary" || w == u"--tally") {
                if (!m_kind.isEmpty())
                    return u"export takes one of --workbook, --basis, --cost-summary, --tally"_qs;
                m_kind = w;
            } else if (w.startsWith(u"--")) {
                return u"unknown option %1"_qs.arg(w);
            } else {
                files.append(w);
            }
        }
        if (m_kind.isEmpty())
            return u"export needs one of --workbook, --basis, --cost-summary, --tally"_qs;
        if (files.size() != 2)
            return u"wrong number of arguments for export"_qs;
        m_estimate = files[0];
        m_output = files[1];
        return {};
    }

    QStringList inputFiles() const override { return {m_estimate}; }

    int run(CliSession &session) override
    {
        session.openEstimate(m_estimate);
        if (session.exitStatus() != 0)
            return session.exitStatus();
        EstimateDocument &doc = session.doc();
        CliHost &host = session.host();
        // The basis list is made from the item view; the other workbooks from the sheet view
        // that opening the estimate leaves.
        if (m_kind == u"--basis")
            views::itemView(doc, host);
        host.saveNames = {QFileInfo(m_output).absoluteFilePath()};
        ExportProgress progress;
        bool saved = false;
        if (m_kind == u"--workbook" || m_kind == u"--basis")
            saved = exporting::Button81Click(doc, host, progress);
        else if (m_kind == u"--cost-summary")
            saved = exporting::Button94Click(doc, host, progress);
        else
            saved = exporting::tallyExport(doc, host, progress, tallyMenu(doc));
        if (!saved && session.exitStatus() == 0) {
            session.writeError(u"export: no workbook was written\n"_qs);
            return 1;
        }
        return session.exitStatus();
    }

private:
    QString m_kind;
    QString m_estimate;
    QString m_output;
};

} // namespace

std::unique_ptr<CliCommand> makeExportCommand()
{
    return std::make_unique<ExportCommand>();
}
