#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <vector>

class EstimateDocument;
class Host;
class QWidget;
struct SettingsControl;

// Binds the settings controls found under a screen to the document's settings by object name:
// every control of the table of settings names that exists under `root` shows its value. A box,
// button or list the user changes goes through the settings rules of that control; text typed
// into an edit is stored as it stands and reported by edited(), so that the screen runs the
// field's own key rules. Every change is announced to all windows, and the widgets are filled
// again whenever the document reports a change.
class SettingsBinder : public QObject
{
    Q_OBJECT

public:
    SettingsBinder(EstimateDocument &doc, Host &host, QWidget *root);

    // Fills every bound widget from the settings.
    void refresh();
    // Sets a control as the user would (an edit emptied by a double-click, say): the value goes
    // through the control's settings rules and the widgets are filled again.
    void setByUser(const QString &name, const QString &value);
    // Names of the controls bound (for checks and tests).
    const QStringList &boundNames() const { return m_names; }

signals:
    // The user typed into the edit of that name; its value is already stored.
    void edited(const QString &name);

private:
    void bind(const SettingsControl &control, QWidget *widget);
    void userChanged(const SettingsControl &control, const QString &value, bool typed);

    EstimateDocument &m_doc;
    Host &m_host;
    struct Binding {
        const SettingsControl *control;
        QPointer<QWidget> widget;
    };

    std::vector<Binding> m_bindings;
    QStringList m_names;
    bool m_refreshing = false;
};
