<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>CSimTexts</name>
    <message>
        <source>请运行“morvane-sim --help”查看用法。</source>
        <translation>Try &apos;morvane-sim --help&apos;.</translation>
    </message>
    <message>
        <source>无法创建伪终端：%1</source>
        <translation>posix_openpt: %1</translation>
    </message>
    <message>
        <source>无法开放伪终端：%1</source>
        <translation>grantpt/unlockpt: %1</translation>
    </message>
    <message>
        <source>无法打开伪终端：%1</source>
        <translation>opening the pseudo-terminal: %1</translation>
    </message>
    <message>
        <source>无法把伪终端设为非阻塞：%1</source>
        <translation>fcntl: %1</translation>
    </message>
    <message>
        <source>%1 已存在，且不是符号链接</source>
        <translation>%1 exists and is not a symbolic link</translation>
    </message>
    <message>
        <source>无法创建符号链接：%1</source>
        <translation>symlink: %1</translation>
    </message>
    <message>
        <source>无法写入日志 %1：%2</source>
        <translation>cannot write the log %1: %2</translation>
    </message>
    <message>
        <source>另外把 PATH 做成指向设备的符号链接（替换已有的链接）。</source>
        <translation>Also make PATH a symbolic link to the device (replaces an old link).</translation>
    </message>
    <message>
        <source>把收到和发出的每一帧写入 PATH，每帧一行：自启动起的秒数、RX 或 TX、不是普通帧时的类别（garbage、bad、truncated、block、noise）以及十六进制的字节。标有 NOTE 的行说明一帧是如何处理的。</source>
        <translation>Write every frame received and sent to PATH, one line each: seconds since start, RX or TX, the kind when it is not a plain frame (garbage, bad, truncated, block, noise) and the bytes in hexadecimal. Lines marked NOTE say how a frame was handled.</translation>
    </message>
    <message>
        <source>传感器尺寸：304x304 280x280 256x280 256x256 196x196 160x208 248x280 280x240 240x312 248x296 256x292 256x296 200x264 之一，或 80x80（总是 6400 字节，每像素一字节）。默认 256x280。</source>
        <translation>Sensor size: one of 304x304 280x280 256x280 256x256 196x196 160x208 248x280 280x240 240x312 248x296 256x292 256x296 200x264, or 80x80 (always 6400 bytes, one per pixel). Default 256x280.</translation>
    </message>
    <message>
        <source>启动时已有用户 1..N（权限 1），各带确定的特征值；传感器上放着用户 N 的手指。默认 0。</source>
        <translation>Start with users 1..N (privilege 1) holding deterministic feature values; the finger of user N lies on the sensor. Default 0.</translation>
    </message>
    <message>
        <source>用户库的容量，1 到 65535。默认 1000。</source>
        <translation>Size of the user database, 1 to 65535. Default 1000.</translation>
    </message>
    <message>
        <source>对 0x26 回答的版本文本。默认 MORVANE-SIM FP V2.0。程序下载完成后，若程序映像中有“VER=”，则改为其后的文本。</source>
        <translation>Version text answered to 0x26. Default MORVANE-SIM FP V2.0. A completed download changes it to the text after &quot;VER=&quot; in the program image, when the image has one.</translation>
    </message>
    <message>
        <source>模块只以 RATE（9600、19200、38400、57600 或 115200）通信，直到设置波特率的命令改变它：主机把设备设成别的波特率时发出的帧会丢失（与真实线路一样），得不到回答。默认：跟随主机的波特率，不论是多少。</source>
        <translation>The module talks only at RATE (9600, 19200, 38400, 57600 or 115200) until the rate command changes it: a frame sent while the host has set the device to another rate is lost, as on a real line, and gets no answer. Default: the host&apos;s rate, whatever it is.</translation>
    </message>
    <message>
        <source>特征值、图像和噪声的种子（十进制，或以 0x 开头的十六进制）。默认 1。</source>
        <translation>Seed of the feature values, images and noise (decimal or 0x hex). Default 1.</translation>
    </message>
    <message>
        <source>以带结果码 VALUE 的 8 字节简单回复回答命令 CMD（均为十六进制），并不执行该命令。可重复使用。</source>
        <translation>Answer command CMD with the bare 8-byte reply carrying result code VALUE (both hex), without carrying the command out. May be repeated.</translation>
    </message>
    <message>
        <source>忽略命令 CMD（十六进制）：不回答，也不执行。可重复使用。</source>
        <translation>Ignore command CMD (hex): no answer, no effect. May be repeated.</translation>
    </message>
    <message>
        <source>以字节 HEX 原样回答命令 CMD（十六进制），并不执行该命令：可以是另一条命令的回复，也可以是噪声。可重复使用。</source>
        <translation>Answer command CMD (hex) with the bytes HEX as they stand, without carrying it out: a reply to another command, or noise. May be repeated.</translation>
    </message>
    <message>
        <source>对命令 CMD（十六进制）的每个回复只发出前 N 个字节，如同模块在回复中途停下。可重复使用。</source>
        <translation>Send only the first N bytes of each reply to command CMD (hex), as a module that stops in the middle of it. May be repeated.</translation>
    </message>
    <message>
        <source>收到第 K 帧时不回答就离开：线路关闭，模拟器结束，如同模块在一次交互中途被拔下。</source>
        <translation>On the K-th frame received, go away without answering it: the line is closed and the simulator ends, as a module unplugged in the middle of an exchange.</translation>
    </message>
    <message>
        <source>每个回复分两段发出，两段之间停顿 N 毫秒。</source>
        <translation>Send each reply in two pieces with a pause of N ms between them.</translation>
    </message>
    <message>
        <source>所有发出的数据按每段 BYTES 字节交付，每段在其字节按每字节 10 位本应传完的时刻写出，如同 USB 串口适配器按包转交数据。速率为主机在伪终端上设置的波特率；若它不在 9,600 到 115,200 之间，则为模块自己的波特率（设置波特率的命令改变它之前为 19,200）。</source>
        <translation>Deliver everything sent in pieces of BYTES bytes, each written once its bytes would have crossed the line at 10 bits a byte, as USB serial adapters hand data over in packets. The rate is the one the host set on the pseudo-terminal, or the module&apos;s own (19,200 until the rate command changes it) when that is not one of 9,600 to 115,200.</translation>
    </message>
    <message>
        <source>与 --chunk 同用：短于 BYTES 的最后一段再多保留 N 毫秒，如同适配器在延迟计时器到期前保留未满的包。</source>
        <translation>With --chunk: hold a last piece shorter than BYTES N ms more, as an adapter holds a packet that is not full until its latency timer runs out.</translation>
    </message>
    <message>
        <source>从收到第一帧起不再回答，而是无休止地发送噪声（从不含 0xF5）：每秒 RATE 字节且不停顿；为 0 时以设备能接收的最快速度发送，如同不理会线路速率的 USB 设备。</source>
        <translation>From the first frame received on, answer nothing and send noise (never 0xF5) without end: RATE bytes a second without a pause, or with 0 as fast as the device takes them, as a USB device that ignores the line rate can.</translation>
    </message>
    <message>
        <source>在每个下载应答之前发送 N 字节噪声（从不含 0xF5）。</source>
        <translation>Send N bytes of noise (never 0xF5) before each download acknowledgement.</translation>
    </message>
    <message>
        <source>每收到第 K 个下载块就拒绝它（p3 = 02），不论其校验是否正确。</source>
        <translation>Refuse every K-th download block that arrives (p3 = 02), whatever its check.</translation>
    </message>
    <message>
        <source>程序下载的最后一块之后，把收到的 131,072 字节程序映像写入 PATH（从未保存过的块读作 FF）。</source>
        <translation>After the last block of a download, write the received 131,072-byte program image to PATH (blocks never kept read as FF).</translation>
    </message>
    <message>
        <source>结束时把存储的用户写入 PATH，按用户号升序每个用户一行：用户号、权限和十六进制的 193 字节特征值。</source>
        <translation>When ended, write the stored users to PATH, one line each in ascending user number: the user number, the privilege and the 193-byte feature value in hexadecimal.</translation>
    </message>
    <message>
        <source>显示版本（及构建所用的 git 修订版本）后退出。</source>
        <translation>Show the version (and the git revision it was built from) and exit.</translation>
    </message>
    <message>
        <source>输出所用的语言：zh 中文，en 英文；默认跟随系统的语言（LANGUAGE、LC_ALL、LC_MESSAGES、LANG），C 或 POSIX 时为中文。</source>
        <translation>The language of the output: zh Chinese, en English; by default the desktop&apos;s language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), Chinese for C or POSIX.</translation>
    </message>
    <message>
        <source>显示本说明后退出。</source>
        <translation>Show this text and exit.</translation>
    </message>
    <message>
        <source>多余的参数“%1”</source>
        <translation>unexpected argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>未知的选项 --%1</source>
        <translation>unknown option --%1</translation>
    </message>
    <message>
        <source>--%1 需要值 %2</source>
        <translation>--%1 needs %2</translation>
    </message>
    <message>
        <source>--%2 的值“%1”无效</source>
        <extracomment>%1 the value, %2 the option&apos;s name</extracomment>
        <translation>invalid value &apos;%1&apos; for --%2</translation>
    </message>
    <message>
        <source>--users %1 超过了容量 %2</source>
        <translation>--users %1 is more than the capacity %2</translation>
    </message>
    <message>
        <source>用法：morvane-sim [选项]

