<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Armoured text for mail and paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method 02: strong, with a phrase,</source>
        <extracomment>The first of two lines of one sentence; the second names the command that offers the method.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in Encrypt With Specific Method.</source>
        <extracomment>The second line of the sentence &quot;Method 02: strong, with a phrase,&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version Platform:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>32-bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>world-wide-web: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogParts</name>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DisplayDialogs</name>
    <message>
        <source>Size must be between %1 and %2 points.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Text</source>
        <extracomment>The type of plain text files, shown before its pattern &quot;(*.txt)&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Cannot find the help file%1.</source>
        <extracomment>%1 is the help file&apos;s name after a blank, or nothing.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the help file%1.</source>
        <extracomment>%1 is the help file&apos;s name after a blank, or nothing.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Line Breaks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save File As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Encrypt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encrypt With Specific &amp;Method...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear-Si&amp;gn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Decrypt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se&amp;lect All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Text Color...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Background Color...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Windows-1252</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTF-8 with Byte-Order &amp;Mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;CR LF (Windows)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;LF (Linux)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search for Help On...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;How to Use Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear text for new document?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No action can be undone at this time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select some text to cut to the clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select some text to copy to the clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard contains no text that can be pasted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select some text to delete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text exceeds memo capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text ends at a zero byte in the file.  The 1 byte after it was not loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The text ends at a zero byte in the file.  The %n bytes after it were not loaded.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Replace existing text with the contents of the selected file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no text that can be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text holds &quot;%1&quot; (%2), which Windows-1252 cannot hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The following file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MethodDialog</name>
    <message>
        <source>Encoding Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must choose an encoding method.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpenPgpModule</name>
    <message>
        <source>GnuPG cannot be reached: the program&apos;s OpenPGP module could not be loaded (%1).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PassphraseDialog</name>
    <message>
        <source>Password Protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This phrase can hold only the characters of Windows-1252 (Western European letters, digits and signs).  The character typed was left out.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecipientsDialog</name>
    <message>
        <source>Validity: ultimate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Validity: full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Validity: marginal (the name is not proven)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Validity: never (the keyring&apos;s trust denies the name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Validity: undefined (the name is not proven)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Validity: unknown (the name is not proven)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenPGP Recipients</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name, e-mail address or fingerprint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows only the keys that match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keys to encrypt to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys to encrypt to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space checks or clears the key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also to my own key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, fingerprint %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign with my own key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyring holds no key that can encrypt.  The text will be protected by a phrase.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No key chosen: the text will be protected by a phrase.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 key chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n keys chosen.</source>
        <extracomment>Two keys or more; one key has a text of its own.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>1 byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encrypted Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal Text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Requires version 1.0 or higher to decrypt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Requires version 1.1 or higher to decrypt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no text to encrypt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no text to sign.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The amount of text to encrypt cannot exceed %1 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This text is already encrypted.  Are you sure you want to encrypt it again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phrases entered do not match.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a phrase to password-protect (if desired):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re-enter phrase to confirm:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no text to decrypt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The header and footer lines are not present.  This text does not appear to be encrypted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encrypted text has been changed, and its changes cannot be undone.  Unable to decrypt this text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The header line is not valid.  Unable to decrypt this text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This text is password-protected.  Enter phrase:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phrase given does not match the phrase used to password-protect the text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encrypted text has terminated unexpectedly.  The decrypted text is incomplete and possibly contains errors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRC information was not present in the encrypted text.  Unable to verify that the encrypted text was error-free.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRC error.  Errors were present in the encrypted text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encrypted text is damaged.  Unable to decrypt this text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encrypted text is too long for its checksum.  Unable to decrypt this text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot handle the encryption method used to encrypt this text.  Try using Shroud-a-Pad %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a phrase to password-protect (1 to %1 characters):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method 02 needs a phrase.  Enter a phrase of 1 to %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strong protection.  Requires version 2.00 or higher to decrypt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The OpenPGP message is damaged or was changed: its checksum or integrity check failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The OpenPGP message has no integrity check, so a change made to it on the way could not be noticed: it is not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a hidden recipient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decryption was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The passphrase is not correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GnuPG cannot be used on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No recipient was given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the phrase of the message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a phrase to protect the OpenPGP message:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An OpenPGP message protected by a phrase needs a phrase.  Enter a phrase.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenPGP was not added to the methods.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For people who use OpenPGP: to their keys or a phrase.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The OpenPGP message is cut short: its end line &quot;-----END PGP MESSAGE-----&quot; is missing.  Unable to decrypt this text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The OpenPGP signed text is cut short: its signature&apos;s end line &quot;-----END PGP SIGNATURE-----&quot; is missing.  Unable to check this text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This text is an OpenPGP signature of another file (a detached signature), not an encrypted message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This text is an OpenPGP public key, not an encrypted message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This text is an OpenPGP secret key, not an encrypted message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is an encrypted OpenPGP message in binary form (a .gpg file), not text.  Ask for it as armoured text (as &quot;gpg --armor&quot; writes it) to decrypt it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is an OpenPGP message in binary form (a .gpg file), signed or compressed but not encrypted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is an OpenPGP signature in binary form (a .sig or .gpg file), not an encrypted message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is an OpenPGP public key in binary form (a .gpg file), not an encrypted message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is an OpenPGP secret key in binary form (a .gpg file), not an encrypted message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the key is only marginally certified by keys you trust</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the key is not certified by a key you trust</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The OpenPGP signed text is damaged: GnuPG could not read its signature.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The signed text is left as it stands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The OpenPGP signed text is longer than the most this program takes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has been revoked by its owner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has expired</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no subkey that can sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyring holds no secret key to sign with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signing was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (fingerprint %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the key %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The OpenPGP message&apos;s text is too large: it is longer than %1, the most this program takes.  Unable to decrypt this text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No secret key for this message is in the keyring.  It was encrypted to: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GnuPG could not decrypt the message: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GnuPG could not encrypt the text: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GnuPG could not sign the text: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No usable key for the recipient &quot;%1&quot; is in the keyring.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recipient &quot;%1&quot; names more than one key; give its fingerprint.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key %1 cannot be encrypted to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the passphrase of the key %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key %1 cannot sign: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key %1 cannot sign.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expired signature from %1: it expired on %2 and no longer vouches for the message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signature from %1, whose key has been revoked by its owner: the signature could be forged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signature by a key named %1, which the keyring&apos;s trust says is not that person&apos;s: the signature is probably forged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good signature from %1.  Note: the key has expired.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good signature from %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signature by a key named %1: the message is as that key signed it, but %2, so the key may not belong to the person its user ID names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BAD signature: the message was signed by %1 but changed after signing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signed by a key that is not in the keyring (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A signature by %1 could not be checked: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>platform::HelpViewer</name>
    <message>
        <source>Shroud-a-Pad Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The topic %1 is not in this help file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
