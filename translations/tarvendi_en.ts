<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutText</name>
    <message>
        <source>&lt;h2&gt;Tarvendi（含MP3批量更名）7.1 绿色版&lt;/h2&gt;
&lt;p&gt;开发语言：C++20 与 Qt 6&lt;br&gt;
运行平台：Linux 桌面（Debian 12 及其他带 Qt 6 的发行版）&lt;br&gt;
界面语言：简体中文&lt;/p&gt;

&lt;p&gt;Tarvendi 是一个批量改名工具：选择一个文件夹，把需要改名的文件（或子文件夹）放进工作列表，
按规则算出新文件名，先预览，满意后再一次改名。任何改名都不会覆盖已有的文件，
没能改名的文件会在改名后列出，并说明原因。&lt;/p&gt;

&lt;h3&gt;主要功能&lt;/h3&gt;
&lt;ol&gt;
&lt;li&gt;按序号模板和通配符批量改名，可加入文件的修改日期和时间；&lt;/li&gt;
&lt;li&gt;去除文件名中的数字、字母、空格、“-”、“_”和方括号等字符；&lt;/li&gt;
&lt;li&gt;用 MP3 文件的 ID3v1 标签（艺术家、唱片标题）给文件改名；&lt;/li&gt;
&lt;li&gt;查看和修改 MP3 文件的标签；&lt;/li&gt;
&lt;li&gt;批量修改扩展名；&lt;/li&gt;
&lt;li&gt;按文本列表中的名称给文件改名；&lt;/li&gt;
&lt;li&gt;按文本列表批量创建文件夹；&lt;/li&gt;
&lt;li&gt;把文件名或文件夹名提取到文本文件中。&lt;/li&gt;
&lt;/ol&gt;

&lt;h3&gt;批量改名&lt;/h3&gt;
&lt;ol&gt;
&lt;li&gt;在左边的目录列表中打开文件所在的文件夹；&lt;/li&gt;
&lt;li&gt;在文件列表中选择需要改名的文件（Ctrl+A 全选，Ctrl+单击 多选，Shift+单击 连选）；&lt;/li&gt;
&lt;li&gt;在工作列表中拖动文件，调整编号顺序，去掉不需要改名的文件前面的勾；&lt;/li&gt;
&lt;li&gt;在下面的页面中选择改名方法，填写模板和起始编号；&lt;/li&gt;
&lt;li&gt;按“预览”查看新文件名，满意后按“执行”。&lt;/li&gt;
&lt;/ol&gt;

&lt;h3&gt;用 MP3 标签改名&lt;/h3&gt;
&lt;ol&gt;
&lt;li&gt;打开 MP3 文件所在的文件夹，选择需要改名的 MP3 文件；&lt;/li&gt;
&lt;li&gt;在“mp3通配符换名”页填写模板：## 序号，@ 唱片标题，$ 艺术家；&lt;/li&gt;
&lt;li&gt;按“预览”查看，再按“执行”。也可以用“mp3”菜单直接按“艺术家+标题+序号”或“标题+序号”改名。&lt;/li&gt;
&lt;/ol&gt;

&lt;h3&gt;按文本列表改名&lt;/h3&gt;
&lt;ol&gt;
&lt;li&gt;选择需要改名的文件；&lt;/li&gt;
&lt;li&gt;在“文本换名”页的名称列表中每行输入一个新名称（可以从其他程序粘贴）；&lt;/li&gt;
&lt;li&gt;需要时选择编号模板，按“预览”核对，再按“执行”。&lt;/li&gt;
&lt;/ol&gt;

&lt;h3&gt;提取文件名到文本文件&lt;/h3&gt;
&lt;ol&gt;
&lt;li&gt;选择文件后，在“文本换名”页按提取文件名的按钮，名称列表中就是这些文件名；&lt;/li&gt;
&lt;li&gt;可以给列表编号、删除或替换每行中的字符；&lt;/li&gt;
&lt;li&gt;按保存按钮，把列表保存为文本文件。&lt;/li&gt;
&lt;/ol&gt;

&lt;h3&gt;创建文件夹&lt;/h3&gt;
&lt;ol&gt;
&lt;li&gt;在名称列表中每行输入一个文件夹名称；&lt;/li&gt;
&lt;li&gt;按创建文件夹的按钮，每行创建一个文件夹，全部成功后显示“创建成功！”。&lt;/li&gt;
&lt;/ol&gt;

&lt;h3&gt;联系&lt;/h3&gt;
&lt;p&gt;Tarvendi 项目&lt;br&gt;
问题和建议请提交到项目的问题列表。&lt;br&gt;
用户指南：菜单“帮助”→“支持广告”。&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Tarvendi (with MP3 batch renaming) 7.1, portable edition&lt;/h2&gt;
&lt;p&gt;Written in: C++20 and Qt 6&lt;br&gt;
Runs on: the Linux desktop (Debian 12 and other distributions with Qt 6)&lt;br&gt;
Interface languages: English and Simplified Chinese&lt;/p&gt;

