#pragma once

#include <QWidget>

class EstimateDocument;
class Host;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class SettingsBinder;

// The estimate header on the item setup screen: client with honorific and print size, the two
// job-title lines, the estimate number, the era date with "TODAY" and the era change panel, and
// the reference list ListBox2 in its two roles (registered clients, job-title words).
class HeaderPanel : public QWidget
{
    Q_OBJECT

public:
    HeaderPanel(EstimateDocument &doc, Host &host, QWidget *parent);

    // Hides the reference list; with `resetCaption` its button reads "参照" again.
    void hideReferenceList(bool resetCaption = true);
    // Covers the print-size choice again and hides its hint.
    void coverPrintSize();

private:
    QWidget *buildClientRow();
    QWidget *buildPrintSize();
    void buildDate(class QGridLayout *grid);
    void buildEraPanel();
    void buildReferenceList();
    void hookFieldEvents();

    void showReferenceList(int role);
    void referenceButtonClick(int role);
    void ListBox2Click();
    void ClientLabelDblClick();
    void Button124Click(); // "TODAY"
    void Label56Click();
    void Button140Click(); // "変更して登録"
    void Button153Click(); // "Print Size"
    void ComboBox48Select();
    void Button117Click(); // "コピー"

    EstimateDocument &m_doc;
    Host &m_host;
    SettingsBinder *m_binder = nullptr;
    QPushButton *m_referenceButtons[2] = {};
    QListWidget *m_list = nullptr;
    QWidget *m_eraPanel = nullptr;
    QWidget *m_printSizeCover = nullptr;
    QLabel *m_printSizeHint = nullptr;
};
