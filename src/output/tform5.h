#pragma once

#include "output/printoptions.h"

#include <QDialog>

class EstimateDocument;
class Host;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// The print options window "印刷フォーム": what to print (a quotation, or an invoice with its date
// and amounts) and which kinds of page. It keeps its choices from one print run to the next; the
// operations of its buttons are the core's (printoptions), the window shows their result.
class TForm5 : public QDialog
{
    Q_OBJECT

public:
    TForm5(EstimateDocument &doc, Host &host, QWidget *parent = nullptr);

    const PrintOptions &options() const { return m_options; }

public slots:
    // Closing the window in any other way is "キャンセル".
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildButtonPanel();
    void buildInvoiceGroup();
    void refresh();
    // The choices typed or clicked in the window, into the options.
    void takeInput();
    void setInvoiceGroupShown(bool shown);

    void Button1Click();
    void Button2Click();
    void Button5Click();
    void Button3Click();
    void Button4Click();
    void Edit1Click();
    bool Edit7KeyDown(int key);

    EstimateDocument &m_doc;
    Host &m_host;
    PrintOptions m_options;

    QWidget *m_buttonPanel = nullptr;
    QGroupBox *m_group = nullptr; // GroupBox1
    QCheckBox *m_boxes[5] = {};   // CheckBox1 to CheckBox5
    QLineEdit *m_edits[10] = {};  // Edit1 to Edit9 by number
    QRadioButton *m_truncate = nullptr; // RadioButton1
    QRadioButton *m_round = nullptr;    // RadioButton2
    QLabel *m_rate = nullptr;           // Label9
};
