#pragma once

#include "entry/entryform.h"

#include <QDialog>
#include <QHash>

#include <functional>

class EstimateDocument;
class Host;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The data entry window "データー入力フォーム": edits one estimate line (or, in item rate mode, the
// expense rates of an item) and registers it. The rules live in the form model (entry/); the
// window shows the model and hands every click and key to it.
//
// Other windows open it in two steps: fill the model through entry/entryopenings.h (a new line:
// openNewLine after filling the fields by name; an existing line: openLine; item rates:
// openItemRates), then showEntry().
class TForm2 : public QDialog
{
    Q_OBJECT

public:
    TForm2(EstimateDocument &doc, Host &host, QWidget *parent = nullptr);
    ~TForm2() override;

    EntryForm &form() { return m_form; }

    // Shows the window modally for the entry the form was opened with; returns true when "登録"
    // wrote it.
    bool showEntry();

    // The calculator window and how it is shown modally: the calculator picture shows it, and
    // registration and cancelling close it with this window.
    void setCalculator(QWidget *calculator, std::function<void()> showModal)
    {
        m_calculator = calculator;
        m_showCalculator = std::move(showModal);
    }

    // The calculator's "コピー" while this window is open: the value goes into the quantity, price
    // or labour factor, whichever is being entered. False when the window took nothing.
    bool takeCalculatorCopy(const QString &value);

    // Shows the model in the controls.
    void refresh();

signals:
    // Registration changed the tables.
    void documentChanged();

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    // Construction (tform2layout.cpp).
    void createControls();
    void createLineFields();
    void createRateFields();
    void createKeypad();
    void createEarthwork();
    void connectFields();
    QLineEdit *edit(QWidget *parent, const QString &name, const QRect &geometry);
    QLabel *panel(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry);

    // Handlers.
    void FormActivate();
    void Button1Click(QChar key);
    void Button12Click();
    void Button13Click();
    void Button14Click();
    void Button16Click(const QString &caption);
    void Button23Click();
    void Button24Click();
    void Button28Click();
    void Image1Click();
    void Button32Click();
    void ComboBoxEarthworkClick(const QString &name, const QString &text);
    void Label7DblClick();
    void fieldTyped(const QString &name, const QString &text);
    // Runs a rule of the model on a field event and shows the result.
    void act(const std::function<void()> &rule);
    void closeIfDone();
    void applyFocus();
    bool noWrap() const;

    EstimateDocument &m_doc;
    Host &m_host;
    EntryForm m_form;
    QWidget *m_calculator = nullptr;
    std::function<void()> m_showCalculator;
    bool m_registered = false;
    bool m_refreshing = false;
    QHash<QString, QWidget *> m_named;
    QWidget *m_keypadGroup = nullptr;
};