&lt;p&gt;Tarvendi renames many files at once: choose a folder, put the files (or sub-folders) to rename
into the working list, let a rule work out the new names, preview them, and rename in one go when
they are right. A rename never overwrites an existing file; files that could not be renamed are
listed afterwards, each with the reason.&lt;/p&gt;

&lt;h3&gt;What it does&lt;/h3&gt;
&lt;ol&gt;
&lt;li&gt;renames by numbered templates and wildcards, with the file&apos;s date and time if you like;&lt;/li&gt;
&lt;li&gt;removes digits, letters, spaces, &quot;-&quot;, &quot;_&quot;, brackets and the like from file names;&lt;/li&gt;
&lt;li&gt;names MP3 files from their ID3v1 tags (artist, title);&lt;/li&gt;
&lt;li&gt;shows and edits the tags of MP3 files;&lt;/li&gt;
&lt;li&gt;changes extensions in bulk;&lt;/li&gt;
&lt;li&gt;renames files to the names in a text list;&lt;/li&gt;
&lt;li&gt;makes folders from a text list;&lt;/li&gt;
&lt;li&gt;puts file or folder names into a text file.&lt;/li&gt;
&lt;/ol&gt;

&lt;h3&gt;Renaming many files&lt;/h3&gt;
&lt;ol&gt;
&lt;li&gt;open the folder of the files in the folder list on the left;&lt;/li&gt;
&lt;li&gt;select the files to rename in the file list (Ctrl+A all, Ctrl+click several, Shift+click a range);&lt;/li&gt;
&lt;li&gt;drag the files in the working list into numbering order, and untick those to leave alone;&lt;/li&gt;
&lt;li&gt;choose a rule on the pages below, fill in the template and the start number;&lt;/li&gt;
&lt;li&gt;&quot;Preview&quot; shows the new names; if they are right, press &quot;Rename&quot;.&lt;/li&gt;
&lt;/ol&gt;

&lt;h3&gt;Renaming from MP3 tags&lt;/h3&gt;
&lt;ol&gt;
&lt;li&gt;open the folder of the MP3 files and select the files to rename;&lt;/li&gt;
&lt;li&gt;on the page &quot;mp3 names&quot; fill in the template: ## number, @ title, $ artist;&lt;/li&gt;
&lt;li&gt;&quot;Preview&quot;, then &quot;Rename&quot;. The menu &quot;mp3&quot; also names files by &quot;artist+title+number&quot; or &quot;title+number&quot; at once.&lt;/li&gt;
&lt;/ol&gt;

&lt;h3&gt;Renaming from a text list&lt;/h3&gt;
&lt;ol&gt;
&lt;li&gt;select the files to rename;&lt;/li&gt;
&lt;li&gt;on the page &quot;Name list&quot; type one new name a line into the list (or paste it from another program);&lt;/li&gt;
&lt;li&gt;choose a number template if you want one, check with &quot;Preview&quot;, then &quot;Rename&quot;.&lt;/li&gt;
&lt;/ol&gt;

&lt;h3&gt;File names into a text file&lt;/h3&gt;
&lt;ol&gt;
&lt;li&gt;select the files, then on the page &quot;Name list&quot; press &quot;File names&quot;: the list holds their names;&lt;/li&gt;
&lt;li&gt;you can number the lines, or delete or replace text in every line;&lt;/li&gt;
&lt;li&gt;&quot;Save text&quot; saves the list as a text file.&lt;/li&gt;
&lt;/ol&gt;

&lt;h3&gt;Making folders&lt;/h3&gt;
&lt;ol&gt;
&lt;li&gt;type one folder name a line into the name list;&lt;/li&gt;
&lt;li&gt;&quot;Make folders&quot; makes one folder for each line and says &quot;Created!&quot; when all are made.&lt;/li&gt;
&lt;/ol&gt;

&lt;h3&gt;Contact&lt;/h3&gt;
&lt;p&gt;The Tarvendi project&lt;br&gt;
Please report problems and ideas in the project&apos;s issue list.&lt;br&gt;
User guide: menu &quot;Help&quot; → &quot;User guide&quot;.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Tarvendi（含MP3批量更名）绿色版</source>
        <translation>Tarvendi (with MP3 batch renaming), portable edition</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>用法：tarvendi [Qt 选项] [文件夹 | 文件...]
批量给文件或一个文件夹的子文件夹改名。

  文件夹       打开这个文件夹
  文件...      打开第一个文件所在的文件夹，把其中给出的这些文件按给出的顺序
               放进工作列表并勾选；其他文件夹中的文件不取
  -h, --help   显示本帮助后退出
  --version    显示版本后退出
  --           其后的参数都是路径，以“-”开头的也是

