// The main window's controls and their layout: built once, then placed by FormResize whenever the
// window changes size.

#include "app/tform1.h"

#include "app/startup.h"
#include "catalog/catalogscreens.h"
#include "entry/linegrid.h"
#include "export/exportpanel.h"
#include "estimate/settingsscreen.h"
#include "items/itemsetupscreen.h"
#include "output/itemviewgrid.h"
#include "output/printhandler.h"
#include "output/sheetgrid.h"
#include "storage/conditionscreen.h"
#include "widgets/barfit.h"

#include <QComboBox>
#include <QMenu>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QtMath>

#include <algorithm>

namespace {

constexpr int leastWidth = 1280;
constexpr int topBarHeight = 34;
constexpr int toolbarHeight = 30;
constexpr int columnWidth = 93;       // Panel8; the grids start one pixel to its right
constexpr int bottomBarHeight = 20;
constexpr int stockHeight = 44;       // the "Stock" button between the scroll buttons
constexpr int rightMargin = 5;

QFrame *panel(QWidget *parent, const QString &name)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setAutoFillBackground(true);
    return frame;
}

void setBackground(QWidget *w, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

int textToInt(const QString &text, int fallback)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && value > 4 ? value : fallback;
}

} // namespace

template<typename W>
W *TForm1::make(QWidget *parent, const QString &name)
{
    auto *w = new W(parent);
    w->setObjectName(name);
    m_named.insert(name, w);
    return w;
}

void TForm1::BarRow::place(QWidget *w, int width, int gap)
{
    w->setGeometry(x, y, width, height);
    barfit::remember(w);
    x += width + gap;
}

QPushButton *TForm1::barButton(BarRow &row, const char16_t *name, const QString &text, int width, int gap)
{
    auto *b = make<QPushButton>(row.bar, QString::fromUtf16(name));
    b->setText(text);
    row.place(b, width, gap);
    return b;
}

void TForm1::createWidgets()
{
    auto *client = new QWidget(this);
    client->setObjectName(u"clientArea"_qs);
    setCentralWidget(client);
    m_topBar = createTopBar(client);
    m_column = createButtonColumn(client);
    m_toolbar = createToolbar(client);
    createGrids(client);
    m_export = new ExportPanel(m_doc, *m_host, m_toolbar, client);
    for (QObject *control : m_export->namedControls())
        m_named.insert(control->objectName(), control);
    connect(m_export, &ExportPanel::documentChanged, this, &TForm1::refresh);
    m_bottomBar = createBottomBar(client);
    m_notice = createNoticePanel(client);

    // The copy buffer of the clipboard texts is never shown.
    auto *memo = make<QPlainTextEdit>(client, u"Memo3"_qs);
    memo->hide();
    createScreens(client);
}

