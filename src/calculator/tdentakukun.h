#pragma once

#include "calculator/deskcalculator.h"

#include <QByteArray>
#include <QDialog>
#include <QHash>

#include <functional>
#include <optional>

class EstimateDocument;
class Host;
class QLabel;
class QLineEdit;
class QPushButton;

// The desk calculator window "SOL-VARA_電卓". It is created once and serves three ways: as the free
// calculator of the toolbar (shown without blocking), modally from the data-entry window, and in
// input mode, where "入力" hands the result to the caller through the keypad's entry field
// (EstimateDocument::keypadText). The arithmetic lives in DeskCalculator; the window binds its keys
// by object name and shows the result.
class Tdentakukun : public QDialog
{
    Q_OBJECT

public:
    Tdentakukun(EstimateDocument &doc, Host &host, QWidget *parent = nullptr);

    // What the "％" key does in input mode: percent, or "工数" (the operand times the labour unit
    // price), as the estimate sheet's rows other than the labour row ask for it.
    enum class PercentKey { Percent, Labour };

    // Input mode. Empties the keypad's entry field, shows the calculator modally with "貼付" and
    // "入力", and returns what "入力" left in the entry field (the display without separators).
    // nullopt when the window was closed without "入力" or "入力" found the display empty; the
    // entry field is then empty too. The normal layout is back when it returns.
    std::optional<QString> inputValue(PercentKey percentKey = PercentKey::Percent);

    // The free calculator of the toolbar's "DENTAKU": shown without blocking, or raised when it
    // is already open.
    void showFree();
    // Modal, as the data-entry window's calculator picture opens it.
    void showModal();
    // A free calculator still open is closed first: shown again modally, it takes the input
    // instead of staying behind the modal window that called it.
    int exec() override;

    // The data-entry window's part in "コピー": called with value1 while the calculator copies; it
    // returns true when the data-entry window is open (having put value1 into its quantity, unit
    // price or labour factor field, whichever panel is red), and the calculator then closes.
    void setCopyTarget(std::function<bool(const QString &value1)> target);

    const DeskCalculator &calculator() const { return m_calc; }
    // Line 1 of "zeiritu.ini" as last read.
    const QByteArray &pas() const { return m_pas; }
    const QString &zei() const { return m_zei; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    QPushButton *key(QWidget *panel, const char16_t *name, const QString &caption, QRect geometry);
    QWidget *panel(const char16_t *name, QRect geometry);
    void connectKey(const char16_t *name, DeskCalculator::Key key);

    // Window events.
    void FormActivate();
    void FormClose();
    void setInputLayout(bool labourKey);

    // Keys.
    void press(DeskCalculator::Key key);
    void Button73Click();  // "％" / "工数"
    void Button110Click(); // "コピー" / "税率保存"
    void Button116Click(); // "税率設定" / "貼付"
    void Button1Click();   // "入力"
    void saveTaxRate();
    void readTaxRate();
    void showState();

    EstimateDocument &m_doc;
    Host &m_host;
    DeskCalculator m_calc;
    QByteArray m_pas; // line 1 of "zeiritu.ini", written back as it was read
    QString m_zei;
    std::function<bool(const QString &)> m_copyTarget;

    QHash<QString, QWidget *> m_named;
    QLabel *m_display = nullptr;    // Label197
    QLabel *m_indicator = nullptr;  // Label199
    QLineEdit *m_rate = nullptr;    // Edit22
    QLineEdit *m_paste = nullptr;   // Edit1
    QPushButton *m_percent = nullptr;  // Button73
    QPushButton *m_copy = nullptr;     // Button110
    QPushButton *m_setRate = nullptr;  // Button116
};
