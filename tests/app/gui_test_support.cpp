#include "tests/app/gui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cstdlib>

void WindowTest::SetUp() {
    Application->CreateForm(form);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form->Widget()));
    QApplication::setActiveWindow(form->Widget());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form->Widget()));
}

void WindowTest::TearDown() {
    delete form;
    Form1 = nullptr;
}

void WindowTest::ClickOn(TControl* control) { QTest::mouseClick(control->Widget(), Qt::LeftButton); }

void WindowTest::Step1(const std::string& year, const std::string& month) {
    form->nen->SetText(year);
    form->tuki->SetText(month);
    ClickOn(form->tugi0);
}

void WithModalDialogs(std::vector<std::function<void(QWidget*)>> handlers,
                      const std::function<void()>& action) {
    std::size_t next = 0;
    QWidget* current = nullptr;
    int ticksOnCurrent = 0;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal == current && ++ticksOnCurrent > 500) {
            ADD_FAILURE() << "a dialog stayed open; closing it";
            modal->close();
            return;
        }
        if (!modal || modal == current) return;
        current = modal;
        ticksOnCurrent = 0;
        if (next >= handlers.size()) {
            ADD_FAILURE() << "an unexpected dialog appeared";
            modal->close();
            return;
        }
        handlers[next++](modal);
    });
    timer.start();
    action();
    timer.stop();
    EXPECT_EQ(next, handlers.size()) << "fewer dialogs appeared than expected";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "a dialog was left open";
}

std::function<void(QWidget*)> AcceptErrorBox(ErrorBox& seen) {
    return [&seen](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr) << "not a message box";
        seen.caption = box->windowTitle().toStdString();
        seen.text = box->text().toStdString();
        seen.stopIcon = box->icon() == QMessageBox::Critical;
        seen.buttons = static_cast<int>(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    };
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // No display is needed: Qt draws into memory unless told otherwise.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    TApplication application(argc, argv);
    application.Initialize();
    application.SetTitle("hibimaker");
    return RUN_ALL_TESTS();
}
