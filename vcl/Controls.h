// Visible controls: a component that owns one Qt widget and forwards the
// toolkit's properties (bounds, caption, visibility, colours) to it.
#pragma once

#include <QPointer>
#include <QWidget>
#include <string>

#include "vcl/Classes.h"
#include "vcl/Graphics.h"

class TWinControl;

enum TAlignment { taLeftJustify, taCenter, taRightJustify };

class TControl : public TComponent {
public:
    TControl(TComponent* owner, QWidget* widget);
    ~TControl() override;

    QWidget* Widget() const { return widget_; }

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    void SetBounds(int left, int top, int width, int height);
    int Left() const { return widget_->x(); }
    int Top() const { return widget_->y(); }
    int Width() const { return widget_->width(); }
    int Height() const { return widget_->height(); }

    // The control's own visibility, whether or not its parent is shown.
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }

    bool Enabled() const { return widget_->isEnabled(); }
    void SetEnabled(bool enabled) { widget_->setEnabled(enabled); }

    virtual std::string Caption() const { return {}; }
    virtual void SetCaption(const std::string&) {}

    // Background colour and text colour, kept as set (system colours too).
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor color);
    void SetFontHeight(int height);

    TNotifyEvent OnClick;

    // Runs OnClick, showing whatever escapes it in the standard error box.
    virtual void Click();

private:
    QPointer<QWidget> widget_;
    TWinControl* parent_ = nullptr;
    bool visible_ = false;
    TColor color_ = clBtnFace;
    TColor fontColor_ = clWindowText;
};

// A control with a window of its own: it can hold controls and take focus.
class TWinControl : public TControl {
public:
    using TControl::TControl;

    // Reachable with the Tab key.
    bool TabStop() const;
    virtual void SetTabStop(bool tabStop);
};
