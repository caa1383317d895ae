// The standard controls: labels, buttons, edits, panels, group boxes, radio
// buttons and the multi-line text control.
#pragma once

#include <string>

#include "vcl/Controls.h"

class QLabel;
class QPushButton;
class QLineEdit;
class QGroupBox;
class QRadioButton;

class TLabel : public TControl {
public:
    explicit TLabel(TComponent* owner);
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;

    // Fits the label to its caption after every change.
    void SetAutoSize(bool autoSize);
    void SetAlignment(TAlignment alignment);
    // An opaque label paints its background colour; a transparent one shows
    // its parent's.
    void SetTransparent(bool transparent);

private:
    QLabel* label() const;
    bool autoSize_ = true;
};

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;

protected:
    QPushButton* button() const;
};

enum TBitBtnKind { bkCustom, bkClose };

// A button with a stock glyph; the close kind closes its form.
class TBitBtn : public TButton {
public:
    explicit TBitBtn(TComponent* owner);
    TBitBtnKind Kind() const { return kind_; }
    void SetKind(TBitBtnKind kind);
    void Click() override;

private:
    TBitBtnKind kind_ = bkCustom;
};

class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* owner);
    std::string Text() const;
    void SetText(const std::string& text);
    std::string Caption() const override { return Text(); }
    void SetCaption(const std::string& caption) override { SetText(caption); }

private:
    QLineEdit* edit() const;
};

// A flat container with an optional centred caption.
class TPanel : public TWinControl {
public:
    explicit TPanel(TComponent* owner);
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;

private:
    QLabel* label() const;
};

class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* owner);
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;

private:
    QGroupBox* box() const;
};

// Clicks when it becomes selected, by mouse or keyboard.
class TRadioButton : public TWinControl {
public:
    explicit TRadioButton(TComponent* owner);
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    bool Checked() const;
    void SetChecked(bool checked);

private:
    QRadioButton* radio() const;
};

// A multi-line text control; its lines are kept here, not in the widget.
class TMemo : public TWinControl {
public:
    explicit TMemo(TComponent* owner);
    TStrings Lines;
};
