#pragma once

#include <QString>

#include <array>
#include <cstddef>

// The look of one workbook cell: what the export operations set on ranges (font, alignment,
// shrink and wrap, number format, edges, fill, text direction). Values of the alignment and
// edge fields use the codes the workbook layouts are written in.
struct CellFormat {
    // Horizontal alignment codes.
    enum HAlign : unsigned char { HGeneral = 0, HLeft = 2, HCentre = 3, HRight = 4, HJustify = 6, HCentreAcross = 7 };
    // Vertical alignment codes (bottom is the spreadsheet default).
    enum VAlign : unsigned char { VDefault = 0, VTop = 1, VCentre = 2, VBottom = 3 };
    // Edge indices: the four sides of the cell and the diagonal from top left to bottom right.
    enum EdgeIndex { Left = 0, Right = 1, Top = 2, Bottom = 3, Diagonal = 4 };
    // Edge weights.
    enum Weight : unsigned char { NoLine = 0, Hairline = 1, Thin = 2 };

    QString fontName;
    double fontSize = 11;
    bool bold = false;
    bool underline = false;
    unsigned char hAlign = HGeneral;
    unsigned char vAlign = VDefault;
    bool shrink = false;
    bool wrap = false;
    bool whiteFill = false;
    int rotation = 0; // degrees; -90 runs the text downward
    QString numberFormat;
    std::array<unsigned char, 5> edges{}; // Weight per EdgeIndex

    bool operator==(const CellFormat &other) const = default;
};

size_t qHash(const CellFormat &style, size_t seed = 0);
