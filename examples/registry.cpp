#include "examples/example.h"

#include "workspace/ui/examplecatalog.h"

#include <algorithm>

namespace zelvar::examples {

namespace {

std::vector<ExamplePlant (*)()> &Makers()
{
    static std::vector<ExamplePlant (*)()> makers;
    return makers;
}

std::size_t GalleryPosition(const ExamplePlant &example)
{
    const auto &entries = ExampleEntries();
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const ExampleEntry &e) {
        return e.picture == example.picture;
    });
    return static_cast<std::size_t>(found - entries.begin());
}

} // namespace

bool RegisterExample(ExamplePlant (*make)())
{
    Makers().push_back(make);
    return true;
}

const std::vector<ExamplePlant> &RegisteredExamples()
{
    static const std::vector<ExamplePlant> examples = [] {
        std::vector<ExamplePlant> made;
        for (const auto make : Makers())
            made.push_back(make());
        std::sort(made.begin(), made.end(), [](const ExamplePlant &a, const ExamplePlant &b) {
            return GalleryPosition(a) < GalleryPosition(b);
        });
        return made;
    }();
    return examples;
}

const ExamplePlant *FindExample(std::string_view picture)
{
    for (const ExamplePlant &example : RegisteredExamples()) {
        if (example.picture == picture)
            return &example;
    }
    return nullptr;
}

} // namespace zelvar::examples
