#include "platform/sim/SimPlatform.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/sim/Cp1251.h"

namespace platform {

namespace {
constexpr Handle kRunKeyHandle = 0x2A0;
const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::string Args(std::initializer_list<long long> values) {
  std::string text;
  for (long long v : values) text += (text.empty() ? "" : ",") + std::to_string(v);
  return text;
}

}  // namespace

long MemoryFile::Read(char* buffer, long size) {
  const long left = static_cast<long>(bytes_.size() - at_);
  const long n = left < size ? left : size;
  std::memcpy(buffer, bytes_.data() + at_, static_cast<size_t>(n));
  at_ += static_cast<size_t>(n);
  return n;
}

void SimPlatform::Load(forms::Form& form) {
  const Handle handle = 0x1000 + 0x10 * handles_.size();
  handles_[&form] = handle;
}

void SimPlatform::Unload(forms::Form& form) {
  handles_.erase(&form);
  std::erase(activation_, &form);
  if (active == &form) active = nullptr;
  if (focus && focus->form() == &form) focus = nullptr;
}

void SimPlatform::Changed(forms::Control& control, forms::Prop what) {
  if (what != forms::Prop::Enabled && what != forms::Prop::Visible) return;
  if (control.kind() == forms::Kind::Form) {
    auto& form = static_cast<forms::Form&>(control);
    if (form.Visible()) {
      Activate(form);
    } else if (active == &form) {
      // The binding hands the keyboard back to the form that was active before.
      active = nullptr;
      MoveFocus(nullptr);
      for (forms::Form* other : activation_) {
        if (other != &form && other->Visible()) {
          Activate(*other);
          break;
        }
      }
    }
    return;
  }
  if (focus && !focus->CanTakeFocus()) MoveFocus(nullptr);
}

void SimPlatform::SetFocus(forms::Control& control) {
  if (!control.CanTakeFocus() || !control.form()->Visible()) return;
  if (active != control.form()) {
    active = control.form();
    std::erase(activation_, active);
    activation_.insert(activation_.begin(), active);
  }
  MoveFocus(&control);
}

void SimPlatform::Activate(forms::Form& form) {
  std::erase(activation_, &form);
  activation_.insert(activation_.begin(), &form);
  active = &form;
  if (focus && focus->form() != &form) MoveFocus(nullptr);
  if (forms::Control* back = form.ReturnFocus()) SetFocus(*back);
}

void SimPlatform::MoveFocus(forms::Control* to) {
  if (focus == to) return;
  if (focus) focus->form()->UserLostFocus(*focus);
  focus = to;
  if (focus) focus->form()->UserFocused(*focus);
}

float SimPlatform::GrantFontSize(const forms::Font& font) {
  return Scale(dpi).GrantedPoints(font.size);
}

std::uintptr_t SimPlatform::WindowHandle(forms::Form& form) {
  auto it = handles_.find(&form);
  return it == handles_.end() ? 0 : it->second;
}

Handle SimPlatform::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h) {
  calls.push_back("CreateRoundRectRgn(" + Args({x1, y1, x2, y2, w, h}) + ")");
  return nextRegion_++;
}

int SimPlatform::SetWindowRgn(Handle hWnd, Handle hRgn, bool bRedraw) {
  calls.push_back("SetWindowRgn(" +
                  Args({static_cast<long long>(hWnd), static_cast<long long>(hRgn), bRedraw ? -1 : 0}) + ")");
  return 1;
}

int SimPlatform::SetWindowPos(Handle hWnd, Handle after, int x, int y, int cx, int cy, unsigned flags) {
  calls.push_back(
      "SetWindowPos(" +
      Args({static_cast<long long>(hWnd), static_cast<std::intptr_t>(after), x, y, cx, cy, flags}) + ")");
  return 1;
}

int SimPlatform::ReleaseCapture() {
  calls.push_back("ReleaseCapture()");
  return 1;
}

