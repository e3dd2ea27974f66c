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
    <message>
        <source>暂时没有提示</source>
        <translation>No hint for now</translation>
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
        <translation>Solve</translation>
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
        <translation>Turn</translation>
    </message>
    <message>
        <source>计时(秒)</source>
        <translation>Time(s)</translation>
    </message>
    <message>
        <source>已暂停
按 P 或点一下继续</source>
        <translation>Paused
Press P or click to go on</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>看原图</source>
        <translation>View Picture</translation>
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
    <name>pintu::GameReview</name>
    <message>
        <source>本局回顾</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>你用了 %1 步，最少 %2 步</source>
        <translation>Your moves: %1, fewest: %2</translation>
    </message>
    <message>
        <source>你用了 %1 步，最少不超过 %2 步</source>
        <translation>Your moves: %1, fewest: %2 at most</translation>
    </message>
    <message>
        <source>你用了 %1 步，最少几步还在计算…</source>
        <translation>Your moves: %1, fewest: working it out…</translation>
    </message>
    <message>
        <source>你用了 %1 步</source>
        <translation>Your moves: %1</translation>
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
    <name>pintu::KeyTable</name>
    <message>
        <source>把空格右边的图块向左滑进空格</source>
        <translation>Slides the tile right of the blank left into it</translation>
    </message>
    <message>
        <source>把空格左边的图块向右滑进空格</source>
        <translation>Slides the tile left of the blank right into it</translation>
    </message>
    <message>
        <source>把空格下面的图块向上滑进空格</source>
        <translation>Slides the tile below the blank up into it</translation>
    </message>
    <message>
        <source>把空格上面的图块向下滑进空格</source>
        <translation>Slides the tile above the blank down into it</translation>
    </message>
    <message>
        <source>打开这份帮助（每个窗口都可以）</source>
        <translation>Opens this help (in every window)</translation>
    </message>
    <message>
        <source>在菜单里用文件对话框打开任意图片</source>
        <translation>Opens any picture with the file dialog, in the menu</translation>
    </message>
    <message>
        <source>提示下一步该动哪一块、最少还需几步（天才级没有提示）；赢了以后：你用的步数和最少的步数</source>
        <translation>Hint: the tile to move next and the fewest moves left (not on the Ace board); after a win: your moves against the fewest</translation>
    </message>
    <message>
        <source>暂停：盖住图块，时钟停住；再按一次（或点一下盖板）继续</source>
        <translation>Pauses: covers the tiles and stops the clock; again (or a click on the cover) goes on</translation>
    </message>
    <message>
        <source>和 P 一样：暂停或继续</source>
        <translation>Like P: pauses or goes on</translation>
    </message>
    <message>
        <source>按住时看整张原图，松开回到棋盘；时钟照走</source>
        <translation>Held down, shows the whole picture; let go, the board again; the clock runs on</translation>
    </message>
    <message>
        <source>打开“拼图成绩”：各难度的胜局、最少步数、最快时间和最近赢的局（菜单和棋盘上都可以）</source>
        <translation>Opens &quot;Pintu Records&quot;: each board&apos;s wins, fewest steps, best time and latest wins (in the menu and on the boards)</translation>
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
        <translation>Heroes</translation>
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
    <message>
        <source>天才级没有提示</source>
        <translation>No hints at Ace level</translation>
    </message>
    <message>
        <source>拼图的锁文件的位置被一个文件夹占着，请删除这个文件夹：
</source>
        <translation>A folder stands where Pintu keeps its lock file. Please remove this folder:
