#pragma once

namespace zelvar {

// How an Apply takes settings over. The user's Apply takes the settings that belong together
// (flags, memories, tag, description) only when every entry is valid, so a mistake leaves
// the object running as it was. A plant file's record holds what ran, so the plant reader
// takes each valid part of it: an invalid setting (say a feed-forward equation that was
// rejected and runs as it stands) keeps only itself from being taken over.
enum class TakeOver { WhenAllValid, EachValidPart };

} // namespace zelvar
