#pragma once

#include "entry/numerickeypad.h"

#include <QDialog>

#include <optional>

class EstimateDocument;
class QLineEdit;
class QPushButton;

// The numeric keypad window "数値フォーム": a modal pad through which other windows ask for one
// number. Its display Edit1 is the document's exchange cell (doc.keypadText), which the calculator
// window's "入力" also fills.
class TForm3 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm3(EstimateDocument &doc, QWidget *parent = nullptr);

    // Shows the window modally with `preset` in the display and the "." key enabled or not. Returns
    // the display when "登録" closed it, nullopt for "キャンセル" or the window's close box. Other
    // windows ask through Host::keypad (keypadprompt::ask), which lands here.
    std::optional<QString> ask(const QString &preset, bool pointKey);

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void ButtonKeyClick(QChar key);
    void Button13Click();
    void Button14Click();
    void Button23Click();
    void refresh();

    EstimateDocument &m_doc;
    NumericKeypad m_keypad;
    QLineEdit *m_display = nullptr;
    QPushButton *m_point = nullptr;
    bool m_registered = false;
};
