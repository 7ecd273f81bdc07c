#pragma once

#include <QDialog>

class EstimateDocument;
class QCheckBox;
class QComboBox;
class QFrame;

// The unit window "単位": a modal picker for an item's unit, and the window of the simple
// copper-base adjustment with the copper-base manual option.
class TForm6 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm6(EstimateDocument &doc, QWidget *parent = nullptr);

    // Shown as a unit picker: the unit its list holds when it closes. Host::unitChoice lands here.
    QString askUnit();
    // Shown with the copper-base panel, `current` in its list: the copper base chosen.
    // Host::copperBaseChoice lands here.
    QString askCopperBase(const QString &current);

protected:
    void showEvent(QShowEvent *event) override;

private:
    EstimateDocument &m_doc;
    QComboBox *m_units = nullptr;      // ComboBox6
    QFrame *m_copperPanel = nullptr;   // Panel1
    QComboBox *m_copperBase = nullptr; // ComboBox1
    QCheckBox *m_manual = nullptr;     // CheckBox1
};
