#include "schemes/schemes.h"

namespace kvir {

const std::array<SchemeEntry, kSchemeCount> kSchemeTable = {{
    {&kScheme01, BuildScheme01, PressScheme01},
    {&kScheme02, BuildScheme02, PressScheme02},
    {&kScheme03, BuildScheme03, PressScheme03},
    {&kScheme04, BuildScheme04, PressScheme04},
    {&kScheme05, BuildScheme05, PressScheme05},
    {&kScheme06, BuildScheme06, PressScheme06},
    {&kScheme07, BuildScheme07, PressScheme07},
    {&kScheme08, BuildScheme08, PressScheme08},
    {&kScheme09, BuildScheme09, PressScheme09},
    {&kScheme10, BuildScheme10, PressScheme10},
    {&kScheme11, BuildScheme11, PressScheme11},
    {&kScheme12, BuildScheme12, PressScheme12},
    {&kScheme13, BuildScheme13, PressScheme13},
    {&kScheme14, BuildScheme14, PressScheme14},
    {&kScheme15, BuildScheme15, PressScheme15},
    {&kScheme16, BuildScheme16, PressScheme16},
}};

}  // namespace kvir
