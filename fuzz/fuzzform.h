#pragma once
#include "gui/componentkind.h"
#include "gui/form.h"

// A window for fuzzing descriptions: the handlers a description may name.
class TFuzzForm : public TForm {
public:
    explicit TFuzzForm(TComponent* owner) : TForm(owner)
    {
        PublishHandler("Click", TNotifyEvent([](TObject*) {}));
        PublishHandler("KeyPress", TKeyPressEvent([](TObject*, char&) {}));
    }
    std::string ClassName() const override { return "TFuzzForm"; }
    static void Register() { TComponentKind::Register("TFuzzForm", "TForm"); }
};
