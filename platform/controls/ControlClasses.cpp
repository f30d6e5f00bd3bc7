// Published properties of fonts, controls and forms. Colours and cursors are stored as numbers.
#include "controls/ControlClasses.h"

#include "classes/Properties.h"
#include "controls/ActnList.h"
#include "controls/Forms.h"
#include "controls/ControlClasses_p.h"
#include "controls/StdControlClasses.h"
#include "data/DataSet.h"

namespace {

constexpr const char* FontStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

void PublishFont(TClassBuilder<TFont>& c) {
  c.Property("Name", &TFont::Name, &TFont::SetName).Default("宋体");
  c.Property("Height", &TFont::Height, &TFont::SetHeight).Default(-12);
  c.Property("Color", &TFont::Color, &TFont::SetColor).Default(clWindowText).Idents(ColorIdents());
  c.Property("Charset", &TFont::Charset, &TFont::SetCharset).Default(DEFAULT_CHARSET);
  c.SetProperty("Style", &TFont::Style, &TFont::SetStyle, FontStyleNames).Default(0);
}

void PublishConstraints(TClassBuilder<TSizeConstraints>& c) {
  c.Property("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::MinWidth).Default(0);
  c.Property("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::MinHeight).Default(0);
  c.Property("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::MaxWidth).Default(0);
  c.Property("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::MaxHeight).Default(0);
}

void PublishControl(TClassBuilder<TControl>& c) {
  c.Property("Left", &TControl::Left, &TControl::SetLeft);
  c.Property("Top", &TControl::Top, &TControl::SetTop);
  c.Property("Width", &TControl::Width, &TControl::SetWidth);
  c.Property("Height", &TControl::Height, &TControl::SetHeight);
  c.Property("Align", &TControl::Align, &TControl::SetAlign, AlignNames).Default(alNone);
  c.SetProperty("Anchors", &TControl::Anchors, &TControl::SetAnchors, AnchorNames).Default(DefaultAnchors);
  c.Property("Constraints", &TControl::Constraints);
  c.Property("Caption", &TControl::Caption, &TControl::SetCaption);
  c.Property("Color", &TControl::Color, &TControl::SetColor).Stored(&TControl::IsColorStored).Idents(ColorIdents());
  c.Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(true);
  c.Property("Font", &TControl::Font).Stored(&TControl::IsFontStored);
  c.Property("ParentFont", &TControl::ParentFont, &TControl::SetParentFont).Default(true);
  c.Property("Enabled", &TControl::Enabled, &TControl::SetEnabled).Default(true);
  c.Property("Visible", &TControl::Visible, &TControl::SetVisible).Default(true);
  c.Property("Hint", &TControl::Hint, &TControl::SetHint);
  c.Property("ShowHint", &TControl::ShowHint, &TControl::SetShowHint).Stored(&TControl::IsShowHintStored);
  c.Property("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint).Default(true);
  c.Property("Cursor", &TControl::Cursor, &TControl::SetCursor).Default(crDefault).Idents(CursorIdents());
  c.Property("Action", &TControl::Action, &TControl::SetAction);
  c.Property("DragMode", &TControl::DragMode, &TControl::SetDragMode, DragModeNames).Default(dmManual);
  c.Property("DragCursor", &TControl::DragCursor, &TControl::SetDragCursor).Default(crDrag).Idents(CursorIdents());
  c.Event("OnClick", &TControl::OnClick);
  c.Event("OnDblClick", &TControl::OnDblClick);
  c.Event("OnMouseDown", &TControl::OnMouseDown);
  c.Event("OnMouseMove", &TControl::OnMouseMove);
  c.Event("OnMouseUp", &TControl::OnMouseUp);
  c.Event("OnResize", &TControl::OnResize);
  c.Event("OnContextPopup", &TControl::OnContextPopup);
  c.Event("OnDragOver", &TControl::OnDragOver);
  c.Event("OnDragDrop", &TControl::OnDragDrop);
  c.Event("OnStartDrag", &TControl::OnStartDrag);
  c.Event("OnEndDrag", &TControl::OnEndDrag);
}

void PublishWinControl(TClassBuilder<TWinControl>& c) {
  c.Property("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder);
  c.Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(false);
  c.Property("EnterMovesFocus", &TWinControl::EnterMovesFocus, &TWinControl::SetEnterMovesFocus).Default(false);
  c.Event("OnEnter", &TWinControl::OnEnter);
  c.Event("OnExit", &TWinControl::OnExit);
  c.Event("OnKeyDown", &TWinControl::OnKeyDown);
  c.Event("OnKeyPress", &TWinControl::OnKeyPress);
  c.Event("OnKeyUp", &TWinControl::OnKeyUp);
}

void PublishForm(TClassBuilder<TCustomForm>& c) {
  c.SetProperty("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons, BorderIconNames)
      .Default(DefaultBorderIcons);
  c.Property("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle, FormBorderStyleNames).Default(bsSizeable);
  c.Property("FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle, FormStyleNames).Default(fsNormal);
  c.Property("Position", &TCustomForm::Position, &TCustomForm::SetPosition, PositionNames).Default(poDesigned);
  c.Property("WindowState", &TCustomForm::WindowState, &TCustomForm::SetWindowState, WindowStateNames).Default(wsNormal);
  c.Property("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview).Default(false);
  c.Property("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl);
  c.Property("ClientWidth", &TCustomForm::ClientWidth, &TCustomForm::SetClientWidth);
  c.Property("ClientHeight", &TCustomForm::ClientHeight, &TCustomForm::SetClientHeight);
  c.Event("OnCreate", &TCustomForm::OnCreate);
  c.Event("OnShow", &TCustomForm::OnShow);
  c.Event("OnHide", &TCustomForm::OnHide);
  c.Event("OnActivate", &TCustomForm::OnActivate);
  c.Event("OnDeactivate", &TCustomForm::OnDeactivate);
  c.Event("OnClose", &TCustomForm::OnClose);
  c.Event("OnCloseQuery", &TCustomForm::OnCloseQuery);
  c.Event("OnDestroy", &TCustomForm::OnDestroy);
}

}  // namespace

void RegisterControlsClasses() {
  RegisterDataClasses();
  RegisterActionClasses();
  RegisterClass<TFont, TPersistent>("TFont", PublishFont);
  RegisterClass<TSizeConstraints, TPersistent>("TSizeConstraints", PublishConstraints);
  RegisterClass<TControl, TComponent>("TControl", PublishControl);
  RegisterClass<TWinControl, TControl>("TWinControl", PublishWinControl);
  RegisterClass<TCustomControl, TWinControl>("TCustomControl", [](TClassBuilder<TCustomControl>& c) {
    c.Event("OnPaint", &TCustomControl::OnPaint);
  });
  RegisterClass<TGraphicControl, TControl>("TGraphicControl", [](TClassBuilder<TGraphicControl>& c) {
    c.Event("OnPaint", &TGraphicControl::OnPaint);
  });
  RegisterClass<TCustomForm, TCustomControl>("TCustomForm", PublishForm);
  RegisterClass<TForm, TCustomForm>("TForm");
  RegisterStandardControlClasses();
  RegisterDialogClasses();
  RegisterDBControlClasses();
  RegisterMenuClasses();
}
