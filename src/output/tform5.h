#pragma once

#include <QDialog>

class EstimateDocument;

// The print options window.
class TForm5 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm5(EstimateDocument &doc, QWidget *parent = nullptr);

private:
    EstimateDocument &m_doc;
};
