#pragma once

#include <QObject>

class CatalogWindow;
class EstimateDocument;
class Host;
class MenuWindow;
class QWidget;
class TForm2;
class TForm4;

namespace catalogpick {
struct EntryOpening;
}

// The main window's part of the material catalog: the menu window and the catalog window laid over
// its client area, and the handlers of "材料選択", "前回材料", "Stock" and "銅ベース調整". The main
// window creates it, lays it out with itself and hands it the windows created after it.
class CatalogScreens : public QObject
{
    Q_OBJECT

public:
    CatalogScreens(EstimateDocument &doc, Host &host, QWidget *client);

    // The windows created after the main window: the data entry window a pick fills, the stock
    // window, and the calculator, which the catalog buttons close first.
    void setWindows(TForm2 *entry, TForm4 *stock, QWidget *calculator);

    // The start-up step of the main window that reads the material menu.
    void FormCreate();
    // The menu window lies below the top bar, the catalog window over the whole client area.
    void layout(int width, int height);
    void refresh();

    MenuWindow *menuWindow() const { return m_menu; }
    CatalogWindow *catalogWindow() const { return m_catalog; }

    // "材料選択" (Button13), "前回材料" (Button15), "Stock" (Button89, and "Stokの呼出" of the line
    // grid) and "銅ベース調整" (Button161, and "簡易 : 銅ベースの調整" of the estimate sheet).
    void Button13Click();
    void Button15Click();
    void Button89Click();
    void Button161Click();

signals:
    // The left column's button reads "UP" or "DN" in the whole view: the main grids scroll.
    void scrollRequested(int delta);
    // No current item: the item setup screen opens instead.
    void itemSetupRequested();
    // The catalog changed the estimate or the windows: the main window shows it.
    void documentChanged();

private:
    void closeCalculator();
    void openEntry(const catalogpick::EntryOpening &opening);

    EstimateDocument &m_doc;
    Host &m_host;
    MenuWindow *m_menu = nullptr;
    CatalogWindow *m_catalog = nullptr;
    TForm2 *m_entry = nullptr;
    TForm4 *m_stock = nullptr;
    QWidget *m_calculator = nullptr;
};
