<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>pintu::AccessibleNames</name>
    <message>
        <source>第 %1 行第 %2 列：空白</source>
        <translation>Row %1, column %2: blank</translation>
    </message>
    <message>
        <source>第 %1 行第 %2 列：%3 号块</source>
        <translation>Row %1, column %2: tile %3</translation>
    </message>
    <message>
        <source>编号图第 %1 行第 %2 列：%3</source>
        <translation>Number map, row %1, column %2: %3</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>pintu::BoardHints</name>
    <message>
        <source>提示</source>
        <translation>Hint</translation>
    </message>
    <message numerus="yes">
        <source>最少还需 %1 步</source>
        <translation>
            <numerusform>%1 move to go</numerusform>
            <numerusform>%1 moves to go</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>约需 %1 步</source>
        <translation>
            <numerusform>About %1 move to go</numerusform>
            <numerusform>About %1 moves to go</numerusform>
        </translation>
    </message>
    <message>
        <source>正在计算…</source>
        <translation>Working it out…</translation>
    </message>
</context>
<context>
    <name>pintu::BoardWindow</name>
    <message>
        <source>开始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>自动拼图</source>
        <translation>Auto-solve</translation>
    </message>
    <message>
        <source>重新开始</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>上</source>
        <translation>▲</translation>
    </message>
    <message>
        <source>上一步</source>
        <translation>Step back</translation>
    </message>
    <message>
        <source>下</source>
        <translation>▼</translation>
    </message>
    <message>
        <source>下一步</source>
        <translation>Step forward</translation>
    </message>
    <message>
        <source>步数</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>计时(秒)</source>
        <translation>Time (s)</translation>
    </message>
</context>
<context>
    <name>pintu::CommandLine</name>
    <message>
        <source>拼图：把图片切成小块打乱，再一块一块滑回原位。</source>
        <translation>Pintu: a picture cut into tiles and shuffled, to slide back into place tile by tile.</translation>
    </message>
    <message>
        <source>显示这份说明。</source>
        <translation>Shows this help.</translation>
    </message>
    <message>
        <source>显示版本。</source>
        <translation>Shows the version.</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>picture</translation>
    </message>
    <message>
        <source>[图片]</source>
        <translation>[picture]</translation>
    </message>
    <message>
        <source>在菜单里打开的图片文件。</source>
        <translation>A picture file to open in the menu.</translation>
    </message>
    <message>
        <source>一次只能打开一张图片。</source>
        <translation>Only one picture can be opened at a time.</translation>
    </message>
</context>
<context>
    <name>pintu::HallOfFameWindow</name>
    <message>
        <source>……（以下从略）</source>
        <translation>… (cut short)</translation>
    </message>
    <message numerus="yes">
        <source>……另有 %1 行更早的记录没有显示</source>
        <translation>
            <numerusform>… and %1 earlier line not shown</numerusform>
            <numerusform>… and %1 earlier lines not shown</numerusform>
        </translation>
    </message>
    <message>
        <source>光荣榜</source>
        <translation>Hall of Fame</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>pintu::MenuWindow</name>
    <message>
        <source>简单</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>普通</source>
        <translation>Mid</translation>
    </message>
    <message>
        <source>较难</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>天才</source>
        <translation>Ace</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>拼</source>
        <translation>拼</translation>
    </message>
    <message>
        <source>图</source>
        <translation>图</translation>
    </message>
    <message>
        <source>选择图片：</source>
        <translation>Picture:</translation>
    </message>
    <message>
        <source>驱动器</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>难度选择：</source>
        <translation>Difficulty:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>光荣榜</source>
        <translation>Winners</translation>
    </message>
    <message>
        <source>1.0 版  2026年12月</source>
        <translation>Version 1.0  December 2026</translation>
    </message>
    <message>
        <source>程序设计：Tavro</source>
        <translation>Programming: Tavro</translation>
    </message>
    <message>
        <source>谢谢你来玩拼图！</source>
        <translation>Thanks for playing!</translation>
    </message>
</context>
<context>
    <name>pintu::Messages</name>
    <message>
        <source>拼图</source>
        <translation>Pintu</translation>
    </message>
    <message>
        <source>没有选择文件！</source>
        <translation>No file chosen!</translation>
    </message>
    <message>
        <source>文件打开失败！</source>
        <translation>The file could not be opened!</translation>
    </message>
    <message>
        <source>Tavro祝你:
 拼图成功 !</source>
        <translation>Tavro congratulates you:
 The picture is whole!</translation>
    </message>
    <message>
        <source>记录文件无法写入，不能开始！</source>
        <translation>The move log cannot be written: no game can start!</translation>
    </message>
    <message>
        <source>记录文件已损坏，无法回放！</source>
        <translation>The move log is damaged: it cannot be replayed!</translation>
    </message>
    <message>
        <source>拼图天才</source>
        <translation>Puzzle Ace</translation>
    </message>
    <message>
        <source>Tavro祝你:
 拼图成功 !
请天才输入大名：</source>
        <translation>Tavro congratulates you:
 The picture is whole!
Ace, please enter your name:</translation>
    </message>
    <message>
        <source>光荣榜无法写入，这次的记录没有保存：
</source>
        <translation>The hall of fame cannot be written; this record was not saved:
</translation>
    </message>
    <message>
        <source>光荣榜无法读取！</source>
        <translation>The hall of fame cannot be read!</translation>
    </message>
    <message>
        <source>上次的游戏还没有结束，要继续吗？</source>
        <translation>Your last game is not over yet. Play on?</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>pintu::ResolutionWindow</name>
    <message>
        <source>分辨率选择</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>pintu::SingleInstance</name>
    <message>
        <source>拼图已经在运行！</source>
        <translation>Pintu is already running!</translation>
    </message>
</context>
</TS>
