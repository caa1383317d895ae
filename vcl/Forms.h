// Forms built from a window description, and the application object that
// runs them and reports what escapes an event handler.
#pragma once

#include <QWidget>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "vcl/Controls.h"
#include "vcl/StdCtrls.h"
#include "vcl/SysUtils.h"

class QApplication;

enum class ControlKind { Label, Button, CloseButton, Edit, Panel, GroupBox, RadioButton, Memo };

struct FontDesc {
    int height = 0;  // 0: the parent's font
    TColor color = clWindowText;
};

// One control of a window description, as a form file would give it.
struct ControlDesc {
    ControlKind kind = ControlKind::Label;
    std::string name;    // may be empty for a label nobody refers to
    std::string parent;  // empty: the form itself
    int left = 0, top = 0, width = 0, height = 0;
    std::string caption;  // caption, text, or the first line of a memo
    FontDesc font;
    TColor color = clBtnFace;  // background of opaque labels and panels
    bool autoSize = false;     // labels: sized to the caption
    bool opaque = false;       // labels: paint the background colour
    TAlignment alignment = taLeftJustify;
    bool visible = true;
    bool enabled = true;
    bool tabStop = true;
    std::string onClick;  // the handler's name, empty for none
};

struct FormDesc {
    std::string caption;
    int clientWidth = 0, clientHeight = 0;
    FontDesc font;
    TColor color = clBtnFace;
    bool visible = true;
    std::vector<ControlDesc> controls;
    // Windowed controls of the form, lowest first.
    std::vector<std::string> stacking;
    // Controls in the order the Tab key visits them.
    std::vector<std::string> tabOrder;
};

// Handlers by name, as a form file refers to them.
using HandlerTable = std::map<std::string, TNotifyEvent>;

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    int ClientWidth() const { return Widget()->width(); }
    int ClientHeight() const { return Widget()->height(); }

    void Close();

    // The control of that name, of that kind; raises Exception if missing.
    template <class T>
    T* Control(const std::string& name) const {
        if (auto* c = dynamic_cast<T*>(FindComponent(name))) return c;
        throw Exception("no control named " + name);
    }

    // The handler that the description names for this control's clicks.
    const TNotifyEvent& Handler(const std::string& name) const;

protected:
    // Builds every control of the description with its handlers, without
    // showing the form. A click handler that is not in the table raises.
    void Load(const FormDesc& desc, HandlerTable handlers);

private:
    TControl* Create(const ControlDesc& desc);
    void ApplyTabOrder(const std::vector<std::string>& names);

    HandlerTable handlers_;
};

class TApplication : public TComponent {
public:
    TApplication(int argc, char** argv);
    ~TApplication() override;

    void Initialize();
    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }

    // Creates a form owned by the application; the first becomes the main
    // form. It shows itself if its description says so.
    template <class F>
    void CreateForm(F*& form) {
        form = new F(this);
        if (!mainForm_) mainForm_ = form;
    }
    TForm* MainForm() const { return mainForm_; }
    // Called by a form that goes away.
    void FormDestroyed(TForm* form);

    // Runs the event loop until the main form closes.
    void Run();

    // Runs `handler`, showing whatever escapes it in the error box.
    void Guard(const std::function<void()>& handler);

    // The error box: stop icon, one OK button, the title as caption, the
    // message followed by ".".
    void ShowException(const std::exception& error);

    // Qt's own dialogs speak Japanese, as the window does; loaded on first use.
    void UseJapaneseDialogs();

    // The icon of every window of the application, from an XPM picture.
    void SetIcon(const char* const* xpm);

private:
    std::unique_ptr<QApplication> qt_;
    int argc_;
    char** argv_;
    std::string title_;
    TForm* mainForm_ = nullptr;
    bool japaneseLoaded_ = false;
};

extern TApplication* Application;

// True when a window system can be reached (X11, Wayland, or a Qt platform
// chosen in the environment).
bool DisplayAvailable();
