// Feeds arbitrary bytes to the plant reader: it must return a plant or an error, never crash,
// hang or leave undefined behaviour behind. A plant it accepts must survive the file: written,
// read and written again, the two writes are the same bytes.
#include "documents/model/plantfile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void Fail(const char *what, zelvar::Language language)
{
    std::fprintf(stderr,
                 "%s (%s)\n",
                 what,
                 language == zelvar::Language::English ? "English" : "Portuguese");
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    for (const zelvar::Language language :
         {zelvar::Language::Portuguese, zelvar::Language::English}) {
        zelvar::PlantReadOptions options;
        options.language = language;
        const zelvar::PlantReadResult result = zelvar::ReadPlantText(bytes, options);
        if (!result.Succeeded())
            continue;
        const std::string written = zelvar::WritePlantText(*result.plant, language);
        const zelvar::PlantReadResult again = zelvar::ReadPlantText(written, options);
        if (!again.Succeeded())
            Fail("a written plant does not read back", language);
        if (zelvar::WritePlantText(*again.plant, language) != written)
            Fail("a plant read back from its own file writes other bytes", language);
    }
    return 0;
}
