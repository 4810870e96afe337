<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Armoured text for mail and paste</source>
        <translation>Gepanzerter Text für E-Mail und Einfügen</translation>
    </message>
    <message>
        <source>Method 02: strong, with a phrase,</source>
        <extracomment>The first of two lines of one sentence; the second names the command that offers the method.</extracomment>
        <translation>Method 02: stark, mit Passphrase,</translation>
    </message>
    <message>
        <source>in Encrypt With Specific Method.</source>
        <extracomment>The second line of the sentence &quot;Method 02: strong, with a phrase,&quot;.</extracomment>
        <translation>unter Mit bestimmter Methode verschlüsseln.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version Platform:</source>
        <translation>Plattform:</translation>
    </message>
    <message>
        <source>32-bit</source>
        <translation>32-Bit</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>E-Mail: %1</translation>
    </message>
    <message>
        <source>world-wide-web: %1</source>
        <translation>World Wide Web: %1</translation>
    </message>
</context>
<context>
    <name>DialogParts</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>DisplayDialogs</name>
    <message>
        <source>Size must be between %1 and %2 points.</source>
        <translation>Die Größe muss zwischen %L1 und %L2 Punkt liegen.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Fehler beim Schreiben des Datenstroms</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Text</source>
        <extracomment>The type of plain text files, shown before its pattern &quot;(*.txt)&quot;.</extracomment>
        <translation>Text</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Ordner nicht gefunden.
Bitte prüfen Sie, ob der richtige Ordnername angegeben wurde.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Cannot find the help file%1.</source>
        <extracomment>%1 is the help file&apos;s name after a blank, or nothing.</extracomment>
        <translation>Die Hilfedatei%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Cannot read the help file%1.</source>
        <extracomment>%1 is the help file&apos;s name after a blank, or nothing.</extracomment>
        <translation>Die Hilfedatei%1 kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Action</source>
        <translation>&amp;Aktion</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>&amp;Kodierung</translation>
    </message>
    <message>
        <source>&amp;Line Breaks</source>
        <translation>&amp;Zeilenenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open File...</source>
        <translation>Datei ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save File As...</source>
        <translation>Datei &amp;speichern unter...</translation>
    </message>
    <message>
        <source>&amp;Encrypt</source>
        <translation>&amp;Verschlüsseln</translation>
    </message>
    <message>
        <source>Encrypt With Specific &amp;Method...</source>
        <translation>Mit bestimmter &amp;Methode verschlüsseln...</translation>
    </message>
    <message>
        <source>Clear-Si&amp;gn</source>
        <translation>&amp;Klartext signieren</translation>
    </message>
    <message>
        <source>&amp;Decrypt</source>
        <translation>&amp;Entschlüsseln</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Aus&amp;schneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Se&amp;lect All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Schriftart...</translation>
    </message>
    <message>
        <source>&amp;Text Color...</source>
        <translation>&amp;Textfarbe...</translation>
    </message>
    <message>
        <source>&amp;Background Color...</source>
        <translation>&amp;Hintergrundfarbe...</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>Automatischer Zeilenumbruch</translation>
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
        <translation>UTF-8 mit Byte-Order-&amp;Mark</translation>
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
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Search for Help On...</source>
        <translation>Hilfe &amp;durchsuchen nach...</translation>
    </message>
    <message>
        <source>&amp;How to Use Help</source>
        <translation>&amp;Hilfe verwenden</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Inf&amp;o...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Verschlüsseln</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Entschlüsseln</translation>
    </message>
    <message>
        <source>Text editor</source>
        <translation>Texteditor</translation>
    </message>
    <message>
        <source>Clear text for new document?</source>
        <translation>Text für ein neues Dokument löschen?</translation>
    </message>
    <message>
        <source>No action can be undone at this time.</source>
        <translation>Derzeit kann keine Aktion rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>You must select some text to cut to the clipboard.</source>
        <translation>Sie müssen Text auswählen, um ihn in die Zwischenablage auszuschneiden.</translation>
    </message>
    <message>
        <source>You must select some text to copy to the clipboard.</source>
        <translation>Sie müssen Text auswählen, um ihn in die Zwischenablage zu kopieren.</translation>
    </message>
    <message>
        <source>The clipboard contains no text that can be pasted.</source>
        <translation>Die Zwischenablage enthält keinen Text, der eingefügt werden kann.</translation>
    </message>
    <message>
        <source>You must select some text to delete.</source>
        <translation>Sie müssen Text auswählen, um ihn zu löschen.</translation>
    </message>
    <message>
        <source>Text exceeds memo capacity</source>
        <translation>Der Text übersteigt die Kapazität des Editors</translation>
    </message>
    <message>
        <source>The text ends at a zero byte in the file.  The 1 byte after it was not loaded.</source>
        <translation>Der Text endet an einem Null-Byte in der Datei.  Das 1 Byte danach wurde nicht geladen.</translation>
    </message>
    <message numerus="yes">
        <source>The text ends at a zero byte in the file.  The %n bytes after it were not loaded.</source>
        <translation>
            <numerusform>Der Text endet an einem Null-Byte in der Datei.  Das %Ln Byte danach wurde nicht geladen.</numerusform>
            <numerusform>Der Text endet an einem Null-Byte in der Datei.  Die %Ln Bytes danach wurden nicht geladen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace existing text with the contents of the selected file?</source>
        <translation>Vorhandenen Text durch den Inhalt der ausgewählten Datei ersetzen?</translation>
    </message>
    <message>
        <source>There is no text that can be saved.</source>
        <translation>Es gibt keinen Text, der gespeichert werden kann.</translation>
    </message>
    <message>
        <source>The text holds &quot;%1&quot; (%2), which Windows-1252 cannot hold.</source>
        <translation>Der Text enthält „%1“ (%2), das Windows-1252 nicht aufnehmen kann.</translation>
    </message>
    <message>
        <source>The following file does not exist.</source>
        <translation>Die folgende Datei existiert nicht.</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Wiederholen</translation>
    </message>
