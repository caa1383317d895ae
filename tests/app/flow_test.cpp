// The wizard from the first key to the saved file, through the real colour
// and save dialogs, compared byte for byte with the golden pages.
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/MainWindow.h"
#include "tests/app/gui_test_support.h"

namespace fs = std::filesystem;

namespace {

const fs::path kGolden = fs::path(SOURCE_DIR) / "tests/golden";

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct Assignment {
    std::string target;  // "sun", "sat", "wk", "memo" or "dayN"
    bool font;
    QColor colour;
};

// One row of the golden pages' table.
struct GoldenCase {
    std::string file, year, month;
    int typeNo, youbiNo, memoranNo;
    std::vector<Assignment> classes, days;
};

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
    if (!text.empty() && text.back() == separator) parts.emplace_back();
    return parts;
}

std::vector<GoldenCase> GoldenCases() {
    std::vector<GoldenCase> cases;
    std::ifstream in(kGolden / "cases.tsv");
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        const auto f = Split(line, '\t');
        GoldenCase c{f.at(0), f.at(1), f.at(2), std::stoi(f.at(3)), std::stoi(f.at(4)),
                     std::stoi(f.at(5)), {}, {}};
        if (f.at(6) != "-") {
            for (const std::string& a : Split(f.at(6), ';')) {
                const auto eq = a.find('='), dot = a.find('.');
                Assignment as{a.substr(0, dot), a.substr(dot + 1, eq - dot - 1) == "font",
                              QColor(QString::fromStdString(a.substr(eq + 1)).prepend('#'))};
                (as.target.rfind("day", 0) == 0 ? c.days : c.classes).push_back(as);
            }
        }
        cases.push_back(c);
    }
    return cases;
}

// Confirms `colour` in the colour dialog; records the colour it opened with.
std::function<void(QWidget*)> PickColour(QColor colour, QColor* openedWith = nullptr) {
    return [=](QWidget* dialog) {
        auto* picker = qobject_cast<QColorDialog*>(dialog);
        ASSERT_NE(picker, nullptr) << "not a colour dialog";
        if (openedWith) *openedWith = picker->currentColor();
        picker->setCurrentColor(colour);
        picker->accept();
    };
}

std::function<void(QWidget*)> CancelDialog() {
    return [](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); };
}

// Types `name` into the save dialog's file name field and presses Enter.
std::function<void(QWidget*)> SaveAs(const std::string& name) {
    return [=](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr) << "not a file dialog";
        auto* edit = files->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(edit, nullptr);
        edit->setText(QString::fromStdString(name));
        QTest::keyClick(edit, Qt::Key_Return);
    };
}

class FlowTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        dir = fs::temp_directory_path() / ("hibimaker-flow-" + std::to_string(getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        fs::remove_all(dir);
        WindowTest::TearDown();
    }

    void ChooseOptions(int typeNo, int youbiNo, int memoranNo) {
        ClickOn(form->type[typeNo]);
        ClickOn(form->youbi[youbiNo]);
        ClickOn(form->memoran[memoranNo]);
        ClickOn(form->tugi1);
    }

    // Presses a colour button and confirms `colour` in the dialog.
    void Colour(TControl* button, QColor colour) {
        WithModalDialogs({PickColour(colour)}, [&] { ClickOn(button); });
    }

    TControl* Button(const Assignment& a) {
        if (a.target.rfind("day", 0) == 0) {
            const int d = std::stoi(a.target.substr(3));
            return a.font ? form->Control<TControl>(DayFontName(d))
                          : form->Control<TControl>(DayBaseName(d));
        }
        static const std::map<std::string, std::string> kSample = {
            {"sun", "nichiyou"}, {"sat", "doyou"}, {"wk", "heizitu"}, {"memo", "memo"}};
        return form->Control<TControl>(kSample.at(a.target) + (a.font ? "font" : "base"));
    }

    fs::path dir;
};

