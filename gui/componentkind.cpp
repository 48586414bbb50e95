#include "gui/componentkind.h"

namespace {

std::map<std::string, std::unique_ptr<TComponentKind>>& Registry()
{
    static std::map<std::string, std::unique_ptr<TComponentKind>> kinds;
    return kinds;
}

} // namespace

TComponentKind::TComponentKind(std::string name, const TComponentKind* base, TFactory factory)
    : FName(std::move(name)), FBase(base), FFactory(std::move(factory))
{
}

TComponentKind& TComponentKind::Register(const std::string& name, const std::string& baseName, TFactory factory)
{
    const TComponentKind* base = baseName.empty() ? nullptr : Find(baseName);
    if (!baseName.empty() && !base) throw std::logic_error("kind " + name + " registered before its base " + baseName);
    auto& slot = Registry()[name];
    slot = std::make_unique<TComponentKind>(name, base, std::move(factory));
    return *slot;
}

const TComponentKind* TComponentKind::Find(const std::string& name)
{
    const auto it = Registry().find(name);
    return it == Registry().end() ? nullptr : it->second.get();
}

const TPropertyInfo* TComponentKind::FindProperty(const std::string& name) const
{
    for (const auto* kind = this; kind; kind = kind->FBase) {
        const auto it = kind->FProperties.find(name);
        if (it != kind->FProperties.end()) return &it->second;
    }
    return nullptr;
}

TComponentKind& TComponentKind::Ignored(const std::string& name, TPropertyType type, TIdentValues idents)
{
    FProperties[name] = {name, type, std::move(idents), [](TComponent&, const TPropertyValue&) {}};
    return *this;
}
