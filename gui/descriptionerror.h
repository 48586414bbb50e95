#pragma once
#include <stdexcept>
#include <string>

// A description that cannot be read or built: the message names the line,
// and where known the component and the property.
class TDescriptionError : public std::runtime_error {
public:
    TDescriptionError(int line, const std::string& component, const std::string& property, const std::string& problem)
        : std::runtime_error(Format(line, component, property, problem)), FLine(line)
    {
    }
    int Line() const { return FLine; }

private:
    static std::string Format(int line, const std::string& component, const std::string& property,
                              const std::string& problem)
    {
        std::string text = "board description, line " + std::to_string(line);
        if (!component.empty()) text += ", component '" + component + "'";
        if (!property.empty()) text += ", property '" + property + "'";
        return text + ": " + problem;
    }
    int FLine;
};
