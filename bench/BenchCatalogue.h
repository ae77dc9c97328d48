#pragma once
// A catalogue for the benchmarks, filled once per program run: the
// benchmarks only read it, and filling it is not what they measure.
#include "catalogue/DeviceCatalogue.h"

#include <memory>

using CatalogueFiller = void (*)(DeviceCatalogue &);

// One catalogue per fill function, filled on first use.
template <CatalogueFiller Fill>
const DeviceCatalogue &filledCatalogue()
{
    static const auto catalogue = [] {
        auto made = std::make_unique<DeviceCatalogue>();
        Fill(*made);
        return made;
    }();
    return *catalogue;
}

inline const DeviceCatalogue &builtInCatalogue()
{
    return filledCatalogue<&LoadCatalogue>();
}
