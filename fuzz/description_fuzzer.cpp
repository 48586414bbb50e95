// Feeds arbitrary text to the description reader: it must either build the
// window or report an error, never crash, hang or leak.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/fuzzform.h"
#include "gui/application.h"
#include "setupctrls/setupctrls.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "description_fuzzer";
    static char* argv[] = {name, nullptr};
    RegisterSetupControls();
    TFuzzForm::Register();
    new TApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TFuzzForm form(nullptr);
    try {
        form.LoadFromDescription(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const std::exception&) {
        // Reported errors are the expected outcome for most inputs.
    }
    return 0;
}
