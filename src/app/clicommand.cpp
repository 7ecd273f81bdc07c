#include "app/clicommand.h"

#include "app/startup.h"
#include "estimate/settingscontrols.h"
#include "estimate/settingsrules.h"
#include "storage/settingsfile.h"

#include <QDate>

CliSession::CliSession(const CliOptions &options, FILE *out, FILE *err)
    : m_options(options), m_folder(startup::programFolder(options.programDir)), m_out(out), m_err(err), m_host(err)
{
}

void CliSession::start()
{
    startup::initialize(m_doc, m_host, m_folder, QDate::currentDate());
    if (!m_options.settingsFile.isEmpty()) {
        m_host.openNames = {m_options.settingsFile};
        settingsfile::readUserSettings(m_doc, m_host);
    }
}

void CliSession::openEstimate(const QString &path)
{
    startup::openStartFile(m_doc, m_host, path);
    applySettingsSets();
}

void CliSession::applySettingsSets()
{
    bool any = false;
    for (const auto &[name, value] : m_options.sets) {
        if (!findSettingsControl(name))
            continue;
        settingsrules::applySettingsControl(m_doc, m_host, name, value);
        any = true;
    }
    if (any)
        settingsrules::applySettings(m_doc, m_host);
}

void CliSession::write(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), m_out);
}

void CliSession::writeError(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), m_err);
    std::fflush(m_err);
}
