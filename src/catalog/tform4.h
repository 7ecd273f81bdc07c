#pragma once

#include <QDialog>

class EstimateDocument;

// The stock data window.
class TForm4 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm4(EstimateDocument &doc, QWidget *parent = nullptr);

private:
    EstimateDocument &m_doc;
};
