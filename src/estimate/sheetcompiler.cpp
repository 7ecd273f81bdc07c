#include "estimate/sheetcompiler.h"

#include "estimate/document.h"
#include "estimate/linecalculation.h"

namespace sheet {

// Placeholder until the compiler lands: only the recalculation that entering the sheet performs.
bool compile(EstimateDocument &doc, Host &host)
{
    return linecalc::recalculateAll(doc, host);
}

} // namespace sheet
