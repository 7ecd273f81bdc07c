#include "app/cliestimatecommands.h"

#include "app/cliformat.h"
#include "storage/estimatefile.h"

namespace {

QString unexpectedOption(const QStringList &words)
{
    for (const QString &w : words)
        if (w.startsWith(u"--"))
            return u"unknown option %1"_qs.arg(w);
    return {};
}

// Opens an estimate (or, for "state", possibly none) and prints one of its tables.
class ListingCommand : public CliCommand
{
public:
    explicit ListingCommand(const QString &name) : m_name(name) {}

    QString name() const override { return m_name; }

    QString usage() const override
    {
        if (m_name == u"sheet")
            return u"  sheet ESTIMATE            the estimate sheet grid\n"_qs;
        if (m_name == u"lines")
            return u"  lines ESTIMATE            the estimate line table\n"_qs;
        if (m_name == u"items")
            return u"  items ESTIMATE            the item table\n"_qs;
        if (m_name == u"totals")
            return u"  totals ESTIMATE           the key totals as name<TAB>value lines\n"_qs;
        return u"  state [ESTIMATE]          the settings controls and the main-window state\n"_qs;
    }

    QString parse(const QStringList &words) override
    {
        if (QString bad = unexpectedOption(words); !bad.isEmpty())
            return bad;
        const qsizetype least = m_name == u"state" ? 0 : 1;
        if (words.size() < least || words.size() > 1)
            return u"wrong number of arguments for %1"_qs.arg(m_name);
        m_estimate = words.value(0);
        return {};
    }

    QStringList inputFiles() const override
    {
        return m_estimate.isEmpty() ? QStringList{} : QStringList{m_estimate};
    }

    int run(CliSession &session) override
    {
        session.openEstimate(m_estimate);
        const EstimateDocument &doc = session.doc();
        if (m_name == u"sheet")
            session.write(cliformat::grid(doc.sheet, 0, doc.sheet.lastNonEmptyRow()));
        else if (m_name == u"lines")
            session.write(cliformat::grid(doc.lines, 0, doc.st1count));
        else if (m_name == u"items")
            session.write(cliformat::grid(doc.items, 0, doc.items.rowCount() - 1));
        else if (m_name == u"totals")
            session.write(cliformat::totals(doc));
        else
            session.write(cliformat::state(doc));
        return session.exitStatus();
    }

private:
    QString m_name;
    QString m_estimate;
};

// Opens an estimate and saves it as "保存" writes.
class ResaveCommand : public CliCommand
{
public:
    QString name() const override { return u"resave"_qs; }

    QString usage() const override
    {
        return u"  resave ESTIMATE OUT.kas   open ESTIMATE and save it to OUT.kas\n"_qs;
    }

    QString parse(const QStringList &words) override
    {
        if (QString bad = unexpectedOption(words); !bad.isEmpty())
            return bad;
        if (words.size() != 2)
            return u"wrong number of arguments for resave"_qs;
        m_estimate = words[0];
        m_output = words[1];
        return {};
    }

    QStringList inputFiles() const override { return {m_estimate}; }

    int run(CliSession &session) override
    {
        session.openEstimate(m_estimate);
        // An estimate that did not open cleanly (a reading stopped part-way, a refused
        // compilation) is not written over anything.
        if (session.exitStatus() != 0) {
            session.writeError(u"%1 was not written\n"_qs.arg(m_output));
            return session.exitStatus();
        }
        session.host().saveNames = {m_output};
        estimatefile::save(session.doc(), session.host());
        return session.exitStatus();
    }

private:
    QString m_estimate;
    QString m_output;
};

} // namespace

std::unique_ptr<CliCommand> makeListingCommand(const QString &name)
{
    return std::make_unique<ListingCommand>(name);
}

std::unique_ptr<CliCommand> makeResaveCommand()
{
    return std::make_unique<ResaveCommand>();
}
