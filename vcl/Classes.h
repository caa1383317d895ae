// Base classes of the toolkit: objects, owned components, string lists and
// the click event. Plain C++.
#pragma once

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

class TObject {
public:
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// An ordered list of text lines, kept in one buffer as the list's text: every
// line followed by a line break (CR LF), and where each line ends. Lines are
// only ever appended, so adding one costs no allocation of its own, and
// reading one gives a view into the text, valid until the next line is added.
class TStrings {
public:
    class Iterator;

    TStrings() = default;
    TStrings(std::initializer_list<std::string_view> lines);

    void Add(std::string_view line);
    // Appends a line of `size` blanks and returns its first byte, so that the
    // caller writes the line in place; valid until the next line is added.
    char* AddBlanks(std::size_t size);
    // Makes room for `lines` lines of `bytes` bytes in all (line breaks not
    // counted), so that adding up to that much moves nothing.
    void Reserve(std::size_t lines, std::size_t bytes);

    int Count() const { return static_cast<int>(ends_.size()); }
    // Raises std::out_of_range for an index outside 0 to Count() - 1.
    std::string_view operator[](int index) const;
    // Every line in order, each followed by CR LF.
    std::string_view Text() const { return text_; }

    static constexpr std::string_view kLineBreak = "\r\n";

    Iterator begin() const;
    Iterator end() const;

private:
    std::string_view Line(std::size_t index) const {
        const std::size_t start = index == 0 ? 0 : ends_[index - 1] + kLineBreak.size();
        return {text_.data() + start, ends_[index] - start};
    }
    void EndLine();

    std::string text_;
    std::vector<std::size_t> ends_;  // of line i: where its line break starts in text_
};

// Reads the lines in order, each as a view into the buffer.
class TStrings::Iterator {
public:
    using iterator_category = std::input_iterator_tag;
    using iterator_concept = std::forward_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using reference = std::string_view;
    using pointer = void;

    Iterator() = default;
    std::string_view operator*() const { return lines_->Line(index_); }
    Iterator& operator++() {
        ++index_;
        return *this;
    }
    Iterator operator++(int) {
        Iterator before = *this;
        ++index_;
        return before;
    }
    bool operator==(const Iterator&) const = default;

private:
    friend class TStrings;
    Iterator(const TStrings* lines, std::size_t index) : lines_(lines), index_(index) {}

    const TStrings* lines_ = nullptr;
    std::size_t index_ = 0;
};

inline TStrings::Iterator TStrings::begin() const { return {this, 0}; }
inline TStrings::Iterator TStrings::end() const { return {this, ends_.size()}; }

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
