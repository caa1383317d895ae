#include "vcl/Classes.h"

#include <algorithm>
#include <stdexcept>

TStrings::TStrings(std::initializer_list<std::string_view> lines) {
    for (std::string_view line : lines) Add(line);
}

void TStrings::Add(std::string_view line) {
    text_.append(line);
    EndLine();
}

char* TStrings::AddBlanks(std::size_t size) {
    const std::size_t start = text_.size();
    // The blanks and the line break after them in one step.
    text_.append(size + kLineBreak.size(), ' ');
    std::copy(kLineBreak.begin(), kLineBreak.end(), text_.end() - kLineBreak.size());
    ends_.push_back(start + size);
    return text_.data() + start;
}

void TStrings::EndLine() {
    ends_.push_back(text_.size());
    text_.append(kLineBreak);
}

void TStrings::Reserve(std::size_t lines, std::size_t bytes) {
    ends_.reserve(lines);
    text_.reserve(bytes + lines * kLineBreak.size());
}

std::string_view TStrings::operator[](int index) const {
    if (index < 0 || index >= Count())
        throw std::out_of_range("TStrings: no line " + std::to_string(index));
    return Line(static_cast<std::size_t>(index));
}

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
