#include "export/exportpanel.h"

#include "base/conversionerror.h"
#include "base/host.h"
#include "base/textgridmodel.h"
#include "estimate/document.h"
#include "export/exporting.h"
#include "export/exportprogress.h"
#include "export/tally.h"
#include "output/cellstyles.h"
#include "widgets/gridview.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {

constexpr int panelWidth = 318;
constexpr int progressHeight = 92;

// The progress panel as the export operations drive it. The bar repaints only when its shown
// value changes, so that a long list does not spend its time painting.
class PanelProgress : public ExportProgress
{
public:
    PanelProgress(QWidget *panel, QProgressBar *bar) : m_panel(panel), m_bar(bar) {}

    void show() override
    {
        m_panel->show();
        m_panel->raise();
        m_panel->repaint();
    }
    void setMaximum(int maximum) override
    {
        ExportProgress::setMaximum(maximum);
        m_bar->setMaximum(std::max(1, maximum));
    }
    void setPosition(int position) override
    {
        ExportProgress::setPosition(position);
        const int step = std::max(1, m_bar->maximum() / 100);
        if (position == 0 || position >= m_bar->maximum() || position / step != m_bar->value() / step) {
            m_bar->setValue(std::min(position, m_bar->maximum()));
            m_bar->repaint();
        }
    }
    void hide() override { m_panel->hide(); }

private:
    QWidget *m_panel;
    QProgressBar *m_bar;
};

// Tally grid cells: codes and counts centred, amounts right-aligned as "#,###.##".
CellStyle tallyCell(const EstimateDocument &doc, int column, int row)
{
    CellStyle style;
    style.text = doc.tally.cell(column, row);
    if (column <= 1 || (column >= 4 && column <= 9)) {
        style.align = CellStyle::Align::Centre;
    } else if (column == 10 || column == 12 || column == 14) {
        style.align = CellStyle::Align::Right;
        style.text = cellstyle::numberFormat(style.text);
    }
    return style;
}

} // namespace

ExportPanel::ExportPanel(EstimateDocument &doc, Host &host, QWidget *toolbar, QWidget *client)
    : QObject(client), m_doc(doc), m_host(host)
{
    auto name = [this](QObject *o, const char16_t *objectName) {
        o->setObjectName(QString::fromUtf16(objectName));
        m_named.append(o);
    };
    auto button = [&](QWidget *parent, const char16_t *objectName, const QString &text, QRect at,
                      void (ExportPanel::*handler)()) {
        auto *b = new QPushButton(text, parent);
        name(b, objectName);
        b->setGeometry(at);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };

    m_panel = new QFrame(toolbar);
    name(m_panel, u"Panel66");
    const int h = toolbar->height() > 0 ? toolbar->height() - 6 : 24;
    button(m_panel, u"Button81", u"見積書変換"_qs, {0, 0, 104, h}, &ExportPanel::Button81Click);
    button(m_panel, u"Button94", u"原価検討"_qs, {108, 0, 100, h}, &ExportPanel::Button94Click);
    button(m_panel, u"tallyExportButton", u"原価集計表作成"_qs, {212, 0, 106, h}, &ExportPanel::tallyExportClick);
    m_cover = new QFrame(m_panel);
    name(m_cover, u"Panel80");
    m_cover->setAutoFillBackground(true);
    m_cover->setGeometry(0, 0, panelWidth, h);
    button(m_cover, u"Button97", u"エクセル変換 (OPEN)"_qs, {0, 0, panelWidth, h}, &ExportPanel::Button97Click);

    m_progress = new QFrame(client);
    name(m_progress, u"Panel72");
    m_progress->setFrameShape(QFrame::Box);
    m_progress->setAutoFillBackground(true);
    QPalette palette = m_progress->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 225));
    m_progress->setPalette(palette);
    auto *title = new QLabel(u"エクセル変換中"_qs, m_progress);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 3);
    title->setFont(bold);
    title->setGeometry(16, 8, 300, 28);
    auto *wait = new QLabel(u"※しばらくお待ちください。"_qs, m_progress);
    wait->setGeometry(330, 8, 300, 28);
    m_bar = new QProgressBar(m_progress);
    name(m_bar, u"ProgressBar1");
    m_progress->hide();

    m_tally = new GridView(doc.tally, [&doc](int c, int r) { return tallyCell(doc, c, r); }, client);
    name(m_tally, u"StringGrid9");
    m_tally->setHeaderLook({QColor(128, 0, 128), Qt::white, [] {
                                QFont f = GridView::gridTextFont();
                                f.setPointSize(10);
                                return f;
                            }()});
    QFont gridFont = GridView::gridTextFont();
    gridFont.setPixelSize(12);
    m_tally->setGridFont(gridFont);
    m_tally->hide();

    // The tally's own steps, on a panel that is never shown.
    m_tallyPanel = new QFrame(client);
    name(m_tallyPanel, u"Panel95");
    button(m_tallyPanel, u"Button137", u"AB材集計表作成"_qs, {0, 0, 140, 24}, &ExportPanel::Button137Click);
    button(m_tallyPanel, u"Button142", u"コード毎集計処理"_qs, {0, 26, 140, 24}, &ExportPanel::Button142Click);
    button(m_tallyPanel, u"Button138", u"原価集計表作成"_qs, {0, 52, 140, 24}, &ExportPanel::tallyExportClick);
    button(m_tallyPanel, u"Button139", u"Stringgrid9 表示/非表示"_qs, {0, 78, 140, 24}, &ExportPanel::Button139Click);
    m_tallyPanel->hide();
}

