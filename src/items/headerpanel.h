#pragma once

#include <QWidget>

class EstimateDocument;
class Host;
class QLabel;
class QListWidget;
class QPushButton;
class SettingsBinder;

// The estimate header on the item setup screen: client with honorific and print size, the two
// job-title lines, the estimate number, the era date with "TODAY" and the era change panel
// Panel97, and the reference list ListBox2 in its two roles (registered clients, job-title words).
// The fields are settings controls bound by name; the panels, lists and captions show what the
// header operations decided.
class HeaderPanel : public QWidget
{
    Q_OBJECT

public:
    // `screen` is the screen the panel lies on: the reference list and the era change panel are
    // laid over it, not clipped by the header.
    HeaderPanel(EstimateDocument &doc, Host &host, QWidget *screen);

    // Shows the states of the header's lists, panels and buttons.
    void refresh();

private:
    QWidget *buildClientRow();
    QWidget *buildPrintSize();
    void buildDate(class QGridLayout *grid);
    void buildEraPanel();
    void buildReferenceList();
    void hookFieldEvents();
    void placeReferenceList();
    template<typename Operation>
    void act(Operation &&operation);

    void Button96Click();  // client "参照"
    void Button103Click(); // job title "参照"
    void ListBox2Click(int index);
    void ListBox2Exit();
    void ClientLabelDblClick();
    void Button124Click(); // "TODAY"
    void Label56Click();
    void Button140Click(); // "変更して登録"
    void Button153Click(); // "Print Size"
    void ComboBox48Select(const QString &size);
    void Button117Click(); // "コピー"

    EstimateDocument &m_doc;
    Host &m_host;
    QWidget *m_screen;
    SettingsBinder *m_binder = nullptr;
    QPushButton *m_clientButton = nullptr;
    QPushButton *m_titleButton = nullptr;
    QListWidget *m_list = nullptr;
    QWidget *m_eraPanel = nullptr;
    QWidget *m_printSizeCover = nullptr;
    QLabel *m_printSizeHint = nullptr;
};
