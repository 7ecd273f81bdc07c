#include "app/tform1.h"

#include "app/startup.h"

#include <QDate>

TForm1::TForm1(const QString &programFolder, const QString &estimateFile, QWidget *parent)
    : QMainWindow(parent), m_host(this)
{
    setObjectName(u"TForm1"_qs);
    connect(&m_doc, &EstimateDocument::changed, this, &TForm1::refresh);
    FormCreate(programFolder, estimateFile);
}

void TForm1::FormCreate(const QString &programFolder, const QString &estimateFile)
{
    startup::initialize(m_doc, m_host, startup::programFolder(programFolder), QDate::currentDate());
    resize(1280, 800);
    startup::openStartFile(m_doc, m_host, estimateFile);
    refresh();
}

void TForm1::refresh()
{
    setWindowTitle(m_doc.controls.Caption);
}
