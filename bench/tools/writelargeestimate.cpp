// Writes the benchmarks' large estimate as an estimate file, for measuring solvara-cli on it:
//   solvara_largeestimate LINES OUT.kas
#include "../largeestimate.h"

#include "storage/estimatefile.h"
#include "storage/textfile.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool ok = false;
    const int lines = args.size() == 3 ? args[1].toInt(&ok) : 0;
    if (!ok || lines < 1) {
        std::fprintf(stderr, "usage: solvara_largeestimate LINES OUT.kas\n");
        return 2;
    }
    EstimateDocument doc;
    buildLargeEstimate(doc, lines);
    const auto written = textfile::writeLines(args[2], estimatefile::records(doc));
    if (!written.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(written.error()));
        return 1;
    }
    return 0;
}
