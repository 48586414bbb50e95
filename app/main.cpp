// Settings: the jumper settings program for the QK-7720 digital I/O board.
#include <cstdio>
#include <exception>

#include "app/template.h"
#include "gui/application.h"
#include "setupctrls/setupctrls.h"

int main(int argc, char** argv)
{
    RegisterSetupControls();
    TMainForm::Register();
    TApplication application(argc, argv);
    application.Initialize();
    try {
        application.CreateForm(MainForm);
    } catch (const std::exception& error) {
        // Without its main window the program has nothing to show.
        std::fprintf(stderr, "Settings: %s\n", error.what());
        application.HandleException(error);
        application.ProcessMessages();
        return 1;
    }
    return application.Run();
}
