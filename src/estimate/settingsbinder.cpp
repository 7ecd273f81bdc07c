#include "estimate/settingsbinder.h"

#include "estimate/document.h"
#include "estimate/settingscontrols.h"
#include "estimate/settingsrules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

SettingsBinder::SettingsBinder(EstimateDocument &doc, Host &host, QWidget *root)
    : QObject(root), m_doc(doc), m_host(host)
{
    for (const SettingsControl &control : settingsControls()) {
        QWidget *widget = root->findChild<QWidget *>(control.name.toString());
        if (widget)
            bind(control, widget);
    }
    connect(&doc, &EstimateDocument::changed, this, &SettingsBinder::refresh);
    refresh();
}

void SettingsBinder::bind(const SettingsControl &control, QWidget *widget)
{
    using K = SettingsControl::Kind;
    const SettingsControl *c = &control;
    bool bound = true;
    if (auto *edit = qobject_cast<QLineEdit *>(widget); edit && control.kind == K::Edit) {
        connect(edit, &QLineEdit::textEdited, this, [this, c](const QString &t) { userChanged(*c, t, true); });
    } else if (auto *box = qobject_cast<QComboBox *>(widget); box && control.kind == K::Combo) {
        // A choice counts when it is picked, or when typed text is confirmed, not at every key.
        connect(box, &QComboBox::textActivated, this, [this, c](const QString &t) { userChanged(*c, t, false); });
        if (QLineEdit *typed = box->lineEdit()) {
            connect(typed, &QLineEdit::editingFinished, this, [this, c, box] {
                if (box->currentText() != c->value(m_doc.settings))
                    userChanged(*c, box->currentText(), false);
            });
        }
    } else if (auto *check = qobject_cast<QCheckBox *>(widget); check && control.kind == K::Check) {
        connect(check, &QCheckBox::clicked, this,
                [this, c](bool on) { userChanged(*c, on ? u"1"_qs : u"0"_qs, false); });
    } else if (auto *radio = qobject_cast<QRadioButton *>(widget); radio && control.kind == K::Radio) {
        // Only the button that becomes selected reports; its partner follows through the settings.
        connect(radio, &QRadioButton::clicked, this, [this, c](bool on) {
            if (on)
                userChanged(*c, u"1"_qs, false);
        });
    } else {
        bound = qobject_cast<QLabel *>(widget) && control.kind == K::Label;
    }
    if (bound) {
        m_bindings.push_back({&control, widget});
        m_names.append(control.name.toString());
    }
}

void SettingsBinder::refresh()
{
    if (m_refreshing)
        return;
    m_refreshing = true;
    for (const Binding &binding : m_bindings) {
        const SettingsControl *control = binding.control;
        QWidget *widget = binding.widget;
        if (!widget)
            continue;
        const QSignalBlocker blocker(widget);
        const QString value = control->value(m_doc.settings);
        if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
            if (edit->text() != value)
                edit->setText(value);
        } else if (auto *box = qobject_cast<QComboBox *>(widget)) {
            if (box->currentText() != value)
                box->setCurrentText(value);
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            button->setChecked(control->isSet(m_doc.settings));
        } else if (auto *label = qobject_cast<QLabel *>(widget)) {
            label->setText(value);
        }
    }
    m_refreshing = false;
}

void SettingsBinder::userChanged(const SettingsControl &control, const QString &value, bool typed)
{
    if (m_refreshing)
        return;
    if (control.kind == SettingsControl::Kind::Edit) {
        // What an edit's text means is decided by its field rules, run by the screen.
        control.setValue(m_doc.settings, value);
        if (typed)
            emit edited(control.name.toString());
    } else {
        settingsrules::applySettingsControl(m_doc, m_host, control.name, value);
    }
    m_doc.notifyChanged();
}

void SettingsBinder::setByUser(const QString &name, const QString &value)
{
    if (const SettingsControl *control = findSettingsControl(name))
        userChanged(*control, value, false);
}
