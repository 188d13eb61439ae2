// A quiz on the in-memory platform, started the way the program starts.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/Program.h"
#include "platform/sim/SimPlatform.h"

class QuizTest : public ::testing::Test {
 protected:
  platform::SimPlatform sim;
  std::unique_ptr<app::Program> program;

  void Start() {
    program = std::make_unique<app::Program>(sim);
    program->Start();
  }
  void StartWithSettings(const std::string& bytes) {
    sim.files[IniPath()] = bytes;
    Start();
  }

  quiz::Form1& form1() { return program->form1; }
  settings::Form3& form3() { return program->form3; }
  float curPredmet() { return program->shared.curPredmet; }

  std::wstring IniPath() { return sim.PathOf(L"quorvel.ini"); }
  std::wstring DictionaryPath() { return sim.PathOf(L"quorvel_vcb.ini"); }
  std::string& Ini() { return sim.files[IniPath()]; }

  // Answers every multiplication row right.
  void AnswerAllRight() {
    for (int k = 1; k <= 3; ++k) {
      form1().txtR[k - 1].UserSetCaption(std::to_wstring(form1().nMnozh1[k] * form1().nMnozh2[k]));
    }
  }
  void Type(int row, const std::wstring& text) { form1().txtR[row].UserSetCaption(text); }
  std::wstring Product(int row) {
    return std::to_wstring(form1().nMnozh1[row + 1] * form1().nMnozh2[row + 1]);
  }
};
