#pragma once
#include <string>
#include <vector>

#include "gui/object.h"

// An ordered list of text lines, as memos, combo boxes and panels keep them.
class TStrings : public TObject {
public:
    std::string ClassName() const override { return "TStrings"; }

    int Count() const { return static_cast<int>(FLines.size()); }
    const std::string& operator[](int index) const { return FLines.at(static_cast<std::size_t>(index)); }
    const std::vector<std::string>& Lines() const { return FLines; }

    void Add(const std::string& line);
    void Clear();
    void Assign(const TStrings& other);
    void SetLines(std::vector<std::string> lines);
    int IndexOf(const std::string& line) const;
    // All lines, each followed by a line break.
    std::string Text() const;

    TNotifyEvent OnChange;

private:
    void Changed();

    std::vector<std::string> FLines;
};
