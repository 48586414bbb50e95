#pragma once
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "gui/propertyinfo.h"
#include "gui/strings.h"


// A kind of component that descriptions can create: its class name, how to
// make one, and its published properties (its own and its base kind's).
class TComponentKind {
public:
    using TFactory = std::function<TComponent*(TComponent* owner)>;

    TComponentKind(std::string name, const TComponentKind* base, TFactory factory);

    // Registers a kind under its class name; a kind without factory only
    // lends its properties to the kinds built on it.
    static TComponentKind& Register(const std::string& name, const std::string& baseName, TFactory factory = {});
    template <class T> static TComponentKind& Register(const std::string& name, const std::string& baseName)
    {
        return Register(name, baseName, [](TComponent* owner) -> TComponent* { return new T(owner); });
    }
    static const TComponentKind* Find(const std::string& name);

    const std::string& Name() const { return FName; }
    bool Creatable() const { return static_cast<bool>(FFactory); }
    TComponent* Create(TComponent* owner) const { return FFactory(owner); }
    const TPropertyInfo* FindProperty(const std::string& name) const;

    template <class T> TComponentKind& Custom(const std::string& name, TPropertyType type,
                                              std::function<void(T&, const TPropertyValue&)> apply,
                                              TIdentValues idents = {})
    {
        FProperties[name] = {name, type, std::move(idents), [apply](TComponent& component, const TPropertyValue& value) {
                                 apply(dynamic_cast<T&>(component), value);
                             }};
        return *this;
    }
    template <class T, class A> TComponentKind& Integer(const std::string& name, void (T::*setter)(A))
    {
        return Custom<T>(name, TPropertyType::Integer, [setter](T& c, const TPropertyValue& v) {
            (c.*setter)(static_cast<A>(CheckedInt(v.Integer)));
        });
    }
    template <class T> TComponentKind& Boolean(const std::string& name, void (T::*setter)(bool))
    {
        return Custom<T>(name, TPropertyType::Boolean, [setter](T& c, const TPropertyValue& v) { (c.*setter)(v.Boolean); });
    }
    template <class T> TComponentKind& String(const std::string& name, void (T::*setter)(const std::string&))
    {
        return Custom<T>(name, TPropertyType::String, [setter](T& c, const TPropertyValue& v) { (c.*setter)(v.Text); });
    }
    template <class T, class E> TComponentKind& Enum(const std::string& name, TIdentValues idents, void (T::*setter)(E))
    {
        return Custom<T>(
            name, TPropertyType::Enum, [setter](T& c, const TPropertyValue& v) { (c.*setter)(static_cast<E>(v.Integer)); },
            std::move(idents));
    }
    template <class T, class S> TComponentKind& Set(const std::string& name, TIdentValues idents, void (T::*setter)(S))
    {
        return Custom<T>(
            name, TPropertyType::Set, [setter](T& c, const TPropertyValue& v) { (c.*setter)(static_cast<S>(v.Integer)); },
            std::move(idents));
    }
    template <class T> TComponentKind& Color(const std::string& name, void (T::*setter)(TColor))
    {
        return Custom<T>(name, TPropertyType::Color, [setter](T& c, const TPropertyValue& v) {
            (c.*setter)(static_cast<TColor>(v.Integer));
        });
    }
    template <class T> TComponentKind& Lines(const std::string& name, TStrings& (T::*lines)())
    {
        return Custom<T>(name, TPropertyType::Strings,
                         [lines](T& c, const TPropertyValue& v) { (c.*lines)().SetLines(v.Lines); });
    }
    template <class T, class C> TComponentKind& Reference(const std::string& name, void (T::*setter)(C*))
    {
        return Custom<T>(name, TPropertyType::Reference, [setter](T& c, const TPropertyValue& v) {
            auto* target = dynamic_cast<C*>(v.Component);
            if (v.Component && !target)
                throw std::invalid_argument("'" + v.Component->Name() + "' is a " + v.Component->ClassName() +
                                            ", which this property cannot refer to");
            (c.*setter)(target);
        });
    }
    template <class T, class E> TComponentKind& Event(const std::string& name, E T::*event)
    {
        return Custom<T>(name, TPropertyType::Event, [event](T& c, const TPropertyValue& v) {
            if (!std::holds_alternative<E>(*v.Handler))
                throw std::invalid_argument("handler '" + v.HandlerName + "' does not take this event's arguments");
            c.*event = std::get<E>(*v.Handler);
        });
    }
    // Accepted and type-checked, with no effect on the component.
    TComponentKind& Ignored(const std::string& name, TPropertyType type, TIdentValues idents = {});

    static int CheckedInt(long long value)
    {
        if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
            throw std::out_of_range("the value " + std::to_string(value) + " is out of range");
        return static_cast<int>(value);
    }

private:
    std::string FName;
    const TComponentKind* FBase;
    TFactory FFactory;
    std::map<std::string, TPropertyInfo> FProperties;
};
