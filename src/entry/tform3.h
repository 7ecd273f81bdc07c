#pragma once

#include <QDialog>

class EstimateDocument;

// The numeric keypad window.
class TForm3 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm3(EstimateDocument &doc, QWidget *parent = nullptr);

private:
    EstimateDocument &m_doc;
};
