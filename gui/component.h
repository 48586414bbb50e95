#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gui/object.h"

enum TComponentStateFlag : unsigned { csLoading = 1, csDestroying = 2 };

// A named part of a window, owned by another component that frees it.
class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    std::string ClassName() const override { return "TComponent"; }

    const std::string& Name() const { return FName; }
    virtual void SetName(const std::string& value);
    std::intptr_t Tag() const { return FTag; }
    void SetTag(std::intptr_t value) { FTag = value; }

    TComponent* Owner() const { return FOwner; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int index) const { return FComponents.at(static_cast<std::size_t>(index)); }
    // Searches the components this one owns, ignoring case as names do.
    TComponent* FindComponent(std::string_view name) const;

    unsigned ComponentState() const { return FState; }
    bool Loading() const { return FState & csLoading; }
    bool Destroying() const { return FState & csDestroying; }
    void BeginLoading() { FState |= csLoading; }
    // Called once the description has set every property of the component.
    virtual void Loaded();

    static bool SameName(std::string_view a, std::string_view b);

protected:
    void MarkDestroying() { FState |= csDestroying; }
    // Frees every owned component, the last created first.
    void DestroyComponents();

private:
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;
    std::string FName;
    std::intptr_t FTag = 0;
    unsigned FState = 0;
};
