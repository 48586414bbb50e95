// Runs a test executable inside one application object, on the offscreen
// platform unless a display was asked for.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/template.h"
#include "gui/application.h"
#include "setupctrls/setupctrls.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    RegisterSetupControls();
    TMainForm::Register();
    TApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
