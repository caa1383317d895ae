#include "vcl/Controls.h"

#include "vcl/Forms.h"

TControl::TControl(TComponent* owner, QWidget* widget) : TComponent(owner), widget_(widget) {}

TControl::~TControl() {
    // A widget already destroyed with its Qt parent leaves the pointer null.
    delete widget_.data();
}

void TControl::SetParent(TWinControl* parent) {
    parent_ = parent;
    widget_->setParent(parent ? parent->Widget() : nullptr);
    widget_->setVisible(visible_);  // re-parenting hides a Qt widget
}

void TControl::SetVisible(bool visible) {
    visible_ = visible;
    widget_->setVisible(visible);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    widget_->setGeometry(left, top, width, height);
}

void TControl::SetColor(TColor color) {
    color_ = color;
    QPalette palette = widget_->palette();
    palette.setColor(widget_->backgroundRole(), ToQColor(color));
    widget_->setPalette(palette);
}

void TControl::SetFontColor(TColor color) {
    fontColor_ = color;
    QPalette palette = widget_->palette();
    palette.setColor(widget_->foregroundRole(), ToQColor(color));
    widget_->setPalette(palette);
}

void TControl::SetFontHeight(int height) { widget_->setFont(DesignFont(height)); }

void TControl::Click() {
    if (OnClick) Application->Guard([this] { OnClick(this); });
}

bool TWinControl::TabStop() const { return Widget()->focusPolicy() & Qt::TabFocus; }

void TWinControl::SetTabStop(bool tabStop) {
    Widget()->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}
