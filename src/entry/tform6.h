#pragma once

#include <QDialog>

class EstimateDocument;

// The unit window.
class TForm6 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm6(EstimateDocument &doc, QWidget *parent = nullptr);

private:
    EstimateDocument &m_doc;
};
