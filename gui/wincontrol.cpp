#include "gui/wincontrol.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "gui/application.h"
#include "gui/paintwidget.h"
#include "gui/qtcolor.h"

namespace {

TShiftState ShiftOf(const QMouseEvent& event)
{
    TShiftState shift = 0;
    if (event.modifiers() & Qt::ShiftModifier) shift |= ssShift;
    if (event.modifiers() & Qt::ControlModifier) shift |= ssCtrl;
    if (event.modifiers() & Qt::AltModifier) shift |= ssAlt;
    if (event.buttons() & Qt::LeftButton) shift |= ssLeft;
    if (event.buttons() & Qt::RightButton) shift |= ssRight;
    return shift;
}

unsigned MouseMessageOf(const QMouseEvent& event)
{
    const bool right = event.button() == Qt::RightButton;
    switch (event.type()) {
    case QEvent::MouseButtonPress: return right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN;
    case QEvent::MouseButtonRelease: return right ? WM_RBUTTONUP : WM_LBUTTONUP;
    case QEvent::MouseButtonDblClick: return right ? WM_RBUTTONDOWN : WM_LBUTTONDBLCLK;
    default: return WM_MOUSEMOVE;
    }
}

} // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl()
{
    MarkDestroying();
    // Owned components go first, while this window still stands; then the
    // children that others own, then the widget itself.
    DestroyComponents();
    while (!FControls.empty()) FControls.back()->SetParent(nullptr);
    DestroyHandle();
}

int TWinControl::IndexOfControl(const TControl* control) const
{
    const auto it = std::find(FControls.begin(), FControls.end(), control);
    return it == FControls.end() ? -1 : static_cast<int>(it - FControls.begin());
}

void TWinControl::HandleNeeded()
{
    if (FHandle) return;
    QWidget* parentWidget = nullptr;
    if (Parent()) {
        Parent()->HandleNeeded();
        parentWidget = Parent()->ClientHandle();
    }
    FHandle = CreateWindowHandle(parentWidget);
    FHandle->setFont(EffectiveFont().ToQFont());
    FHandle->setEnabled(Enabled());
    ApplyBoundsToHandle();
    FLastClientWidth = ClientWidth();
    FLastClientHeight = ClientHeight();
    HandleCreated();
    CreateChildHandles();
    if (Parent()) FHandle->setVisible(Visible());
}

QWidget* TWinControl::Handle()
{
    HandleNeeded();
    return FHandle;
}

QWidget* TWinControl::CreateWindowHandle(QWidget* parentWidget) { return new TPaintWidget(this, parentWidget); }

