// The main window: three steps, each closed by a "次へ" button, from the
// year and month to the saved calendar page.
#pragma once

#include <array>
#include <cstdint>

#include "html/page.h"
#include "model/month.h"
#include "vcl/Dialogs.h"
#include "vcl/Forms.h"

class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* Owner);

    // Year and month row.
    TEdit *nen, *tuki;
    TLabel *Label1, *Label2, *nen_dsp, *tuki_dsp;
    // Day grid, indexed by day number 1 to 31.
    std::array<TLabel*, 32> day{};
    std::array<TButton*, 32> dayfont{}, daybase{};
    TLabel *Label3, *Label4;
    // Class samples; their colours are the class colours.
    TLabel *heizitu, *doyou, *nichiyou, *memo;
    TButton *heizitufont, *heizitubase, *doyoufont, *doyoubase;
    TButton *nichiyoufont, *nichiyoubase, *memofont, *memobase;
    // Options.
    TPanel* Panel1;
    TGroupBox *GroupBox1, *GroupBox2, *GroupBox3;
    std::array<TRadioButton*, 4> type{}, youbi{};
    std::array<TRadioButton*, 2> memoran{};
    // Bottom row, cover and document.
    TPanel *Panel2, *Panel3;
    TButton *tugi0, *tugi1, *tugi2;
    TBitBtn* owari;
    TMemo* Memo1;  // its lines are the page being built
    TColorDialog* iro;
    TSaveDialog* SaveDialog1;

    void tugi0Click(TObject* Sender);
    void tugi1Click(TObject* Sender);
    void tugi2Click(TObject* Sender);

    // The state of the run.
    std::int32_t typeFlag = 0, youbiFlag = 0, memoFlag = 0;
    std::int32_t typeNo = 0, youbiNo = 0, memoranNo = 0;
    std::int32_t nen_val = 0, tuki_val = 0, youbi_zero = 0, tuki_days = 0;
    model::DayTable dayTbl{};
    html::WeekdayNames youbiName{};
    html::ClassColours classColour{};

private:
    HandlerTable EventHandlers();
    void AddColourHandlers(HandlerTable& handlers);
    void BindControls();

    // Runs the colour dialog; the target changes only when a colour is
    // confirmed.
    void ChooseColour(const std::function<void(TColor)>& apply);
    // The colours the four sample labels hold now.
    html::SampleColours Samples() const;
    // Gives every day 1 to 31 the colours of its weekday class.
    void RecolourDays();
    void BuildPage();

    // The page is built once; a retry after a failed save saves the same page.
    bool pageBuilt_ = false;
};

extern TForm1* Form1;
