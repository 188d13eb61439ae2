#include "forms/Forms.h"

#include <utility>

namespace forms {

void Control::Notify(Prop what) {
  if (form_ && form_->Loaded()) form_->binding().Changed(*this, what);
}

void Control::Move(float left, float top, float width, float height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Notify(Prop::Move);
}

void Control::DesignPlace(float left, float top, float width, float height) noexcept {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
}

void Control::DesignFont(Font&& f) noexcept {
  font_ = std::move(f);
}

void Control::DesignCaption(std::wstring&& v) noexcept {
  caption_ = std::move(v);
}

void Control::DesignToolTip(std::wstring&& v) noexcept {
  toolTip_ = std::move(v);
}

void Control::SetVisible(bool v) {
  if (v == visible_) return;
  Control* focused = FocusInForm();
  visible_ = v;
  Notify(Prop::Visible);
  PassFocusOnFrom(focused);
}

void Control::SetEnabled(bool v) {
  if (v == enabled_) return;
  Control* focused = FocusInForm();
  enabled_ = v;
  Notify(Prop::Enabled);
  PassFocusOnFrom(focused);
}

Control* Control::FocusInForm() const {
  // A form that hides gives the keyboard back to another form; its binding sees to that.
  return form_ && form_ != this ? form_->Focused() : nullptr;
}

void Control::PassFocusOnFrom(Control* focused) {
  // The system takes the focus from a window that is disabled or hidden and gives it to none: the keyboard
  // would be lost until the user clicks somewhere.
  if (!focused || focused->CanTakeFocus()) return;
  if (Control* next = form_->NextFocus(*focused)) next->SetFocus();
}

void Control::SetCaption(const std::wstring& v) {
  caption_ = v;
  Notify(Prop::Caption);
}

void Control::SetBackColor(Color v) {
  back_ = v;
  Notify(Prop::Colors);
}

void Control::SetForeColor(Color v) {
  fore_ = v;
  Notify(Prop::Colors);
}

bool Control::SetFontSize(float points) {
  Font wanted = font_;
  wanted.size = points;
  const float granted = form_ ? form_->binding().GrantFontSize(wanted) : points;
  if (!(granted > 0)) return false;
  font_.size = granted;
  Notify(Prop::Font);
  return true;
}

void Control::SetToolTipText(const std::wstring& v) {
  toolTip_ = v;
  Notify(Prop::ToolTip);
}

void Control::SetFocus() {
  if (form_ && form_->Loaded()) form_->binding().SetFocus(*this);
}

bool Control::CanTakeFocus() const {
  if (kind_ != Kind::TextBox && kind_ != Kind::CommandButton && kind_ != Kind::OptionButton) return false;
  for (const Control* c = this; c; c = c->container_) {
    if (!c->visible_ || !c->enabled_) return false;
  }
  return true;
}

void TextBox::SetMaxLength(int v) {
  maxLength_ = v;
  Notify(Prop::MaxLength);
}

void TextBox::SetSelStart(int v) {
  const int length = static_cast<int>(Text().size());
  selStart_ = v < 0 ? 0 : (v > length ? length : v);
  Notify(Prop::SelStart);
}

void OptionButton::SetValue(bool v) {
  if (v && form()) {
    for (Control* other : form()->Controls()) {
      if (other != this && other->kind() == Kind::OptionButton && other->Container() == Container()) {
        auto& option = static_cast<OptionButton&>(*other);
        if (option.value_) {
          option.value_ = false;
          option.Notify(Prop::Value);
        }
      }
    }
  }
  value_ = v;
  Notify(Prop::Value);
}

Line& Line::From(float x1, float y1, float x2, float y2) {
  Place(x1, y1, x2 - x1, y2 - y1);
  return *this;
}

void Timer::SetInterval(int ms) {
  interval_ = ms;
  Notify(Prop::Timer);
}

void Form::Adopt(Control& control, Control* container) {
  control.form_ = this;
  control.container_ = container;
  controls_.push_back(&control);
}

void Form::Load() {
  if (loaded_) return;
  loaded_ = true;
  // Design sizes become what the font system grants on this screen.
  for (Control* control : controls_) {
    const float granted = binding_.GrantFontSize(control->font_);
    if (granted > 0) control->font_.size = granted;
  }
  binding_.Load(*this);
  if (OnLoad) OnLoad();
}

void Form::Show() {
  Load();
  SetVisible(true);
  // Also when it is on the screen already: a message shown again comes back with the keyboard.
  if (Control* first = FirstFocus()) first->SetFocus();
}

namespace {
// Tab order: by tab index, then by the order the controls were added.
using TabKey = std::pair<int, size_t>;

TabKey KeyOf(const std::vector<Control*>& controls, size_t at) {
  return {controls[at]->TabIndex(), at};
}

// The first control after `after` in tab order that `fits`, going round to the start; null if none fits.
Control* NextInTabOrder(const std::vector<Control*>& controls, TabKey after, auto fits) {
  Control *next = nullptr, *first = nullptr;
  TabKey nextKey{}, firstKey{};
  for (size_t at = 0; at < controls.size(); ++at) {
    if (!fits(*controls[at])) continue;
    const TabKey key = KeyOf(controls, at);
    if (!first || key < firstKey) first = controls[at], firstKey = key;
    if (key > after && (!next || key < nextKey)) next = controls[at], nextKey = key;
  }
  return next ? next : first;
}
}  // namespace

Control* Form::FirstFocus() const {
  return NextInTabOrder(controls_, {-1, 0}, [](const Control& c) { return c.CanTakeFocus(); });
}

Control* Form::NextFocus(const Control& from) const {
  size_t at = 0;
  while (at < controls_.size() && controls_[at] != &from) ++at;
  if (at == controls_.size()) return nullptr;
  const TabKey key = KeyOf(controls_, at);
  auto usable = [&](const Control& c) { return &c != &from && c.CanTakeFocus(); };
  if (Control* near = NextInTabOrder(
          controls_, key, [&](const Control& c) { return usable(c) && c.Container() == from.Container(); })) {
    return near;
  }
  return NextInTabOrder(controls_, key, usable);
}

Control* Form::ReturnFocus() const {
  if (!active_) return FirstFocus();
  return active_->CanTakeFocus() ? active_ : NextFocus(*active_);
}

CommandButton* Form::EnterButton() const {
  if (active_ && active_->kind() == Kind::CommandButton && active_->CanTakeFocus()) {
    return static_cast<CommandButton*>(active_);
  }
  for (Control* control : controls_) {
    if (control->kind() == Kind::CommandButton && static_cast<CommandButton*>(control)->Default()) {
      return static_cast<CommandButton*>(control);
    }
  }
  return nullptr;
}

}  // namespace forms
