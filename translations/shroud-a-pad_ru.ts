<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Armoured text for mail and paste</source>
        <translation>Шифрованный текст для почты и вставки</translation>
    </message>
    <message>
        <source>Method 02: strong, with a phrase,</source>
        <extracomment>The first of two lines of one sentence; the second names the command that offers the method.</extracomment>
        <translation>Method 02: стойкий, с фразой,</translation>
    </message>
    <message>
        <source>in Encrypt With Specific Method.</source>
        <extracomment>The second line of the sentence &quot;Method 02: strong, with a phrase,&quot;.</extracomment>
        <translation>в «Зашифровать выбранным методом».</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Version Platform:</source>
        <translation>Платформа версии:</translation>
    </message>
    <message>
        <source>32-bit</source>
        <translation>32-разрядная</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>эл. почта: %1</translation>
    </message>
    <message>
        <source>world-wide-web: %1</source>
        <translation>веб-сайт: %1</translation>
    </message>
</context>
<context>
    <name>DialogParts</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>DisplayDialogs</name>
    <message>
        <source>Size must be between %1 and %2 points.</source>
        <translation>Размер должен быть от %L1 до %L2 пт.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Out of memory</source>
        <translation>Недостаточно памяти</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Не удаётся создать файл %1</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Ошибка записи в поток</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Не удаётся записать в %1</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Не удаётся открыть файл %1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Text</source>
        <extracomment>The type of plain text files, shown before its pattern &quot;(*.txt)&quot;.</extracomment>
        <translation>Текст</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Сохранить файл</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Папка не найдена.
Проверьте правильность имени папки.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Cannot find the help file%1.</source>
        <extracomment>%1 is the help file&apos;s name after a blank, or nothing.</extracomment>
        <translation>Не удаётся найти файл справки%1.</translation>
    </message>
    <message>
        <source>Cannot read the help file%1.</source>
        <extracomment>%1 is the help file&apos;s name after a blank, or nothing.</extracomment>
        <translation>Не удаётся прочитать файл справки%1.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Action</source>
        <translation>&amp;Действие</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>Пара&amp;метры</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>&amp;Кодировка</translation>
    </message>
    <message>
        <source>&amp;Line Breaks</source>
        <translation>Концы &amp;строк</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>&amp;Open File...</source>
        <translation>&amp;Открыть файл...</translation>
    </message>
    <message>
        <source>&amp;Save File As...</source>
        <translation>Сохранить файл &amp;как...</translation>
    </message>
    <message>
        <source>&amp;Encrypt</source>
        <translation>&amp;Зашифровать</translation>
    </message>
    <message>
        <source>Encrypt With Specific &amp;Method...</source>
        <translation>Зашифровать выбранным &amp;методом...</translation>
    </message>
    <message>
        <source>Clear-Si&amp;gn</source>
        <translation>&amp;Подписать открытым текстом</translation>
    </message>
    <message>
        <source>&amp;Decrypt</source>
        <translation>&amp;Расшифровать</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Вырезать</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Вст&amp;авить</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Se&amp;lect All</source>
        <translation>Выделить в&amp;сё</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Шрифт...</translation>
    </message>
    <message>
        <source>&amp;Text Color...</source>
        <translation>Цвет &amp;текста...</translation>
    </message>
    <message>
        <source>&amp;Background Color...</source>
        <translation>Цвет &amp;фона...</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>Перенос по словам</translation>
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
        <translation>UTF-8 с &amp;меткой порядка байтов</translation>
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
        <translation>&amp;Содержание</translation>
    </message>
    <message>
        <source>&amp;Search for Help On...</source>
        <translation>&amp;Поиск в справке...</translation>
    </message>
    <message>
        <source>&amp;How to Use Help</source>
        <translation>&amp;Как пользоваться справкой</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить всё</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Зашифровать</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Расшифровать</translation>
    </message>
    <message>
        <source>Text editor</source>
        <translation>Текстовый редактор</translation>
    </message>
    <message>
        <source>Clear text for new document?</source>
        <translation>Очистить текст для нового документа?</translation>
    </message>
    <message>
        <source>No action can be undone at this time.</source>
        <translation>Сейчас нечего отменять.</translation>
    </message>
    <message>
        <source>You must select some text to cut to the clipboard.</source>
        <translation>Выделите текст, который нужно вырезать в буфер обмена.</translation>
    </message>
    <message>
        <source>You must select some text to copy to the clipboard.</source>
        <translation>Выделите текст, который нужно скопировать в буфер обмена.</translation>
    </message>
    <message>
        <source>The clipboard contains no text that can be pasted.</source>
        <translation>В буфере обмена нет текста, который можно вставить.</translation>
    </message>
    <message>
        <source>You must select some text to delete.</source>
        <translation>Выделите текст, который нужно удалить.</translation>
    </message>
    <message>
        <source>Text exceeds memo capacity</source>
        <translation>Текст не помещается в поле редактора</translation>
    </message>
    <message>
        <source>The text ends at a zero byte in the file.  The 1 byte after it was not loaded.</source>
        <translation>Текст заканчивается на нулевом байте файла.  Следующий за ним 1 байт не загружен.</translation>
    </message>
    <message numerus="yes">
        <source>The text ends at a zero byte in the file.  The %n bytes after it were not loaded.</source>
        <translation>
            <numerusform>Текст заканчивается на нулевом байте файла.  Следующий за ним %Ln байт не загружен.</numerusform>
            <numerusform>Текст заканчивается на нулевом байте файла.  Следующие за ним %Ln байта не загружены.</numerusform>
            <numerusform>Текст заканчивается на нулевом байте файла.  Следующие за ним %Ln байт не загружены.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace existing text with the contents of the selected file?</source>
        <translation>Заменить текущий текст содержимым выбранного файла?</translation>
    </message>
    <message>
        <source>There is no text that can be saved.</source>
        <translation>Нет текста для сохранения.</translation>
    </message>
    <message>
        <source>The text holds &quot;%1&quot; (%2), which Windows-1252 cannot hold.</source>
        <translation>Текст содержит «%1» (%2), а в Windows-1252 такого символа нет.</translation>
    </message>
    <message>
        <source>The following file does not exist.</source>
        <translation>Следующий файл не существует.</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Повторить</translation>
    </message>
