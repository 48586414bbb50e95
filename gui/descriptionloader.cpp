#include "gui/descriptionloader.h"

#include <algorithm>

#include "gui/componentkind.h"
#include "gui/descriptionerror.h"
#include "gui/descriptionparser.h"
#include "gui/form.h"
#include "gui/mainmenu.h"
#include "gui/menuitem.h"

namespace {

const char* KindOfValue(const TDescriptionValue& value)
{
    switch (value.Kind) {
    case TDescriptionValue::vkInteger: return "an integer";
    case TDescriptionValue::vkIdentifier: return "an identifier";
    case TDescriptionValue::vkString: return "a string";
    case TDescriptionValue::vkSet: return "a set";
    case TDescriptionValue::vkList: return "a list of strings";
    default: return "binary data";
    }
}

const char* ExpectedFor(TPropertyType type)
{
    switch (type) {
    case TPropertyType::Integer: return "an integer";
    case TPropertyType::Boolean: return "True or False";
    case TPropertyType::String: return "a string";
    case TPropertyType::Enum: return "one of its names";
    case TPropertyType::Set: return "a set [ ... ]";
    case TPropertyType::Strings: return "a list of strings ( ... )";
    case TPropertyType::Binary: return "binary data { ... }";
    case TPropertyType::Color: return "a colour name or number";
    case TPropertyType::Reference: return "a component name";
    default: return "a handler name";
    }
}

const long long* FindIdent(const TIdentValues& idents, const std::string& name)
{
    for (const auto& [ident, value] : idents)
        if (TComponent::SameName(ident, name)) return &value;
    return nullptr;
}

// Checks a written value against the property's type; returns the problem,
// or an empty string and the converted value.
std::string Convert(const TPropertyInfo& property, const TDescriptionValue& written, TPropertyValue& value)
{
    const auto mismatch = [&] {
        return std::string("expected ") + ExpectedFor(property.Type) + ", found " + KindOfValue(written);
    };
    const bool isIdent = written.Kind == TDescriptionValue::vkIdentifier;
    switch (property.Type) {
    case TPropertyType::Integer:
        if (isIdent)
            if (const auto* v = FindIdent(property.Idents, written.Text)) return value.Integer = *v, "";
        if (written.Kind != TDescriptionValue::vkInteger) return mismatch();
        value.Integer = written.Integer;
        return "";
    case TPropertyType::Boolean:
        if (isIdent && (TComponent::SameName(written.Text, "True") || TComponent::SameName(written.Text, "False"))) {
            value.Boolean = TComponent::SameName(written.Text, "True");
            return "";
        }
        return mismatch();
    case TPropertyType::String:
        if (written.Kind != TDescriptionValue::vkString) return mismatch();
        value.Text = written.Text;
        return "";
    case TPropertyType::Enum:
        if (!isIdent) return mismatch();
        if (const auto* v = FindIdent(property.Idents, written.Text)) return value.Integer = *v, "";
        return "unknown value '" + written.Text + "'";
    case TPropertyType::Set:
        if (written.Kind != TDescriptionValue::vkSet) return mismatch();
        for (const auto& member : written.Items) {
            const auto* v = FindIdent(property.Idents, member);
            if (!v) return "unknown set member '" + member + "'";
            value.Integer |= *v;
        }
        return "";
    case TPropertyType::Strings:
        if (written.Kind != TDescriptionValue::vkList) return mismatch();
        value.Lines = written.Items;
        return "";
    case TPropertyType::Binary:
        if (written.Kind != TDescriptionValue::vkBinary) return mismatch();
        value.Bytes = &written.Bytes;
        return "";
    case TPropertyType::Color:
        if (written.Kind == TDescriptionValue::vkInteger) {
            if (written.Integer < INT32_MIN || written.Integer > UINT32_MAX) return "colour out of range";
            value.Integer = static_cast<TColor>(static_cast<std::uint32_t>(written.Integer));
            return "";
        }
        if (isIdent)
            if (const auto color = IdentToColor(written.Text)) return value.Integer = *color, "";
        return isIdent ? "unknown colour '" + written.Text + "'" : mismatch();
    default:  // references and events are checked once every record exists
        return isIdent ? "" : mismatch();
    }
}

} // namespace

void TDescriptionLoader::Load(const std::string& text)
{
    const auto root = TDescriptionParser(text).Parse();
    try {
        Build(root);
    } catch (...) {
        Discard();
        throw;
    }
}

void TDescriptionLoader::Build(const TDescriptionRecord& root)
{
    if (root.Kind != FForm.ClassName())
        throw TDescriptionError(root.Line, root.Name, "",
                                "the description is of a " + root.Kind + ", not of a " + FForm.ClassName());
    const auto* kind = TComponentKind::Find(root.Kind);
    if (!kind) throw TDescriptionError(root.Line, root.Name, "", "unknown kind '" + root.Kind + "'");
    FForm.BeginLoading();
    FForm.SetName(root.Name);
    ApplySettings(FForm, *kind, root);
    CreateChildren(root, FForm);
    ResolveDeferred();
    FillFields(root.Line);
    for (auto* component : FCreated) component->Loaded();
    FForm.Loaded();
}

