// The keys that a KeyDown event names, numbered as the platform numbers them: a letter's key code is its
// capital letter, whatever keyboard layout is active.
#pragma once

namespace forms {

// The bits of a KeyDown's modifier state.
namespace Modifier {
constexpr int Shift = 1;
constexpr int Ctrl = 2;
constexpr int Alt = 4;
}  // namespace Modifier

namespace Key {
constexpr int Escape = 27;
constexpr int LeftWindows = 91;
constexpr int RightWindows = 92;
}  // namespace Key

}  // namespace forms