// The overlay screens lie over the whole window, hidden until their buttons open them.
void TForm1::createScreens(QWidget *client)
{
    m_settingsScreen = new SettingsScreen(m_doc, *m_host, client);
    m_conditionScreen = new ConditionScreen(m_doc, *m_host, client);
    m_itemScreen = new ItemSetupScreen(m_doc, *m_host, client);
    m_print = new PrintHandler(m_doc, *m_host, this);
    m_settingsScreen->hide();
    m_conditionScreen->hide();
    connect(m_settingsScreen, &SettingsScreen::closed, this, &TForm1::refresh);
    connect(m_conditionScreen, &ConditionScreen::closed, this, &TForm1::refresh);
    connect(m_itemScreen, &ItemSetupScreen::closed, this, &TForm1::refresh);
    auto press = [this](const char16_t *name, void (TForm1::*handler)()) {
        connect(qobject_cast<QPushButton *>(m_named.value(QString::fromUtf16(name))), &QPushButton::clicked,
                this, handler);
    };
    press(u"Button14", &TForm1::Button14Click);

    // The material catalog handles the buttons of its windows.
    m_catalog = new CatalogScreens(m_doc, *m_host, client);
    connect(m_catalog, &CatalogScreens::documentChanged, this, &TForm1::refresh);
    connect(m_catalog, &CatalogScreens::itemSetupRequested, this, &TForm1::Button14Click);
    connect(m_catalog, &CatalogScreens::scrollRequested, this, &TForm1::scrollShownGrids);
    auto catalogPress = [this](const char16_t *name, void (CatalogScreens::*handler)()) {
        connect(qobject_cast<QPushButton *>(m_named.value(QString::fromUtf16(name))), &QPushButton::clicked,
                m_catalog, handler);
    };
    catalogPress(u"Button13", &CatalogScreens::Button13Click);
    catalogPress(u"Button15", &CatalogScreens::Button15Click);
    catalogPress(u"Button89", &CatalogScreens::Button89Click);
    catalogPress(u"Button161", &CatalogScreens::Button161Click);
    connect(qobject_cast<QAction *>(m_named.value(u"N51"_qs)), &QAction::triggered, m_catalog,
            &CatalogScreens::Button161Click);
    press(u"Button46", &TForm1::Button46Click);
    press(u"Button82", &TForm1::Button82Click);
    m_itemLabel->installEventFilter(this);
}

