#include "vcl/Classes.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_) owner_->owned_.push_back(this);
}

TComponent::~TComponent() {
    while (!owned_.empty()) {
        TComponent* last = owned_.back();
        owned_.pop_back();
        last->owner_ = nullptr;
        delete last;
    }
    if (owner_) std::erase(owner_->owned_, this);
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    auto found = std::find_if(owned_.begin(), owned_.end(),
                              [&](const TComponent* c) { return c->Name() == name; });
    return found == owned_.end() ? nullptr : *found;
}
