#include "gui/memo.h"

#include <QPlainTextEdit>

#include "gui/nativeeventfilter.h"
#include "gui/qtcolor.h"

TMemo::TMemo(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, 185, 89);
    SetTabStop(true);
    FLines.OnChange = [this](TObject*) { ShowLines(); };
}

QPlainTextEdit* TMemo::TextBox() const { return static_cast<QPlainTextEdit*>(ExistingHandle()); }

QWidget* TMemo::CreateWindowHandle(QWidget* parentWidget)
{
    auto* box = new QPlainTextEdit(parentWidget);
    box->installEventFilter(new TNativeEventFilter(this, box));
    return box;
}

void TMemo::HandleCreated()
{
    ShowLines();
    ApplyOptions();
    SetBaseColor(*TextBox(), Color());
}

void TMemo::ShowLines()
{
    if (auto* box = TextBox()) {
        QString text = QString::fromStdString(FLines.Text());
        if (!text.isEmpty()) text.chop(1);
        box->setPlainText(text);
    }
}

void TMemo::SetReadOnly(bool value)
{
    FReadOnly = value;
    ApplyOptions();
}

void TMemo::SetScrollBars(TScrollStyle value)
{
    FScrollBars = value;
    ApplyOptions();
}

void TMemo::SetWordWrap(bool value)
{
    FWordWrap = value;
    ApplyOptions();
}

void TMemo::ApplyOptions()
{
    auto* box = TextBox();
    if (!box) return;
    box->setReadOnly(FReadOnly);
    box->setLineWrapMode(FWordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    const bool vertical = FScrollBars == ssVertical || FScrollBars == ssBoth;
    const bool horizontal = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
    box->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TMemo::ColorChanged()
{
    if (auto* box = TextBox()) SetBaseColor(*box, Color());
    TWinControl::ColorChanged();
}
