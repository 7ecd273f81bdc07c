// Handlers of the main window's top bar, toolbar, left button column and notice panel.

#include "app/tform1.h"

#include "base/host.h"
#include "catalog/scrollstrips.h"
#include "entry/linegrid.h"
#include "estimate/figures.h"
#include "estimate/settingsrules.h"
#include "estimate/settingsbinder.h"
#include "estimate/settingsscreen.h"
#include "items/itemsetupscreen.h"
#include "storage/conditionscreen.h"
#include "storage/estimatefile.h"
#include "estimate/sheetcompiler.h"
#include "estimate/views.h"
#include "export/exportpanel.h"
#include "output/itemviewgrid.h"
#include "output/printhandler.h"
#include "output/sheetgrid.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

namespace {

const QString codeOpen = u"CODE　OPEN"_qs;
const QString codeClose = u"CODE  CLOSE"_qs;

} // namespace

// --- Views -------------------------------------------------------------------------------------

void TForm1::Button11Click()
{
    views::itemView(m_doc, *m_host);
    m_export->cover();
    refresh();
}

void TForm1::Button12Click()
{
    views::wholeView(m_doc, *m_host);
    m_export->cover();
    refresh();
}

void TForm1::Button16Click()
{
    sheet::compile(m_doc, *m_host);
    m_export->cover();
    refresh();
}

// --- Files and printing ------------------------------------------------------------------------

void TForm1::Button1Click()
{
    estimatefile::open(m_doc, *m_host);
    refresh();
}

void TForm1::Button2Click()
{
    estimatefile::save(m_doc, *m_host);
    refresh();
}

void TForm1::Button79Click()
{
    m_print->Button79Click();
    refresh();
}

void TForm1::ComboBox35Change(const QString &text)
{
    settingsrules::applySettingsControl(m_doc, *m_host, u"ComboBox35", text);
    refresh();
}

// --- Overlay screens ---------------------------------------------------------------------------

void TForm1::Button14Click()
{
    m_itemScreen->open();
    refresh();
}

void TForm1::Label18Click()
{
    Button14Click();
}

void TForm1::Button46Click()
{
    m_settingsScreen->open();
    m_export->cover();
}

void TForm1::Button82Click()
{
    m_conditionScreen->open();
    m_export->cover();
}

// The settings screen opened from the estimate sheet, with the cursor in the field of the rate
// that was double-clicked (all of them are on the basic tab).
void TForm1::openSettingsAt(const QString &field)
{
    Button46Click();
    if (auto *tabs = m_settingsScreen->findChild<QTabBar *>(u"TabControl1"_qs))
        tabs->setCurrentIndex(0);
    if (auto *edit = m_settingsScreen->findChild<QWidget *>(field))
        edit->setFocus();
}

// --- Toolbar -----------------------------------------------------------------------------------

void TForm1::Button54Click()
{
    const bool open = m_codeButton->text() == codeOpen;
    setCodeColumnsOpen(open);
    m_codeButton->setText(open ? codeClose : codeOpen);
}

void TForm1::Button53Click()
{
    m_compressedShown->setChecked(true);
    RadioButton5Click();
    m_dentaku->setFocus();
}

void TForm1::Button154Click()
{
    m_compressedHidden->setChecked(true);
    RadioButton6Click();
    m_dentaku->setFocus();
}

void TForm1::RadioButton5Click()
{
    settingsrules::applySettingsControl(m_doc, *m_host, u"CheckBox25", u"1"_qs);
    refresh();
}

void TForm1::RadioButton6Click()
{
    settingsrules::applySettingsControl(m_doc, *m_host, u"CheckBox25", u"0"_qs);
    refresh();
}

void TForm1::DentakuClick()
{
    if (!m_calculator) {
        m_host->beep();
        return;
    }
    // The free calculator: shown without blocking the main window.
    m_calculator->show();
    m_calculator->raise();
    m_calculator->activateWindow();
}

void TForm1::Button52Click()
{
    for (GridView *grid : shownGrids())
        grid->scrollToTopRow(scrollstrips::step(m_doc, -5, grid->model()->rowCount()));
}

void TForm1::Button56Click()
{
    for (GridView *grid : shownGrids())
        grid->scrollToTopRow(scrollstrips::upMax(m_doc));
}

// --- Left button column ------------------------------------------------------------------------

void TForm1::scrollShownGrids(int delta)
{
    for (GridView *grid : shownGrids())
        grid->scrollToTopRow(scrollstrips::step(m_doc, delta, grid->model()->rowCount()));
}

void TForm1::Button113Click()
{
    Button56Click();
}

void TForm1::Button114Click()
{
    for (GridView *grid : shownGrids())
        grid->scrollToTopRow(scrollstrips::downMax(m_doc, m_itemView->visibleRows()));
}

void TForm1::Button129Click()
{
    figures::closeNotice(m_doc);
    refresh();
}

// --- Sheet pop-up entries ----------------------------------------------------------------------

void TForm1::N41Click()
{
    figures::rangeSum(m_doc, *m_host);
}

void TForm1::NET1Click()
{
    figures::copyNet(m_doc, *m_host);
}

// "NET提示率を変更する": the settings screen opens as "設定" opens it, the keypad, centred on this
// window, asks for the NET rate, and the screen closes as "閉じる" closes it (which compiles the
// sheet again and so refreshes the NET captions).
void TForm1::NET2Click()
{
    Button46Click();
    if (m_keypad)
        m_keypad->move(frameGeometry().center() - QPoint(m_keypad->frameGeometry().width() / 2,
                                                         m_keypad->frameGeometry().height() / 2));
    figures::netRateEntry(m_doc, *m_host);
    m_settingsScreen->binder().refresh();
    if (auto *close = m_settingsScreen->findChild<QPushButton *>(u"Button73"_qs))
        close->click();
}

void TForm1::N35Click()
{
    figures::toggleSuppliedGoods(m_doc, *m_host);
    refresh();
}

void TForm1::N43Click()
{
    figures::toggleSocialInsurance(m_doc, *m_host);
    refresh();
}

void TForm1::N45Click()
{
    figures::labourTotals(m_doc, *m_host);
}
