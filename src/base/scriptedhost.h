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
    // What the keypad and the unit window give, in order (nullopt: cancelled); afterwards nullopt.
    std::deque<std::optional<QString>> keypadAnswers;
    std::deque<std::optional<QString>> unitAnswers;
    std::deque<std::optional<QString>> copperBaseAnswers;

    QList<Shown> messages;
    int beeps = 0;
    QStringList sounds;
    QString clipboard;
    QStringList silentStops; // "where: text"
    QStringList dialogFilters;
    QStringList savePresets;
    QStringList openedDocuments;
    // How the keypad and the unit window were shown.
    struct KeypadShown {
        QString preset;
        bool pointKey;
    };
    QList<KeypadShown> keypadShown;
    int unitShown = 0;
    QStringList copperBaseShown; // the copper base in the list as it was shown

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
    std::optional<QString> keypad(const QString &preset, bool pointKey) override;
    std::optional<QString> unitChoice() override;
    std::optional<QString> copperBaseChoice(const QString &current) override;

    // Texts of all messages shown so far.
    QStringList messageTexts() const;
};