TEST_F(FlowTest, EveryGoldenPageThroughTheWindow) {
    const auto cases = GoldenCases();
    ASSERT_GE(cases.size(), 8u);
    for (const GoldenCase& c : cases) {
        SCOPED_TRACE(c.file);
        TearDown();
        SetUp();
        Step1(c.year, c.month);
        ChooseOptions(c.typeNo, c.youbiNo, c.memoranNo);
        ASSERT_TRUE(form->tugi2->Visible());
        // A day coloured before a class change loses its colour to the class.
        if (!c.classes.empty() && c.classes.front().target != "memo")
            Colour(form->dayfont[5], QColor(1, 2, 3));
        for (const Assignment& a : c.classes) Colour(Button(a), a.colour);
        for (const Assignment& a : c.days) Colour(Button(a), a.colour);

        const fs::path saved = dir / c.file;
        WithModalDialogs({SaveAs(saved.string())}, [&] { ClickOn(form->tugi2); });
        EXPECT_EQ(form->Panel2->Caption(), "処理を終了しました");
        ASSERT_TRUE(fs::exists(saved));
        EXPECT_TRUE(ReadFile(saved) == ReadFile(kGolden / c.file)) << "differs from the golden page";
    }
}

TEST_F(FlowTest, StepTwoShowsTheGridInClassColours) {
    Step1("2001", "2");  // day 1 a Thursday, 28 days
    ChooseOptions(2, 3, 0);
    EXPECT_FALSE(form->Panel1->Visible());
    EXPECT_EQ(form->Panel2->Caption(), "各日の色を指定してください");
    EXPECT_FALSE(form->tugi1->Visible());
    EXPECT_TRUE(form->tugi2->Visible());
    // Without a memo column the memo sample and its buttons are hidden.
    EXPECT_FALSE(form->memo->Visible());
    EXPECT_FALSE(form->memofont->Visible());
    EXPECT_FALSE(form->memobase->Visible());
    EXPECT_TRUE(form->nichiyou->Visible());
    for (int d = 1; d <= 31; ++d) {
        const int w = (form->youbi_zero + d) % 7;
        const TColor expected = w == 0 ? model::clFuchsia : w == 6 ? model::clAqua : clWhite;
        EXPECT_EQ(form->day[d]->Color(), expected) << d;
        EXPECT_EQ(form->dayTbl[d].base, expected) << d;
        EXPECT_EQ(form->day[d]->Visible(), d <= 28) << d;
    }
    // The grid can be seen and clicked now.
    QWidget* hit = form->Widget()->childAt(form->dayfont[3]->Widget()->geometry().center());
    EXPECT_EQ(hit, form->dayfont[3]->Widget());
    EXPECT_EQ(form->Memo1->Lines.Count(), 8);
    EXPECT_EQ(form->Memo1->Lines[2], "<title> 2001年2月 </title>");
}

TEST_F(FlowTest, ColourDialogCarriesItsColourAndACancelChangesNothing) {
    Step1("2025", "10");
    ChooseOptions(0, 0, 1);
    QColor openedWith;
    WithModalDialogs({PickColour(Qt::red, &openedWith)}, [&] { ClickOn(form->dayfont[5]); });
    EXPECT_EQ(openedWith, QColor(Qt::black));
    EXPECT_EQ(form->day[5]->FontColor(), 0x0000FF);
    EXPECT_EQ(form->dayTbl[5].font, 0x0000FF);

    const model::DayTable before = form->dayTbl;
    const TColor sundayBase = form->nichiyou->Color();
    // Cancelled day, class and memo buttons.
    for (TControl* button : std::initializer_list<TControl*>{
             form->daybase[10], form->nichiyoubase, form->heizitufont, form->memobase}) {
        WithModalDialogs({CancelDialog()}, [&] { ClickOn(button); });
        SCOPED_TRACE(button->Name());
        EXPECT_EQ(form->day[10]->Color(), clWhite);
        EXPECT_EQ(form->day[5]->FontColor(), 0x0000FF);
        EXPECT_EQ(form->nichiyou->Color(), sundayBase);
        EXPECT_EQ(form->memo->Color(), clWhite);
        for (int d = 1; d <= 31; ++d) {
            EXPECT_EQ(form->dayTbl[d].font, before[d].font) << d;
            EXPECT_EQ(form->dayTbl[d].base, before[d].base) << d;
        }
    }
    // The next dialog still opens with the last confirmed colour.
    WithModalDialogs({PickColour(Qt::green, &openedWith)}, [&] { ClickOn(form->memofont); });
    EXPECT_EQ(openedWith, QColor(Qt::red));
    EXPECT_EQ(form->memo->FontColor(), 0x00FF00);
    EXPECT_EQ(form->day[5]->FontColor(), 0x0000FF);  // a memo colour touches no day
}

