#include <gmock/gmock.h>

#include "QuizFixture.h"

using ::testing::Contains;
using ::testing::ElementsAre;

namespace {

class StartUp : public QuizTest {};

TEST_F(StartUp, FirstRunWritesTheDefaultFileAndDealsMultiplication) {
  Start();
  EXPECT_EQ(Ini(), "Predmet=0\r\nFont=14,25\r\n");
  EXPECT_EQ(curPredmet(), 0);
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(form1().lblP[r].FontSize(), 14.25f);
    EXPECT_EQ(form1().txtR[r].FontSize(), 14.25f);
    EXPECT_EQ(form1().lblP[r].Caption().size(), 22u);
    EXPECT_EQ(form1().lblP[r].Width(), 3000);
    EXPECT_FALSE(form1().lblZ[r].Visible());
    EXPECT_FALSE(form1().picPod[r].Visible());
  }
  EXPECT_TRUE(form1().Visible());
  EXPECT_EQ(sim.focus, &form1().txtR[0]);
  EXPECT_EQ(form1().lblZag.Caption(), L"\r\nРеши три примера и компьютер загрузится");
}

TEST_F(StartUp, ShapesTheWindowMakesItTopmostAndCentresIt) {
  Start();
  const auto hWnd = std::to_string(form1().hWnd());
  EXPECT_THAT(sim.calls,
              ElementsAre("CreateRoundRectRgn(100,10,444,220,30,30)", "SetWindowRgn(" + hWnd + ",1280,-1)",
                          "SetWindowPos(" + hWnd + ",-1,0,0,0,0,19)"));
  EXPECT_EQ(form1().Left(), 3420);
  EXPECT_EQ(form1().Top(), 3900);
}

TEST_F(StartUp, CentresOnOtherScreensWithIntegerHalves) {
  sim.screenWidthPx = 801;  // 12015 twips: 6007 - 4260
  sim.screenHeightPx = 601;
  Start();
  EXPECT_EQ(form1().Left(), 1747);
  EXPECT_EQ(form1().Top(), 2647);
}

struct SettingsCase {
  const char* name;
  std::string file;
  float subject;
  float fontSize;
};

class SettingsFile : public QuizTest, public ::testing::WithParamInterface<SettingsCase> {};

