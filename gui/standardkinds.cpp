#include "gui/standardkinds.h"

#include "gui/button.h"
#include "gui/combobox.h"
#include "gui/componentkind.h"
#include "gui/custompanel.h"
#include "gui/edit.h"
#include "gui/form.h"
#include "gui/jpegimage.h"
#include "gui/label.h"
#include "gui/mainmenu.h"
#include "gui/memo.h"

namespace {

const TIdentValues kAligns{{"alNone", alNone}, {"alTop", alTop},     {"alBottom", alBottom},
                           {"alLeft", alLeft}, {"alRight", alRight}, {"alClient", alClient}};
const TIdentValues kAnchors{{"akLeft", akLeft}, {"akTop", akTop}, {"akRight", akRight}, {"akBottom", akBottom}};
const TIdentValues kCursors{{"crDefault", crDefault}, {"crArrow", crArrow}, {"crHandPoint", crHandPoint}};
const TIdentValues kFontStyles{{"fsBold", fsBold}, {"fsItalic", fsItalic}, {"fsUnderline", fsUnderline},
                               {"fsStrikeOut", fsStrikeOut}};
const TIdentValues kCharsets{{"ANSI_CHARSET", ANSI_CHARSET}, {"DEFAULT_CHARSET", DEFAULT_CHARSET}};
const TIdentValues kAlignments{{"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify},
                               {"taCenter", taCenter}};
const TIdentValues kBevels{{"bvNone", bvNone}, {"bvLowered", bvLowered}, {"bvRaised", bvRaised}, {"bvSpace", bvSpace}};
const TIdentValues kBorderStyles{{"bsNone", bsNone}, {"bsSingle", bsSingle}};
const TIdentValues kFormBorderStyles{{"bsNone", bsNone},     {"bsSingle", bsSingle},         {"bsSizeable", bsSizeable},
                                     {"bsDialog", bsDialog}, {"bsToolWindow", bsToolWindow}, {"bsSizeToolWin", bsSizeToolWin}};
const TIdentValues kWindowStates{{"wsNormal", wsNormal}, {"wsMinimized", wsMinimized}, {"wsMaximized", wsMaximized}};
const TIdentValues kFormStyles{{"fsNormal", fsNormal}, {"fsStayOnTop", fsStayOnTop}};
const TIdentValues kPositions{{"poDesigned", poDesigned},           {"poDefault", poDefault},
                              {"poDefaultPosOnly", poDefaultPosOnly}, {"poDefaultSizeOnly", poDefaultSizeOnly},
                              {"poScreenCenter", poScreenCenter},   {"poDesktopCenter", poDesktopCenter},
                              {"poMainFormCenter", poMainFormCenter}, {"poOwnerFormCenter", poOwnerFormCenter}};
const TIdentValues kComboStyles{{"csDropDown", csDropDown}, {"csSimple", csSimple}, {"csDropDownList", csDropDownList}};
const TIdentValues kScrollStyles{{"ssNone", ssNone}, {"ssHorizontal", ssHorizontal}, {"ssVertical", ssVertical},
                                 {"ssBoth", ssBoth}};

void SetConstraint(TControl& control, int TSizeConstraints::*limit, int value)
{
    auto constraints = control.Constraints();
    constraints.*limit = value;
    control.SetConstraints(constraints);
}

void RegisterControl()
{
    auto& kind = TComponentKind::Register("TControl", "TComponent");
    kind.Integer("Left", &TControl::SetLeft)
        .Integer("Top", &TControl::SetTop)
        .Integer("Width", &TControl::SetWidth)
        .Integer("Height", &TControl::SetHeight)
        .Boolean("Visible", &TControl::SetVisible)
        .Boolean("Enabled", &TControl::SetEnabled)
        .String("Hint", &TControl::SetHint)
        .Boolean("ShowHint", &TControl::SetShowHint)
        .Boolean("ParentShowHint", &TControl::SetParentShowHint)
        .Integer("HelpContext", &TControl::SetHelpContext)
        .Enum("Align", kAligns, &TControl::SetAlign)
        .Set("Anchors", kAnchors, &TControl::SetAnchors)
        .Event("OnClick", &TControl::OnClick)
        .Event("OnDblClick", &TControl::OnDblClick)
        .Event("OnMouseDown", &TControl::OnMouseDown)
        .Event("OnMouseMove", &TControl::OnMouseMove)
        .Event("OnMouseUp", &TControl::OnMouseUp)
        .Event("OnResize", &TControl::OnResize)
        .Ignored("PopupMenu", TPropertyType::Reference);
    kind.Custom<TControl>(
        "Cursor", TPropertyType::Integer,
        [](TControl& c, const TPropertyValue& v) { c.SetCursor(TComponentKind::CheckedInt(v.Integer)); }, kCursors);
    const std::pair<const char*, int TSizeConstraints::*> limits[] = {{"Constraints.MinWidth", &TSizeConstraints::MinWidth},
                                                                     {"Constraints.MinHeight", &TSizeConstraints::MinHeight},
                                                                     {"Constraints.MaxWidth", &TSizeConstraints::MaxWidth},
                                                                     {"Constraints.MaxHeight", &TSizeConstraints::MaxHeight}};
    for (const auto& entry : limits)
        kind.Custom<TControl>(entry.first, TPropertyType::Integer, [limit = entry.second](TControl& c, const TPropertyValue& v) {
            SetConstraint(c, limit, TComponentKind::CheckedInt(v.Integer));
        });
}

void RegisterStandardKindsOnce()
{
    TComponentKind::Register("TComponent", "").Integer("Tag", &TComponent::SetTag);
    RegisterControl();
    TComponentKind::Register("TWinControl", "TControl")
        .Integer("TabOrder", &TWinControl::SetTabOrder)
        .Boolean("TabStop", &TWinControl::SetTabStop)
        .Event("OnEnter", &TWinControl::OnEnter)
        .Event("OnExit", &TWinControl::OnExit);

    AddColorAndFont(TComponentKind::Register("TForm", "TWinControl"))
        .String("Caption", &TForm::SetCaption)
        .Reference("Menu", &TForm::SetMenu)
        .Enum("WindowState", kWindowStates, &TForm::SetWindowState)
        .Enum("BorderStyle", kFormBorderStyles, &TForm::SetBorderStyle)
        .Enum("FormStyle", kFormStyles, &TForm::SetFormStyle)
        .Enum("Position", kPositions, &TForm::SetPosition)
        .Boolean("VertScrollBar.Visible", &TForm::SetVertScrollBarVisible)
        .Boolean("HorzScrollBar.Visible", &TForm::SetHorzScrollBarVisible)
        .Boolean("OldCreateOrder", &TForm::SetOldCreateOrder)
        .Integer("PixelsPerInch", &TForm::SetPixelsPerInch)
        .Integer("TextHeight", &TForm::SetTextHeight)
        .Integer("ClientWidth", &TForm::SetClientWidth)
        .Integer("ClientHeight", &TForm::SetClientHeight)
        .Event("OnCreate", &TForm::OnCreate)
        .Event("OnActivate", &TForm::OnActivate)
        .Event("OnDeactivate", &TForm::OnDeactivate)
        .Event("OnShow", &TForm::OnShow)
        .Event("OnClose", &TForm::OnClose);

    AddColorAndFont(TComponentKind::Register<TLabel>("TLabel", "TControl"))
        .String("Caption", &TLabel::SetCaption)
        .Enum("Alignment", kAlignments, &TLabel::SetAlignment)
        .Boolean("AutoSize", &TLabel::SetAutoSize)
        .Boolean("Transparent", &TLabel::SetTransparent)
        .Boolean("WordWrap", &TLabel::SetWordWrap);
    AddColorAndFont(TComponentKind::Register<TEdit>("TEdit", "TWinControl"))
        .String("Text", &TEdit::SetText)
        .Integer("MaxLength", &TEdit::SetMaxLength)
        .Boolean("ReadOnly", &TEdit::SetReadOnly)
        .Event("OnChange", &TEdit::OnChange)
        .Event("OnKeyPress", &TEdit::OnKeyPress);
    AddColorAndFont(TComponentKind::Register<TComboBox>("TComboBox", "TWinControl"))
        .Lines("Items", &TComboBox::Items)
        .Integer("ItemIndex", &TComboBox::SetItemIndex)
        .Integer("ItemHeight", &TComboBox::SetItemHeight)
        .Integer("DropDownCount", &TComboBox::SetDropDownCount)
        .Enum("Style", kComboStyles, &TComboBox::SetStyle)
        .String("Text", &TComboBox::SetText)
        .Event("OnChange", &TComboBox::OnChange);
    AddColorAndFont(TComponentKind::Register<TMemo>("TMemo", "TWinControl"))
        .Lines("Lines", &TMemo::Lines)
        .Boolean("ReadOnly", &TMemo::SetReadOnly)
        .Enum("ScrollBars", kScrollStyles, &TMemo::SetScrollBars)
        .Boolean("WordWrap", &TMemo::SetWordWrap);
    AddColorAndFont(TComponentKind::Register<TButton>("TButton", "TWinControl"))
        .String("Caption", &TButton::SetCaption)
        .Boolean("Default", &TButton::SetDefault)
        .Boolean("Cancel", &TButton::SetCancel);
    TComponentKind::Register("TCustomPanel", "TWinControl")
        .Enum("BevelOuter", kBevels, &TCustomPanel::SetBevelOuter)
        .Enum("BevelInner", kBevels, &TCustomPanel::SetBevelInner)
        .Integer("BevelWidth", &TCustomPanel::SetBevelWidth)
        .Integer("BorderWidth", &TCustomPanel::SetBorderWidth)
        .Enum("BorderStyle", kBorderStyles, &TCustomPanel::SetBorderStyle)
        .Boolean("FullRepaint", &TCustomPanel::SetFullRepaint);

    TComponentKind::Register<TMainMenu>("TMainMenu", "TComponent");
    TComponentKind::Register<TMenuItem>("TMenuItem", "TComponent")
        .String("Caption", &TMenuItem::SetCaption)
        .Boolean("Checked", &TMenuItem::SetChecked)
        .Boolean("Enabled", &TMenuItem::SetEnabled)
        .Boolean("Visible", &TMenuItem::SetVisible)
        .Event("OnClick", &TMenuItem::OnClick);

    TJPEGImage::Register();
}

} // namespace

TComponentKind& AddColorAndFont(TComponentKind& kind)
{
    kind.Color("Color", &TControl::SetColor)
        .Boolean("ParentColor", &TControl::SetParentColor)
        .Boolean("ParentFont", &TControl::SetParentFont)
        .Custom<TControl>("Font.Name", TPropertyType::String,
                          [](TControl& c, const TPropertyValue& v) { c.Font().SetName(v.Text); })
        .Custom<TControl>("Font.Height", TPropertyType::Integer,
                          [](TControl& c, const TPropertyValue& v) { c.Font().SetHeight(TComponentKind::CheckedInt(v.Integer)); })
        .Custom<TControl>("Font.Color", TPropertyType::Color,
                          [](TControl& c, const TPropertyValue& v) { c.Font().SetColor(static_cast<TColor>(v.Integer)); })
        .Custom<TControl>(
            "Font.Style", TPropertyType::Set,
            [](TControl& c, const TPropertyValue& v) { c.Font().SetStyle(static_cast<TFontStyles>(v.Integer)); },
            kFontStyles)
        .Custom<TControl>(
            "Font.Charset", TPropertyType::Integer,
            [](TControl& c, const TPropertyValue& v) { c.Font().SetCharset(TComponentKind::CheckedInt(v.Integer)); },
            kCharsets);
    return kind;
}

void RegisterStandardKinds()
{
    static const bool registered = (RegisterStandardKindsOnce(), true);
    (void)registered;
}
