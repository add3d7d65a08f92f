// The editor's command numbers. Menus, toolbar buttons and accelerators carry them, so every way a command
// arrives reaches the same handler and the same enable rule.
#pragma once

namespace vizud {

inline constexpr int kCmdFileNew = 57600;
inline constexpr int kCmdFileOpen = 57601;
inline constexpr int kCmdFileSave = 57603;
inline constexpr int kCmdFileSaveAs = 57604;
inline constexpr int kCmdFilePrintSetup = 57606;
inline constexpr int kCmdFilePrint = 57607;
inline constexpr int kCmdFilePrintPreview = 57609;
inline constexpr int kCmdAppExit = 57665;
inline constexpr int kCmdAppAbout = 57664;

inline constexpr int kCmdEditFind = 57636;
inline constexpr int kCmdEditUndo = 57643;
inline constexpr int kCmdEditRedo = 57644;
// Commands the box's editor does not have: its numbers are taken from above its own.
inline constexpr int kCmdEditMoveTo = 32900;
inline constexpr int kCmdFileExport = 32901;
inline constexpr int kCmdFileOpenDownload = 32950;  // File > Open recent download
// The Tools menu.
inline constexpr int kCmdToolsSortByName = 32902;
inline constexpr int kCmdToolsSortByProvider = 32903;
inline constexpr int kCmdToolsSortByTransponder = 32904;
inline constexpr int kCmdToolsOrderLikeFile = 32905;
inline constexpr int kCmdToolsCheck = 32906;
inline constexpr int kCmdToolsUpdateTransponders = 32951;
inline constexpr int kCmdToolsDuplicates = 32940;
inline constexpr int kCmdToolsCompare = 32941;
// Edit > Add to favourite list (Ctrl+1 .. Ctrl+9) and Remove from favourite list: list l is first + l.
inline constexpr int kCmdAddToFirstList = 32910;
inline constexpr int kCmdRemoveFromFirstList = 32920;
inline constexpr int kCmdEditCut = 57635;
inline constexpr int kCmdEditCopy = 57634;
inline constexpr int kCmdEditPaste = 57637;
inline constexpr int kCmdEditDelete = 32815;
// Edit > Lock and Unlock on the selected programs, and the moves of the selected rows from the keyboard.
inline constexpr int kCmdEditLock = 32942;
inline constexpr int kCmdEditUnlock = 32943;
inline constexpr int kCmdMoveUp = 32944;
inline constexpr int kCmdMoveDown = 32945;
inline constexpr int kCmdMoveToStart = 32946;
inline constexpr int kCmdMoveToEnd = 32947;

inline constexpr int kCmdViewToolbar = 59392;
inline constexpr int kCmdViewStatusBar = 59393;
inline constexpr int kCmdViewBesideList = 32930;  // the favourite list beside the whole table

// Category filters of the toolbar.
inline constexpr int kCmdShowTvAndRadio = 32772;
inline constexpr int kCmdShowTv = 32773;
inline constexpr int kCmdShowRadio = 32774;

inline constexpr int kCmdDownload = 32806;
inline constexpr int kCmdPortMenu = 32807;
inline constexpr int kCmdUpload = 32808;
inline constexpr int kCmdUpgrade = 32809;
inline constexpr int kCmdPortToolbar = 32810;
inline constexpr int kCmdOptions = 32818;

}  // namespace vizud
