#include "entry/tform6.h"

#include "entry/unitchoices.h"
#include "estimate/document.h"
#include "widgets/controlfactory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm6::TForm6(EstimateDocument &doc, QWidget *parent) : QDialog(parent), m_doc(doc)
{
    setObjectName(u"TForm6"_qs);
    setWindowTitle(u"単位"_qs);
    auto *v = new QVBoxLayout(this);

    auto *unitRow = new QHBoxLayout;
    unitRow->addWidget(make::label(this, u"単位"_qs));
    m_units = make::combo(this, u"ComboBox6"_qs, unitchoices::units(), 120);
    m_units->setEditable(false);
    unitRow->addWidget(m_units);
    unitRow->addStretch();
    v->addLayout(unitRow);
    // Choosing a unit closes the window.
    connect(m_units, &QComboBox::activated, this, &QDialog::accept);

    m_copperPanel = new QFrame(this);
    m_copperPanel->setObjectName(u"Panel1"_qs);
    m_copperPanel->setFrameShape(QFrame::StyledPanel);
    auto *copperRow = new QHBoxLayout(m_copperPanel);
    copperRow->addWidget(make::label(m_copperPanel, u"簡易 : 銅ベース"_qs));
    m_copperBase = make::combo(m_copperPanel, u"ComboBox1"_qs, unitchoices::copperBases(), 90);
    m_copperBase->setCurrentText(u"800"_qs);
    copperRow->addWidget(m_copperBase);
    copperRow->addWidget(make::label(m_copperPanel, u"Ｂ"_qs));
    QPushButton *ok = make::button(m_copperPanel, u"Button1"_qs, u"OK"_qs, 60);
    copperRow->addWidget(ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    m_copperPanel->hide();
    v->addWidget(m_copperPanel);

    m_manual = make::check(this, u"CheckBox1"_qs, u"銅ベースの値を繁栄させずに手動で調整する"_qs);
    v->addWidget(m_manual);
    connect(m_manual, &QCheckBox::clicked, this, [this](bool on) { unitchoices::setManual(m_doc, on); });
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QString TForm6::askUnit()
{
    exec();
    return m_units->currentText();
}

QString TForm6::askCopperBase(const QString &current)
{
    m_copperPanel->show();
    setWindowTitle(u"簡易 : 銅ベースの調整"_qs);
    m_copperBase->setCurrentText(current);
    exec();
    m_copperPanel->hide();
    setWindowTitle(u"単位"_qs);
    m_doc.settings.TForm6_ComboBox1 = m_copperBase->currentText();
    return m_copperBase->currentText();
}

void TForm6::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    unitchoices::shown(m_doc);
    m_manual->setChecked(m_doc.settings.TForm6_CheckBox1);
    if (m_copperPanel->isVisible())
        m_copperPanel->findChild<QPushButton *>(u"Button1"_qs)->setFocus();
}
