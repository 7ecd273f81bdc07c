#pragma once

#include <QDialog>

class EstimateDocument;

// The desk calculator window.
class Tdentakukun : public QDialog
{
    Q_OBJECT

public:
    explicit Tdentakukun(EstimateDocument &doc, QWidget *parent = nullptr);

private:
    EstimateDocument &m_doc;
};
