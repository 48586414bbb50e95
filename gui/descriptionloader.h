#pragma once
#include <string>
#include <vector>

#include "gui/descriptionrecord.h"

class TComponent;
class TComponentKind;
class TForm;
struct TPropertyInfo;

// Builds a form's components from its description: creates every record
// depth first through the kind registry, applies the settings in the order
// written, then resolves component references and binds events by name once
// every record exists, and fills the form's fields. On an error nothing it
// created is left behind.
class TDescriptionLoader {
public:
    explicit TDescriptionLoader(TForm& form) : FForm(form) {}
    void Load(const std::string& text);

private:
    struct TDeferred {
        TComponent* Component;
        const TPropertyInfo* Property;
        const TDescriptionSetting* Setting;
        const TDescriptionRecord* Record;
    };

    void Build(const TDescriptionRecord& root);
    void CreateChildren(const TDescriptionRecord& record, TComponent& parent);
    TComponent& Create(const TDescriptionRecord& record, TComponent& parent);
    void PlaceIn(TComponent& component, TComponent& parent, const TDescriptionRecord& record);
    void ApplySettings(TComponent& component, const TComponentKind& kind, const TDescriptionRecord& record);
    void Apply(TComponent& component, const TPropertyInfo& property, const TDescriptionSetting& setting,
               const TDescriptionRecord& record);
    void ResolveDeferred();
    // Fills the form's fields; errors name the line of the form's record.
    void FillFields(int line);
    void Discard();

    TForm& FForm;
    std::vector<TComponent*> FCreated;
    std::vector<TDeferred> FDeferred;
};
