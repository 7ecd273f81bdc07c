#include "output/settingssealtab.h"

#include "widgets/controlfactory.h"
#include "widgets/fieldevents.h"
#include "base/conversionerror.h"
#include "estimate/document.h"
#include "output/seal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

SettingsSealTab::SettingsSealTab(EstimateDocument &doc, Host &host, QWidget *parent)
    : QWidget(parent), m_doc(doc), m_host(host)
{
    setObjectName(u"Panel59"_qs);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(buildFields(), 0, Qt::AlignTop);
    layout->addStretch();
    // The preview follows every change of the seal settings (a settings file read, "設定").
    connect(&doc, &EstimateDocument::changed, this, &SettingsSealTab::refreshPreview);
    refreshPreview();
}

QWidget *SettingsSealTab::buildFields()
{
    auto *group = new QGroupBox(u"印鑑"_qs, this);
    auto *v = new QVBoxLayout(group);

    auto *g = new QGridLayout;
    v->addLayout(g); // first, so that the rows below find their parent widget
    g->setHorizontalSpacing(8);
    g->addWidget(make::label(group, u"印鑑名"_qs), 0, 1);
    auto *name = make::edit(group, u"Edit61"_qs, 120);
    g->addWidget(name, 0, 2, 1, 2);
    g->addWidget(make::label(group, u"文字サイズ"_qs), 1, 1);
    auto *size = m_size = make::combo(group, u"ComboBox47"_qs,
                             {u"9"_qs, u"10"_qs, u"11"_qs, u"12"_qs, u"14"_qs, u"16"_qs, u"18"_qs, u"20"_qs,
                              u"22"_qs, u"24"_qs, u"26"_qs, u"28"_qs, u"30"_qs},
                             64);
    g->addWidget(size, 1, 2);
    addStepRow(g, 2, u"Label173"_qs, u"円の高さ"_qs, u"Button149"_qs, u"Button150"_qs);
    addStepRow(g, 3, u"Label174"_qs, u"円の横幅"_qs, u"Button159"_qs, u"Button160"_qs);
    addStepRow(g, 4, u"Label167"_qs, u"文字間隔"_qs, u"Button156"_qs, u"Button157"_qs);
    g->setColumnMinimumWidth(0, 28);

    v->addSpacing(8);
    v->addWidget(buildPreview(), 0, Qt::AlignLeft);
    v->addSpacing(8);
    v->addWidget(make::check(group, u"CheckBox24"_qs, u"印刷時に印鑑を印刷する。"_qs));
    v->addStretch();

    // Measures the first character of the seal name; never shown.
    make::label(group, QString(), u"Label172"_qs)->hide();

    fieldevents::onKeyUp(name, [this](QKeyEvent *) { Edit61KeyUp(); });
    connect(size, &QComboBox::textActivated, this, &SettingsSealTab::ComboBox47Select);
    return group;
}

QWidget *SettingsSealTab::buildPreview()
{
    // The preview image in its white frame.
    auto *frame = new QWidget(this);
    frame->setObjectName(u"Image1Frame"_qs);
    frame->setStyleSheet(u"#Image1Frame { background: white; border: 1px solid #a0a0a0; }"_qs);
    auto *inner = new QVBoxLayout(frame);
    inner->setContentsMargins(8, 8, 8, 8);
    m_preview = make::label(frame, QString(), u"Image1"_qs);
    m_preview->setFixedSize(80, 77);
    QPixmap blank(80, 77);
    blank.fill(Qt::white);
    m_preview->setPixmap(blank);
    inner->addWidget(m_preview);
    return frame;
}

void SettingsSealTab::addStepRow(QGridLayout *grid, int row, const QString &valueLabel,
                                 const QString &caption, const QString &plus, const QString &minus)
{
    QWidget *parent = grid->parentWidget();
    auto *value = make::note(parent, QString(), valueLabel);
    QFont small = value->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    value->setFont(small);
    grid->addWidget(value, row, 0, Qt::AlignRight);
    grid->addWidget(make::label(parent, caption), row, 1);
    auto *buttons = new QHBoxLayout;
    for (const QString &name : {plus, minus}) {
        auto *b = make::button(parent, name, name == plus ? u"+"_qs : u"-"_qs, 32);
        connect(b, &QPushButton::clicked, this, [this, name] { stepClick(name); });
        buttons->addWidget(b);
    }
    buttons->addStretch();
    grid->addLayout(buttons, row, 2, 1, 2);
}

void SettingsSealTab::refreshPreview()
{
    m_preview->setPixmap(QPixmap::fromImage(seal::preview(m_doc.settings)));
}

void SettingsSealTab::refillSizes()
{
    const std::optional<QStringList> sizes = seal::sizeList(m_doc.settings);
    if (!sizes)
        return;
    const QSignalBlocker blocker(m_size);
    m_size->clear();
    m_size->addItems(*sizes);
    m_size->setCurrentText(m_doc.settings.ComboBox47);
}

void SettingsSealTab::TabShown()
{
    refillSizes();
    seal::presets(m_doc.settings);
    refreshPreview();
    m_doc.notifyChanged();
}

void SettingsSealTab::stepClick(const QString &button)
{
    try {
        seal::step(m_doc.settings, button);
    } catch (const ConversionError &) {
        return; // a value that is not a whole number is left as it is
    }
    refreshPreview();
    m_doc.notifyChanged();
}

void SettingsSealTab::Edit61KeyUp()
{
    refillSizes();
    seal::presets(m_doc.settings);
    refreshPreview();
    m_doc.notifyChanged();
}

void SettingsSealTab::ComboBox47Select(const QString &size)
{
    m_doc.settings.ComboBox47 = size;
    seal::presets(m_doc.settings);
    refreshPreview();
    m_doc.notifyChanged();
}
