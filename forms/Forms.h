// A small forms layer: windows and controls as plain state with design-time
// properties and event handlers. It knows nothing of any window system; a
// Binding mirrors every change onto real windows (or onto nothing, in tests).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace forms {

// A colour is a plain RGB value or a reference to one of the system's colours.
// References compare by their index, never by the colour they show.
struct Color {
  std::uint32_t value = 0;  // 0x00BBGGRR, or the system colour index
  bool system = false;

  static constexpr Color Rgb(int r, int g, int b) {
    return Color{static_cast<std::uint32_t>(r | (g << 8) | (b << 16)), false};
  }
  static constexpr Color System(int index) { return Color{static_cast<std::uint32_t>(index), true}; }
  bool operator==(const Color&) const = default;
};

// System colour indexes, numbered as the platform numbers them.
namespace SysColor {
constexpr int Menu = 4;
constexpr int Window = 5;
constexpr int WindowText = 8;
constexpr int HighlightText = 14;
constexpr int ButtonFace = 15;
}  // namespace SysColor

constexpr int kCyrillicCharset = 204;

struct Font {
  std::wstring name;  // empty: the platform's default dialog font
  float size = 8.25f;
  bool bold = false;
  int charset = 0;
};

enum class Kind { Form, Label, TextBox, CommandButton, OptionButton, PictureBox, Frame, Line, Timer };
enum class Align { Left, Right, Center };

// The artwork a picture box or a form shows.
enum class Picture { None, QuizBackground, Corner, HelpBubble, HintBall };

// What changed, so that a binding updates only that.
enum class Prop {
  Caption,  // caption of a form, label, button, frame; text of a text box
  Move,     // left, top, width, height
  Visible,
  Enabled,
  Colors,  // back and fore colour
  Font,
  MaxLength,
  SelStart,
  ToolTip,
  Value,  // option button
  Timer,  // interval or enabled
};

class Control;
class Form;

// Implemented by a platform: real windows, or the in-memory model of the tests.
class Binding {
 public:
  virtual ~Binding() = default;
  // Creates the form's window and the windows of its controls (hidden).
  virtual void Load(Form& form) = 0;
  // Destroys the windows of a form whose controls are going away.
  virtual void Unload(Form& form) = 0;
  virtual void Changed(Control& control, Prop what) = 0;
  virtual void SetFocus(Control& control) = 0;
  // The size the font system grants for the font, in points; 0 when it cannot show it.
  virtual float GrantFontSize(const Font& font) = 0;
  virtual std::uintptr_t WindowHandle(Form& form) = 0;
};

class Control {
 public:
  Control(Kind kind, std::wstring name, int index = -1)
      : kind_(kind), name_(std::move(name)), index_(index) {}
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Kind kind() const { return kind_; }
  const std::wstring& Name() const { return name_; }
  int Index() const { return index_; }
  Form* form() const { return form_; }
  Control* Container() const { return container_; }

