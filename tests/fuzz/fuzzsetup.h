#pragma once

#include <QByteArrayView>
#include <QStringList>

class EstimateDocument;
class Host;

// What the fuzz targets share: the input as the readers see a file, and a document started as the
// program starts one.
namespace fuzzsetup {

// The bytes decoded and split into lines as a text file is read.
QStringList lines(const uint8_t *data, size_t size);

// The start-up a document goes through before anything is read: the bundled standard values
// applied, the rates taken.
void start(EstimateDocument &doc);

// The records of a small estimate (four items, eight lines) read into a started document; the
// caller compiles it (estimatefile::afterRead) once it has changed what it tests.
void loadSmallEstimate(EstimateDocument &doc, Host &host);

} // namespace fuzzsetup