TEST_P(SettingsFile, GivesSubjectAndFontSize) {
  sim.files[DictionaryPath()] = "cat=кошка\r\n";
  StartWithSettings(GetParam().file);
  EXPECT_EQ(curPredmet(), GetParam().subject);
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(form1().lblP[r].FontSize(), GetParam().fontSize) << r;
    EXPECT_EQ(form1().txtR[r].FontSize(), GetParam().fontSize) << r;
    EXPECT_EQ(form1().lblZ[r].FontSize(), 14.25f);
    EXPECT_FALSE(form1().lblZ[r].Visible());  // the designed "+" goes before the words are dealt too
  }
  EXPECT_EQ(form1().lblZag.FontSize(), 8.25f);
  EXPECT_TRUE(form1().Visible());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SettingsFile,
    ::testing::Values(SettingsCase{"Saved", "Predmet=1\r\nFont=12\r\n", 1, 12},
                      SettingsCase{"KeysPlayNoPart", "x=2\r\ny=16\r\n", 2, 15.75f},
                      SettingsCase{"NoEqualsSign", "2\r\n16\r\n", 2, 15.75f},
                      SettingsCase{"FontIsCutAtItsOwnSignTheSubjectIsNot", "Predmet=a=1\r\nFont=a=12\r\n", 0,
                                   12},
                      // Bounds of 6 and 18 points, on the size granted: whole pixels at 96 dpi.
                      SettingsCase{"GrantedAsSix", "Predmet=0\r\nFont=5,9\r\n", 0, 6},
                      SettingsCase{"GrantedAsEighteen", "Predmet=0\r\nFont=18,3\r\n", 0, 18},
                      SettingsCase{"ValueAfterFirstSign", "Predmet=0\r\n=15\r\n", 0, 15},
                      SettingsCase{"LastLineWithoutLineEnd", "Predmet=2\r\nFont=9", 2, 9},
                      SettingsCase{"LoneLfIsNoLineEnd", "Predmet=1\nFont=12\r\n", 0, 14.25f},
                      SettingsCase{"DecimalComma", "Predmet=0\r\nFont=9,75\r\n", 0, 9.75f},
                      SettingsCase{"DecimalPointToo", "Predmet=0\r\nFont=9.75\r\n", 0, 9.75f},
                      SettingsCase{"BlanksAroundNumbers", "Predmet= 1 \r\nFont= 12 \r\n", 1, 12}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Unusable, SettingsFile,
    ::testing::Values(
        SettingsCase{"EmptyFile", "", 0, 14.25f}, SettingsCase{"NoSecondLine", "Predmet=1\r\n", 1, 14.25f},
        SettingsCase{"SubjectOutOfRange", "Predmet=7\r\nFont=12\r\n", 0, 12},
        SettingsCase{"SubjectNotWhole", "Predmet=1,5\r\nFont=12\r\n", 0, 12},
        SettingsCase{"SubjectNegative", "Predmet=-1\r\nFont=12\r\n", 0, 12},
        SettingsCase{"SubjectNotANumber", "Predmet=abc\r\nFont=12\r\n", 0, 12},
        SettingsCase{"FontNotANumber", "Predmet=2\r\nFont=big\r\n", 2, 14.25f},
        SettingsCase{"FontZero", "Predmet=0\r\nFont=0\r\n", 0, 14.25f},
        SettingsCase{"FontNegative", "Predmet=0\r\nFont=-12\r\n", 0, 14.25f},
        SettingsCase{"FontHuge", "Predmet=0\r\nFont=100000000000000000000000000000000000000000\r\n", 0,
                     14.25f},
        SettingsCase{"FontTooLargeForTheLabels", "Predmet=0\r\nFont=18,5\r\n", 0, 14.25f},
        SettingsCase{"TwoSeparators", "Predmet=0\r\nFont=1,2,3\r\n", 0, 14.25f},
        SettingsCase{"MoreThanSixLines", "Predmet=1\r\nFont=12\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n", 1,
                     12},
        SettingsCase{"Binary", std::string("\x00\xff\xfe=\x01\r\x89PNG\x00\x00", 12), 0, 14.25f},
        SettingsCase{"VeryLongLine", "Predmet=1\r\nFont=" + std::string(100000, '1') + "\r\n", 1, 14.25f}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartUp, ReadsTheDefaultLiteralUnderADecimalPointLocale) {
  sim.decimalSeparator = L'.';
  StartWithSettings("Predmet=0\r\nFont=14,25\r\n");
  EXPECT_EQ(form1().lblP[0].FontSize(), 14.25f);
}

TEST_F(StartUp, AnExistingFileIsNeverRewrittenAtStart) {
  StartWithSettings("Predmet=0\r\nFont=oops\r\n");
  EXPECT_EQ(Ini(), "Predmet=0\r\nFont=oops\r\n");
}

TEST_F(StartUp, AFileThatCannotBeReadLeavesDefaultsAndTheFile) {
  sim.files[IniPath()] = "Predmet=1\r\nFont=12\r\n";
  sim.unreadable.insert(IniPath());
  Start();
  EXPECT_EQ(curPredmet(), 0);
  EXPECT_EQ(form1().lblP[0].FontSize(), 14.25f);
  EXPECT_EQ(Ini(), "Predmet=1\r\nFont=12\r\n");
  EXPECT_TRUE(form1().Visible());
}

TEST_F(StartUp, APowerCutWhileSavingLeavesTheOldSettingsOrTheNew) {
  const std::string before = "Predmet=2\r\nFont=12\r\n", after = "Predmet=0\r\nFont=12\r\n";
  for (int cut = 0; cut <= 4; ++cut) {  // after each step of the replace, and none
    SCOPED_TRACE(cut);
    program.reset();
    sim = {};
    StartWithSettings(before);
    sim.powerCutAfter = cut;
    EXPECT_EQ(form1().SaveSettings(0), cut == 4);

    Start();  // the computer starts again
    EXPECT_EQ(Ini(), cut < 4 ? before : after);
    EXPECT_EQ(curPredmet(), cut < 4 ? 2 : 0);
    // What the cut left beside the file goes with the next save.
    EXPECT_TRUE(form1().SaveSettings(1));
    for (const auto& [path, bytes] : sim.files) EXPECT_EQ(path.find(L".tmp"), std::wstring::npos);
  }
}

TEST_F(StartUp, FontSizesAreWhatTheFontSystemGrantsAtTheScreensDpi) {
  sim.dpi = 120;
  StartWithSettings("Predmet=0\r\nFont=12\r\n");
  EXPECT_EQ(form1().lblP[0].FontSize(), 12);     // 20 pixels
  EXPECT_EQ(form1().lblZ[0].FontSize(), 14.4f);  // the design 14.25 as 24 pixels
}

}  // namespace
