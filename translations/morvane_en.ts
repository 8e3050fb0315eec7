<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>关于 Morvane</source>
        <translation>About Morvane</translation>
    </message>
    <message>
        <source>Morvane %1 版</source>
        <translation>Morvane version %1</translation>
    </message>
    <message>
        <source>无</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Git 修订：%1</source>
        <translation>Git revision: %1</translation>
    </message>
    <message>
        <source>Qt 版本：%1</source>
        <translation>Qt version: %1</translation>
    </message>
    <message>
        <source>许可：专有软件，保留所有权利</source>
        <translation>Licence: proprietary, all rights reserved</translation>
    </message>
    <message>
        <source>版权所有 © 2026 Morvane 维护者</source>
        <translation>Copyright © 2026 the Morvane maintainers</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CBackupCommandTexts</name>
    <message>
        <source>备份用户到文件夹(&amp;B)…</source>
        <translation>&amp;Back up users to a folder…</translation>
    </message>
    <message>
        <source>读取模块的用户列表，把每个用户的特征值存为“用户号.fea”</source>
        <translation>Reads the module&apos;s user list and saves each user&apos;s feature value as &quot;user number.fea&quot;</translation>
    </message>
    <message>
        <source>停止备份(&amp;P)</source>
        <translation>Sto&amp;p the backup</translation>
    </message>
    <message>
        <source>批量存储文件夹(&amp;F)…</source>
        <translation>Batch storage &amp;folder…</translation>
    </message>
    <message>
        <source>选择批量存储读取特征值文件的文件夹</source>
        <translation>Chooses the folder whose feature files batch storage reads</translation>
    </message>
    <message>
        <source>备份用户到文件夹</source>
        <translation>Back up users to a folder</translation>
    </message>
    <message>
        <source>无法写入 %1</source>
        <translation>Cannot write to %1</translation>
    </message>
    <message>
        <source>批量存储文件夹</source>
        <translation>Batch storage folder</translation>
    </message>
</context>
<context>
    <name>CBatchLimitTexts</name>
    <message>
        <source>文件夹中有 %1 个特征值文件，一批最多存储 %2 个：按找到的顺序存储前 %2 个，其余 %3 个文件不存储。
确定：存储这 %2 个；取消：不存储。</source>
        <translation>The folder holds %1 feature files; a batch stores at most %2: the first %2 in the order found are stored, the other %3 files are not.
OK: store these %2; Cancel: store nothing.</translation>
    </message>
</context>
<context>
    <name>CBatchScanTexts</name>
    <message>
        <source>文件名%1无效!</source>
        <translation>File name %1 is invalid!</translation>
    </message>
    <message>
        <source>文件读取失败! %1</source>
        <translation>Reading the file failed! %1</translation>
    </message>
    <message>
        <source>文件打开失败! %1</source>
        <translation>Opening the file failed! %1</translation>
    </message>
    <message>
        <source>只有 %1 字节，应有 %2 字节</source>
        <translation>only %1 bytes, %2 expected</translation>
    </message>
    <message>
        <source>无特征值文件!</source>
        <translation>No feature file!</translation>
    </message>
