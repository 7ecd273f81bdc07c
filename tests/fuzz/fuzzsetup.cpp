#include "fuzzsetup.h"

#include "fuzztarget.h"

#include "estimate/document.h"
#include "estimate/settingsrules.h"
#include "storage/estimatefile.h"
#include "storage/settingsfile.h"
#include "storage/textfile.h"

#include <cstdio>
#include <cstdlib>

namespace fuzzfailure {

void stop(const char *condition, const char *file, int line)
{
    std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, condition);
    std::abort();
}

} // namespace fuzzfailure

namespace fuzzsetup {

namespace {

QStringList fileLines(const char *path)
{
    const Result<QStringList> read = textfile::readLines(QString::fromUtf8(path));
    FUZZ_REQUIRE(read.ok());
    return read.value();
}

} // namespace

QStringList lines(const uint8_t *data, size_t size)
{
    return textfile::splitLines(textfile::decode(QByteArrayView(data, qsizetype(size))));
}

void start(EstimateDocument &doc)
{
    static const QStringList standard = fileLines(SOLVARA_PROGRAM_DATA "/setutei.kxt");
    doc.strFilePath = QStringLiteral(SOLVARA_PROGRAM_DATA "/");
    settingsfile::apply(doc, standard, settingsfile::standardLineCount);
    settingsrules::takeRates(doc);
    settingsrules::takeDataFolder(doc);
}

void loadSmallEstimate(EstimateDocument &doc, Host &host)
{
    static const QStringList small = fileLines(SOLVARA_FUZZ_CORPUS "/estimate/small.kas");
    start(doc);
    doc.buttonsw = 2;
    doc.Filename = QStringLiteral("small.kas");
    FUZZ_REQUIRE(estimatefile::applyRecords(doc, host, small));
}

} // namespace fuzzsetup
