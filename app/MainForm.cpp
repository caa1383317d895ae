#include "app/MainForm.h"

#include "app/MainWindow.h"
#include "html/save_document.h"
#include "vcl/SysUtils.h"

TForm1* Form1 = nullptr;

namespace {

constexpr const char* kPromptOptions = "各項目をチェックしてください";
constexpr const char* kPromptColours = "各日の色を指定してください";
constexpr const char* kPromptSaved = "処理を終了しました";
constexpr const char* kPromptCancelled = "処理を中断しました";

TColor Plain(TColor c) { return model::PlainRgb(c, GetSysColor); }

}  // namespace

TForm1::TForm1(TComponent* Owner) : TForm(Owner) {
    iro = new TColorDialog(this);
    iro->SetName("iro");
    SaveDialog1 = new TSaveDialog(this);
    SaveDialog1->SetName("SaveDialog1");
    SaveDialog1->SetDefaultExt("htm");
    SaveDialog1->SetFilter("htmlファイル|*.html;*.htm");
    Load(MainWindowDescription(), EventHandlers());
    BindControls();
}

void TForm1::BindControls() {
    nen = Control<TEdit>("nen");
    tuki = Control<TEdit>("tuki");
    Label1 = Control<TLabel>("Label1");
    Label2 = Control<TLabel>("Label2");
    nen_dsp = Control<TLabel>("nen_dsp");
    tuki_dsp = Control<TLabel>("tuki_dsp");
    for (int d = 1; d <= 31; ++d) {
        day[d] = Control<TLabel>(DayLabelName(d));
        dayfont[d] = Control<TButton>(DayFontName(d));
        daybase[d] = Control<TButton>(DayBaseName(d));
    }
    Label3 = Control<TLabel>("Label3");
    Label4 = Control<TLabel>("Label4");
    heizitu = Control<TLabel>("heizitu");
    doyou = Control<TLabel>("doyou");
    nichiyou = Control<TLabel>("nichiyou");
    memo = Control<TLabel>("memo");
    heizitufont = Control<TButton>("heizitufont");
    heizitubase = Control<TButton>("heizitubase");
    doyoufont = Control<TButton>("doyoufont");
    doyoubase = Control<TButton>("doyoubase");
    nichiyoufont = Control<TButton>("nichiyoufont");
    nichiyoubase = Control<TButton>("nichiyoubase");
    memofont = Control<TButton>("memofont");
    memobase = Control<TButton>("memobase");
    Panel1 = Control<TPanel>("Panel1");
    GroupBox1 = Control<TGroupBox>("GroupBox1");
    GroupBox2 = Control<TGroupBox>("GroupBox2");
    GroupBox3 = Control<TGroupBox>("GroupBox3");
    for (int n = 0; n < 4; ++n) {
        type[n] = Control<TRadioButton>("type" + std::to_string(n));
        youbi[n] = Control<TRadioButton>("youbi" + std::to_string(n));
    }
    for (int n = 0; n < 2; ++n) memoran[n] = Control<TRadioButton>("memoran" + std::to_string(n));
    Panel2 = Control<TPanel>("Panel2");
    Panel3 = Control<TPanel>("Panel3");
    tugi0 = Control<TButton>("tugi0");
    tugi1 = Control<TButton>("tugi1");
    tugi2 = Control<TButton>("tugi2");
    owari = Control<TBitBtn>("owari");
    Memo1 = Control<TMemo>("Memo1");
}

HandlerTable TForm1::EventHandlers() {
    HandlerTable h;
    h["tugi0Click"] = [this](TObject* s) { tugi0Click(s); };
    h["tugi1Click"] = [this](TObject* s) { tugi1Click(s); };
    h["tugi2Click"] = [this](TObject* s) { tugi2Click(s); };
    // Each option button stores its code and marks its group as answered.
    for (int n = 0; n < 4; ++n) {
        h["type" + std::to_string(n) + "Click"] = [this, n](TObject*) { typeNo = n; typeFlag = 1; };
        h["youbi" + std::to_string(n) + "Click"] = [this, n](TObject*) {
            youbiNo = n;
            youbiFlag = 2;
        };
    }
    for (int n = 0; n < 2; ++n)
        h["memoran" + std::to_string(n) + "Click"] = [this, n](TObject*) {
            memoranNo = n;
            memoFlag = 4;
        };
    AddColourHandlers(h);
    return h;
}

