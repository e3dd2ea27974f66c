#pragma once

#include <QCoreApplication>
#include <QString>

#include <array>

namespace pintu::messages {

// The title of the board windows and of every message box.
inline constexpr const char* applicationTitle = QT_TRANSLATE_NOOP("pintu::Messages", "拼图");
inline constexpr const char* noFileChosen = QT_TRANSLATE_NOOP("pintu::Messages", "没有选择文件！");
inline constexpr const char* pictureUnreadable = QT_TRANSLATE_NOOP("pintu::Messages", "文件打开失败！");
inline constexpr const char* solved = QT_TRANSLATE_NOOP("pintu::Messages", "Tavro祝你:\n 拼图成功 !");
inline constexpr const char* moveLogUnwritable = QT_TRANSLATE_NOOP("pintu::Messages", "记录文件无法写入，不能开始！");
inline constexpr const char* moveLogDamaged = QT_TRANSLATE_NOOP("pintu::Messages", "记录文件已损坏，无法回放！");

inline constexpr const char* nameTitle = QT_TRANSLATE_NOOP("pintu::Messages", "拼图天才");
inline constexpr const char* namePrompt = QT_TRANSLATE_NOOP("pintu::Messages", "Tavro祝你:\n 拼图成功 !\n请天才输入大名：");
// Followed by the record, so that a player can keep it by hand.
inline constexpr const char* hallOfFameUnwritable =
    QT_TRANSLATE_NOOP("pintu::Messages", "光荣榜无法写入，这次的记录没有保存：\n");
inline constexpr const char* hallOfFameUnreadable = QT_TRANSLATE_NOOP("pintu::Messages", "光荣榜无法读取！");
inline constexpr const char* continueKeptGame =
    QT_TRANSLATE_NOOP("pintu::Messages", "上次的游戏还没有结束，要继续吗？");
inline constexpr const char* yes = QT_TRANSLATE_NOOP("pintu::Messages", "是");
inline constexpr const char* no = QT_TRANSLATE_NOOP("pintu::Messages", "否");

// A message of these, or the application's title, in the player's language.
inline QString text(const char* message)
{
    return QCoreApplication::translate("pintu::Messages", message);
}

inline constexpr const char* noHintOnGenius = QT_TRANSLATE_NOOP("pintu::Messages", "天才级没有提示");
// Followed by the folder's path.
inline constexpr const char* lockIsFolder =
    QT_TRANSLATE_NOOP("pintu::Messages", "拼图的锁文件的位置被一个文件夹占着，请删除这个文件夹：\n");

inline constexpr const char* helpEntry = QT_TRANSLATE_NOOP("pintu::Messages", "帮助");
inline constexpr const char* openPictureEntry = QT_TRANSLATE_NOOP("pintu::Messages", "打开图片…");
inline constexpr const char* openPictureTitle = QT_TRANSLATE_NOOP("pintu::Messages", "打开图片");
// %1: the name patterns of every picture format the game reads.
inline constexpr const char* pictureFilesFilter = QT_TRANSLATE_NOOP("pintu::Messages", "图片 (%1)");
inline constexpr const char* allFilesFilter = QT_TRANSLATE_NOOP("pintu::Messages", "所有文件 (*)");

// The help: a section's lines are shown as a list.
struct HelpSection {
    const char* title;
    const char* lines;
};

inline constexpr const char* helpTitle = QT_TRANSLATE_NOOP("pintu::Messages", "拼图帮助");
inline constexpr HelpSection helpPlaying{
    QT_TRANSLATE_NOOP("pintu::Messages", "怎么玩"),
    QT_TRANSLATE_NOOP("pintu::Messages",
                      "先选择显示器的分辨率（“640*480”或“800*600”），按“开始”。\n"
                      "在菜单的标题画面上点一下，选择驱动器、文件夹和图片，再选难度，按“确定”。\n"
                      "棋盘先显示整张图片。按“开始”，图片被切成小块，右下角的一块变成空格，其余的被打乱。\n"
                      "把空格旁边的图块滑进空格，直到图片重新完整。“步数”记下走了几步，“计时(秒)”记下用了几秒。")};
inline constexpr const char* helpKeysTitle = QT_TRANSLATE_NOOP("pintu::Messages", "按键");
inline constexpr std::array<HelpSection, 4> helpMore{{
    {QT_TRANSLATE_NOOP("pintu::Messages", "鼠标"),
     QT_TRANSLATE_NOOP("pintu::Messages",
                       "点击空格旁边的图块：把它滑进空格。\n"
                       "在棋盘上点右键：“提示”“本局回顾”“暂停”“看原图”“成绩…”和“帮助”；"
                       "在菜单上点右键：“打开图片…”“成绩…”和“帮助”。\n"
                       "暂停时点一下盖住图块的板：继续。\n"
                       "把一张图片从文件管理器拖到菜单上：它成为选中的图片，它的文件夹在列表里打开。\n"
                       "点击红色的“Tavro”：显示图块的编号（天才级没有）。\n"
                       "开始后、走第一步之前：“自动拼图”和“上”“下”一步一步倒着演示打乱的过程，"
                       "“重新开始”重新摆出打乱后的局面。")},
    {QT_TRANSLATE_NOOP("pintu::Messages", "图片"),
     QT_TRANSLATE_NOOP("pintu::Messages",
                       "菜单的文件列表只列出 BMP 图片。\n"
                       "JPEG、PNG、GIF、WebP、TIFF 等图片可以用 Ctrl+O 打开、拖到菜单上，或者写在命令行上（pintu 图片）。\n"
                       "拼图已经在运行时再打开一张图片（例如文件管理器的“打开方式”），它会出现在正在运行的拼图的菜单里。")},
    {QT_TRANSLATE_NOOP("pintu::Messages", "难度"),
     QT_TRANSLATE_NOOP("pintu::Messages",
                       "简单 3×3，普通 4×4，较难 5×5，天才 10×10。\n"
                       "前三种可以提示、自动拼图和重新开始；天才级没有提示。")},
    {QT_TRANSLATE_NOOP("pintu::Messages", "光荣榜"),
     QT_TRANSLATE_NOOP("pintu::Messages",
                       "拼成天才级的图片后输入大名，步数、秒数和日期就记进光荣榜。\n"
                       "菜单上的“光荣榜”按钮显示它，最新的记录在最上面；还没有记录时这个按钮不出现。")},
}};
// %1: the folder's path.
inline constexpr HelpSection helpFiles{
    QT_TRANSLATE_NOOP("pintu::Messages", "文件"),
    QT_TRANSLATE_NOOP("pintu::Messages",
                      "拼图的文件都在 %1\n"
                      "kel.txt：小棋盘打乱的记录，离开棋盘时删除。\n"
                      "grb.kel：光荣榜。\n"
                      "kept-game.txt：还没有结束的游戏，下次启动时可以接着玩。\n"
                      "records.txt：你的成绩（F4），每种棋盘的最好成绩和最近赢的局；坏了的文件改名为 records.txt.damaged 保存。\n"
                      "pintu.lock：表示拼图正在运行，同一时间只运行一个拼图。\n"
                      "pattern-*.pdb：提示用的表，第一次提示时建立。")};

} // namespace pintu::messages
