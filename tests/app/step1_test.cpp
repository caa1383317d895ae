// Step 1: the year and month accepted, refused silently, or refused with the
// error box; the month's length hides the days after its end.
#include <QApplication>

#include "tests/app/gui_test_support.h"

namespace {

// Everything step 1 may change, to tell "nothing changed" from progress.
struct Step1View {
    bool nenShown, tukiShown, tugi0Shown, tugi1Shown, dspShown, radiosEnabled;
    std::string prompt;
    bool operator==(const Step1View&) const = default;
};

Step1View View(const TForm1& f) {
    return {f.nen->Visible(),     f.tuki->Visible(),    f.tugi0->Visible(),
            f.tugi1->Visible(),   f.nen_dsp->Visible(), f.type[0]->Enabled(),
            f.Panel2->Caption()};
}

TEST_F(WindowTest, AcceptedMonthMovesToTheOptions) {
    Step1(" 2000", "03");
    EXPECT_FALSE(form->nen->Visible());
    EXPECT_FALSE(form->tuki->Visible());
    EXPECT_FALSE(form->tugi0->Visible());
    EXPECT_TRUE(form->tugi1->Visible());
    EXPECT_EQ(form->Panel2->Caption(), "各項目をチェックしてください");
    EXPECT_EQ(form->nen_dsp->Caption(), "2000");
    EXPECT_EQ(form->tuki_dsp->Caption(), "3");
    EXPECT_TRUE(form->nen_dsp->Visible());
    EXPECT_TRUE(form->tuki_dsp->Visible());
    // The texts stay as typed: the page title carries them.
    EXPECT_EQ(form->nen->Text(), " 2000");
    EXPECT_EQ(form->tuki->Text(), "03");
    for (TRadioButton* radio : {form->type[0], form->type[3], form->youbi[2], form->memoran[1]})
        EXPECT_TRUE(radio->Enabled()) << radio->Name();
    EXPECT_EQ(form->nen_val, 2000);
    EXPECT_EQ(form->tuki_val, 3);
    EXPECT_EQ(form->youbi_zero, 2);  // 1 March 2000 was a Wednesday
    EXPECT_EQ(form->tuki_days, 31);
}

TEST_F(WindowTest, MonthsOutsideTheRuleAreRefusedSilently) {
    const std::pair<const char*, const char*> kRefused[] = {
        {"1899", "1"}, {"2000", "0"}, {"2000", "13"}, {"2000", "-1"}, {"-5", "6"}};
    const Step1View before = View(*form);
    for (const auto& [year, month] : kRefused) {
        WithModalDialogs({}, [&] { Step1(year, month); });
        EXPECT_EQ(View(*form), before) << year << "-" << month;
    }
    Step1("1900", "12");
    EXPECT_TRUE(form->tugi1->Visible());
}

TEST_F(WindowTest, TextThatIsNotANumberShowsTheErrorBox) {
    struct Case {
        const char *year, *month, *message;
    };
    const Case kCases[] = {
        {"abc", "1", "'abc' は整数ではありません."},
        {"abc", "xyz", "'abc' は整数ではありません."},  // the year is read first
        {"1800", "7 ", "'7 ' は整数ではありません."},   // even below 1900
        {"2000", "", "'' は整数ではありません."},
        {"2147483648", "1", "'2147483648' は整数ではありません."},
    };
    const Step1View before = View(*form);
    for (const Case& c : kCases) {
        ErrorBox box;
        WithModalDialogs({AcceptErrorBox(box)}, [&] { Step1(c.year, c.month); });
        EXPECT_EQ(box.caption, "hibimaker");
        EXPECT_EQ(box.text, c.message);
        EXPECT_TRUE(box.stopIcon);
        EXPECT_EQ(box.buttons, 1);
        EXPECT_EQ(View(*form), before);
        EXPECT_EQ(form->nen->Text(), c.year);
    }
    // The user corrects the text and goes on.
    Step1("2000", "1");
    EXPECT_TRUE(form->tugi1->Visible());
}

TEST_F(WindowTest, DaysAfterTheMonthsEndAreHidden) {
    struct Case {
        const char *year, *month;
        int last;
    };
    for (const Case& c : {Case{"2001", "2", 28}, Case{"2000", "2", 29}, Case{"2000", "4", 30},
                          Case{"2000", "1", 31}}) {
        TearDown();
        SetUp();
        Step1(c.year, c.month);
        const int last = c.last;
        ASSERT_EQ(form->tuki_days, last);
        for (int d = 1; d <= 31; ++d) {
            const bool shown = d <= last;
            EXPECT_EQ(form->day[d]->Visible(), shown) << last << " day " << d;
            EXPECT_EQ(form->dayfont[d]->Visible(), shown) << last << " day " << d;
            EXPECT_EQ(form->daybase[d]->Visible(), shown) << last << " day " << d;
        }
    }
}

TEST_F(WindowTest, OptionsNeedAnAnswerInEveryGroup) {
    Step1("2000", "1");
    ClickOn(form->type[2]);
    ClickOn(form->type[0]);
    ClickOn(form->youbi[3]);
    EXPECT_EQ(form->typeNo, 0);
    EXPECT_EQ(form->youbiNo, 3);
    EXPECT_EQ(form->typeFlag + form->youbiFlag + form->memoFlag, 3);
    ClickOn(form->tugi1);  // the memo group is unanswered: nothing happens
    EXPECT_TRUE(form->tugi1->Visible());
    EXPECT_TRUE(form->Panel1->Visible());
    EXPECT_EQ(form->Memo1->Lines.Count(), 1);
    ClickOn(form->memoran[1]);
    EXPECT_EQ(form->memoranNo, 1);
    EXPECT_EQ(form->typeFlag + form->youbiFlag + form->memoFlag, 7);
}

}  // namespace
