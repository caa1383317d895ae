// hibimaker: writes the calendar of one month as an HTML page.
#include <cstdio>

#include "app/MainForm.h"
#include "app/hibimaker.xpm"

int main(int argc, char** argv) {
    if (!DisplayAvailable()) {
        std::fputs("hibimaker: no display found (set DISPLAY or WAYLAND_DISPLAY)\n", stderr);
        return 1;
    }
    TApplication application(argc, argv);
    application.Guard([&] {
        application.Initialize();
        application.SetTitle("hibimaker");
        application.SetIcon(hibimaker_xpm);
        application.CreateForm(Form1);
        application.Run();
    });
    return 0;
}
