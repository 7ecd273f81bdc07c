#include "output/printhandler.h"

#include "base/host.h"
#include "estimate/document.h"
#include "output/pdfoutput.h"
#include "output/printrun.h"
#include "output/tform5.h"

#include <QPrintDialog>
#include <QPrinter>

PrintHandler::PrintHandler(EstimateDocument &doc, Host &host, QWidget *window)
    : QObject(window), m_doc(doc), m_host(host), m_window(window)
{
    printDialog = [this](QPrinter &printer) {
        QPrintDialog dialog(&printer, m_window);
        dialog.setWindowTitle(u"印刷"_qs);
        return dialog.exec() == QDialog::Accepted;
    };
}

void PrintHandler::Button79Click()
{
    // The seal preview is drawn again from its text (the settings screen redraws on a change).
    m_doc.notifyChanged();
    if (!printrun::ready(m_doc, m_host) || !m_form)
        return;
    m_doc.patan = 0;
    m_form->exec();
    if (m_form->options().Tag == 0 || m_doc.patan == 0)
        return;

    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(printrun::jobTitle(m_doc));
    printer.setPageOrientation(QPageLayout::Portrait);
    if (!printDialog(printer)) {
        m_host.beep();
        m_doc.patan = 0;
        return;
    }
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        const bool b5 = printer.pageLayout().pageSize().id() == QPageSize::JisB5;
        pdfoutput::write(m_doc, m_host, m_form->options(), printer.outputFileName(),
                         b5 ? QPageSize::JisB5 : QPageSize::A4);
    } else {
        printrun::print(m_doc, m_host, m_form->options(), printer);
    }
    m_doc.notifyChanged();
}
