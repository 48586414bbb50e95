// Runs the benchmarks inside one application object on the offscreen platform.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "app/template.h"
#include "gui/application.h"
#include "setupctrls/setupctrls.h"

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    RegisterSetupControls();
    TMainForm::Register();
    TApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