TEST_F(FlowTest, ClassChangeRecoloursEveryDay) {
    Step1("2025", "10");  // day 4 is a Saturday
    ChooseOptions(3, 1, 0);
    Colour(form->daybase[10], Qt::green);
    Colour(form->Control<TControl>("day15bbase"), Qt::blue);
    EXPECT_EQ(form->day[15]->Color(), 0xFF0000);
    Colour(form->doyoubase, Qt::black);
    EXPECT_EQ(form->day[4]->Color(), clBlack);
    EXPECT_EQ(form->dayTbl[4].base, clBlack);
    EXPECT_EQ(form->day[10]->Color(), clWhite);  // its own colour is lost
    EXPECT_EQ(form->day[15]->Color(), clWhite);
}

TEST_F(FlowTest, CancelledSaveEndsTheRunWithoutAFile) {
    Step1("2025", "10");
    ChooseOptions(1, 2, 1);
    WithModalDialogs({CancelDialog()}, [&] { ClickOn(form->tugi2); });
    EXPECT_EQ(form->Panel2->Caption(), "処理を中断しました");
    EXPECT_TRUE(form->Panel3->Visible());
    for (TControl* step : {form->tugi0, form->tugi1, form->tugi2}) EXPECT_FALSE(step->Visible());
    EXPECT_TRUE(fs::is_empty(dir));
    // The finished window: the cover lies over the grid, the close button stays.
    QWidget* window = form->Widget();
    EXPECT_EQ(window->childAt(form->dayfont[1]->Widget()->geometry().center()),
              form->Panel3->Widget());
    EXPECT_EQ(window->childAt(form->owari->Widget()->geometry().center()), form->owari->Widget());
    EXPECT_EQ(form->Memo1->Lines[form->Memo1->Lines.Count() - 1], "</html>");
}

TEST_F(FlowTest, SaveDialogOffersHtmlFilesAndAddsTheExtension) {
    Step1("2025", "10");
    ChooseOptions(0, 1, 0);
    QStringList filters;
    QString suffix;
    bool confirms = true;
    const fs::path typed = dir / "oct";
    WithModalDialogs({[&](QWidget* dialog) {
                         auto* files = qobject_cast<QFileDialog*>(dialog);
                         filters = files->nameFilters();
                         suffix = files->defaultSuffix();
                         confirms = !files->testOption(QFileDialog::DontConfirmOverwrite);
                         SaveAs(typed.string())(dialog);
                     }},
                     [&] { ClickOn(form->tugi2); });
    EXPECT_EQ(filters, QStringList{"htmlファイル (*.html *.htm)"});
    EXPECT_EQ(suffix, "htm");
    EXPECT_FALSE(confirms);
    EXPECT_TRUE(ReadFile(dir / "oct.htm") == ReadFile(kGolden / "oct2025-list1-letter.html"));
}

TEST_F(FlowTest, FailedSaveKeepsTheStepAndTheRetrySavesOnePage) {
    Step1("2025", "10");
    ChooseOptions(0, 1, 0);
    // A folder that nobody, not even root, can create files in.
    const std::string refused = "/proc/hibimaker-test.html";
    ErrorBox box;
    WithModalDialogs({SaveAs(refused), AcceptErrorBox(box)}, [&] { ClickOn(form->tugi2); });
    EXPECT_EQ(box.caption, "hibimaker");
    EXPECT_EQ(box.text, "ﾌｧｲﾙ " + refused + " を作成できません.");
    EXPECT_TRUE(box.stopIcon);
    EXPECT_EQ(form->Panel2->Caption(), "各日の色を指定してください");
    EXPECT_FALSE(form->Panel3->Visible());
    EXPECT_TRUE(form->tugi2->Visible());
    const int lines = form->Memo1->Lines.Count();

    // The colour buttons still work, but the page already built is what is saved.
    Colour(form->dayfont[1], Qt::red);
    const fs::path saved = dir / "retry.html";
    WithModalDialogs({SaveAs(saved.string())}, [&] { ClickOn(form->tugi2); });
    EXPECT_EQ(form->Memo1->Lines.Count(), lines);
    EXPECT_EQ(form->Panel2->Caption(), "処理を終了しました");
    EXPECT_FALSE(form->tugi2->Visible());
    EXPECT_TRUE(ReadFile(saved) == ReadFile(kGolden / "oct2025-list1-letter.html"));
}

}  // namespace
