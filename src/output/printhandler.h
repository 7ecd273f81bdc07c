#pragma once

#include <QObject>

#include <functional>

class EstimateDocument;
class Host;
class QPrinter;
class QWidget;
class TForm5;

// The main window's "印刷" (Button79Click): the print options window, the print dialog and the
// print run on the chosen printer. "Print to file" writes the same PDF as solvara-cli print,
// replacing the file only when every page was drawn.
class PrintHandler : public QObject
{
    Q_OBJECT

public:
    PrintHandler(EstimateDocument &doc, Host &host, QWidget *window);

    // The print options window, created after the main window.
    void setOptionsWindow(TForm5 *form) { m_form = form; }

    // Shows the print dialog for the printer; false when it is cancelled. The window tests put a
    // dialog-free choice in its place.
    std::function<bool(QPrinter &)> printDialog;

    void Button79Click();

private:
    EstimateDocument &m_doc;
    Host &m_host;
    QWidget *m_window;
    TForm5 *m_form = nullptr;
};