</context>
<context>
    <name>CCliHelp</name>
    <message>
        <source>列出找到的串口设备，以及各自的说明和对应的 COM 编号。</source>
        <translation>List the serial devices found, with their description and the COM number each is bound to.</translation>
    </message>
    <message>
        <source>读取用户总数（取用户总数）。</source>
        <translation>Read the number of users (User count).</translation>
    </message>
    <message>
        <source>改为读取用户容量。</source>
        <translation>Read the user capacity instead.</translation>
    </message>
    <message>
        <source>读取模块版本（取脱机模块版本）。</source>
        <translation>Read the module&apos;s version (Version).</translation>
    </message>
    <message>
        <source>读取用户列表（取用户信息）。</source>
        <translation>Read the user list (User list).</translation>
    </message>
    <message>
        <source>读取用户 USER 的权限（取用户权限）。</source>
        <translation>Read the privilege of user USER (Privilege).</translation>
    </message>
    <message>
        <source>用传感器上的手指录入用户 USER，采集两次或三次（用户录入）。</source>
        <translation>Enrol user USER from the finger on the sensor, in two or three captures (Enrol).</translation>
    </message>
    <message>
        <source>权限 1 至 3（默认 1）。</source>
        <translation>Privilege 1 to 3 (default 1).</translation>
    </message>
    <message>
        <source>只采集两次，而不是三次（采集两次）。</source>
        <translation>Two captures instead of three (Capture twice).</translation>
    </message>
    <message>
        <source>同时要求上传新的特征值，保存到 FILE.fea（特征值上传）。</source>
        <translation>Ask for the new feature value and save it in FILE.fea (Upload the feature value).</translation>
    </message>
    <message>
        <source>删除用户 USER（删除指定用户）。</source>
        <translation>Delete user USER (Delete user).</translation>
    </message>
    <message>
        <source>删除全部用户（删除所有用户）。</source>
        <translation>Delete all users (Delete all).</translation>
    </message>
    <message>
        <source>只删除这一权限类别的用户，1 至 3（默认 0：所有用户）。</source>
        <translation>Only users of this privilege class, 1 to 3 (default 0: every user).</translation>
    </message>
    <message>
        <source>将传感器上的手指与用户 USER 比对（1:1比对）。</source>
        <translation>Compare the finger on the sensor with user USER (1:1 match).</translation>
    </message>
    <message>
        <source>在所有用户中查找传感器上的手指（1:N比对）。</source>
        <translation>Search the users for the finger on the sensor (Identify).</translation>
    </message>
    <message>
        <source>采集手指，将其特征值保存到 FILE.fea（采集指纹提取特征值上传）。</source>
        <translation>Capture a finger and save its feature value in FILE.fea (Capture and upload).</translation>
    </message>
    <message>
        <source>将用户 USER 的特征值保存到 FILE.fea（取用户特征值上传）。</source>
        <translation>Save the feature value of user USER in FILE.fea (Upload feature).</translation>
    </message>
    <message>
        <source>将 FILE.fea 中的特征值存储为用户 USER（存储用户特征值）。</source>
        <translation>Store the feature value in FILE.fea as user USER (Store feature).</translation>
    </message>
    <message>
        <source>将 DIR 中的每个特征文件 N.fea 存储为用户 N，权限 1（批量存储指纹特征值）。</source>
        <translation>Store every feature file N.fea of DIR as user N, privilege 1 (Batch store features).</translation>
    </message>
    <message>
        <source>模块中已有的用户算作已存储，批量存储继续进行（用于做完一次中途停止的存储）；结果中说明跳过了多少个。</source>
        <translation>A user the module already holds counts as stored and the batch goes on (to finish a run that was stopped); the result says how many were skipped.</translation>
    </message>
    <message>
        <source>读取用户列表，将每个用户的特征值保存为 DIR/N.fea，可直接用于 store-folder（备份用户到文件夹）。已有的文件保留不动，除非给出 --yes。</source>
        <translation>Read the user list and save every user&apos;s feature value as DIR/N.fea, ready for store-folder (Back up users to a folder). Files already there are kept unless --yes is given.</translation>
    </message>
    <message>
        <source>采集指纹图像，保存为 FILE.png、FILE.bmp 或 FILE.jpg（采集图像）。</source>
        <translation>Capture a fingerprint image and save it as FILE.png, FILE.bmp or FILE.jpg (Image).</translation>
    </message>
    <message>
        <source>采集全分辨率的图像（高分辨率原图）。</source>
        <translation>The full-resolution image (Full-resolution raw image).</translation>
    </message>
    <message>
        <source>将比对等级设为 N，1 至 9（设置比对等级）；应答中带有设置前的等级。不给 N 时向模块请求等级 0，模块会拒绝，但应答中仍带有当前的等级。</source>
        <translation>Set the compare level to N, 1 to 9 (Match level); the answer carries the level before. Without N the module is asked for level 0, which it refuses, but its answer still carries the level in force.</translation>
    </message>
    <message>
        <source>读取传感器亮度（连续取亮度）。</source>
        <translation>Read the sensor brightness (Brightness).</translation>
    </message>
    <message>
        <source>改为让模块自行校准亮度（亮度自适应），目标为 V，0 至 255（0：由模块自行选择）。</source>
        <translation>Let the module calibrate it instead (Adapt the brightness), to V, 0 to 255 (0: the module&apos;s own choice).</translation>
    </message>
    <message>
        <source>读取尚未读过的记录（取新记录）。</source>
        <translation>Read the records not read before (New records).</translation>
    </message>
    <message>
        <source>最多 N 条记录，0 至 65535（默认 0：全部）。</source>
        <translation>At most N records, 0 to 65535 (default 0: all of them).</translation>
    </message>
    <message>
        <source>让模块改用 RATE 通讯（9600 19200 38400 57600 115200）；模块确认后，PC 随之改用该波特率。</source>
        <translation>Tell the module to talk at RATE (9600 19200 38400 57600 115200); once it confirms, the PC follows.</translation>
    </message>
    <message>
        <source>查找模块所用的波特率：依次以 115200、57600、38400、19200 和 9600 询问用户总数，直到模块应答（最多约一秒）。只报告结果；另见 --rate auto。</source>
        <translation>Find the rate the module talks at: the user count is asked at 115200, 57600, 38400, 19200 and 9600 in turn until it answers (at most about a second). Only reports; see --rate auto.</translation>
    </message>
    <message>
        <source>将两个 .dat 文件中的程序下载到模块（开始下载）。模块中原有的程序会被覆盖，所以必须用 --yes 确认。</source>
        <translation>Download the program in the two .dat files into the module (Download). The module&apos;s program is overwritten, so --yes must confirm it.</translation>
    </message>
    <message>
        <source>同时写出程序映像文件 OUT.bin（生成Bin文件）。</source>
        <translation>Also write the program image file OUT.bin (Make .bin file).</translation>
    </message>
    <message>
        <source>下载完成后读取并显示模块版本（取脱机模块版本）；版本不是 TEXT 或读不到版本时，命令失败（退出码 1）。</source>
        <translation>After the download the module&apos;s version (Version) is read and shown; a version other than TEXT, or none, fails the command (exit 1).</translation>
    </message>
    <message>
        <source>由两个 .dat 文件写出程序映像文件 OUT.bin（生成Bin文件）；不需要串口。</source>
        <translation>Write the program image file OUT.bin from the two .dat files (Make .bin file); no port needed.</translation>
    </message>
    <message>
        <source>使模块进入休眠（使进入休眠模式）；此后模块不再应答。</source>
        <translation>Put the module to sleep (Sleep); it answers nothing more.</translation>
    </message>
    <message>
        <source>模块所在的串口：设备路径，或 COM1 至 COM8（见 ports）；auto：唯一的 USB 或 ACM 串口适配器；all：每一个。重复给出可同时在多个模块上运行命令。</source>
        <translation>The module&apos;s port: a device path or COM1 to COM8 (see ports); auto: the one USB or ACM serial adapter present; all: every one. Repeat it to run the command on several modules at once.</translation>
    </message>
    <message>
        <source>PC 的波特率：9600、19200（默认）、38400、57600 或 115200；auto：模块应答的波特率（按 rate 命令的方法查找）。</source>
        <translation>The PC&apos;s rate: 9600, 19200 (default), 38400, 57600 or 115200; auto: the rate the module answers at (as the rate command finds it).</translation>
    </message>
    <message>
        <source>等待模块应答多少秒后放弃（默认 5）；应答在线路上传送的时间之外，还可再等这么久。</source>
        <translation>How long to wait for the module&apos;s answer before giving up (default 5); an answer may last this long more than its time on the line.</translation>
    </message>
    <message>
        <source>每个结果为一行 JSON 对象：port、command、code、text、data。</source>
        <translation>One JSON object per result line: port, command, code, text, data.</translation>
    </message>
    <message>
        <source>flash、store-folder 和 backup 的进度每一步为一个 JSON 对象，写到标准输出（port、command、done、total、elapsed_ms），不在标准错误上显示进度条。</source>
        <translation>The progress of flash, store-folder and backup as one JSON object a step on standard output (port, command, done, total, elapsed_ms) instead of bars on standard error.</translation>
    </message>
    <message>
        <source>在标准错误上以十六进制显示每次发送和应答的字节。</source>
        <translation>Show the bytes of every transmission and reply on standard error, in hexadecimal.</translation>
    </message>
    <message>
        <source>对下载的提问回答确定。不给出时，在终端上询问（y/N）；没有终端时，命令以未确认结束。</source>
        <translation>Answer OK to the download questions. Without it a terminal asks (y/N); without a terminal the command ends unconfirmed.</translation>
    </message>
    <message>
        <source>输出所用的语言：zh 中文，en 英文；默认跟随系统的语言（LANGUAGE、LC_ALL、LC_MESSAGES、LANG），C 或 POSIX 时为中文。</source>
        <translation>The language of the output: zh Chinese, en English; by default the desktop&apos;s language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), Chinese for C or POSIX.</translation>
    </message>
    <message>
        <source>显示程序的版本（及构建所用的 git 修订）后退出。</source>
        <translation>Print the program&apos;s version (and the git revision it was built from) and exit.</translation>
    </message>
    <message>
        <source>显示本说明；放在命令之后，显示该命令的说明。</source>
        <translation>This text; after a command, that command&apos;s help.</translation>
    </message>
    <message>
        <source>例如：%1</source>
        <translation>e.g. %1</translation>
    </message>
    <message>
        <source>%1 为 %2 至 %3</source>
        <translation>%1 %2 to %3</translation>
    </message>
    <message>
        <source>、</source>
        <extracomment>between the ranges of a command&apos;s numbers</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>数值可用十进制或 0x 开头的十六进制：%1。</source>
        <translation>Numbers, in decimal or 0x hexadecimal: %1.</translation>
    </message>
    <message>
        <source>[选项]</source>
        <translation>[options]</translation>
    </message>
    <message>
        <source>用法：morvane-cli [--port DEVICE ...] [选项] COMMAND [参数]

在命令行上操作脱机指纹模块，通讯过程和文字与 Morvane 窗口相同。给出多个 --port 时，
命令在每个模块上同时运行，每个串口完成时输出一行结果。

退出码：0 成功；1 模块应答失败（或应答的是其他命令、应答不完整、版本与
--expect-version 不符）；2 用法错误（以及文件有误、数值超出范围、提问未确认、
--port auto 找到多个适配器）；3 串口无法打开（或 --port auto 找不到适配器）；
4 在 --timeout 之内没有应答（--rate auto 时在任何波特率下都没有应答）或模块不停地
发送；5 命令进行中串口断开（结果中说明留下了什么）；6 无法写入标准输出或标准错误；
130 被中断（Ctrl+C）；143 被终止（SIGTERM）。多个串口时取其中最大的一个。
</source>
        <translation>Usage: morvane-cli [--port DEVICE ...] [options] COMMAND [arguments]

Drives a stand-alone fingerprint module from a shell, with the same exchanges and texts
as the Morvane window. With several --port options the command runs on every module at
once and prints one result line per port as each finishes.

Exit codes: 0 success, 1 the module answered with a failure (or with a reply to another
command, or one not whole, or a version other than --expect-version), 2 usage error (also
a bad file, a number out of its range, an unconfirmed question or several adapters for
--port auto), 3 the port cannot be opened (or no adapter for --port auto), 4 no answer
within --timeout (at no rate for --rate auto) or the module kept sending, 5 the port
went away in the middle of the command (the result says what was left), 6 standard
output or standard error could not be written, 130 interrupted (Ctrl+C), 143 terminated
(SIGTERM); with several ports the highest of them.
</translation>
    </message>
    <message>
        <source>命令：</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <source>选项：</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>“morvane-cli COMMAND --help”显示一个命令的选项。</source>
        <translation>&apos;morvane-cli COMMAND --help&apos; shows a command&apos;s options.</translation>
    </message>
    <message>
        <source>用法：%1</source>
        <translation>Usage: %1</translation>
    </message>
    <message>
        <source>示例：</source>
        <translation>Example:</translation>
    </message>
    <message>
        <source>全局选项：</source>
        <translation>Global options:</translation>
    </message>
