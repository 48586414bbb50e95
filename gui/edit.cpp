#include "gui/edit.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "gui/application.h"
#include "gui/nativeeventfilter.h"
#include "gui/qtcolor.h"

TEdit::TEdit(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
}

QLineEdit* TEdit::LineEdit() const { return static_cast<QLineEdit*>(ExistingHandle()); }

QWidget* TEdit::CreateWindowHandle(QWidget* parentWidget)
{
    auto* edit = new QLineEdit(QString::fromStdString(FText), parentWidget);
    if (FMaxLength > 0) edit->setMaxLength(FMaxLength);
    edit->setReadOnly(FReadOnly);
    SetBaseColor(*edit, Color());
    edit->installEventFilter(new TNativeEventFilter(this, edit));
    QObject::connect(edit, &QLineEdit::textEdited, [this] { RunGuarded([this] { TakeTextFromWidget(); }); });
    return edit;
}

void TEdit::SetText(const std::string& value)
{
    if (value == FText) return;
    FText = value;
    if (auto* edit = LineEdit()) {
        const QSignalBlocker quiet(edit);
        edit->setText(QString::fromStdString(value));
    }
    Changed();
}

void TEdit::SetMaxLength(int value)
{
    FMaxLength = value;
    if (auto* edit = LineEdit()) edit->setMaxLength(value > 0 ? value : 32767);
}

void TEdit::SetReadOnly(bool value)
{
    FReadOnly = value;
    if (auto* edit = LineEdit()) edit->setReadOnly(value);
}

void TEdit::SelectAll()
{
    if (auto* edit = LineEdit()) edit->selectAll();
}

void TEdit::TakeTextFromWidget()
{
    const auto text = LineEdit()->text().toStdString();
    if (text == FText) return;
    FText = text;
    Changed();
}

void TEdit::Changed()
{
    if (OnChange && !Loading()) OnChange(this);
}

void TEdit::ColorChanged()
{
    if (auto* edit = LineEdit()) SetBaseColor(*edit, Color());
    TWinControl::ColorChanged();
}

bool TEdit::HandleNativeEvent(QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !OnKeyPress) return TWinControl::HandleNativeEvent(event);
    const auto& keyEvent = static_cast<const QKeyEvent&>(*event);
    const QString typed = keyEvent.text();
    if (typed.size() != 1 || typed[0].unicode() > 0x7F || (keyEvent.modifiers() & Qt::ControlModifier)) return false;
    const char original = static_cast<char>(typed[0].unicode());
    char key = original;
    OnKeyPress(this, key);
    if (key == original) return false;
    // The handler changed the key: type its character instead.
    auto* edit = LineEdit();
    if (key == '\b') edit->backspace();
    else if (key >= ' ') edit->insert(QString(QChar(key)));
    TakeTextFromWidget();
    return true;
}