QWidget *TForm1::createTopBar(QWidget *client)
{
    QFrame *bar = panel(client, u"Panel1"_qs);
    m_named.insert(bar->objectName(), bar);
    BarRow row{bar, 4, topBarHeight - 8};
    auto place = [&](QWidget *w, int width, int gap = 4) { row.place(w, width, gap); };
    auto button = [&](const char16_t *name, const QString &text, int width, int gap = 4) {
        return barButton(row, name, text, width, gap);
    };

    button(u"Button14", u"項目設定"_qs, 84);
    m_itemPanel = panel(bar, u"itemPanel"_qs);
    m_itemPanel->setFrameShape(QFrame::Box);
    place(m_itemPanel, 330, 10);
    m_itemLabel = make<QLabel>(m_itemPanel, u"Label18"_qs);
    m_itemLabel->setGeometry(6, 1, 330 - 12, topBarHeight - 10);
    m_itemLabel->setCursor(Qt::PointingHandCursor);
    QFont itemFont = m_itemLabel->font();
    itemFont.setBold(true);
    m_itemLabel->setFont(itemFont);

    connect(button(u"Button11", u"項目別表示"_qs, 96), &QPushButton::clicked, this, &TForm1::Button11Click);
    connect(button(u"Button12", u"全体表示"_qs, 96), &QPushButton::clicked, this, &TForm1::Button12Click);
    connect(button(u"Button16", u"見積書表示"_qs, 96), &QPushButton::clicked, this, &TForm1::Button16Click);
    m_indicator = panel(bar, u"viewIndicator"_qs);
    m_indicator->setFrameShape(QFrame::Box);
    place(m_indicator, 22, 12);

    m_rounding = make<QComboBox>(bar, u"ComboBox35"_qs);
    m_rounding->addItems({u"丸め自動"_qs, u"100"_qs, u"500"_qs, u"1000"_qs, u"10000"_qs, u"100000"_qs,
                          u"1000000"_qs, u"手動計算"_qs});
    place(m_rounding, 100, 12);
    connect(m_rounding, &QComboBox::textActivated, this, &TForm1::ComboBox35Change);

    connect(button(u"Button1", u"開く"_qs, 64), &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(button(u"Button2", u"保存"_qs, 64, 12), &QPushButton::clicked, this, &TForm1::Button2Click);
    button(u"Button46", u"設定"_qs, 64);
    button(u"Button82", u"条件書"_qs, 64, 12);
    connect(button(u"Button79", u"印刷"_qs, 64), &QPushButton::clicked, this, &TForm1::Button79Click);
    return bar;
}

QWidget *TForm1::createToolbar(QWidget *client)
{
    QFrame *bar = panel(client, u"Panel34"_qs);
    m_named.insert(bar->objectName(), bar);
    BarRow row{bar, 3, toolbarHeight - 6};
    auto place = [&](QWidget *w, int width, int gap = 4) { row.place(w, width, gap); };
    auto button = [&](const char16_t *name, const QString &text, int width, int gap = 4) {
        return barButton(row, name, text, width, gap);
    };
    auto label = [&](const QString &text, int width, int gap = 2) {
        auto *l = new QLabel(text, bar);
        l->setAlignment(Qt::AlignVCenter | Qt::AlignRight);
        place(l, width, gap);
        return l;
    };

    m_codeButton = button(u"Button54", u"CODE　OPEN"_qs, 110, 16);
    connect(m_codeButton, &QPushButton::clicked, this, &TForm1::Button54Click);

    label(u"圧縮金額"_qs, 62, 6);
    label(u"表示"_qs, 30);
    connect(button(u"Button53", u"OPEN"_qs, 58), &QPushButton::clicked, this, &TForm1::Button53Click);
    label(u"非表示"_qs, 44);
    connect(button(u"Button154", u"CLOSE"_qs, 58, 16), &QPushButton::clicked, this, &TForm1::Button154Click);
    m_compressedShown = make<QRadioButton>(bar, u"RadioButton5"_qs);
    m_compressedHidden = make<QRadioButton>(bar, u"RadioButton6"_qs);
    m_compressedShown->hide();
    m_compressedHidden->hide();

    m_dentaku = button(u"dentakuButton", u"DENTAKU"_qs, 90, 16);
    connect(m_dentaku, &QPushButton::clicked, this, &TForm1::DentakuClick);
    connect(button(u"Button52", u"▲UP -5"_qs, 84), &QPushButton::clicked, this, &TForm1::Button52Click);
    connect(button(u"Button56", u"▲UP -MAX"_qs, 96, 16), &QPushButton::clicked, this, &TForm1::Button56Click);
    button(u"Button161", u"銅ベース調整"_qs, 104, 20);

    auto *date = make<QLabel>(bar, u"Label72"_qs);
    date->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    place(date, 300);
    return bar;
}

QWidget *TForm1::createButtonColumn(QWidget *client)
{
    QFrame *column = panel(client, u"Panel8"_qs);
    m_named.insert(column->objectName(), column);
    auto button = [&](const char16_t *name, const QString &text) {
        auto *b = make<QPushButton>(column, QString::fromUtf16(name));
        b->setText(text);
        return b;
    };
    button(u"Button13", u"材料選択"_qs);
    connect(button(u"Button113", u"UP-MAX"_qs), &QPushButton::clicked, this, &TForm1::Button113Click);
    button(u"Button89", u"Stock"_qs);
    connect(button(u"Button114", u"DN-MAX"_qs), &QPushButton::clicked, this, &TForm1::Button114Click);
    button(u"Button15", u"前回材料"_qs);
    return column;
}

QWidget *TForm1::createBottomBar(QWidget *client)
{
    QFrame *bar = panel(client, u"Panel35"_qs);
    bar->setFrameShape(QFrame::NoFrame);
    m_named.insert(bar->objectName(), bar);
    auto *version = make<QLabel>(bar, u"Label163"_qs);
    version->setGeometry(6, 0, 90, bottomBarHeight);
    auto *count = make<QLabel>(bar, u"Label164"_qs);
    count->setGeometry(110, 0, 240, bottomBarHeight);

    // Hidden labels that hold values for the operations.
    const std::pair<const char16_t *, QString> hidden[] = {
        {u"Label144", u"6.16"_qs}, {u"Label138", QString()}, {u"Label171", u"1"_qs}};
    for (const auto &[name, text] : hidden) {
        auto *l = make<QLabel>(bar, QString::fromUtf16(name));
        l->setText(text);
        l->hide();
    }
    return bar;
}

QWidget *TForm1::createNoticePanel(QWidget *client)
{
    QFrame *notice = panel(client, u"Panel94"_qs);
    m_named.insert(notice->objectName(), notice);
    notice->setFrameShape(QFrame::Box);
    setBackground(notice, QColor(255, 255, 221));
    notice->resize(620, 128);

    auto *message = make<QLabel>(notice, u"Label149"_qs);
    message->setGeometry(16, 12, 588, 24);
    auto *fixed = make<QLabel>(notice, u"Label150"_qs);
    fixed->setText(u"Excel変換後手動で書き換えをお願いします。 "_qs);
    fixed->setGeometry(16, 40, 588, 24);
    auto *amount = make<QLabel>(notice, u"Label151"_qs);
    amount->setGeometry(16, 68, 440, 24);
    QFont bold = amount->font();
    bold.setBold(true);
    message->setFont(bold);
    amount->setFont(bold);
    auto *close = make<QPushButton>(notice, u"Button129"_qs);
    close->setText(u"閉じる"_qs);
    close->setGeometry(620 - 16 - 90, 128 - 12 - 28, 90, 28);
    connect(close, &QPushButton::clicked, this, &TForm1::Button129Click);
    notice->hide();
    return notice;
}

void TForm1::createGrids(QWidget *client)
{
    m_lines = new LineGrid(m_doc, *m_host, client);
    m_itemView = new ItemViewGrid(m_doc, *m_host, client);
    m_sheet = new SheetGrid(m_doc, *m_host, client);
    for (QObject *grid : {static_cast<QObject *>(m_lines), static_cast<QObject *>(m_itemView),
                          static_cast<QObject *>(m_sheet)})
        m_named.insert(grid->objectName(), grid);
    for (QAction *action : m_sheet->popupMenu()->actions())
        if (!action->objectName().isEmpty())
            m_named.insert(action->objectName(), action);
    m_named.insert(m_sheet->popupMenu()->objectName(), m_sheet->popupMenu());

    connect(m_sheet, &SheetGrid::documentChanged, this, &TForm1::refresh);
    connect(m_sheet, &SheetGrid::codeColumnsRequested, this, [this](bool open) {
        // "コード表示" presses "CODE　OPEN" only while it opens; "コード非表示" only while it closes.
        if (open == (m_codeButton->text() == u"CODE　OPEN"))
            Button54Click();
    });
    connect(m_sheet, &SheetGrid::pointerReleased, this, &TForm1::moveCompanions);
    connect(m_sheet, &SheetGrid::settingsRequested, this, &TForm1::openSettingsAt);
    const std::pair<const char16_t *, void (TForm1::*)()> entries[] = {
        {u"N41", &TForm1::N41Click}, {u"NET1", &TForm1::NET1Click}, {u"NET2", &TForm1::NET2Click}, {u"N35", &TForm1::N35Click},
        {u"N43", &TForm1::N43Click}, {u"N45", &TForm1::N45Click}};
    for (const auto &[name, handler] : entries)
        connect(qobject_cast<QAction *>(m_named.value(QString::fromUtf16(name))), &QAction::triggered, this, handler);
    connect(m_itemView, &ItemViewGrid::documentChanged, this, &TForm1::refresh);
    connect(m_itemView, &ItemViewGrid::pointerReleased, this, &TForm1::moveCompanions);
    connect(m_lines, &LineGrid::pointerReleased, this, &TForm1::moveCompanions);
}

void TForm1::setStartSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize area = screen ? screen->geometry().size() : QSize(1580, 1000);
    setMinimumWidth(std::min(leastWidth, area.width()));
    resize(startup::windowSize(m_doc.settings.CheckBox2, area));
}

