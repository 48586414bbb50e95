#pragma once
#include <functional>
#include <map>
#include <string>
#include <variant>

#include "gui/borderstyle.h"
#include "gui/wincontrol.h"

class TMainMenu;
class TFormWindow;

enum TWindowState : unsigned char { wsNormal, wsMinimized, wsMaximized };
enum TFormStyle : unsigned char { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TPosition : unsigned char {
    poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
    poMainFormCenter, poOwnerFormCenter
};
enum TCloseAction : unsigned char { caNone, caHide, caFree, caMinimize };

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;
// A handler a form publishes for the description to bind by name.
using TFormHandler = std::variant<TNotifyEvent, TKeyPressEvent, TMouseEvent, TMouseMoveEvent, TCloseEvent>;

// A top-level window. Left, Top, Width and Height are its outer rectangle,
// frame and caption included; ClientWidth and ClientHeight the inside,
// below the menu bar.
class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    std::string ClassName() const override { return "TForm"; }

    void SetCaption(const std::string& value) override;
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* value);
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState value);
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value) { FBorderStyle = value; }
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle value) { FFormStyle = value; }
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition value) { FPosition = value; }
    bool VertScrollBarVisible() const { return FVertScrollBarVisible; }
    void SetVertScrollBarVisible(bool value) { FVertScrollBarVisible = value; }
    bool HorzScrollBarVisible() const { return FHorzScrollBarVisible; }
    void SetHorzScrollBarVisible(bool value) { FHorzScrollBarVisible = value; }
    bool OldCreateOrder() const { return FOldCreateOrder; }
    void SetOldCreateOrder(bool value) { FOldCreateOrder = value; }
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int value) { FPixelsPerInch = value; }
    int TextHeight() const { return FTextHeight; }
    void SetTextHeight(int value) { FTextHeight = value; }

    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetClientWidth(int value);
    void SetClientHeight(int value);
    QWidget* ClientHandle() const override;

    bool Active() const;
    void Close();
    bool Showing() const override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnShow;
    TCloseEvent OnClose;

    // What the description binds by name: handlers and component fields.
    const TFormHandler* FindHandler(const std::string& name) const;
    using TFieldSetter = std::function<bool(TComponent*)>;
    const std::map<std::string, TFieldSetter>& Fields() const { return FFields; }
    // Builds this form's components from a description and runs OnCreate.
    // On an error the form is left without any of them and the error thrown.
    void LoadFromDescription(const std::string& text);

    bool HandleWindowEvent(QEvent* event);

protected:
    void PublishHandler(const std::string& name, TFormHandler handler);
    template <class T> void PublishField(const std::string& name, T*& field)
    {
        FFields[name] = [&field](TComponent* component) {
            field = dynamic_cast<T*>(component);
            return field != nullptr;
        };
    }
    void DoCreate();
    QWidget* CreateWindowHandle(QWidget* parentWidget) override;
    void HandleCreated() override;
    void ApplyBoundsToHandle() override;
    void VisibleChanged() override;
    void WndProc(TMessage& message) override;

private:
    TFormWindow* Window() const;
    void TakeBoundsFromWindow();
    void ShowWindow();

    TMainMenu* FMenu = nullptr;
    TWindowState FWindowState = wsNormal;
    TFormBorderStyle FBorderStyle = bsSizeable;
    TFormStyle FFormStyle = fsNormal;
    TPosition FPosition = poDesigned;
    bool FVertScrollBarVisible = true;
    bool FHorzScrollBarVisible = true;
    bool FOldCreateOrder = false;
    int FPixelsPerInch = 96;
    int FTextHeight = 13;
    bool FTakingBounds = false;
    TRect FAppliedFrame;  // the frame widths the outer size was last applied with
    std::map<std::string, TFormHandler> FHandlers;
    std::map<std::string, TFieldSetter> FFields;
};
