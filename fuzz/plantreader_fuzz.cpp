// Feeds arbitrary bytes to the plant reader: it must return a plant or an error, never crash,
// hang or leave undefined behaviour behind.
#include "documents/model/plantfile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    for (const zelvar::Language language :
         {zelvar::Language::Portuguese, zelvar::Language::English}) {
        zelvar::PlantReadOptions options;
        options.language = language;
        const zelvar::PlantReadResult result = zelvar::ReadPlantText(bytes, options);
        if (result.Succeeded())
            (void)zelvar::WritePlantText(*result.plant, language);
    }
    return 0;
}
