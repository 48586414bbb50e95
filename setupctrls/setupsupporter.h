#pragma once
#include <string>

#include "gui/component.h"

class TForm;

// The non-visual helper a board's main window carries. Its properties hold
// the board's words for the shared texts; once the program is up it builds
// the header title, the help window and the technical-support window.
class TSetupSupporter : public TComponent {
public:
    explicit TSetupSupporter(TComponent* owner);
    std::string ClassName() const override { return "TSetupSupporter"; }

    const std::string& CompanyName() const { return FCompanyName; }
    void SetCompanyName(const std::string& value) { FCompanyName = value; }
    const std::string& CardNameA() const { return FCardNameA; }
    void SetCardNameA(const std::string& value) { FCardNameA = value; }
    const std::string& CardNameB() const { return FCardNameB; }
    void SetCardNameB(const std::string& value) { FCardNameB = value; }
    bool UseCardNameB() const { return FUseCardNameB; }
    void SetUseCardNameB(bool value) { FUseCardNameB = value; }
    const std::string& CallHow() const { return FCallHow; }
    void SetCallHow(const std::string& value) { FCallHow = value; }
    bool MultiPort() const { return FMultiPort; }
    void SetMultiPort(bool value) { FMultiPort = value; }
    bool bSeries() const { return FbSeries; }
    void SetbSeries(bool value) { FbSeries = value; }

    TForm* HelpForm() const { return FHelpForm; }
    TForm* TechForm() const { return FTechForm; }

    // The application's idle event at start-up: removes itself from the
    // application first, so the build runs once.
    void AppIdle(TObject* sender, bool& done);

protected:
    virtual void BuildWindows();

private:
    std::string FCompanyName;
    std::string FCardNameA;
    std::string FCardNameB;
    bool FUseCardNameB = false;
    std::string FCallHow;
    bool FMultiPort = false;
    bool FbSeries = true;
    TForm* FHelpForm = nullptr;
    TForm* FTechForm = nullptr;
};
