#include "gui/button.h"

#include <QPushButton>

#include "gui/application.h"
#include "gui/nativeeventfilter.h"

TButton::TButton(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

QPushButton* TButton::Button() const { return static_cast<QPushButton*>(ExistingHandle()); }

QWidget* TButton::CreateWindowHandle(QWidget* parentWidget)
{
    auto* button = new QPushButton(QString::fromStdString(Caption()), parentWidget);
    button->setDefault(FDefault);
    button->setAutoDefault(false);
    button->installEventFilter(new TNativeEventFilter(this, button));
    QObject::connect(button, &QPushButton::clicked, [this] { RunGuarded([this] { TWinControl::Click(); }); });
    return button;
}

void TButton::SetCaption(const std::string& value)
{
    TWinControl::SetCaption(value);
    if (auto* button = Button()) button->setText(QString::fromStdString(value));
}

void TButton::SetDefault(bool value)
{
    FDefault = value;
    if (auto* button = Button()) button->setDefault(value);
}

void TButton::Click() { TWinControl::Click(); }
