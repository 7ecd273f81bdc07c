#pragma once

#include <QDialog>

class EstimateDocument;

// The data entry window.
class TForm2 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm2(EstimateDocument &doc, QWidget *parent = nullptr);

private:
    EstimateDocument &m_doc;
};