</context>
<context>
    <name>CCliTexts</name>
    <message>
        <source>无法写入 %1</source>
        <translation>cannot write to %1</translation>
    </message>
    <message>
        <source>RATE 只能是 9600、19200、38400、57600 或 115200</source>
        <translation>RATE must be 9600, 19200, 38400, 57600 or 115200</translation>
    </message>
    <message>
        <source>%1：正在停止每个串口上的命令</source>
        <translation>%1: stopping the command on every port</translation>
    </message>
    <message>
        <source>；现有串口设备：%1</source>
        <translation>; serial devices present: %1</translation>
    </message>
    <message>
        <source>%1 — 未确认</source>
        <translation>%1 — not confirmed</translation>
    </message>
    <message>
        <source>没有找到串口设备</source>
        <translation>no serial device found</translation>
    </message>
    <message>
        <source>--rate 只能是 9600、19200、38400、57600、115200 或 auto，不能是“%1”</source>
        <translation>--rate must be 9600, 19200, 38400, 57600, 115200 or auto, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--progress 只能是 json，不能是“%1”</source>
        <translation>--progress must be json, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--timeout 只能是 1 至 3600 秒，不能是“%1”</source>
        <translation>--timeout must be 1 to 3600 seconds, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--lang 只能是 zh 或 en，不能是“%1”</source>
        <translation>--lang must be zh or en, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 必须是 %2 至 %3 的数，不能是“%4”</source>
        <translation>%1 must be a number from %2 to %3, not &apos;%4&apos;</translation>
    </message>
    <message>
        <source>%1 的参数是 %2</source>
        <translation>%1 takes %2</translation>
    </message>
    <message>
        <source>%1 不带参数</source>
        <translation>%1 takes no arguments</translation>
    </message>
    <message>
        <source>%1 需要 --port DEVICE</source>
        <translation>%1 needs --port DEVICE</translation>
    </message>
    <message>
        <source>没有 %1 这个选项</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>没有“%1”这个命令（见 morvane-cli --help）</source>
        <translation>unknown command &apos;%1&apos; (see morvane-cli --help)</translation>
    </message>
    <message>
        <source>%1 后面要跟 %2</source>
        <translation>%1 needs %2</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>模块以 %1 bit/s 应答</source>
        <translation>module answers at %1 bit/s</translation>
    </message>
    <message>
        <source>已存储 %1 个用户，共 %2 个</source>
        <translation>%1 of %2 users stored</translation>
    </message>
    <message>
        <source>，%1 个原已存在</source>
        <translation>, %1 held already</translation>
    </message>
    <message>
        <source>；用户 %1 的存储未得到确认</source>
        <translation>; the store of user %1 is not confirmed</translation>
    </message>
    <message>
        <source>没有写入 %1</source>
        <translation>nothing written to %1</translation>
    </message>
    <message>
        <source>（%1 个用户模块中已有，已跳过）</source>
        <translation> (%1 users the module held already were skipped)</translation>
    </message>
    <message>
        <source>模块在任何波特率下都没有应答</source>
        <translation>no answer from the module at any rate</translation>
    </message>
    <message>
        <source>模块没有应答取脱机模块版本</source>
        <translation>no answer to Version</translation>
    </message>
    <message>
        <source>%1 — 没有读到模块的版本</source>
        <translation>%1 — the module&apos;s version was not read</translation>
    </message>
    <message>
        <source>停在第 %1 块（共 %2 块）</source>
        <translation>at block %1 of %2</translation>
    </message>
    <message>
        <source>停在第 1 块（共 %1 块）之前</source>
        <translation>before block 1 of %1</translation>
    </message>
    <message>
        <source>%1 %2：模块在等待新的下载，请重新下载</source>
        <translation>%1 %2: the module waits for a new download; flash it again</translation>
    </message>
    <message>
        <source>%1 — 未确认：请加上 --yes</source>
        <translation>%1 — not confirmed: add --yes</translation>
    </message>
    <message>
        <source> — 不是预期的版本 %1</source>
        <translation> — not the expected version %1</translation>
    </message>
    <message>
        <source>已终止（SIGTERM）</source>
        <translation>terminated (SIGTERM)</translation>
    </message>
    <message>
        <source>已中断（Ctrl+C）</source>
        <translation>interrupted (Ctrl+C)</translation>
    </message>
    <message>
        <source>%1：%2 字节</source>
        <translation>%1: %2 bytes</translation>
    </message>
    <message>
        <source>无法写入标准输出：%1</source>
        <translation>cannot write to standard output: %1</translation>
    </message>
    <message>
        <source>--port %1：没有找到 USB 或 ACM 串口适配器；现有串口设备：%2</source>
        <translation>--port %1: no USB or ACM serial adapter found; serial devices: %2</translation>
    </message>
    <message>
        <source>--port auto：找到 %1 个串口适配器（%2）；请用 --port DEVICE 指定其中一个，或者用 --port all</source>
        <translation>--port auto: %1 serial adapters found (%2); name one with --port DEVICE, or use --port all</translation>
    </message>
    <message>
        <source>--port %1：%2</source>
        <translation>--port %1: %2</translation>
    </message>
    <message>
        <source>命令进行中串口断开了</source>
        <translation>the port went away in the middle of the command</translation>
    </message>
    <message>
        <source>模块没有应答</source>
        <translation>no answer from the module</translation>
    </message>
    <message>
        <source>模块不停地发送</source>
        <translation>the module kept sending</translation>
    </message>
    <message>
        <source>，剩余 %1</source>
        <translation>, %1 left</translation>
    </message>
    <message>
        <source>%1 [%2%3] %4% %5/%6  已用 %7%8</source>
        <translation>%1 [%2%3] %4% %5/%6  %7 elapsed%8</translation>
    </message>
    <message>
        <source>%1：%2/%3，已用 %4</source>
        <translation>%1: %2/%3, %4 elapsed</translation>
    </message>
    <message>
        <source>%1 个串口成功，共 %2 个</source>
        <translation>%1 of %2 ports succeeded</translation>
    </message>
    <message>
        <source>；</source>
        <extracomment>between the failed ports of the summary</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>；失败：%1</source>
        <translation>; failed: %1</translation>
    </message>
    <message>
        <source>模块和 PC 现在都以 %1 bit/s 通讯</source>
        <translation>module and PC now at %1 bit/s</translation>
    </message>
    <message>
        <source>%1 …（共 %2 字节）</source>
        <translation>%1 … (%2 bytes)</translation>
    </message>
    <message>
        <source>应答不完整：包头说明有 %2 字节，只收到 %1 字节</source>
        <translation>incomplete reply: %1 bytes received of the %2 its header announces</translation>
    </message>
    <message>
        <source>应答有 %1 字节，而包头说明的是 %2 字节</source>
        <translation>reply of %1 bytes where its header announces %2</translation>
    </message>
    <message>
        <source>应答的数据校验错误：%1 字节算出 %2，校验字节是 %3</source>
        <translation>reply data check wrong: the %1 bytes give %2, the check byte is %3</translation>
    </message>
    <message>
        <source>应答太短，无法读取（%1 字节）：%2</source>
        <translation>reply too short to read (%1 bytes): %2</translation>
    </message>
    <message>
        <source>应答的是另一个命令（%1，不是 %2）：%3</source>
        <translation>reply to another command (%1, not %2): %3</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>CCommLogDock</name>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>通信记录-</source>
        <translation>commlog-</translation>
    </message>
    <message>
        <source>通信记录</source>
        <translation>Communication log</translation>
    </message>
    <message>
        <source>通信记录(&amp;L)</source>
        <translation>Communication &amp;log</translation>
    </message>
    <message>
        <source>显示每个面板串口收发的全部字节</source>
        <translation>Shows every byte each panel&apos;s serial port sends and receives</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>保存…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>导出CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>每帧一行：时间、方向、端口、命令、字段、结果、校验、十六进制</source>
        <translation>One frame a row: time, direction, port, command, fields, result, check, hexadecimal</translation>
    </message>
    <message>
        <source>记录到文件</source>
        <translation>Record to file</translation>
    </message>
    <message>
        <source>显示(&amp;V)：</source>
        <translation>&amp;View:</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>All</translation>
    </message>
    <message>
        <source>仅帧</source>
        <translation>Frames only</translation>
    </message>
    <message>
        <source>仅错误</source>
        <translation>Errors only</translation>
    </message>
    <message>
        <source>查找文本或十六进制，如 F5 09</source>
        <translation>Find text or hexadecimal, e.g. F5 09</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>查找记录中的文本，或帧中的字节</source>
        <translation>Finds text in the log, or bytes in the frames</translation>
    </message>
    <message>
        <source>上一个</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>下一个</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>校验错误、缺少尾字节、不属于任何帧的字节、无应答</source>
        <translation>Check errors, missing tail bytes, bytes of no frame, no answer</translation>
    </message>
    <message>
        <source>上一个错误</source>
        <translation>Previous error</translation>
    </message>
    <message>
        <source>下一个错误</source>
        <translation>Next error</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>复制选中的行</source>
        <translation>Copies the selected rows</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
