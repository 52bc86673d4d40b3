// The two calculations: the ring's values as the table shows them (Russian
// notation, decimal comma) in, the answer's text out. Each computes step by
// step with a fault test on the floating-point exception flags, reading each
// value's text only when its step comes, so that of several faults the first
// in that order is the one reported. A failure throws RuntimeError.
#pragma once

#include <string>
#include <string_view>

namespace ringcoil {

// The ring: permeability μ, outer and inner diameters D and d, height h (mm).
struct RingTexts {
  std::string_view mu, outer, inner, height;
};

// The inductance L in microhenries of `turns` turns on the ring, as text.
std::string InductanceText(const RingTexts& ring, std::string_view turns);

// N squared for an inductance of `inductance` microhenries on the ring, as
// text.
std::string TurnsSquaredText(const RingTexts& ring, std::string_view inductance);

// N: the root of N squared as its text shows it, to 15 digits.
std::string TurnsText(std::string_view turnsSquared);

}  // namespace ringcoil
