#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// One run of the built solvara-cli: its exit status and what it wrote.
struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;

    // The lines of standard output, without empty ones.
    QStringList outLines() const { return out.split(u'\n', Qt::SkipEmptyParts); }
};

// Runs solvara-cli with `arguments` in `environment` and waits for it to end.
inline CliRun cli(const QStringList &arguments,
                  const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(environment);
    p.start(QStringLiteral(SOLVARA_BIN_DIR "/solvara-cli"), arguments);
    p.waitForFinished(120000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}
