#include "app/create_page.h"

#include <commctrl.h>

#include "app/version_dialog.h"
#include "ui/preview.h"
#include "win/monitors.h"

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
    {L"Action_FileOpenBmp", L"画像を開く(&O)...", L"画像タブを追加して画像ファイルを選択して開く",
     STD_FILEOPEN},
    {L"Action_FileNewBackground", L"背景色で画像作成(&N)", L"背景色の画像を作成", STD_FILENEW},
    {L"Action_EditPaste", L"新規貼り付け(&P)", L"画像タブを追加してクリップボードの画像を貼り付け",
     STD_PASTE},
    {L"Action_FileClose", L"画像タブを閉じる(&C)", L"画像タブを閉じる"},
    {L"Action_FileSetWallpaper", L"壁紙に設定(&W)...", L"壁紙画像を保存して壁紙に設定",
     STD_PROPERTIES},
    {L"Action_FileSaveWallpaperAs", L"壁紙用に保存(&A)...", L"壁紙画像に名前をつけて保存",
     STD_FILESAVE},
    {L"Action_FileSaveMonitorAs", L"モニター画像に名前をつけて保存(&M)",
     L"モニター画像に名前をつけて保存", STD_FILESAVE},
    {L"Action_FileSaveSourceAs", L"元画像に名前をつけて保存(&S)...", L"元画像に名前をつけて保存",
     STD_FILESAVE},
    {L"Action_FileReloadMonitorInfo", L"モニター情報更新(&R)", L"現在のモニター情報を反映させる",
     -1, 0, 0, L"", 0, kOff},
    {L"Action_FileExit", L"終了(&X)", L"プログラム終了", -1, VK_F4, FALT},
    {L"Action_EditCopyWallpaper", L"壁紙画像をコピー(&C)", L"壁紙画像をクリップボードへコピー",
     STD_COPY},
    {L"Action_EditCopyMonitor", L"モニター画像をコピー(&M)",
     L"モニター画像をクリップボードへコピー", STD_COPY},
    {L"Action_EditCopySource", L"元画像をコピー(&S)", L"元画像をクリップボードへコピー", STD_COPY},
    {L"Action_BmpFlipH", L"左右反転(&H)", L"元画像を左右反転する", STD_REDOW},
    {L"Action_BmpFlipV", L"上下反転(&V)", L"元画像を上下反転する", STD_UNDO},
    {L"Action_BmpRotate90", L"右に90度回転(&R)", L"元画像を右に90度回転する", STD_REDOW},
    {L"Action_BmpRotate270", L"左に90度回転(&L)", L"元画像を左に90度回転する", STD_UNDO},
    {L"Action_BmpRotate180", L"180度回転(&O)", L"元画像を180度回転する", STD_REPLACE},
    {L"Action_WallpaperSelStyle", L"スタイル選択(&S)", L"壁紙の表示スタイルを選択"},
    {L"Action_WallpaperSelOrigin", L"基準モニター選択(&O)",
     L"並べて表示の時の基準とするモニターを選択"},
    {L"Action_WallpaperSelPos", L"表示位置選択(&P)", L"表示位置選択"},
    {L"Action_WallpaperSelColor", L"背景色選択(&C)", L"背景色選択", -1, 0, 0, L"", 0, kOff},
    {L"Action_WallpaperSelMonitor", L"モニター画像適用(&M)", L"壁紙画像にモニター画像を適用"},
    {L"Action_ZoomUp", L"拡大(&U)", L"画像の表示倍率アップ", STD_FIND},
    {L"Action_ZoomDown", L"縮小(&D)", L"画像の表示倍率ダウン", STD_FIND},
    {L"Action_Zoom100", L"実寸表示(&1)", L"画像を実寸表示", STD_PRINTPRE},
    {L"Action_ZoomAlwaysFit", L"オートサイズ(&A)", L"画像を表示領域のサイズに合わせて自動調整する",
     STD_PRINTPRE, 0, 0, L"", 0, kCheck},
    {L"Action_Program", L"プログラム(&P)", L"プログラム起動", STD_FILEOPEN},
    {L"Action_ProgramAdd", L"リストに追加(&A)...", L"プログラムリストに追加", STD_FILENEW},
    {L"Action_ProgramDel", L"リストから削除(&D)", L"プログラムリストから削除", STD_DELETE},
    {L"Action_ProgramForeground", L"前面に移動のみ(&F)",
     L"選択プログラムが起動済みなら新たに起動せず前面に移動させる", STD_UNDO, 0, 0, L"", 0, kOn},
    {L"Action_ShowToolBar", L"ツールバー(&B)", L"ツールバーの表示のON/OFF", STD_PROPERTIES, 0, 0,
     L"", 0, kOn},
    {L"Action_ShowStatusBar", L"ステータスバー(&S)", L"ステータスバーの表示のON/OFF",
     STD_PROPERTIES, 0, 0, L"", 0, kOn},
    {L"Action_ShowPopupHint", L"ヒントをポップアップ表示(&H)", L"ヒントのポップアップ表示のON/OFF",
     STD_HELP, 0, 0, L"", 0, kOn},
    {L"Action_HelpVersionInfo", L"バージョン情報(&A)", L"バージョン情報", STD_HELP, VK_F1},
};

