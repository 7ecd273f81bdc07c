#include "app/clioptions.h"
#include "app/clirun.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const CliParse parse = parseCliArguments(app.arguments().mid(1));
    if (!parse.options) {
        const QByteArray text = (parse.error + u"\n\n"_qs + cliUsage()).toUtf8();
        std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
        return 2;
    }
    return runCli(*parse.options, stdout, stderr);
}
