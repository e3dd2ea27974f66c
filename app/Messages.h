#pragma once

namespace pintu::messages {

inline constexpr const char* noFileChosen = "没有选择文件！";
inline constexpr const char* pictureUnreadable = "文件打开失败！";
inline constexpr const char* solved = "Tavro祝你:\n 拼图成功 !";
inline constexpr const char* moveLogUnwritable = "记录文件无法写入，不能开始！";
inline constexpr const char* moveLogDamaged = "记录文件已损坏，无法回放！";

inline constexpr const char* nameTitle = "拼图天才";
inline constexpr const char* namePrompt = "Tavro祝你:\n 拼图成功 !\n请天才输入大名：";
// Followed by the record, so that a player can keep it by hand.
inline constexpr const char* hallOfFameUnwritable = "光荣榜无法写入，这次的记录没有保存：\n";
inline constexpr const char* hallOfFameUnreadable = "光荣榜无法读取！";

// Followed by the folder's path.
inline constexpr const char* lockIsFolder = "拼图的锁文件的位置被一个文件夹占着，请删除这个文件夹：\n";

} // namespace pintu::messages
