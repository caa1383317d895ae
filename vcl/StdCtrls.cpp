#include "vcl/StdCtrls.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QIcon>
#include <QPixmap>

#include "vcl/Forms.h"
#include "vcl/close_glyph.xpm"

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string S(const QString& text) { return text.toStdString(); }

Qt::Alignment ToQt(TAlignment alignment) {
    switch (alignment) {
        case taCenter: return Qt::AlignHCenter | Qt::AlignTop;
        case taRightJustify: return Qt::AlignRight | Qt::AlignTop;
        case taLeftJustify: break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

}  // namespace

// TLabel

TLabel::TLabel(TComponent* owner) : TControl(owner, new QLabel) {
    label()->setAlignment(ToQt(taLeftJustify));
    label()->setTextFormat(Qt::PlainText);
    label()->setContentsMargins(0, 0, 0, 0);
}

QLabel* TLabel::label() const { return static_cast<QLabel*>(Widget()); }

std::string TLabel::Caption() const { return S(label()->text()); }

void TLabel::SetCaption(const std::string& caption) {
    label()->setText(Q(caption));
    if (autoSize_) label()->adjustSize();
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    if (autoSize_) label()->adjustSize();
}

void TLabel::SetAlignment(TAlignment alignment) { label()->setAlignment(ToQt(alignment)); }

void TLabel::SetTransparent(bool transparent) { label()->setAutoFillBackground(!transparent); }

// TButton

TButton::TButton(TComponent* owner) : TWinControl(owner, new QPushButton) {
    // Enter presses a button only while it has the focus: no button of the
    // window is a default button.
    button()->setAutoDefault(true);
    button()->setDefault(false);
    QObject::connect(button(), &QPushButton::clicked, [this] { Click(); });
}

QPushButton* TButton::button() const { return static_cast<QPushButton*>(Widget()); }

std::string TButton::Caption() const { return S(button()->text()); }

void TButton::SetCaption(const std::string& caption) { button()->setText(Q(caption)); }

// TBitBtn

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

void TBitBtn::SetKind(TBitBtnKind kind) {
    kind_ = kind;
    // The toolkit draws its own glyph: asking the style for a themed icon
    // would load an icon theme and image plugins at start-up.
    if (kind_ == bkClose) button()->setIcon(QIcon(QPixmap(close_glyph_xpm)));
}

void TBitBtn::Click() {
    TButton::Click();
    if (kind_ != bkClose) return;
    for (TComponent* c = Owner(); c; c = c->Owner()) {
        if (auto* form = dynamic_cast<TForm*>(c)) {
            form->Close();
            return;
        }
    }
}

// TEdit

TEdit::TEdit(TComponent* owner) : TWinControl(owner, new QLineEdit) {}

QLineEdit* TEdit::edit() const { return static_cast<QLineEdit*>(Widget()); }

std::string TEdit::Text() const { return S(edit()->text()); }

void TEdit::SetText(const std::string& text) { edit()->setText(Q(text)); }

// TPanel

TPanel::TPanel(TComponent* owner) : TWinControl(owner, new QLabel) {
    label()->setAlignment(Qt::AlignCenter);
    label()->setTextFormat(Qt::PlainText);
    label()->setAutoFillBackground(true);  // a panel hides what lies under it
    label()->setFocusPolicy(Qt::NoFocus);
}

QLabel* TPanel::label() const { return static_cast<QLabel*>(Widget()); }

std::string TPanel::Caption() const { return S(label()->text()); }

void TPanel::SetCaption(const std::string& caption) { label()->setText(Q(caption)); }

// TGroupBox

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner, new QGroupBox) {
    box()->setFocusPolicy(Qt::NoFocus);
}

QGroupBox* TGroupBox::box() const { return static_cast<QGroupBox*>(Widget()); }

std::string TGroupBox::Caption() const { return S(box()->title()); }

void TGroupBox::SetCaption(const std::string& caption) { box()->setTitle(Q(caption)); }

// TRadioButton

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner, new QRadioButton) {
    QObject::connect(radio(), &QRadioButton::toggled, [this](bool on) {
        if (on) Click();
    });
}

QRadioButton* TRadioButton::radio() const { return static_cast<QRadioButton*>(Widget()); }

std::string TRadioButton::Caption() const { return S(radio()->text()); }

void TRadioButton::SetCaption(const std::string& caption) { radio()->setText(Q(caption)); }

bool TRadioButton::Checked() const { return radio()->isChecked(); }

void TRadioButton::SetChecked(bool checked) { radio()->setChecked(checked); }

// TMemo

TMemo::TMemo(TComponent* owner) : TWinControl(owner, new QPlainTextEdit) {}
