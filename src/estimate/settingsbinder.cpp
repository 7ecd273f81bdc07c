#include "estimate/settingsbinder.h"

#include "estimate/document.h"
#include "estimate/settingscontrols.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

SettingsBinder::SettingsBinder(EstimateDocument &doc, Host &host, QWidget *root)
    : QObject(root), m_doc(doc), m_host(host), m_root(root)
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
        connect(edit, &QLineEdit::textEdited, this, [this, c](const QString &t) { userChanged(*c, t); });
    } else if (auto *box = qobject_cast<QComboBox *>(widget); box && control.kind == K::Combo) {
        connect(box, &QComboBox::currentTextChanged, this, [this, c](const QString &t) { userChanged(*c, t); });
    } else if (auto *check = qobject_cast<QCheckBox *>(widget); check && control.kind == K::Check) {
        connect(check, &QCheckBox::clicked, this,
                [this, c](bool on) { userChanged(*c, on ? u"1"_qs : u"0"_qs); });
    } else if (auto *radio = qobject_cast<QRadioButton *>(widget); radio && control.kind == K::Radio) {
        // Only the button that becomes selected reports; its partner follows through the settings.
        connect(radio, &QRadioButton::clicked, this, [this, c](bool on) {
            if (on)
                userChanged(*c, u"1"_qs);
        });
    } else {
        bound = qobject_cast<QLabel *>(widget) && control.kind == K::Label;
    }
    if (bound)
        m_names.append(control.name.toString());
}

void SettingsBinder::refresh()
{
    if (m_refreshing)
        return;
    m_refreshing = true;
    for (const QString &name : std::as_const(m_names)) {
        const SettingsControl *control = findSettingsControl(name);
        QWidget *widget = m_root->findChild<QWidget *>(name);
        if (!control || !widget)
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

void SettingsBinder::userChanged(const SettingsControl &control, const QString &value)
{
    if (m_refreshing)
        return;
    control.setValue(m_doc.settings, value);
    refresh();
}

void SettingsBinder::setByUser(const QString &name, const QString &value)
{
    if (const SettingsControl *control = findSettingsControl(name))
        userChanged(*control, value);
}
