#pragma once

#include <QFrame>

class EstimateDocument;
class Host;
class MenuModel;
class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;

// The material menu (Panel9): the menu table of material groups under the four group headings,
// "閉じる", the box that lets the captions be renamed and "材料メニュー保存". A press on a menu
// opens it in the catalog window.
class MenuWindow : public QFrame
{
    Q_OBJECT

public:
    MenuWindow(EstimateDocument &doc, Host &host, QWidget *parent);

    // Shows what the document holds: visibility, the table, the rename box and its save button.
    void refresh();
    // Places the controls for the window's size: the pairs of columns share the width, twenty
    // rows share the height.
    void layoutControls();

signals:
    // The menu was chosen or closed: the other windows show the outcome.
    void documentChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void StringGrid2MouseDown(const QModelIndex &index);
    void CheckBox15Click(bool checked);
    void Button19Click();
    void Button18Click();

    EstimateDocument &m_doc;
    Host &m_host;
    MenuModel *m_model = nullptr;
    QTableView *m_table = nullptr;
    QWidget *m_headings = nullptr;
    QList<QLabel *> m_headingLabels;
    QCheckBox *m_rename = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_close = nullptr;
    QLabel *m_hint90 = nullptr;
    QLabel *m_hint91 = nullptr;
};
