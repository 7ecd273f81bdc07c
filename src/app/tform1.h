#pragma once

#include "estimate/document.h"

#include <QHash>
#include <QMainWindow>

#include <memory>

class CatalogScreens;
class Host;
class ItemViewGrid;
class LineEditor;
class LineGrid;
class PrintHandler;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QtHost;
class RecoveryKeeper;
class SheetGrid;
class GridView;
class ConditionScreen;
class ExportPanel;
class ItemSetupScreen;
class SettingsScreen;
class TForm2;
class TForm3;
class TForm6;

// The main window "SOL-VARAの箱": owns the running estimate and shows it. Handlers read what the
// user did, call the core and refresh the widgets from the document; the layout follows the
// window's size.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    // Runs the start-up of the main window; `programFolder` overrides the folder of the program,
    // `estimateFile` is the file given on the command line. Questions, messages and file dialogs go
    // through `host`, or through the window's own dialogs when it is null.
    TForm1(const QString &programFolder, const QString &estimateFile, Host *host = nullptr,
           QWidget *parent = nullptr);
    ~TForm1() override;

    EstimateDocument &document() { return m_doc; }
    Host &host() { return *m_host; }

    // The windows created after this one: the keypad and the calculator follow the pointer on the
    // grids, and "DENTAKU" shows the calculator.
    void setCompanions(QWidget *keypad, QWidget *calculator);
    // The line entry windows: the data entry window opened from the grids, and the keypad and
    // unit windows that the host shows when an operation asks for a value.
    void setEntryWindows(TForm2 *entry, TForm3 *keypad, TForm6 *units);
    // "印刷": the print options window is handed to it once it exists.
    PrintHandler &printing() { return *m_print; }

    // The material menu and catalog windows with their handlers.
    CatalogScreens *catalogScreens() const { return m_catalog; }

    // Shows the document: caption, control states, the grid of the current view, colours.
    void refresh();

    // Keeps the estimate in a recovery file under `folder` while it has unsaved changes, after
    // offering what a program that did not end normally left there (tform1recovery.cpp).
    void startRecovery(const QString &folder);

signals:
    // The window has closed: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Construction of the controls (tform1layout.cpp).
    void createWidgets();
    QWidget *createTopBar(QWidget *client);
    QWidget *createToolbar(QWidget *client);
    QWidget *createButtonColumn(QWidget *client);
    QWidget *createBottomBar(QWidget *client);
    QWidget *createNoticePanel(QWidget *client);
    void createGrids(QWidget *client);
    void createScreens(QWidget *client);
    template<typename W>
    W *make(QWidget *parent, const QString &name);

    // Lays controls out left to right along a bar of the window.
    struct BarRow {
        QWidget *bar;
        int y;
        int height;
        int x = 4;
        void place(QWidget *w, int width, int gap = 4);
    };
    QPushButton *barButton(BarRow &row, const char16_t *name, const QString &text, int width, int gap = 4);

    // Start-up, activation, layout and closing.
    void FormCreate(const QString &programFolder, const QString &estimateFile);
    void setStartSize();
    void fitWidthToOption();
    void FormActivate();
    void FormResize();
    void layoutButtonColumn();
    void applyRowHeights();
    bool FormClose();

    // Top bar.
    void Button11Click();
    void Button12Click();
    void Button16Click();
    void Button1Click();
    void Button2Click();
    void Button79Click();
    void ComboBox35Change(const QString &text);
    void Button14Click();
    void Label18Click();
    void Button46Click();
    void Button82Click();
    void openSettingsAt(const QString &field);

    // Toolbar.
    void Button54Click();
    void Button53Click();
    void Button154Click();
    void RadioButton5Click();
    void RadioButton6Click();
    void DentakuClick();
    void Button52Click();
    void Button56Click();

    // Left button column and the notice panel.
    void scrollShownGrids(int delta);
    void Button113Click();
    void Button114Click();
    void Button129Click();

    // Sheet pop-up entries whose figures the core computes.
    void N41Click();
    void NET1Click();
    void NET2Click();
    void N35Click();
    void N43Click();
    void N45Click();

    // Refresh helpers.
    void applyControls();
    void applyScrollRequests();
    void applyFocusRequest();
    void setCodeColumnsOpen(bool open);
    QList<GridView *> shownGrids() const;
    void moveCompanions(const QPoint &globalPos);

    EstimateDocument m_doc;
    std::unique_ptr<QtHost> m_ownHost;
    std::unique_ptr<RecoveryKeeper> m_recovery;
    Host *m_host;
    QWidget *m_keypad = nullptr;
    QWidget *m_calculator = nullptr;

    // Controls by object name, for the states the document decides.
    QHash<QString, QObject *> m_named;

    QWidget *m_topBar = nullptr;      // Panel1
    QWidget *m_toolbar = nullptr;     // Panel34
    QWidget *m_column = nullptr;      // Panel8
    QWidget *m_bottomBar = nullptr;   // Panel35
    QWidget *m_notice = nullptr;      // Panel94
    QFrame *m_itemPanel = nullptr;    // holds Label18
    QFrame *m_indicator = nullptr;    // view indicator
    QLabel *m_itemLabel = nullptr;    // Label18
    QComboBox *m_rounding = nullptr;  // ComboBox35
    QPushButton *m_codeButton = nullptr; // Button54
    QPushButton *m_dentaku = nullptr;
    QRadioButton *m_compressedShown = nullptr;  // RadioButton5
    QRadioButton *m_compressedHidden = nullptr; // RadioButton6
    LineGrid *m_lines = nullptr;
    LineEditor *m_lineEditor = nullptr;
    ItemViewGrid *m_itemView = nullptr;
    SheetGrid *m_sheet = nullptr;
    SettingsScreen *m_settingsScreen = nullptr;  // Panel23
    ConditionScreen *m_conditionScreen = nullptr; // Panel67
    ItemSetupScreen *m_itemScreen = nullptr;      // GroupBox1
    ExportPanel *m_export = nullptr;              // Panel66, Panel80, Panel72, StringGrid9
    CatalogScreens *m_catalog = nullptr;          // Panel9, Panel14
    PrintHandler *m_print = nullptr;
};