long SimPlatform::SendMessageA(Handle hWnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  calls.push_back("SendMessageA(" +
                  Args({static_cast<long long>(hWnd), msg, static_cast<long long>(wParam), lParam}) + ")");
  return 0;
}

short SimPlatform::GetAsyncKeyState(int vKey) {
  keyQueries.push_back(vKey);
  auto it = keyStates.find(vKey);
  return it == keyStates.end() ? 0 : it->second;
}

void SimPlatform::keybd_event(std::uint8_t bVk, std::uint8_t bScan, std::uint32_t dwFlags,
                              std::uintptr_t extra) {
  injected.push_back({bVk, bScan, dwFlags, extra});
}

long SimPlatform::RegOpenKeyA(Handle hKey, const std::string& subKey, Handle* phkResult) {
  ++regOpenCalls;
  if (hKey != HKEY_LOCAL_MACHINE_ || subKey != kRunKey || !runKeyOpens) return 2;
  *phkResult = kRunKeyHandle;
  ++openKeys;
  return 0;
}

long SimPlatform::RegSetValueExA(Handle hKey, const std::string& name, std::uint32_t, std::uint32_t type,
                                 const std::uint8_t* data, std::uint32_t cbData) {
  if (hKey != kRunKeyHandle) return 6;
  if (!runKeyWritable) return 5;
  runValues[name] = {type, std::string(reinterpret_cast<const char*>(data), cbData)};
  return 0;
}

long SimPlatform::RegDeleteValueA(Handle hKey, const std::string& name) {
  if (hKey != kRunKeyHandle) return 6;
  if (!runKeyWritable) return 5;
  return runValues.erase(name) ? 0 : 2;
}

long SimPlatform::RegCloseKey(Handle hKey) {
  if (hKey != kRunKeyHandle) return 6;
  --openKeys;
  return 0;
}

void SimPlatform::Sleep(std::uint32_t milliseconds) {
  calls.push_back("Sleep(" + Args({milliseconds}) + ")");
}

void SimPlatform::DoEvents() {
  calls.push_back("DoEvents()");
  if (pendingEvents) pendingEvents();
}

long SimPlatform::RegGetValueW(Handle hKey, const std::wstring& subKey, const std::wstring& valueName,
                               std::uint32_t, std::uint32_t* type, std::string* data) {
  auto it = registry.find({subKey, valueName});
  if (hKey != HKEY_LOCAL_MACHINE_ || it == registry.end()) return 2;
  *type = it->second.first;
  *data = it->second.second;
  return 0;
}

