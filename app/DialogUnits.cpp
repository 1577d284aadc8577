#include "app/DialogUnits.h"

#include <cstdint>
#include <cstdlib>

#include "app/Resource.h"

namespace nira {

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const int64_t product = static_cast<int64_t>(a) * b;
    const int64_t half = std::llabs(c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const int64_t magnitude = (std::llabs(product) + half) / std::llabs(c);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

int DialogUnitsToPixelsX(int units) {
    return MulDiv(units, kBaseUnitX, 4);
}

int DialogUnitsToPixelsY(int units) {
    return MulDiv(units, kBaseUnitY, 8);
}

QRect MapDialogRect(int x, int y, int width, int height) {
    return QRect(DialogUnitsToPixelsX(x), DialogUnitsToPixelsY(y),
                 DialogUnitsToPixelsX(width), DialogUnitsToPixelsY(height));
}

}  // namespace nira