  float Left() const { return left_; }
  float Top() const { return top_; }
  float Width() const { return width_; }
  float Height() const { return height_; }
  void SetLeft(float v) { Move(v, top_, width_, height_); }
  void SetTop(float v) { Move(left_, v, width_, height_); }
  void SetWidth(float v) { Move(left_, top_, v, height_); }
  void SetHeight(float v) { Move(left_, top_, width_, v); }
  void Move(float left, float top, float width, float height);

  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);

  // The caption of labels, buttons, frames and forms; the text of a text box.
  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& v);

  Color BackColor() const { return back_; }
  void SetBackColor(Color v);
  Color ForeColor() const { return fore_; }
  void SetForeColor(Color v);

  const Font& GetFont() const { return font_; }
  float FontSize() const { return font_.size; }
  // Takes the size the font system grants; false (and no change) when it cannot show it.
  bool SetFontSize(float points);

  int TabIndex() const { return tabIndex_; }
  forms::Align Alignment() const { return align_; }
  const std::wstring& ToolTipText() const { return toolTip_; }
  void SetToolTipText(const std::wstring& v);
  void SetFocus();
  // A box, button or option that is shown and enabled, inside containers that are shown and enabled.
  bool CanTakeFocus() const;

  // Called by a binding when the user changed the state on screen; nothing is echoed back.
  void UserSetCaption(const std::wstring& v) { caption_ = v; }
  void UserMoved(float left, float top) {
    left_ = left;
    top_ = top;
  }

  // What the binding keeps for the control's window, which only the binding reads; null until the form
  // is loaded, and wherever the binding keeps nothing.
  void* Peer() const { return peer_; }
  void SetPeer(void* peer) { peer_ = peer; }

  // Event handlers; a control array's handler captures the member's index.
  std::function<void()> Click;
  std::function<void(int keyCode, int shift)> KeyDown;
  std::function<void(int button, int shift, float x, float y)> MouseDown;

 protected:
  // A control is a member of its form, of one kind, and never deleted through this type: it needs no table
  // of virtual functions, nor does any kind of control.
  ~Control() = default;
  void Notify(Prop what);
  // The design, for Designed below. The setters that move more than a word are out of line: the exe then
  // holds each once, not once for every kind of control.
  void DesignPlace(float left, float top, float width, float height) noexcept;
  void DesignFont(Font&& f) noexcept;
  void DesignCaption(std::wstring&& v) noexcept;
  void DesignToolTip(std::wstring&& v) noexcept;
  void DesignTab(int index) { tabIndex_ = index; }
  void DesignAlign(forms::Align a) { align_ = a; }
  void DesignColors(Color back, Color fore) {
    back_ = back;
    fore_ = fore;
  }
  void DesignHidden() { visible_ = false; }

 private:
  friend class Form;
  // The control of this form that holds the keyboard focus now, if any (never the form itself).
  Control* FocusInForm() const;
  // A control that held the focus and can take it no longer hands it on.
  void PassFocusOnFrom(Control* focused);
  Kind kind_;
  std::wstring name_;
  int index_;
  Form* form_ = nullptr;
  Control* container_ = nullptr;
  float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  std::wstring caption_;
  Color back_ = Color::System(SysColor::ButtonFace);
  Color fore_ = Color::System(SysColor::WindowText);
  Font font_;
  int tabIndex_ = 0;
  forms::Align align_ = forms::Align::Left;
  std::wstring toolTip_;
  void* peer_ = nullptr;
};

// The design of a control, set before its form is loaded: each setter returns the control as its own kind,
// so that one chain gives a control its whole design, its kind's own setters included.
template <class Self>
class Designed : public Control {
 public:
  using Control::Control;

  Self& Place(float left, float top, float width, float height) {
    DesignPlace(left, top, width, height);
    return Me();
  }
  Self& Tab(int index) {
    DesignTab(index);
    return Me();
  }
  Self& Aligned(forms::Align a) {
    DesignAlign(a);
    return Me();
  }
  Self& Colors(Color back, Color fore) {
    DesignColors(back, fore);
    return Me();
  }
  Self& WithFont(Font f) {
    DesignFont(std::move(f));
    return Me();
  }
  Self& WithCaption(std::wstring v) {
    DesignCaption(std::move(v));
    return Me();
  }
  Self& WithToolTip(std::wstring v) {
    DesignToolTip(std::move(v));
    return Me();
  }
  Self& Hidden() {
    DesignHidden();
    return Me();
  }

 private:
  Self& Me() { return static_cast<Self&>(*this); }
};

class Label : public Designed<Label> {
 public:
  Label(std::wstring name, int index = -1) : Designed(Kind::Label, std::move(name), index) {}
};

class TextBox : public Designed<TextBox> {
 public:
  TextBox(std::wstring name, int index = -1) : Designed(Kind::TextBox, std::move(name), index) {
    // A box shows the system's colours for typing unless its design says otherwise.
    Colors(Color::System(SysColor::Window), Color::System(SysColor::WindowText));
  }
  const std::wstring& Text() const { return Caption(); }
  void SetText(const std::wstring& v) { SetCaption(v); }
  // 0 means no limit.
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int v);
  TextBox& WithMaxLength(int v) {
    maxLength_ = v;
    return *this;
  }
  int SelStart() const { return selStart_; }
  void SetSelStart(int v);
  void UserSetSelStart(int v) { selStart_ = v; }

 private:
  int maxLength_ = 0;
  int selStart_ = 0;
};

class CommandButton : public Designed<CommandButton> {
 public:
  CommandButton(std::wstring name, int index = -1) : Designed(Kind::CommandButton, std::move(name), index) {}
  bool Default() const { return default_; }
  bool Cancel() const { return cancel_; }
  CommandButton& MakeDefault() {
    default_ = true;
    return *this;
  }
  CommandButton& MakeCancel() {
    cancel_ = true;
    return *this;
  }