void TWinControl::CreateChildHandles()
{
    for (auto* control : FControls)
        if (auto* child = dynamic_cast<TWinControl*>(control); child && child->Visible()) child->HandleNeeded();
    std::vector<TWinControl*> tabbed;
    for (auto* control : FControls)
        if (auto* child = dynamic_cast<TWinControl*>(control); child && child->HandleAllocated()) tabbed.push_back(child);
    std::stable_sort(tabbed.begin(), tabbed.end(),
                     [](const TWinControl* a, const TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
    for (std::size_t i = 1; i < tabbed.size(); ++i)
        QWidget::setTabOrder(tabbed[i - 1]->FHandle, tabbed[i]->FHandle);
}

void TWinControl::DestroyHandle()
{
    if (!FHandle) return;
    for (auto* control : FControls)
        if (auto* child = dynamic_cast<TWinControl*>(control)) child->DestroyHandle();
    auto* handle = FHandle;
    FHandle = nullptr;
    handle->hide();
    delete handle;
}

bool TWinControl::CanFocus() const { return Visible() && Enabled() && (!Parent() || Parent()->CanFocus()); }

bool TWinControl::Focused() const { return FHandle && FHandle->hasFocus(); }

void TWinControl::SetFocus()
{
    HandleNeeded();
    FHandle->setFocus(Qt::OtherFocusReason);
}

void TWinControl::InsertControl(TControl* control)
{
    FControls.push_back(control);
    if (auto* child = dynamic_cast<TWinControl*>(control)) {
        if (child->FHandle && FHandle) {
            child->FHandle->setParent(ClientHandle());
            child->ApplyBoundsToHandle();
            child->FHandle->setVisible(child->Visible());
        } else if (child->FHandle) {
            child->DestroyHandle();
        } else if (FHandle && child->Visible()) {
            child->HandleNeeded();
        }
    }
    if (control->Align() != alNone) AlignControls();
    control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control)
{
    if (control == FMouseControl) FMouseControl = nullptr;
    if (control == FCaptureControl) FCaptureControl = nullptr;
    if (control->Visible()) InvalidateArea(control->BoundsRect());
    std::erase(FControls, control);
    // A widget without parent would be a window of its own: keep it hidden
    // until the control finds a new parent.
    if (auto* child = dynamic_cast<TWinControl*>(control); child && child->FHandle && !Destroying()) {
        child->FHandle->hide();
        child->FHandle->setParent(nullptr);
    }
}

void TWinControl::MoveControl(TControl* control, int index)
{
    const int from = IndexOfControl(control);
    if (from < 0) return;
    index = std::clamp(index, 0, ControlCount() - 1);
    FControls.erase(FControls.begin() + from);
    FControls.insert(FControls.begin() + index, control);
    if (auto* child = dynamic_cast<TWinControl*>(control); child && child->FHandle) {
        if (index == ControlCount() - 1) child->FHandle->raise();
        else if (index == 0) child->FHandle->lower();
    }
    control->Invalidate();
}

void TWinControl::InvalidateArea(const TRect& rect)
{
    if (auto* client = ClientHandle()) client->update(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()));
}

void TWinControl::UpdateNow()
{
    if (auto* client = ClientHandle(); client && client->isVisible()) client->repaint();
}

void TWinControl::InvalidateSurface()
{
    if (FHandle) FHandle->update();
    else TControl::InvalidateSurface();
}

void TWinControl::AlignControls()
{
    TRect rest = ClientRect();
    for (auto* control : FControls) {
        if (!control->Visible() || control->Align() == alNone) continue;
        switch (control->Align()) {
        case alTop:
            control->SetBounds(rest.Left, rest.Top, rest.Width(), control->Height());
            rest.Top += control->Height();
            break;
        case alBottom:
            control->SetBounds(rest.Left, rest.Bottom - control->Height(), rest.Width(), control->Height());
            rest.Bottom -= control->Height();
            break;
        case alLeft:
            control->SetBounds(rest.Left, rest.Top, control->Width(), rest.Height());
            rest.Left += control->Width();
            break;
        case alRight:
            control->SetBounds(rest.Right - control->Width(), rest.Top, control->Width(), rest.Height());
            rest.Right -= control->Width();
            break;
        default: control->SetBounds(rest.Left, rest.Top, rest.Width(), rest.Height()); break;
        }
    }
}

void TWinControl::BoundsChanged() { ApplyBoundsToHandle(); }

void TWinControl::ApplyBoundsToHandle()
{
    if (FHandle) FHandle->setGeometry(Left(), Top(), Width(), Height());
    ClientResized();
}

void TWinControl::ClientResized()
{
    const int width = ClientWidth(), height = ClientHeight();
    if (width == FLastClientWidth && height == FLastClientHeight) return;
    FLastClientWidth = width;
    FLastClientHeight = height;
    for (auto* control : FControls) control->FollowAnchors(width, height);
    AlignControls();
}

void TWinControl::VisibleChanged()
{
    if (!Parent() || !Parent()->HandleAllocated()) return;
    if (Visible()) HandleNeeded();
    if (FHandle) FHandle->setVisible(Visible());
}

void TWinControl::FontChanged()
{
    if (FHandle) FHandle->setFont(EffectiveFont().ToQFont());
    for (auto* control : FControls)
        if (control->ParentFont()) control->FontChanged();
    Invalidate();
}

void TWinControl::ColorChanged()
{
    for (auto* control : FControls)
        if (control->ParentColor()) control->ColorChanged();
    Invalidate();
}

TControl* TWinControl::GraphicControlAt(TPoint point) const
{
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        auto* control = *it;
        if (dynamic_cast<TWinControl*>(control) || !control->Visible() || !control->Enabled()) continue;
        if (control->BoundsRect().Contains(point)) return control;
    }
    return nullptr;
}

