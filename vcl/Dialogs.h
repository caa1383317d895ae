// The platform's colour and save-file dialogs, run modally over their form.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "vcl/Classes.h"
#include "vcl/Graphics.h"

class TColorDialog : public TComponent {
public:
    using TComponent::TComponent;

    // The current colour: the initial selection, replaced only on OK.
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }

    // True when the user confirmed a colour.
    bool Execute();

private:
    TColor color_ = clBlack;
};

class TSaveDialog : public TComponent {
public:
    using TComponent::TComponent;

    // "text|pattern;pattern|text|pattern..."
    void SetFilter(std::string filter) { filter_ = std::move(filter); }
    const std::string& Filter() const { return filter_; }
    // Appended, after a ".", to a file name typed without an extension.
    void SetDefaultExt(std::string ext) { defaultExt_ = std::move(ext); }
    const std::string& DefaultExt() const { return defaultExt_; }

    // The full path chosen by the last confirmed Execute.
    const std::string& FileName() const { return fileName_; }

    // True when the user chose a file; an existing file is not questioned.
    bool Execute();

private:
    std::string filter_;
    std::string defaultExt_;
    std::string fileName_;
};

// The filter entries as Qt writes them: "text (pattern pattern)".
std::vector<std::string> QtNameFilters(std::string_view filter);
