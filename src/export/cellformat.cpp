#include "export/cellformat.h"

#include <QHashFunctions>

size_t qHash(const CellFormat &s, size_t seed)
{
    QtPrivate::QHashCombine combine;
    seed = combine(seed, s.fontName);
    seed = combine(seed, s.fontSize);
    seed = combine(seed, (s.bold ? 1 : 0) | (s.underline ? 2 : 0) | (s.shrink ? 4 : 0) | (s.wrap ? 8 : 0)
                             | (s.whiteFill ? 16 : 0));
    seed = combine(seed, (s.hAlign << 8) | s.vAlign);
    seed = combine(seed, s.rotation);
    seed = combine(seed, s.numberFormat);
    for (unsigned char e : s.edges)
        seed = combine(seed, e);
    return seed;
}