void TWinControl::PaintSelfTo(QPainter& painter, int dx, int dy)
{
    painter.save();
    painter.translate(dx, dy);
    if (!Opaque()) painter.fillRect(QRect(0, 0, ClientWidth(), ClientHeight()), ToQColor(Color()));
    Canvas().Attach(&painter);
    PaintWithCanvas();
    Canvas().Detach();
    painter.restore();
}

void TWinControl::PaintWindow(QPainter& painter, const QRect& area)
{
    painter.setClipRect(area);
    PaintSelfTo(painter, 0, 0);
    PaintGraphicChildren(painter, area);
}

void TWinControl::PaintGraphicChildren(QPainter& painter, const QRect& area)
{
    // A child may move or resize itself while it paints, so walk a copy.
    const auto children = FControls;
    for (auto* control : children) {
        if (dynamic_cast<TWinControl*>(control) || !control->Visible() || IndexOfControl(control) < 0) continue;
        const QRect bounds(control->Left(), control->Top(), control->Width(), control->Height());
        if (!bounds.intersects(area)) continue;
        painter.save();
        painter.setClipRect(bounds.intersected(area));
        painter.translate(bounds.topLeft());
        control->Canvas().Attach(&painter);
        control->PaintWithCanvas();
        control->Canvas().Detach();
        painter.restore();
    }
}

void TWinControl::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_ENTER: DoEnter(); break;
    case CM_EXIT: DoExit(); break;
    default: TControl::WndProc(message); break;
    }
}

void TWinControl::DoEnter()
{
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit) OnExit(this);
}

bool TWinControl::HandleNativeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: DispatchMouse(event); return true;
    case QEvent::Enter: Perform(CM_MOUSEENTER); return false;
    case QEvent::Leave:
        TrackMouseControl(nullptr);
        Perform(CM_MOUSELEAVE);
        return false;
    case QEvent::FocusIn: Perform(CM_ENTER); return false;
    case QEvent::FocusOut: Perform(CM_EXIT); return false;
    default: return false;
    }
}

void TWinControl::DispatchMouse(QEvent* event)
{
    const auto& mouse = static_cast<const QMouseEvent&>(*event);
    const TPoint point{static_cast<int>(mouse.position().x()), static_cast<int>(mouse.position().y())};
    auto* under = GraphicControlAt(point);
    if (event->type() == QEvent::MouseMove) TrackMouseControl(under);
    TControl* target = FCaptureControl ? FCaptureControl : (under ? under : this);
    const unsigned msg = MouseMessageOf(mouse);
    if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) FCaptureControl = target == this ? nullptr : target;
    if (msg == WM_LBUTTONUP) FCaptureControl = nullptr;
    const int x = target == this ? point.X : point.X - target->Left();
    const int y = target == this ? point.Y : point.Y - target->Top();
    target->Perform(msg, static_cast<std::intptr_t>(ShiftOf(mouse)), PointToLParam(x, y));
}

void TWinControl::TrackMouseControl(TControl* control)
{
    if (control == FMouseControl) return;
    auto* previous = FMouseControl;
    FMouseControl = control;
    if (previous) previous->Perform(CM_MOUSELEAVE);
    if (control) control->Perform(CM_MOUSEENTER);
}
