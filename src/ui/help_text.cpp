#include "ui/help_text.h"

#include <QString>

namespace {

struct THelpLine {
    int Indent;  // leading ASCII blanks
    const char* Text;
};

// The memo shows the text as written here, blanks included; the last eleven
// lines of one blank each give the memo its empty lower part.
constexpr THelpLine kHelp[] = {
    {0, ""},
    {4, "ハトロパズル　くいろん"},
    {6, "(1) 盤面のいくつかのマスに線を引いて全体で１つの輪にする。"},
    {6, "(2) 線はマスの中央から隣のマスの中央に引き，交差したり枝分かれしない。"},
    {6, "(3) 線が通らないマスは緑色にする。"},
    {6, "(4) 緑マスは縦横に連続してはいけない。"},
    {6, "(5) 数が書いてあるマスは矢印の方向にある緑マスの個数を示している。"},
    {0, ""},
    {4, "問題作成の操作"},
    {6, "(1) 条件を入れたいマスをクリックする。"},
    {6, "(2) 選択肢から選択する。"},
    {0, ""},
    {4, "パズル実行時の操作"},
    {6, "(1) マスとマスの境の線を左クリックすると，その２つのマスを結ぶ路をかく。"},
    {10, "路が通ったマスは黄色に塗られる。"},
    {6, "(2) マスの内部を右クリックすると，緑マスにする。"},
    {6, "(3) マスの内部を左クリックすると，黄色になる（緑になりえないマスに使うと便利）"},
    {0, "．"},
    {6, "(4) 路や色のついたマスをクリックすると，消して元に戻す．"},
    {0, ""},
    {4, "画面の操作"},
    {6, "(1) 左端にあるトラックバーの爪を移動すると，拡大縮小する。"},
    {6, "(2) 右端にあるスクロールバーの爪を移動すると，盤が上下に移動する。"},
    {6, "(3) 下端にあるスクロールバーの爪を移動すると，盤が左右に移動する。"},
    {6, "(4) 爪を端まで移動すると，盤の端が中央にくる。"},
    {0, ""},
    {1, ""}, {1, ""}, {1, ""}, {1, ""}, {1, ""}, {1, ""},
    {1, ""}, {1, ""}, {1, ""}, {1, ""}, {1, ""},
};

}  // namespace

QStringList HelpLines()
{
    QStringList lines;
    for (const THelpLine& line : kHelp) {
        lines << QString(line.Indent, QLatin1Char(' ')) + QString::fromUtf8(line.Text);
    }
    return lines;
}
