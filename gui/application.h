#pragma once
#include <exception>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "gui/component.h"

class QApplication;
class TForm;

using TIdleEvent = std::function<void(TObject* sender, bool& done)>;
using TExceptionEvent = std::function<void(TObject* sender, const std::exception& error)>;

// The program: its message loop (Qt's), its forms and its idle moments.
class TApplication : public TComponent {
public:
    // Starts Qt; there is one application per process.
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    std::string ClassName() const override { return "TApplication"; }

    void Initialize() {}
    // Creates a form owned by the application; the first one created becomes
    // the main form, whose closing ends the program.
    template <class T> void CreateForm(T*& reference)
    {
        reference = new T(this);
        if (!FMainForm) FMainForm = reference;
    }
    // Shows the main form and runs the message loop until Terminate.
    int Run();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // Handles the messages that are waiting, then returns.
    void ProcessMessages();

    TForm* MainForm() const { return FMainForm; }
    int FormCount() const { return static_cast<int>(FForms.size()); }
    TForm* Forms(int index) const { return FForms.at(static_cast<std::size_t>(index)); }
    void AddForm(TForm* form) { FForms.push_back(form); }
    void RemoveForm(TForm* form);

    // Fires when no message is waiting, that is just before the loop waits.
    TIdleEvent OnIdle;
    // Replaces the standard exception display (a message box).
    TExceptionEvent OnException;
    void HandleException(const std::exception& error);

private:
    void Idle();

    std::unique_ptr<QApplication> FQt;
    std::set<std::string> FShownErrors;  // errors whose message box is up or on its way
    std::vector<TForm*> FForms;
    TForm* FMainForm = nullptr;
    bool FTerminated = false;
    bool FInIdle = false;
};

extern TApplication* Application;

// Runs work that Qt called into; an exception escaping it goes to the
// application's exception display instead of through Qt.
void RunGuarded(const std::function<void()>& work);