const MenuItemSpec kMenu[] = {
    {0, nullptr, L"ファイル(&F)", L"MenuItem_File"},
    {1, L"Action_FileOpenBmp"},
    {1, L"Action_FileNewBackground"},
    {1, nullptr, L"-"},
    {1, L"Action_FileSaveSourceAs"},
    {1, L"Action_FileSaveMonitorAs", L"", L"MenuItem_FileSaveMonitorAs"},
    {1, L"Action_FileSaveWallpaperAs"},
    {1, nullptr, L"-"},
    {1, L"Action_FileSetWallpaper"},
    {1, L"Action_FileClose"},
    {1, L"Action_FileReloadMonitorInfo"},
    {1, nullptr, L"-"},
    {1, L"Action_Program", L"", L"MenuItem_Program"},
    {1, nullptr, L"-"},
    {1, L"Action_FileExit"},
    {0, nullptr, L"編集(&E)", L"MenuItem_Edit"},
    {1, L"Action_EditPaste"},
    {1, nullptr, L"-"},
    {1, L"Action_EditCopySource"},
    {1, L"Action_EditCopyMonitor", L"", L"MenuItem_EditCopyMonitor"},
    {1, L"Action_EditCopyWallpaper"},
    {0, nullptr, L"画像(&G)", L"MenuItem_Image"},
    {1, L"Action_WallpaperSelStyle"},
    {1, L"Action_WallpaperSelOrigin"},
    {1, L"Action_WallpaperSelPos"},
    {1, L"Action_WallpaperSelColor"},
    {1, L"Action_WallpaperSelMonitor"},
    {1, nullptr, L"-"},
    {1, L"Action_ZoomUp"},
    {1, L"Action_ZoomDown"},
    {1, L"Action_Zoom100"},
    {1, L"Action_ZoomAlwaysFit"},
    {1, nullptr, L"-"},
    {1, L"Action_BmpFlipH"},
    {1, L"Action_BmpFlipV"},
    {1, L"Action_BmpRotate90"},
    {1, L"Action_BmpRotate270"},
    {1, L"Action_BmpRotate180"},
    {0, nullptr, L"オプション(&O)", L"MenuItem_Option"},
    {1, L"Action_ShowToolBar"},
    {1, L"Action_ShowStatusBar"},
    {1, L"Action_ShowPopupHint"},
    {0, nullptr, L"ヘルプ(&H)", L"MenuItem_Help"},
    {1, L"Action_HelpVersionInfo"},
};