 private:
  bool default_ = false;
  bool cancel_ = false;
};

// Option buttons that share a container form one group: selecting one clears the others.
class OptionButton : public Designed<OptionButton> {
 public:
  OptionButton(std::wstring name, int index = -1) : Designed(Kind::OptionButton, std::move(name), index) {}
  bool Value() const { return value_; }
  void SetValue(bool v);

 private:
  bool value_ = false;
};

class PictureBox : public Designed<PictureBox> {
 public:
  PictureBox(std::wstring name, int index = -1) : Designed(Kind::PictureBox, std::move(name), index) {}
  forms::Picture Art() const { return picture_; }
  PictureBox& WithArt(forms::Picture p) {
    picture_ = p;
    return *this;
  }

 private:
  forms::Picture picture_ = forms::Picture::None;
};

class Frame : public Designed<Frame> {
 public:
  explicit Frame(std::wstring name) : Designed(Kind::Frame, std::move(name)) {}
  bool Border() const { return border_; }
  Frame& NoBorder() {
    border_ = false;
    return *this;
  }

 private:
  bool border_ = true;
};

// A straight line from (X1, Y1) to (X2, Y2) in its container.
class Line : public Designed<Line> {
 public:
  explicit Line(std::wstring name) : Designed(Kind::Line, std::move(name)) {}
  Line& From(float x1, float y1, float x2, float y2);
};

class Timer : public Designed<Timer> {
 public:
  explicit Timer(std::wstring name) : Designed(Kind::Timer, std::move(name)) {}
  int Interval() const { return interval_; }
  void SetInterval(int ms);
  Timer& WithInterval(int ms) {
    interval_ = ms;
    return *this;
  }
  bool TimerEnabled() const { return Enabled(); }
  std::function<void()> Tick;

 private:
  int interval_ = 0;
};

class Form : public Designed<Form> {
 public:
  Form(std::wstring name, Binding& binding) : Designed(Kind::Form, std::move(name)), binding_(binding) {
    form_ = this;
    Hidden();
  }

  Binding& binding() const { return binding_; }
  bool Loaded() const { return loaded_; }
  // Creates the window on first use; later calls do nothing.
  void Load();
  // A form that is shown takes the keyboard, on its first control in tab order, every time.
  void Show();
  void Hide() { SetVisible(false); }
  std::uintptr_t hWnd() {
    Load();
    return binding_.WindowHandle(*this);
  }

  // Adds a control to the form, inside `container` (a frame) or directly on the form.
  template <class C>
  C& Add(C& control, Control* container = nullptr) {
    Adopt(control, container);
    return control;
  }
  const std::vector<Control*>& Controls() const { return controls_; }

  forms::Picture Art() const { return picture_; }
  Form& WithArt(forms::Picture p) {
    picture_ = p;
    return *this;
  }

  // Keyboard focus. A binding reports where the focus goes; the form keeps the control that has it, or
  // had it last, so that the focus can come back there when the form is active again.
  Control* ActiveControl() const { return active_; }
  // The control that has the keyboard focus now; null while the keyboard is elsewhere.
  Control* Focused() const { return focused_; }
  void UserFocused(Control& control) { active_ = focused_ = &control; }
  void UserLostFocus(Control& control) {
    if (focused_ == &control) focused_ = nullptr;
  }
  // The first control in tab order that can take the focus: it gets it at every showing.
  Control* FirstFocus() const;
  // The next control after `from` in tab order that can take the focus: within `from`'s container
  // first, going round to its start, then anywhere on the form.
  Control* NextFocus(const Control& from) const;
  // Where the focus goes when the form is active again: the control that had it, else the next one.
  Control* ReturnFocus() const;
  // The button that Enter presses: the command button that has the focus, or else the default button.
  CommandButton* EnterButton() const;

  // The form's load event: runs once, right after its window is created.
  std::function<void()> OnLoad;

 protected:
  // Each window is a form of its own kind, a member of the program.
  ~Form() {
    if (loaded_) binding_.Unload(*this);
  }

 private:
  void Adopt(Control& control, Control* container);
  Binding& binding_;
  std::vector<Control*> controls_;
  bool loaded_ = false;
  forms::Picture picture_ = forms::Picture::None;
  Control* active_ = nullptr;
  Control* focused_ = nullptr;
};

}  // namespace forms
