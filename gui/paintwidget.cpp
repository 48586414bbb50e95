#include "gui/paintwidget.h"

#include <QPaintEvent>
#include <QPainter>

#include "gui/application.h"
#include "gui/wincontrol.h"

TPaintWidget::TPaintWidget(TWinControl* control, QWidget* parent) : QWidget(parent), FControl(control)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover, false);
}

bool TPaintWidget::event(QEvent* event)
{
    if (event->type() == QEvent::Paint) return QWidget::event(event);
    bool handled = false;
    RunGuarded([&] { handled = FControl->HandleNativeEvent(event); });
    return handled || QWidget::event(event);
}

void TPaintWidget::paintEvent(QPaintEvent* event)
{
    RunGuarded([&] {
        QPainter painter(this);
        FControl->PaintWindow(painter, event->rect());
    });
}
