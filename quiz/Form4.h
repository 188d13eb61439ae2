// The help window: the list of hot keys, beside the quiz window.
#pragma once

#include "forms/Forms.h"

namespace quiz {

class Form4 : public forms::Form {
 public:
  explicit Form4(forms::Binding& binding);

  forms::Frame Frame1{L"Frame1"};
  forms::Label Label1{L"Label1"};
  forms::CommandButton Command1{L"Command1"};

  // Set by the quiz window: what closing the help also changes there.
  std::function<void()> Closed;

 private:
  void Command1_Click();
};

}  // namespace quiz
