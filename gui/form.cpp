#include "gui/form.h"

#include <QCloseEvent>
#include <QTimer>
#include <QWidget>

#include "gui/application.h"
#include "gui/descriptionloader.h"
#include "gui/formwindow.h"
#include "gui/mainmenu.h"

namespace {

// Until the window manager has framed a window, a window's frame is taken
// to be the one it gave the last window it framed.
QMargins GKnownFrame;

// A menu bar's height in the default style, for sizes asked before the
// window exists; afterwards the real bar is measured.
constexpr int kMenuBarHeight = 20;

TRect AsRect(const QMargins& m) { return {m.left(), m.top(), m.right(), m.bottom()}; }

QMargins FrameOf(const QWidget& window)
{
    const QRect outer = window.frameGeometry(), inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

} // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner)
{
    SetVisible(false);
    SetColor(clBtnFace);
    SetBounds(0, 0, 320, 240);
    if (Application) Application->AddForm(this);
}

TForm::~TForm()
{
    MarkDestroying();
    DestroyComponents();
    if (Application) Application->RemoveForm(this);
}

TFormWindow* TForm::Window() const { return static_cast<TFormWindow*>(ExistingHandle()); }

void TForm::SetCaption(const std::string& value)
{
    TControl::SetCaption(value);
    if (auto* window = Window()) window->setWindowTitle(QString::fromStdString(value));
}

void TForm::SetMenu(TMainMenu* value)
{
    if (value == FMenu) return;
    if (FMenu) FMenu->AttachTo(nullptr);
    FMenu = value;
    if (auto* window = Window()) {
        if (FMenu) FMenu->AttachTo(window->MenuBar());
        else window->RemoveMenuBar();
        ClientResized();
    }
}

void TForm::SetWindowState(TWindowState value)
{
    if (value == FWindowState) return;
    FWindowState = value;
    if (auto* window = Window(); window && Visible()) ShowWindow();
}

int TForm::ClientWidth() const
{
    if (auto* window = Window()) return window->Client()->width();
    return std::max(0, Width() - GKnownFrame.left() - GKnownFrame.right());
}

int TForm::ClientHeight() const
{
    if (auto* window = Window()) return window->Client()->height();
    return std::max(0, Height() - GKnownFrame.top() - GKnownFrame.bottom() - (FMenu ? kMenuBarHeight : 0));
}

void TForm::SetClientWidth(int value) { SetWidth(Width() - ClientWidth() + value); }
void TForm::SetClientHeight(int value) { SetHeight(Height() - ClientHeight() + value); }

QWidget* TForm::ClientHandle() const
{
    auto* window = Window();
    return window ? window->Client() : nullptr;
}

bool TForm::Active() const
{
    auto* window = Window();
    return window && window->isActiveWindow();
}

bool TForm::Showing() const
{
    auto* window = Window();
    return Visible() && window && window->isVisible();
}

void TForm::Close()
{
    if (auto* window = Window()) window->close();
}

const TFormHandler* TForm::FindHandler(const std::string& name) const
{
    const auto it = FHandlers.find(name);
    return it == FHandlers.end() ? nullptr : &it->second;
}

void TForm::PublishHandler(const std::string& name, TFormHandler handler) { FHandlers[name] = std::move(handler); }

void TForm::LoadFromDescription(const std::string& text)
{
    TDescriptionLoader loader(*this);
    loader.Load(text);
    DoCreate();
}

void TForm::DoCreate()
{
    if (OnCreate) OnCreate(this);
}

QWidget* TForm::CreateWindowHandle(QWidget*)
{
    Qt::WindowFlags flags = Qt::Window;
    if (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin) flags = Qt::Tool;
    if (FBorderStyle == bsDialog) flags = Qt::Dialog;
    if (FFormStyle == fsStayOnTop) flags |= Qt::WindowStaysOnTopHint;
    auto* window = new TFormWindow(this, flags);
    window->setWindowTitle(QString::fromStdString(Caption()));
    return window;
}

void TForm::HandleCreated()
{
    if (FMenu) FMenu->AttachTo(Window()->MenuBar());
}

void TForm::ApplyBoundsToHandle()
{
    auto* window = Window();
    if (window && !FTakingBounds && !(window->isVisible() && window->isMaximized())) {
        const QMargins frame = window->isVisible() ? FrameOf(*window) : GKnownFrame;
        FAppliedFrame = AsRect(frame);
        window->move(Left(), Top());
        window->resize(std::max(1, Width() - frame.left() - frame.right()),
                       std::max(1, Height() - frame.top() - frame.bottom()));
    }
    ClientResized();
}

void TForm::VisibleChanged()
{
    if (Visible()) ShowWindow();
    else if (auto* window = Window()) window->hide();
}

void TForm::ShowWindow()
{
    HandleNeeded();
    auto* window = Window();
    if (FWindowState == wsMaximized) window->showMaximized();
    else if (FWindowState == wsMinimized) window->showMinimized();
    else window->showNormal();
}

void TForm::TakeBoundsFromWindow()
{
    auto* window = Window();
    if (!window || !window->isVisible()) return;
    const QMargins frame = FrameOf(*window);
    if (!frame.isNull()) GKnownFrame = frame;
    // The frame has become known: once Qt has finished showing the window,
    // give it the outer bounds the program asked for.
    if (AsRect(frame) != FAppliedFrame && !window->isMaximized() && !window->isMinimized()) {
        FAppliedFrame = AsRect(frame);
        const TRect wanted = BoundsRect();
        QTimer::singleShot(0, window, [this, wanted] {
            SetBounds(wanted.Left, wanted.Top, wanted.Width(), wanted.Height());
            ApplyBoundsToHandle();
        });
        return;
    }
    const QRect outer = window->frameGeometry();
    FTakingBounds = true;
    SetBounds(outer.x(), outer.y(), outer.width(), outer.height());
    FTakingBounds = false;
    ClientResized();
}

bool TForm::HandleWindowEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show: TakeBoundsFromWindow(); return false;
    case QEvent::WindowActivate: Perform(WM_ACTIVATE, WA_ACTIVE); return false;
    case QEvent::WindowDeactivate: Perform(WM_ACTIVATE, WA_INACTIVE); return false;
    case QEvent::Close: {
        event->ignore();
        const bool mainForm = Application && Application->MainForm() == this;
        TCloseAction action = mainForm ? caFree : caHide;
        if (OnClose) OnClose(this, action);
        if (action == caNone) return true;
        SetVisible(false);
        if (mainForm) Application->Terminate();
        return true;
    }
    default: return false;
    }
}

void TForm::WndProc(TMessage& message)
{
    if (message.Msg == WM_ACTIVATE) {
        const auto& handler = message.WParam == WA_INACTIVE ? OnDeactivate : OnActivate;
        if (handler) handler(this);
        return;
    }
    TWinControl::WndProc(message);
}
