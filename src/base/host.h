#pragma once

#include <QString>

#include <optional>

// What core operations need from the user or the platform. The desktop program implements it with
// Qt dialogs; solvara-cli and the tests implement it with scripted answers and a record of what
// was shown. The core never opens a window itself.
class Host
{
public:
    enum class MessageKind { Information, Warning, Question, Error };

    // Buttons of a message box, combined as flags; an answer is one of them.
    enum Button { Ok = 0x1, Yes = 0x2, No = 0x4, Cancel = 0x8 };

    virtual ~Host() = default;

    // A modal message box; returns the button pressed.
    virtual Button message(MessageKind kind, const QString &caption, const QString &text,
                           int buttons) = 0;
    // The system's default beep: a key or click refused, or with nothing to do.
    virtual void beep() = 0;
    // Plays a sound file asynchronously; a missing file or sound device is not an error.
    virtual void playSound(const QString &path) = 0;

    virtual void setClipboardText(const QString &text) = 0;
    virtual QString clipboardText() = 0;

    // File dialogs; nullopt when cancelled. `filter` is given as "kas|*.kas".
    virtual std::optional<QString> openFileName(const QString &filter) = 0;
    virtual std::optional<QString> saveFileName(const QString &filter, const QString &presetName) = 0;
    // A folder chooser with the given title; the chosen folder without a trailing separator.
    virtual std::optional<QString> folderName(const QString &title) = 0;

    // Opens a file the program has written (a workbook) in the application the desktop uses
    // for it; nothing happens where there is none.
    virtual void openDocument(const QString &path) {}

    // An operation stopped silently where the program shows nothing (the desktop program ignores
    // it; the command-line program reports where and on what text).
    virtual void silentStop(const QString &where, const QString &text) = 0;

    // An operation refuses to run: the beep and an information message; nothing was changed.
    // The command-line program counts it as a stop with a message.
    virtual void refuse(const QString &text);

    // The small modal input windows other operations ask for a value. Without such a window (the
    // default) nothing is entered: the callers keep their old values.
    //
    // The numeric keypad (TForm3) with `preset` in its display and its "." key enabled or not:
    // the display when it is closed with "登録", nullopt for "キャンセル". Callers go through
    // keypadprompt::ask, which applies the keypad's rules to the estimate.
    virtual std::optional<QString> keypad(const QString &preset, bool pointKey);
    // The unit window (TForm6) as a unit picker: the unit its list holds when it closes.
    virtual std::optional<QString> unitChoice();
    // The unit window with its copper-base panel, `current` in the copper-base list: the copper
    // base the list holds when it closes.
    virtual std::optional<QString> copperBaseChoice(const QString &current);

    // Convenience wrappers.
    void inform(const QString &text, const QString &caption = {});
    void warn(const QString &text, const QString &caption = {});
    void error(const QString &text);
    bool askYesNo(MessageKind kind, const QString &text, const QString &caption = {});
};
