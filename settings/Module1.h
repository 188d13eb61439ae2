// The calls around the window manager and the registry that keep the quiz on top and start it with Windows.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace settings {

struct Module1 {
  // Puts the window into the topmost band (or takes it out) without moving, sizing or activating it.
  static void SetTopmost(platform::Platform& p, platform::Handle hWnd, bool onTop);
  // Writes (or removes) a value of the machine-wide start-up list; true when the registry took it. Nothing
  // is written for a name or data that the ANSI code page cannot spell exactly.
  static bool SetRunValue(platform::Platform& p, const std::wstring& name, const std::wstring& data);
  static bool DeleteRunValue(platform::Platform& p, const std::wstring& name);
};

}  // namespace settings