// "・起動時に画面幅で表示" was switched: the window takes the width the option gives and is centred
// on its screen again.
void TForm1::fitWidthToOption()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const int frameWidth = frameGeometry().width() - width();
    const int wanted = startup::windowSize(m_doc.settings.CheckBox2, screen->geometry().size()).width();
    const int target = std::min(wanted, area.width() - frameWidth);
    setMinimumWidth(std::min(minimumWidth(), target));
    resize(target, height());
    QRect frame = frameGeometry();
    frame.moveCenter(area.center());
    move(std::max(area.left(), frame.left()), std::max(area.top(), frame.top()));
}

void TForm1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TForm1::FormResize()
{
    if (!m_topBar)
        return;
    const QWidget *client = centralWidget();
    const int w = client->width();
    const int h = client->height();

    m_topBar->setGeometry(0, 0, w, topBarHeight);
    barfit::fit(m_topBar, m_itemPanel, 150);
    m_itemLabel->setGeometry(6, 1, m_itemPanel->width() - 12, m_itemLabel->height());
    m_column->setGeometry(0, topBarHeight, columnWidth, h - topBarHeight);
    const int gridLeft = columnWidth + 1;
    const int gridWidth = std::max(100, w - gridLeft - rightMargin);
    m_toolbar->setGeometry(gridLeft, topBarHeight, gridWidth, toolbarHeight);
    barfit::fit(m_toolbar, qobject_cast<QWidget *>(m_named.value(u"Label72"_qs)), 120);
    const int gridTop = topBarHeight + toolbarHeight;
    const int gridHeight = std::max(60, h - gridTop - 23);
    for (QWidget *grid : {static_cast<QWidget *>(m_lines), static_cast<QWidget *>(m_itemView),
                          static_cast<QWidget *>(m_sheet)})
        grid->setGeometry(gridLeft, gridTop, gridWidth, gridHeight);
    m_bottomBar->setGeometry(gridLeft, h - 2 - bottomBarHeight, gridWidth, bottomBarHeight);
    m_export->layout(gridWidth, w, QRect(gridLeft, gridTop, gridWidth, gridHeight));
    for (QWidget *screen : {static_cast<QWidget *>(m_settingsScreen), static_cast<QWidget *>(m_conditionScreen),
                            static_cast<QWidget *>(m_itemScreen)})
        screen->setGeometry(0, 0, w, h);
    m_catalog->layout(w, h);
    m_notice->move(gridLeft + std::max(0, (gridWidth - m_notice->width()) / 2), gridTop + 60);
    layoutButtonColumn();
    applyRowHeights();
    m_sheet->fitPriceColumns();
}

