#include "catalog/catalogscreens.h"

#include "catalog/catalogmenu.h"
#include "catalog/catalogpick.h"
#include "catalog/catalogwindow.h"
#include "catalog/copperbase.h"
#include "catalog/menuwindow.h"
#include "catalog/stockdata.h"
#include "catalog/tform4.h"
#include "entry/tform2.h"
#include "estimate/document.h"

#include <QWidget>

namespace {

constexpr int menuTop = 32;

} // namespace

CatalogScreens::CatalogScreens(EstimateDocument &doc, Host &host, QWidget *client)
    : QObject(client), m_doc(doc), m_host(host)
{
    m_menu = new MenuWindow(doc, host, client);
    m_catalog = new CatalogWindow(doc, host, client);
    connect(m_menu, &MenuWindow::documentChanged, this, &CatalogScreens::documentChanged);
    connect(m_catalog, &CatalogWindow::documentChanged, this, &CatalogScreens::documentChanged);
    connect(m_catalog, &CatalogWindow::entryRequested, this, &CatalogScreens::openEntry);
}

void CatalogScreens::setWindows(TForm2 *entry, TForm4 *stock, QWidget *calculator)
{
    m_entry = entry;
    m_stock = stock;
    m_calculator = calculator;
}

void CatalogScreens::FormCreate()
{
    catalogmenu::loadMenu(m_doc, m_host);
    m_doc.catalog.controls.Panel14.visible = false;
    refresh();
}

void CatalogScreens::layout(int width, int height)
{
    m_menu->setGeometry(0, menuTop, width, height - 35);
    m_catalog->setGeometry(0, 0, width, height);
}

void CatalogScreens::refresh()
{
    m_menu->refresh();
    m_catalog->refresh();
}

void CatalogScreens::closeCalculator()
{
    if (m_calculator)
        m_calculator->close();
}

void CatalogScreens::Button13Click()
{
    closeCalculator();
    switch (catalogmenu::materialSelection(m_doc)) {
    case catalogmenu::Follow::ScrollUp:
        emit scrollRequested(-5);
        return;
    case catalogmenu::Follow::ItemSetup:
        emit itemSetupRequested();
        return;
    default:
        break;
    }
    refresh();
    emit documentChanged();
}

void CatalogScreens::Button15Click()
{
    closeCalculator();
    switch (catalogmenu::lastMaterials(m_doc)) {
    case catalogmenu::Follow::ScrollDown:
        emit scrollRequested(5);
        return;
    case catalogmenu::Follow::ItemSetup:
        emit itemSetupRequested();
        return;
    default:
        break;
    }
    refresh();
    emit documentChanged();
}

void CatalogScreens::Button89Click()
{
    closeCalculator();
    if (!m_stock)
        return;
    switch (stock::open(m_doc, m_stock->stock())) {
    case stock::Opening::ItemSetup:
        emit itemSetupRequested();
        return;
    case stock::Opening::Nothing:
        return;
    case stock::Opening::Show:
        break;
    }
    m_stock->exec();
    stock::closed(m_doc, m_host);
    emit documentChanged();
}

void CatalogScreens::Button161Click()
{
    copperbase::adjust(m_doc, m_host, false);
    emit documentChanged();
}

void CatalogScreens::openEntry(const catalogpick::EntryOpening &opening)
{
    if (m_entry) {
        catalogpick::openEntry(m_entry->form(), m_doc, opening);
        m_entry->showEntry();
    }
    catalogpick::entryClosed(m_doc);
    refresh();
    emit documentChanged();
}