</context>
<context>
    <name>CCommLogFileTexts</name>
    <message>
        <source>无法保存 %1</source>
        <translation>Cannot save %1</translation>
    </message>
    <message>
        <source>时间,方向,端口,命令,字段,结果,校验,十六进制</source>
        <translation>Time,Direction,Port,Command,Fields,Result,Check,Hexadecimal</translation>
    </message>
    <message>
        <source>无法打开 %1</source>
        <translation>Cannot open %1</translation>
    </message>
    <message>
        <source>无法写入 %1</source>
        <translation>Cannot write to %1</translation>
    </message>
    <message>
        <source>记录到文件 %1 失败，已停止记录</source>
        <translation>Recording to the file %1 failed; recording stopped</translation>
    </message>
</context>
<context>
    <name>CCommLogTexts</name>
    <message>
        <source>%1  %2  %3  %4 字节</source>
        <translation>%1  %2  %3  %4 bytes</translation>
    </message>
    <message>
        <source>%1  %2  %3  帧 %4 字节  %5</source>
        <translation>%1  %2  %3  frame %4 bytes  %5</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Sent</translation>
    </message>
    <message>
        <source>接收</source>
        <translation>Rcvd</translation>
    </message>
    <message>
        <source>%1往返 %2 ms（首字节写出至末字节读入）</source>
        <translation>%1round trip %2 ms (first byte written to last byte read)</translation>
    </message>
    <message>
        <source>%1无应答：发送后 %2 ms 内未收到任何字节，本次交换结束</source>
        <translation>%1no answer: no byte within %2 ms of the write; this exchange ends</translation>
    </message>
    <message>
        <source>（只保留最新的 %1 行，更早的 %2 行已丢弃）</source>
        <translation>(only the newest %1 lines are kept; %2 earlier lines were dropped)</translation>
    </message>
    <message>
        <source>Morvane %1通信记录  始于 %2</source>
        <translation>Morvane %1communication log  since %2</translation>
    </message>
</context>
<context>
    <name>CCommLogView</name>
    <message>
        <source>通信记录</source>
        <translation>Communication log</translation>
    </message>
</context>
<context>
    <name>CCommandLineTexts</name>
    <message>
        <source>用法：morvane [--help] [--version] [--lang zh|en] [Qt 选项]

Morvane 的窗口，串口上脱机指纹模块的上位机工具：模块测试台（模块的每个命令、
特征值文件、指纹图像、批量存储和备份）、通讯设置（PC 的串口和波特率、模块的
波特率）和程序下载（将新的固件下载到模块的 DSP）。启动时显示模块测试台，使用
COM1，19200 bit/s。

COM1 至 COM8 对应找到的串口设备，USB 和 ACM 适配器在前；环境变量
MORVANE_COMn=DEVICE 让 COMn 改为对应 DEVICE，例如 morvane-sim 的伪终端。打开串口
设备需要属于 dialout 组。

选项：
  -h, --help
      显示本说明后退出。
  --version
      显示版本（及构建所用的 git 修订）后退出。
  --lang zh|en
      本次运行的语言：zh 中文，en 英文；不给出时按“帮助 → 语言”中的选择，
      或跟随系统的语言。

也接受 Qt 自己的选项（-platform、-style、-reverse 等）。

morvane-cli 在命令行上完成模块的操作；morvane-sim 在伪终端上扮演一个模块。
</source>
        <translation>Usage: morvane [--help] [--version] [--lang zh|en] [Qt options]

The window of Morvane, a host tool for a stand-alone fingerprint module on a serial port:
the module test console (every command of the module, feature files, fingerprint images,
batch storage and backup), the communication settings (the PC&apos;s port and rate, the
module&apos;s rate) and the program download (new firmware into the module&apos;s DSP). It starts
on the test console, on COM1 at 19,200 bit/s.

COM1 to COM8 stand for the serial devices found, USB and ACM adapters first; the
environment variable MORVANE_COMn=DEVICE binds COMn to DEVICE instead, for example to a
morvane-sim pseudo-terminal. Opening a serial device needs membership of the dialout
group.

Options:
  -h, --help
      Show this text and exit.
  --version
      Show the version (and the git revision it was built from) and exit.
  --lang zh|en
      The language of this run: zh Chinese, en English; without it, the choice under
      Help → Language, or the desktop&apos;s language.

Qt&apos;s own options (-platform, -style, -reverse, ...) are taken as well.

morvane-cli does the module&apos;s operations from a shell; morvane-sim plays a module on a
pseudo-terminal.
</translation>
    </message>
</context>
<context>
    <name>CFeatureFileTexts</name>
    <message>
        <source>无法打开 %1</source>
        <translation>Cannot open %1</translation>
    </message>
    <message>
        <source>读 %1 文件错误</source>
        <translation>Error reading the file %1</translation>
    </message>
    <message>
        <source>请选择特征值文件</source>
        <translation>Choose a feature file</translation>
    </message>
    <message>
        <source>写 %1 文件错误</source>
        <translation>Error writing the file %1</translation>
    </message>
</context>
<context>
    <name>CFileAccessTexts</name>
    <message>
        <source>磁盘空间不足（需要 %1 字节，只有 %2 字节）</source>
        <translation>no space left on the disk (%1 bytes needed, only %2 free)</translation>
    </message>
    <message>
        <source>；原文件已被改写</source>
        <translation>; the old file was changed</translation>
    </message>
