#pragma once

#include "base/textgrid.h"

#include <QList>
#include <QObject>
#include <QRect>

class EstimateDocument;
class GridView;
class Host;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

// The main window's workbook controls: the export panel Panel66 ("見積書変換", "原価検討" and the
// tally export) under its cover Panel80 ("エクセル変換 (OPEN)"), the progress panel Panel72 shown
// while a workbook is built, and the hidden tally grid StringGrid9 with its hidden panel Panel95.
// TForm1 creates it and hands it the parents of these controls.
class ExportPanel : public QObject
{
    Q_OBJECT

public:
    ExportPanel(EstimateDocument &doc, Host &host, QWidget *toolbar, QWidget *client);

    // The controls by object name, for the window's table of named controls.
    QList<QObject *> namedControls() const;
    // Covers the export buttons again (the views, "設定" and "条件書" do this).
    void cover();
    // Places the panels: the export panel at the right end of the toolbar, the progress panel
    // across the window, the tally grid over the grid area.
    void layout(int toolbarWidth, int clientWidth, const QRect &gridArea);

signals:
    // An export changed the document's controls or tables: the window refreshes.
    void documentChanged();

private:
    void Button97Click();
    void Button81Click();
    void Button94Click();
    void tallyExportClick();
    void Button137Click();
    void Button142Click();
    void Button139Click();
    void showTallyWidths();
    void finished();

    EstimateDocument &m_doc;
    Host &m_host;
    QFrame *m_panel = nullptr;      // Panel66
    QFrame *m_cover = nullptr;      // Panel80
    QFrame *m_progress = nullptr;   // Panel72
    QProgressBar *m_bar = nullptr;  // ProgressBar1
    QFrame *m_tallyPanel = nullptr; // Panel95
    GridView *m_tally = nullptr;    // StringGrid9
    QList<QObject *> m_named;
};
