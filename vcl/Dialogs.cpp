#include "vcl/Dialogs.h"

#include <QColorDialog>
#include <QFileDialog>

#include "vcl/Forms.h"

namespace {

// The window the dialog belongs to: the form that owns it, if any.
QWidget* DialogParent(const TComponent& dialog) {
    for (TComponent* c = dialog.Owner(); c; c = c->Owner())
        if (auto* form = dynamic_cast<TForm*>(c)) return form->Widget();
    return nullptr;
}

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string_view::npos;
         start = at + 1)
        parts.emplace_back(text.substr(start, at - start));
    parts.emplace_back(text.substr(start));
    return parts;
}

}  // namespace

bool TColorDialog::Execute() {
    Application->UseJapaneseDialogs();
    QColorDialog dialog(ToQColor(color_), DialogParent(*this));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    color_ = FromQColor(dialog.selectedColor());
    return true;
}

bool TSaveDialog::Execute() {
    Application->UseJapaneseDialogs();
    QFileDialog dialog(DialogParent(*this));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const std::string& entry : QtNameFilters(filter_))
        filters << QString::fromStdString(entry);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromStdString(defaultExt_));
    dialog.setHistory({});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    fileName_ = dialog.selectedFiles().front().toStdString();
    return true;
}

std::vector<std::string> QtNameFilters(std::string_view filter) {
    std::vector<std::string> entries;
    const std::vector<std::string> parts = Split(filter, '|');
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string patterns;
        for (const std::string& pattern : Split(parts[i + 1], ';'))
            patterns += (patterns.empty() ? "" : " ") + pattern;
        entries.push_back(parts[i] + " (" + patterns + ")");
    }
    return entries;
}