在伪终端上模拟一个独立式指纹模块。标准输出的第一行是设备路径，把主机的串口
指向它（例如 MORVANE_COM1=&lt;路径&gt;）。一直运行，直到以 SIGTERM 或 SIGINT（Ctrl+C）
结束。

模块保存用户及其权限和特征值，按 01、02、03 或 06 步录入，比对（0B 0C 42 43 44
46），上传（23 31 06），采集图像（24），存储（41），回答 04 05 09 0A 0F 21 22 25
26 28 2B 2C 2F 38 39 3B，收到 2C 后休眠直到重新启动，并接受程序下载（握手 FF，
32 块）。不属于任何帧的字节被跳过；数据包或下载块中断 500 毫秒未续完时，按坏包
回答。

传感器上放着一根手指：启动时是最后一个预置用户的手指，每次录入的第一次采集（01）
时换成一根新手指。比对只在特征值完全相同时成功：手指的或下传的特征值与存储的用户
比对，或下传的特征值与手指比对。图像（24）显示这根手指。下载块的应答为
F5 FF 00 k p3 00 chk F5：p3 为 00 已保存，01 校验错，02 被 --nak-every 拒绝，
03 不完整，04 无此块；保存第 31 块后下载结束。

选项：
</source>
        <translation>Usage: morvane-sim [options]

