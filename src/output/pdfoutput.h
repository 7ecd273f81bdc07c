#pragma once

#include <QPageSize>
#include <QString>

class EstimateDocument;
class Host;
struct PrintOptions;

// The print run written to a PDF file at 600 dots per inch, so that every print unit is one dot
// and lands at units × 72 / 600 points from the top left of the printable area. The printable
// area lies inside margins of 4 mm on every side, as on a typical office printer.
namespace pdfoutput {

inline constexpr double marginMillimetres = 4.0;

// Writes the pages chosen in `options` to `path` on A4 or JIS B5 paper. The file is replaced only
// when every page was drawn: a failed run (its warning shown) or a file that cannot be written
// (an error naming it) leaves no file behind. `patan` is 0 afterwards.
bool write(EstimateDocument &doc, Host &host, const PrintOptions &options, const QString &path,
           QPageSize::PageSizeId paper = QPageSize::A4);

} // namespace pdfoutput
