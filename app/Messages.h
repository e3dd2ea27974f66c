#pragma once

#include <QCoreApplication>
#include <QString>

namespace pintu::messages {

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

} // namespace pintu::messages