constexpr ToolButtonSpec kSeparator{nullptr, ToolButtonStyle::Separator};
const ToolButtonSpec kTools[] = {
    {L"Action_FileOpenBmp"},
    {L"Action_EditPaste"},
    kSeparator,
    {L"Action_FileSetWallpaper"},
    {L"Action_FileSaveSourceAs"},
    {L"Action_FileSaveMonitorAs", ToolButtonStyle::DropDown},
    {L"Action_FileSaveWallpaperAs"},
    {L"Action_EditCopySource"},
    {L"Action_EditCopyMonitor", ToolButtonStyle::DropDown},
    {L"Action_EditCopyWallpaper"},
    kSeparator,
    {L"Action_BmpFlipH"},
    {L"Action_BmpFlipV"},
    {L"Action_BmpRotate270"},
    {L"Action_BmpRotate90"},
    {L"Action_BmpRotate180"},
    kSeparator,
    {L"Action_ZoomUp"},
    {L"Action_ZoomDown"},
    {L"Action_Zoom100"},
    {L"Action_ZoomAlwaysFit", ToolButtonStyle::Check},
    kSeparator,
    {L"Action_Program", ToolButtonStyle::DropDown},
    {L"Action_ProgramAdd"},
    {L"Action_ProgramForeground", ToolButtonStyle::Check},
    kSeparator,
    {L"Action_ShowToolBar", ToolButtonStyle::Check},
    {L"Action_ShowStatusBar", ToolButtonStyle::Check},
    {L"Action_ShowPopupHint", ToolButtonStyle::Check},
};

const PageTables kTables{L"App_TOOLWallpaperCreate",
                         L"壁紙作成",
                         L"WALLPAPERCREATE_Option",
                         kActions,
                         1000,
                         kMenu,
                         kTools};

}  // namespace

const wchar_t* const TApp_TOOLWallpaperCreate::kHelpUrl = L"https://tessera.example.org/help/";

TApp_TOOLWallpaperCreate::TApp_TOOLWallpaperCreate(ui::Component* owner)
    : WallpaperPage(kTables, owner) {}

void TApp_TOOLWallpaperCreate::FormCreate() {
    ui::ActionList& actions = *Actions();
    actions[L"Action_FileExit"].onExecute = [this] { Action_FileExitExecute(); };
    actions[L"Action_HelpVersionInfo"].onExecute = [this] { Action_HelpVersionInfoExecute(); };
    actions[L"Action_FileReloadMonitorInfo"].onExecute = [this] {
        Action_FileReloadMonitorInfoExecute();
    };
    // Drop-down buttons show the sub-menu of their menu item.
    Tools()->dropDownMenu = [this](UINT id) -> HMENU {
        for (const wchar_t* item :
             {L"MenuItem_FileSaveMonitorAs", L"MenuItem_EditCopyMonitor", L"MenuItem_Program"}) {
            const ui::MenuItem* entry = MainMenu()->FindItem(item);
            if (entry && entry->id == id) return entry->subMenu;
        }
        return nullptr;
    };
    // No preview has the focus yet.
    ui::SetZoomActionsEnabled(actions, false, nullptr);
}

// Closes the main window while docked, the page itself if it ever floats.
void TApp_TOOLWallpaperCreate::Action_FileExitExecute() {
    PostMessageW(frameWindow ? frameWindow : Handle(), WM_CLOSE, 0, 0);
}

void TApp_TOOLWallpaperCreate::Action_HelpVersionInfoExecute() {
    ShowVersionInfo(kHelpUrl);
}

// The monitors as they are now; the wallpaper image follows them once the page builds it.
void TApp_TOOLWallpaperCreate::Action_FileReloadMonitorInfoExecute() {
    win::MyScreen().Refresh();
    ActionNamed(L"Action_FileSetWallpaper").SetEnabled(true);
}

}  // namespace tessera::app
