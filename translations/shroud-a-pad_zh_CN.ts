<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Armoured text for mail and paste</source>
        <translation>适于邮件和粘贴的封装文本</translation>
    </message>
    <message>
        <source>Method 02: strong, with a phrase,</source>
        <extracomment>The first of two lines of one sentence; the second names the command that offers the method.</extracomment>
        <translation>Method 02：强加密，使用口令，</translation>
    </message>
    <message>
        <source>in Encrypt With Specific Method.</source>
        <extracomment>The second line of the sentence &quot;Method 02: strong, with a phrase,&quot;.</extracomment>
        <translation>见“用指定方法加密”。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Version Platform:</source>
        <translation>版本平台：</translation>
    </message>
    <message>
        <source>32-bit</source>
        <translation>32 位</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>电子邮件：%1</translation>
    </message>
    <message>
        <source>world-wide-web: %1</source>
        <translation>万维网：%1</translation>
    </message>
</context>
<context>
    <name>DialogParts</name>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>DisplayDialogs</name>
    <message>
        <source>Size must be between %1 and %2 points.</source>
        <translation>字号必须介于 %L1 到 %L2 磅之间。</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>无法创建文件 %1</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>流写入错误</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>无法打开文件 %1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Text</source>
        <extracomment>The type of plain text files, shown before its pattern &quot;(*.txt)&quot;.</extracomment>
        <translation>文本文档</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
