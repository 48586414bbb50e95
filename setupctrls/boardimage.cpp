#include "setupctrls/boardimage.h"

#include "setupctrls/boardhighlight.h"

TBoardImage::TBoardImage(TComponent* owner) : TCustomPanel(owner)
{
    FSetCaptionFromName = false;
    FPicture.OnChange = [this](TObject*) { HandlePictureChange(); };
    SetHeight(105);
    SetWidth(105);
    SetAutoSize(true);
}

void TBoardImage::SetScale(bool value)
{
    if (value == FScale) return;
    FScale = value;
    HandlePictureChange();
}

void TBoardImage::SetCenter(bool value)
{
    if (value == FCenter) return;
    FCenter = value;
    HandlePictureChange();
}

void TBoardImage::SetStretch(bool value)
{
    if (value == FStretch) return;
    FStretch = value;
    HandlePictureChange();
}

void TBoardImage::SetTransparent(bool value)
{
    if (value == FTransparent) return;
    FTransparent = value;
    HandlePictureChange();
}

void TBoardImage::HandlePictureChange()
{
    if (AutoSize() && FPicture.Width() > 0 && FPicture.Height() > 0)
        SetBounds(Left(), Top(), FPicture.Width(), FPicture.Height());
    if (auto* graphic = FPicture.Graphic()) {
        if (graphic->ClassName() != "TMetafile" && graphic->ClassName() != "TIcon") graphic->SetTransparent(FTransparent);
        SetOpaque(!graphic->Transparent() &&
                  (FStretch || (graphic->Width() >= Width() && graphic->Height() >= Height())));
        if (RequestPaletteRealize() && FPaintInProgress) Repaint();
    } else {
        SetOpaque(false);
    }
    if (!FPaintInProgress) Invalidate();
}

bool TBoardImage::RequestPaletteRealize()
{
    auto* graphic = FPicture.Graphic();
    if (!Visible() || Loading() || !graphic || !graphic->PaletteModified()) return false;
    if (graphic->Palette() == 0) graphic->SetPaletteModified(false);
    return false;
}

std::uintptr_t TBoardImage::GetPalette() const
{
    auto* graphic = FPicture.Graphic();
    return graphic ? graphic->Palette() : 0;
}

TRect TBoardImage::PictureRect() const
{
    if (FStretch) return {0, 0, Width(), Height()};
    const int width = FPicture.Width(), height = FPicture.Height();
    if (FCenter) return Bounds((Width() - width) / 2, (Height() - height) / 2, width, height);
    return {0, 0, width, height};
}

bool TBoardImage::CanAutoSize(int& newWidth, int& newHeight)
{
    // Without a picture there is no size to keep.
    if (FPicture.Width() <= 0 || FPicture.Height() <= 0) return true;
    if (Align() == alNone || Align() == alLeft || Align() == alRight) newWidth = FPicture.Width();
    if (Align() == alNone || Align() == alTop || Align() == alBottom) newHeight = FPicture.Height();
    return true;
}

void TBoardImage::Paint()
{
    if (!FPositionRecorded) {
        FDesignLeft = Left();
        FDesignTop = Top();
        FPositionRecorded = true;
    }
    if (FCenterOnForm && Parent()) {
        SetLeft((Parent()->Width() - Width()) / 2);
        SetTop((Parent()->Height() - Height()) / 2);
    }
    const bool wasPainting = FPaintInProgress;
    FPaintInProgress = true;
    try {
        if (auto* graphic = FPicture.Graphic()) Canvas().StretchDraw(PictureRect(), *graphic);
    } catch (...) {
        FPaintInProgress = wasPainting;
        throw;
    }
    FPaintInProgress = wasPainting;
}

void TBoardImage::WndProc(TMessage& message)
{
    if (message.Msg == WM_OPENFIRSTPOPUP) WMOpenFirstPopup(message);
    else TCustomPanel::WndProc(message);
}

void TBoardImage::WMOpenFirstPopup(TMessage& message)
{
    if (!FFirst) return;
    FFirst->CMMouseEnter(message);
    FFirst->Click();
    FFirst->CMMouseLeave(message);
}
