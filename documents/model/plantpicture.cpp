#include "documents/model/plantpicture.h"

#include "engine/model/numbertext.h"

#include <algorithm>
#include <cmath>

namespace zelvar {

namespace {

// Far beyond any screen, yet safe to hand to a window system.
constexpr int kPixelLimit = 32000;

int Pixel(double x)
{
    return std::clamp(RoundHalfEven(x), -kPixelLimit, kPixelLimit);
}

} // namespace

std::optional<ShapeAppearance> AppearanceOf(const AnimatedShape &shape, double memoryValue)
{
    if (!std::isfinite(memoryValue))
        memoryValue = 0.0;
    ShapeAppearance appearance;
    appearance.left = std::clamp(shape.left, -kPixelLimit, kPixelLimit);
    appearance.width = std::clamp(shape.width, 0, kPixelLimit);
    switch (shape.kind) {
    case 0:
        appearance.ellipse = true;
        appearance.top = std::clamp(shape.baseTop, -kPixelLimit, kPixelLimit);
        appearance.height = std::clamp(shape.size, 0, kPixelLimit);
        appearance.colour = memoryValue == 0.0 ? shape.colour1 : shape.colour2;
        return appearance;
    case 1:
        appearance.ellipse = false;
        appearance.top = Pixel(shape.baseTop + (100.0 - memoryValue) * shape.scale);
        appearance.height = std::max(0, Pixel(memoryValue * shape.scale));
        appearance.colour = shape.colour1;
        return appearance;
    default:
        break;
    }
    return std::nullopt;
}

} // namespace zelvar
