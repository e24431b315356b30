<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>lumo</name>
    <message>
        <source>您设置的热键与其他程序的热键冲突,请选择过热键.</source>
        <translation>The hotkey you chose is taken by another program. Please choose another hotkey.</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Tarvik鼠标点击器V1.0</source>
        <translation>Tarvik Mouse Clicker V1.0</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>Lumo鼠标自动点击器</source>
        <translation>Lumo Auto Mouse Clicker</translation>
    </message>
    <message>
        <source>Lumo鼠标自动点击器 - 定时点击</source>
        <translation>Lumo Auto Mouse Clicker - Timed clicks</translation>
    </message>
    <message>
        <source>是(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>否(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>     鼠标点击器已经停止.     </source>
        <translation>     The mouse clicker has stopped.     </translation>
    </message>
    <message>
        <source>点击出错,请联系软件作者.</source>
        <translation>Clicking failed. Please contact the author.</translation>
    </message>
    <message>
        <source>状态:点击器已经启动</source>
        <translation>Status: clicker started</translation>
    </message>
    <message>
        <source>状态:点击器已经停止</source>
        <translation>Status: clicker stopped</translation>
    </message>
    <message>
        <source>点击次数:</source>
        <translation>Clicks: </translation>
    </message>
    <message>
        <source>左键</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>右键</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>单击</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>双击</source>
        <translation>Double</translation>
    </message>
    <message>
        <source>左键单击</source>
        <translation>Left click</translation>
    </message>
    <message>
        <source>左键双击</source>
        <translation>Left ×2</translation>
    </message>
    <message>
        <source>右键单击</source>
        <translation>Right click</translation>
    </message>
    <message>
        <source>右键双击</source>
        <translation>Right ×2</translation>
    </message>
    <message>
        <source>无点击</source>
        <translation>No click</translation>
    </message>
    <message>
        <source>您设置的热键于其他程序的热键冲突,请选择过热键.</source>
        <translation>The hotkey you chose is taken by another program. Please choose another hotkey.</translation>
    </message>
    <message>
        <source>请输入要点击的鼠标坐标位置</source>
        <translation>Please enter the position to click.</translation>
    </message>
    <message>
        <source>请选择要修改的点击坐标.</source>
        <translation>Please select the position to modify.</translation>
    </message>
    <message>
        <source>软件出错,没有找到所需的数据文件，请到%1重新下载过软件.</source>
        <translation>The program failed: its data file is missing. Please download the program again from %1.</translation>
    </message>
    <message>
        <source>已启用</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>未启用</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>定时点击出错,请联系作者反馈错误信息.QQ:</source>
        <translation>Timed clicking failed. Please report the error to the author. QQ:</translation>
    </message>
    <message>
        <source>lumoclick: --play 后面要写脚本名称。
</source>
        <translation>lumoclick: --play needs a script name.
</translation>
    </message>
    <message>
        <source>lumoclick: 没有正在运行的 lumoclick。
</source>
        <translation>lumoclick: no lumoclick is running.
</translation>
    </message>
    <message>
        <source>lumoclick: 没有名为“%1”的脚本。
</source>
        <translation>lumoclick: there is no script named &quot;%1&quot;.
</translation>
    </message>
    <message>
        <source>当前是 Wayland 会话，本软件通过 XWayland 运行：热键和鼠标点击只对 X11（XWayland）窗口有效，对 Wayland 原生窗口无效。

要在任何窗口上使用热键，请在桌面设置里把这些命令绑定到快捷键：
lumoclick --toggle	开始或停止单点点击
lumoclick --stop	停止点击
lumoclick --play 脚本名称	播放这个脚本</source>
        <translation>This is a Wayland session; the program runs through XWayland: its hotkeys and mouse clicks work on X11 (XWayland) windows only, not on native Wayland windows.

To use hotkeys whatever window has the focus, bind these commands to shortcuts in the desktop&apos;s settings:
lumoclick --toggle	start or stop single-point clicking
lumoclick --stop	stop clicking
lumoclick --play NAME	play the script called NAME</translation>
    </message>
    <message>
        <source>没有找到可以打开网页的程序，请复制下面的地址到浏览器中打开：

</source>
        <translation>No program to open web pages was found. Please copy the address below into a browser:

</translation>
    </message>
    <message>
        <source>多点脚本列表</source>
        <translation>Script list</translation>
    </message>
    <message>
        <source>定时任务列表</source>
        <translation>Timed task list</translation>
    </message>
    <message>
        <source>数据文件 acdb.mdb 不完整:</source>
        <translation>The data file acdb.mdb is incomplete:</translation>
    </message>
    <message>
        <source>缺少数据表 %1</source>
        <translation>table %1 is missing</translation>
    </message>
    <message>
        <source>数据表 %1 缺少 %2 列</source>
        <translation>table %1 has no column %2</translation>
    </message>
    <message>
        <source>和</source>
        <translation> and </translation>
    </message>
    <message>
        <source>将保持为空,其他功能照常使用.
请从备份中恢复 acdb.mdb,或到</source>
        <translation> will stay empty; everything else works as usual.
Restore acdb.mdb from a backup, or download the program again from </translation>
    </message>
    <message>
        <source>重新下载软件.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>发现新版本 %1，是否打开下载页面？</source>
        <translation>Version %1 is available. Open its download page?</translation>
    </message>
    <message>
        <source>中键</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>中键单击</source>
        <translation>Middle click</translation>
    </message>
    <message>
        <source>中键双击</source>
        <translation>Middle ×2</translation>
    </message>
    <message>
        <source>正在点击,请停止点击后再录制坐标.</source>
        <translation>Clicks are running. Stop them before recording positions.</translation>
    </message>
    <message>
        <source>F11已被其他程序占用,不能录制坐标.</source>
        <translation>F11 is taken by another program, so positions cannot be recorded.</translation>
    </message>
    <message>
        <source>无法录制鼠标点击.</source>
        <translation>Mouse clicks cannot be recorded.</translation>
    </message>
    <message>
        <source>正在录制,按F11结束</source>
        <translation>Recording, press F11 to end</translation>
    </message>
    <message>
        <source>数据文件 acdb.mdb 中有空值的行没有载入,其他行照常使用:</source>
        <translation>Rows of the data file acdb.mdb with empty values were not loaded; the other rows work as usual:</translation>
    </message>
    <message>
        <source>可以删除这些行后重新添加,或从备份中恢复 acdb.mdb.</source>
        <translation>Delete these rows and add them again, or restore acdb.mdb from a backup.</translation>
    </message>
    <message>
        <source>没有设置 HOME 环境变量,找不到保存设置和数据的文件夹.单点点击和停止热键照常使用,设置、脚本和定时任务不能读取和保存.请设置 HOME 后重新启动软件.</source>
        <translation>The HOME environment variable is not set, so there is no folder for the settings and data. Single-point clicking and the stop hotkey work as usual; settings, scripts and timed tasks cannot be read or saved. Please set HOME and start the program again.</translation>
    </message>
    <message>
        <source>无法创建数据文件夹 %1 或没有写入它的权限,脚本和定时任务不能读取和保存.请检查这个文件夹的权限.</source>
        <translation>The data folder %1 cannot be created or is not writable; scripts and timed tasks cannot be read or saved. Please check the folder&apos;s permissions.</translation>
    </message>
    <message>
        <source>没有找到数据文件模板 %1,脚本和定时任务不能使用.请重新安装软件.</source>
        <translation>The data file template %1 was not found; scripts and timed tasks cannot be used. Please reinstall the program.</translation>
    </message>
    <message>
        <source>数据文件模板 %1 已损坏或不完整(不是可用的 SQLite 数据库,或缺少数据表 mplist、tplist 及其列),没有复制.脚本和定时任务不能使用.请重新安装软件.</source>
        <translation>The data file template %1 is damaged or incomplete (not a usable SQLite database, or the tables mplist and tplist or their columns are missing) and was not copied. Scripts and timed tasks cannot be used. Please reinstall the program.</translation>
    </message>
    <message>
        <source>无法把数据文件模板 %1 复制到文件夹 %2,脚本和定时任务不能使用.请检查磁盘空间和这个文件夹的权限.</source>
        <translation>The data file template %1 could not be copied to the folder %2; scripts and timed tasks cannot be used. Please check the free disk space and the folder&apos;s permissions.</translation>
    </message>
    <message>
        <source>无法创建设置文件夹 %1 或没有写入它的权限,设置不能保存.请检查这个文件夹的权限.</source>
        <translation>The settings folder %1 cannot be created or is not writable; settings cannot be saved. Please check the folder&apos;s permissions.</translation>
    </message>
    <message>
        <source>正在录制，按F11结束</source>
        <translation>Recording, F11 ends</translation>
    </message>
    <message>
        <source>侧键1</source>
        <translation>Side button 1</translation>
    </message>
    <message>
        <source>侧键2</source>
        <translation>Side button 2</translation>
    </message>
    <message>
        <source>用法: lumoclick [选项] [tb | 2345 | autotime]

鼠标自动点击器：单点点击、由全局热键启动的多点脚本和定时点击任务。

参数（只看第一个）:
  tb         在浏览器中打开软件下载页面，然后退出，不显示窗口
  2345       在浏览器中打开上网导航页面，然后退出，不显示窗口
  autotime   启用全部定时任务，并隐藏到系统托盘启动（随桌面会话启动时使用）

选项:
  -h, --help     显示本帮助并退出
  -v, --version  显示版本并退出

控制正在运行的 lumoclick（可绑定到桌面的自定义快捷键）:
  --toggle       开始或停止单点点击，和单点点击热键一样
  --stop         停止正在播放的脚本和单点点击，和停止热键一样
  --play 名称    播放这个名称的脚本，不论它的热键是否启用
  --list         列出脚本、热键和状态，每行一个
退出码: 0 完成，1 没有正在运行的 lumoclick，2 没有这个脚本。

导出和导入脚本（不论 lumoclick 是否正在运行）:
  --export 文件  把全部脚本和定时任务写入这个文件（UTF-8 JSON）
  --import 文件  把文件中的脚本和定时任务添加为新的记录，不替换已有的；
                 热键与已有脚本相同时照样导入，并在标准错误输出中说明
退出码: 0 完成，1 失败（原因写在标准错误输出中，导入失败时什么都不添加）。

需要 X11 会话（Wayland 下通过 XWayland 运行）。
</source>
        <translation>Usage: lumoclick [options] [tb | 2345 | autotime]

Mouse auto-clicker: single-point clicking, multi-point scripts started by
global hotkeys, and timed click tasks.

Arguments (only the first counts):
  tb         open the download page in the browser and exit, showing no window
  2345       open the navigation page in the browser and exit, showing no window
  autotime   enable every timed task and start hidden in the system tray
             (used when starting with the desktop session)

Options:
  -h, --help     show this help and exit
  -v, --version  show the version and exit

Controlling the running lumoclick (to bind to the desktop&apos;s own shortcuts):
  --toggle       start or stop single-point clicking, as its hotkey does
  --stop         stop the playing scripts and single-point clicking, as the
                 stop key does
  --play NAME    play the script of that name, whether its hotkey is
                 enabled or not
  --list         list the scripts with their hotkeys and state, one a line
Exit status: 0 done, 1 no running lumoclick, 2 no such script.

Exporting and importing scripts (whether lumoclick runs or not):
  --export FILE  write every script and timed task to this file (UTF-8 JSON)
  --import FILE  add the file&apos;s scripts and timed tasks as new rows,
                 replacing nothing; a script whose hotkey another has is
                 still added, and standard error says so
Exit status: 0 done, 1 failed (standard error says why; a failed import
adds nothing).

Needs an X11 session (under Wayland it runs through XWayland).
</translation>
    </message>
    <message>
        <source>没有导入任何内容。</source>
        <translation> Nothing was imported.</translation>
    </message>
    <message>
        <source>lumoclick: 无法读取文件 %1（%2）。</source>
        <translation>lumoclick: cannot read the file %1 (%2).</translation>
    </message>
    <message>
        <source>lumoclick: 文件 %1 太大，脚本文件最大 %2 MB。</source>
        <translation>lumoclick: the file %1 is too large; a script file holds at most %2 MB.</translation>
    </message>
    <message>
        <source>lumoclick: 文件 %1 不是 lumoclick 的脚本文件（%2）。</source>
        <translation>lumoclick: the file %1 is not a lumoclick script file (%2).</translation>
    </message>
    <message>
        <source>lumoclick: 无法写入文件 %1（%2）。</source>
        <translation>lumoclick: cannot write the file %1 (%2).</translation>
    </message>
    <message>
        <source>lumoclick: 数据文件 acdb.mdb 出错（%1）。</source>
        <translation>lumoclick: the data file acdb.mdb failed (%1).</translation>
    </message>
    <message>
        <source>lumoclick: 导入的脚本“%1”的热键 %2 已被同一文件中的脚本“%3”使用；脚本已导入，但两个脚本不能同时启用。</source>
        <translation>lumoclick: the hotkey %2 of the imported script “%1” is already used by the script “%3” earlier in the same file; the script was imported, but the two cannot be enabled at the same time.</translation>
    </message>
    <message>
        <source>lumoclick: 导入的脚本“%1”的热键 %2 已被现有的脚本“%3”使用；脚本已导入，但两个脚本不能同时启用。</source>
        <translation>lumoclick: the hotkey %2 of the imported script “%1” is already used by the existing script “%3”; the script was imported, but the two cannot be enabled at the same time.</translation>
    </message>
    <message>
        <source>lumoclick: 已从 %1 导入 %2 个脚本和 %3 个定时任务。</source>
        <translation>lumoclick: imported %2 script(s) and %3 timed task(s) from %1.</translation>
    </message>
    <message>
        <source>lumoclick: 已把 %2 个脚本和 %3 个定时任务导出到 %1。</source>
        <translation>lumoclick: exported %2 script(s) and %3 timed task(s) to %1.</translation>
    </message>
    <message>
        <source>lumoclick: --export 和 --import 不能一起使用。
</source>
        <translation>lumoclick: --export and --import cannot be used together.
</translation>
    </message>
    <message>
        <source>lumoclick: --import 后面要写文件名。
</source>
        <translation>lumoclick: --import needs a file name after it.
</translation>
    </message>
    <message>
        <source>lumoclick: --export 后面要写文件名。
</source>
        <translation>lumoclick: --export needs a file name after it.
</translation>
    </message>
    <message>
        <source>lumoclick: 正在运行的 lumoclick 拒绝了这个命令。
</source>
        <translation>lumoclick: the running lumoclick refused the command.
</translation>
    </message>
    <message>
        <source>lumoclick: 正在运行的 lumoclick 没有回答，不知道命令是否已完成。
</source>
        <translation>lumoclick: the running lumoclick did not answer; whether the command was done is not known.
</translation>
    </message>
</context>
<context>
    <name>lumo::AboutDialog</name>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>版本:1.0</source>
        <translation>Version: 1.0</translation>
    </message>
    <message>
        <source>联系我们：support@lumoclick.example</source>
        <translation>Contact: support@lumoclick.example</translation>
    </message>
    <message>
        <source>Tarvik软件工作室出品</source>
        <translation>Made by Tarvik Software Studio</translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>lumo::AddScriptDialog</name>
    <message>
        <source>添加多坐标点击</source>
        <translation>Add multi-point clicks</translation>
    </message>
    <message>
        <source>输入名称和设置启动热键</source>
        <translation>Enter a name and set the start hotkey</translation>
    </message>
    <message>
        <source>名称重复,请选择过其他的名称.</source>
        <translation>This name is taken. Please choose another name.</translation>
    </message>
</context>
<context>
    <name>lumo::AddTimedTaskDialog</name>
    <message>
        <source>添加定时点击</source>
        <translation>Add timed clicks</translation>
    </message>
</context>
<context>
    <name>lumo::HelpPage</name>
    <message>
        <source>不支持的地址</source>
        <translation>Unsupported address</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;h3&gt;无法显示此页&lt;/h3&gt;&lt;p&gt;帮助页面无法打开：&lt;/p&gt;&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;%2&lt;/p&gt;&lt;p&gt;请检查网络连接或地址后再试。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;h3&gt;This page cannot be shown&lt;/h3&gt;&lt;p&gt;The help page could not be opened:&lt;/p&gt;&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;%2&lt;/p&gt;&lt;p&gt;Please check the network connection or the address and try again.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>lumo::MainWindow</name>
    <message>
        <source>Tarvik软件 </source>
        <translation>Tarvik Software </translation>
    </message>
    <message>
        <source>单点点击(&amp;S)</source>
        <translation>&amp;Single point</translation>
    </message>
    <message>
        <source>多点点击(&amp;M)</source>
        <translation>&amp;Multi-point</translation>
    </message>
    <message>
        <source>定时点击(&amp;T)</source>
        <translation>&amp;Timed</translation>
    </message>
    <message>
        <source>软件使用方法(&amp;H)</source>
        <translation>&amp;How to use</translation>
    </message>
    <message>
        <source>窗口置顶</source>
        <translation>On top</translation>
    </message>
    <message>
        <source>打开软件主页</source>
        <translation>Open the home page</translation>
    </message>
    <message>
        <source>关于软件(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>更多软件(&amp;M)</source>
        <translation>&amp;More</translation>
    </message>
    <message>
        <source>在线反馈(&amp;F)</source>
        <translation>&amp;Feedback</translation>
    </message>
    <message>
        <source>退出软件(&amp;E)</source>
        <translation>&amp;Exit</translation>
    </message>
    <message>
        <source>是否确定要退出Tarvik鼠标点击器?</source>
        <translation>Do you really want to quit Tarvik Mouse Clicker?</translation>
    </message>
    <message>
        <source>功能页</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>使用说明</source>
        <translation>Instructions</translation>
    </message>
</context>
<context>
    <name>lumo::ModifyScriptDialog</name>
    <message>
        <source>修改坐标</source>
        <translation>Modify multi-point clicks</translation>
    </message>
    <message>
        <source>输入名称和设置启动热键和循环点击的次数。</source>
        <translation>Enter a name, the start hotkey and how many times to repeat.</translation>
    </message>
    <message>
        <source>请选择要修改的项目.</source>
        <translation>Please select the item to modify.</translation>
    </message>
    <message>
        <source>修改项目出错,请联系软件作者.</source>
        <translation>Modifying the item failed. Please contact the author.</translation>
    </message>
</context>
<context>
    <name>lumo::ModifyTimedTaskDialog</name>
    <message>
        <source>修改定时点击</source>
        <translation>Modify timed clicks</translation>
    </message>
    <message>
        <source>请选择要修改的项目.</source>
        <translation>Please select the item to modify.</translation>
    </message>
</context>
<context>
    <name>lumo::ScriptEditor</name>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>名称:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>启动热键:</source>
        <translation>Hotkey:</translation>
    </message>
    <message>
        <source>十</source>
        <translation>+</translation>
    </message>
    <message>
        <source>循环点击次数:</source>
        <translation>Repeat:</translation>
    </message>
    <message>
        <source>点击</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>坐标位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>点击事件</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>间隔时间</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>添加坐标</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>修改坐标</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>删除坐标</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>上移一行</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>下移一行</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>请输入循环点击次数。</source>
        <translation>Please enter how many times to repeat.</translation>
    </message>
    <message>
        <source>请输入多坐标点击的名称.</source>
        <translation>Please enter a name for the multi-point clicks.</translation>
    </message>
    <message>
        <source>录制坐标</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>启动热键的修饰键</source>
        <translation>Start hotkey modifier</translation>
    </message>
    <message>
        <source>启动热键的按键</source>
        <translation>Start hotkey key</translation>
    </message>
    <message>
        <source>坐标列表</source>
        <translation>Steps</translation>
    </message>
</context>
<context>
    <name>lumo::ScriptHotkeys</name>
    <message>
        <source>您设置的%1热键与其他程序的热键冲突,请选择过热键.</source>
        <translation>The hotkey %1 you chose is taken by another program. Please choose another hotkey.</translation>
    </message>
</context>
<context>
    <name>lumo::ScriptList</name>
    <message>
        <source>行号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>脚本名称</source>
        <translation>Script name</translation>
    </message>
    <message>
        <source>启动热键</source>
        <translation>Start key</translation>
    </message>
    <message>
        <source>停止热键</source>
        <translation>Stop key</translation>
    </message>
    <message>
        <source>点击次数</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>多坐标点击</source>
        <translation>Multi-point clicks</translation>
    </message>
    <message>
        <source>删除脚本</source>
        <translation>Delete script</translation>
    </message>
    <message>
        <source>添加(&amp;A)</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>修改(&amp;M)</source>
        <translation>&amp;Modify</translation>
    </message>
    <message>
        <source>删除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>停止热键设置(&amp;P)</source>
        <translation>Sto&amp;p hotkey</translation>
    </message>
    <message>
        <source>启用(&amp;S)</source>
        <translation>&amp;Enable</translation>
    </message>
    <message>
        <source>停用(&amp;T)</source>
        <translation>Disa&amp;ble</translation>
    </message>
    <message>
        <source>请选择您要删除的记录</source>
        <translation>Please select the record to delete.</translation>
    </message>
    <message>
        <source>是否要删除选定的记录</source>
        <translation>Delete the selected record?</translation>
    </message>
    <message>
        <source>多点点击列表</source>
        <translation>Scripts</translation>
    </message>
</context>
<context>
    <name>lumo::SinglePointPanel</name>
    <message>
        <source>热键设置</source>
        <translation>Hotkey</translation>
    </message>
    <message>
        <source>鼠 标:</source>
        <translation>Mouse:</translation>
    </message>
    <message>
        <source>事件:</source>
        <translation>Event:</translation>
    </message>
    <message>
        <source>速度为</source>
        <translation>Every</translation>
    </message>
    <message>
        <source>秒一次</source>
        <translation>s</translation>
    </message>
    <message>
        <source>点击数:</source>
        <translation>Clicks:</translation>
    </message>
    <message>
        <source>(点击次数达到了设置的点击数后会自动停止,0为不限制)</source>
        <translation>(stops after this many clicks; 0 is no limit)</translation>
    </message>
    <message>
        <source>启动热键:</source>
        <translation>Hotkey:</translation>
    </message>
    <message>
        <source>十</source>
        <translation>+</translation>
    </message>
    <message>
        <source>保存设置(&amp;S)</source>
        <translation>&amp;Save settings</translation>
    </message>
    <message>
        <source>指定坐标</source>
        <translation>Fixed</translation>
    </message>
    <message>
        <source>输入要点击的鼠标坐标位置</source>
        <translation>the position to click</translation>
    </message>
    <message>
        <source>设置保存成功,请记住你设置的 %1 启动热键.</source>
        <translation>Settings saved. Remember your start hotkey %1.</translation>
    </message>
    <message>
        <source>请按你设置的热键启动点击器,停止的热键也是这个.</source>
        <translation>Press this hotkey to start the clicker; the same hotkey stops it.</translation>
    </message>
    <message>
        <source>就是点击器运行后再按一次热键就停止点击器.</source>
        <translation>While the clicker runs, pressing the hotkey again stops it.</translation>
    </message>
    <message>
        <source>按住</source>
        <translation>Hold</translation>
    </message>
    <message>
        <source>每次点击按住的毫秒数,0为不按住(速度0.1秒及以上有效)</source>
        <translation>Milliseconds each click is held down, 0 for no hold (at 0.1 s per click and slower)</translation>
    </message>
    <message>
        <source>随机</source>
        <translation>±</translation>
    </message>
    <message>
        <source>每次间隔随机增减的毫秒数,0为不随机(速度0.1秒及以上有效)</source>
        <translation>Milliseconds each interval is randomly lengthened or shortened by, 0 for none (at 0.1 s per click and slower)</translation>
    </message>
    <message>
        <source>速度为 0 到 %1 秒一次</source>
        <translation>the speed is 0 to %1 seconds per click</translation>
    </message>
    <message>
        <source>按住最多 %1 毫秒</source>
        <translation>a click is held at most %1 ms</translation>
    </message>
    <message>
        <source>随机最多 %1 毫秒</source>
        <translation>the random variation is at most %1 ms</translation>
    </message>
    <message>
        <source>无法读取设置文件 %1,现在显示的是默认设置.</source>
        <translation>The settings file %1 cannot be read; the default settings are shown.</translation>
    </message>
    <message>
        <source>设置文件中有超出范围的值,已改用最接近的允许值:</source>
        <translation>The settings file holds values out of range; the nearest allowed values are used:</translation>
    </message>
    <message>
        <source>不改动这些值时,保存设置不会改写文件中原来的值.</source>
        <translation>As long as you leave these values unchanged, saving the settings keeps the original values in the file.</translation>
    </message>
    <message>
        <source>设置没有保存:%1.</source>
        <translation>Settings not saved: %1.</translation>
    </message>
    <message>
        <source>设置文件 %1 没有读取成功,现在显示的不是其中保存的设置.保存会替换其中的设置,是否继续?</source>
        <translation>The settings file %1 could not be read, so the settings shown are not the ones stored in it. Saving will replace its settings. Continue?</translation>
    </message>
    <message>
        <source>启动热键的修饰键</source>
        <translation>Start hotkey modifier</translation>
    </message>
    <message>
        <source>启动热键的按键</source>
        <translation>Start hotkey key</translation>
    </message>
    <message>
        <source>指定坐标X</source>
        <translation>Fixed X</translation>
    </message>
    <message>
        <source>指定坐标Y</source>
        <translation>Fixed Y</translation>
    </message>
</context>
<context>
    <name>lumo::StepEditor</name>
    <message>
        <source>把鼠标指针放到要点击的地方,按F11自动会获取所在的坐标</source>
        <translation>Point the mouse where to click and press F11 to take the position</translation>
    </message>
    <message>
        <source>点击事件选择是要鼠标左键点击还是右键点击</source>
        <translation>The event chooses a left or a right click.</translation>
    </message>
    <message>
        <source>间隔时间是当前点击完成后要停止多少时间才点击一下个点击记录。</source>
        <translation>The interval is the pause after this click before the next one.</translation>
    </message>
    <message>
        <source>这个间隔时间具体根据电脑的配置来设置的。</source>
        <translation>Set the interval to suit the speed of the computer.</translation>
    </message>
    <message>
        <source>添加坐标</source>
        <translation>Add position</translation>
    </message>
    <message>
        <source>修改坐标</source>
        <translation>Modify position</translation>
    </message>
    <message>
        <source>鼠标坐标属性</source>
        <translation>Mouse position</translation>
    </message>
    <message>
        <source>当前坐标:</source>
        <translation>Current: </translation>
    </message>
    <message>
        <source>鼠标坐标:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>点击事件</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>间隔时间</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>豪秒</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>添加(&amp;A)</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>关闭(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>当前坐标: X=%1  Y=%2</source>
        <translation>Current: X=%1  Y=%2</translation>
    </message>
</context>
<context>
    <name>lumo::StopHotkeyDialog</name>
    <message>
        <source>停止热键设置</source>
        <translation>Stop hotkey</translation>
    </message>
    <message>
        <source>热键设置</source>
        <translation>Hotkey</translation>
    </message>
    <message>
        <source>热键:</source>
        <translation>Key:</translation>
    </message>
    <message>
        <source>十</source>
        <translation>+</translation>
    </message>
    <message>
        <source>多点点击的一般都是执行完点击的会自动停止的，如果有时要停止运行点击可以用这里设置的热键来停止点击器的点击.</source>
        <translation>Multi-point clicks stop by themselves when they are done. To stop a run early, press the hotkey set here.</translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>热键设置成功,所有点击的记录都是这个热键停止.</source>
        <translation>Hotkey saved. It stops every click run.</translation>
    </message>
    <message>
        <source>停止热键“%1”不能使用,没有保存.请选择修饰键和 F1 到 F12 或侧键1、侧键2中的一个按键.</source>
        <translation>The stop hotkey “%1” cannot be used and was not saved. Please choose a modifier and one of the keys F1 to F12 or side button 1 or 2.</translation>
    </message>
    <message>
        <source>停止热键的修饰键</source>
        <translation>Stop hotkey modifier</translation>
    </message>
    <message>
        <source>停止热键的按键</source>
        <translation>Stop hotkey key</translation>
    </message>
</context>
<context>
    <name>lumo::TimedEditor</name>
    <message>
        <source>确定(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>定时点击</source>
        <translation>Timed clicks</translation>
    </message>
    <message>
        <source>时间:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>时</source>
        <translation>h</translation>
    </message>
    <message>
        <source>分</source>
        <translation>m</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>点击次数:</source>
        <translation>Repeat:</translation>
    </message>
    <message>
        <source>点击属性</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>点击</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>间隔</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>添加(&amp;A)</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>修改(&amp;M)</source>
        <translation>&amp;Modify</translation>
    </message>
    <message>
        <source>删除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>上移一行</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>下移一行</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>当前系统时间:</source>
        <translation>System time: </translation>
    </message>
    <message>
        <source>录制坐标</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>小时</source>
        <translation>Hour</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>秒钟</source>
        <translation>Second</translation>
    </message>
    <message>
        <source>坐标列表</source>
        <translation>Steps</translation>
    </message>
</context>
<context>
    <name>lumo::TimedList</name>
    <message>
        <source>定时点击</source>
        <translation>Timed clicks</translation>
    </message>
    <message>
        <source>行号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>定时时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>点击次数</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>添加(&amp;A)</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>修改(&amp;M)</source>
        <translation>&amp;Modify</translation>
    </message>
    <message>
        <source>删除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>启用(&amp;S)</source>
        <translation>&amp;Enable</translation>
    </message>
    <message>
        <source>停用(&amp;T)</source>
        <translation>Disa&amp;ble</translation>
    </message>
    <message>
        <source>设置开机启动</source>
        <translation>Start with system</translation>
    </message>
    <message>
        <source>请选择您要删除的记录</source>
        <translation>Please select the record to delete.</translation>
    </message>
    <message>
        <source>是否确定要删除选定记录.</source>
        <translation>Delete the selected record?</translation>
    </message>
    <message>
        <source>定时点击列表</source>
        <translation>Timed tasks</translation>
    </message>
</context>
<context>
    <name>lumo::Tray</name>
    <message>
        <source>上网导航(&amp;D)</source>
        <translation>Web &amp;directory</translation>
    </message>
    <message>
        <source>更多软件(&amp;M)</source>
        <translation>&amp;More</translation>
    </message>
    <message>
        <source>关于(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>设置(&amp;S)</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>退出(&amp;E)</source>
        <translation>&amp;Exit</translation>
    </message>
</context>
<context>
    <name>lumo::UpdateDownloadWindow</name>
    <message>
        <source>Lumo鼠标自动点击器升级中...</source>
        <translation>Lumo Auto Mouse Clicker is updating...</translation>
    </message>
    <message>
        <source>升级文件下载中...</source>
        <translation>Downloading the update...</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>正在下载新版本安装文件</source>
        <translation>Downloading the installer</translation>
    </message>
    <message>
        <source>下载文件自动升级下载失败，请到官网手动下载</source>
        <translation>The update could not be downloaded. Please download it from the website.</translation>
    </message>
    <message>
        <source>下载失败</source>
        <translation>Download failed</translation>
    </message>
</context>
</TS>
