// Support for driving the real main window in tests: a Qt application on the
// offscreen platform, a fresh window per test, and answers to modal dialogs.
#pragma once

#include <gtest/gtest.h>

#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/MainForm.h"

// A new main window for each test, shown and active.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Clicks a control with the mouse, as a user would.
    static void ClickOn(TControl* control);
    // Enters the texts and presses "次へ >".
    void Step1(const std::string& year, const std::string& month);

    TForm1* form = nullptr;
};

// Answers the modal dialogs that `action` opens, one handler per dialog in
// order; each handler must close its dialog. Fails the test if a dialog
// does not appear or is not closed.
void WithModalDialogs(std::vector<std::function<void(QWidget*)>> handlers,
                      const std::function<void()>& action);

// Text and caption of an error box, closed with its OK button.
struct ErrorBox {
    std::string caption, text;
    bool stopIcon = false;
    int buttons = 0;
};
std::function<void(QWidget*)> AcceptErrorBox(ErrorBox& seen);