找不到目录。
请确认目录名是否正确。</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Cannot find the help file%1.</source>
        <extracomment>%1 is the help file&apos;s name after a blank, or nothing.</extracomment>
        <translation>找不到帮助文件%1。</translation>
    </message>
    <message>
        <source>Cannot read the help file%1.</source>
        <extracomment>%1 is the help file&apos;s name after a blank, or nothing.</extracomment>
        <translation>无法读取帮助文件%1。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Action</source>
        <translation>操作(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>编码(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Line Breaks</source>
        <translation>换行符(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open File...</source>
        <translation>打开文件(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save File As...</source>
        <translation>文件另存为(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Encrypt</source>
        <translation>加密(&amp;E)</translation>
    </message>
    <message>
        <source>Encrypt With Specific &amp;Method...</source>
        <translation>用指定方法加密(&amp;M)...</translation>
    </message>
    <message>
        <source>Clear-Si&amp;gn</source>
        <translation>明文签名(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Decrypt</source>
        <translation>解密(&amp;D)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Se&amp;lect All</source>
        <translation>全选(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>字体(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Text Color...</source>
        <translation>文字颜色(&amp;T)...</translation>
    </message>
    <message>
        <source>&amp;Background Color...</source>
        <translation>背景颜色(&amp;B)...</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>自动换行</translation>
    </message>
    <message>
        <source>&amp;Windows-1252</source>
        <translation>&amp;Windows-1252</translation>
    </message>
    <message>
        <source>&amp;UTF-8</source>
        <translation>&amp;UTF-8</translation>
    </message>
    <message>
        <source>UTF-8 with Byte-Order &amp;Mark</source>
        <translation>带 BOM 的 UTF-8(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;CR LF (Windows)</source>
        <translation>&amp;CR LF (Windows)</translation>
    </message>
    <message>
        <source>&amp;LF (Linux)</source>
        <translation>&amp;LF (Linux)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目录(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Search for Help On...</source>
        <translation>搜索帮助(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;How to Use Help</source>
        <translation>如何使用帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>加密</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>解密</translation>
    </message>
    <message>
        <source>Text editor</source>
        <translation>文本编辑器</translation>
    </message>
    <message>
        <source>Clear text for new document?</source>
        <translation>清除文本以新建文档？</translation>
    </message>
    <message>
        <source>No action can be undone at this time.</source>
        <translation>当前没有可撤销的操作。</translation>
    </message>
    <message>
        <source>You must select some text to cut to the clipboard.</source>
        <translation>必须先选择要剪切到剪贴板的文本。</translation>
    </message>
    <message>
        <source>You must select some text to copy to the clipboard.</source>
        <translation>必须先选择要复制到剪贴板的文本。</translation>
    </message>
    <message>
        <source>The clipboard contains no text that can be pasted.</source>
        <translation>剪贴板中没有可粘贴的文本。</translation>
    </message>
    <message>
        <source>You must select some text to delete.</source>
        <translation>必须先选择要删除的文本。</translation>
    </message>
    <message>
        <source>Text exceeds memo capacity</source>
        <translation>文本超出编辑框容量</translation>
    </message>
    <message>
        <source>The text ends at a zero byte in the file.  The 1 byte after it was not loaded.</source>
        <translation>文本在文件中的一个零字节处结束。其后的 1 个字节未载入。</translation>
    </message>
    <message numerus="yes">
        <source>The text ends at a zero byte in the file.  The %n bytes after it were not loaded.</source>
        <translation>
            <numerusform>文本在文件中的一个零字节处结束。其后的 %Ln 个字节未载入。</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace existing text with the contents of the selected file?</source>
        <translation>用所选文件的内容替换现有文本？</translation>
    </message>
    <message>
        <source>There is no text that can be saved.</source>
        <translation>没有可保存的文本。</translation>
    </message>
    <message>
        <source>The text holds &quot;%1&quot; (%2), which Windows-1252 cannot hold.</source>
        <translation>文本含有“%1”（%2），Windows-1252 无法表示该字符。</translation>
    </message>
    <message>
        <source>The following file does not exist.</source>
        <translation>以下文件不存在。</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>重试(&amp;R)</translation>
    </message>
</context>
<context>
    <name>MethodDialog</name>
    <message>
        <source>Encoding Method</source>
        <translation>编码方法</translation>
    </message>
    <message>
        <source>You must choose an encoding method.</source>
        <translation>必须选择一种编码方法。</translation>
    </message>
</context>
<context>
    <name>OpenPgpModule</name>
    <message>
        <source>GnuPG cannot be reached: the program&apos;s OpenPGP module could not be loaded (%1).</source>
        <translation>无法使用 GnuPG：未能载入本程序的 OpenPGP 模块（%1）。</translation>
    </message>
</context>
<context>
    <name>PassphraseDialog</name>
    <message>
        <source>Password Protection</source>
        <translation>口令保护</translation>
    </message>
    <message>
        <source>This phrase can hold only the characters of Windows-1252 (Western European letters, digits and signs).  The character typed was left out.</source>
        <translation>此口令只能包含 Windows-1252 中的字符（西欧字母、数字和符号）。刚输入的字符已略去。</translation>
    </message>
</context>
<context>
    <name>RecipientsDialog</name>
    <message>
        <source>Validity: ultimate</source>
        <translation>有效性：绝对</translation>
    </message>
    <message>
        <source>Validity: full</source>
        <translation>有效性：完全</translation>
    </message>
    <message>
        <source>Validity: marginal (the name is not proven)</source>
        <translation>有效性：勉强（名称未经证实）</translation>
    </message>
    <message>
        <source>Validity: never (the keyring&apos;s trust denies the name)</source>
        <translation>有效性：从不（密钥环的信任否认该名称）</translation>
    </message>
    <message>
        <source>Validity: undefined (the name is not proven)</source>
        <translation>有效性：未定义（名称未经证实）</translation>
    </message>
    <message>
        <source>Validity: unknown (the name is not proven)</source>
        <translation>有效性：未知（名称未经证实）</translation>
    </message>
    <message>
        <source>OpenPGP Recipients</source>
        <translation>OpenPGP 收件人</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>筛选(&amp;F)：</translation>
    </message>
    <message>
        <source>Name, e-mail address or fingerprint</source>
        <translation>名称、电子邮件地址或指纹</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>筛选</translation>
    </message>
    <message>
        <source>Shows only the keys that match</source>
        <translation>仅显示匹配的密钥</translation>
    </message>
    <message>
        <source>&amp;Keys to encrypt to:</source>
        <translation>收件人密钥(&amp;K)：</translation>
    </message>
    <message>
        <source>Keys to encrypt to</source>
        <translation>收件人密钥</translation>
    </message>
    <message>
        <source>Space checks or clears the key</source>
        <translation>按空格键勾选或取消勾选密钥</translation>
    </message>
    <message>
        <source>Also to my own key</source>
        <translation>同时加密给我自己的密钥</translation>
    </message>
    <message>
        <source>%1, fingerprint %2</source>
        <translation>%1，指纹 %2</translation>
    </message>
    <message>
        <source>Sign with my own key</source>
        <translation>用我自己的密钥签名</translation>
    </message>
    <message>
        <source>The keyring holds no key that can encrypt.  The text will be protected by a phrase.</source>
        <translation>密钥环中没有可用于加密的密钥。文本将由口令保护。</translation>
    </message>
    <message>
        <source>No key chosen: the text will be protected by a phrase.</source>
        <translation>未选择密钥：文本将由口令保护。</translation>
    </message>
    <message>
        <source>1 key chosen.</source>
        <translation>已选择 1 个密钥。</translation>
    </message>
    <message numerus="yes">
        <source>%n keys chosen.</source>
        <extracomment>Two keys or more; one key has a text of its own.</extracomment>
        <translation>
            <numerusform>已选择 %Ln 个密钥。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>1 byte</source>
        <translation>1 字节</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%Ln 字节</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 selected</source>
        <translation>%1，已选择 %2</translation>
    </message>
    <message>
        <source>Encrypted Text</source>
        <translation>加密文本</translation>
    </message>
    <message>
        <source>Normal Text</source>
        <translation>普通文本</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Requires version 1.0 or higher to decrypt.</source>
        <translation>需要 1.0 或更高版本才能解密。</translation>
    </message>
    <message>
        <source>Requires version 1.1 or higher to decrypt.</source>
        <translation>需要 1.1 或更高版本才能解密。</translation>
    </message>
    <message>
        <source>There is no text to encrypt.</source>
        <translation>没有要加密的文本。</translation>
    </message>
    <message>
        <source>There is no text to sign.</source>
        <translation>没有要签名的文本。</translation>
    </message>
    <message>
        <source>The amount of text to encrypt cannot exceed %1 bytes.</source>
        <translation>要加密的文本不能超过 %L1 字节。</translation>
    </message>
    <message>
        <source>This text is already encrypted.  Are you sure you want to encrypt it again?</source>
        <translation>此文本已加密。确定要再次加密吗？</translation>
    </message>
    <message>
        <source>The phrases entered do not match.</source>
        <translation>两次输入的口令不一致。</translation>
    </message>
    <message>
        <source>Enter a phrase to password-protect (if desired):</source>
        <translation>输入保护口令（如需要）：</translation>
    </message>
    <message>
        <source>Re-enter phrase to confirm:</source>
        <translation>再次输入口令以确认：</translation>
    </message>
    <message>
        <source>There is no text to decrypt.</source>
        <translation>没有要解密的文本。</translation>
    </message>
    <message>
        <source>The header and footer lines are not present.  This text does not appear to be encrypted.</source>
        <translation>缺少首行和尾行。此文本似乎未经加密。</translation>
    </message>
    <message>
        <source>The encrypted text has been changed, and its changes cannot be undone.  Unable to decrypt this text.</source>
        <translation>加密文本已被更改，且更改无法撤销。无法解密此文本。</translation>
    </message>
    <message>
        <source>The header line is not valid.  Unable to decrypt this text.</source>
        <translation>首行无效。无法解密此文本。</translation>
    </message>
    <message>
        <source>This text is password-protected.  Enter phrase:</source>
        <translation>此文本受口令保护。请输入口令：</translation>
    </message>
    <message>
        <source>The phrase given does not match the phrase used to password-protect the text.</source>
        <translation>输入的口令与保护此文本所用的口令不符。</translation>
    </message>
    <message>
        <source>The encrypted text has terminated unexpectedly.  The decrypted text is incomplete and possibly contains errors.</source>
        <translation>加密文本意外终止。解密后的文本不完整，可能含有错误。</translation>
    </message>
    <message>
        <source>CRC information was not present in the encrypted text.  Unable to verify that the encrypted text was error-free.</source>
        <translation>加密文本中没有 CRC 信息。无法验证加密文本是否无误。</translation>
    </message>
    <message>
        <source>CRC error.  Errors were present in the encrypted text.</source>
        <translation>CRC 错误。加密文本中存在错误。</translation>
    </message>
    <message>
        <source>The encrypted text is damaged.  Unable to decrypt this text.</source>
        <translation>加密文本已损坏。无法解密此文本。</translation>
    </message>
    <message>
        <source>The encrypted text is too long for its checksum.  Unable to decrypt this text.</source>
        <translation>加密文本过长，超出其校验和所能覆盖的范围。无法解密此文本。</translation>
    </message>
    <message>
        <source>Cannot handle the encryption method used to encrypt this text.  Try using Shroud-a-Pad %1.</source>
        <translation>无法处理此文本所用的加密方法。请尝试使用 Shroud-a-Pad %1。</translation>
    </message>
    <message>
        <source>Enter a phrase to password-protect (1 to %1 characters):</source>
        <translation>输入保护口令（1 到 %L1 个字符）：</translation>
    </message>
    <message>
        <source>Method 02 needs a phrase.  Enter a phrase of 1 to %1 characters.</source>
        <translation>Method 02 需要口令。请输入 1 到 %L1 个字符的口令。</translation>
    </message>
    <message>
        <source>Strong protection.  Requires version 2.00 or higher to decrypt.</source>
        <translation>强保护。需要 2.00 或更高版本才能解密。</translation>
    </message>
    <message>
        <source>The OpenPGP message is damaged or was changed: its checksum or integrity check failed.</source>
        <translation>OpenPGP 消息已损坏或被更改：其校验和或完整性检查未通过。</translation>
    </message>
    <message>
        <source>The OpenPGP message has no integrity check, so a change made to it on the way could not be noticed: it is not read.</source>
        <translation>此 OpenPGP 消息没有完整性检查，传输途中对它的更改无法被察觉：不予读取。</translation>
    </message>
    <message>
        <source>a hidden recipient</source>
        <translation>一位隐藏的收件人</translation>
    </message>
    <message>
        <source>Decryption was cancelled.</source>
        <translation>解密已取消。</translation>
    </message>
    <message>
        <source>The passphrase is not correct.</source>
        <translation>口令不正确。</translation>
    </message>
    <message>
        <source>GnuPG cannot be used on this computer.</source>
        <translation>此计算机上无法使用 GnuPG。</translation>
    </message>
    <message>
        <source>No recipient was given.</source>
        <translation>未指定收件人。</translation>
    </message>
    <message>
        <source>Enter the phrase of the message.</source>
        <translation>请输入此消息的口令。</translation>
    </message>
    <message>
        <source>Enter a phrase to protect the OpenPGP message:</source>
        <translation>输入保护 OpenPGP 消息的口令：</translation>
    </message>
    <message>
        <source>An OpenPGP message protected by a phrase needs a phrase.  Enter a phrase.</source>
        <translation>受口令保护的 OpenPGP 消息需要口令。请输入口令。</translation>
    </message>
    <message>
        <source>OpenPGP was not added to the methods.</source>
        <translation>OpenPGP 未加入方法列表。</translation>
    </message>
    <message>
        <source>For people who use OpenPGP: to their keys or a phrase.</source>
        <translation>面向使用 OpenPGP 的人：加密给其密钥或使用口令。</translation>
    </message>
    <message>
        <source>The OpenPGP message is cut short: its end line &quot;-----END PGP MESSAGE-----&quot; is missing.  Unable to decrypt this text.</source>
        <translation>OpenPGP 消息不完整：缺少结束行“-----END PGP MESSAGE-----”。无法解密此文本。</translation>
    </message>
    <message>
        <source>The OpenPGP signed text is cut short: its signature&apos;s end line &quot;-----END PGP SIGNATURE-----&quot; is missing.  Unable to check this text.</source>
        <translation>OpenPGP 签名文本不完整：缺少其签名的结束行“-----END PGP SIGNATURE-----”。无法验证此文本。</translation>
    </message>
    <message>
        <source>This text is an OpenPGP signature of another file (a detached signature), not an encrypted message.</source>
        <translation>此文本是另一个文件的 OpenPGP 签名（分离签名），而不是加密消息。</translation>
    </message>
    <message>
        <source>This text is an OpenPGP public key, not an encrypted message.</source>
        <translation>此文本是 OpenPGP 公钥，而不是加密消息。</translation>
    </message>
    <message>
        <source>This text is an OpenPGP secret key, not an encrypted message.</source>
        <translation>此文本是 OpenPGP 私钥，而不是加密消息。</translation>
    </message>
    <message>
        <source>This is an encrypted OpenPGP message in binary form (a .gpg file), not text.  Ask for it as armoured text (as &quot;gpg --armor&quot; writes it) to decrypt it.</source>
        <translation>这是二进制形式的加密 OpenPGP 消息（.gpg 文件），而不是文本。请索取其 ASCII 封装文本（即“gpg --armor”的输出）再解密。</translation>
    </message>
    <message>
        <source>This is an OpenPGP message in binary form (a .gpg file), signed or compressed but not encrypted.</source>
        <translation>这是二进制形式的 OpenPGP 消息（.gpg 文件），已签名或压缩，但未加密。</translation>
    </message>
    <message>
        <source>This is an OpenPGP signature in binary form (a .sig or .gpg file), not an encrypted message.</source>
        <translation>这是二进制形式的 OpenPGP 签名（.sig 或 .gpg 文件），而不是加密消息。</translation>
    </message>
    <message>
        <source>This is an OpenPGP public key in binary form (a .gpg file), not an encrypted message.</source>
        <translation>这是二进制形式的 OpenPGP 公钥（.gpg 文件），而不是加密消息。</translation>
    </message>
    <message>
        <source>This is an OpenPGP secret key in binary form (a .gpg file), not an encrypted message.</source>
        <translation>这是二进制形式的 OpenPGP 私钥（.gpg 文件），而不是加密消息。</translation>
    </message>
    <message>
        <source>the key is only marginally certified by keys you trust</source>
        <translation>该密钥仅由您信任的密钥勉强认证</translation>
    </message>
    <message>
        <source>the key is not certified by a key you trust</source>
        <translation>该密钥未经您信任的密钥认证</translation>
    </message>
    <message>
        <source>The OpenPGP signed text is damaged: GnuPG could not read its signature.</source>
        <translation>OpenPGP 签名文本已损坏：GnuPG 无法读取其签名。</translation>
    </message>
    <message>
        <source>The signed text is left as it stands.</source>
        <translation>签名文本保持原样。</translation>
    </message>
    <message>
        <source>The OpenPGP signed text is longer than the most this program takes.</source>
        <translation>OpenPGP 签名文本超出了本程序可处理的最大长度。</translation>
    </message>
    <message>
        <source>it has been revoked by its owner</source>
        <translation>它已被其所有者吊销</translation>
    </message>
    <message>
        <source>it has expired</source>
        <translation>它已过期</translation>
    </message>
    <message>
        <source>it has no subkey that can sign</source>
        <translation>它没有可用于签名的子密钥</translation>
    </message>
    <message>
        <source>The keyring holds no secret key to sign with.</source>
        <translation>密钥环中没有可用于签名的私钥。</translation>
    </message>
    <message>
        <source>Signing was cancelled.</source>
        <translation>签名已取消。</translation>
    </message>
    <message>
        <source>%1 (fingerprint %2)</source>
        <translation>%1（指纹 %2）</translation>
    </message>
    <message>
        <source>the key %1</source>
        <translation>密钥 %1</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%L1 MiB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%L1 字节</translation>
    </message>
    <message>
        <source>The OpenPGP message&apos;s text is too large: it is longer than %1, the most this program takes.  Unable to decrypt this text.</source>
        <translation>OpenPGP 消息的文本过大：超过了本程序可处理的上限 %1。无法解密此文本。</translation>
    </message>
    <message>
        <source>No secret key for this message is in the keyring.  It was encrypted to: %1.</source>
        <translation>密钥环中没有此消息的私钥。它被加密给：%1。</translation>
    </message>
    <message>
        <source>GnuPG could not decrypt the message: %1</source>
        <translation>GnuPG 无法解密此消息：%1</translation>
    </message>
    <message>
        <source>GnuPG could not encrypt the text: %1</source>
        <translation>GnuPG 无法加密此文本：%1</translation>
    </message>
    <message>
        <source>GnuPG could not sign the text: %1</source>
        <translation>GnuPG 无法签名此文本：%1</translation>
    </message>
    <message>
        <source>No usable key for the recipient &quot;%1&quot; is in the keyring.</source>
        <translation>密钥环中没有收件人“%1”可用的密钥。</translation>
    </message>
    <message>
        <source>The recipient &quot;%1&quot; names more than one key; give its fingerprint.</source>
        <translation>收件人“%1”对应多个密钥；请给出其指纹。</translation>
    </message>
    <message>
        <source>The key %1 cannot be encrypted to.</source>
        <translation>无法加密给密钥 %1。</translation>
    </message>
    <message>
        <source>Enter the passphrase of the key %1 (%2).</source>
        <translation>请输入密钥 %1（%2）的口令。</translation>
    </message>
    <message>
        <source>The key %1 cannot sign: %2.</source>
        <translation>密钥 %1 无法签名：%2。</translation>
    </message>
    <message>
        <source>The key %1 cannot sign.</source>
        <translation>密钥 %1 无法签名。</translation>
    </message>
    <message>
        <source>Expired signature from %1: it expired on %2 and no longer vouches for the message.</source>
        <translation>来自 %1 的签名已过期：它于 %2 失效，不再为此消息担保。</translation>
    </message>
    <message>
        <source>Signature from %1, whose key has been revoked by its owner: the signature could be forged.</source>
        <translation>来自 %1 的签名，但其密钥已被所有者吊销：此签名可能是伪造的。</translation>
    </message>
    <message>
        <source>Signature by a key named %1, which the keyring&apos;s trust says is not that person&apos;s: the signature is probably forged.</source>
        <translation>签名来自名为 %1 的密钥，但密钥环的信任表明它不属于此人：此签名很可能是伪造的。</translation>
    </message>
    <message>
        <source>Good signature from %1.  Note: the key has expired.</source>
        <translation>来自 %1 的有效签名。注意：该密钥已过期。</translation>
    </message>
    <message>
        <source>Good signature from %1.</source>
        <translation>来自 %1 的有效签名。</translation>
    </message>
    <message>
        <source>Signature by a key named %1: the message is as that key signed it, but %2, so the key may not belong to the person its user ID names.</source>
        <translation>签名来自名为 %1 的密钥：消息与该密钥签名时一致，但%2，因此该密钥可能不属于其用户 ID 所指的人。</translation>
    </message>
    <message>
        <source>BAD signature: the message was signed by %1 but changed after signing.</source>
        <translation>无效签名：此消息由 %1 签名，但在签名后被更改过。</translation>
    </message>
    <message>
        <source>Signed by a key that is not in the keyring (%1).</source>
        <translation>签名所用的密钥不在密钥环中（%1）。</translation>
    </message>
    <message>
        <source>A signature by %1 could not be checked: %2.</source>
        <translation>无法验证 %1 的签名：%2。</translation>
    </message>
</context>
<context>
    <name>platform::HelpViewer</name>
    <message>
        <source>Shroud-a-Pad Help</source>
        <translation>Shroud-a-Pad 帮助</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目录(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>索引(&amp;I)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>输入关键字</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>导航</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>后退(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>前进(&amp;F)</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>目录(&amp;O)</translation>
    </message>
    <message>
        <source>The topic %1 is not in this help file.</source>
        <translation>此帮助文件中没有主题 %1。</translation>
    </message>
</context>
</TS>
