#include "app/qthost.h"

#include "entry/tform3.h"
#include "entry/tform6.h"
#include "storage/usersettings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>
#ifdef SOLVARA_HAVE_MULTIMEDIA
#include <QSoundEffect>
#endif

namespace {

Q_LOGGING_CATEGORY(lcStops, "solvara.stops")

// "kas|*.kas" as the program states its filters, in Qt's form "kas (*.kas)".
QString qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    if (parts.size() != 2)
        return filter;
    return parts[0] + u" ("_qs + parts[1] + u')';
}

// The buttons read as the program names them, without the keyboard hints of Qt's catalogue.
void nameButtons(QMessageBox &box)
{
    const std::pair<QMessageBox::StandardButton, QString> names[] = {
        {QMessageBox::Ok, u"OK"_qs},
        {QMessageBox::Yes, u"はい"_qs},
        {QMessageBox::No, u"いいえ"_qs},
        {QMessageBox::Cancel, u"キャンセル"_qs},
    };
    for (const auto &[which, text] : names)
        if (QAbstractButton *button = box.button(which))
            button->setText(text);
}

bool isEstimateFilter(const QString &filter)
{
    return filter.endsWith(u"*.kas");
}

// Dialogs start in the folder of the estimate last opened or saved, else in the user's documents.
QString startFolder()
{
    const QString folder = usersettings::estimateFolder();
    return folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) : folder;
}

} // namespace

QtHost::QtHost(QWidget *parent) : m_parent(parent) {}

QtHost::~QtHost() = default;

Host::Button QtHost::message(MessageKind kind, const QString &caption, const QString &text, int buttons)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(caption.isEmpty() ? QApplication::applicationDisplayName() : caption);
    box.setText(text);
    switch (kind) {
    case MessageKind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageKind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageKind::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MessageKind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    QMessageBox::StandardButtons standard;
    if (buttons & Ok)
        standard |= QMessageBox::Ok;
    if (buttons & Yes)
        standard |= QMessageBox::Yes;
    if (buttons & No)
        standard |= QMessageBox::No;
    if (buttons & Cancel)
        standard |= QMessageBox::Cancel;
    box.setStandardButtons(standard);
    nameButtons(box);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Yes;
    case QMessageBox::No:
        return No;
    case QMessageBox::Cancel:
        return Cancel;
    default:
        return (buttons & Cancel) ? Cancel : Ok;
    }
}

void QtHost::beep()
{
    QApplication::beep();
}

void QtHost::playSound(const QString &path)
{
#ifdef SOLVARA_HAVE_MULTIMEDIA
    if (!QFileInfo::exists(path)) {
        QApplication::beep();
        return;
    }
    if (!m_sound)
        m_sound = new QSoundEffect(m_parent);
    m_sound->setSource(QUrl::fromLocalFile(path));
    m_sound->play(); // returns at once; without a sound device it only logs
#else
    QApplication::beep();
    Q_UNUSED(path)
#endif
}

void QtHost::setClipboardText(const QString &text)
{
    QApplication::clipboard()->setText(text);
}

QString QtHost::clipboardText()
{
    return QApplication::clipboard()->text();
}

std::optional<QString> QtHost::openFileName(const QString &filter)
{
    const QString name = QFileDialog::getOpenFileName(m_parent, QString(), startFolder(), qtFilter(filter));
    if (name.isEmpty())
        return std::nullopt;
    if (isEstimateFilter(filter))
        usersettings::rememberEstimateFile(name);
    return name;
}

std::optional<QString> QtHost::saveFileName(const QString &filter, const QString &presetName)
{
    // The proposed name is a job title: a "/" in it would name a folder.
    QString proposed = presetName;
    const QString start = QDir(startFolder()).filePath(proposed.replace(u'/', u'／'));
    const QString name = QFileDialog::getSaveFileName(m_parent, QString(), start, qtFilter(filter), nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
    if (name.isEmpty())
        return std::nullopt;
    if (isEstimateFilter(filter))
        usersettings::rememberEstimateFile(name);
    return name;
}

void QtHost::openDocument(const QString &path)
{
    // Without an application for the file type this does nothing, which is what the user expects.
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

std::optional<QString> QtHost::folderName(const QString &title)
{
    const QString folder = QFileDialog::getExistingDirectory(m_parent, title);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

void QtHost::silentStop(const QString &where, const QString &text)
{
    qCDebug(lcStops) << "stopped at" << where << "on" << text;
}

void QtHost::setInputWindows(TForm3 *keypad, TForm6 *units)
{
    m_keypad = keypad;
    m_units = units;
}

std::optional<QString> QtHost::keypad(const QString &preset, bool pointKey)
{
    if (!m_keypad)
        return Host::keypad(preset, pointKey);
    return m_keypad->ask(preset, pointKey);
}

std::optional<QString> QtHost::unitChoice()
{
    if (!m_units)
        return Host::unitChoice();
    return m_units->askUnit();
}

std::optional<QString> QtHost::copperBaseChoice(const QString &current)
{
    if (!m_units)
        return Host::copperBaseChoice(current);
    return m_units->askCopperBase(current);
}
