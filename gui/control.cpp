#include "gui/control.h"

#include <algorithm>

#include "gui/wincontrol.h"

TControl::TControl(TComponent* owner) : TComponent(owner)
{
    FFont.OnChange = [this](TObject*) {
        FParentFont = false;
        FontChanged();
    };
}

TControl::~TControl()
{
    MarkDestroying();
    SetParent(nullptr);
}

void TControl::SetParent(TWinControl* value)
{
    if (value == FParent) return;
    if (FParent) FParent->RemoveControl(this);
    FParent = value;
    if (FParent) FParent->InsertControl(this);
    TakeAnchorOrigin();
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    ApplyConstraints(width, height);
    if (FAutoSize && AutoSizeActive()) CanAutoSize(width, height);
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
    const bool resized = width != FWidth || height != FHeight;
    if (Showing()) InvalidateSurface();
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    if (!FAnchoring) TakeAnchorOrigin();
    BoundsChanged();
    if (Showing()) InvalidateSurface();
    if (resized && OnResize) OnResize(this);
}

void TControl::ApplyConstraints(int& width, int& height) const
{
    if (FConstraints.MinWidth > 0) width = std::max(width, FConstraints.MinWidth);
    if (FConstraints.MaxWidth > 0) width = std::min(width, FConstraints.MaxWidth);
    if (FConstraints.MinHeight > 0) height = std::max(height, FConstraints.MinHeight);
    if (FConstraints.MaxHeight > 0) height = std::min(height, FConstraints.MaxHeight);
}

void TControl::SetConstraints(const TSizeConstraints& value)
{
    FConstraints = value;
    SetBounds(FLeft, FTop, FWidth, FHeight);
}

TPoint TControl::ClientOriginOnWindow() const
{
    TPoint origin{FLeft, FTop};
    for (auto* p = FParent; p && p->Parent(); p = p->Parent()) {
        origin.X += p->Left();
        origin.Y += p->Top();
    }
    return origin;
}

void TControl::SetVisible(bool value)
{
    if (value == FVisible) return;
    if (!value && Showing()) InvalidateSurface();
    FVisible = value;
    VisibleChanged();
    if (value && Showing()) InvalidateSurface();
}

bool TControl::Showing() const
{
    if (!FVisible) return false;
    if (!FParent) return false;
    return FParent->Showing();
}

void TControl::SetEnabled(bool value)
{
    if (value == FEnabled) return;
    FEnabled = value;
    Invalidate();
}

void TControl::SetAnchors(TAnchors value)
{
    FAnchors = value;
    TakeAnchorOrigin();
}

void TControl::TakeAnchorOrigin()
{
    FAnchorBounds = BoundsRect();
    FAnchorParentWidth = FParent ? FParent->ClientWidth() : 0;
    FAnchorParentHeight = FParent ? FParent->ClientHeight() : 0;
}

void TControl::FollowAnchors(int parentWidth, int parentHeight)
{
    if (FAlign != alNone) return;
    const int dw = parentWidth - FAnchorParentWidth, dh = parentHeight - FAnchorParentHeight;
    auto r = FAnchorBounds;
    if (FAnchors & akRight) {
        if (FAnchors & akLeft) r.Right += dw;
        else r = r.Offset(dw, 0);
    }
    if (FAnchors & akBottom) {
        if (FAnchors & akTop) r.Bottom += dh;
        else r = r.Offset(0, dh);
    }
    FAnchoring = true;
    SetBounds(r.Left, r.Top, r.Width(), r.Height());
    FAnchoring = false;
}

void TControl::SetAlign(TAlign value)
{
    if (value == FAlign) return;
    FAlign = value;
    if (FParent) FParent->AlignControls();
}

TColor TControl::Color() const { return FParentColor && FParent ? FParent->Color() : FColor; }

void TControl::SetColor(TColor value)
{
    FParentColor = false;
    if (value == FColor) return;
    FColor = value;
    ColorChanged();
}

void TControl::SetParentColor(bool value)
{
    if (value == FParentColor) return;
    FParentColor = value;
    ColorChanged();
}

const TFont& TControl::EffectiveFont() const { return FParentFont && FParent ? FParent->EffectiveFont() : FFont; }

void TControl::SetParentFont(bool value)
{
    if (value == FParentFont) return;
    FParentFont = value;
    FontChanged();
}

void TControl::SetCaption(const std::string& value)
{
    if (value == FCaption) return;
    FCaption = value;
    Invalidate();
}

void TControl::SetAutoSize(bool value)
{
    if (value == FAutoSize) return;
    FAutoSize = value;
    if (value) SetBounds(FLeft, FTop, FWidth, FHeight);
}

bool TControl::CanAutoSize(int&, int&) { return true; }

std::intptr_t TControl::Perform(unsigned msg, std::intptr_t wParam, std::intptr_t lParam)
{
    TMessage message{msg, wParam, lParam, 0};
    WndProc(message);
    return message.Result;
}

void TControl::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_MOUSEENTER: CMMouseEnter(message); break;
    case CM_MOUSELEAVE: CMMouseLeave(message); break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MOUSEMOVE: HandleMouseMessage(message); break;
    default: break;
    }
}

void TControl::HandleMouseMessage(TMessage& message)
{
    const int x = LParamX(message.LParam), y = LParamY(message.LParam);
    const auto shift = static_cast<TShiftState>(message.WParam);
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
        FClickPending = true;
        MouseDown(mbLeft, shift, x, y);
        break;
    case WM_LBUTTONUP: {
        const bool click = FClickPending && TRect{0, 0, FWidth, FHeight}.Contains({x, y});
        FClickPending = false;
        MouseUp(mbLeft, shift, x, y);
        if (click) Click();
        break;
    }
    case WM_LBUTTONDBLCLK:
        // The second press of a double click is no click of its own.
        FClickPending = false;
        DblClick();
        MouseDown(mbLeft, shift | ssDouble, x, y);
        break;
    case WM_RBUTTONDOWN: MouseDown(mbRight, shift, x, y); break;
    case WM_RBUTTONUP: MouseUp(mbRight, shift, x, y); break;
    case WM_MOUSEMOVE: MouseMove(shift, x, y); break;
    default: break;
    }
}

void TControl::Click()
{
    if (OnClick) OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::CMMouseEnter(TMessage&)
{
    if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::CMMouseLeave(TMessage&)
{
    if (OnMouseLeave) OnMouseLeave(this);
}

void TControl::Invalidate()
{
    ++FInvalidateCount;
    if (Showing()) InvalidateSurface();
}

void TControl::InvalidateSurface()
{
    if (FParent) FParent->InvalidateArea(BoundsRect());
}

void TControl::Repaint()
{
    Invalidate();
    if (FParent) FParent->UpdateNow();
}

void TControl::BringToFront()
{
    if (FParent) FParent->MoveControl(this, FParent->ControlCount() - 1);
}

void TControl::SendToBack()
{
    if (FParent) FParent->MoveControl(this, 0);
}

void TControl::SetOpaque(bool value) { FOpaque = value; }

void TControl::PaintWithCanvas()
{
    ++FPaintCount;
    FCanvas.Font.Assign(EffectiveFont());
    Paint();
}

void TControl::BoundsChanged() {}
void TControl::VisibleChanged() {}
void TControl::FontChanged() { Invalidate(); }
void TControl::ColorChanged() { Invalidate(); }