void TDescriptionLoader::CreateChildren(const TDescriptionRecord& record, TComponent& parent)
{
    for (const auto& child : record.Children) {
        auto& component = Create(child, parent);
        CreateChildren(child, component);
    }
}

TComponent& TDescriptionLoader::Create(const TDescriptionRecord& record, TComponent& parent)
{
    const auto* kind = TComponentKind::Find(record.Kind);
    if (!kind || !kind->Creatable())
        throw TDescriptionError(record.Line, record.Name, "", "unknown kind '" + record.Kind + "'");
    if (TComponent::SameName(record.Name, FForm.Name()) || FForm.FindComponent(record.Name))
        throw TDescriptionError(record.Line, record.Name, "", "the name is already in use");
    auto* component = kind->Create(&FForm);
    FCreated.push_back(component);
    component->BeginLoading();
    component->SetName(record.Name);
    PlaceIn(*component, parent, record);
    ApplySettings(*component, *kind, record);
    return *component;
}

void TDescriptionLoader::PlaceIn(TComponent& component, TComponent& parent, const TDescriptionRecord& record)
{
    if (auto* item = dynamic_cast<TMenuItem*>(&component)) {
        if (auto* menu = dynamic_cast<TMainMenu*>(&parent)) menu->Items()->Add(item);
        else if (auto* parentItem = dynamic_cast<TMenuItem*>(&parent)) parentItem->Add(item);
        else throw TDescriptionError(record.Line, record.Name, "", "a menu item must stand inside a menu");
        return;
    }
    auto* control = dynamic_cast<TControl*>(&component);
    if (!control) return;
    auto* window = dynamic_cast<TWinControl*>(&parent);
    if (!window)
        throw TDescriptionError(record.Line, record.Name, "", "'" + parent.Name() + "' cannot hold controls");
    control->SetParent(window);
}

void TDescriptionLoader::ApplySettings(TComponent& component, const TComponentKind& kind,
                                       const TDescriptionRecord& record)
{
    for (const auto& setting : record.Settings) {
        const auto* property = kind.FindProperty(setting.Property);
        if (!property) throw TDescriptionError(setting.Line, record.Name, setting.Property, "unknown property");
        if (property->Type == TPropertyType::Reference || property->Type == TPropertyType::Event) {
            TPropertyValue unused;
            if (auto problem = Convert(*property, setting.Value, unused); !problem.empty())
                throw TDescriptionError(setting.Line, record.Name, setting.Property, problem);
            FDeferred.push_back({&component, property, &setting, &record});
            continue;
        }
        Apply(component, *property, setting, record);
    }
}

void TDescriptionLoader::Apply(TComponent& component, const TPropertyInfo& property, const TDescriptionSetting& setting,
                               const TDescriptionRecord& record)
{
    TPropertyValue value;
    if (auto problem = Convert(property, setting.Value, value); !problem.empty())
        throw TDescriptionError(setting.Line, record.Name, setting.Property, problem);
    const auto& name = setting.Value.Text;
    if (property.Type == TPropertyType::Reference) {
        value.Component = TComponent::SameName(name, FForm.Name()) ? &FForm : FForm.FindComponent(name);
        if (!value.Component)
            throw TDescriptionError(setting.Line, record.Name, setting.Property, "no component named '" + name + "'");
    }
    if (property.Type == TPropertyType::Event) {
        value.HandlerName = name;
        value.Handler = FForm.FindHandler(name);
        if (!value.Handler)
            throw TDescriptionError(setting.Line, record.Name, setting.Property, "no handler named '" + name + "'");
    }
    try {
        property.Apply(component, value);
    } catch (const TDescriptionError&) {
        throw;
    } catch (const std::exception& error) {
        throw TDescriptionError(setting.Line, record.Name, setting.Property, error.what());
    }
}

void TDescriptionLoader::ResolveDeferred()
{
    for (const auto& deferred : FDeferred)
        if (deferred.Property->Type == TPropertyType::Reference)
            Apply(*deferred.Component, *deferred.Property, *deferred.Setting, *deferred.Record);
    for (const auto& deferred : FDeferred)
        if (deferred.Property->Type == TPropertyType::Event)
            Apply(*deferred.Component, *deferred.Property, *deferred.Setting, *deferred.Record);
}

void TDescriptionLoader::FillFields(int line)
{
    for (const auto& [name, assign] : FForm.Fields()) {
        auto* component = FForm.FindComponent(name);
        if (!component)
            throw TDescriptionError(line, name, "", "the window needs this component, and the description has none");
        if (!assign(component))
            throw TDescriptionError(line, name, "", "the window needs another kind than " + component->ClassName());
    }
}

void TDescriptionLoader::Discard()
{
    for (auto it = FCreated.rbegin(); it != FCreated.rend(); ++it) delete *it;
    FCreated.clear();
    for (const auto& [name, assign] : FForm.Fields()) assign(nullptr);
}
