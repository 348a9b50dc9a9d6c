#pragma once

#include <string>
#include <string_view>

namespace zelvar {

// A user's text made fit to be one file name in a folder: every character that cannot stand in
// a file name ("/", "\", ":", "*", "?", '"', "<", ">", "|" and control characters) becomes
// "_", so a name built from a tag or a title never leaves its folder.
std::string FileNameFromText(std::string_view text);

} // namespace zelvar
