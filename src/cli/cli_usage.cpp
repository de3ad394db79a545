#include "cli/cli_commands.h"
#include "cli/console_output.h"

namespace tessera::cli {
namespace {

constexpr wchar_t kUsage[] =
    LR"(tessera-cli — 複数のモニターに合わせた壁紙を作成して設定します

使い方:
  tessera-cli monitors
  tessera-cli compose [オプション] 画像ファイル... [[オプション] 画像ファイル...]
  tessera-cli set [オプション] 画像ファイル
  tessera-cli help | version

monitors
  モニターの番号と矩形、デスクトップ全体の矩形、並べて表示の基点を表示します。

compose
  画像をモニターに配置して、デスクトップ全体の壁紙画像を作ります。オプションは
  その後に続く画像に適用され、指定し直すまで有効です。後の画像が先の画像の
  モニターを上書きします。どの画像も置かれないモニターはデスクトップの背景色です。
    --style S           表示スタイル (既定 0)
                          0 center  中央に表示          3 fit   フルスクリーン表示
                          1 tile    並べて表示          4 fill  隙間なく拡大して表示
                          2 stretch 拡大して表示        5 span  デスクトップ全体に拡大
    --position P        位置 (既定 0): 0 default, 1 center, 2 left, 3 right, 4 top,
                        5 bottom, 6 top-left, 7 bottom-left, 8 top-right,
                        9 bottom-right, 10 offset (--offset の位置)
    --origin O          並べて表示の基準: default、each (各モニター) またはモニター番号
    --offset X,Y        位置 10 (offset) のときの位置 (既定 0,0)
    --background C      モニターの背景色 (既定 desktop)
    --outside C         モニターのない部分の色 (既定 #FFFFFF)
    --monitor M         画像を置くモニター: 番号 (1 から) をコンマで区切るか all (既定 all)
  出力 (少なくとも 1 つ):
    --output FILE       合成した壁紙画像を保存します (.bmp、.jpg、.jpeg、.gif)
    --file-image FILE   システムが並べて表示したときに各モニターに正しく映るよう
                        並べ替えた壁紙ファイル画像を保存します
    --set FILE          壁紙ファイル画像を 24 ビットの BMP として保存し、壁紙に設定します
                        (並べて表示、原点 0,0、背景色は変えません)
    --anchor A          システムが壁紙を並べる基点: primary (Windows 7 まで)、
                        desktop (Windows 8 から)、auto (既定: Windows のバージョンから)

set
  既存の画像ファイルをそのまま壁紙に設定します。
    --style S           0 中央、1 並べて、2 拡大 (3〜5 は並べて表示) (既定 1)
    --background C      デスクトップの背景色 (既定 desktop: 変更しない)
    --wallpaper-origin X,Y  壁紙の原点 (既定 0,0)

色は #RRGGBB、R,G,B (各 0〜255) または desktop (デスクトップの背景色) で指定します。
オプションは --name 値 と --name=値 のどちらでも書けます。

例:
  tessera-cli compose --style fill photo.jpg --set C:\Wallpaper\tessera.bmp
  tessera-cli compose --monitor 1 a.jpg --monitor 2 --style fit b.jpg --output all.jpg

終了コード:
  0 成功
  1 画像を読み込めない、保存できない、または壁紙を設定できない
  2 コマンドラインの誤り
  3 予期しないエラー
)";

}  // namespace

void ShowUsage(bool toError) {
    if (toError) {
        WriteError(kUsage);
    } else {
        WriteOut(kUsage);
    }
}

}  // namespace tessera::cli