void TForm1::layoutButtonColumn()
{
    const int height = m_column->height();
    const int width = m_column->width() - 4;
    const int h = height - stockHeight;
    const int scroll = h / 8;
    const int tall = (h - 2 * scroll) / 2 - 2;
    int y = 2;
    const std::pair<const char16_t *, int> stack[] = {
        {u"Button13", tall}, {u"Button113", scroll}, {u"Button89", stockHeight},
        {u"Button114", scroll}, {u"Button15", tall}};
    for (const auto &[name, buttonHeight] : stack) {
        if (auto *b = qobject_cast<QWidget *>(m_named.value(QString::fromUtf16(name))))
            b->setGeometry(2, y, width, std::max(10, buttonHeight));
        y += std::max(10, buttonHeight);
    }
}

void TForm1::applyRowHeights()
{
    const Settings &s = m_doc.settings;
    const int lineHeight = textToInt(s.ComboBox36, 24);
    const int sheetHeight = textToInt(s.ComboBox37, 24);
    if (m_lines->defaultRowHeight() != lineHeight) {
        m_lines->setDefaultRowHeight(lineHeight);
        m_itemView->setDefaultRowHeight(lineHeight);
    }
    if (m_sheet->defaultRowHeight() != sheetHeight)
        m_sheet->setDefaultRowHeight(sheetHeight);
    // Compilation sizes the sheet to what fits on screen.
    m_doc.sheetVisibleRows = qRound(double(m_sheet->height()) / sheetHeight);
}
