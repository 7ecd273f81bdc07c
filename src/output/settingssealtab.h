#pragma once

#include <QWidget>

class EstimateDocument;
class Host;
class QLabel;

// The tab "印鑑設定" of the settings screen (Panel59): the seal name, its character size, the
// circle's height and width and the character spacing with their "+" and "-" buttons, the print
// option and the 80 x 77 preview Image1 in its white frame.
class SettingsSealTab : public QWidget
{
    Q_OBJECT

public:
    SettingsSealTab(EstimateDocument &doc, Host &host, QWidget *parent);

    // The seal operations run when the tab is shown: size list, presets, preview.
    void TabShown();
    // "画像更新": the preview drawn again from the seal settings.
    void refreshPreview();

private:
    QWidget *buildFields();
    QWidget *buildPreview();
    void addStepRow(class QGridLayout *grid, int row, const QString &valueLabel, const QString &caption,
                    const QString &plus, const QString &minus);
    void refillSizes();
    void stepClick(const QString &button);
    void Edit61KeyUp();
    void ComboBox47Select(const QString &size);

    EstimateDocument &m_doc;
    Host &m_host;
    QLabel *m_preview = nullptr; // Image1
    class QComboBox *m_size = nullptr; // ComboBox47
};
