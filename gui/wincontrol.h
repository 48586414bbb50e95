#pragma once
#include <vector>

#include "gui/control.h"

class QEvent;
class QPainter;
class QRect;
class QWidget;

// A control with a window of its own (its Qt widget, the handle), created
// when it is first shown. It holds child controls: windowed children get
// widgets of their own inside it, graphic children are painted on its
// surface after its own painting, in child order.
class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    std::string ClassName() const override { return "TWinControl"; }

    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* Controls(int index) const { return FControls.at(static_cast<std::size_t>(index)); }
    int IndexOfControl(const TControl* control) const;

    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded();
    // The window handle; creates it when it does not exist yet.
    QWidget* Handle();
    // The widget that holds the child controls' widgets and surface.
    virtual QWidget* ClientHandle() const { return FHandle; }

    int TabOrder() const { return FTabOrder; }
    void SetTabOrder(int value) { FTabOrder = value; }
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value) { FTabStop = value; }
    bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    // Used by child controls and by the layer's event translation.
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void MoveControl(TControl* control, int index);
    void InvalidateArea(const TRect& rect);
    void UpdateNow();
    void AlignControls();
    // The topmost enabled, visible graphic child at a client point.
    TControl* GraphicControlAt(TPoint point) const;
    virtual void PaintWindow(QPainter& painter, const QRect& area);
    // Paints this control's own drawing, without children, offset by (dx, dy).
    void PaintSelfTo(QPainter& painter, int dx, int dy);
    // Translates a Qt event for this control's widget into messages; returns
    // whether the event has been dealt with.
    virtual bool HandleNativeEvent(QEvent* event);
    bool AutoSizeActive() const override { return HandleAllocated(); }
    void WndProc(TMessage& message) override;

protected:
    QWidget* ExistingHandle() const { return FHandle; }
    // Creates the Qt widget inside parentWidget (null for a top-level window).
    virtual QWidget* CreateWindowHandle(QWidget* parentWidget);
    // The widget exists and has its geometry; set it up further here.
    virtual void HandleCreated() {}
    void BoundsChanged() override;
    void VisibleChanged() override;
    void FontChanged() override;
    void ColorChanged() override;
    void InvalidateSurface() override;
    virtual void ClientResized();
    virtual void DoEnter();
    virtual void DoExit();
    // Makes the control's widget follow its bounds.
    virtual void ApplyBoundsToHandle();

private:
    void CreateChildHandles();
    void DestroyHandle();
    void DispatchMouse(QEvent* event);
    void TrackMouseControl(TControl* control);
    void PaintGraphicChildren(QPainter& painter, const QRect& area);

    std::vector<TControl*> FControls;
    QWidget* FHandle = nullptr;
    int FTabOrder = -1;
    bool FTabStop = false;
    TControl* FMouseControl = nullptr;    // the graphic child the mouse is over
    TControl* FCaptureControl = nullptr;  // takes the mouse while a button is held
    int FLastClientWidth = 0;
    int FLastClientHeight = 0;
};
