#pragma once

namespace zelvar {

// Every single-line edit of the program (line edits, editable lists, grid cells) turns a
// line break or another control character into a blank as it is typed, pasted or dropped,
// with the same rule as the plant file. Installed once on the application; later calls do
// nothing. Edits that already check their input with a validator of their own keep it.
void GuardSingleLineEdits();

} // namespace zelvar
