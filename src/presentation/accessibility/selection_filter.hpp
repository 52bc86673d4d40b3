// A filter on everything the program tells assistive tools, for the whole
// process.
#pragma once

namespace ringcoil {

// Tab into a line edit selects its text before Qt tells that the focus came:
// Orca reads the selection as it comes, then the line edit with its
// selection where the focus lands, the text twice. From this call on, a
// selection made as the focus arrives is not told; the focus tells it. Call
// once, with the accessibility set up.
void tellSelectionWithTheFocus();

}  // namespace ringcoil
