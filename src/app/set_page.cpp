#include "app/set_page.h"

#include <commctrl.h>

#include "app/create_page.h"
#include "app/version_dialog.h"
#include "ui/preview.h"

namespace tessera::app {
namespace {

using ui::ActionSpec;
using ui::MenuItemSpec;
using ui::ToolButtonSpec;
using ui::ToolButtonStyle;
constexpr unsigned kCheck = ui::kActionCheckable;
constexpr unsigned kOn = ui::kActionCheckable | ui::kActionChecked;
constexpr unsigned kOff = ui::kActionDisabled;

const ActionSpec kActions[] = {
    {L"Action_FileOpenFile", L"画像を追加(&O)...", L"画像ファイルをリストに追加", STD_FILEOPEN},
    {L"Action_FileOpenFolder", L"フォルダ内の画像を追加(&F)...",
     L"フォルダ内の画像をサブフォルダも含めてリストに追加", STD_FILEOPEN},
    {L"Action_FileOpenThisFolder", L"選択フォルダ内の画像のみ追加(&D)...",
     L"フォルダ内の画像のみをリストに追加", STD_FILEOPEN},
    {L"Action_FileOpenBmpFolder", L"画像ファイルのフォルダを開く",
     L"リストで選択されている画像ファイルのフォルダを開く", STD_FIND, 0, 0, L"", 0, kOff},
    {L"Action_FileExit", L"終了(&X)", L"プログラム終了"},
    {L"Action_ListDel", L"リストから削除(&D)", L"リストから削除", STD_DELETE, 0, 0, L"", 0, kOff},
    {L"Action_Sort", L"リストをソート(&S)", L"リストをソート", -1, 0, 0, L"", 0, kOff},
    {L"Action_WallpaperSet", L"壁紙に適用(&W)", L"壁紙に適用", STD_PROPERTIES},
    {L"Action_WallpaperSelStyle", L"スタイル選択(&S)", L"壁紙の表示スタイルを選択"},
    {L"Action_WallpaperSelColor", L"背景色選択(&C)", L"背景色選択"},
    {L"Action_ZoomUp", L"拡大(&U)", L"画像の表示倍率アップ", STD_FIND, 0, 0, L"", 0, kOff},
    {L"Action_ZoomDown", L"縮小(&D)", L"画像の表示倍率ダウン", STD_FIND, 0, 0, L"", 0, kOff},
    {L"Action_Zoom100", L"実寸表示(&1)", L"画像を実寸表示", STD_PRINTPRE, 0, 0, L"", 0, kOff},
    {L"Action_ZoomAlwaysFit", L"オートサイズ(&A)", L"画像を表示領域のサイズに合わせて自動調整する",
     STD_PRINTPRE, 0, 0, L"", 0, kCheck},
    {L"Action_ShowToolBar", L"ツールバー(&B)", L"ツールバーの表示のON/OFF", STD_PROPERTIES, 0, 0,
     L"", 0, kOn},
    {L"Action_ShowStatusBar", L"ステータスバー(&S)", L"ステータスバーの表示のON/OFF",
     STD_PROPERTIES, 0, 0, L"", 0, kOn},
    {L"Action_ShowPopupHint", L"ヒントをポップアップ表示(&H)", L"ヒントのポップアップ表示のON/OFF",
     STD_HELP, 0, 0, L"", 0, kOn},
    {L"Action_FileCmd", L"ファイル操作(&L)", L"ファイル操作"},
    {L"Action_HelpVersionInfo", L"バージョン情報(&V)", L"バージョン情報", -1, VK_F1},
};

const MenuItemSpec kMenu[] = {
    {0, nullptr, L"ファイル(&F)", L"MenuItem_File"},
    {1, L"Action_FileOpenFile"},
    {1, L"Action_FileOpenFolder"},
    {1, nullptr, L"-"},
    {1, L"Action_Sort", L"", L"MenuItem_Sort"},
    {1, L"Action_ListDel"},
    {1, nullptr, L"-"},
    {1, L"Action_FileOpenBmpFolder"},
    {1, L"Action_FileCmd", L"", L"MenuItem_FileCmd"},
    {1, nullptr, L"-"},
    {1, L"Action_FileExit"},
    {0, nullptr, L"壁紙(&W)", L"MenuItem_Wallpaper"},
    {1, L"Action_WallpaperSet"},
    {1, nullptr, L"-"},
    {1, L"Action_WallpaperSelStyle", L"", L"MenuItem_WallpaperSelStyle"},
    {1, L"Action_WallpaperSelColor", L"", L"MenuItem_WallpaperSelColor"},
    {0, nullptr, L"表示(&S)", L"MenuItem_View"},
    {1, L"Action_ShowToolBar"},
    {1, L"Action_ShowStatusBar"},
    {1, L"Action_ShowPopupHint"},
    {0, nullptr, L"ヘルプ(&H)", L"MenuItem_Help"},
    {1, L"Action_HelpVersionInfo"},
};

constexpr ToolButtonSpec kSeparator{nullptr, ToolButtonStyle::Separator};
const ToolButtonSpec kTools[] = {
    {L"Action_FileOpenFile"},
    {L"Action_FileOpenFolder"},
    {L"Action_FileOpenThisFolder"},
    {L"Action_FileOpenBmpFolder"},
    kSeparator,
    {L"Action_ListDel"},
    {L"Action_WallpaperSet"},
    kSeparator,
    {L"Action_ZoomUp"},
    {L"Action_ZoomDown"},
    {L"Action_Zoom100"},
    {L"Action_ZoomAlwaysFit", ToolButtonStyle::Check},
    kSeparator,
    {L"Action_ShowToolBar", ToolButtonStyle::Check},
    {L"Action_ShowStatusBar", ToolButtonStyle::Check},
    {L"Action_ShowPopupHint", ToolButtonStyle::Check},
};

const PageTables kTables{
    L"App_TOOLWallpaperSet", L"壁紙選択", L"WALLPAPERSET_Option", kActions, 2000, kMenu, kTools};

}  // namespace

TApp_TOOLWallpaperSet::TApp_TOOLWallpaperSet(ui::Component* owner)
    : WallpaperPage(kTables, owner) {}

void TApp_TOOLWallpaperSet::FormCreate() {
    ui::ActionList& actions = *Actions();
    actions[L"Action_FileExit"].onExecute = [this] { Action_FileExitExecute(); };
    actions[L"Action_HelpVersionInfo"].onExecute = [] {
        ShowVersionInfo(TApp_TOOLWallpaperCreate::kHelpUrl);
    };
    actions[L"Action_ZoomAlwaysFit"].SetChecked(true);
}

void TApp_TOOLWallpaperSet::Action_FileExitExecute() {
    PostMessageW(frameWindow ? frameWindow : Handle(), WM_CLOSE, 0, 0);
}

}  // namespace tessera::app
