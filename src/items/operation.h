#pragma once

#include "base/conversionerror.h"
#include "base/host.h"

#include <utility>

namespace items {

// Runs an item operation for the user. A level cell that is not a number ends it with the standard
// conversion message; the work done before stays.
template<typename Operation>
void runShowingErrors(Host &host, Operation &&operation)
{
    try {
        std::forward<Operation>(operation)();
    } catch (const ConversionError &e) {
        host.error(e.message());
    }
}

} // namespace items
