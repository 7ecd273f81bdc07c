#pragma once

#include "base/textgrid.h"
#include "catalog/catalogstate.h"
#include "estimate/maincontrols.h"
#include "estimate/settings.h"
#include "items/itemtree.h"

#include <QObject>

#include <array>

// The running estimate: every table of the main window, the fields that hold rates, totals,
// counters and paths, the settings controls' values and the states of the main-window controls
// that operations decide. Core operations take the document and change it, then call changed()
// so that the windows refresh.
class EstimateDocument : public QObject
{
    Q_OBJECT

public:
    explicit EstimateDocument(QObject *parent = nullptr);

    // Tells the windows that operations have changed the document.
    void notifyChanged() { emit changed(); }

    // Tables.
    TextGrid lines;      // StringGrid1: estimate line table, 46 columns, row 0 titles
    TextGrid items;      // StringGrid7: item table, 21 columns, row 0 titles
    TextGrid itemView;   // StringGrid5: lines of the current item
    TextGrid sheet;      // StringGrid6: estimate sheet, 24 columns
    TextGrid conditions; // StringGrid8: condition list, 45 conditions
    TextGrid tally;      // StringGrid9: material tally, 24 columns, row 0 titles

    // Tally class counts by first code: a1 below 120, a2 120-139, b1 140-159, c1 300-399,
    // d1 400, h1 500, e1 601, f1 602, g1 603.
    int a1 = 0, a2 = 0, b1 = 0, c1 = 0, d1 = 0, e1 = 0, f1 = 0, g1 = 0, h1 = 0;
    // Tally capacity flags: 1 when a class fits its block of the cost-summary template.
    std::array<int, 9> c{};

    Settings settings;
    MainControls controls;
    CatalogState catalog; // material menu (StringGrid2), buttons (StringGrid4), list (StringGrid3)

    // Paths and names.
    QString strFileName;  // full path of the program file
    QString strFilePath;  // program folder, ending with a separator
    QString strFilePath2; // material data folder, ending with a separator
    QString FormName = u"SOL-VARAの箱"_qs;
    QString sverj;        // "- Ver" + version
    QString Filename;     // the estimate file being opened or saved
    QString memoFileName; // the estimate file last read
    QString estimatePath; // the estimate file last read or saved; empty for a new estimate
    QString gengou;       // registered era name
    double ver = 0;       // operating-system version major.minor

    // State of the estimate.
    int kidou = 0;     // 1: unsaved changes
    int buttonsw = 0;  // 0 item view, 1 whole view, 2 estimate sheet view
    int st1count = 0;  // number of lines
    int tree_count = 0; // number of items
    int ply6 = 1;
    double verj = 0;   // calculation version of the estimate file
    int seikyu5 = 0;   // invoice tax rounding: 0 truncate, 1 round
    int patan = 0;     // kind of the pending print: 0 none, 1 quotation, 2 invoice
    double Curitu = 1.0; // copper-base multiplier
    int copperManualFlag = 0; // tag of "銅ベース調整": the stored copper-base manual choice
    std::array<double, 4> sonota{100, 100, 100, 100}; // compression rates of the extra rows, %

    // Rates taken from the settings when the settings screen closes or settings are read.
    double roumutanka = 0;      // labour unit price
    double zatuzaihi = 0;       // consumables rate, %
    double genbazatupiritu = 0; // site expense rate, %
    double syokeihiritu = 0;    // overhead rate, %

    // Written by compilation.
    double sougoukei = 0;     // grand total
    double syouhizeigaku = 0; // consumption tax
    int irow1 = 0;            // last row of the summary block
    int irow2 = 0;            // row of the last item's total
    int pagisu = 0;           // number of detail pages
    double netFigure = 0;     // NET figure of the last final pass

    // Items.
    int nodrow = 0;             // item row of the current item
    QString koumokumei;         // name of the current item
    std::array<QString, 301> koumoku; // numbered names before the last change, by item row
    int ux7 = 0, uy7 = 0;       // item-table cell last selected
    int V7S = 0;                // item row of the node chosen last in the tree
    QString kkb;                // item code of that node
    ItemTree itemTree;          // TreeView1: the item outline as the setup screen shows it

    // Line-edit request: the cell (column rafu2, row rafu1) and the keypad's entry text.
    int rafu1 = 0;
    int rafu2 = 0;
    QString keypadText; // TForm3.Edit1, the exchange cell for typed values

    // Grid cursors (cells where the left button went down and where a button was released).
    int nx1 = 0, ny1 = 0, ux1 = 0, uy1 = 0, ux1b = 0, uy1b = 0;
    int nx5 = 0, ny5 = 0, ux5 = 0, uy5 = 0, ux5b = 0, uy5b = 0;
    int nx6 = 0, ny6 = 0, ux6 = 0, uy6 = 0, ux6b = 0, uy6b = 0, sx6 = 0, sy6 = 0;
    int olduy5 = 0;
    int openFlag = 0; // tag of the open dialog: the release after opening a file is ignored

    // Row count the estimate sheet shows on screen (sheet height / row height), set by the window.
    int sheetVisibleRows = 30;

signals:
    void changed();
};
