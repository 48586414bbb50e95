#pragma once
#include <functional>
#include <string>

#include "gui/canvas.h"
#include "gui/color.h"
#include "gui/component.h"
#include "gui/font.h"
#include "gui/geometry.h"
#include "gui/messages.h"

class TWinControl;

enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;
enum TAlign : unsigned char { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TMouseButton : unsigned char { mbLeft, mbRight, mbMiddle };
enum TShiftFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssDouble = 64 };
using TShiftState = unsigned;
enum TCursor : int { crDefault = 0, crArrow = -2, crHandPoint = -21 };

using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;

// Limits on a control's size; 0 means no limit.
struct TSizeConstraints {
    int MinWidth = 0;
    int MinHeight = 0;
    int MaxWidth = 0;
    int MaxHeight = 0;
};

// A visible part of a window. Its Parent, the window that shows it, is
// separate from its Owner, the component that frees it.
class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    std::string ClassName() const override { return "TControl"; }

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* value);

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
    void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
    void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
    void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    virtual int ClientWidth() const { return FWidth; }
    virtual int ClientHeight() const { return FHeight; }
    TRect ClientRect() const { return {0, 0, ClientWidth(), ClientHeight()}; }
    // Where the control's client origin lies on its top-level window.
    TPoint ClientOriginOnWindow() const;

    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent up to a shown top-level window is too.
    virtual bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool value);

    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors value);
    // Moves and sizes the control so that its anchored edges keep their
    // distance to a parent whose client area now has this size.
    void FollowAnchors(int parentWidth, int parentHeight);
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign value);
    TSizeConstraints& Constraints() { return FConstraints; }
    void SetConstraints(const TSizeConstraints& value);

    TColor Color() const;
    virtual void SetColor(TColor value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    // The control's own font; the font it draws with follows the parent's
    // while ParentFont is set.
    TFont& Font() { return FFont; }
    const TFont& EffectiveFont() const;
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);

    const std::string& Caption() const { return FCaption; }
    virtual void SetCaption(const std::string& value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value) { FHint = value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value) { FShowHint = value; }
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool value) { FParentShowHint = value; }
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int value) { FHelpContext = value; }
    int Cursor() const { return FCursor; }
    virtual void SetCursor(int value) { FCursor = value; }

    bool AutoSize() const { return FAutoSize; }
    virtual void SetAutoSize(bool value);
    // Lets a control adjust a requested size to its content.
    virtual bool CanAutoSize(int& newWidth, int& newHeight);
    // Whether requested sizes pass through CanAutoSize now.
    virtual bool AutoSizeActive() const { return !Loading(); }

    // Synchronous message to this control's handler table.
    std::intptr_t Perform(unsigned msg, std::intptr_t wParam = 0, std::intptr_t lParam = 0);
    virtual void WndProc(TMessage& message);

    void Invalidate();
    // Invalidates and paints at once.
    void Repaint();
    void BringToFront();
    void SendToBack();

    // A control that covers its whole area: nothing behind it is painted.
    bool Opaque() const { return FOpaque; }
    void SetOpaque(bool value);

    // How often the control asked to be painted again, and was painted.
    int InvalidateCount() const { return FInvalidateCount; }
    int PaintCount() const { return FPaintCount; }

    TCanvas& Canvas() { return FCanvas; }
    // The layer calls this with the canvas attached to the paint's surface.
    void PaintWithCanvas();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;

protected:
    virtual void Paint() {}
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void CMMouseEnter(TMessage& message);
    virtual void CMMouseLeave(TMessage& message);
    // The new bounds are in place; windows move their handle here.
    virtual void BoundsChanged();
    virtual void VisibleChanged();
    virtual void FontChanged();
    virtual void ColorChanged();
    // Invalidates the control's area on the surface it is drawn on.
    virtual void InvalidateSurface();
    void ApplyConstraints(int& width, int& height) const;
    friend class TWinControl;

private:
    void HandleMouseMessage(TMessage& message);
    void TakeAnchorOrigin();

    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    bool FVisible = true;
    bool FEnabled = true;
    TAnchors FAnchors = akLeft | akTop;
    TAlign FAlign = alNone;
    TSizeConstraints FConstraints;
    TColor FColor = clWindow;
    bool FParentColor = false;
    TFont FFont;
    bool FParentFont = true;
    std::string FCaption;
    std::string FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    int FHelpContext = 0;
    int FCursor = crDefault;
    bool FAutoSize = false;
    bool FOpaque = false;
    bool FClickPending = false;  // the left button went down on this control
    int FInvalidateCount = 0;
    int FPaintCount = 0;
    TCanvas FCanvas;
    // Parent client size and own bounds when the anchors were last taken,
    // so that right and bottom anchors keep their distances.
    TRect FAnchorBounds;
    bool FAnchoring = false;
    int FAnchorParentWidth = 0;
    int FAnchorParentHeight = 0;
};