相对路径从启动时的当前目录算起。也接受 Qt 的标准选项，如 -style、-platform。
命令行中改名用 tarvendi-cli（tarvendi-cli --help）。
</source>
        <translation>Usage: tarvendi [Qt options] [FOLDER | FILE...]
Renames many files, or the sub-folders of one folder, at once.

  FOLDER       open this folder
  FILE...      open the folder of the first file, and put the files given from
               that folder into the working list, checked, in the order given;
               files of other folders are not taken
  -h, --help   show this help and exit
  --version    show the version and exit
  --           every argument after it is a path, also one that begins with &quot;-&quot;

Relative paths count from the current directory at start. The standard Qt
options are taken too, such as -style and -platform.
To rename on the command line, use tarvendi-cli (tarvendi-cli --help).
</translation>
    </message>
    <message>
        <source>未知选项：%1（见 tarvendi --help）</source>
        <translation>unknown option: %1 (see tarvendi --help)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>确认</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>OpenPaths</name>
    <message>
        <source>找不到文件或文件夹</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>……另有 %1 项</source>
        <translation>... and %1 more</translation>
    </message>
</context>
<context>
    <name>PassProgress</name>
    <message>
        <source>正在处理文件名……</source>
        <translation>Working on the file names...</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>正在停止……</source>
        <translation>Stopping...</translation>
    </message>
</context>
<context>
    <name>RefusalReport</name>
    <message>
        <source>已做的 %1 项改动可用“撤销上次改名”（Ctrl+Z）复原。</source>
        <translation>&quot;Undo last rename&quot; (Ctrl+Z) takes back the %1 changes made.</translation>
    </message>
    <message>
        <source>以下 %1 个文件没有改名：

</source>
        <translation>These %1 files were not renamed:

</translation>
    </message>
    <message>
        <source>
另有 %1 个文件没有改名。</source>
        <translation>
%1 more files were not renamed.</translation>
    </message>
    <message>
        <source>未改名的文件</source>
        <translation>Files not renamed</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>Tarvendi 批量改名</source>
        <translation>Tarvendi batch rename</translation>
    </message>
    <message>
        <source>请先选择文件，然后操作。ctrl+A 全选 ctrl+单击 多选 shift+单击 连选</source>
        <translation>Select files first. Ctrl+A all, Ctrl+click several, Shift+click a range</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>选择目录</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>手工选择部分文件</source>
        <translation>Pick files by hand</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>All</translation>
    </message>
    <message>
        <source>目录</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>累加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>重选</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>移出</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>拖动文件，可调整文件顺序！</source>
        <translation>Drag files to change their order!</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>选择指定类型</source>
        <translation>Select by type</translation>
    </message>
    <message>
        <source>按数字大小排序</source>
        <translation>Sort numbers by value</translation>
    </message>
    <message>
        <source>文件名操作</source>
        <translation>File names</translation>
    </message>
    <message>
        <source>去除文件名中的数字</source>
        <translation>Remove digits from file names</translation>
    </message>
    <message>
        <source>去除文件名中的字母</source>
        <translation>Remove letters from file names</translation>
    </message>
    <message>
        <source>去除文件名中的- _</source>
        <translation>Remove - _ from file names</translation>
    </message>
    <message>
        <source>去除文件名中的空格</source>
        <translation>Remove spaces from file names</translation>
    </message>
    <message>
        <source>撤销上次改名</source>
        <translation>Undo last rename</translation>
    </message>
    <message>
        <source>自动处理名称交换和顺延</source>
        <translation>Handle name swaps and shifts</translation>
    </message>
    <message>
        <source>用mp3标签命名文件  艺术家+标题+序号</source>
        <translation>Name files from mp3 tags  artist+title+number</translation>
    </message>
    <message>
        <source>用mp3标签命名文件  标题+序号</source>
        <translation>Name files from mp3 tags  title+number</translation>
    </message>
    <message>
        <source>优先读取 ID3v2 标签</source>
        <translation>Prefer ID3v2 tags</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>支持广告</source>
        <translation>User guide</translation>
    </message>
    <message>
        <source>Tarvendi（含mp3标签自动操作）7.1  绿色版</source>
        <translation>Tarvendi (with mp3 tag tools) 7.1  portable edition</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>digits</translation>
    </message>
    <message>
        <source>字母</source>
        <translation>letters</translation>
    </message>
    <message>
        <source>空格</source>
        <translation>spaces</translation>
    </message>
    <message>
        <source>请直接拖动文件名称，调整文件的编号顺序！</source>
        <translation>Drag the file names to change their numbering order!</translation>
    </message>
    <message>
        <source>选中文件数：</source>
        <translation>Files selected: </translation>
    </message>
    <message>
        <source>改名记录…</source>
        <translation>Rename history…</translation>
    </message>
    <message>
        <source>已改名 %1 个</source>
        <translation>%1 renamed</translation>
    </message>
    <message>
        <source>已改名 %1 个，%2 个未改名</source>
        <translation>%1 renamed, %2 not renamed</translation>
    </message>
    <message>
        <source>已改名 %1 个，已停止</source>
        <translation>%1 renamed, stopped</translation>
    </message>
    <message>
        <source>已改名 %1 个，%2 个未改名，已停止</source>
        <translation>%1 renamed, %2 not renamed, stopped</translation>
    </message>
    <message>
        <source>是否要去除文件名中包含的所有的%1？</source>
        <translation>Remove all %1 from the file names?</translation>
    </message>
    <message>
        <source>找不到以下文件或文件夹：</source>
        <translation>These files or folders do not exist:</translation>
    </message>
    <message>
        <source>只打开了文件夹“%1”，以下各项没有取：</source>
        <translation>Only the folder &quot;%1&quot; was opened; these were not taken:</translation>
    </message>
    <message>
        <source>只取了文件夹“%1”中的文件，以下各项不在这个文件夹中，没有取：</source>
        <translation>Only the files of the folder &quot;%1&quot; were taken; these lie elsewhere and were not taken:</translation>
    </message>
    <message>
        <source>标签改名包括其他音频格式</source>
        <translation>Rename by tags includes other audio formats</translation>
    </message>
