#pragma once

#include "catalog/catalogpick.h"

#include <QFrame>

#include <array>

class BulkRewritePanel;
class EstimateDocument;
class GridView;
class Host;
class QLabel;
class QMenu;
class QPushButton;

// The catalog window (Panel14): the twenty material buttons, the material list with its scroll
// strips and pop-up menu, "未登録品", "もどる", "閉じる", the edit mode with its banner, the button
// settings grid and help, and the bulk rewrite panel. A double-click on a material asks for the
// data entry window.
class CatalogWindow : public QFrame
{
    Q_OBJECT

public:
    CatalogWindow(EstimateDocument &doc, Host &host, QWidget *parent);

    // Shows what the document holds.
    void refresh();
    void layoutControls();

    GridView *list() const { return m_list; }
    QMenu *popupMenu() const { return m_popup; }

signals:
    // A material was picked: the data entry window is to be filled with the opening and shown.
    void entryRequested(const catalogpick::EntryOpening &opening);
    // The window was closed or its state changed the main window.
    void documentChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createButtons();
    void createStrips();
    void createList();
    void createEditControls();
    void createPopup();
    QPushButton *button(const QString &name, const QString &caption);
    // Runs an operation, then shows the outcome in this window and the main window.
    template<typename Operation>
    void act(Operation &&operation);
    void applyListState();
    void takeCurrentCell();
    bool editorOpen() const;

    void MaterialButtonClick(int k);
    void Button101Click();
    void Button20Click();
    void Button43Click();
    void Button42Click();
    void Button98Click();
    void Button41Click();
    void StringGrid3MouseDown(int column, int row, Qt::MouseButton button);
    void StringGrid3MouseUp(int column, int row, Qt::MouseButton button, const QPoint &globalPos);
    void StringGrid3DblClick(int column, int row);
    void listEditorClosed(int hint);

    EstimateDocument &m_doc;
    Host &m_host;
    std::array<QPushButton *, 20> m_materialButtons{}; // Button21 to Button40
    QHash<QString, QWidget *> m_named;
    GridView *m_list = nullptr;    // StringGrid3
    GridView *m_buttons = nullptr; // StringGrid4
    BulkRewritePanel *m_rewrite = nullptr;
    QWidget *m_left = nullptr;     // Panel16
    QFrame *m_banner = nullptr;    // Panel20
    QWidget *m_help = nullptr;     // GroupBox4
    QFrame *m_unregistered = nullptr; // Panel82
    QLabel *m_rowLabel = nullptr;  // Label14
    QMenu *m_popup = nullptr;      // PopupMenu2
    bool m_syncing = false;
};