QList<QObject *> ExportPanel::namedControls() const
{
    return m_named;
}

void ExportPanel::cover()
{
    m_cover->show();
}

void ExportPanel::layout(int toolbarWidth, int clientWidth, const QRect &gridArea)
{
    const int h = m_panel->parentWidget()->height() - 6;
    m_panel->setGeometry(std::max(0, toolbarWidth - panelWidth - 6), 3, panelWidth, h);
    m_progress->setGeometry(0, gridArea.top() + 80, clientWidth, progressHeight);
    m_bar->setGeometry(16, 44, clientWidth - 32, 30);
    m_tally->setGeometry(gridArea);
}

void ExportPanel::Button97Click()
{
    m_cover->hide();
    m_host.playSound(m_doc.strFilePath + u"SW06.wav"_qs);
}

void ExportPanel::Button81Click()
{
    PanelProgress progress(m_progress, m_bar);
    exporting::Button81Click(m_doc, m_host, progress);
    finished();
}

void ExportPanel::Button94Click()
{
    PanelProgress progress(m_progress, m_bar);
    exporting::Button94Click(m_doc, m_host, progress);
    finished();
}

void ExportPanel::tallyExportClick()
{
    PanelProgress progress(m_progress, m_bar);
    exporting::tallyExport(m_doc, m_host, progress, m_doc.catalog.menu);
    showTallyWidths();
    m_tally->gridModel()->refresh();
    finished();
}

void ExportPanel::Button137Click()
{
    try {
        tally::Button137Click(m_doc, m_doc.catalog.menu);
    } catch (const ConversionError &e) {
        m_host.error(e.message());
    }
    showTallyWidths();
    m_tally->gridModel()->refresh();
}

void ExportPanel::showTallyWidths()
{
    for (int c = 0; c < int(std::size(tally::columnWidths)); ++c)
        if (tally::columnWidths[c] > 0)
            m_tally->setColumnWidthOrHide(c, tally::columnWidths[c]);
}

void ExportPanel::Button142Click()
{
    try {
        tally::Button142Click(m_doc);
    } catch (const ConversionError &e) {
        m_host.error(e.message());
    }
    m_tally->gridModel()->refresh();
}

void ExportPanel::Button139Click()
{
    m_tally->setVisible(!m_tally->isVisible());
}

void ExportPanel::finished()
{
    m_progress->hide();
    m_bar->setValue(0);
    cover();
    emit documentChanged();
}
