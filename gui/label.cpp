#include "gui/label.h"

#include <QFontMetrics>
#include <QString>

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner)
{
    SetBounds(0, 0, 65, 17);
    SetParentColor(true);
    TControl::SetAutoSize(true);
}

void TLabel::SetCaption(const std::string& value)
{
    TControl::SetCaption(value);
    AdjustSize();
}

void TLabel::SetAlignment(TAlignment value)
{
    if (value == FAlignment) return;
    FAlignment = value;
    Invalidate();
}

void TLabel::SetTransparent(bool value)
{
    if (value == FTransparent) return;
    FTransparent = value;
    Invalidate();
}

void TLabel::SetWordWrap(bool value)
{
    if (value == FWordWrap) return;
    FWordWrap = value;
    AdjustSize();
    Invalidate();
}

void TLabel::SetAutoSize(bool value)
{
    TControl::SetAutoSize(value);
    AdjustSize();
}

void TLabel::FontChanged()
{
    TGraphicControl::FontChanged();
    AdjustSize();
}

void TLabel::AdjustSize()
{
    if (!AutoSize() || Loading() || FWordWrap) return;
    const QFontMetrics metrics(EffectiveFont().ToQFont());
    QString text = QString::fromStdString(Caption());
    text.remove(QLatin1Char('&'));
    SetBounds(Left(), Top(), metrics.horizontalAdvance(text), metrics.height());
}

void TLabel::Paint()
{
    auto& canvas = Canvas();
    if (!FTransparent) {
        canvas.Brush = {Color(), bsSolid};
        canvas.FillRect(ClientRect());
    }
    canvas.TextRect(ClientRect(), Caption(), FAlignment);
}
