// Linked into every test program: each run gets an empty configuration folder of its own
// (XDG_CONFIG_HOME), removed when it ends. No test then reads or writes the files of the user
// running it (~/.config/solvara), and tests running side by side never see each other's files.
// Set here rather than in the tests' CTest environment, which carries only its first variable
// through test discovery.

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

namespace {

QTemporaryDir &configHome()
{
    static QTemporaryDir dir(QDir::tempPath() + u"/solvara-test-config-XXXXXX"_qs);
    return dir;
}

const bool isolated = [] {
    qputenv("XDG_CONFIG_HOME", configHome().path().toUtf8());
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", SOLVARA_TEST_RUNTIME_DIR);
    return true;
}();

} // namespace
