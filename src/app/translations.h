#pragma once

class QCoreApplication;
class QTranslator;

// Qt's own texts (message box buttons, file dialogs, context menus of edit fields) in Japanese:
// Qt's Japanese catalogue "qtbase_ja.qm" from Qt's translations folder (Debian package
// qt6-translations-l10n), installed before the first window. Returns the installed translator,
// owned by `app`, or nullptr when the catalogue is missing (Qt then speaks English).
QTranslator *installJapaneseQtTexts(QCoreApplication &app);
