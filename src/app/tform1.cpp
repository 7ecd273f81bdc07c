#include "app/tform1.h"

#include "app/qthost.h"
#include "app/recoverykeeper.h"
#include "app/startup.h"
#include "catalog/catalogscreens.h"
#include "base/textgridmodel.h"
#include "calculator/tdentakukun.h"
#include "entry/lineeditor.h"
#include "entry/linegrid.h"
#include "entry/tform2.h"
#include "output/itemviewgrid.h"
#include "output/sheetcalculatorlink.h"
#include "output/sheetgrid.h"
#include "storage/unsavedwork.h"
#include "storage/usersettings.h"
#include "widgets/controlfactory.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>

#include <utility>

namespace {

} // namespace

TForm1::TForm1(const QString &programFolder, const QString &estimateFile, Host *host, QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(u"TForm1"_qs);
    if (host) {
        m_host = host;
    } else {
        m_ownHost = std::make_unique<QtHost>(this);
        m_host = m_ownHost.get();
    }
    createWidgets();
    connect(&m_doc, &EstimateDocument::changed, this, &TForm1::refresh);
    FormCreate(programFolder, estimateFile);
}

TForm1::~TForm1()
{
    // The grids show the document's tables until they are gone: they go first, while the
    // document still lives.
    delete takeCentralWidget();
}

void TForm1::setCompanions(QWidget *keypad, QWidget *calculator)
{
    m_keypad = keypad;
    m_calculator = calculator;
    if (auto *dentakukun = qobject_cast<Tdentakukun *>(calculator)) {
        auto ask = [dentakukun](bool labourKey) {
            return dentakukun->inputValue(labourKey ? Tdentakukun::PercentKey::Labour : Tdentakukun::PercentKey::Percent);
        };
        auto *link = new SheetCalculatorLink(m_doc, *m_host, m_sheet, ask, this);
        connect(link, &SheetCalculatorLink::documentChanged, this, &TForm1::refresh);
    }
}

void TForm1::setEntryWindows(TForm2 *entry, TForm3 *keypad, TForm6 *units)
{
    if (m_ownHost)
        m_ownHost->setInputWindows(keypad, units);
    m_lineEditor = new LineEditor(m_doc, *m_host, m_lines, m_itemView, m_sheet, entry, this);
    connect(m_lineEditor, &LineEditor::documentChanged, this, &TForm1::refresh);
    connect(entry, &TForm2::documentChanged, this, &TForm1::refresh);
    connect(m_lineEditor, &LineEditor::codeColumnsRequested, this, [this](bool open) {
        if (open == (m_codeButton->text() == u"CODE　OPEN"))
            Button54Click();
    });
    connect(m_lineEditor, &LineEditor::firstRowsRequested, this, &TForm1::Button56Click);
    connect(m_lineEditor, &LineEditor::lastRowsRequested, this, &TForm1::Button114Click);
    // A row without a line opens the material menu; "Stokの呼出" is the stock button.
    connect(m_lineEditor, &LineEditor::materialMenuRequested, m_catalog, &CatalogScreens::Button13Click);
    if (auto *stock = m_lineEditor->popupMenu()->findChild<QAction *>(u"N17"_qs)) {
        stock->setEnabled(true);
        connect(stock, &QAction::triggered, m_catalog, &CatalogScreens::Button89Click);
    }
    // The calculator hands its values to the line editing and to the data entry window.
    if (auto *dentakukun = qobject_cast<Tdentakukun *>(m_calculator)) {
        m_lineEditor->setCalculatorInput([dentakukun] { dentakukun->inputValue(); });
        entry->setCalculator(dentakukun, [dentakukun] { dentakukun->showModal(); });
        dentakukun->setCopyTarget([entry](const QString &value) { return entry->takeCalculatorCopy(value); });
    }
}

void TForm1::FormCreate(const QString &programFolder, const QString &estimateFile)
{
    startup::initialize(m_doc, *m_host, startup::programFolder(programFolder), QDate::currentDate());
    m_catalog->FormCreate();
    setStartSize();
    FormResize();
    if (startup::openStartFile(m_doc, *m_host, estimateFile) && !estimateFile.isEmpty())
        usersettings::rememberEstimateFile(estimateFile);
    FormActivate();
    refresh();
    m_dentaku->setFocus();
}

// The compressed-amount radio buttons follow the option "・圧縮金額を表示させる".
void TForm1::FormActivate()
{
    const bool shown = m_doc.settings.CheckBox25;
    m_doc.controls.RadioButton5 = shown;
    m_compressedShown->setChecked(shown);
    m_compressedHidden->setChecked(!shown);
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_itemLabel && event->type() == QEvent::MouseButtonRelease)
        Label18Click();
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (!FormClose()) {
        event->ignore();
        return;
    }
    event->accept();
    if (m_recovery)
        m_recovery->discard();
    emit closed();
}