</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>打开图片…</source>
        <translation>Open Picture…</translation>
    </message>
    <message>
        <source>打开图片</source>
        <translation>Open Picture</translation>
    </message>
    <message>
        <source>图片 (%1)</source>
        <translation>Pictures (%1)</translation>
    </message>
    <message>
        <source>所有文件 (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>拼图帮助</source>
        <translation>Pintu Help</translation>
    </message>
    <message>
        <source>怎么玩</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>先选择显示器的分辨率（“640*480”或“800*600”），按“开始”。
在菜单的标题画面上点一下，选择驱动器、文件夹和图片，再选难度，按“确定”。
棋盘先显示整张图片。按“开始”，图片被切成小块，右下角的一块变成空格，其余的被打乱。
把空格旁边的图块滑进空格，直到图片重新完整。“步数”记下走了几步，“计时(秒)”记下用了几秒。</source>
        <translation>Choose the resolution of your display (&quot;640*480&quot; or &quot;800*600&quot;) and press &quot;Start&quot;.
Click the title screen, pick a drive, a folder and a picture, then a difficulty, and press &quot;OK&quot;.
The board shows the whole picture first. Press &quot;Start&quot;: the picture is cut into tiles, the bottom-right tile becomes the blank, and the rest are shuffled.
Slide the tiles beside the blank into it until the picture is whole again. &quot;Turn&quot; counts your moves, &quot;Time(s)&quot; the seconds.</translation>
    </message>
    <message>
        <source>按键</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>鼠标</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>菜单的文件列表只列出 BMP 图片。
JPEG、PNG、GIF、WebP、TIFF 等图片可以用 Ctrl+O 打开、拖到菜单上，或者写在命令行上（pintu 图片）。
拼图已经在运行时再打开一张图片（例如文件管理器的“打开方式”），它会出现在正在运行的拼图的菜单里。</source>
        <translation>The menu&apos;s file list shows BMP pictures only.
JPEG, PNG, GIF, WebP, TIFF and other pictures open with Ctrl+O, by dragging them onto the menu, or from the command line (pintu PICTURE).
A picture opened while Pintu already runs (&quot;Open With&quot; in the file manager, say) comes to the running game&apos;s menu.</translation>
    </message>
    <message>
        <source>难度</source>
        <translation>Difficulty</translation>
    </message>
    <message>
        <source>简单 3×3，普通 4×4，较难 5×5，天才 10×10。
前三种可以提示、自动拼图和重新开始；天才级没有提示。</source>
        <translation>Easy 3×3, Mid 4×4, Hard 5×5, Ace 10×10.
The first three offer hints, auto-solve and restart; the Ace board offers no hint.</translation>
    </message>
    <message>
        <source>光荣榜</source>
        <translation>Hall of Fame</translation>
    </message>
    <message>
        <source>拼成天才级的图片后输入大名，步数、秒数和日期就记进光荣榜。
菜单上的“光荣榜”按钮显示它，最新的记录在最上面；还没有记录时这个按钮不出现。</source>
        <translation>Solve an Ace board and enter your name: your steps, seconds and the date go into the hall of fame.
The menu&apos;s &quot;Heroes&quot; button shows it, newest first; until there is a record the button does not appear.</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>点击空格旁边的图块：把它滑进空格。
在棋盘上点右键：“提示”“本局回顾”“暂停”“看原图”“成绩…”和“帮助”；在菜单上点右键：“打开图片…”“成绩…”和“帮助”。
暂停时点一下盖住图块的板：继续。
把一张图片从文件管理器拖到菜单上：它成为选中的图片，它的文件夹在列表里打开。
点击红色的“Tavro”：显示图块的编号（天才级没有）。
开始后、走第一步之前：“自动拼图”和“上”“下”一步一步倒着演示打乱的过程，“重新开始”重新摆出打乱后的局面。</source>
        <translation>Click a tile beside the blank: it slides into the blank.
Right-click the board: &quot;Hint&quot;, &quot;Review&quot;, &quot;Pause&quot;, &quot;View Picture&quot;, &quot;Records…&quot; and &quot;Help&quot;; right-click the menu: &quot;Open Picture…&quot;, &quot;Records…&quot; and &quot;Help&quot;.
While paused, click the cover over the tiles: play goes on.
Drag a picture from the file manager onto the menu: it becomes the chosen picture, its folder open in the lists.
Click the red &quot;Tavro&quot;: the map of tile numbers (not on the Ace board).
After &quot;Start&quot;, before your first move: &quot;Solve&quot; with ▲ and ▼ walks the shuffle back step by step, &quot;Restart&quot; lays out the shuffled board again.</translation>
    </message>
    <message>
        <source>拼图的文件都在 %1
kel.txt：小棋盘打乱的记录，离开棋盘时删除。
grb.kel：光荣榜。
kept-game.txt：还没有结束的游戏，下次启动时可以接着玩。
records.txt：你的成绩（F4），每种棋盘的最好成绩和最近赢的局；坏了的文件改名为 records.txt.damaged 保存。
pintu.lock：表示拼图正在运行，同一时间只运行一个拼图。
pattern-*.pdb：提示用的表，第一次提示时建立。</source>
        <translation>Pintu keeps its files in %1
kel.txt: the shuffle of a small board, removed when you leave the board.
grb.kel: the hall of fame.
kept-game.txt: a game not yet over, to play on at the next start.
records.txt: your records (F4), each board&apos;s bests and your latest wins; a damaged one is kept as records.txt.damaged.
pintu.lock: says that Pintu runs; only one Pintu runs at a time.
pattern-*.pdb: the tables behind the hint, built at the first hint.</translation>
    </message>
</context>
<context>
    <name>pintu::PictureLook</name>
    <message>
        <source>原图</source>
        <translation>Picture</translation>
    </message>
</context>
<context>
    <name>pintu::RecordsWindow</name>
    <message>
        <source>拼图成绩</source>
        <translation>Pintu Records</translation>
    </message>
    <message>
        <source>成绩…</source>
        <translation>Records…</translation>
    </message>
    <message>
        <source>还没有赢过一局。拼好一张图片，成绩就记在这里。</source>
        <translation>No game won yet. Finish a picture and your records show here.</translation>
    </message>
    <message>
        <source>成绩文件坏了，已原样改名保存为 %1，新的成绩从这里记起。</source>
        <translation>The records file was damaged: it is kept as it was under %1, and new records begin here.</translation>
    </message>
    <message>
        <source>成绩文件无法写入，最近赢的一局没有记下。</source>
        <translation>The records file cannot be written: the latest win is not recorded.</translation>
    </message>
    <message>
        <source>各棋盘的最好成绩</source>
        <translation>Each board&apos;s best</translation>
    </message>
    <message>
        <source>最近赢的 %1 局</source>
        <translation>The latest %1 wins</translation>
    </message>
    <message>
        <source>棋盘</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>胜局</source>
        <translation>Wins</translation>
    </message>
    <message>
        <source>最少步数</source>
        <translation>Fewest steps</translation>
    </message>
    <message>
        <source>最快（秒）</source>
        <translation>Fastest (s)</translation>
    </message>
    <message>
        <source>最接近最短（步数/最少）</source>
        <translation>Closest (steps/fewest)</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>步数</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>Seconds</translation>
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
<context>
    <name>pintu::UnkeptGameNote</name>
    <message>
        <source>这局游戏无法保存：%1</source>
        <translation>This game cannot be saved: %1</translation>
    </message>
    <message>
        <source>磁盘已满</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>没有写入的权限</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>磁盘只能读不能写</source>
        <translation>the disk is read-only</translation>
    </message>
</context>
</TS>