</context>
<context>
    <name>TFpara</name>
    <message>
        <source>开始位置</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>长度</source>
        <translation>Length</translation>
    </message>
</context>
<context>
    <name>TFpara2</name>
    <message>
        <source>字符串原始位置</source>
        <translation>Where the text is now</translation>
    </message>
    <message>
        <source>开始位置</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>长度</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>字符串目标位置</source>
        <translation>Where it goes</translation>
    </message>
    <message>
        <source>说明：目标位置输入0，表示文件头；999，表示文件尾</source>
        <translation>Note: 0 puts it at the start of the name; 999 at the end</translation>
    </message>
</context>
<context>
    <name>TagWriting</name>
    <message>
        <source>是否要按格式添加？</source>
        <translation>Write the titles in this format?</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>无法打开使用说明，请在浏览器中打开：
%1</source>
        <translation>Cannot open the user guide; open it in a browser:
%1</translation>
    </message>
</context>
<context>
    <name>tarvendi::ui::ExtensionPage</name>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>执行</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>新扩展名</source>
        <translation>New extension</translation>
    </message>
    <message>
        <source>  
  将选中文件的扩展名直接改称新
的扩展名</source>
        <translation>  
  Changes the extension of the selected
files to the new one</translation>
    </message>
</context>
<context>
    <name>tarvendi::ui::FilterComboBox</name>
    <message>
        <source>所有 (*.*)</source>
        <translation>All (*.*)</translation>
    </message>
    <message>
        <source>|*.*|音乐|*.MP3;*.wma;*.wav|图片|*.BMP;*.JPG;*.GIF|视频 |*.RMVB;*.RM;*.mpg;*.dat;*.flv;*.AVI;*.ASF;*.WAV;*.MP4;*.MOV;*.VOB;*.MKV;*.CSF|文档|*.txt;*.doc;*.pdf;*.chm;*.docx|DOC|*.DOC|JPG|*.JPG|MP3|*.MP3|RM|*.RMVB;*.RM|TXT|*.txt</source>
        <translation>|*.*|Music|*.MP3;*.wma;*.wav|Pictures|*.BMP;*.JPG;*.GIF|Videos |*.RMVB;*.RM;*.mpg;*.dat;*.flv;*.AVI;*.ASF;*.WAV;*.MP4;*.MOV;*.VOB;*.MKV;*.CSF|Documents|*.txt;*.doc;*.pdf;*.chm;*.docx|DOC|*.DOC|JPG|*.JPG|MP3|*.MP3|RM|*.RMVB;*.RM|TXT|*.txt</translation>
    </message>
</context>
<context>
    <name>tarvendi::ui::HistoryWindow</name>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>改名记录</source>
        <translation>Rename history</translation>
    </message>
    <message>
        <source>已损坏</source>
        <translation>damaged</translation>
    </message>
    <message>
        <source>已撤销</source>
        <translation>undone</translation>
    </message>
    <message>
        <source>已中断</source>
        <translation>interrupted</translation>
    </message>
    <message>
        <source>可撤销</source>
        <translation>can be undone</translation>
    </message>
    <message>
        <source>：</source>
        <translation>: </translation>
    </message>
</context>
<context>
    <name>tarvendi::ui::LivePreview</name>
    <message>
        <source>超过 %1 个文件，请按“%2”</source>
        <translation>Over %1 files: press “%2”</translation>
    </message>
    <message>
        <source>实时预览</source>
        <translation>Live preview</translation>
    </message>
