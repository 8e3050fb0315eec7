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
