#pragma once

#include "base/host.h"

#include <QList>
#include <QStringList>

#include <deque>

// A host without windows: answers come from a script, and everything shown is recorded.
// Used by solvara-cli and by the tests.
class ScriptedHost : public Host
{
public:
    struct Shown {
        MessageKind kind;
        QString caption;
        QString text;
        int buttons;
        Button answer;
    };

    // Answers given to the next questions, in order; afterwards `defaultAnswer`.
    std::deque<Button> answers;
    Button defaultAnswer = Yes;
    std::deque<std::optional<QString>> openNames;
    std::deque<std::optional<QString>> saveNames;
    std::deque<std::optional<QString>> folderNames;

    QList<Shown> messages;
    int beeps = 0;
    QStringList sounds;
    QString clipboard;
    QStringList silentStops; // "where: text"
    QStringList dialogFilters;
    QStringList savePresets;
    QStringList openedDocuments;

    Button message(MessageKind kind, const QString &caption, const QString &text,
                   int buttons) override;
    void beep() override { ++beeps; }
    void playSound(const QString &path) override { sounds.append(path); }
    void setClipboardText(const QString &text) override { clipboard = text; }
    QString clipboardText() override { return clipboard; }
    std::optional<QString> openFileName(const QString &filter) override;
    std::optional<QString> saveFileName(const QString &filter, const QString &presetName) override;
    std::optional<QString> folderName(const QString &title) override;
    void silentStop(const QString &where, const QString &text) override;
    void openDocument(const QString &path) override { openedDocuments.append(path); }

    // Texts of all messages shown so far.
    QStringList messageTexts() const;
};