namespace {
// As the registry keeps strings: UTF-16, little-endian, each with its terminating zero.
std::string Utf16(const std::wstring& text) {
  std::string bytes;
  auto unit = [&bytes](std::uint32_t u) {
    bytes += static_cast<char>(u & 0xFF);
    bytes += static_cast<char>(u >> 8);
  };
  for (wchar_t c : text) {
    const auto code = static_cast<std::uint32_t>(c);
    if (code >= 0x10000) {
      unit(0xD800 + ((code - 0x10000) >> 10));
      unit(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      unit(code);
    }
  }
  unit(0);
  return bytes;
}
}  // namespace

const Policy& SimPlatform::MachinePolicy() {
  return freshPolicy_ = ReadPolicy(*this);
}

const std::wstring& SimPlatform::DataPath() {
  return freshDataPath_ = ChooseDataFolder(MachinePolicy(), appPath, *this);
}

void SimPlatform::SetPolicy(const std::wstring& name, const std::wstring& text) {
  registry[{kPolicyKey, name}] = {REG_SZ_, Utf16(text)};
}

void SimPlatform::SetPolicy(const std::wstring& name, std::uint32_t number) {
  registry[{kPolicyKey, name}] = {REG_DWORD_, std::string(reinterpret_cast<const char*>(&number), 4)};
}

void SimPlatform::SetPolicy(const std::wstring& name, const std::vector<std::wstring>& texts) {
  std::string bytes;
  for (const std::wstring& text : texts) bytes += Utf16(text);
  registry[{kPolicyKey, name}] = {REG_MULTI_SZ_, bytes + std::string(2, '\0')};
}

bool SimPlatform::FileExists(const std::wstring& path) {
  return files.count(path) > 0;
}

std::unique_ptr<InputFile> SimPlatform::OpenInput(const std::wstring& path) {
  if (openOverride) {
    if (auto file = openOverride(path)) return file;
  }
  auto it = files.find(path);
  if (it == files.end() || unreadable.count(path)) return nullptr;
  return std::make_unique<MemoryFile>(it->second);
}

bool SimPlatform::Redirected(const std::wstring& path) const {
  const auto names = hardLinks.find(path);
  return links.count(path) || links.count(path.substr(0, path.rfind(L'\\'))) ||
         (names != hardLinks.end() && names->second > 1);
}

bool SimPlatform::ReplaceFile(const std::wstring& path, const std::string& bytes) {
  if (readOnly.count(path) || Redirected(path)) return false;
  if (folderReadOnly) {
    if (!files.count(path)) return false;
    files[path] = bytes;
    return true;
  }
  const std::wstring temporary = path + L".tmp";
  const int cutAfter = std::exchange(powerCutAfter, -1);
  if (cutAfter == 0) return false;
  files[temporary].clear();
  if (cutAfter == 1) return false;
  // Written but not flushed: the file's new size is on the disk, its data not yet.
  files[temporary].assign(bytes.size(), '\0');
  if (cutAfter == 2) return false;
  files[temporary] = bytes;
  if (cutAfter == 3) return false;
  files[path] = bytes;
  files.erase(temporary);
  return true;
}

std::wstring SimPlatform::ShortPath(const std::wstring& path) {
  auto it = shortPaths.find(path);
  return it == shortPaths.end() ? path : it->second;
}

bool SimPlatform::AppendFile(const std::wstring& path, const std::string& bytes) {
  // A folder that takes no new files still lets an existing one grow.
  if (readOnly.count(path) || Redirected(path) || (folderReadOnly && !files.count(path))) return false;
  const int cutAfter = std::exchange(appendCutAfter, -1);
  if (cutAfter >= 0 && static_cast<size_t>(cutAfter) < bytes.size()) {
    files[path].append(bytes, 0, static_cast<size_t>(cutAfter));
    return false;
  }
  files[path] += bytes;
  ++appends;
  return true;
}

long long SimPlatform::FileSize(const std::wstring& path) {
  auto it = files.find(path);
  return it == files.end() ? -1 : static_cast<long long>(it->second.size());
}

int SimPlatform::LastByte(const std::wstring& path) {
  auto it = files.find(path);
  if (it == files.end() || it->second.empty() || unreadable.count(path)) return -1;
  return static_cast<unsigned char>(it->second.back());
}

void SimPlatform::Randomize() {
  ++seeds;
  random_.Seed(static_cast<std::uint32_t>(seeds * 7919));
}

float SimPlatform::Rnd() {
  if (!scriptedRnd.empty()) {
    const float value = scriptedRnd.front();
    scriptedRnd.pop_front();
    return value;
  }
  return random_.Next();
}

std::wstring SimPlatform::LCase(const std::wstring& text) {
  std::wstring lower = text;
  for (wchar_t& c : lower) {
    if ((c >= L'A' && c <= L'Z') || (c >= 0x0410 && c <= 0x042F)) {
      c = static_cast<wchar_t>(c + 0x20);
    } else if (c >= 0x0400 && c <= 0x040F) {
      c = static_cast<wchar_t>(c + 0x50);  // Ё and the other letters of the row above
    }
  }
  return lower;
}

std::optional<std::string> SimPlatform::ToAnsi(const std::wstring& text) {
  return UnicodeToCp1251(text);
}
std::wstring SimPlatform::FromAnsi(const std::string& bytes) {
  return Cp1251ToUnicode(bytes);
}

}  // namespace platform
