// Base classes of the toolkit: objects, owned components, string lists and
// the click event. Plain C++.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TObject {
public:
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// An ordered list of text lines.
class TStrings {
public:
    void Add(std::string line) { items_.push_back(std::move(line)); }
    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& operator[](int index) const { return items_.at(index); }
    std::vector<std::string>& Items() { return items_; }
    const std::vector<std::string>& Items() const { return items_; }

private:
    std::vector<std::string> items_;
};

// A named object owned by another; the owner destroys what it owns, last
// created first.
class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner = nullptr);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    TComponent* Owner() const { return owner_; }

    // The owned component of that name, or nullptr.
    TComponent* FindComponent(const std::string& name) const;
    const std::vector<TComponent*>& Components() const { return owned_; }

private:
    std::string name_;
    TComponent* owner_;
    std::vector<TComponent*> owned_;
};
