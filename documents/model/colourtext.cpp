#include "documents/model/colourtext.h"

#include "engine/model/numbertext.h"

#include <array>
#include <cstdint>
#include <utility>

namespace zelvar {

namespace {

constexpr PlantColour System(std::uint32_t index)
{
    return static_cast<PlantColour>(0xFF000000u | index);
}

constexpr std::array<std::pair<std::string_view, PlantColour>, 50> kNamedColours = {{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
    {"clScrollBar", System(0)},
    {"clBackground", System(1)},
    {"clActiveCaption", System(2)},
    {"clInactiveCaption", System(3)},
    {"clMenu", System(4)},
    {"clWindow", System(5)},
    {"clWindowFrame", System(6)},
    {"clMenuText", System(7)},
    {"clWindowText", System(8)},
    {"clCaptionText", System(9)},
    {"clActiveBorder", System(10)},
    {"clInactiveBorder", System(11)},
    {"clAppWorkSpace", System(12)},
    {"clHighlight", System(13)},
    {"clHighlightText", System(14)},
    {"clBtnFace", System(15)},
    {"clBtnShadow", System(16)},
    {"clGrayText", System(17)},
    {"clBtnText", System(18)},
    {"clInactiveCaptionText", System(19)},
    {"clBtnHighlight", System(20)},
    {"clInfoText", System(23)},
    {"clInfoBk", System(24)},
    {"clHotLight", System(26)},
    {"clGradientActiveCaption", System(27)},
    {"clGradientInactiveCaption", System(28)},
    {"clMenuHighlight", System(29)},
    {"clMenuBar", System(30)},
}};

} // namespace

std::string ColourToText(PlantColour colour)
{
    for (const auto &[name, value] : kNamedColours) {
        if (value == colour)
            return std::string(name);
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    auto bits = static_cast<std::uint32_t>(colour);
    std::string text = "$00000000";
    for (std::size_t i = 8; i >= 1; --i) {
        text[i] = kHex[bits & 0xF];
        bits >>= 4;
    }
    return text;
}

PlantColour ColourFromText(std::string_view text)
{
    for (const auto &[name, value] : kNamedColours) {
        if (name == text)
            return value;
    }
    // "$FFFFFFFF" is beyond the signed range ParseInteger takes; read hexadecimal whole.
    if (text.size() == 9 && text.front() == '$') {
        std::uint32_t bits = 0;
        for (std::size_t i = 1; i < text.size(); ++i) {
            const int digit = HexDigitValue(text[i]);
            if (digit < 0)
                return ParseInteger(text).value;
            bits = bits << 4 | static_cast<std::uint32_t>(digit);
        }
        return static_cast<PlantColour>(bits);
    }
    return ParseInteger(text).value;
}

} // namespace zelvar
