#pragma once

#include "base/host.h"

class QWidget;
class QSoundEffect;

// The desktop program's host: Qt message boxes, file dialogs, the clipboard, the beep and the
// completion sound.
class QtHost : public Host
{
public:
    explicit QtHost(QWidget *parent = nullptr);
    ~QtHost() override;

    void setParentWidget(QWidget *parent) { m_parent = parent; }

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

private:
    QWidget *m_parent;
    QSoundEffect *m_sound = nullptr;
};
