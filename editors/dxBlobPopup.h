// TCustomdxBlobPopup: the sizable drop-down of the blob editor. It holds either a memo (an editor
// of the memo kind filling its client area) or a scrollable picture, with OK and Cancel (or Close
// alone, when read-only) drawn in a button bar of its non-client area and a size grip in the
// corner away from the editor. Accepting posts the value through OnPost; so does closing it by
// clicking elsewhere, when PostOnHide is set.
#pragma once

#include "controls/Menus.h"
#include "editors/dxMemoEdit.h"
#include "editors/dxPictureValue.h"
#include "editors/dxPopup.h"
#include "windows/Clipboard.h"

enum TdxBlobPopupKind : uint8_t { bpkMemo, bpkPicture };
// The bar's buttons by index.
enum : int { bbOK = 0, bbCancel = 1, bbClose = 2, bbNone = -1 };
// The corner of the size grip: top-left, top-right, bottom-left, bottom-right.
enum : int { gcTopLeft = 0, gcTopRight = 1, gcBottomLeft = 2, gcBottomRight = 3 };

// What the blob editor hands its popup at every drop-down besides the memo's own options.
struct TdxBlobPopupOptions {
  bool Sizeable = true;
  // Closing the popup by leaving it posts a modified value.
  bool PostOnHide = true;
  // A picture is fitted into the popup instead of scrolling.
  bool PictureAutoSize = true;
  UINT ClipboardFormat = CF_BITMAP;
  String PictureFilter;
  // The picture kind offers its commands as a context menu.
  bool PictureMenu = true;
};

using TdxPopupSizeEvent = std::function<void(TObject* Sender, int Width, int Height)>;

class TCustomdxBlobPopup;

// The memo of a memo popup: its keys go to the popup first, and its losing the focus to another
// window closes the popup.
class TdxBlobPopupMemo : public TdxInplaceMemoEdit {
 public:
  TdxBlobPopupMemo(TCustomdxBlobPopup* Popup);
  String ClassName() const override { return "TdxBlobPopupMemo"; }

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void Dispatch(TMessage& Message) override;

 private:
  TCustomdxBlobPopup* FPopup;
};

class TCustomdxBlobPopup : public TdxInplacePopupControl {
 public:
  explicit TCustomdxBlobPopup(TComponent* AOwner);
  ~TCustomdxBlobPopup() override;
  String ClassName() const override { return "TCustomdxBlobPopup"; }

  TdxBlobPopupKind Kind() const { return FKind; }
  void SetKind(TdxBlobPopupKind Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  const TdxBlobPopupOptions& Options() const { return FOptions; }
  void SetOptions(const TdxBlobPopupOptions& Value) { FOptions = Value; }
  // Made at the first request: cut, copy, paste, delete, -, load, save.
  TPopupMenu* PictureMenu() const { return FPictureMenu; }
  // The memo of the memo kind (its options are the editor's memo options).
  TdxBlobPopupMemo* Memo() const { return FMemo.get(); }
  TPicture* Picture();
  // The memo's text, or nothing for the picture kind.
  String Text();
  void SetText(const String& Value) override;
  bool Modified();
  void SetModified(bool Value);
  // The posting flag: nothing more is posted once set.
  bool Posted() const { return FPosted; }
  void SetPosted(bool Value) { FPosted = Value; }
  int GripCorner() const { return FGripCorner; }
  // OK and Cancel, or Close alone when read-only.
  bool IsButtonShown(int Button) const;
  bool IsButtonEnabled(int Button);
  int PressedButton() const { return FPressedButton; }
  // The bar's button rectangles and the bar, in window coordinates.
  TRect ButtonRect(int Button);
  TRect BarRect();
  int BarHeight();
  TPoint ScrollPosition() const { return FScrollPos; }
  // The smallest window: the bar's buttons side by side, three scroll bars high plus the bar.
  TSize MinimumSize();

  // Sizes and places the popup at Point (below the editor) for the requested size, within the
  // work area: a picture may size it, it opens above or moves left when there is no room, and the
  // size grip goes to the corner away from the editor.
  void CalcPosition(TPoint Point, int Width, int Height);
  // 0 accepts (hides, then posts a modified value); 1 cancels and 2 closes without posting.
  void CloseUp(int Button);
  // Posts a modified value once.
  void DoPost();
  // Runs a picture command (the graphic editor's numbering: 0 cut ... 5 save).
  void ExecutePictureCommand(int Index);

  void HidePopup(bool Accept) override;
  void ShowPopup() override;

  TNotifyEvent OnPost;
  TdxPopupSizeEvent OnSizeReport;
  // Whether the owner may change its value.
  std::function<bool()> OwnerCanModify;

 protected:
  friend class TdxBlobPopupMemo;
  // The popup's keys; answers true when the key was used.
  bool PopupKeyDown(WORD& Key, TShiftState Shift);
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(TKeyChar& Key) override;
  void Paint() override;
  void Dispatch(TMessage& Message) override;

 private:
  void CalcButtonMetrics();
  int ButtonAt(TPoint ScreenPoint);
  void PaintBar(HDC DC);
  void UpdateScrollBars();
  void ScrollTo(int X, int Y);
  void WMNCCalcSize(TMessage& Message);
  void WMNCHitTest(TMessage& Message);
  void WMNCPaint(TMessage& Message);
  void WMNCLButtonDown(TMessage& Message);
  void WMMouseMove(TMessage& Message);
  void WMLButtonUp(TMessage& Message);
  void WMGetMinMaxInfo(TMessage& Message);
  void WMScroll(TMessage& Message);
  void WMSize(TMessage& Message);
  void WMKillFocus(TMessage& Message);
  void WMContextMenu(TMessage& Message);
  bool IsPictureCommandEnabled(int Index);

  TdxBlobPopupKind FKind = bpkMemo;
  std::unique_ptr<TdxBlobPopupMemo> FMemo;
  std::unique_ptr<TPicture> FPicture;
  bool FPictureModified = false;
  bool FReadOnly = false;
  bool FPosted = false;
  TdxBlobPopupOptions FOptions;
  int FGripCorner = gcBottomRight;
  int FPressedButton = bbNone;
  bool FPressedOver = false;
  TPoint FScrollPos;
  int FButtonWidth = 0;
  int FButtonHeight = 0;
  TPopupMenu* FPictureMenu = nullptr;
};
