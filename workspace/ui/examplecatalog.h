#pragma once

#include <array>
#include <string_view>

namespace zelvar {

// One tab of the examples gallery.
struct ExampleTab
{
    std::string_view captionPortuguese;
    std::string_view captionEnglish;
};

// One example of the gallery: its picture control, its title and description in both
// languages, and its plant file relative to the start folder as the gallery names it (with
// backslashes, starting with one).
struct ExampleEntry
{
    int tab = 0; // 0..5, in the order of ExampleTabs()
    std::string_view picture;
    std::string_view titlePortuguese;
    std::string_view titleEnglish;
    std::string_view descriptionPortuguese; // memo lines joined by "\n"
    std::string_view descriptionEnglish;
    std::string_view file;
};

const std::array<ExampleTab, 6> &ExampleTabs();
// In gallery order: on each tab upper left, upper right, lower left, lower right.
const std::array<ExampleEntry, 22> &ExampleEntries();

} // namespace zelvar
