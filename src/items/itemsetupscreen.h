#pragma once

#include <QGroupBox>

class EstimateDocument;
class HeaderPanel;
class Host;
class ItemTreeView;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

// The item setup screen "工事登録画面" (GroupBox1), laid over the main window: the estimate
// header, the name box with its register button, the standard item names, the item tree with the
// move and delete buttons, the edit-mode strip and the close buttons. Every button calls the item
// operations of the core; the screen then shows what the document holds.
class ItemSetupScreen : public QGroupBox
{
    Q_OBJECT

public:
    ItemSetupScreen(EstimateDocument &doc, Host &host, QWidget *parent);

public slots:
    // "項目設定" (Button14, or a click on Label18): opens the screen over the main window; while
    // the screen is open the button reads "閉じる" and the same press closes it.
    void open();

signals:
    void closed();

private:
    QWidget *buildNameBox();
    QWidget *buildTreeColumn();
    QWidget *buildMoveButtons();
    QWidget *buildStandardNames();
    void refresh();
    void takeFocusRequest();
    // Runs an item operation, then lets every window show its outcome.
    template<typename Operation>
    void act(Operation &&operation);

    // The name box and the standard names.
    void Button5Click();
    void Edit1Enter();
    void Button49Click(); // "C" and a double-click in Edit1
    void Button116Click(); // "キャンセル"
    void Button4Click(); // "☚項目登録"
    void ListBox1Click(int index);
    void ListBox1DblClick(int index);
    // The tree and the moves.
    void TreeView1Click();
    void TreeView1DblClick();
    void TreeView1RightRelease(const QPoint &globalPos);
    void moveClick(const QString &button);
    void Button6Click(); // "削 除"
    // "閉じる" (Button3, Button119) and the tree's double-click.
    void closeWithChecks();

    EstimateDocument &m_doc;
    Host &m_host;
    HeaderPanel *m_header = nullptr;
    QLineEdit *m_name = nullptr;
    QPushButton *m_register = nullptr;
    QWidget *m_strip = nullptr;
    ItemTreeView *m_tree = nullptr;
    QListWidget *m_standard = nullptr;
    QMenu *m_popup = nullptr;
    bool m_wasOpen = false;
};