</context>
<context>
    <name>CFileErrorTexts</name>
    <message>
        <source>磁盘空间不足</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>没有权限</source>
        <translation>no permission</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>路径中有一项不是文件夹</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>同名的是一个文件夹</source>
        <translation>a folder has that name</translation>
    </message>
    <message>
        <source>文件系统只读</source>
        <translation>read-only file system</translation>
    </message>
    <message>
        <source>文件超过允许的大小</source>
        <translation>the file exceeds the allowed size</translation>
    </message>
    <message>
        <source>文件名过长</source>
        <translation>file name too long</translation>
    </message>
    <message>
        <source>磁盘读写错误</source>
        <translation>disk input/output error</translation>
    </message>
    <message>
        <source>不是普通文件</source>
        <translation>not a plain file</translation>
    </message>
    <message>
        <source>：</source>
        <extracomment>between a message and its reason</extracomment>
        <translation>: </translation>
    </message>
    <message>
        <source>不是串口设备</source>
        <translation>not a serial device</translation>
    </message>
    <message>
        <source>设备正忙</source>
        <translation>device or resource busy</translation>
    </message>
    <message>
        <source>设备不存在或已断开</source>
        <translation>no such device, or it was unplugged</translation>
    </message>
    <message>
        <source>资源暂时不可用</source>
        <translation>resource temporarily unavailable</translation>
    </message>
    <message>
        <source>参数无效</source>
        <translation>invalid argument</translation>
    </message>
    <message>
        <source>管道的另一端已关闭</source>
        <translation>the other end of the pipe is closed</translation>
    </message>
    <message>
        <source>文件描述符无效</source>
        <translation>bad file descriptor</translation>
    </message>
    <message>
        <source>符号链接层数过多</source>
        <translation>too many levels of symbolic links</translation>
    </message>
    <message>
        <source>打开的文件过多</source>
        <translation>too many open files</translation>
    </message>
</context>
<context>
    <name>CFrameTexts</name>
    <message>
        <source>（第二次采集）</source>
        <translation> (second capture)</translation>
    </message>
    <message>
        <source>（最后一次采集）</source>
        <translation> (last capture)</translation>
    </message>
    <message>
        <source>（最后一次采集并上传特征值）</source>
        <translation> (last capture, feature value uploaded)</translation>
    </message>
    <message>
        <source>（2指纹）</source>
        <translation> (2 fingerprints)</translation>
    </message>
    <message>
        <source>设置模块波特率</source>
        <translation>Set the module&apos;s baud rate</translation>
    </message>
    <message>
        <source>特征值上传</source>
        <translation>Feature value upload</translation>
    </message>
    <message>
        <source>设置值</source>
        <translation>Set value</translation>
    </message>
    <message>
        <source>下载握手</source>
        <translation>Download handshake</translation>
    </message>
    <message>
        <source>下载应答</source>
        <translation>Download acknowledgement</translation>
    </message>
    <message>
        <source>未知命令</source>
        <translation>Unknown command</translation>
    </message>
    <message>
        <source>权限</source>
        <translation>privilege</translation>
    </message>
    <message>
        <source>记录号 </source>
        <translation>record </translation>
    </message>
    <message>
        <source>用户号 </source>
        <translation>user </translation>
    </message>
    <message>
        <source>取容量</source>
        <translation>capacity</translation>
    </message>
    <message>
        <source>高分辨率原图</source>
        <translation>full-resolution raw image</translation>
    </message>
    <message>
        <source>半分辨率</source>
        <translation>half resolution</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>图像</source>
        <translation>image</translation>
    </message>
    <message>
        <source>，全分辨率</source>
        <translation>, full resolution</translation>
    </message>
    <message>
        <source>，半分辨率</source>
        <translation>, half resolution</translation>
    </message>
    <message>
        <source>，%1 字节</source>
        <translation>, %1 bytes</translation>
    </message>
    <message>
        <source>空记录</source>
        <translation>empty record</translation>
    </message>
    <message>
        <source>记录号 %1，%2</source>
        <translation>record %1, %2</translation>
    </message>
    <message>
        <source>用户列表 %1 项</source>
        <translation>user list, %1 entries</translation>
    </message>
    <message>
        <source>记录列表 %1 条</source>
        <translation>record list, %1 records</translation>
    </message>
    <message>
        <source>记录（不完整）</source>
        <translation>record (incomplete)</translation>
    </message>
    <message>
        <source>版本 %1</source>
        <translation>version %1</translation>
    </message>
    <message>
        <source>特征值 %1 字节</source>
        <translation>feature value, %1 bytes</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>结果码 %1：未接受，重发</source>
        <translation>result code %1: not accepted, sent again</translation>
    </message>
    <message>
        <source>结果码 00：下载完成</source>
        <translation>result code 00: download complete</translation>
    </message>
    <message>
        <source>结果码 00：已接受</source>
        <translation>result code 00: accepted</translation>
    </message>
    <message>
        <source>数据 %1 字节</source>
        <translation>data %1 bytes</translation>
    </message>
    <message>
        <source>速率序号 %1</source>
        <translation>rate index %1</translation>
    </message>
    <message>
        <source>用户号 %1，权限 %2，特征值 %3 × %4 字节</source>
        <translation>user %1, privilege %2, feature value %3 × %4 bytes</translation>
    </message>
    <message>
        <source>值 %1</source>
        <translation>value %1</translation>
    </message>
    <message>
        <source>结果码 %1</source>
        <translation>result code %1</translation>
    </message>
    <message>
        <source>结果码 %1：</source>
        <translation>result code %1: </translation>
    </message>
    <message>
        <source>第 %1 块/共 %2 块</source>
        <translation>block %1 of %2</translation>
    </message>
    <message>
        <source>程序 %1 字节</source>
        <translation>program %1 bytes</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Morvane 使用说明</source>
        <translation>Morvane user guide</translation>
    </message>
    <message>
        <source>guide.html</source>
        <comment>file name of the user guide in this language</comment>
        <translation>guide-en.html</translation>
    </message>
