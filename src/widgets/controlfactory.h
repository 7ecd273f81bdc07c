#pragma once

#include <QString>
#include <QStringList>

class QCheckBox;
class QColor;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// Small constructors for the named controls of the program's screens: each control gets its
// object name (the name the program's handlers and settings use) and its caption.
namespace make {

QLineEdit *edit(QWidget *parent, const QString &name, int width = 0);
// Editable lists: a stored value outside the list is still shown as it is.
QComboBox *combo(QWidget *parent, const QString &name, const QStringList &items, int width = 0);
QCheckBox *check(QWidget *parent, const QString &name, const QString &caption);
QRadioButton *radio(QWidget *parent, const QString &name, const QString &caption);
QPushButton *button(QWidget *parent, const QString &name, const QString &caption, int width = 0);
QLabel *label(QWidget *parent, const QString &text, const QString &name = {});
// A small grey note.
QLabel *note(QWidget *parent, const QString &text, const QString &name = {});

// Gives the widget a background of its own in `colour` (a panel's colour).
void background(QWidget *widget, const QColor &colour);

// The face the screens use, by its Windows name (mapped to an IPA font at start-up).
QString uiFace();

} // namespace make
