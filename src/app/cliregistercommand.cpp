#include "app/cliregistercommand.h"

#include "base/numbers.h"
#include "entry/entryform.h"
#include "entry/entryscript.h"
#include "storage/estimatefile.h"

#include <QFile>

namespace {

class RegisterCommand : public CliCommand
{
public:
    QString name() const override { return u"register"_qs; }

    QString usage() const override
    {
        return u"  register ESTIMATE OUT.kas ENTRIES.tsv\n"
               "                            open ESTIMATE, perform the registrations of ENTRIES.tsv (one\n"
               "                            opening of the data entry window a line) and save to OUT.kas\n"_qs;
    }

    QString parse(const QStringList &words) override
    {
        for (const QString &w : words)
            if (w.startsWith(u"--"))
                return u"unknown option %1"_qs.arg(w);
        if (words.size() != 3)
            return u"wrong number of arguments for register"_qs;
        m_estimate = words[0];
        m_output = words[1];
        m_entries = words[2];
        return {};
    }

    QStringList inputFiles() const override { return {m_estimate, m_entries}; }

    int run(CliSession &session) override
    {
        QFile file(m_entries);
        if (!file.open(QIODevice::ReadOnly)) {
            session.writeError(u"cannot read %1: %2\n"_qs.arg(m_entries, file.errorString()));
            return 2;
        }
        entryscript::Script script = entryscript::parse(file.readAll());
        if (!script.error.isEmpty()) {
            session.writeError(u"%1: %2\n%3 was not written\n"_qs.arg(m_entries, script.error, m_output));
            return 2;
        }
        session.openEstimate(m_estimate);
        if (session.exitStatus() != 0) {
            session.writeError(u"%1 was not written\n"_qs.arg(m_output));
            return session.exitStatus();
        }

        CliHost &host = session.host();
        EntryForm form;
        form.Edit29 = num::shortest(session.doc().zatuzaihi);
        bool failed = false;
        qsizetype messages = 0;
        entryscript::Listener listener;
        listener.entryStarted = [&](int line) {
            host.setContext(u"line %1: "_qs.arg(line));
            messages = host.messages.size();
        };
        listener.status = [&](int line, const QString &text) {
            session.writeError(u"line %1: %2\n"_qs.arg(line).arg(text));
        };
        listener.problem = [&](int line, const QString &text) {
            session.writeError(u"line %1: %2\n"_qs.arg(line).arg(text));
        };
        listener.entryEnded = [&](int) {
            failed |= host.messages.size() > messages;
            host.setContext({});
        };
        if (entryscript::run(script.entries, form, session.doc(), host, listener) > 0)
            failed = true;

        host.saveNames = {m_output};
        const qsizetype before = host.messages.size();
        estimatefile::save(session.doc(), host);
        failed |= host.messages.size() > before;
        return failed ? 1 : 0;
    }

private:
    QString m_estimate;
    QString m_output;
    QString m_entries;
};

} // namespace

std::unique_ptr<CliCommand> makeRegisterCommand()
{
    return std::make_unique<RegisterCommand>();
}
