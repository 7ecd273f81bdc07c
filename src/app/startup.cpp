#include "app/startup.h"

#include "estimate/document.h"
#include "estimate/views.h"
#include "items/header.h"
#include "storage/estimatefile.h"
#include "storage/programfiles.h"
#include "storage/settingsfile.h"

#include <QCoreApplication>
#include <QtMath>

#include <algorithm>

namespace startup {

QString programFolder(const QString &override)
{
    return programfiles::programFolder(override);
}

QSize windowSize(bool fullWidth, const QSize &screen)
{
    constexpr int designWidth = 1580;
    // A window wider than the screen would hide its right-hand buttons, so the design width
    // gives way to a narrower screen.
    const int width = fullWidth ? screen.width() : std::min(designWidth, screen.width());
    const int height = screen.height() <= 768 ? screen.height() : qRound(screen.height() / 1.38);
    return {width, height};
}

bool initialize(EstimateDocument &doc, Host &host, const QString &programFolder, const QDate &today)
{
    const QString ver = QString::fromUtf16(version);
    MainControls &c = doc.controls;
    Settings &s = doc.settings;

    // Version and caption.
    c.Label163.text = u"Ver "_qs + ver;
    c.Label164.text.clear();
    doc.sverj = u"- Ver"_qs + ver;
    c.Caption = u"電気工事積算ソフト/"_qs + doc.FormName + doc.sverj;

    // Era and date.
    doc.gengou = s.Edit59;
    header::today(doc, today);
    header::refreshDateLabel(doc, false);

    // Paths.
    doc.strFileName = QCoreApplication::applicationFilePath();
    doc.strFilePath = programFolder;

    if (!settingsfile::readStandardValues(doc, host))
        return false;
    c.Button2.enabled = true;
    doc.Curitu = 1.0;
    doc.tree_count = 0;
    doc.ply6 = 1;
    doc.sonota = {100, 100, 100, 100};
    c.Label171.text = u"1"_qs;
    return true;
}

bool openStartFile(EstimateDocument &doc, Host &host, const QString &estimateFile)
{
    if (estimateFile.isEmpty()) {
        views::itemView(doc, host);
        return true;
    }
    doc.buttonsw = 2;
    doc.Filename = estimateFile;
    return estimatefile::read(doc, host);
}

} // namespace startup
