#pragma once

#include <QFrame>

#include <array>

class EstimateDocument;
class Host;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The bulk rewrite panel (Panel69) under the material list in the edit mode: the code lists with
// their "変更" buttons, the renumbering, the scope, the replacement text, the factor panel
// (Panel86) and "戻る".
class BulkRewritePanel : public QFrame
{
    Q_OBJECT

public:
    BulkRewritePanel(EstimateDocument &doc, Host &host, QWidget *parent);

    void refresh();

signals:
    // A change rewrote the list.
    void listChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void build();
    void layoutFactorPanel();
    // Runs an operation of the panel and shows its outcome.
    template<typename Operation>
    void act(Operation &&operation);

    EstimateDocument &m_doc;
    Host &m_host;
    QFrame *m_strip = nullptr;  // Panel87
    QFrame *m_factor = nullptr; // Panel86
    QComboBox *m_c = nullptr;   // ComboBox43
    QComboBox *m_o = nullptr;   // ComboBox44
    QComboBox *m_d = nullptr;   // ComboBox46
    QComboBox *m_e = nullptr;   // ComboBox45
    QComboBox *m_unit = nullptr; // ComboBox40
    QLineEdit *m_text = nullptr; // Edit53
    QLineEdit *m_scale = nullptr; // Edit54
    QRadioButton *m_dragged = nullptr; // RadioButton1
    QRadioButton *m_all = nullptr;     // RadioButton2
    QLabel *m_column = nullptr;        // Label116
    QPushButton *m_undo = nullptr;     // Button110
    QLabel *m_times = nullptr;         // Label117
    QLabel *m_rounding = nullptr;      // Label104
    std::array<QPushButton *, 2> m_factorButtons{}; // Button108, Button109
    bool m_refreshing = false;
};
