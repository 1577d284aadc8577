// Fixed sizes of what the panes show: a meaning broken into lines and
// converted for a pane, and the welcome text. The data build keeps every
// meaning and the welcome text within them.
#pragma once

namespace nira {

// Text buffers owned by one call.
constexpr int kBreakBufferSize = 5000;     // a meaning being broken into lines
constexpr int kPaneTextUnits = 4500;       // a meaning converted for a pane
constexpr int kMaxPaneTextBytes = kPaneTextUnits - 1;

// Welcome text: six stored pieces, joined into 1400 bytes, shown in 700 units.
constexpr int kWelcomePieceCount = 6;
constexpr int kWelcomeBufferSize = 1400;
constexpr int kWelcomeUnits = 700;

}  // namespace nira
