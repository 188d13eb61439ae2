#include "forms/Forms.h"

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

Control& Control::Place(float left, float top, float width, float height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  return *this;
}

void Control::SetVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  Notify(Prop::Visible);
}

void Control::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  Notify(Prop::Enabled);
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
}

}  // namespace forms
