#pragma once
#include <QWidget>

class TWinControl;

// The widget of a control that paints itself: its paint and input events go
// to the control.
class TPaintWidget : public QWidget {
public:
    TPaintWidget(TWinControl* control, QWidget* parent);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    TWinControl* FControl;
};
