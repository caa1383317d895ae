// The main window as it first appears: a sample of controls against the
// layout's numbers, focus, tab order, stacking and closing.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "tests/app/gui_test_support.h"

namespace {

struct Expected {
    const char* name;
    int left, top, width, height;
    const char* caption;
    bool visible, enabled;
};

// One control of each kind, and the day grid at the corners of its formula.
const Expected kControls[] = {
    {"nen", 40, 24, 49, 20, "2000", true, true},
    {"tuki", 136, 24, 49, 20, "1", true, true},
    {"day1", 56, 72, 20, 19, "1", true, true},
    {"day1font", 56, 96, 20, 17, "", true, true},
    {"day1base", 56, 120, 20, 17, "", true, true},
    {"day16", 416, 72, 20, 19, "16", true, true},
    {"day17", 56, 152, 20, 19, "17", true, true},
    {"day17base", 56, 200, 20, 17, "", true, true},
    {"day15bbase", 392, 120, 20, 17, "", true, true},
    {"day31", 392, 152, 20, 19, "31", true, true},
    {"day31font", 392, 176, 20, 17, "", true, true},
    {"heizitu", 456, 152, 20, 16, "平", true, true},
    {"memofont", 528, 176, 20, 16, "", true, true},
    {"nichiyoubase", 504, 200, 20, 17, "", true, true},
    {"Panel1", 16, 72, 540, 153, "", true, true},
    {"GroupBox2", 200, 24, 145, 129, "曜日形式", true, true},
    {"youbi3", 16, 96, 113, 17, "漢\u3000字", true, false},
    {"memoran0", 8, 24, 57, 17, "無", true, false},
    {"Panel2", 40, 248, 225, 41, "年月を入力してください", true, true},
    {"tugi0", 344, 256, 75, 25, "次へ >", true, true},
    {"tugi1", 344, 256, 75, 25, "次へ>", false, true},
    {"owari", 440, 256, 75, 25, "閉じる", true, true},
    {"Panel3", 0, 72, 569, 177, "", false, true},
    {"Memo1", 440, 32, 185, 89, "", false, true},
};

TEST_F(WindowTest, ControlsStandWhereTheLayoutPutsThem) {
    for (const Expected& e : kControls) {
        SCOPED_TRACE(e.name);
        auto* c = form->Control<TControl>(e.name);
        EXPECT_EQ(c->Left(), e.left);
        EXPECT_EQ(c->Top(), e.top);
        EXPECT_EQ(c->Width(), e.width);
        EXPECT_EQ(c->Height(), e.height);
        EXPECT_EQ(c->Caption(), e.caption);
        EXPECT_EQ(c->Visible(), e.visible);
        EXPECT_EQ(c->Enabled(), e.enabled);
    }
}

TEST_F(WindowTest, WindowFontsAndColours) {
    EXPECT_EQ(form->Caption(), "hibimaker");
    EXPECT_EQ(form->ClientWidth(), 574);
    EXPECT_EQ(form->ClientHeight(), 311);
    EXPECT_FALSE(form->Widget()->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form->Widget()->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(form->Widget()->font().pixelSize(), 12);
    EXPECT_EQ(form->Widget()->font().family().toStdString(), "ＭＳ Ｐゴシック");

    auto* day1 = static_cast<QLabel*>(form->day[1]->Widget());
    auto* day10 = static_cast<QLabel*>(form->day[10]->Widget());
    EXPECT_EQ(day1->font().pixelSize(), 19);
    EXPECT_TRUE(day1->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(day10->alignment() & Qt::AlignLeft);
    EXPECT_TRUE(day1->autoFillBackground());
    EXPECT_EQ(form->day[1]->Color(), clWhite);
    EXPECT_EQ(form->doyou->Color(), model::clAqua);
    EXPECT_EQ(form->nichiyou->Color(), model::clFuchsia);
    EXPECT_EQ(form->nichiyou->Widget()->palette().color(QPalette::Window), QColor(255, 0, 255));
    EXPECT_EQ(form->Label1->Widget()->font().pixelSize(), 16);
    // The radio buttons take the option panel's font.
    EXPECT_EQ(form->type[0]->Widget()->font().pixelSize(), 16);
    // The design face resolves to an installed Japanese face.
    EXPECT_EQ(QFontInfo(day1->font()).family().toStdString(), "IPAPGothic");
}

TEST_F(WindowTest, RadioButtonsSitInTheirGroupBoxes) {
    const std::pair<const char*, const char*> kParents[] = {
        {"type0", "GroupBox1"}, {"type3", "GroupBox1"}, {"youbi0", "GroupBox2"},
        {"youbi3", "GroupBox2"}, {"memoran1", "GroupBox3"}, {"GroupBox3", "Panel1"}};
    for (const auto& [child, parent] : kParents)
        EXPECT_EQ(form->Control<TControl>(child)->Widget()->parentWidget(),
                  form->Control<TControl>(parent)->Widget())
            << child;
    for (auto* radio : form->type) EXPECT_FALSE(radio->Checked());
}

TEST_F(WindowTest, MemoHoldsTheFirstLineOfThePage) {
    ASSERT_EQ(form->Memo1->Lines.Count(), 1);
    EXPECT_EQ(form->Memo1->Lines[0], "<html>");
}

TEST_F(WindowTest, FocusStartsOnCloseButtonAndTabFollowsTheOrder) {
    EXPECT_EQ(QApplication::focusWidget(), form->owari->Widget());
    const std::vector<TControl*> order = {form->nen, form->tuki, form->tugi0, form->owari};
    for (TControl* expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected->Widget()) << expected->Name();
    }
}

TEST_F(WindowTest, OptionPanelCoversTheGrid) {
    QWidget* window = form->Widget();
    QWidget* panel = form->Panel1->Widget();
    for (TControl* covered : std::initializer_list<TControl*>{
             form->day[1], form->dayfont[16], form->day[31], form->heizitu, form->memobase,
             form->Label3}) {
        QWidget* hit = window->childAt(covered->Widget()->geometry().center());
        EXPECT_TRUE(hit == panel || panel->isAncestorOf(hit)) << covered->Name();
    }
    // The prompt panel and the step button lie above the empty window.
    EXPECT_EQ(window->childAt(form->tugi0->Widget()->geometry().center()), form->tugi0->Widget());
}

TEST_F(WindowTest, KeysPressOnlyTheFocusedButton) {
    // Enter in an edit, and Escape, press nothing.
    form->nen->Widget()->setFocus();
    QTest::keyClick(form->nen->Widget(), Qt::Key_Return);
    QTest::keyClick(form->nen->Widget(), Qt::Key_Escape);
    EXPECT_TRUE(form->tugi0->Visible());
    EXPECT_TRUE(form->Widget()->isVisible());
    // Enter on the focused step button presses it.
    form->tugi0->Widget()->setFocus();
    QTest::keyClick(form->tugi0->Widget(), Qt::Key_Return);
    EXPECT_FALSE(form->tugi0->Visible());
    EXPECT_TRUE(form->tugi1->Visible());
}

TEST_F(WindowTest, SpaceOnCloseButtonClosesTheWindow) {
    ASSERT_EQ(QApplication::focusWidget(), form->owari->Widget());
    QTest::keyClick(form->owari->Widget(), Qt::Key_Space);
    EXPECT_FALSE(form->Widget()->isVisible());
}

}  // namespace
