#include "estimate/settingsscreen.h"

#include "widgets/controlfactory.h"
#include "estimate/document.h"
#include "estimate/settingsbasictab.h"
#include "estimate/settingsbinder.h"
#include "estimate/settingsrules.h"
#include "output/settingsprinttab.h"
#include "output/settingssealtab.h"
#include "storage/settingsfile.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

SettingsScreen::SettingsScreen(EstimateDocument &doc, Host &host, QWidget *parent)
    : QWidget(parent), m_doc(doc), m_host(host)
{
    setObjectName(u"Panel23"_qs);
    setAutoFillBackground(true);
    setFont(QFont(make::uiFace(), 10));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(2);
    layout->addWidget(buildTopBar());

    m_basic = new SettingsBasicTab(doc, host, this);
    m_print = new SettingsPrintTab(this);
    m_seal = new SettingsSealTab(doc, host, this);
    // Each page scrolls on a window too low for it, rather than squeezing its fields together.
    for (QWidget *page : {static_cast<QWidget *>(m_basic), static_cast<QWidget *>(m_print),
                          static_cast<QWidget *>(m_seal)}) {
        auto *area = new QScrollArea(this);
        area->setFrameShape(QFrame::NoFrame);
        area->setWidgetResizable(true);
        area->setWidget(page);
        layout->addWidget(area, 1);
    }

    m_binder = new SettingsBinder(doc, host, this);
    m_basic->attach(*m_binder);
    connect(&doc, &EstimateDocument::changed, this, &SettingsScreen::refresh);
    TabControl1Change(0);
    refresh();
    hide();
}

QWidget *SettingsScreen::buildTopBar()
{
    auto *bar = new QWidget(this);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 0, 4, 0);

    auto *heading = make::label(bar, u"設定画面"_qs);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSize(13);
    heading->setFont(bold);
    row->addWidget(heading);
    row->addSpacing(16);

    m_tabs = new QTabBar(bar);
    m_tabs->setObjectName(u"TabControl1"_qs);
    m_tabs->addTab(u"基本設定"_qs);
    m_tabs->addTab(u"印刷設定"_qs);
    m_tabs->addTab(u"印鑑設定"_qs);
    m_tabs->setExpanding(false);
    connect(m_tabs, &QTabBar::currentChanged, this, &SettingsScreen::TabControl1Change);
    row->addWidget(m_tabs, 0, Qt::AlignBottom);
    row->addSpacing(12);

    m_hint = make::label(bar, u"※必要の無い欄は空白にすれば印刷しません。"_qs, u"Label123"_qs);
    m_hint->setStyleSheet(u"color: #c00000;"_qs);
    row->addWidget(m_hint);
    row->addStretch();
    row->addWidget(buildButtons());
    return bar;
}

QWidget *SettingsScreen::buildButtons()
{
    auto *box = new QWidget(this);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);

    m_saved = make::label(box, u"***保存しました***"_qs, u"Label47"_qs);
    m_saved->setStyleSheet(u"color: #0000c0; font-weight: bold;"_qs);
    m_saved->hide();
    row->addWidget(m_saved);
    row->addSpacing(8);

    auto *files = new QFrame(box);
    files->setFrameShape(QFrame::StyledPanel);
    auto *fileRow = new QHBoxLayout(files);
    fileRow->setContentsMargins(4, 2, 4, 2);
    fileRow->addWidget(make::note(files, u"設定ファイル"_qs));
    auto *save = make::button(files, u"Button135"_qs, u"ファイル保存"_qs);
    auto *read = make::button(files, u"Button136"_qs, u"ファイル読込"_qs);
    fileRow->addWidget(save);
    fileRow->addWidget(read);
    row->addWidget(files);
    row->addSpacing(8);

    auto *saveStandard = make::button(box, u"Button74"_qs, u"基準値保存"_qs);
    auto *readStandard = make::button(box, u"Button80"_qs, u"基準値読込"_qs);
    auto *close = make::button(box, u"Button73"_qs, u"閉じる"_qs, 96);
    row->addWidget(saveStandard);
    row->addWidget(readStandard);
    row->addSpacing(8);
    row->addWidget(close);

    connect(save, &QPushButton::clicked, this, &SettingsScreen::Button135Click);
    connect(read, &QPushButton::clicked, this, &SettingsScreen::Button136Click);
    connect(saveStandard, &QPushButton::clicked, this, &SettingsScreen::Button74Click);
    connect(readStandard, &QPushButton::clicked, this, &SettingsScreen::Button80Click);
    connect(close, &QPushButton::clicked, this, &SettingsScreen::Button73Click);
    return box;
}

void SettingsScreen::open()
{
    m_binder->refresh();
    m_seal->refreshPreview();
    refresh();
    show();
    raise();
}

void SettingsScreen::refresh()
{
    m_basic->refresh();
}

void SettingsScreen::TabControl1Change(int index)
{
    const QWidget *pages[] = {m_basic, m_print, m_seal};
    for (int i = 0; i < 3; ++i)
        if (auto *area = qobject_cast<QScrollArea *>(pages[i]->parentWidget()->parentWidget()))
            area->setVisible(index == i);
    m_hint->setVisible(index == 1);
    if (index == 2)
        m_seal->TabShown();
}

void SettingsScreen::Button74Click()
{
    if (settingsfile::saveStandardValues(m_doc, m_host))
        showSavedNotice();
    m_doc.notifyChanged();
}

void SettingsScreen::Button80Click()
{
    settingsfile::readStandardValues(m_doc, m_host);
    m_doc.notifyChanged();
}

void SettingsScreen::Button135Click()
{
    if (settingsfile::saveUserSettings(m_doc, m_host))
        showSavedNotice();
    m_doc.notifyChanged();
}

void SettingsScreen::Button136Click()
{
    settingsfile::readUserSettings(m_doc, m_host);
    m_doc.notifyChanged();
}

void SettingsScreen::Button73Click()
{
    // A rate that is not a number keeps the screen open (the error has been shown).
    const bool applied = settingsrules::applySettings(m_doc, m_host);
    if (applied)
        hide();
    m_doc.notifyChanged();
    if (applied)
        emit closed();
}

void SettingsScreen::showSavedNotice()
{
    // Shown for one second while the window keeps responding.
    m_saved->show();
    QTimer::singleShot(1000, m_saved, &QWidget::hide);
}
