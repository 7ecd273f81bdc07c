// The replay test: runs every input kept for a fuzz target through the normal build.
// fuzz_replay TARGET FOLDER

#include "fuzztarget.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <map>
#include <string>

namespace fuzzreplay {

namespace {

std::map<std::string, Target> &targets()
{
    static std::map<std::string, Target> t;
    return t;
}

} // namespace

bool add(const char *name, Target target)
{
    targets()[name] = target;
    return true;
}

} // namespace fuzzreplay

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_replay TARGET FOLDER\n");
        return 2;
    }
    const auto found = fuzzreplay::targets().find(argv[1]);
    if (found == fuzzreplay::targets().end()) {
        std::fprintf(stderr, "no fuzz target %s\n", argv[1]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    const QStringList names = folder.entryList(QDir::Files, QDir::Name);
    if (names.isEmpty()) {
        std::fprintf(stderr, "no inputs in %s\n", argv[2]);
        return 1;
    }
    for (const QString &name : names) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
            return 1;
        }
        const QByteArray bytes = file.readAll();
        // Printed first, so that a crash names the input.
        std::fprintf(stderr, "%s\n", qPrintable(name));
        found->second(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
    }
    std::printf("%lld inputs of %s replayed\n", static_cast<long long>(names.size()), argv[1]);
    return 0;
}