</context>
<context>
    <name>MethodDialog</name>
    <message>
        <source>Encoding Method</source>
        <translation>Метод шифрования</translation>
    </message>
    <message>
        <source>You must choose an encoding method.</source>
        <translation>Выберите метод шифрования.</translation>
    </message>
</context>
<context>
    <name>OpenPgpModule</name>
    <message>
        <source>GnuPG cannot be reached: the program&apos;s OpenPGP module could not be loaded (%1).</source>
        <translation>GnuPG недоступен: не удалось загрузить модуль OpenPGP программы (%1).</translation>
    </message>
</context>
<context>
    <name>PassphraseDialog</name>
    <message>
        <source>Password Protection</source>
        <translation>Защита паролем</translation>
    </message>
    <message>
        <source>This phrase can hold only the characters of Windows-1252 (Western European letters, digits and signs).  The character typed was left out.</source>
        <translation>Фраза может содержать только символы Windows-1252 (западноевропейские буквы, цифры и знаки).  Введённый символ пропущен.</translation>
    </message>
</context>
<context>
    <name>RecipientsDialog</name>
    <message>
        <source>Validity: ultimate</source>
        <translation>Достоверность: абсолютная</translation>
    </message>
    <message>
        <source>Validity: full</source>
        <translation>Достоверность: полная</translation>
    </message>
    <message>
        <source>Validity: marginal (the name is not proven)</source>
        <translation>Достоверность: частичная (имя не подтверждено)</translation>
    </message>
    <message>
        <source>Validity: never (the keyring&apos;s trust denies the name)</source>
        <translation>Достоверность: отвергнута (доверие связки ключей отрицает это имя)</translation>
    </message>
    <message>
        <source>Validity: undefined (the name is not proven)</source>
        <translation>Достоверность: не определена (имя не подтверждено)</translation>
    </message>
    <message>
        <source>Validity: unknown (the name is not proven)</source>
        <translation>Достоверность: неизвестна (имя не подтверждено)</translation>
    </message>
    <message>
        <source>OpenPGP Recipients</source>
        <translation>Получатели OpenPGP</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Фильтр:</translation>
    </message>
    <message>
        <source>Name, e-mail address or fingerprint</source>
        <translation>Имя, адрес эл. почты или отпечаток</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Shows only the keys that match</source>
        <translation>Показывает только подходящие ключи</translation>
    </message>
    <message>
        <source>&amp;Keys to encrypt to:</source>
        <translation>&amp;Ключи для шифрования:</translation>
    </message>
    <message>
        <source>Keys to encrypt to</source>
        <translation>Ключи для шифрования</translation>
    </message>
    <message>
        <source>Space checks or clears the key</source>
        <translation>Пробел отмечает ключ или снимает отметку</translation>
    </message>
    <message>
        <source>Also to my own key</source>
        <translation>Также для моего ключа</translation>
    </message>
    <message>
        <source>%1, fingerprint %2</source>
        <translation>%1, отпечаток %2</translation>
    </message>
    <message>
        <source>Sign with my own key</source>
        <translation>Подписать моим ключом</translation>
    </message>
    <message>
        <source>The keyring holds no key that can encrypt.  The text will be protected by a phrase.</source>
        <translation>В связке ключей нет ключа для шифрования.  Текст будет защищён фразой.</translation>
    </message>
    <message>
        <source>No key chosen: the text will be protected by a phrase.</source>
        <translation>Ключ не выбран: текст будет защищён фразой.</translation>
    </message>
    <message>
        <source>1 key chosen.</source>
        <translation>Выбран 1 ключ.</translation>
    </message>
    <message numerus="yes">
        <source>%n keys chosen.</source>
        <extracomment>Two keys or more; one key has a text of its own.</extracomment>
        <translation>
            <numerusform>Выбран %n ключ.</numerusform>
            <numerusform>Выбрано %n ключа.</numerusform>
            <numerusform>Выбрано %n ключей.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>1 byte</source>
        <translation>1 байт</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%Ln байт</numerusform>
            <numerusform>%Ln байта</numerusform>
            <numerusform>%Ln байт</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 selected</source>
        <translation>%1, выделено %2</translation>
    </message>
    <message>
        <source>Encrypted Text</source>
        <translation>Зашифрованный текст</translation>
    </message>
    <message>
        <source>Normal Text</source>
        <translation>Обычный текст</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Requires version 1.0 or higher to decrypt.</source>
        <translation>Для расшифровки нужна версия 1.0 или выше.</translation>
    </message>
    <message>
        <source>Requires version 1.1 or higher to decrypt.</source>
        <translation>Для расшифровки нужна версия 1.1 или выше.</translation>
    </message>
    <message>
        <source>There is no text to encrypt.</source>
        <translation>Нет текста для шифрования.</translation>
    </message>
    <message>
        <source>There is no text to sign.</source>
        <translation>Нет текста для подписи.</translation>
    </message>
    <message>
        <source>The amount of text to encrypt cannot exceed %1 bytes.</source>
        <translation>Объём текста для шифрования не может превышать %L1 байт.</translation>
    </message>
    <message>
        <source>This text is already encrypted.  Are you sure you want to encrypt it again?</source>
        <translation>Этот текст уже зашифрован.  Зашифровать его ещё раз?</translation>
    </message>
    <message>
        <source>The phrases entered do not match.</source>
        <translation>Введённые фразы не совпадают.</translation>
    </message>
    <message>
        <source>Enter a phrase to password-protect (if desired):</source>
        <translation>Введите фразу для защиты паролем (по желанию):</translation>
    </message>
    <message>
        <source>Re-enter phrase to confirm:</source>
        <translation>Повторите фразу для подтверждения:</translation>
    </message>
    <message>
        <source>There is no text to decrypt.</source>
        <translation>Нет текста для расшифровки.</translation>
    </message>
    <message>
        <source>The header and footer lines are not present.  This text does not appear to be encrypted.</source>
        <translation>Нет строк заголовка и окончания.  Похоже, этот текст не зашифрован.</translation>
    </message>
    <message>
        <source>The encrypted text has been changed, and its changes cannot be undone.  Unable to decrypt this text.</source>
        <translation>Зашифрованный текст был изменён, и изменения нельзя отменить.  Не удаётся расшифровать этот текст.</translation>
    </message>
    <message>
        <source>The header line is not valid.  Unable to decrypt this text.</source>
        <translation>Недопустимая строка заголовка.  Не удаётся расшифровать этот текст.</translation>
    </message>
    <message>
        <source>This text is password-protected.  Enter phrase:</source>
        <translation>Этот текст защищён паролем.  Введите фразу:</translation>
    </message>
    <message>
        <source>The phrase given does not match the phrase used to password-protect the text.</source>
        <translation>Введённая фраза не совпадает с фразой, которой защищён текст.</translation>
    </message>
    <message>
        <source>The encrypted text has terminated unexpectedly.  The decrypted text is incomplete and possibly contains errors.</source>
        <translation>Зашифрованный текст неожиданно оборвался.  Расшифрованный текст неполон и, возможно, содержит ошибки.</translation>
    </message>
    <message>
        <source>CRC information was not present in the encrypted text.  Unable to verify that the encrypted text was error-free.</source>
        <translation>В зашифрованном тексте нет данных CRC.  Не удаётся проверить, что в нём нет ошибок.</translation>
    </message>
    <message>
        <source>CRC error.  Errors were present in the encrypted text.</source>
        <translation>Ошибка CRC.  Зашифрованный текст содержит ошибки.</translation>
    </message>
    <message>
        <source>The encrypted text is damaged.  Unable to decrypt this text.</source>
        <translation>Зашифрованный текст повреждён.  Не удаётся расшифровать этот текст.</translation>
    </message>
    <message>
        <source>The encrypted text is too long for its checksum.  Unable to decrypt this text.</source>
        <translation>Зашифрованный текст слишком длинный для своей контрольной суммы.  Не удаётся расшифровать этот текст.</translation>
    </message>
    <message>
        <source>Cannot handle the encryption method used to encrypt this text.  Try using Shroud-a-Pad %1.</source>
        <translation>Метод, которым зашифрован этот текст, не поддерживается.  Попробуйте Shroud-a-Pad %1.</translation>
    </message>
    <message>
        <source>Enter a phrase to password-protect (1 to %1 characters):</source>
        <translation>Введите фразу для защиты паролем (от 1 до %L1 символов):</translation>
    </message>
    <message>
        <source>Method 02 needs a phrase.  Enter a phrase of 1 to %1 characters.</source>
        <translation>Для Method 02 нужна фраза.  Введите фразу длиной от 1 до %L1 символов.</translation>
    </message>
    <message>
        <source>Strong protection.  Requires version 2.00 or higher to decrypt.</source>
        <translation>Стойкая защита.  Для расшифровки нужна версия 2.00 или выше.</translation>
    </message>
    <message>
        <source>The OpenPGP message is damaged or was changed: its checksum or integrity check failed.</source>
        <translation>Сообщение OpenPGP повреждено или изменено: проверка контрольной суммы или целостности не пройдена.</translation>
    </message>
    <message>
        <source>The OpenPGP message has no integrity check, so a change made to it on the way could not be noticed: it is not read.</source>
        <translation>У сообщения OpenPGP нет проверки целостности, и изменение по пути осталось бы незамеченным: оно не прочитано.</translation>
    </message>
    <message>
        <source>a hidden recipient</source>
        <translation>скрытый получатель</translation>
    </message>
    <message>
        <source>Decryption was cancelled.</source>
        <translation>Расшифровка отменена.</translation>
    </message>
    <message>
        <source>The passphrase is not correct.</source>
        <translation>Неверная парольная фраза.</translation>
    </message>
    <message>
        <source>GnuPG cannot be used on this computer.</source>
        <translation>GnuPG нельзя использовать на этом компьютере.</translation>
    </message>
    <message>
        <source>No recipient was given.</source>
        <translation>Не указан получатель.</translation>
    </message>
    <message>
        <source>Enter the phrase of the message.</source>
        <translation>Введите фразу сообщения.</translation>
    </message>
    <message>
        <source>Enter a phrase to protect the OpenPGP message:</source>
        <translation>Введите фразу для защиты сообщения OpenPGP:</translation>
    </message>
    <message>
        <source>An OpenPGP message protected by a phrase needs a phrase.  Enter a phrase.</source>
        <translation>Для сообщения OpenPGP, защищённого фразой, нужна фраза.  Введите фразу.</translation>
    </message>
    <message>
        <source>OpenPGP was not added to the methods.</source>
        <translation>OpenPGP не добавлен в список методов.</translation>
    </message>
    <message>
        <source>For people who use OpenPGP: to their keys or a phrase.</source>
        <translation>Для пользователей OpenPGP: шифрование их ключами или фразой.</translation>
    </message>
    <message>
        <source>The OpenPGP message is cut short: its end line &quot;-----END PGP MESSAGE-----&quot; is missing.  Unable to decrypt this text.</source>
        <translation>Сообщение OpenPGP оборвано: нет его последней строки «-----END PGP MESSAGE-----».  Не удаётся расшифровать этот текст.</translation>
    </message>
    <message>
        <source>The OpenPGP signed text is cut short: its signature&apos;s end line &quot;-----END PGP SIGNATURE-----&quot; is missing.  Unable to check this text.</source>
        <translation>Подписанный текст OpenPGP оборван: нет последней строки подписи «-----END PGP SIGNATURE-----».  Не удаётся проверить этот текст.</translation>
    </message>
    <message>
        <source>This text is an OpenPGP signature of another file (a detached signature), not an encrypted message.</source>
        <translation>Этот текст — подпись OpenPGP другого файла (отделённая подпись), а не зашифрованное сообщение.</translation>
    </message>
    <message>
        <source>This text is an OpenPGP public key, not an encrypted message.</source>
        <translation>Этот текст — открытый ключ OpenPGP, а не зашифрованное сообщение.</translation>
    </message>
    <message>
        <source>This text is an OpenPGP secret key, not an encrypted message.</source>
        <translation>Этот текст — секретный ключ OpenPGP, а не зашифрованное сообщение.</translation>
    </message>
    <message>
        <source>This is an encrypted OpenPGP message in binary form (a .gpg file), not text.  Ask for it as armoured text (as &quot;gpg --armor&quot; writes it) to decrypt it.</source>
        <translation>Это зашифрованное сообщение OpenPGP в двоичном виде (файл .gpg), а не текст.  Чтобы расшифровать его, попросите прислать его текстом в ASCII-броне (как пишет «gpg --armor»).</translation>
    </message>
    <message>
        <source>This is an OpenPGP message in binary form (a .gpg file), signed or compressed but not encrypted.</source>
        <translation>Это сообщение OpenPGP в двоичном виде (файл .gpg), подписанное или сжатое, но не зашифрованное.</translation>
    </message>
    <message>
        <source>This is an OpenPGP signature in binary form (a .sig or .gpg file), not an encrypted message.</source>
        <translation>Это подпись OpenPGP в двоичном виде (файл .sig или .gpg), а не зашифрованное сообщение.</translation>
    </message>
    <message>
        <source>This is an OpenPGP public key in binary form (a .gpg file), not an encrypted message.</source>
        <translation>Это открытый ключ OpenPGP в двоичном виде (файл .gpg), а не зашифрованное сообщение.</translation>
    </message>
    <message>
        <source>This is an OpenPGP secret key in binary form (a .gpg file), not an encrypted message.</source>
        <translation>Это секретный ключ OpenPGP в двоичном виде (файл .gpg), а не зашифрованное сообщение.</translation>
    </message>
    <message>
        <source>the key is only marginally certified by keys you trust</source>
        <translation>ключ лишь частично заверен ключами, которым вы доверяете</translation>
    </message>
    <message>
        <source>the key is not certified by a key you trust</source>
        <translation>ключ не заверен ни одним ключом, которому вы доверяете</translation>
    </message>
    <message>
        <source>The OpenPGP signed text is damaged: GnuPG could not read its signature.</source>
        <translation>Подписанный текст OpenPGP повреждён: GnuPG не смог прочитать его подпись.</translation>
    </message>
    <message>
        <source>The signed text is left as it stands.</source>
        <translation>Подписанный текст оставлен как есть.</translation>
    </message>
    <message>
        <source>The OpenPGP signed text is longer than the most this program takes.</source>
        <translation>Подписанный текст OpenPGP длиннее, чем допускает эта программа.</translation>
    </message>
    <message>
        <source>it has been revoked by its owner</source>
        <translation>он отозван владельцем</translation>
    </message>
    <message>
        <source>it has expired</source>
        <translation>срок его действия истёк</translation>
    </message>
    <message>
        <source>it has no subkey that can sign</source>
        <translation>у него нет подключа для подписи</translation>
    </message>
    <message>
        <source>The keyring holds no secret key to sign with.</source>
        <translation>В связке ключей нет секретного ключа для подписи.</translation>
    </message>
    <message>
        <source>Signing was cancelled.</source>
        <translation>Подписание отменено.</translation>
    </message>
    <message>
        <source>%1 (fingerprint %2)</source>
        <translation>%1 (отпечаток %2)</translation>
    </message>
    <message>
        <source>the key %1</source>
        <translation>ключ %1</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%L1 MiB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%L1 байт</translation>
    </message>
    <message>
        <source>The OpenPGP message&apos;s text is too large: it is longer than %1, the most this program takes.  Unable to decrypt this text.</source>
        <translation>Текст сообщения OpenPGP слишком велик: он превышает предел этой программы в %1.  Не удаётся расшифровать этот текст.</translation>
    </message>
    <message>
        <source>No secret key for this message is in the keyring.  It was encrypted to: %1.</source>
        <translation>В связке ключей нет секретного ключа для этого сообщения.  Оно зашифровано для: %1.</translation>
    </message>
    <message>
        <source>GnuPG could not decrypt the message: %1</source>
        <translation>GnuPG не смог расшифровать сообщение: %1</translation>
    </message>
    <message>
        <source>GnuPG could not encrypt the text: %1</source>
        <translation>GnuPG не смог зашифровать текст: %1</translation>
    </message>
    <message>
        <source>GnuPG could not sign the text: %1</source>
        <translation>GnuPG не смог подписать текст: %1</translation>
    </message>
    <message>
        <source>No usable key for the recipient &quot;%1&quot; is in the keyring.</source>
        <translation>В связке ключей нет пригодного ключа для получателя «%1».</translation>
    </message>
    <message>
        <source>The recipient &quot;%1&quot; names more than one key; give its fingerprint.</source>
        <translation>Получателю «%1» соответствует несколько ключей; укажите отпечаток.</translation>
    </message>
    <message>
        <source>The key %1 cannot be encrypted to.</source>
        <translation>Ключ %1 непригоден для шифрования.</translation>
    </message>
    <message>
        <source>Enter the passphrase of the key %1 (%2).</source>
        <translation>Введите парольную фразу ключа %1 (%2).</translation>
    </message>
    <message>
        <source>The key %1 cannot sign: %2.</source>
        <translation>Ключ %1 не может подписывать: %2.</translation>
    </message>
    <message>
        <source>The key %1 cannot sign.</source>
        <translation>Ключ %1 не может подписывать.</translation>
    </message>
    <message>
        <source>Expired signature from %1: it expired on %2 and no longer vouches for the message.</source>
        <translation>Истёкшая подпись — %1: срок её действия истёк %2, и она больше не ручается за сообщение.</translation>
    </message>
    <message>
        <source>Signature from %1, whose key has been revoked by its owner: the signature could be forged.</source>
        <translation>Подпись — %1, но ключ отозван владельцем: подпись может быть подделана.</translation>
    </message>
    <message>
        <source>Signature by a key named %1, which the keyring&apos;s trust says is not that person&apos;s: the signature is probably forged.</source>
        <translation>Подпись ключом с именем %1, который, по доверию связки ключей, не принадлежит этому человеку: подпись, вероятно, подделана.</translation>
    </message>
    <message>
        <source>Good signature from %1.  Note: the key has expired.</source>
        <translation>Верная подпись — %1.  Примечание: срок действия ключа истёк.</translation>
    </message>
    <message>
        <source>Good signature from %1.</source>
        <translation>Верная подпись — %1.</translation>
    </message>
    <message>
        <source>Signature by a key named %1: the message is as that key signed it, but %2, so the key may not belong to the person its user ID names.</source>
        <translation>Подпись ключом с именем %1: сообщение не изменено после подписи этим ключом, но %2, поэтому ключ может не принадлежать человеку, названному в его идентификаторе пользователя.</translation>
    </message>
    <message>
        <source>BAD signature: the message was signed by %1 but changed after signing.</source>
        <translation>НЕВЕРНАЯ подпись — %1: сообщение было изменено после подписания.</translation>
    </message>
    <message>
        <source>Signed by a key that is not in the keyring (%1).</source>
        <translation>Подписано ключом, которого нет в связке ключей (%1).</translation>
    </message>
    <message>
        <source>A signature by %1 could not be checked: %2.</source>
        <translation>Не удалось проверить подпись — %1: %2.</translation>
    </message>
</context>
<context>
    <name>platform::HelpViewer</name>
    <message>
        <source>Shroud-a-Pad Help</source>
        <translation>Справка Shroud-a-Pad</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Содержание</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Указатель</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Введите ключевое слово</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Навигация</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Вперёд</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>Со&amp;держание</translation>
    </message>
    <message>
        <source>The topic %1 is not in this help file.</source>
        <translation>Раздела %1 нет в этом файле справки.</translation>
    </message>
</context>
</TS>
