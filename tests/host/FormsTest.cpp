// The forms layer's keyboard rules on a small window of its own: where the focus goes when a form shows,
// when the control that has it can take it no longer, and when the form is active again.
#include <gtest/gtest.h>

#include "forms/Forms.h"
#include "platform/sim/SimPlatform.h"

namespace {

// Three boxes in a frame, then a label and two buttons on the form, in tab order.
struct Window : forms::Form {
  explicit Window(forms::Binding& binding) : Form(L"Window", binding) {
    Add(frame).Tab(0);
    for (int k = 0; k < 3; ++k) Add(box[k], &frame).Tab(3 - k);  // tab order is not the order of adding
    Add(label).Tab(4);
    Add(ok).Tab(5).MakeDefault();
    Add(other).Tab(6);
  }
  forms::Frame frame{L"frame"};
  forms::TextBox box[3]{{L"box", 0}, {L"box", 1}, {L"box", 2}};
  forms::Label label{L"label"};
  forms::CommandButton ok{L"ok"}, other{L"other"};
};

class Focus : public ::testing::Test {
 protected:
  platform::SimPlatform sim;
  Window w{sim}, second{sim};
};

TEST_F(Focus, AShownFormTakesTheKeyboardEveryTimeAndGivesItBackWhenItHides) {
  w.Show();
  EXPECT_EQ(sim.focus, &w.box[2]);  // tab index 1
  w.box[1].SetFocus();
  for (int showing = 0; showing < 2; ++showing) {
    second.Show();
    EXPECT_EQ(sim.focus, &second.box[2]);
    second.box[0].SetFocus();
    w.box[1].SetFocus();
    second.Show();  // shown again while on the screen: it takes the keyboard again
    EXPECT_EQ(sim.focus, &second.box[2]);
    second.Hide();
    EXPECT_EQ(sim.focus, &w.box[1]);
  }

  // Back in a form whose control can no longer take the focus: the next one takes it, and the form that
  // had the keyboard meanwhile kept it.
  second.Show();
  w.box[1].SetEnabled(false);
  EXPECT_EQ(sim.focus, &second.box[2]);
  second.Hide();
  EXPECT_EQ(sim.focus, &w.box[0]);
}

TEST_F(Focus, AControlThatCanNoLongerTakeTheFocusHandsItOnInTabOrder) {
  w.Show();
  w.box[0].SetFocus();
  w.box[2].SetEnabled(false);  // without the focus: nothing moves
  EXPECT_EQ(sim.focus, &w.box[0]);
  w.box[0].SetEnabled(false);  // round within the frame before leaving it
  EXPECT_EQ(sim.focus, &w.box[1]);
  w.box[1].SetVisible(false);  // nothing left in the frame: on to the form, past the label
  EXPECT_EQ(sim.focus, &w.ok);

  w.other.SetFocus();
  EXPECT_EQ(w.EnterButton(), &w.other);
  w.other.SetEnabled(false);  // round the form's own controls
  EXPECT_EQ(sim.focus, &w.ok);
  w.box[0].SetEnabled(true);
  w.box[0].SetFocus();
  EXPECT_EQ(w.EnterButton(), &w.ok);
  w.frame.SetVisible(false);  // a container that hides takes the focus out of its boxes
  EXPECT_EQ(sim.focus, &w.ok);
}

}  // namespace
