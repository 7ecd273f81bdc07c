#pragma once

#include "base/host.h"

class QWidget;
class QSoundEffect;
class TForm3;
class TForm6;

// The desktop program's host: Qt message boxes, file dialogs, the clipboard, the beep and the
// completion sound.
class QtHost : public Host
{
public:
    explicit QtHost(QWidget *parent = nullptr);
    ~QtHost() override;

    void setParentWidget(QWidget *parent) { m_parent = parent; }
    // The keypad and unit windows, created after the main window.
    void setInputWindows(TForm3 *keypad, TForm6 *units);

    Button message(MessageKind kind, const QString &caption, const QString &text, int buttons) override;
    void beep() override;
    void playSound(const QString &path) override;
    void setClipboardText(const QString &text) override;
    QString clipboardText() override;
    std::optional<QString> openFileName(const QString &filter) override;
    std::optional<QString> saveFileName(const QString &filter, const QString &presetName) override;
    void openDocument(const QString &path) override;
    std::optional<QString> folderName(const QString &title) override;
    void silentStop(const QString &where, const QString &text) override;
    std::optional<QString> keypad(const QString &preset, bool pointKey) override;
    std::optional<QString> unitChoice() override;
    std::optional<QString> copperBaseChoice(const QString &current) override;

private:
    QWidget *m_parent;
    TForm3 *m_keypad = nullptr;
    TForm6 *m_units = nullptr;
    QSoundEffect *m_sound = nullptr;
};