// Returns true when the window may close: nothing unsaved, discarded on purpose, or saved.
bool TForm1::FormClose()
{
    const bool mayClose = unsavedwork::mayClose(m_doc, *m_host);
    refresh();
    return mayClose;
}

void TForm1::refresh()
{
    if (m_recovery)
        m_recovery->documentChanged();
    const MainControls &c = m_doc.controls;
    setWindowTitle(c.Caption);
    applyControls();
    for (GridView *grid : {static_cast<GridView *>(m_lines), static_cast<GridView *>(m_itemView),
                           static_cast<GridView *>(m_sheet)})
        grid->gridModel()->refresh();
    m_lines->setVisible(c.showLines);
    m_itemView->setVisible(c.showItemView);
    m_sheet->setVisible(c.showSheet);
    make::background(m_indicator, QColor::fromRgb(QRgb(c.viewIndicatorColor)));
    make::background(m_itemPanel, QColor::fromRgb(QRgb(c.itemPanelColor)));
    m_rounding->setCurrentText(m_doc.settings.ComboBox35);
    m_compressedShown->setChecked(c.RadioButton5);
    m_compressedHidden->setChecked(!c.RadioButton5);
    m_catalog->refresh();
    applyRowHeights();
    if (std::exchange(m_doc.controls.windowWidthRequested, false))
        fitWidthToOption();
    applyScrollRequests();
    applyFocusRequest();
    m_sheet->viewport()->update();
}

// An operation asked for the keyboard focus to move to one of the window's own controls (the
// overlay screens take the requests for theirs).
void TForm1::applyFocusRequest()
{
    QString &name = m_doc.controls.focus;
    auto *w = qobject_cast<QWidget *>(m_named.value(name));
    if (!w)
        return;
    if (w->isVisible())
        w->setFocus();
    name.clear();
}

void TForm1::applyControls()
{
    for (const MainControlName &entry : mainControlNames()) {
        QObject *object = m_named.value(entry.name.toString());
        if (!object)
            continue;
        const ControlState &state = m_doc.controls.*entry.state;
        if (auto *label = qobject_cast<QLabel *>(object)) {
            label->setText(state.text);
        } else if (auto *button = qobject_cast<QAbstractButton *>(object)) {
            button->setText(state.text);
            button->setEnabled(state.enabled);
            button->setVisible(state.visible);
        } else if (auto *action = qobject_cast<QAction *>(object)) {
            action->setText(state.text);
            action->setEnabled(state.enabled);
            action->setVisible(state.visible);
        } else if (auto *widget = qobject_cast<QWidget *>(object)) {
            widget->setVisible(state.visible);
        }
    }
}

void TForm1::applyScrollRequests()
{
    MainControls &c = m_doc.controls;
    if (c.lineTableTopRow >= 0)
        m_lines->scrollToTopRow(std::max(1, c.lineTableTopRow));
    if (c.itemViewTopRow >= 0)
        m_itemView->scrollToTopRow(std::max(1, c.itemViewTopRow));
    if (c.sheetTopRow >= 0)
        m_sheet->scrollToTopRow(std::max(1, c.sheetTopRow));
    c.lineTableTopRow = c.itemViewTopRow = c.sheetTopRow = -1;
}

void TForm1::setCodeColumnsOpen(bool open)
{
    m_lines->setCodeColumnsOpen(open);
    m_itemView->setCodeColumnsOpen(open);
    m_sheet->setCodeColumnsOpen(open);
}

QList<GridView *> TForm1::shownGrids() const
{
    QList<GridView *> shown;
    for (GridView *grid : {static_cast<GridView *>(m_lines), static_cast<GridView *>(m_itemView),
                           static_cast<GridView *>(m_sheet)})
        if (grid->isVisibleTo(const_cast<TForm1 *>(this)))
            shown.append(grid);
    return shown;
}

// The keypad and the calculator open where the pointer was released, pulled up so that they stay
// on screen.
void TForm1::moveCompanions(const QPoint &globalPos)
{
    for (QWidget *w : {m_keypad, m_calculator}) {
        if (!w)
            continue;
        QPoint p = globalPos;
        if (const QScreen *screen = QGuiApplication::screenAt(globalPos)) {
            const QRect area = screen->availableGeometry();
            p.setY(std::min(p.y(), area.bottom() - w->frameGeometry().height()));
            p.setX(std::min(p.x(), area.right() - w->frameGeometry().width()));
        }
        w->move(p);
    }
}
