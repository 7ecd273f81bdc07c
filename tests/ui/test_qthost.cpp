#include "app/qthost.h"
#include "app/translations.h"
#include "storage/usersettings.h"
#include "uitesting.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs `act` on the next modal dialog of type D once it is shown, again while the dialog stays open
// (a file dialog still reading its folder may ignore the first accept). A dialog that never comes
// or never closes fails the test and is closed after five seconds.
template<typename D>
void onNextModal(std::function<void(D *)> act)
{
    struct State {
        int ticks = 0;
        bool acted = false;
        QPointer<D> target;
    };
    auto *poll = new QTimer;
    poll->setInterval(10);
    auto state = std::make_shared<State>();
    QObject::connect(poll, &QTimer::timeout, [poll, act, state] {
        auto *modal = qobject_cast<D *>(QApplication::activeModalWidget());
        if (state->acted && (state->target.isNull() || !state->target->isVisible())) {
            poll->stop();
            poll->deleteLater();
        } else if (++state->ticks > 500) {
            poll->stop();
            poll->deleteLater();
            ADD_FAILURE() << D::staticMetaObject.className() << (state->acted ? " did not close" : " not shown");
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *open = qobject_cast<QDialog *>(w); open && open->isVisible())
                    open->reject();
        } else if (modal && (!state->acted || modal == state->target) && state->ticks % 5 == 1) {
            state->acted = true;
            state->target = modal;
            act(modal);
        }
    });
    poll->start();
}

// A file name typed into the dialog's name field, then its accept button.
void typeAndAccept(QFileDialog *dialog, const QString &path)
{
    auto *name = dialog->findChild<QLineEdit *>(u"fileNameEdit"_qs);
    ASSERT_TRUE(name);
    name->setText(path);
    static_cast<QDialog *>(dialog)->accept(); // as the dialog's own button does
}

// The user's configuration folder of the run, pointed at a fresh temporary folder.
struct UserConfig {
    QTemporaryDir home;
    QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    UserConfig() { qputenv("XDG_CONFIG_HOME", home.path().toUtf8()); }
    ~UserConfig() { qputenv("XDG_CONFIG_HOME", previous); }
};

} // namespace

TEST(QtHost, QtsOwnTextsAndTheQuestionButtonsAreJapanese)
{
    QTranslator *translator = installJapaneseQtTexts(*qApp);
    ASSERT_NE(translator, nullptr) << "qtbase_ja.qm not found (Debian package qt6-translations-l10n)";
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Cancel"_qs);
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), u"Look in:"_qs);

    QtHost host;
    QStringList captions;
    onNextModal<QMessageBox>([&captions](QMessageBox *box) {
        for (QAbstractButton *b : box->buttons())
            captions.append(b->text());
        box->button(QMessageBox::No)->click();
    });
    const Host::Button answer = host.message(Host::MessageKind::Question, u"情報"_qs, u"終了前に保存しますか？"_qs,
                                             Host::Yes | Host::No | Host::Cancel);
    EXPECT_EQ(answer, Host::No);
    captions.sort();
    QStringList expected{u"はい"_qs, u"いいえ"_qs, u"キャンセル"_qs};
    expected.sort();
    EXPECT_EQ(captions, expected);

    QCoreApplication::removeTranslator(translator);
    delete translator;
}

TEST(QtHost, FileDialogsStartInTheFolderOfTheLastEstimate)
{
    UserConfig config;
    QTemporaryDir first;
    QTemporaryDir second;
    QFile(second.filePath(u"next.kas"_qs)).open(QIODevice::WriteOnly);
    usersettings::rememberEstimateFile(first.filePath(u"old.kas"_qs));
    QtHost host;

    // Opening an estimate starts in the remembered folder and remembers the chosen one.
    QString shownFolder;
    onNextModal<QFileDialog>([&](QFileDialog *dialog) {
        shownFolder = dialog->directory().absolutePath();
        typeAndAccept(dialog, second.filePath(u"next.kas"_qs));
    });
    EXPECT_EQ(host.openFileName(u"kas|*.kas"_qs), second.filePath(u"next.kas"_qs));
    EXPECT_EQ(shownFolder, QDir(first.path()).absolutePath());
    EXPECT_EQ(usersettings::estimateFolder(), QDir(second.path()).absolutePath());

    // The save dialog starts there with the proposed name (a "/" of a job title names no folder);
    // a settings file leaves the memory alone.
    QString proposed;
    onNextModal<QFileDialog>([&](QFileDialog *dialog) {
        shownFolder = dialog->directory().absolutePath();
        proposed = dialog->selectedFiles().value(0);
        dialog->reject();
    });
    EXPECT_FALSE(host.saveFileName(u"kas|*.kas"_qs, u"港北ビル/改修"_qs));
    EXPECT_EQ(shownFolder, QDir(second.path()).absolutePath());
    EXPECT_EQ(QFileInfo(proposed).fileName(), u"港北ビル／改修"_qs);

    onNextModal<QFileDialog>([&](QFileDialog *dialog) {
        typeAndAccept(dialog, first.filePath(u"plan.kxt"_qs));
    });
    EXPECT_TRUE(host.saveFileName(u"kxt|*.kxt"_qs, QString()));
    EXPECT_EQ(usersettings::estimateFolder(), QDir(second.path()).absolutePath());

    // Remembered between runs: in the user's configuration folder.
    EXPECT_TRUE(QFile::exists(config.home.filePath(u"solvara/solvara.conf"_qs)));
}
