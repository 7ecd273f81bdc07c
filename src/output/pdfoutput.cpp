#include "output/pdfoutput.h"

#include "base/host.h"
#include "estimate/document.h"
#include "output/printrun.h"
#include "storage/textfile.h"

#include <QBuffer>
#include <QPdfWriter>

namespace pdfoutput {

bool write(EstimateDocument &doc, Host &host, const PrintOptions &options, const QString &path,
           QPageSize::PageSizeId paper)
{
    // The pages are written into memory first, so that a run that fails half-way leaves no file.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        writer.setCreator(u"SOL-VARAの箱"_qs);
        writer.setTitle(printrun::jobTitle(doc));
        writer.setPageLayout(QPageLayout(QPageSize(paper), QPageLayout::Portrait,
                                         QMarginsF(marginMillimetres, marginMillimetres, marginMillimetres,
                                                   marginMillimetres),
                                         QPageLayout::Millimeter));
        if (!printrun::print(doc, host, options, writer))
            return false;
    }
    const Status written = textfile::writeBytes(path, buffer.data());
    if (!written) {
        host.error(written.error());
        return false;
    }
    return true;
}

} // namespace pdfoutput
