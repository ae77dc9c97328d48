#pragma once
// The built-in catalogue for the benchmarks, loaded once per program run:
// the benchmarks only read it, and loading it is not what they measure.
#include "catalogue/DeviceCatalogue.h"

inline const DeviceCatalogue &builtInCatalogue()
{
    static const DeviceCatalogue catalogue = [] {
        DeviceCatalogue c;
        LoadCatalogue(c);
        return c;
    }();
    return catalogue;
}
