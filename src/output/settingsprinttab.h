#pragma once

#include <QWidget>

// The tab "印刷設定" of the settings screen (Panel30): the printed texts of the cover with their
// font sizes and position adjustments, and the print options. The values are bound by name
// (SettingsBinder); printing reads them from the settings.
class SettingsPrintTab : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsPrintTab(QWidget *parent);

private:
    QWidget *buildTexts();
    QWidget *buildCoverAndOptions();
    void addOption(class QVBoxLayout *layout, const QString &name, const QString &caption);
};