</context>
<context>
    <name>tarvendi::ui::NamesPage</name>
    <message>
        <source>请先选择需要操作的文件！</source>
        <translation>Select the files to work on first!</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>创建成功！</source>
        <translation>Created!</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>执行</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>文本保存</source>
        <translation>Save text</translation>
    </message>
    <message>
        <source>新文件名/文件夹名（一行一个文件名/文件夹名）</source>
        <translation>New file or folder names (one name a line)</translation>
    </message>
    <message>
        <source>去掉扩展名</source>
        <translation>Drop extensions</translation>
    </message>
    <message>
        <source>提取文件夹名</source>
        <translation>Folder names</translation>
    </message>
    <message>
        <source>提取文件名</source>
        <translation>File names</translation>
    </message>
    <message>
        <source>创建文件夹</source>
        <translation>Make folders</translation>
    </message>
    <message>
        <source>添加序号</source>
        <translation>Add numbers</translation>
    </message>
    <message>
        <source>删除序号</source>
        <translation>Delete numbers</translation>
    </message>
    <message>
        <source>起始</source>
        <translation>From</translation>
    </message>
    <message>
        <source>模板</source>
        <translation>Template</translation>
    </message>
    <message>
        <source>文本框文字替换</source>
        <translation>Replace in the list</translation>
    </message>
    <message>
        <source>字符</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>替换为</source>
        <translation>Replace with</translation>
    </message>
    <message>
        <source>一、按文本改名
  1. 在左边选择需要改名的文件；
     （改文件夹名时勾选“目录”）
  2. 在左框中一行输入一个新名称，
     依次给勾选的文件，扩展名不变；
  3. 需要序号时选择模板、填写起始；
  4. 按“预览”查看，满意后按“执行”。

二、按文本创建文件夹
  一行一个文件夹名，按“创建文件夹”。

三、把文件名保存到文本文件
  先“提取文件名”或“提取文件夹名”，
  再按“文本保存”。

四、添加和删除序号
  “添加序号”在每行前加 01_、02_……；
  “删除序号”按开始位置和长度删除。</source>
        <translation>1. Rename from a list
  1. Select the files on the left;
     (tick &quot;Folders&quot; for folders)
  2. Type one new name a line in the
     left box; they go to the ticked
     files in order, extensions kept;
  3. For numbers, pick a template
     and a start;
  4. &quot;Preview&quot;, then &quot;Rename&quot;.

2. Make folders from a list
  One folder name a line, then
  &quot;Make folders&quot;.

3. Save file names to a text file
  &quot;File names&quot; or &quot;Folder names&quot;,
  then &quot;Save text&quot;.

4. Add and delete numbers
  &quot;Add numbers&quot; puts 01_, 02_... in
  front of each line; &quot;Delete numbers&quot;
  cuts by start and length.</translation>
    </message>
</context>
<context>
    <name>tarvendi::ui::Notebook</name>
    <message>
        <source>文本换名</source>
        <translation>Name list</translation>
    </message>
    <message>
        <source>通配符改名</source>
        <translation>Wildcards</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>字符模糊替换</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>序号替换</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>特殊改名</source>
        <translation>Special</translation>
    </message>
    <message>
        <source>修改扩展名</source>
        <translation>Extension</translation>
    </message>
    <message>
        <source>mp3标签</source>
        <translation>mp3 tags</translation>
    </message>
    <message>
        <source>mp3通配符换名</source>
        <translation>mp3 names</translation>
    </message>
    <message>
        <source>数字位补0</source>
        <translation>Padding</translation>
    </message>
    <message>
        <source>正则替换</source>
        <translation>Regex</translation>
    </message>
</context>
<context>
    <name>tarvendi::ui::PaddingPage</name>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>执行</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>文件名默认位数</source>
        <translation>Digits in a number</translation>
    </message>
    <message>
        <source>比如：有1.doc,101.doc,2.doc,15.doc等文件名，需要全部修改为</source>
        <translation>For example: the files 1.doc, 101.doc, 2.doc, 15.doc become</translation>
    </message>
    <message>
        <source>001.doc,101.doc,002.doc,015.doc（就是数字位填充，不足多少位补0），</source>
        <translation>001.doc, 101.doc, 002.doc, 015.doc (numbers padded with 0 to the width),</translation>
    </message>
</context>
<context>
    <name>tarvendi::ui::ParamDialog</name>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tarvendi::ui::PreviewPanel</name>
    <message>
        <source>改名预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>%1 个将无法改名</source>
        <translation>%1 cannot be renamed</translation>
    </message>
