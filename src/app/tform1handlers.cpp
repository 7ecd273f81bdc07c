// Handlers of the main window's top bar, toolbar, left button column and notice panel.

#include "app/tform1.h"

#include "base/host.h"
#include "catalog/scrollstrips.h"
#include "entry/linegrid.h"
#include "estimate/settingscontrols.h"
#include "estimate/sheetcompiler.h"
#include "estimate/views.h"
#include "output/itemviewgrid.h"
#include "output/sheetgrid.h"

#include <QPushButton>
#include <QRadioButton>

namespace {

const QString codeOpen = u"CODE　OPEN"_qs;
const QString codeClose = u"CODE  CLOSE"_qs;

} // namespace

// --- Views -------------------------------------------------------------------------------------

void TForm1::Button11Click()
{
    views::itemView(m_doc, *m_host);
    refresh();
}

void TForm1::Button12Click()
{
    views::wholeView(m_doc, *m_host);
    refresh();
}

void TForm1::Button16Click()
{
    sheet::compile(m_doc, *m_host);
    refresh();
}

// --- Files and printing ------------------------------------------------------------------------

void TForm1::Button1Click()
{
    refresh();
}

void TForm1::Button2Click()
{
    refresh();
}

void TForm1::Button79Click()
{
    // Printing is not available yet.
    m_host->beep();
}

void TForm1::ComboBox35Change(const QString &text)
{
    if (const SettingsControl *control = findSettingsControl(u"ComboBox35"))
        control->setValue(m_doc.settings, text);
    refresh();
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
    if (const SettingsControl *control = findSettingsControl(u"CheckBox25"))
        control->setFlag(m_doc.settings, true);
    m_sheet->viewport()->update();
}

void TForm1::RadioButton6Click()
{
    if (const SettingsControl *control = findSettingsControl(u"CheckBox25"))
        control->setFlag(m_doc.settings, false);
    m_sheet->viewport()->update();
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

void TForm1::Button13Click()
{
    // In the whole view the button scrolls ("UP"); the material menu comes with the catalog.
    if (m_doc.controls.Button13.text == u"UP")
        Button52Click();
}

void TForm1::Button15Click()
{
    // In the whole view the button scrolls ("DN"); the catalog window comes with the catalog.
    if (m_doc.controls.Button15.text != u"DN")
        return;
    for (GridView *grid : shownGrids())
        grid->scrollToTopRow(scrollstrips::step(m_doc, 5, grid->model()->rowCount()));
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
    m_doc.controls.Panel94.visible = false;
    refresh();
}
