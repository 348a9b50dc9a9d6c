#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zelvar {

// A user's text made fit to be one file name in a folder: every character that cannot stand in
// a file name ("/", "\", ":", "*", "?", '"', "<", ">", "|" and control characters) becomes
// "_", so a name built from a tag or a title never leaves its folder.
std::string FileNameFromText(std::string_view text);

// The program's texts are UTF-8: the path a text names, and the text of a path, byte for byte
// whatever the locale.
std::filesystem::path PathFromUtf8(std::string_view text);
std::string Utf8FromPath(const std::filesystem::path &path);

} // namespace zelvar