</context>
<context>
    <name>tarvendi::ui::RangePage</name>
    <message>
        <source>替换扩展名</source>
        <translation>Replace in extensions</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>执行</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>开始字符</source>
        <translation>Starts with</translation>
    </message>
    <message>
        <source>结束字符</source>
        <translation>Ends with</translation>
    </message>
    <message>
        <source>替换字符串</source>
        <translation>Replace with</translation>
    </message>
    <message>
        <source>起始编号</source>
        <translation>Start number</translation>
    </message>
    <message>
        <source>### 代表数字序号及位数    如开始字符=结束字符，则去掉该字符</source>
        <translation>### is the number and its digits    If start and end are the same, that text is removed</translation>
    </message>
    <message>
        <source>本操作可以实现模糊替换，字符串开始和结束相同，中间文字不同，</source>
        <translation>Replaces a range: texts with the same start and end but anything between</translation>
    </message>
    <message>
        <source>可以批量替换成目标文字</source>
        <translation>are all replaced with the new text</translation>
    </message>
</context>
<context>
    <name>tarvendi::ui::RegexPage</name>
    <message>
        <source>区分大小写</source>
        <translation>Match case</translation>
    </message>
    <message>
        <source>全部替换</source>
        <translation>Replace all</translation>
    </message>
    <message>
        <source>包括扩展名</source>
        <translation>Include extension</translation>
    </message>
    <message>
        <source>不变</source>
        <translation>Unchanged</translation>
    </message>
    <message>
        <source>全部大写</source>
        <translation>UPPER CASE</translation>
    </message>
    <message>
        <source>全部小写</source>
        <translation>lower case</translation>
    </message>
    <message>
        <source>首字母大写</source>
        <translation>Capitalized Words</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>执行</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>替换为</source>
        <translation>Replace with</translation>
    </message>
    <message>
        <source>大小写</source>
        <translation>Case</translation>
    </message>
    <message>
        <source>正则表达式（PCRE2），“.”匹配一个字符（一个汉字也是一个字符）；</source>
        <translation>Regular expressions (PCRE2); &quot;.&quot; matches one character (a Chinese character is one too);</translation>
    </message>
    <message>
        <source>替换内容中 $1..$9 是各个括号分组，$0 是整个匹配。例如：</source>
        <translation>in the replacement, $1..$9 are the groups in brackets, $0 is the whole match. For example:</translation>
    </message>
    <message>
        <source>  查找 ^(.+) - (.+)$   替换为 $2 - $1   ：“歌手 - 歌名”变成“歌名 - 歌手”</source>
        <translation>  find ^(.+) - (.+)$   replace with $2 - $1   : &quot;Singer - Song&quot; becomes &quot;Song - Singer&quot;</translation>
    </message>
    <message>
        <source>  查找 \d+   替换为 [$0]   ：“第12集”变成“第[12]集”</source>
        <translation>  find \d+   replace with [$0]   : &quot;Part 12&quot; becomes &quot;Part [12]&quot;</translation>
    </message>
    <message>
        <source>  查找 \s+   替换为 _   ：每段空白变成一个“_”</source>
        <translation>  find \s+   replace with _   : each run of spaces becomes one &quot;_&quot;</translation>
    </message>
    <message>
        <source>查找为空时只改变大小写。</source>
        <translation>With nothing to find, only the case changes.</translation>
    </message>
    <message>
        <source>正则表达式有错误（第 %1 个字符）：%2</source>
        <translation>Error in the regular expression (character %1): %2</translation>
    </message>
</context>
<context>
    <name>tarvendi::ui::ReplacePage</name>
    <message>
        <source>替换扩展名</source>
        <translation>Replace in extensions</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>执行</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>字符</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>替换为</source>
        <translation>Replace with</translation>
    </message>
</context>
<context>
    <name>tarvendi::ui::RulePage</name>
    <message>
        <source><byte value="xd"/><byte value="xd"/> %1<byte value="xd"/><byte value="xd"/>如果预览，请选择 &quot;否&quot;  <byte value="xd"/><byte value="xd"/> 可用&quot;撤销上次改名&quot;恢复！ <byte value="xd"/><byte value="xd"/> </source>
        <translation><byte value="xd"/><byte value="xd"/> %1<byte value="xd"/><byte value="xd"/> To preview, choose &quot;No&quot;.  <byte value="xd"/><byte value="xd"/> &quot;Undo last rename&quot; takes it back. <byte value="xd"/><byte value="xd"/> </translation>
    </message>
    <message>
        <source>请首先选择需要改名的文件！</source>
        <translation>Select the files to rename first!</translation>
    </message>
    <message>
        <source>请在界面左边选择需要改名的文件！</source>
        <translation>Select the files to rename on the left!</translation>
    </message>
