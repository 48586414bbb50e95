#pragma once
#include <cstdint>

#include "gui/custompanel.h"
#include "gui/picture.h"

class TBoardHighlight;
class TMainMenu;

// Sent by the help window's Start button: open and pin the first popup.
constexpr unsigned WM_OPENFIRSTPOPUP = WM_USER + 162;

// The photograph of the board, and the container of the highlight circles
// over it. It keeps itself centred on the main window, remembers where the
// description placed it (popups are placed relative to that spot), and
// names the menu the circles extend and the circle the tour begins with.
class TBoardImage : public TCustomPanel {
public:
    explicit TBoardImage(TComponent* owner);
    std::string ClassName() const override { return "TBoardImage"; }

    TBoardHighlight* First() const { return FFirst; }
    void SetFirst(TBoardHighlight* value) { FFirst = value; }
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* value) { FMenu = value; }
    bool CenterOnForm() const { return FCenterOnForm; }
    void SetCenterOnForm(bool value) { FCenterOnForm = value; }
    bool Scale() const { return FScale; }
    void SetScale(bool value);
    bool Center() const { return FCenter; }
    void SetCenter(bool value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    TPicture& Picture() { return FPicture; }
    // Copies the given picture; the image keeps its own.
    void SetPicture(const TPicture& value) { FPicture.Assign(value); }

    int DesignLeft() const { return FDesignLeft; }
    int DesignTop() const { return FDesignTop; }
    // Where the picture is drawn, in the image's own coordinates.
    TRect PictureRect() const;
    // Whether a palette realisation was asked of the form; displays here have
    // no palette, so this only clears the graphic's mark.
    bool RequestPaletteRealize();
    std::uintptr_t GetPalette() const;
    bool CanAutoSize(int& newWidth, int& newHeight) override;

    void WndProc(TMessage& message) override;
    void WMOpenFirstPopup(TMessage& message);

protected:
    void Paint() override;

private:
    void HandlePictureChange();

    TPicture FPicture;
    TBoardHighlight* FFirst = nullptr;
    TMainMenu* FMenu = nullptr;
    bool FCenterOnForm = true;
    bool FScale = true;
    bool FCenter = false;
    bool FStretch = false;
    bool FTransparent = false;
    int FDesignLeft = 0;
    int FDesignTop = 0;
    bool FPositionRecorded = false;
    bool FPaintInProgress = false;
};