void TForm1::AddColourHandlers(HandlerTable& h) {
    for (int d = 1; d <= 31; ++d) {
        h[DayFontName(d) + "Click"] = [this, d](TObject*) {
            ChooseColour([this, d](TColor c) {
                day[d]->SetFontColor(c);
                dayTbl[d].font = Plain(c);
            });
        };
        h[DayBaseName(d) + "Click"] = [this, d](TObject*) {
            ChooseColour([this, d](TColor c) {
                day[d]->SetColor(c);
                dayTbl[d].base = Plain(c);
            });
        };
    }
    for (const std::string sample : kSampleNames) {
        const bool isClass = sample != "memo";
        h[sample + "fontClick"] = [this, sample, isClass](TObject*) {
            ChooseColour([this, sample, isClass](TColor c) {
                Control<TLabel>(sample)->SetFontColor(c);
                if (isClass) RecolourDays();
            });
        };
        h[sample + "baseClick"] = [this, sample, isClass](TObject*) {
            ChooseColour([this, sample, isClass](TColor c) {
                Control<TLabel>(sample)->SetColor(c);
                if (isClass) RecolourDays();
            });
        };
    }
}

void TForm1::ChooseColour(const std::function<void(TColor)>& apply) {
    if (iro->Execute()) apply(iro->Color());
}

html::SampleColours TForm1::Samples() const {
    const auto pair = [](const TLabel* sample) {
        return html::ColourPair{sample->FontColor(), sample->Color()};
    };
    return {pair(memo), pair(nichiyou), pair(doyou), pair(heizitu)};
}

void TForm1::RecolourDays() {
    html::SampleColours plain = Samples();
    for (html::ColourPair* p : {&plain.sunday, &plain.saturday, &plain.weekday})
        *p = {Plain(p->font), Plain(p->base)};
    html::ColourDaysByClass(dayTbl, youbi_zero, plain);
    for (int d = 1; d <= 31; ++d) {
        day[d]->SetFontColor(dayTbl[d].font);
        day[d]->SetColor(dayTbl[d].base);
    }
}

void TForm1::tugi0Click(TObject*) {
    nen_val = StrToInt(nen->Text());
    tuki_val = StrToInt(tuki->Text());
    if (!model::IsValidMonth(nen_val, tuki_val)) return;

    Panel2->SetCaption(kPromptOptions);
    for (TWinControl* c : std::initializer_list<TWinControl*>{
             GroupBox1, type[0], type[1], type[2], type[3], GroupBox2, youbi[0], youbi[1],
             youbi[2], youbi[3], GroupBox3, memoran[0], memoran[1]})
        c->SetEnabled(true);
    tuki->Hide();
    nen->Hide();
    tuki_dsp->SetCaption(IntToStr(tuki_val));
    tuki_dsp->Show();
    nen_dsp->SetCaption(IntToStr(nen_val));
    nen_dsp->Show();

    model::SetUpMonth(nen_val, tuki_val, youbi_zero, tuki_days, dayTbl);
    for (int d = tuki_days + 1; d <= 31; ++d) {
        day[d]->Hide();
        dayfont[d]->Hide();
        daybase[d]->Hide();
    }
    typeFlag = youbiFlag = memoFlag = 0;
    tugi0->Hide();
    tugi1->Show();
}

void TForm1::tugi1Click(TObject*) {
    if (typeFlag + youbiFlag + memoFlag != 7) return;
    html::WriteHead(Memo1->Lines, nen->Text(), tuki->Text());
    RecolourDays();
    Panel1->Hide();
    Panel2->SetCaption(kPromptColours);
    if (memoranNo == 0) {
        memo->Hide();
        memofont->Hide();
        memobase->Hide();
    }
    tugi1->Hide();
    tugi2->Show();
    youbiName = html::SetWeekdayLabels(youbiNo);
}

void TForm1::BuildPage() {
    html::PrepareColours(dayTbl, Samples(), classColour);
    const html::BodyInput body{.typeNo = typeNo,
                               .youbiNo = youbiNo,
                               .memoranNo = memoranNo,
                               .youbi_zero = youbi_zero,
                               .tuki_days = tuki_days,
                               .dayTbl = &dayTbl,
                               .classColour = classColour,
                               .youbiName = youbiName};
    html::Lines& page = Memo1->Lines;
    if (typeNo <= 1) {
        html::WriteListBody(page, body);
    } else {
        html::WriteWeekGrid(page, body);
    }
    html::WriteTail(page);
    pageBuilt_ = true;
}

void TForm1::tugi2Click(TObject*) {
    if (!pageBuilt_) BuildPage();
    // A failed save raises here: the step stays open for another try.
    const bool saved = html::SaveDocument(*SaveDialog1, Memo1->Lines);
    Panel2->SetCaption(saved ? kPromptSaved : kPromptCancelled);
    Panel3->Show();
    tugi2->Hide();
}
