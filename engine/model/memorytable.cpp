#include "engine/model/memorytable.h"

#include "engine/model/numbertext.h"

#include <cmath>

namespace zelvar {

namespace {

void FillDefaults(MemoryTable &table, const char *rangeLow)
{
    for (int k = 1; k <= MemoryTable::kMemoryCount; ++k) {
        const auto i = static_cast<std::size_t>(k);
        table.MemoryValue[i] = 0.0;
        table.MemoryUnit[i] = "%";
        table.MemoryUEMin[i] = rangeLow;
        table.MemoryUEMax[i] = "100.00";
        table.MemoryLIE[i] = "0.00";
        table.MemoryLSE[i] = "100.00";
    }
    for (auto &description : table.MemoryDescription)
        description.clear();
    table.MemoryDescription[11] = "Chave_1";
    table.MemoryDescription[12] = "Chave_2";
    table.MemoryDescription[13] = "Saída Linearizador";
    table.MemoryDescription[14] = "Reservado";
    for (int track = 1; track <= 6; ++track)
        table.MemoryDescription[static_cast<std::size_t>(14 + track)]
            = "Track " + FormatFixed(track, 0, 0);
    for (int slot = 1; slot <= 24; ++slot)
        table.MemoryDescription[static_cast<std::size_t>(100 + slot)]
            = "Posição Atuador " + FormatFixed(slot, 0, 0);
}

} // namespace

MemoryTable::MemoryTable()
{
    SetStartupDefaults();
}

void MemoryTable::SetStartupDefaults()
{
    FillDefaults(*this, "0.0");
}

void MemoryTable::SetResetDefaults()
{
    FillDefaults(*this, "0.00");
}

void MemoryTable::SetValue(int k, double value)
{
    if (IsMemory(k) && std::isfinite(value))
        MemoryValue[static_cast<std::size_t>(k)] = value;
}

double MemoryTable::RangeLow(int k) const
{
    return IsMemory(k) ? ParseNumber(MemoryUEMin[static_cast<std::size_t>(k)]).value : 0.0;
}

double MemoryTable::RangeHigh(int k) const
{
    return IsMemory(k) ? ParseNumber(MemoryUEMax[static_cast<std::size_t>(k)]).value : 100.0;
}

double EngineeringFromPercent(double low, double high, double percent)
{
    return (high - low) * percent / 100.0 + low;
}

bool IsShowableRange(double low, double high)
{
    // The span times a percent overflows before the division does, so the ends are checked
    // through the conversion itself.
    return std::isfinite(high - low) && std::isfinite(EngineeringFromPercent(low, high, 0.0))
           && std::isfinite(EngineeringFromPercent(low, high, 100.0));
}

double MemoryTable::EngineeringValue(int k) const
{
    return EngineeringFromPercent(RangeLow(k), RangeHigh(k), Value(k));
}

const std::string &MemoryTable::Description(int k) const
{
    static const std::string empty;
    if (k < 1 || k > kDescriptionCount)
        return empty;
    return MemoryDescription[static_cast<std::size_t>(k)];
}

void MemoryTable::SetDescription(int k, std::string_view text)
{
    if (k >= 1 && k <= kDescriptionCount)
        MemoryDescription[static_cast<std::size_t>(k)] = LimitMemoryText(text);
}

std::string LimitMemoryText(std::string_view text)
{
    return std::string(Utf8Left(text, MemoryTable::kMaxTextLength));
}

} // namespace zelvar