</context>
<context>
    <name>CHexDumpTexts</name>
    <message>
        <source>复制(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>全选(&amp;A)</source>
        <translation>Select &amp;all</translation>
    </message>
</context>
<context>
    <name>CImageCommandTexts</name>
    <message>
        <source>保存图像(&amp;I)…</source>
        <translation>Save &amp;image…</translation>
    </message>
    <message>
        <source>把采集到的指纹图像按原分辨率存为 PNG、BMP 或 JPEG 文件</source>
        <translation>Saves the captured fingerprint image at its own resolution as a PNG, BMP or JPEG file</translation>
    </message>
    <message>
        <source>图像不完整，未保存</source>
        <translation>The image is incomplete and was not saved</translation>
    </message>
</context>
<context>
    <name>CImageFileTexts</name>
    <message>
        <source>指纹图像-%1-%2x%3.png</source>
        <translation>fingerprint-%1-%2x%3.png</translation>
    </message>
    <message>
        <source>PNG 图像 (*.png);;BMP 图像 (*.bmp);;JPEG 图像 (*.jpg *.jpeg)</source>
        <translation>PNG images (*.png);;BMP images (*.bmp);;JPEG images (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>无法编码为 %1 图像</source>
        <translation>cannot be encoded as a %1 image</translation>
    </message>
</context>
<context>
    <name>CImageNameTexts</name>
    <message>
        <source>文件名须以 .png、.bmp、.jpg 或 .jpeg 结尾（PNG、BMP 或 JPEG 图像）</source>
        <translation>The file name must end in .png, .bmp, .jpg or .jpeg (a PNG, BMP or JPEG image)</translation>
    </message>
    <message>
        <source>无法保存 %1</source>
        <translation>Cannot save %1</translation>
    </message>
</context>
<context>
    <name>CImageTexts</name>
    <message>
        <source>只收到 %1 字节，应有 %2 字节</source>
        <translation>only %1 bytes received, %2 expected</translation>
    </message>
    <message>
        <source>数据校验错误</source>
        <translation>data check error</translation>
    </message>
</context>
<context>
    <name>CLanguageMenu</name>
    <message>
        <source>语言 / Language(&amp;L)</source>
        <translation>Language / 语言(&amp;L)</translation>
    </message>
    <message>
        <source>跟随系统(&amp;S)</source>
        <translation>Follow the &amp;system</translation>
    </message>
    <message>
        <source>中文(&amp;C)</source>
        <translation>中文(&amp;C)</translation>
    </message>
    <message>
        <source>下次启动时生效</source>
        <translation>Takes effect at the next start</translation>
    </message>
</context>
<context>
    <name>CLineFrameTexts</name>
    <message>
        <source>命令包</source>
        <translation>command</translation>
    </message>
    <message>
        <source>回复</source>
        <translation>reply</translation>
    </message>
    <message>
        <source>数据包</source>
        <translation>data packet</translation>
    </message>
    <message>
        <source>程序块</source>
        <translation>program block</translation>
    </message>
    <message>
        <source>未成帧字节</source>
        <translation>unframed bytes</translation>
    </message>
    <message>
        <source>校验错误：应为 %1，收到 %2</source>
        <translation>check error: %1 expected, %2 received</translation>
    </message>
    <message>
        <source>缺少尾字节 F5</source>
        <translation>tail byte F5 missing</translation>
    </message>
    <message>
        <source>校验正确</source>
        <translation>check correct</translation>
    </message>
    <message>
        <source>  %1 字节，不属于任何帧</source>
        <translation>  %1 bytes of no frame</translation>
    </message>
</context>
<context>
    <name>CLockKeyIndicators</name>
    <message>
        <source>大写</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>滚动</source>
        <translation>SCRL</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>通信设置(&amp;S)</source>
        <translation>Communication &amp;settings</translation>
    </message>
    <message>
        <source>串口选择和波特率设置</source>
        <translation>Serial port and baud rate</translation>
    </message>
    <message>
        <source>模块测试(&amp;M)</source>
        <translation>&amp;Module test</translation>
    </message>
    <message>
        <source>脱机模块功能测试</source>
        <translation>Tests the stand-alone module&apos;s functions</translation>
    </message>
    <message>
        <source>程序下载工具(&amp;D)</source>
        <translation>Program &amp;download</translation>
    </message>
    <message>
        <source>脱机模块程序更新</source>
        <translation>Updates the stand-alone module&apos;s program</translation>
    </message>
    <message>
        <source>关于 Morvane(&amp;A)...</source>
        <translation>&amp;About Morvane...</translation>
    </message>
    <message>
        <source>使用说明(&amp;H)</source>
        <translation>User &amp;guide</translation>
    </message>
    <message>
        <source>各面板的用途、连接模块、错误信息和处理办法</source>
        <translation>What each panel does, connecting a module, error messages and what to do</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>关闭窗口，退出程序</source>
        <translation>Closes the window and ends the program</translation>
    </message>
    <message>
        <source>操作(&amp;O)</source>
        <translation>&amp;Operation</translation>
    </message>
    <message>
        <source>工具(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>工具栏</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>程序下载</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>通信记录</source>
        <translation>Comm log</translation>
    </message>
    <message>
        <source>就绪</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>所有文件 (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>检测模块波特率(&amp;B)…</source>
        <translation>Find the module&apos;s &amp;baud rate…</translation>
    </message>
    <message>
        <source>检测模块当前波特率，并使 PC 改用此波特率</source>
        <translation>Finds the module&apos;s current baud rate and makes the PC use it</translation>
    </message>
</context>
<context>
    <name>CModuleTestDlg</name>
    <message>
        <source>取容量</source>
        <translation>Capacity</translation>
    </message>
    <message>
        <source>采集两次</source>
        <translation>Two scans</translation>
    </message>
    <message>
        <source>特征值上传</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>ID号自增1</source>
        <translation>ID +1</translation>
    </message>
    <message>
        <source>ID号自动加1</source>
        <translation>ID +1</translation>
    </message>
    <message>
        <source>2指纹</source>
        <translation>2 FP</translation>
    </message>
    <message>
        <source>高分辨率原图</source>
        <translation>High-res</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>发送命令</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>上传特征值存储</source>
        <translation>Save uploaded feature</translation>
    </message>
    <message>
        <source>结果显示</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>返回数据显示(HEX)</source>
        <translation>Reply data (HEX)</translation>
    </message>
    <message>
        <source>指纹图像</source>
        <translation>Fingerprint image</translation>
    </message>
    <message>
        <source>批量存储指纹特征值</source>
        <translation>Batch store features</translation>
    </message>
    <message>
        <source>总数</source>
        <translation>All</translation>
    </message>
    <message>
        <source>当前</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>有效</source>
        <translation>On</translation>
    </message>
    <message>
        <source>右移</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>亮度增加</source>
        <translation>Bright+</translation>
    </message>
    <message>
        <source>操作选择</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>基本操作</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>特征值下传操作</source>
        <translation>Feature download</translation>
    </message>
    <message>
        <source>特征值上传操作</source>
        <translation>Feature upload</translation>
    </message>
    <message>
        <source>参数选择(HEX)</source>
        <translation>Parameters (HEX)</translation>
    </message>
    <message>
        <source>记录操作</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>下传命令显示</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>下传特征值选择</source>
        <translation>Feature file</translation>
    </message>
    <message>
        <source>参数1</source>
        <translation>P1</translation>
    </message>
    <message>
        <source>参数2</source>
        <translation>P2</translation>
    </message>
    <message>
        <source>参数3</source>
        <translation>P3</translation>
    </message>
    <message>
        <source>参数1,2</source>
        <translation>P1,2</translation>
    </message>
    <message>
        <source>采集时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>取容量</source>
        <comment>long form</comment>
        <translation>Read the user capacity</translation>
    </message>
    <message>
        <source>采集两次</source>
        <comment>long form</comment>
        <translation>Capture twice</translation>
    </message>
    <message>
        <source>特征值上传</source>
        <comment>long form</comment>
        <translation>Upload the feature value</translation>
    </message>
    <message>
        <source>ID号自增1</source>
        <comment>long form</comment>
        <translation>Add 1 to the user ID after an enrolment</translation>
    </message>
    <message>
        <source>ID号自动加1</source>
        <comment>long form</comment>
        <translation>Add 1 to the user ID after storing</translation>
    </message>
    <message>
        <source>2指纹</source>
        <comment>long form</comment>
        <translation>Two fingerprints</translation>
    </message>
    <message>
        <source>高分辨率原图</source>
        <comment>long form</comment>
        <translation>Full-resolution raw image</translation>
    </message>
    <message>
        <source>总数</source>
        <comment>long form</comment>
        <translation>Total</translation>
    </message>
    <message>
        <source>当前</source>
        <comment>long form</comment>
        <translation>Current</translation>
    </message>
    <message>
        <source>有效</source>
        <comment>long form</comment>
        <translation>Batch storage on</translation>
    </message>
    <message>
        <source>下传命令显示</source>
        <comment>long form</comment>
        <translation>Command to send</translation>
    </message>
    <message>
        <source>下传特征值选择</source>
        <comment>long form</comment>
        <translation>Feature file to download</translation>
    </message>
    <message>
        <source>参数1</source>
        <comment>long form</comment>
        <translation>Parameter 1</translation>
    </message>
    <message>
        <source>参数2</source>
        <comment>long form</comment>
        <translation>Parameter 2</translation>
    </message>
    <message>
        <source>参数3</source>
        <comment>long form</comment>
        <translation>Parameter 3</translation>
    </message>
    <message>
        <source>参数1,2</source>
        <comment>long form</comment>
        <translation>Parameters 1 and 2</translation>
    </message>
</context>
<context>
    <name>COperation</name>
    <message>
        <source>取用户总数</source>
        <translation>User count</translation>
    </message>
    <message>
        <source>用户录入</source>
        <translation>Enrol</translation>
    </message>
    <message>
        <source>取用户权限</source>
        <translation>Privilege</translation>
    </message>
    <message>
        <source>删除指定用户</source>
        <translation>Delete user</translation>
    </message>
    <message>
        <source>删除所有用户</source>
        <translation>Delete all</translation>
    </message>
    <message>
        <source>1:1比对</source>
        <translation>1:1 match</translation>
    </message>
    <message>
        <source>1:N比对</source>
        <translation>Identify</translation>
    </message>
    <message>
        <source>采集图像</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>存储用户特征值</source>
        <translation>Store feature</translation>
    </message>
    <message>
        <source>下传特征值与采集指纹比对</source>
        <translation>Feature vs. finger</translation>
    </message>
    <message>
        <source>下传指纹1:1比对</source>
        <translation>Feature 1:1</translation>
    </message>
    <message>
        <source>下传指纹1:N比对</source>
        <translation>Feature 1:N</translation>
    </message>
    <message>
        <source>取用户特征值上传</source>
        <translation>Upload feature</translation>
    </message>
    <message>
        <source>采集指纹提取特征值上传</source>
        <translation>Capture and upload</translation>
    </message>
    <message>
        <source>取用户信息</source>
        <translation>User list</translation>
    </message>
    <message>
        <source>使进入休眠模式</source>
        <translation>Sleep</translation>
    </message>
    <message>
        <source>取脱机模块版本</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>设置比对等级</source>
        <translation>Match level</translation>
    </message>
    <message>
        <source>连续取亮度</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>亮度自适应</source>
        <translation>Auto bright.</translation>
    </message>
    <message>
        <source>取单条记录</source>
        <translation>One record</translation>
    </message>
    <message>
        <source>取新记录</source>
        <translation>New records</translation>
    </message>
    <message>
        <source>清空记录</source>
        <translation>Clear records</translation>
    </message>
    <message>
        <source>设置时间</source>
        <translation>Set time</translation>
    </message>
    <message>
        <source>读取时间</source>
        <translation>Read time</translation>
    </message>
    <message>
        <source>设置初始化值</source>
        <translation>Set register</translation>
    </message>
    <message>
        <source>串口通信测试</source>
        <translation>Serial test</translation>
    </message>
    <message>
        <source>1:N比对</source>
        <comment>long form</comment>
        <translation>1:N match: search all users</translation>
    </message>
    <message>
        <source>存储用户特征值</source>
        <comment>long form</comment>
        <translation>Store a user&apos;s feature value</translation>
    </message>
    <message>
        <source>下传特征值与采集指纹比对</source>
        <comment>long form</comment>
        <translation>Match a downloaded feature value with a captured finger</translation>
    </message>
    <message>
        <source>下传指纹1:1比对</source>
        <comment>long form</comment>
        <translation>Download a feature value, 1:1 match</translation>
    </message>
    <message>
        <source>下传指纹1:N比对</source>
        <comment>long form</comment>
        <translation>Download a feature value, 1:N search</translation>
    </message>
    <message>
        <source>取用户特征值上传</source>
        <comment>long form</comment>
        <translation>Upload a user&apos;s feature value</translation>
    </message>
    <message>
        <source>采集指纹提取特征值上传</source>
        <comment>long form</comment>
        <translation>Capture a finger, extract its feature value and upload it</translation>
    </message>
    <message>
        <source>使进入休眠模式</source>
        <comment>long form</comment>
        <translation>Put the module to sleep</translation>
    </message>
    <message>
        <source>亮度自适应</source>
        <comment>long form</comment>
        <translation>Adapt the brightness</translation>
    </message>
</context>
<context>
    <name>CPortListTexts</name>
    <message>
        <source>无串口设备</source>
        <translation>no serial device</translation>
    </message>
</context>
<context>
    <name>CPortOpenTexts</name>
    <message>
        <source>没有对应的串口设备，请检查连接。</source>
        <translation>There is no serial device for this port. Check the connection.</translation>
    </message>
    <message>
        <source>找不到该设备，请检查连接。</source>
        <translation>The device cannot be found. Check the connection.</translation>
    </message>
    <message>
        <source>串口已被其他程序占用，请先关闭该程序。</source>
        <translation>The serial port is in use by another program. Close that program first.</translation>
    </message>
    <message>
        <source>当前用户没有权限打开该串口。
请将当前用户加入 %1 组后重新登录。</source>
        <translation>This user may not open the serial port.
Add the user to the %1 group, then log in again.</translation>
    </message>
    <message>
        <source>无法打开。</source>
        <translation>Cannot open it.</translation>
    </message>
    <message>
        <source>无法打开（%1）。</source>
        <translation>Cannot open it (%1).</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>CRateFinder</name>
    <message>
        <source>各波特率下模块均无应答，未能检测到模块波特率。</source>
        <translation>The module answered at no baud rate; its rate was not found.</translation>
    </message>
    <message>
        <source>模块当前波特率为 %1，PC 已改用此波特率。</source>
        <translation>The module&apos;s baud rate is %1; the PC now uses it too.</translation>
    </message>
</context>
<context>
    <name>CRecordTexts</name>
    <message>
        <source>比对成功 ID号为：%1</source>
        <translation>Matched, ID: %1</translation>
    </message>
    <message>
        <source>管理员验证成功 ID号为：%1</source>
        <translation>Administrator verified, ID: %1</translation>
    </message>
    <message>
        <source>添加成功 ID号为：%1</source>
        <translation>Added, ID: %1</translation>
    </message>
    <message>
        <source>删除单用户成功 ID号为：%1</source>
        <translation>User deleted, ID: %1</translation>
    </message>
    <message>
        <source>删除所有用户成功 权限为：%1</source>
        <translation>All users deleted, privilege: %1</translation>
    </message>
    <message>
        <source>删除所有一般用户成功</source>
        <translation>All ordinary users deleted</translation>
    </message>
    <message>
        <source>删除所有管理者成功</source>
        <translation>All administrators deleted</translation>
    </message>
</context>
<context>
    <name>CReplyTexts</name>
    <message>
        <source>用户录入成功</source>
        <translation>User enrolled</translation>
    </message>
    <message>
        <source>采集指纹超时</source>
        <translation>Fingerprint capture timed out</translation>
    </message>
    <message>
        <source>此用户已存在</source>
        <translation>This user already exists</translation>
    </message>
    <message>
        <source>此指纹已存在</source>
        <translation>This fingerprint already exists</translation>
    </message>
    <message>
        <source>用户录入失败</source>
        <translation>Enrolment failed</translation>
    </message>
    <message>
        <source>此用户为一般使用者</source>
        <translation>This user is an ordinary user</translation>
    </message>
    <message>
        <source>此用户为限制管理者</source>
        <translation>This user is a restricted administrator</translation>
    </message>
    <message>
        <source>此用户为系统管理者</source>
        <translation>This user is a system administrator</translation>
    </message>
    <message>
        <source>此用户不存在</source>
        <translation>This user does not exist</translation>
    </message>
    <message>
        <source>此用户为未定义权限者</source>
        <translation>This user has an undefined privilege</translation>
    </message>
    <message>
        <source>共取得%1个用户</source>
        <translation>%1 users read</translation>
    </message>
    <message>
        <source>%1:用户号 = %2 权限 = %3</source>
        <translation>%1: user = %2 privilege = %3</translation>
    </message>
    <message>
        <source>记录数为：%1</source>
        <translation>Records: %1</translation>
    </message>
    <message>
        <source>记录%1：记录号为：%2</source>
        <translation>Record %1: record number %2</translation>
    </message>
    <message>
        <source>操作失败</source>
        <translation>Operation failed</translation>
    </message>
    <message>
        <source>此为空记录</source>
        <translation>This record is empty</translation>
    </message>
    <message>
        <source>记录号为：%1</source>
        <translation>Record number: %1</translation>
    </message>
    <message>
        <source>版本号:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>指纹比对成功</source>
        <translation>Fingerprint matched</translation>
    </message>
    <message>
        <source>无此用户</source>
        <translation>No such user</translation>
    </message>
    <message>
        <source>指纹采集超时</source>
        <translation>Fingerprint capture timed out</translation>
    </message>
    <message>
        <source>指纹比对失败</source>
        <translation>Fingerprint did not match</translation>
    </message>
    <message>
        <source>无匹配指纹</source>
        <translation>No matching fingerprint</translation>
    </message>
    <message>
        <source>%1号用户比对成功</source>
        <translation>User %1 matched</translation>
    </message>
    <message>
        <source>特征值上传成功</source>
        <translation>Feature value uploaded</translation>
    </message>
    <message>
        <source>特征值上传失败</source>
        <translation>Feature value upload failed</translation>
    </message>
    <message>
        <source>操作成功</source>
        <translation>Operation succeeded</translation>
    </message>
    <message>
        <source>数据库已满，无法再增加用户</source>
        <translation>Database full, no more users can be added</translation>
    </message>
    <message>
        <source>数据库已满，无法再增加用户!</source>
        <translation>Database full, no more users can be added!</translation>
    </message>
    <message>
        <source>用户%1已存在!</source>
        <translation>User %1 already exists!</translation>
    </message>
    <message>
        <source>操作失败!</source>
        <translation>Operation failed!</translation>
    </message>
    <message>
        <source>用户容量为：%1</source>
        <translation>User capacity: %1</translation>
    </message>
    <message>
        <source>用户总数为：%1</source>
        <translation>User count: %1</translation>
    </message>
    <message>
        <source>校正成功</source>
        <translation>Calibrated</translation>
    </message>
    <message>
        <source>前次此寄存器值为：0x%1</source>
        <translation>Previous value of this register: 0x%1</translation>
    </message>
    <message>
        <source>指纹采集成功</source>
        <translation>Fingerprint captured</translation>
    </message>
    <message>
        <source>指纹采集失败</source>
        <translation>Fingerprint capture failed</translation>
    </message>
    <message>
        <source>串口通信成功</source>
        <translation>Serial communication works</translation>
    </message>
    <message>
        <source>串口通信失败</source>
        <translation>Serial communication failed</translation>
    </message>
    <message>
        <source>前次比对等级为：%1</source>
        <translation>Previous match level: %1</translation>
    </message>
    <message>
        <source>模块进入休眠状态，不再响应任何命令</source>
        <translation>The module is asleep and answers no more commands</translation>
    </message>
    <message>
        <source>前次设置值为：%1</source>
        <translation>Previous set value: %1</translation>
    </message>
    <message>
        <source>操作成功 亮度值为：%1</source>
        <translation>Operation succeeded, brightness: %1</translation>
    </message>
    <message>
        <source>清空记录成功</source>
        <translation>Records cleared</translation>
    </message>
</context>
<context>
    <name>CReplyWaitStatus</name>
    <message>
        <source>等待模块回复… </source>
        <translation>Waiting for the module… </translation>
    </message>
    <message>
        <source>模块无应答：</source>
        <translation>The module does not answer: </translation>
    </message>
    <message>
        <source>。请检查连线、模块电源和波特率</source>
        <translation>. Check the cable, the module&apos;s power and the baud rate.</translation>
    </message>
    <message>
        <source>就绪</source>
        <translation>Ready</translation>
    </message>
</context>
<context>
    <name>CTestPanelTexts</name>
    <message>
        <source>发送命令（Ctrl+Enter）</source>
        <translation>Send the command (Ctrl+Enter)</translation>
    </message>
</context>
<context>
    <name>CUserBackupTexts</name>
    <message>
        <source>读取用户列表失败</source>
        <translation>Reading the user list failed</translation>
    </message>
    <message>
        <source>文件夹中已有 %1 个同名特征值文件（如 %2）。
确定：全部覆盖；取消：保留这些文件，跳过这些用户。</source>
        <translation>The folder already holds %1 feature files of the same names (e.g. %2).
OK: overwrite them all; Cancel: keep these files and skip these users.</translation>
    </message>
    <message>
        <source>无此用户</source>
        <translation>No such user</translation>
    </message>
    <message>
        <source>特征值上传失败</source>
        <translation>Feature value upload failed</translation>
    </message>
    <message>
        <source>应答不完整</source>
        <translation>Reply incomplete</translation>
    </message>
    <message>
        <source>模块无应答</source>
        <translation>No answer from the module</translation>
    </message>
    <message>
        <source>%1，未备份任何用户。</source>
        <translation>%1; no user was backed up.</translation>
    </message>
    <message>
        <source>备份已停止。</source>
        <translation>Backup stopped. </translation>
    </message>
    <message>
        <source>备份完成。</source>
        <translation>Backup complete. </translation>
    </message>
    <message>
        <source>模块共有 %1 个用户，</source>
        <translation>The module has %1 users; </translation>
    </message>
    <message>
        <source>已写入 %1 个特征值文件到 %2</source>
        <translation>%1 feature files written to %2</translation>
    </message>
    <message>
        <source>
保留已有文件、跳过 %1 个用户。</source>
        <translation>
Existing files kept, %1 users skipped.</translation>
    </message>
    <message>
        <source>
尚未备份 %1 个用户。</source>
        <translation>
%1 users not backed up yet.</translation>
    </message>
    <message>
        <source>
以下 %1 个用户备份失败：</source>
        <translation>
The backup of these %1 users failed:</translation>
    </message>
    <message>
        <source>
用户 %1：%2</source>
        <translation>
User %1: %2</translation>
    </message>
    <message>
        <source>
……另有 %1 个</source>
        <translation>
… and %1 more</translation>
    </message>
</context>
<context>
    <name>CommSetupTexts</name>
    <message>
        <source>通信设置</source>
        <translation>Communication settings</translation>
    </message>
    <message>
        <source>通信串口选择</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>当前通信波特率选择</source>
        <translation>PC baud rate</translation>
    </message>
    <message>
        <source>脱机模块波特率设置</source>
        <translation>Module baud rate</translation>
    </message>
    <message>
        <source>更改</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>发送命令</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>串口错误!</source>
        <translation>Serial port error!</translation>
    </message>
    <message>
        <source>通信失败!</source>
        <translation>Communication failed!</translation>
    </message>
</context>
<context>
    <name>DownloadTexts</name>
    <message>
        <source>文件在标题行结束之前就结束了</source>
        <translation>the file ends before its title line does</translation>
    </message>
    <message>
        <source>标题行过长（1 MiB 内没有换行）</source>
        <translation>title line too long (no line break within 1 MiB)</translation>
    </message>
    <message>
        <source>只有 %1 条完整记录，应有 %2 条</source>
        <translation>only %1 complete records, %2 expected</translation>
    </message>
    <message>
        <source>程序下载工具</source>
        <translation>Program download</translation>
    </message>
    <message>
        <source>程序文件选择</source>
        <translation>Program files</translation>
    </message>
    <message>
        <source>下载进度</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>开始下载</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>生成Bin文件</source>
        <translation>Make .bin file</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>无法打开 </source>
        <translation>Cannot open </translation>
    </message>
    <message>
        <source>文件读取失败!</source>
        <translation>Reading the file failed!</translation>
    </message>
    <message>
        <source>无效文件: </source>
        <translation>Invalid file: </translation>
    </message>
    <message>
        <source>HEX文件打开失败!</source>
        <translation>Opening the HEX file failed!</translation>
    </message>
    <message>
        <source>Bin文件写入失败!</source>
        <translation>Writing the .bin file failed!</translation>
    </message>
    <message>
        <source>已成功完成下载!</source>
        <translation>Download completed!</translation>
    </message>
    <message>
        <source>下载失败!</source>
        <translation>Download failed!</translation>
    </message>
    <message>
        <source>下载已中断!</source>
        <translation>Download interrupted!</translation>
    </message>
    <message>
        <source>请先选择程序文件!</source>
        <translation>Choose the program files first!</translation>
    </message>
    <message>
        <source>取消此次下载，是否确定？</source>
        <translation>Cancel this download?</translation>
    </message>
    <message>
        <source>下载新的程序会冲掉片内原程序，是否继续？</source>
        <translation>Downloading a new program overwrites the program in the module. Continue?</translation>
    </message>
    <message>
        <source>片内程序有误，是否继续？</source>
        <translation>The program in the module is faulty. Continue?</translation>
    </message>
</context>
<context>
    <name>ModuleTestTexts</name>
    <message>
        <source>模块测试</source>
        <translation>Module test</translation>
    </message>
    <message>
        <source>用户号不能为0</source>
        <translation>The user number cannot be 0</translation>
    </message>
    <message>
        <source>权限无效</source>
        <translation>Invalid privilege</translation>
    </message>
</context>
</TS>