Plays a stand-alone fingerprint module on a pseudo-terminal. The first line of standard
output is the device path; point the host&apos;s serial port at it (for example
MORVANE_COM1=&lt;path&gt;). Serves until ended with SIGTERM or SIGINT (Ctrl+C).

The module keeps users with privilege and feature value, enrols in steps 01, 02, 03 or
06, compares (0B 0C 42 43 44 46), uploads (23 31 06), captures images (24), stores (41),
answers 04 05 09 0A 0F 21 22 25 26 28 2B 2C 2F 38 39 3B, sleeps after 2C until
restarted, and takes a program download (handshake FF, 32 blocks). Bytes that fit no
frame are skipped; a data packet or block that stops short for 500 ms is answered as a
bad one.

A finger lies on the sensor: the last pre-filled user&apos;s at start, and a new finger at
each first enrolment capture (01). Comparisons succeed exactly when feature values are
equal: the finger&apos;s or the downloaded ones against stored users, or downloaded ones
against the finger. Images (24) show the finger. Download blocks are acknowledged
F5 FF 00 k p3 00 chk F5: p3 00 kept, 01 bad check, 02 refused by --nak-every,
03 truncated, 04 no such block; block 31 kept ends the download.

Options:
</translation>
    </message>
    <message>
        <source>无法创建管道：%1</source>
        <translation>pipe: %1</translation>
    </message>
</context>
</TS>
