#include "gui/strings.h"

#include <algorithm>

void TStrings::Add(const std::string& line)
{
    FLines.push_back(line);
    Changed();
}

void TStrings::Clear()
{
    if (FLines.empty()) return;
    FLines.clear();
    Changed();
}

void TStrings::Assign(const TStrings& other)
{
    if (&other == this) return;
    SetLines(other.FLines);
}

void TStrings::SetLines(std::vector<std::string> lines)
{
    FLines = std::move(lines);
    Changed();
}

int TStrings::IndexOf(const std::string& line) const
{
    const auto it = std::find(FLines.begin(), FLines.end(), line);
    return it == FLines.end() ? -1 : static_cast<int>(it - FLines.begin());
}

std::string TStrings::Text() const
{
    std::string text;
    for (const auto& line : FLines) text += line + "\n";
    return text;
}

void TStrings::Changed()
{
    if (OnChange) OnChange(this);
}
