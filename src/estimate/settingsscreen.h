#pragma once

#include <QWidget>

class EstimateDocument;
class Host;
class QLabel;
class QTabBar;
class SettingsBasicTab;
class SettingsBinder;
class SettingsPrintTab;
class SettingsSealTab;

// The settings screen "設定画面" (Panel23), laid over the main window: the tabs "基本設定",
// "印刷設定" and "印鑑設定", the standard-value and settings-file buttons and "閉じる", which
// applies the settings and hides the screen.
class SettingsScreen : public QWidget
{
    Q_OBJECT

public:
    SettingsScreen(EstimateDocument &doc, Host &host, QWidget *parent);

    SettingsBinder &binder() { return *m_binder; }

public slots:
    // "設定": shows the screen over the main window.
    void open();

signals:
    void closed();

private:
    QWidget *buildTopBar();
    QWidget *buildButtons();
    void refresh();

    void TabControl1Change(int index);
    void Button74Click(); // "基準値保存"
    void Button80Click(); // "基準値読込"
    void Button135Click(); // "ファイル保存"
    void Button136Click(); // "ファイル読込"
    void Button73Click(); // "閉じる"
    void showSavedNotice();

    EstimateDocument &m_doc;
    Host &m_host;
    QTabBar *m_tabs = nullptr;
    QLabel *m_hint = nullptr;
    QLabel *m_saved = nullptr;
    SettingsBasicTab *m_basic = nullptr;
    SettingsPrintTab *m_print = nullptr;
    SettingsSealTab *m_seal = nullptr;
    SettingsBinder *m_binder = nullptr;
};
