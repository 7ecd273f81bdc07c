#pragma once

#include "estimate/settings.h"

#include <QStringView>

#include <span>

// The one table of settings control names. The settings files, the estimate file, the widgets
// (as object names) and solvara-cli's --set and state all go through it.
struct SettingsControl {
    enum class Kind { Edit, Combo, Check, Radio, Label };

    QStringView name;
    Kind kind;
    QString Settings::*text = nullptr; // edit, combo and label controls
    bool Settings::*flag = nullptr;    // check boxes and radio buttons
    bool inverted = false;             // a radio button that is the opposite of `flag`

    bool isFlag() const { return flag != nullptr; }
    // The control's value as text: a flag is "1" or "0".
    QString value(const Settings &settings) const;
    // Sets the value from text; a flag takes "1" (set) and anything else clears it.
    void setValue(Settings &settings, const QString &value) const;
    bool isSet(const Settings &settings) const;
    void setFlag(Settings &settings, bool on) const;
};

// Every settings control in the order the state listing uses.
std::span<const SettingsControl> settingsControls();
// The control of that name, or nullptr.
const SettingsControl *findSettingsControl(QStringView name);
