#pragma once

#include "app/qthost.h"
#include "estimate/document.h"

#include <QMainWindow>

// The main window "SOL-VARAの箱": owns the running estimate and shows it.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    // Runs the start-up of the main window; `programFolder` overrides the folder of the program,
    // `estimateFile` is the file given on the command line.
    TForm1(const QString &programFolder, const QString &estimateFile, QWidget *parent = nullptr);

    EstimateDocument &document() { return m_doc; }
    QtHost &host() { return m_host; }

private:
    void FormCreate(const QString &programFolder, const QString &estimateFile);
    void refresh();

    EstimateDocument m_doc;
    QtHost m_host;
};
