#pragma once

#include "base/scriptedhost.h"
#include "estimate/document.h"
#include "storage/textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A document whose program folder is a fresh temporary folder, and a scripted host.
struct StorageFixture {
    QTemporaryDir dir;
    EstimateDocument doc;
    ScriptedHost host;

    StorageFixture() { doc.strFilePath = folder(); }
    QString folder() const { return dir.path() + u'/'; }
    QString path(const QString &name) const { return folder() + name; }
};

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

inline QStringList fileLines(const QString &path)
{
    return textfile::splitLines(textfile::decode(fileBytes(path)));
}

inline void writeFileLines(const QString &path, const QStringList &lines)
{
    ASSERT_TRUE(textfile::writeLines(path, lines).ok()) << path.toStdString();
}

inline bool anyMessageContains(const ScriptedHost &host, const QString &text)
{
    for (const QString &m : host.messageTexts())
        if (m.contains(text))
            return true;
    return false;
}

// Points the user's configuration folder (XDG_CONFIG_HOME) at a fresh temporary folder for the
// fixture's lifetime.
struct UserConfigFixture {
    QTemporaryDir home;
    QByteArray previous = qgetenv("XDG_CONFIG_HOME");

    UserConfigFixture() { qputenv("XDG_CONFIG_HOME", home.path().toUtf8()); }
    ~UserConfigFixture() { qputenv("XDG_CONFIG_HOME", previous); }
    QString userFolder() const { return home.path() + u"/solvara/"_qs; }
};
