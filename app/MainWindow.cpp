#include "app/MainWindow.h"

#include <vector>

namespace {

using K = ControlKind;

constexpr FontDesc kBlack16{16, clBlack};
constexpr FontDesc kBlack19{19, clBlack};

// Day d sits in column (d - 1) mod 16 of row (d - 1) div 16.
int DayLeft(int d) { return 56 + 24 * ((d - 1) % 16); }
int DayRowTop(int d, int top) { return top + 80 * ((d - 1) / 16); }

void AddYearAndMonth(std::vector<ControlDesc>& c) {
    c.push_back({.kind = K::Edit, .name = "nen", .left = 40, .top = 24, .width = 49, .height = 20,
                 .caption = "2000"});
    c.push_back({.kind = K::Label, .name = "Label1", .left = 96, .top = 24, .caption = "年",
                 .font = kBlack16, .autoSize = true});
    c.push_back({.kind = K::Edit, .name = "tuki", .left = 136, .top = 24, .width = 49,
                 .height = 20, .caption = "1"});
    c.push_back({.kind = K::Label, .name = "Label2", .left = 192, .top = 24, .caption = "月",
                 .font = kBlack16, .autoSize = true});
    c.push_back({.kind = K::Label, .name = "nen_dsp", .left = 48, .top = 24, .caption = "2000",
                 .font = kBlack16, .autoSize = true, .visible = false});
    c.push_back({.kind = K::Label, .name = "tuki_dsp", .left = 168, .top = 24, .caption = "1",
                 .font = kBlack16, .autoSize = true, .visible = false});
}

void AddDayGrid(std::vector<ControlDesc>& c) {
    for (int d = 1; d <= 31; ++d) {
        c.push_back({.kind = K::Label, .name = DayLabelName(d), .left = DayLeft(d),
                     .top = DayRowTop(d, 72), .width = 20, .height = 19,
                     .caption = std::to_string(d), .font = kBlack19, .color = clWhite,
                     .opaque = true, .alignment = d <= 9 ? taCenter : taLeftJustify});
        c.push_back({.kind = K::Button, .name = DayFontName(d), .left = DayLeft(d),
                     .top = DayRowTop(d, 96), .width = 20, .height = 17, .tabStop = false,
                     .onClick = DayFontName(d) + "Click"});
        c.push_back({.kind = K::Button, .name = DayBaseName(d), .left = DayLeft(d),
                     .top = DayRowTop(d, 120), .width = 20, .height = 17, .tabStop = false,
                     .onClick = DayBaseName(d) + "Click"});
    }
    for (int top : {96, 176})
        c.push_back({.kind = K::Label, .left = 16, .top = top, .caption = "文字色", .autoSize = true});
    c.push_back({.kind = K::Label, .name = "Label4", .left = 16, .top = 120, .caption = "背景色",
                 .autoSize = true});
    c.push_back({.kind = K::Label, .name = "Label3", .left = 16, .top = 200, .caption = "背景色",
                 .autoSize = true});
}

void AddClassSamples(std::vector<ControlDesc>& c) {
    static constexpr const char* kCaptions[] = {"平", "土", "日", "記"};
    static constexpr TColor kBackgrounds[] = {clWhite, model::clAqua, model::clFuchsia, clWhite};
    for (int k = 0; k < 4; ++k) {
        const std::string name = kSampleNames[k];
        const int left = 456 + 24 * k;
        const int buttonHeight = name == "memo" ? 16 : 17;
        c.push_back({.kind = K::Label, .name = name, .left = left, .top = 152, .width = 20,
                     .height = 16, .caption = kCaptions[k], .font = kBlack16,
                     .color = kBackgrounds[k], .opaque = true, .alignment = taCenter});
        c.push_back({.kind = K::Button, .name = name + "font", .left = left, .top = 176,
                     .width = 20, .height = buttonHeight, .tabStop = false,
                     .onClick = name + "fontClick"});
        c.push_back({.kind = K::Button, .name = name + "base", .left = left, .top = 200,
                     .width = 20, .height = buttonHeight, .tabStop = false,
                     .onClick = name + "baseClick"});
    }
}

struct RadioDesc {
    const char* name;
    const char* group;
    int left, top, width;
    const char* caption;
};

constexpr RadioDesc kRadios[] = {
    {"type0", "GroupBox1", 16, 24, 113, "一覧表一列"},
    {"type1", "GroupBox1", 16, 48, 113, "一覧表二列"},
    {"type2", "GroupBox1", 16, 72, 113, "七列日曜左"},
    {"type3", "GroupBox1", 16, 96, 113, "七列日曜右"},
    {"youbi0", "GroupBox2", 16, 24, 105, "曜日非表示"},
    {"youbi1", "GroupBox2", 16, 48, 113, "英字一字"},
    {"youbi2", "GroupBox2", 16, 72, 113, "英字三字"},
    {"youbi3", "GroupBox2", 16, 96, 113, "漢\u3000字"},
    {"memoran0", "GroupBox3", 8, 24, 57, "無"},
    {"memoran1", "GroupBox3", 8, 48, 57, "有"},
};

void AddOptionPanel(std::vector<ControlDesc>& c) {
    c.push_back({.kind = K::Panel, .name = "Panel1", .left = 16, .top = 72, .width = 540,
                 .height = 153, .font = kBlack16});
    c.push_back({.kind = K::GroupBox, .name = "GroupBox1", .parent = "Panel1", .left = 48,
                 .top = 24, .width = 145, .height = 129, .caption = "カレンダー形式"});
    c.push_back({.kind = K::GroupBox, .name = "GroupBox2", .parent = "Panel1", .left = 200,
                 .top = 24, .width = 145, .height = 129, .caption = "曜日形式"});
    c.push_back({.kind = K::GroupBox, .name = "GroupBox3", .parent = "Panel1", .left = 352,
                 .top = 24, .width = 81, .height = 81, .caption = "メモ欄"});
    for (const RadioDesc& r : kRadios)
        c.push_back({.kind = K::RadioButton, .name = r.name, .parent = r.group, .left = r.left,
                     .top = r.top, .width = r.width, .height = 17, .caption = r.caption,
                     .enabled = false, .onClick = std::string(r.name) + "Click"});
}

void AddBottomRow(std::vector<ControlDesc>& c) {
    c.push_back({.kind = K::Panel, .name = "Panel2", .left = 40, .top = 248, .width = 225,
                 .height = 41, .caption = "年月を入力してください", .font = kBlack16});
    c.push_back({.kind = K::Button, .name = "tugi0", .left = 344, .top = 256, .width = 75,
                 .height = 25, .caption = "次へ >", .onClick = "tugi0Click"});
    c.push_back({.kind = K::Button, .name = "tugi1", .left = 344, .top = 256, .width = 75,
                 .height = 25, .caption = "次へ>", .visible = false, .onClick = "tugi1Click"});
    c.push_back({.kind = K::Button, .name = "tugi2", .left = 344, .top = 256, .width = 75,
                 .height = 25, .caption = "次へ>", .visible = false, .onClick = "tugi2Click"});
    c.push_back({.kind = K::CloseButton, .name = "owari", .left = 440, .top = 256, .width = 75,
                 .height = 25, .caption = "閉じる"});
    c.push_back({.kind = K::Panel, .name = "Panel3", .left = 0, .top = 72, .width = 569,
                 .height = 177, .visible = false});
    c.push_back({.kind = K::Memo, .name = "Memo1", .left = 440, .top = 32, .width = 185,
                 .height = 89, .caption = "<html>", .font = {12, clBlack}, .visible = false,
                 .tabStop = false});
}

void AddDayButtons(std::vector<std::string>& names) {
    for (int d = 1; d <= 31; ++d) {
        names.push_back(DayFontName(d));
        names.push_back(DayBaseName(d));
    }
}

std::vector<std::string> StackingOrder() {
    std::vector<std::string> s = {"tugi2", "Memo1", "tugi1", "nen", "tuki"};
    AddDayButtons(s);
    for (const char* part : {"font", "base"})
        for (int k = 0; k < 3; ++k) s.push_back(kSampleNames[k] + std::string(part));
    s.insert(s.end(), {"memofont", "memobase", "Panel1", "Panel2", "tugi0", "owari", "Panel3"});
    return s;
}

std::vector<std::string> TabOrder() {
    std::vector<std::string> t = {"owari", "nen", "tuki", "tugi0", "tugi1"};
    AddDayButtons(t);
    t.push_back("Panel1");
    for (const char* group : {"GroupBox1", "GroupBox2", "GroupBox3"}) {
        t.push_back(group);
        for (const RadioDesc& r : kRadios)
            if (r.group == std::string(group)) t.push_back(r.name);
    }
    for (const char* part : {"font", "base"})
        for (int k = 0; k < 3; ++k) t.push_back(kSampleNames[k] + std::string(part));
    t.insert(t.end(), {"memofont", "memobase", "Memo1", "Panel2", "tugi2", "Panel3"});
    return t;
}

}  // namespace

std::string DayLabelName(int d) { return "day" + std::to_string(d); }
std::string DayFontName(int d) { return DayLabelName(d) + "font"; }
std::string DayBaseName(int d) { return DayLabelName(d) + (d == 15 ? "bbase" : "base"); }

FormDesc MainWindowDescription() {
    FormDesc form{.caption = "hibimaker",
                  .clientWidth = 574,
                  .clientHeight = 311,
                  .font = {12, clWindowText},
                  .color = clBtnFace};
    AddYearAndMonth(form.controls);
    AddDayGrid(form.controls);
    AddClassSamples(form.controls);
    AddOptionPanel(form.controls);
    AddBottomRow(form.controls);
    form.stacking = StackingOrder();
    form.tabOrder = TabOrder();
    return form;
}