</context>
<context>
    <name>tarvendi::ui::SequencePage</name>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>执行</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>序号位置</source>
        <translation>Number starts at</translation>
    </message>
    <message>
        <source>序号长度</source>
        <translation>Number length</translation>
    </message>
    <message>
        <source>序号模板</source>
        <translation>Template</translation>
    </message>
    <message>
        <source>起始编号</source>
        <translation>Start number</translation>
    </message>
    <message>
        <source>通配符：</source>
        <translation>Wildcards:</translation>
    </message>
    <message>
        <source>  ## 代表数字序号及位数</source>
        <translation>  ## is the number and its digits</translation>
    </message>
    <message>
        <source>模板推荐选择</source>
        <translation>Suggested templates</translation>
    </message>
    <message>
        <source>  100以内：##-</source>
        <translation>  up to 100: ##-</translation>
    </message>
    <message>
        <source>  1000以内：###-</source>
        <translation>  up to 1000: ###-</translation>
    </message>
    <message>
        <source>  10000以内：####- </source>
        <translation>  up to 10000: ####- </translation>
    </message>
    <message>
        <source>删除指定长度的序号，  模板设置为空</source>
        <translation>To delete a number of that length,  leave the template empty</translation>
    </message>
    <message>
        <source>综合应用举例：</source>
        <translation>An example:</translation>
    </message>
    <message>
        <source> 原文件名 03-出水莲  00-春江花月夜</source>
        <translation> names now 03-Lotus  00-Spring River</translation>
    </message>
    <message>
        <source>  希望改成：中国名曲-001.出水莲 中国名曲-002.春江花月夜</source>
        <translation>  wanted: Classics-001.Lotus Classics-002.Spring River</translation>
    </message>
    <message>
        <source> 则 开始位置设置为 1 长度设置为3 模板设置为：中国名曲-###.</source>
        <translation> so start 1, length 3, template: Classics-###.</translation>
    </message>
</context>
<context>
    <name>tarvendi::ui::SpecialPage</name>
    <message>
        <source>数字</source>
        <translation>Digits</translation>
    </message>
    <message>
        <source>字母</source>
        <translation>Letters</translation>
    </message>
    <message>
        <source>空格</source>
        <translation>Spaces</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>执行</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>清除文件名的下列字符：</source>
        <translation>Remove from the file names:</translation>
    </message>
    <message>
        <source>中文转数字</source>
        <translation>Chinese numerals to digits</translation>
    </message>
    <message>
        <source>十转换为1</source>
        <translation>Ten becomes 1 too</translation>
    </message>
    <message>
        <source>调整文件名的字符顺序</source>
        <translation>Move a part of the name</translation>
    </message>
    <message>
        <source>文件名末尾字符移至文件名前</source>
        <translation>Move the end of the name to the front</translation>
    </message>
    <message>
        <source>是否要将文件名中的中文数字转换为阿拉伯数字？</source>
        <translation>Turn the Chinese numerals in the file names into digits?</translation>
    </message>
</context>
<context>
    <name>tarvendi::ui::TagPage</name>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>唱片标题</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>艺术家</source>
        <translation>Artist</translation>
    </message>
    <message>
        <source>注释</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>  本操作修改单个文件的mp3标签属性。

   所有项目如果为空，则保留原值</source>
        <translation>  Edits the mp3 tag of one file.

   An empty field keeps its old value</translation>
    </message>
    <message>
        <source>

   显示的内容优先取自 ID3v2 标签；保存只写入 ID3v1 标签。</source>
        <translation>

   The fields shown come from the ID3v2 tag where it has them; Save writes the ID3v1 tag only.</translation>
    </message>
    <message>
        <source>

   标签改名也读取 FLAC、Ogg、Opus、M4A、WMA、APE、WavPack、WAV 和 AIFF 文件的标签。这些文件的标签在这里只能查看，不能修改：保存只写入mp3文件。</source>
        <translation>

   Renaming by tags also reads the tags of FLAC, Ogg, Opus, M4A, WMA, APE, WavPack, WAV and AIFF files. Their tags can only be viewed here, not changed: Save writes mp3 files only.</translation>
    </message>
    <message>
        <source>

   当前显示的不是mp3文件的标签，各项只读。</source>
        <translation>

   The tag shown is not an mp3 file&apos;s: its fields are read-only.</translation>
    </message>
</context>
<context>
    <name>tarvendi::ui::TagRenamePage</name>
    <message>
        <source>本页用mp3标签给文件改名：只改mp3文件的名称，选中的其他文件会被跳过。

步骤：
  1. 在左边打开mp3文件所在的文件夹；
  2. 选择需要改名的mp3文件；
  3. 设置更名模板和起始编号；
  4. 按“预览”查看新文件名，满意后按“执行”。

模板代码：
  ## 序号 ,位数不够用0补齐,最多6位
  @ mp3唱片标题
  $ mp3艺术家</source>
        <translation>This page names files from their mp3 tags: only mp3 files are renamed, other selected files are skipped.

