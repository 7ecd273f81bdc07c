#pragma once

#include <QWidget>

class EstimateDocument;
class Host;
class QGroupBox;
class SettingsBinder;

// The tab "基本設定" of the settings screen (Panel26): the rates group GroupBox6 and the display
// and calculation options GroupBox7. The values are bound by name (SettingsBinder); this class
// builds the controls and routes their click, double-click, leave and key events to the settings
// field rules.
class SettingsBasicTab : public QWidget
{
    Q_OBJECT

public:
    SettingsBasicTab(EstimateDocument &doc, Host &host, QWidget *parent);

    // Connects the typed-text rules to the binder that stores the fields' values.
    void attach(SettingsBinder &binder);
    // Shows the states the options decided (the material subtotal follows CheckBox17).
    void refresh();

private:
    QGroupBox *buildRates();
    QWidget *buildRateFields(QWidget *parent);
    QWidget *buildExtraRows(QWidget *parent);
    QWidget *buildClientsAndFolder(QWidget *parent);
    QWidget *buildRateOptions(QWidget *parent);
    QGroupBox *buildOptions();
    void hookFieldEvents();

    // Field handlers: the control's event goes to the settings field rules.
    void fieldClick(const QString &name);
    void fieldDoubleClick(const QString &name);
    void fieldLeave(const QString &name);
    void fieldTyped(const QString &name);
    void signButtonClick(int row);
    void labourNameClick(const QString &name);
    void Button99Click();
    void Edit62Click();
    // Edit56 and Edit57: the keypad window types the rate.
    void keypadEntry(const QString &name);
    template<typename Rule>
    void act(Rule &&rule);

    EstimateDocument &m_doc;
    Host &m_host;
    SettingsBinder *m_binder = nullptr;
};
