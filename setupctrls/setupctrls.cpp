#include "setupctrls/setupctrls.h"

#include "gui/componentkind.h"
#include "gui/mainmenu.h"
#include "gui/standardkinds.h"
#include "setupctrls/boardhighlight.h"
#include "setupctrls/boardimage.h"
#include "setupctrls/radiopanel.h"
#include "setupctrls/setupsupporter.h"
#include "setupctrls/twojumper.h"

namespace {

const TIdentValues kHighlightTypes{{"htOptions", htOptions}, {"htSettings", htSettings}, {"htCalibration", htCalibration}};
const TIdentValues kOrientations{{"otUp", otUp}, {"otDown", otDown}, {"otLeft", otLeft}, {"otRight", otRight}};
const TIdentValues kAnchorKinds{{"akLeft", akLeft}, {"akTop", akTop}, {"akRight", akRight}, {"akBottom", akBottom}};
const TIdentValues kBorderStyles{{"bsNone", bsNone}, {"bsSingle", bsSingle}};

void RegisterBoardImage()
{
    TComponentKind::Register<TBoardImage>("TBoardImage", "TWinControl")
        .Reference("First", &TBoardImage::SetFirst)
        .Reference("Menu", &TBoardImage::SetMenu)
        .Boolean("CenterOnForm", &TBoardImage::SetCenterOnForm)
        .Boolean("Scale", &TBoardImage::SetScale)
        .Boolean("AutoSize", &TBoardImage::SetAutoSize)
        .Boolean("Center", &TBoardImage::SetCenter)
        .Boolean("Stretch", &TBoardImage::SetStretch)
        .Boolean("Transparent", &TBoardImage::SetTransparent)
        .Custom<TBoardImage>("Picture", TPropertyType::Binary, [](TBoardImage& image, const TPropertyValue& value) {
            TPicture picture;
            picture.LoadFromData(*value.Bytes);
            image.SetPicture(picture);
        });
}

void RegisterRadioPanel()
{
    auto& kind = TComponentKind::Register<TRadioPanel>("TRadioPanel", "TCustomPanel");
    AddColorAndFont(kind)
        .Boolean("RadioEnabled", &TRadioPanel::SetRadioEnabled)
        .Lines("Lines", &TRadioPanel::Lines)
        .Integer("MemoHeight", &TRadioPanel::SetMemoHeight)
        .Set("FinalAnchors", kAnchorKinds, &TRadioPanel::SetFinalAnchors)
        .Event("OnRadioChange", &TRadioPanel::OnRadioChange)
        .Event("OnActivate", &TRadioPanel::OnActivate)
        .Event("OnDeactivate", &TRadioPanel::OnDeactivate);
}

void RegisterHighlightAndJumper()
{
    TComponentKind::Register<TBoardHighlight>("TBoardHighlight", "TControl")
        .Boolean("CreatePopup", &TBoardHighlight::SetCreatePopup)
        .Enum("HighlightType", kHighlightTypes, &TBoardHighlight::SetHighlightType)
        .Reference("RadioPanel", &TBoardHighlight::SetRadioPanel)
        .String("Title", &TBoardHighlight::SetTitle);
    TComponentKind::Register<TTwoJumper>("TTwoJumper", "TControl")
        .Boolean("Closed", &TTwoJumper::SetClosed)
        .Color("BaseColor", &TTwoJumper::SetBaseColor)
        .Color("PinColor", &TTwoJumper::SetPinColor)
        .Color("JumperColor", &TTwoJumper::SetJumperColor)
        .Enum("Orientation", kOrientations, &TTwoJumper::SetOrientation)
        .Enum("BorderStyle", kBorderStyles, &TTwoJumper::SetBorderStyle);
}

void RegisterSetupSupporter()
{
    TComponentKind::Register<TSetupSupporter>("TSetupSupporter", "TComponent")
        .String("CompanyName", &TSetupSupporter::SetCompanyName)
        .String("CardNameA", &TSetupSupporter::SetCardNameA)
        .String("CardNameB", &TSetupSupporter::SetCardNameB)
        .Boolean("UseCardNameB", &TSetupSupporter::SetUseCardNameB)
        .String("CallHow", &TSetupSupporter::SetCallHow)
        .Boolean("MultiPort", &TSetupSupporter::SetMultiPort)
        .Boolean("bSeries", &TSetupSupporter::SetbSeries);
}

void RegisterOnce()
{
    RegisterStandardKinds();
    RegisterBoardImage();
    RegisterRadioPanel();
    RegisterHighlightAndJumper();
    RegisterSetupSupporter();
}

} // namespace

void RegisterSetupControls()
{
    static const bool registered = (RegisterOnce(), true);
    (void)registered;
}
