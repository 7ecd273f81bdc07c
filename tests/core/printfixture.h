#pragma once

#include "estimate/document.h"
#include "output/printjob.h"
#include "output/printoptions.h"
#include "recordingcanvas.h"

#include <initializer_list>
#include <utility>

// A document with a compiled sheet written cell by cell, the print options window's choices and a
// recording canvas: what the page layout tests draw from and into.
struct PrintFixture {
    EstimateDocument doc;
    PrintOptions options;
    RecordingCanvas canvas;

    PrintFixture()
    {
        doc.patan = 1;
        doc.st1count = 1;
    }

    PrintJob job() const { return {doc, options}; }

    // Writes cells of one sheet row, growing the sheet as needed.
    void row(int r, std::initializer_list<std::pair<int, QString>> cells)
    {
        if (doc.sheet.rowCount() <= r + 5)
            doc.sheet.setRowCount(r + 6);
        for (const auto &[column, text] : cells)
            doc.sheet.setCell(column, r, text);
    }

    void applyConditions(int count)
    {
        for (int r = 1; r <= count; ++r) {
            doc.conditions.setCell(1, r, u" ■"_qs);
            doc.conditions.setCell(2, r, u"条件%1"_qs.arg(r));
        }
    }
};