</context>
<context>
    <name>MethodDialog</name>
    <message>
        <source>Encoding Method</source>
        <translation>Kodierungsmethode</translation>
    </message>
    <message>
        <source>You must choose an encoding method.</source>
        <translation>Sie müssen eine Kodierungsmethode wählen.</translation>
    </message>
</context>
<context>
    <name>OpenPgpModule</name>
    <message>
        <source>GnuPG cannot be reached: the program&apos;s OpenPGP module could not be loaded (%1).</source>
        <translation>GnuPG ist nicht erreichbar: Das OpenPGP-Modul des Programms konnte nicht geladen werden (%1).</translation>
    </message>
</context>
<context>
    <name>PassphraseDialog</name>
    <message>
        <source>Password Protection</source>
        <translation>Kennwortschutz</translation>
    </message>
    <message>
        <source>This phrase can hold only the characters of Windows-1252 (Western European letters, digits and signs).  The character typed was left out.</source>
        <translation>Diese Passphrase kann nur Zeichen von Windows-1252 enthalten (westeuropäische Buchstaben, Ziffern und Zeichen).  Das getippte Zeichen wurde ausgelassen.</translation>
    </message>
</context>
<context>
    <name>RecipientsDialog</name>
    <message>
        <source>Validity: ultimate</source>
        <translation>Gültigkeit: uneingeschränkt</translation>
    </message>
    <message>
        <source>Validity: full</source>
        <translation>Gültigkeit: vollständig</translation>
    </message>
    <message>
        <source>Validity: marginal (the name is not proven)</source>
        <translation>Gültigkeit: marginal (der Name ist nicht belegt)</translation>
    </message>
    <message>
        <source>Validity: never (the keyring&apos;s trust denies the name)</source>
        <translation>Gültigkeit: niemals (das Vertrauen des Schlüsselbunds bestreitet den Namen)</translation>
    </message>
    <message>
        <source>Validity: undefined (the name is not proven)</source>
        <translation>Gültigkeit: undefiniert (der Name ist nicht belegt)</translation>
    </message>
    <message>
        <source>Validity: unknown (the name is not proven)</source>
        <translation>Gültigkeit: unbekannt (der Name ist nicht belegt)</translation>
    </message>
    <message>
        <source>OpenPGP Recipients</source>
        <translation>OpenPGP-Empfänger</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>Name, e-mail address or fingerprint</source>
        <translation>Name, E-Mail-Adresse oder Fingerabdruck</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Shows only the keys that match</source>
        <translation>Zeigt nur die passenden Schlüssel</translation>
    </message>
    <message>
        <source>&amp;Keys to encrypt to:</source>
        <translation>Für diese &amp;Schlüssel verschlüsseln:</translation>
    </message>
    <message>
        <source>Keys to encrypt to</source>
        <translation>Für diese Schlüssel verschlüsseln</translation>
    </message>
    <message>
        <source>Space checks or clears the key</source>
        <translation>Die Leertaste kreuzt den Schlüssel an oder ab</translation>
    </message>
    <message>
        <source>Also to my own key</source>
        <translation>Auch an meinen eigenen Schlüssel</translation>
    </message>
    <message>
        <source>%1, fingerprint %2</source>
        <translation>%1, Fingerabdruck %2</translation>
    </message>
    <message>
        <source>Sign with my own key</source>
        <translation>Mit meinem eigenen Schlüssel signieren</translation>
    </message>
    <message>
        <source>The keyring holds no key that can encrypt.  The text will be protected by a phrase.</source>
        <translation>Der Schlüsselbund enthält keinen Schlüssel, der verschlüsseln kann.  Der Text wird durch eine Passphrase geschützt.</translation>
    </message>
    <message>
        <source>No key chosen: the text will be protected by a phrase.</source>
        <translation>Kein Schlüssel angekreuzt: Der Text wird durch eine Passphrase geschützt.</translation>
    </message>
    <message>
        <source>1 key chosen.</source>
        <translation>1 Schlüssel angekreuzt.</translation>
    </message>
    <message numerus="yes">
        <source>%n keys chosen.</source>
        <extracomment>Two keys or more; one key has a text of its own.</extracomment>
        <translation>
            <numerusform>%Ln Schlüssel angekreuzt.</numerusform>
            <numerusform>%Ln Schlüssel angekreuzt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>1 byte</source>
        <translation>1 Byte</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%Ln Byte</numerusform>
            <numerusform>%Ln Bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 selected</source>
        <translation>%1, %2 ausgewählt</translation>
    </message>
    <message>
        <source>Encrypted Text</source>
        <translation>Verschlüsselter Text</translation>
    </message>
    <message>
        <source>Normal Text</source>
        <translation>Normaler Text</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Requires version 1.0 or higher to decrypt.</source>
        <translation>Zum Entschlüsseln ist Version 1.0 oder höher nötig.</translation>
    </message>
    <message>
        <source>Requires version 1.1 or higher to decrypt.</source>
        <translation>Zum Entschlüsseln ist Version 1.1 oder höher nötig.</translation>
    </message>
    <message>
        <source>There is no text to encrypt.</source>
        <translation>Es gibt keinen Text zum Verschlüsseln.</translation>
    </message>
    <message>
        <source>There is no text to sign.</source>
        <translation>Es gibt keinen Text zum Signieren.</translation>
    </message>
    <message>
        <source>The amount of text to encrypt cannot exceed %1 bytes.</source>
        <translation>Die Menge des zu verschlüsselnden Textes darf %L1 Bytes nicht übersteigen.</translation>
    </message>
    <message>
        <source>This text is already encrypted.  Are you sure you want to encrypt it again?</source>
        <translation>Dieser Text ist bereits verschlüsselt.  Möchten Sie ihn wirklich erneut verschlüsseln?</translation>
    </message>
    <message>
        <source>The phrases entered do not match.</source>
        <translation>Die eingegebenen Passphrasen stimmen nicht überein.</translation>
    </message>
    <message>
        <source>Enter a phrase to password-protect (if desired):</source>
        <translation>Passphrase für den Kennwortschutz eingeben (falls gewünscht):</translation>
    </message>
    <message>
        <source>Re-enter phrase to confirm:</source>
        <translation>Passphrase zur Bestätigung erneut eingeben:</translation>
    </message>
    <message>
        <source>There is no text to decrypt.</source>
        <translation>Es gibt keinen Text zum Entschlüsseln.</translation>
    </message>
    <message>
        <source>The header and footer lines are not present.  This text does not appear to be encrypted.</source>
        <translation>Die Kopf- und Fußzeilen fehlen.  Dieser Text scheint nicht verschlüsselt zu sein.</translation>
    </message>
    <message>
        <source>The encrypted text has been changed, and its changes cannot be undone.  Unable to decrypt this text.</source>
        <translation>Der verschlüsselte Text wurde verändert, und seine Änderungen lassen sich nicht rückgängig machen.  Dieser Text kann nicht entschlüsselt werden.</translation>
    </message>
    <message>
        <source>The header line is not valid.  Unable to decrypt this text.</source>
        <translation>Die Kopfzeile ist ungültig.  Dieser Text kann nicht entschlüsselt werden.</translation>
    </message>
    <message>
        <source>This text is password-protected.  Enter phrase:</source>
        <translation>Dieser Text ist kennwortgeschützt.  Passphrase eingeben:</translation>
    </message>
    <message>
        <source>The phrase given does not match the phrase used to password-protect the text.</source>
        <translation>Die angegebene Passphrase stimmt nicht mit der Passphrase überein, mit der der Text geschützt wurde.</translation>
    </message>
    <message>
        <source>The encrypted text has terminated unexpectedly.  The decrypted text is incomplete and possibly contains errors.</source>
        <translation>Der verschlüsselte Text endet unerwartet.  Der entschlüsselte Text ist unvollständig und enthält möglicherweise Fehler.</translation>
    </message>
    <message>
        <source>CRC information was not present in the encrypted text.  Unable to verify that the encrypted text was error-free.</source>
        <translation>Der verschlüsselte Text enthält keine CRC-Angabe.  Es lässt sich nicht prüfen, ob der verschlüsselte Text fehlerfrei war.</translation>
    </message>
    <message>
        <source>CRC error.  Errors were present in the encrypted text.</source>
        <translation>CRC-Fehler.  Der verschlüsselte Text enthielt Fehler.</translation>
    </message>
    <message>
        <source>The encrypted text is damaged.  Unable to decrypt this text.</source>
        <translation>Der verschlüsselte Text ist beschädigt.  Dieser Text kann nicht entschlüsselt werden.</translation>
    </message>
    <message>
        <source>The encrypted text is too long for its checksum.  Unable to decrypt this text.</source>
        <translation>Der verschlüsselte Text ist zu lang für seine Prüfsumme.  Dieser Text kann nicht entschlüsselt werden.</translation>
    </message>
    <message>
        <source>Cannot handle the encryption method used to encrypt this text.  Try using Shroud-a-Pad %1.</source>
        <translation>Die Verschlüsselungsmethode dieses Textes wird nicht unterstützt.  Versuchen Sie es mit Shroud-a-Pad %1.</translation>
    </message>
    <message>
        <source>Enter a phrase to password-protect (1 to %1 characters):</source>
        <translation>Passphrase für den Kennwortschutz eingeben (1 bis %L1 Zeichen):</translation>
    </message>
    <message>
        <source>Method 02 needs a phrase.  Enter a phrase of 1 to %1 characters.</source>
        <translation>Method 02 braucht eine Passphrase.  Geben Sie eine Passphrase von 1 bis %L1 Zeichen ein.</translation>
    </message>
    <message>
        <source>Strong protection.  Requires version 2.00 or higher to decrypt.</source>
        <translation>Starker Schutz.  Zum Entschlüsseln ist Version 2.00 oder höher nötig.</translation>
    </message>
    <message>
        <source>The OpenPGP message is damaged or was changed: its checksum or integrity check failed.</source>
        <translation>Die OpenPGP-Nachricht ist beschädigt oder wurde verändert: Ihre Prüfsumme oder Integritätsprüfung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The OpenPGP message has no integrity check, so a change made to it on the way could not be noticed: it is not read.</source>
        <translation>Die OpenPGP-Nachricht hat keine Integritätsprüfung, daher könnte eine Änderung unterwegs nicht bemerkt werden: Sie wird nicht gelesen.</translation>
    </message>
    <message>
        <source>a hidden recipient</source>
        <translation>ein verborgener Empfänger</translation>
    </message>
    <message>
        <source>Decryption was cancelled.</source>
        <translation>Das Entschlüsseln wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The passphrase is not correct.</source>
        <translation>Die Passphrase ist nicht korrekt.</translation>
    </message>
    <message>
        <source>GnuPG cannot be used on this computer.</source>
        <translation>GnuPG kann auf diesem Computer nicht verwendet werden.</translation>
    </message>
    <message>
        <source>No recipient was given.</source>
        <translation>Es wurde kein Empfänger angegeben.</translation>
    </message>
    <message>
        <source>Enter the phrase of the message.</source>
        <translation>Geben Sie die Passphrase der Nachricht ein.</translation>
    </message>
    <message>
        <source>Enter a phrase to protect the OpenPGP message:</source>
        <translation>Passphrase zum Schutz der OpenPGP-Nachricht eingeben:</translation>
    </message>
    <message>
        <source>An OpenPGP message protected by a phrase needs a phrase.  Enter a phrase.</source>
        <translation>Eine durch eine Passphrase geschützte OpenPGP-Nachricht braucht eine Passphrase.  Geben Sie eine Passphrase ein.</translation>
    </message>
    <message>
        <source>OpenPGP was not added to the methods.</source>
        <translation>OpenPGP wurde nicht zu den Methoden hinzugefügt.</translation>
    </message>
    <message>
        <source>For people who use OpenPGP: to their keys or a phrase.</source>
        <translation>Für OpenPGP-Nutzer: für ihre Schlüssel oder mit Passphrase.</translation>
    </message>
    <message>
        <source>The OpenPGP message is cut short: its end line &quot;-----END PGP MESSAGE-----&quot; is missing.  Unable to decrypt this text.</source>
        <translation>Die OpenPGP-Nachricht ist abgeschnitten: Ihre Endzeile „-----END PGP MESSAGE-----“ fehlt.  Dieser Text kann nicht entschlüsselt werden.</translation>
    </message>
    <message>
        <source>The OpenPGP signed text is cut short: its signature&apos;s end line &quot;-----END PGP SIGNATURE-----&quot; is missing.  Unable to check this text.</source>
        <translation>Der mit OpenPGP signierte Text ist abgeschnitten: Die Endzeile „-----END PGP SIGNATURE-----“ seiner Signatur fehlt.  Dieser Text kann nicht geprüft werden.</translation>
    </message>
    <message>
        <source>This text is an OpenPGP signature of another file (a detached signature), not an encrypted message.</source>
        <translation>Dieser Text ist eine OpenPGP-Signatur einer anderen Datei (eine abgetrennte Signatur), keine verschlüsselte Nachricht.</translation>
    </message>
    <message>
        <source>This text is an OpenPGP public key, not an encrypted message.</source>
        <translation>Dieser Text ist ein öffentlicher OpenPGP-Schlüssel, keine verschlüsselte Nachricht.</translation>
    </message>
    <message>
        <source>This text is an OpenPGP secret key, not an encrypted message.</source>
        <translation>Dieser Text ist ein geheimer OpenPGP-Schlüssel, keine verschlüsselte Nachricht.</translation>
    </message>
    <message>
        <source>This is an encrypted OpenPGP message in binary form (a .gpg file), not text.  Ask for it as armoured text (as &quot;gpg --armor&quot; writes it) to decrypt it.</source>
        <translation>Dies ist eine verschlüsselte OpenPGP-Nachricht in binärer Form (eine .gpg-Datei), kein Text.  Bitten Sie um sie als ASCII-Armor-Text (wie „gpg --armor“ ihn schreibt), um sie zu entschlüsseln.</translation>
    </message>
    <message>
        <source>This is an OpenPGP message in binary form (a .gpg file), signed or compressed but not encrypted.</source>
        <translation>Dies ist eine OpenPGP-Nachricht in binärer Form (eine .gpg-Datei), signiert oder komprimiert, aber nicht verschlüsselt.</translation>
    </message>
    <message>
        <source>This is an OpenPGP signature in binary form (a .sig or .gpg file), not an encrypted message.</source>
        <translation>Dies ist eine OpenPGP-Signatur in binärer Form (eine .sig- oder .gpg-Datei), keine verschlüsselte Nachricht.</translation>
    </message>
    <message>
        <source>This is an OpenPGP public key in binary form (a .gpg file), not an encrypted message.</source>
        <translation>Dies ist ein öffentlicher OpenPGP-Schlüssel in binärer Form (eine .gpg-Datei), keine verschlüsselte Nachricht.</translation>
    </message>
    <message>
        <source>This is an OpenPGP secret key in binary form (a .gpg file), not an encrypted message.</source>
        <translation>Dies ist ein geheimer OpenPGP-Schlüssel in binärer Form (eine .gpg-Datei), keine verschlüsselte Nachricht.</translation>
    </message>
    <message>
        <source>the key is only marginally certified by keys you trust</source>
        <translation>der Schlüssel ist nur von Schlüsseln beglaubigt, denen Sie eingeschränkt vertrauen</translation>
    </message>
    <message>
        <source>the key is not certified by a key you trust</source>
        <translation>der Schlüssel ist von keinem Schlüssel beglaubigt, dem Sie vertrauen</translation>
    </message>
    <message>
        <source>The OpenPGP signed text is damaged: GnuPG could not read its signature.</source>
        <translation>Der mit OpenPGP signierte Text ist beschädigt: GnuPG konnte seine Signatur nicht lesen.</translation>
    </message>
    <message>
        <source>The signed text is left as it stands.</source>
        <translation>Der signierte Text bleibt, wie er ist.</translation>
    </message>
    <message>
        <source>The OpenPGP signed text is longer than the most this program takes.</source>
        <translation>Der mit OpenPGP signierte Text ist länger als das Höchstmaß, das dieses Programm annimmt.</translation>
    </message>
    <message>
        <source>it has been revoked by its owner</source>
        <translation>Er wurde von seinem Eigentümer widerrufen</translation>
    </message>
    <message>
        <source>it has expired</source>
        <translation>Er ist abgelaufen</translation>
    </message>
    <message>
        <source>it has no subkey that can sign</source>
        <translation>Er hat keinen Unterschlüssel, der signieren kann</translation>
    </message>
    <message>
        <source>The keyring holds no secret key to sign with.</source>
        <translation>Der Schlüsselbund enthält keinen geheimen Schlüssel zum Signieren.</translation>
    </message>
    <message>
        <source>Signing was cancelled.</source>
        <translation>Das Signieren wurde abgebrochen.</translation>
    </message>
    <message>
        <source>%1 (fingerprint %2)</source>
        <translation>%1 (Fingerabdruck %2)</translation>
    </message>
    <message>
        <source>the key %1</source>
        <translation>Schlüssel %1</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%L1 MiB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%L1 Bytes</translation>
    </message>
    <message>
        <source>The OpenPGP message&apos;s text is too large: it is longer than %1, the most this program takes.  Unable to decrypt this text.</source>
        <translation>Der Text der OpenPGP-Nachricht ist zu groß: Er ist länger als %1, das Höchstmaß, das dieses Programm annimmt.  Dieser Text kann nicht entschlüsselt werden.</translation>
    </message>
    <message>
        <source>No secret key for this message is in the keyring.  It was encrypted to: %1.</source>
        <translation>Kein geheimer Schlüssel für diese Nachricht ist im Schlüsselbund.  Sie wurde verschlüsselt für: %1.</translation>
    </message>
    <message>
        <source>GnuPG could not decrypt the message: %1</source>
        <translation>GnuPG konnte die Nachricht nicht entschlüsseln: %1</translation>
    </message>
    <message>
        <source>GnuPG could not encrypt the text: %1</source>
        <translation>GnuPG konnte den Text nicht verschlüsseln: %1</translation>
    </message>
    <message>
        <source>GnuPG could not sign the text: %1</source>
        <translation>GnuPG konnte den Text nicht signieren: %1</translation>
    </message>
    <message>
        <source>No usable key for the recipient &quot;%1&quot; is in the keyring.</source>
        <translation>Kein verwendbarer Schlüssel für den Empfänger „%1“ ist im Schlüsselbund.</translation>
    </message>
    <message>
        <source>The recipient &quot;%1&quot; names more than one key; give its fingerprint.</source>
        <translation>Der Empfänger „%1“ benennt mehr als einen Schlüssel; geben Sie seinen Fingerabdruck an.</translation>
    </message>
    <message>
        <source>The key %1 cannot be encrypted to.</source>
        <translation>Für den Schlüssel %1 kann nicht verschlüsselt werden.</translation>
    </message>
    <message>
        <source>Enter the passphrase of the key %1 (%2).</source>
        <translation>Geben Sie die Passphrase des Schlüssels %1 (%2) ein.</translation>
    </message>
    <message>
        <source>The key %1 cannot sign: %2.</source>
        <translation>Der Schlüssel %1 kann nicht signieren: %2.</translation>
    </message>
    <message>
        <source>The key %1 cannot sign.</source>
        <translation>Der Schlüssel %1 kann nicht signieren.</translation>
    </message>
    <message>
        <source>Expired signature from %1: it expired on %2 and no longer vouches for the message.</source>
        <translation>Abgelaufene Signatur von %1: Sie ist am %2 abgelaufen und bürgt nicht mehr für die Nachricht.</translation>
    </message>
    <message>
        <source>Signature from %1, whose key has been revoked by its owner: the signature could be forged.</source>
        <translation>Signatur von %1, dessen Schlüssel von seinem Eigentümer widerrufen wurde: Die Signatur könnte gefälscht sein.</translation>
    </message>
    <message>
        <source>Signature by a key named %1, which the keyring&apos;s trust says is not that person&apos;s: the signature is probably forged.</source>
        <translation>Signatur eines Schlüssels namens %1, der laut dem Vertrauen des Schlüsselbunds nicht dieser Person gehört: Die Signatur ist wahrscheinlich gefälscht.</translation>
    </message>
    <message>
        <source>Good signature from %1.  Note: the key has expired.</source>
        <translation>Gute Signatur von %1.  Hinweis: Der Schlüssel ist abgelaufen.</translation>
    </message>
    <message>
        <source>Good signature from %1.</source>
        <translation>Gute Signatur von %1.</translation>
    </message>
    <message>
        <source>Signature by a key named %1: the message is as that key signed it, but %2, so the key may not belong to the person its user ID names.</source>
        <translation>Signatur eines Schlüssels namens %1: Die Nachricht ist so, wie dieser Schlüssel sie signiert hat, aber %2, daher gehört der Schlüssel vielleicht nicht der Person, die seine Benutzer-ID nennt.</translation>
    </message>
    <message>
        <source>BAD signature: the message was signed by %1 but changed after signing.</source>
        <translation>UNGÜLTIGE Signatur: Die Nachricht wurde von %1 signiert, aber nach dem Signieren verändert.</translation>
    </message>
    <message>
        <source>Signed by a key that is not in the keyring (%1).</source>
        <translation>Signiert von einem Schlüssel, der nicht im Schlüsselbund ist (%1).</translation>
    </message>
    <message>
        <source>A signature by %1 could not be checked: %2.</source>
        <translation>Eine Signatur von %1 konnte nicht geprüft werden: %2.</translation>
    </message>
</context>
<context>
    <name>platform::HelpViewer</name>
    <message>
        <source>Shroud-a-Pad Help</source>
        <translation>Shroud-a-Pad-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Stichwort eingeben</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>I&amp;nhalt</translation>
    </message>
    <message>
        <source>The topic %1 is not in this help file.</source>
        <translation>Das Thema %1 ist nicht in dieser Hilfedatei.</translation>
    </message>
</context>
</TS>
