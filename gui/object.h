#pragma once
#include <functional>
#include <string>

// The root of every class of the library. Partners that must match exactly
// compare ClassName(); everything else uses dynamic_cast.
class TObject {
public:
    virtual ~TObject() = default;
    virtual std::string ClassName() const { return "TObject"; }
};

// An event that carries only its sender.
using TNotifyEvent = std::function<void(TObject* sender)>;
