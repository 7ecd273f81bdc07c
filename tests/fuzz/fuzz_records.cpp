// Text files and records: the decoding of a file's bytes (byte-order marks, code page 932), the
// line split and the record splitter. Besides not crashing, what the program writes must read
// back: a record joined from split fields splits into the same fields, and text that code page
// 932 can hold decodes to itself after encoding.

#include "fuzzsetup.h"
#include "fuzztarget.h"

#include "base/textgrid.h"
#include "storage/codepage932.h"
#include "storage/records.h"
#include "storage/textfile.h"

namespace {

// Every field as split() gives it, read with the copy-free reader.
QStringList readAll(QStringView line)
{
    QStringList fields;
    records::FieldReader reader(line);
    QStringView field;
    while (reader.next(field))
        fields.append(field.toString());
    return fields;
}

} // namespace

SOLVARA_FUZZ_TARGET(records)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const QString text = cp932::decode(bytes);
    const cp932::Encoded encoded = cp932::encode(text);
    if (encoded.substitutions.isEmpty())
        FUZZ_REQUIRE(cp932::decode(encoded.bytes) == text);

    TextGrid grid(46, 2);
    for (const QString &line : fuzzsetup::lines(data, size)) {
        const QStringList fields = records::split(line);
        FUZZ_REQUIRE(readAll(line) == fields);
        FUZZ_REQUIRE(records::split(records::join(fields)) == fields);
        const QStringList row = records::toRow(line, 46);
        FUZZ_REQUIRE(row.size() == 46);
        records::fillRow(grid, 1, line);
        FUZZ_REQUIRE(grid.row(1) == row);
    }
    return 0;
}
