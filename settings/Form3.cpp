// The dialog window: its design, its three uses, and its one click handler with the apply step.
#include "settings/Form3.h"

#include "quiz/Form1.h"
#include "quiz/Shared.h"
#include "settings/Module1.h"

namespace settings {

using forms::Color;

namespace {
const Color kGrey = Color::Rgb(224, 224, 224);
const Color kText = Color::System(forms::SysColor::WindowText);
const wchar_t kRunValueName[] = L"Таблица умножения";
// The input error's text, which the label also holds by design.
const wchar_t kInputError[] =
    L"Вводите цифры в окошки, а не буквы или др. символы. Также нельзя оставлять окошки пустыми.";
}  // namespace

Form3::Form3(platform::Platform& platform, quiz::Shared& shared, quiz::Form1& form1)
    : Form(L"Form3", platform), platform_(platform), shared_(shared), form1_(form1) {
  WithCaption(L"Form3").Place(0, 0, 5175, 1665).Colors(kGrey, kText);

  Add(Frame1).WithCaption(L"Form3").Place(120, 0, 4950, 1575).Colors(kGrey, kText).Tab(0);
  Add(Label1, &Frame1)
      .WithCaption(kInputError)
      .Place(120, 360, 4335, 495)
      .Colors(kGrey, Color::Rgb(0, 0, 128))
      .Tab(1);
  Add(cmdOK[0]).WithCaption(L"Принято").Place(1200, 1080, 2775, 375).Colors(kGrey, kText).Tab(2);
  Add(cmdOK[1], &Frame1)
      .WithCaption(L"X")
      .Place(4680, 105, 255, 255)
      .Colors(kGrey, kText)
      .Tab(3)
      .MakeCancel();
  Add(optStart[0], &Frame1).WithCaption(L"Да").Place(240, 720, 615, 255).Colors(kGrey, kText).Tab(4);
  Add(optStart[1], &Frame1).WithCaption(L"Нет").Place(960, 720, 615, 255).Colors(kGrey, kText).Tab(5);
  Add(Frame2, &Frame1)
      .NoBorder()
      .WithCaption(L"Frame2")
      .Place(1920, 720, 3000, 400)
      .Colors(kGrey, kText)
      .Tab(6);
  const wchar_t* subjects[] = {L"Табл.умн.", L"Eng>R", L"Rus>E"};
  const float left[] = {45, 1200, 2040}, width[] = {1455, 975, 855};
  for (int k = 0; k < 3; ++k) {
    Add(optPred[k], &Frame2)
        .WithCaption(subjects[k])
        .Place(left[k], 0, width[k], 255)
        .Colors(kGrey, kText)
        .Tab(7 + k);
  }
  Add(Line1, &Frame1).From(1800, 285, 1800, 935);

  for (int k = 0; k < 2; ++k) cmdOK[k].Click = [this, k] { cmdOK_Click(k); };
  for (auto& option : optStart) option.Click = [&option] { option.SetValue(true); };
  for (auto& option : optPred) option.Click = [&option] { option.SetValue(true); };
}

void Form3::Place() {
  const float height = (Load(), Height());
  SetTop(form1_.Top() - height - 90);
  SetLeft(form1_.Left() + 1500);
}

void Form3::SetSettingsControlsVisible(bool visible) {
  optStart[0].SetVisible(visible);
  optStart[1].SetVisible(visible);
  Frame2.SetVisible(visible);
  Line1.SetVisible(visible);
}

void Form3::ShowMessage(const std::wstring& title, const std::wstring& text) {
  Place();
  Frame1.SetCaption(title);
  Label1.SetCaption(text);
  SetSettingsControlsVisible(false);
  Show();
  shared_.bNastroyki = false;
}

void Form3::ShowInputError() {
  ShowMessage(L"Ошибка ввода", kInputError);
}

void Form3::ShowNoDictionary() {
  ShowMessage(L"Ошибка", L"Нет файла словаря quorvel_vcb.ini!\r\nКак его создать - читайте readme.txt");
}

void Form3::ShowSettings() {
  Place();
  Frame1.SetCaption(L"Настройки");
  Label1.SetCaption(L"Запуск при старте?" + std::wstring(8, L' ') + L"Какой предмет изучаем?");
  SetSettingsControlsVisible(true);
  Show();
  shared_.bNastroyki = true;
}

void Form3::cmdOK_Click(int Index) {
  const size_t length = Label1.Caption().size();
  if (Index == 0 && length < 80 && shared_.bNastroyki) Apply();

  Hide();

  for (int k = 0; k < 3; ++k) {
    if (optPred[k].Value()) form1_.SaveSettings(static_cast<float>(k));
  }
}

std::wstring Form3::ExePath() {
  const std::wstring path = platform_.AppPath() + L"\\" + platform_.AppExeName() + L".exe";
  if (platform_.ToAnsi(path)) return path;
  // A folder name in letters that the code page lacks: the short form of the path often does without them.
  const std::wstring shortPath = platform_.ShortPath(path);
  return shortPath.empty() ? path : shortPath;
}

void Form3::Apply() {
  std::wstring result[2] = {L"Старт ИЗМЕНЕН", L"Предмет ИЗМЕНЕН"};

  if (optStart[0].Value()) {
    // The path is quoted so that a folder name with spaces cannot start another program at log-on.
    if (!Module1::SetRunValue(platform_, kRunValueName, L"\"" + ExePath() + L"\""))
      result[0] = L"Старт НЕ изменен";
  } else if (optStart[1].Value()) {
    if (!Module1::DeleteRunValue(platform_, kRunValueName)) result[0] = L"Старт НЕ изменен";
  } else {
    result[0] = L"Старт НЕ изменен";
  }

  if (optPred[0].Value()) {
    form1_.DoPrimery();
    shared_.curPredmet = 0;
  } else if (optPred[1].Value()) {
    form1_.DoSlova(1);
    shared_.curPredmet = 1;
  } else if (optPred[2].Value()) {
    form1_.DoSlova(2);
    shared_.curPredmet = 2;
  } else {
    result[1] = L"Предмет НЕ изменен";
  }

  Label1.SetCaption(result[0] + std::wstring(20, L' ') + result[1]);
  platform_.DoEvents();
  platform_.Sleep(1500);
}

}  // namespace settings