Steps:
  1. Open the folder of the mp3 files on the left;
  2. Select the mp3 files to rename;
  3. Set the template and the start number;
  4. &quot;Preview&quot; shows the new names; if they are right, &quot;Rename&quot;.

Template codes:
  ## number, padded with 0, at most 6 digits
  @ mp3 title
  $ mp3 artist</translation>
    </message>
    <message>
        <source>按模板命名</source>
        <translation>Name by template</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>执行</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>更名模板</source>
        <translation>Template</translation>
    </message>
    <message>
        <source>起始编号</source>
        <translation>Start number</translation>
    </message>
    <message>
        <source>用mp3标签标题重命名文件</source>
        <translation>Rename files to their mp3 titles</translation>
    </message>
    <message>
        <source>自动将文件名写入Mp3 标签标题</source>
        <translation>Write file names into mp3 titles</translation>
    </message>
    <message>
        <source>将用mp3 标签 唱片标题重命名当前文件夹的所有mp3文件名？</source>
        <translation>Rename the selected mp3 files to the titles in their mp3 tags?</translation>
    </message>
</context>
<context>
    <name>tarvendi::ui::UndoCommand</name>
    <message>
        <source>上次改名没有完成（程序被中断）。<byte value="xd"/><byte value="xd"/>是否撤销已经完成的部分？</source>
        <translation>The last rename did not finish (the program was interrupted).<byte value="xd"/><byte value="xd"/>Undo the part that was done?</translation>
    </message>
    <message>
        <source>%1 个改名</source>
        <translation>%1 renames</translation>
    </message>
    <message>
        <source>%1 个标签写入</source>
        <translation>%1 tag writes</translation>
    </message>
    <message>
        <source>%1 个创建的文件夹</source>
        <translation>%1 folders made</translation>
    </message>
    <message>
        <source>0 个改名</source>
        <translation>0 renames</translation>
    </message>
    <message>
        <source>M月d日 HH:mm</source>
        <translation>d MMM HH:mm</translation>
    </message>
    <message>
        <source>某时</source>
        <translation>an unknown time</translation>
    </message>
    <message>
        <source>（命令行）</source>
        <translation> (command line)</translation>
    </message>
    <message>
        <source>撤销 %1 在 %2 的 %3%4？</source>
        <translation>Undo the %3 of %1 in %2%4?</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>另一个改名还在进行</source>
        <translation>Another rename is still running</translation>
    </message>
    <message>
        <source>撤销记录已损坏，无法撤销，已放到一旁：%1（第 %2 行）</source>
        <translation>The undo record is damaged and cannot be undone; it was set aside: %1 (line %2)</translation>
    </message>
    <message>
        <source>已撤销 %1 项</source>
        <translation>%1 undone</translation>
    </message>
</context>
<context>
    <name>tarvendi::ui::WildcardPage</name>
    <message>
        <source>本页按模板给选中的文件改名，原扩展名保持不变。

模板中的符号：
  ## 序号 ,位数不够用0补齐
  * 保留原文件名 : /     其他字符 不变
  / 文件修改日期（yyyymmdd）
  : 文件修改时间（hh.nn.ss）

举例（起始编号 1，文件 song.mp3）：
  ##-*      →  01-song.mp3
  *-###     →  song-001.mp3
  ###.*     →  001.song.mp3
  ###-/-*   →  001-20240131-song.mp3

批量改名的步骤：
  1. 在左边选择文件夹，再选择需要改名的文件；
  2. 拖动右边列表中的文件，调整编号顺序；
  3. 填写起始编号，选择或输入更名模板；
  4. 按“预览”查看新文件名，满意后按“执行”。</source>
        <translation>This page renames the selected files by a template; extensions stay as they are.

Template symbols:
  ## number, padded with 0 to its width
  * the old name : /     other characters stay
  / date the file was modified (yyyymmdd)
  : time the file was modified (hh.nn.ss)

Examples (start number 1, file song.mp3):
  ##-*      →  01-song.mp3
  *-###     →  song-001.mp3
  ###.*     →  001.song.mp3
  ###-/-*   →  001-20240131-song.mp3

Steps:
  1. Choose the folder on the left, then select the files;
  2. Drag the files in the list on the right into numbering order;
  3. Fill in the start number, choose or type a template;
  4. &quot;Preview&quot; shows the new names; if they are right, &quot;Rename&quot;.</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>执行</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>照片用拍摄时间</source>
        <translation>Photos: date taken</translation>
    </message>
    <message>
        <source>“/”和“:”取照片的拍摄日期和时间，没有拍摄时间的文件仍用修改时间</source>
        <translation>&quot;/&quot; and &quot;:&quot; take the date and time a photo was taken; files without one keep the date they were modified</translation>
    </message>
    <message>
        <source>起始编号</source>
        <translation>Start number</translation>
    </message>
    <message>
        <source>更名模板</source>
        <translation>Template</translation>
    </message>
</context>
</TS>
