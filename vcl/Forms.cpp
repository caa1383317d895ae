#include "vcl/Forms.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPixmap>
#include <QTranslator>
#include <cstdlib>

TApplication* Application = nullptr;

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// Resizable, with system menu and minimise button but no maximise button.
constexpr Qt::WindowFlags kFormFlags = Qt::Window | Qt::WindowTitleHint |
                                       Qt::WindowSystemMenuHint |
                                       Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

TControl* NewControl(ControlKind kind, TComponent* owner) {
    switch (kind) {
        case ControlKind::Label: return new TLabel(owner);
        case ControlKind::Button: return new TButton(owner);
        case ControlKind::CloseButton: {
            auto* button = new TBitBtn(owner);
            button->SetKind(bkClose);
            return button;
        }
        case ControlKind::Edit: return new TEdit(owner);
        case ControlKind::Panel: return new TPanel(owner);
        case ControlKind::GroupBox: return new TGroupBox(owner);
        case ControlKind::RadioButton: return new TRadioButton(owner);
        case ControlKind::Memo: return new TMemo(owner);
    }
    throw Exception("unknown control kind");
}

void ApplyLabelLook(TLabel& label, const ControlDesc& desc) {
    label.SetAlignment(desc.alignment);
    label.SetTransparent(!desc.opaque);
    if (desc.opaque) label.SetColor(desc.color);
    label.SetAutoSize(desc.autoSize);
}

}  // namespace

// TForm

TForm::TForm(TComponent* owner) : TWinControl(owner, new QWidget(nullptr, kFormFlags)) {}

TForm::~TForm() {
    if (Application) Application->FormDestroyed(this);
    // Qt destroys the child widgets with the window; the controls then find
    // their widgets gone.
    delete Widget();
}

std::string TForm::Caption() const { return Widget()->windowTitle().toStdString(); }

void TForm::SetCaption(const std::string& caption) { Widget()->setWindowTitle(Q(caption)); }

void TForm::Close() { Widget()->close(); }

const TNotifyEvent& TForm::Handler(const std::string& name) const {
    const auto found = handlers_.find(name);
    if (found == handlers_.end()) throw Exception("no handler named " + name);
    return found->second;
}

void TForm::Load(const FormDesc& desc, HandlerTable handlers) {
    handlers_ = std::move(handlers);
    SetCaption(desc.caption);
    Widget()->resize(desc.clientWidth, desc.clientHeight);
    // The window's font is the application's too: dialogs and message boxes
    // match it, and controls made before they have a parent are laid out in
    // it rather than in a second face that would have to be loaded as well.
    QApplication::setFont(DesignFont(desc.font.height));
    Widget()->setFont(DesignFont(desc.font.height));
    SetColor(desc.color);
    SetFontColor(desc.font.color);

    for (const ControlDesc& control : desc.controls) Create(control);

    // Labels lie under every windowed control of the same parent.
    for (TComponent* c : Components())
        if (auto* label = dynamic_cast<TLabel*>(c)) label->Widget()->lower();
    for (const std::string& name : desc.stacking) Control<TControl>(name)->Widget()->raise();

    ApplyTabOrder(desc.tabOrder);
    SetVisible(desc.visible);
}

TControl* TForm::Create(const ControlDesc& desc) {
    TControl* control = NewControl(desc.kind, this);
    control->SetName(desc.name);
    control->SetParent(desc.parent.empty() ? this : Control<TWinControl>(desc.parent));
    if (desc.font.height > 0) {
        control->SetFontHeight(desc.font.height);
        control->SetFontColor(desc.font.color);
    }
    control->SetBounds(desc.left, desc.top, desc.width, desc.height);
    if (auto* label = dynamic_cast<TLabel*>(control)) ApplyLabelLook(*label, desc);
    if (auto* panel = dynamic_cast<TPanel*>(control)) panel->SetColor(desc.color);
    if (auto* memo = dynamic_cast<TMemo*>(control)) {
        memo->Lines.Add(desc.caption);
    } else {
        control->SetCaption(desc.caption);
    }
    if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed && !desc.tabStop)
        windowed->SetTabStop(false);
    control->SetEnabled(desc.enabled);
    control->SetVisible(desc.visible);
    if (!desc.onClick.empty()) control->OnClick = Handler(desc.onClick);
    return control;
}

void TForm::ApplyTabOrder(const std::vector<std::string>& names) {
    QWidget* previous = nullptr;
    QWidget* first = nullptr;
    for (const std::string& name : names) {
        QWidget* next = Control<TControl>(name)->Widget();
        if (previous) QWidget::setTabOrder(previous, next);
        previous = next;
        const bool canFocus = (next->focusPolicy() & Qt::TabFocus) && next->isEnabled() &&
                              !next->isHidden();
        if (!first && canFocus) first = next;
    }
    // No control is named to take the focus: the first one in tab order that
    // can take it gets it once the window is active.
    if (first) first->setFocus();
}

// TApplication

TApplication::TApplication(int argc, char** argv) : argc_(argc > 0 ? 1 : 0), argv_(argv) {
    Application = this;
}

TApplication::~TApplication() {
    // Forms go before the Qt application object they need.
    while (!Components().empty()) delete Components().back();
    qt_.reset();
    if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
    // Only the program's name reaches Qt: the command line is ignored.
    if (!qt_) qt_ = std::make_unique<QApplication>(argc_, argv_);
}

void TApplication::FormDestroyed(TForm* form) {
    if (mainForm_ == form) mainForm_ = nullptr;
}

void TApplication::Run() {
    QApplication::setApplicationName(Q(title_));
    qt_->exec();
}

void TApplication::Guard(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowException(error);
    }
}

void TApplication::ShowException(const std::exception& error) {
    UseJapaneseDialogs();
    QWidget* parent = QApplication::activeWindow();
    if (!parent && mainForm_) parent = mainForm_->Widget();
    const auto* own = dynamic_cast<const Exception*>(&error);
    const std::string message = own ? own->Message() : error.what();
    QMessageBox box(QMessageBox::Critical, Q(title_), Q(message + "."),
                    QMessageBox::Ok, parent);
    box.exec();
}

void TApplication::UseJapaneseDialogs() {
    if (japaneseLoaded_) return;
    japaneseLoaded_ = true;
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    auto* translator = new QTranslator(qt_.get());
    if (translator->load(QLocale(QLocale::Japanese), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

void TApplication::SetIcon(const char* const* xpm) { QApplication::setWindowIcon(QPixmap(xpm)); }

bool DisplayAvailable() {
    for (const char* variable : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return true;
    }
    return false;
}
