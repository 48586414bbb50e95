#include "gui/component.h"

#include <algorithm>
#include <cctype>

TComponent::TComponent(TComponent* owner)
{
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent()
{
    MarkDestroying();
    DestroyComponents();
    if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::SetName(const std::string& value) { FName = value; }

TComponent* TComponent::FindComponent(std::string_view name) const
{
    if (name.empty()) return nullptr;
    for (auto* component : FComponents)
        if (SameName(component->Name(), name)) return component;
    return nullptr;
}

void TComponent::Loaded() { FState &= ~csLoading; }

bool TComponent::SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

void TComponent::DestroyComponents()
{
    // Each freed component takes itself out of the list.
    while (!FComponents.empty()) delete FComponents.back();
}

void TComponent::InsertComponent(TComponent* component)
{
    component->FOwner = this;
    FComponents.push_back(component);
}

void TComponent::RemoveComponent(TComponent* component)
{
    std::erase(FComponents, component);
    component->FOwner = nullptr;
}
