#pragma once
#include <QObject>

class TWinControl;

// Watches a standard Qt widget (edit box, button, ...) and tells its control
// what happened, without taking the events away from the widget.
class TNativeEventFilter : public QObject {
public:
    TNativeEventFilter(TWinControl* control, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TWinControl* FControl;
};
