<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Armoured text for mail and paste</source>
        <translation>Texto blindado para e-mail e para colar</translation>
    </message>
    <message>
        <source>Method 02: strong, with a phrase,</source>
        <extracomment>The first of two lines of one sentence; the second names the command that offers the method.</extracomment>
        <translation>Method 02: forte, com uma frase,</translation>
    </message>
    <message>
        <source>in Encrypt With Specific Method.</source>
        <extracomment>The second line of the sentence &quot;Method 02: strong, with a phrase,&quot;.</extracomment>
        <translation>em Criptografar com método específico.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version Platform:</source>
        <translation>Plataforma da versão:</translation>
    </message>
    <message>
        <source>32-bit</source>
        <translation>32 bits</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>e-mail: %1</translation>
    </message>
    <message>
        <source>world-wide-web: %1</source>
        <translation>world-wide-web: %1</translation>
    </message>
</context>
<context>
    <name>DialogParts</name>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>O tamanho deve estar entre %L1 e %L2 pontos.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Não é possível criar o arquivo %1</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Erro de gravação no fluxo</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Não foi possível gravar em %1</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Não é possível abrir o arquivo %1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Text</source>
        <extracomment>The type of plain text files, shown before its pattern &quot;(*.txt)&quot;.</extracomment>
        <translation>Texto</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir arquivo</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salvar arquivo</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Pasta não encontrada.
Verifique se o nome correto da pasta foi informado.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Cannot find the help file%1.</source>
        <extracomment>%1 is the help file&apos;s name after a blank, or nothing.</extracomment>
        <translation>Não foi possível encontrar o arquivo de ajuda%1.</translation>
    </message>
    <message>
        <source>Cannot read the help file%1.</source>
        <extracomment>%1 is the help file&apos;s name after a blank, or nothing.</extracomment>
        <translation>Não foi possível ler o arquivo de ajuda%1.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Action</source>
        <translation>&amp;Ação</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>&amp;Codificação</translation>
    </message>
    <message>
        <source>&amp;Line Breaks</source>
        <translation>Fi&amp;m de linha</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Open File...</source>
        <translation>&amp;Abrir arquivo...</translation>
    </message>
    <message>
        <source>&amp;Save File As...</source>
        <translation>&amp;Salvar arquivo como...</translation>
    </message>
    <message>
        <source>&amp;Encrypt</source>
        <translation>&amp;Criptografar</translation>
    </message>
    <message>
        <source>Encrypt With Specific &amp;Method...</source>
        <translation>Criptografar com &amp;método específico...</translation>
    </message>
    <message>
        <source>Clear-Si&amp;gn</source>
        <translation>Ass&amp;inar em texto claro</translation>
    </message>
    <message>
        <source>&amp;Decrypt</source>
        <translation>&amp;Descriptografar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>Se&amp;lect All</source>
        <translation>&amp;Selecionar tudo</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Fonte...</translation>
    </message>
    <message>
        <source>&amp;Text Color...</source>
        <translation>Cor do &amp;texto...</translation>
    </message>
    <message>
        <source>&amp;Background Color...</source>
        <translation>Cor de fun&amp;do...</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>Quebra automática de linha</translation>
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
        <translation>UTF-8 com &amp;marca de ordem de bytes</translation>
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
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;Search for Help On...</source>
        <translation>&amp;Procurar ajuda sobre...</translation>
    </message>
    <message>
        <source>&amp;How to Use Help</source>
        <translation>Como &amp;usar a Ajuda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Criptografar</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Descriptografar</translation>
    </message>
    <message>
        <source>Text editor</source>
        <translation>Editor de texto</translation>
    </message>
    <message>
        <source>Clear text for new document?</source>
        <translation>Apagar o texto para um novo documento?</translation>
    </message>
    <message>
        <source>No action can be undone at this time.</source>
        <translation>Nenhuma ação pode ser desfeita no momento.</translation>
    </message>
    <message>
        <source>You must select some text to cut to the clipboard.</source>
        <translation>Selecione algum texto para recortar para a área de transferência.</translation>
    </message>
    <message>
        <source>You must select some text to copy to the clipboard.</source>
        <translation>Selecione algum texto para copiar para a área de transferência.</translation>
    </message>
    <message>
        <source>The clipboard contains no text that can be pasted.</source>
        <translation>A área de transferência não contém texto que possa ser colado.</translation>
    </message>
    <message>
        <source>You must select some text to delete.</source>
        <translation>Selecione algum texto para excluir.</translation>
    </message>
    <message>
        <source>Text exceeds memo capacity</source>
        <translation>O texto excede a capacidade do editor</translation>
    </message>
    <message>
        <source>The text ends at a zero byte in the file.  The 1 byte after it was not loaded.</source>
        <translation>O texto termina em um byte zero no arquivo.  O 1 byte depois dele não foi carregado.</translation>
    </message>
    <message numerus="yes">
        <source>The text ends at a zero byte in the file.  The %n bytes after it were not loaded.</source>
        <translation>
            <numerusform>O texto termina em um byte zero no arquivo.  O %Ln byte depois dele não foi carregado.</numerusform>
            <numerusform>O texto termina em um byte zero no arquivo.  Os %Ln bytes depois dele não foram carregados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace existing text with the contents of the selected file?</source>
        <translation>Substituir o texto atual pelo conteúdo do arquivo selecionado?</translation>
    </message>
    <message>
        <source>There is no text that can be saved.</source>
        <translation>Não há texto que possa ser salvo.</translation>
    </message>
    <message>
        <source>The text holds &quot;%1&quot; (%2), which Windows-1252 cannot hold.</source>
        <translation>O texto contém “%1” (%2), que o Windows-1252 não consegue representar.</translation>
    </message>
    <message>
        <source>The following file does not exist.</source>
        <translation>O arquivo a seguir não existe.</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Tentar novamente</translation>
    </message>
</context>
<context>
    <name>MethodDialog</name>
    <message>
        <source>Encoding Method</source>
        <translation>Método de codificação</translation>
    </message>
    <message>
        <source>You must choose an encoding method.</source>
        <translation>Escolha um método de codificação.</translation>
    </message>
</context>
<context>
    <name>OpenPgpModule</name>
    <message>
        <source>GnuPG cannot be reached: the program&apos;s OpenPGP module could not be loaded (%1).</source>
        <translation>O GnuPG não está acessível: não foi possível carregar o módulo OpenPGP do programa (%1).</translation>
    </message>
</context>
<context>
    <name>PassphraseDialog</name>
    <message>
        <source>Password Protection</source>
        <translation>Proteção por senha</translation>
    </message>
    <message>
        <source>This phrase can hold only the characters of Windows-1252 (Western European letters, digits and signs).  The character typed was left out.</source>
        <translation>Esta frase só pode conter os caracteres do Windows-1252 (letras, dígitos e sinais da Europa Ocidental).  O caractere digitado foi descartado.</translation>
    </message>
</context>
<context>
    <name>RecipientsDialog</name>
    <message>
        <source>Validity: ultimate</source>
        <translation>Validade: definitiva</translation>
    </message>
    <message>
        <source>Validity: full</source>
        <translation>Validade: completa</translation>
    </message>
    <message>
        <source>Validity: marginal (the name is not proven)</source>
        <translation>Validade: marginal (o nome não está comprovado)</translation>
    </message>
    <message>
        <source>Validity: never (the keyring&apos;s trust denies the name)</source>
        <translation>Validade: nunca (a confiança do chaveiro nega o nome)</translation>
    </message>
    <message>
        <source>Validity: undefined (the name is not proven)</source>
        <translation>Validade: indefinida (o nome não está comprovado)</translation>
    </message>
    <message>
        <source>Validity: unknown (the name is not proven)</source>
        <translation>Validade: desconhecida (o nome não está comprovado)</translation>
    </message>
    <message>
        <source>OpenPGP Recipients</source>
        <translation>Destinatários OpenPGP</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtrar:</translation>
    </message>
    <message>
        <source>Name, e-mail address or fingerprint</source>
        <translation>Nome, endereço de e-mail ou impressão digital</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Shows only the keys that match</source>
        <translation>Mostra apenas as chaves correspondentes</translation>
    </message>
    <message>
        <source>&amp;Keys to encrypt to:</source>
        <translation>&amp;Chaves para criptografar:</translation>
    </message>
    <message>
        <source>Keys to encrypt to</source>
        <translation>Chaves para criptografar</translation>
    </message>
    <message>
        <source>Space checks or clears the key</source>
        <translation>Espaço marca ou desmarca a chave</translation>
    </message>
    <message>
        <source>Also to my own key</source>
        <translation>Também para minha própria chave</translation>
    </message>
    <message>
        <source>%1, fingerprint %2</source>
        <translation>%1, impressão digital %2</translation>
    </message>
    <message>
        <source>Sign with my own key</source>
        <translation>Assinar com minha própria chave</translation>
    </message>
    <message>
        <source>The keyring holds no key that can encrypt.  The text will be protected by a phrase.</source>
        <translation>O chaveiro não tem nenhuma chave que possa criptografar.  O texto será protegido por uma frase.</translation>
    </message>
    <message>
        <source>No key chosen: the text will be protected by a phrase.</source>
        <translation>Nenhuma chave escolhida: o texto será protegido por uma frase.</translation>
    </message>
    <message>
        <source>1 key chosen.</source>
        <translation>1 chave escolhida.</translation>
    </message>
    <message numerus="yes">
        <source>%n keys chosen.</source>
        <extracomment>Two keys or more; one key has a text of its own.</extracomment>
        <translation>
            <numerusform>%Ln chave escolhida.</numerusform>
            <numerusform>%Ln chaves escolhidas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>1 byte</source>
        <translation>1 byte</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%Ln byte</numerusform>
            <numerusform>%Ln bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 selected</source>
        <translation>%1, seleção: %2</translation>
    </message>
    <message>
        <source>Encrypted Text</source>
        <translation>Texto criptografado</translation>
    </message>
    <message>
        <source>Normal Text</source>
        <translation>Texto normal</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Requires version 1.0 or higher to decrypt.</source>
        <translation>Requer a versão 1.0 ou superior para descriptografar.</translation>
    </message>
    <message>
        <source>Requires version 1.1 or higher to decrypt.</source>
        <translation>Requer a versão 1.1 ou superior para descriptografar.</translation>
    </message>
    <message>
        <source>There is no text to encrypt.</source>
        <translation>Não há texto para criptografar.</translation>
    </message>
    <message>
        <source>There is no text to sign.</source>
        <translation>Não há texto para assinar.</translation>
    </message>
    <message>
        <source>The amount of text to encrypt cannot exceed %1 bytes.</source>
        <translation>O texto a criptografar não pode passar de %L1 bytes.</translation>
    </message>
    <message>
        <source>This text is already encrypted.  Are you sure you want to encrypt it again?</source>
        <translation>Este texto já está criptografado.  Tem certeza de que deseja criptografá-lo novamente?</translation>
    </message>
    <message>
        <source>The phrases entered do not match.</source>
        <translation>As frases digitadas não coincidem.</translation>
    </message>
    <message>
        <source>Enter a phrase to password-protect (if desired):</source>
        <translation>Digite uma frase para proteger com senha (se desejar):</translation>
    </message>
    <message>
        <source>Re-enter phrase to confirm:</source>
        <translation>Digite a frase novamente para confirmar:</translation>
    </message>
    <message>
        <source>There is no text to decrypt.</source>
        <translation>Não há texto para descriptografar.</translation>
    </message>
    <message>
        <source>The header and footer lines are not present.  This text does not appear to be encrypted.</source>
        <translation>As linhas de cabeçalho e de rodapé não estão presentes.  Este texto não parece estar criptografado.</translation>
    </message>
    <message>
        <source>The encrypted text has been changed, and its changes cannot be undone.  Unable to decrypt this text.</source>
        <translation>O texto criptografado foi alterado, e as alterações não podem ser desfeitas.  Não é possível descriptografar este texto.</translation>
    </message>
    <message>
        <source>The header line is not valid.  Unable to decrypt this text.</source>
        <translation>A linha de cabeçalho não é válida.  Não é possível descriptografar este texto.</translation>
    </message>
    <message>
        <source>This text is password-protected.  Enter phrase:</source>
        <translation>Este texto está protegido por senha.  Digite a frase:</translation>
    </message>
    <message>
        <source>The phrase given does not match the phrase used to password-protect the text.</source>
        <translation>A frase informada não coincide com a frase usada para proteger o texto com senha.</translation>
    </message>
    <message>
        <source>The encrypted text has terminated unexpectedly.  The decrypted text is incomplete and possibly contains errors.</source>
        <translation>O texto criptografado terminou inesperadamente.  O texto descriptografado está incompleto e possivelmente contém erros.</translation>
    </message>
    <message>
        <source>CRC information was not present in the encrypted text.  Unable to verify that the encrypted text was error-free.</source>
        <translation>O texto criptografado não contém as informações de CRC.  Não é possível verificar se o texto criptografado estava livre de erros.</translation>
    </message>
    <message>
        <source>CRC error.  Errors were present in the encrypted text.</source>
        <translation>Erro de CRC.  Havia erros no texto criptografado.</translation>
    </message>
    <message>
        <source>The encrypted text is damaged.  Unable to decrypt this text.</source>
        <translation>O texto criptografado está danificado.  Não é possível descriptografar este texto.</translation>
    </message>
    <message>
        <source>The encrypted text is too long for its checksum.  Unable to decrypt this text.</source>
        <translation>O texto criptografado é longo demais para a sua soma de verificação.  Não é possível descriptografar este texto.</translation>
    </message>
    <message>
        <source>Cannot handle the encryption method used to encrypt this text.  Try using Shroud-a-Pad %1.</source>
        <translation>Não é possível tratar o método de criptografia usado neste texto.  Tente usar o Shroud-a-Pad %1.</translation>
    </message>
    <message>
        <source>Enter a phrase to password-protect (1 to %1 characters):</source>
        <translation>Digite uma frase para proteger com senha (1 a %L1 caracteres):</translation>
    </message>
    <message>
        <source>Method 02 needs a phrase.  Enter a phrase of 1 to %1 characters.</source>
        <translation>O Method 02 precisa de uma frase.  Digite uma frase de 1 a %L1 caracteres.</translation>
    </message>
    <message>
        <source>Strong protection.  Requires version 2.00 or higher to decrypt.</source>
        <translation>Proteção forte.  Requer a versão 2.00 ou superior para descriptografar.</translation>
    </message>
    <message>
        <source>The OpenPGP message is damaged or was changed: its checksum or integrity check failed.</source>
        <translation>A mensagem OpenPGP está danificada ou foi alterada: a soma de verificação ou a verificação de integridade falhou.</translation>
    </message>
    <message>
        <source>The OpenPGP message has no integrity check, so a change made to it on the way could not be noticed: it is not read.</source>
        <translation>A mensagem OpenPGP não tem verificação de integridade, então uma alteração feita nela no caminho não seria percebida: ela não é lida.</translation>
    </message>
    <message>
        <source>a hidden recipient</source>
        <translation>um destinatário oculto</translation>
    </message>
    <message>
        <source>Decryption was cancelled.</source>
        <translation>A descriptografia foi cancelada.</translation>
    </message>
    <message>
        <source>The passphrase is not correct.</source>
        <translation>A frase secreta não está correta.</translation>
    </message>
    <message>
        <source>GnuPG cannot be used on this computer.</source>
        <translation>O GnuPG não pode ser usado neste computador.</translation>
    </message>
    <message>
        <source>No recipient was given.</source>
        <translation>Nenhum destinatário foi informado.</translation>
    </message>
    <message>
        <source>Enter the phrase of the message.</source>
        <translation>Digite a frase da mensagem.</translation>
    </message>
    <message>
        <source>Enter a phrase to protect the OpenPGP message:</source>
        <translation>Digite uma frase para proteger a mensagem OpenPGP:</translation>
    </message>
    <message>
        <source>An OpenPGP message protected by a phrase needs a phrase.  Enter a phrase.</source>
        <translation>Uma mensagem OpenPGP protegida por frase precisa de uma frase.  Digite uma frase.</translation>
    </message>
    <message>
        <source>OpenPGP was not added to the methods.</source>
        <translation>O OpenPGP não foi adicionado aos métodos.</translation>
    </message>
    <message>
        <source>For people who use OpenPGP: to their keys or a phrase.</source>
        <translation>Para quem usa OpenPGP: para as suas chaves ou com uma frase.</translation>
    </message>
    <message>
        <source>The OpenPGP message is cut short: its end line &quot;-----END PGP MESSAGE-----&quot; is missing.  Unable to decrypt this text.</source>
        <translation>A mensagem OpenPGP está incompleta: falta a linha final “-----END PGP MESSAGE-----”.  Não é possível descriptografar este texto.</translation>
    </message>
    <message>
        <source>The OpenPGP signed text is cut short: its signature&apos;s end line &quot;-----END PGP SIGNATURE-----&quot; is missing.  Unable to check this text.</source>
        <translation>O texto assinado OpenPGP está incompleto: falta a linha final da assinatura, “-----END PGP SIGNATURE-----”.  Não é possível verificar este texto.</translation>
    </message>
    <message>
        <source>This text is an OpenPGP signature of another file (a detached signature), not an encrypted message.</source>
        <translation>Este texto é uma assinatura OpenPGP de outro arquivo (uma assinatura separada), não uma mensagem criptografada.</translation>
    </message>
    <message>
        <source>This text is an OpenPGP public key, not an encrypted message.</source>
        <translation>Este texto é uma chave pública OpenPGP, não uma mensagem criptografada.</translation>
    </message>
    <message>
        <source>This text is an OpenPGP secret key, not an encrypted message.</source>
        <translation>Este texto é uma chave secreta OpenPGP, não uma mensagem criptografada.</translation>
    </message>
    <message>
        <source>This is an encrypted OpenPGP message in binary form (a .gpg file), not text.  Ask for it as armoured text (as &quot;gpg --armor&quot; writes it) to decrypt it.</source>
        <translation>Esta é uma mensagem OpenPGP criptografada em forma binária (um arquivo .gpg), não um texto.  Peça-a como texto blindado (como “gpg --armor” a escreve) para descriptografá-la.</translation>
    </message>
    <message>
        <source>This is an OpenPGP message in binary form (a .gpg file), signed or compressed but not encrypted.</source>
        <translation>Esta é uma mensagem OpenPGP em forma binária (um arquivo .gpg), assinada ou compactada, mas não criptografada.</translation>
    </message>
    <message>
        <source>This is an OpenPGP signature in binary form (a .sig or .gpg file), not an encrypted message.</source>
        <translation>Esta é uma assinatura OpenPGP em forma binária (um arquivo .sig ou .gpg), não uma mensagem criptografada.</translation>
    </message>
    <message>
        <source>This is an OpenPGP public key in binary form (a .gpg file), not an encrypted message.</source>
        <translation>Esta é uma chave pública OpenPGP em forma binária (um arquivo .gpg), não uma mensagem criptografada.</translation>
    </message>
    <message>
        <source>This is an OpenPGP secret key in binary form (a .gpg file), not an encrypted message.</source>
        <translation>Esta é uma chave secreta OpenPGP em forma binária (um arquivo .gpg), não uma mensagem criptografada.</translation>
    </message>
    <message>
        <source>the key is only marginally certified by keys you trust</source>
        <translation>a chave só é certificada marginalmente por chaves em que você confia</translation>
    </message>
    <message>
        <source>the key is not certified by a key you trust</source>
        <translation>a chave não é certificada por nenhuma chave em que você confia</translation>
    </message>
    <message>
        <source>The OpenPGP signed text is damaged: GnuPG could not read its signature.</source>
        <translation>O texto assinado OpenPGP está danificado: o GnuPG não conseguiu ler a assinatura.</translation>
    </message>
    <message>
        <source>The signed text is left as it stands.</source>
        <translation>O texto assinado foi mantido como está.</translation>
    </message>
    <message>
        <source>The OpenPGP signed text is longer than the most this program takes.</source>
        <translation>O texto assinado OpenPGP é maior do que o máximo que este programa aceita.</translation>
    </message>
    <message>
        <source>it has been revoked by its owner</source>
        <translation>ela foi revogada pelo dono</translation>
    </message>
    <message>
        <source>it has expired</source>
        <translation>ela expirou</translation>
    </message>
    <message>
        <source>it has no subkey that can sign</source>
        <translation>ela não tem subchave que possa assinar</translation>
    </message>
    <message>
        <source>The keyring holds no secret key to sign with.</source>
        <translation>O chaveiro não tem nenhuma chave secreta com que assinar.</translation>
    </message>
    <message>
        <source>Signing was cancelled.</source>
        <translation>A assinatura foi cancelada.</translation>
    </message>
    <message>
        <source>%1 (fingerprint %2)</source>
        <translation>%1 (impressão digital %2)</translation>
    </message>
    <message>
        <source>the key %1</source>
        <translation>uma chave com a impressão digital %1</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%L1 MiB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%L1 bytes</translation>
    </message>
    <message>
        <source>The OpenPGP message&apos;s text is too large: it is longer than %1, the most this program takes.  Unable to decrypt this text.</source>
        <translation>O texto da mensagem OpenPGP é grande demais: passa de %1, o máximo que este programa aceita.  Não é possível descriptografar este texto.</translation>
    </message>
    <message>
        <source>No secret key for this message is in the keyring.  It was encrypted to: %1.</source>
        <translation>O chaveiro não tem nenhuma chave secreta para esta mensagem.  Ela foi criptografada para: %1.</translation>
    </message>
    <message>
        <source>GnuPG could not decrypt the message: %1</source>
        <translation>O GnuPG não conseguiu descriptografar a mensagem: %1</translation>
    </message>
    <message>
        <source>GnuPG could not encrypt the text: %1</source>
        <translation>O GnuPG não conseguiu criptografar o texto: %1</translation>
    </message>
    <message>
        <source>GnuPG could not sign the text: %1</source>
        <translation>O GnuPG não conseguiu assinar o texto: %1</translation>
    </message>
    <message>
        <source>No usable key for the recipient &quot;%1&quot; is in the keyring.</source>
        <translation>O chaveiro não tem nenhuma chave utilizável para o destinatário “%1”.</translation>
    </message>
    <message>
        <source>The recipient &quot;%1&quot; names more than one key; give its fingerprint.</source>
        <translation>O destinatário “%1” corresponde a mais de uma chave; informe a impressão digital.</translation>
    </message>
    <message>
        <source>The key %1 cannot be encrypted to.</source>
        <translation>Não é possível criptografar para a chave %1.</translation>
    </message>
    <message>
        <source>Enter the passphrase of the key %1 (%2).</source>
        <translation>Digite a frase secreta da chave %1 (%2).</translation>
    </message>
    <message>
        <source>The key %1 cannot sign: %2.</source>
        <translation>A chave %1 não pode assinar: %2.</translation>
    </message>
    <message>
        <source>The key %1 cannot sign.</source>
        <translation>A chave %1 não pode assinar.</translation>
    </message>
    <message>
        <source>Expired signature from %1: it expired on %2 and no longer vouches for the message.</source>
        <translation>Assinatura expirada de %1: ela expirou em %2 e não garante mais a mensagem.</translation>
    </message>
    <message>
        <source>Signature from %1, whose key has been revoked by its owner: the signature could be forged.</source>
        <translation>Assinatura de %1, cuja chave foi revogada pelo dono: a assinatura pode ter sido falsificada.</translation>
    </message>
    <message>
        <source>Signature by a key named %1, which the keyring&apos;s trust says is not that person&apos;s: the signature is probably forged.</source>
        <translation>Assinatura de uma chave com o nome %1, que segundo a confiança do chaveiro não é dessa pessoa: a assinatura provavelmente foi falsificada.</translation>
    </message>
    <message>
        <source>Good signature from %1.  Note: the key has expired.</source>
        <translation>Assinatura válida de %1.  Observação: a chave expirou.</translation>
    </message>
    <message>
        <source>Good signature from %1.</source>
        <translation>Assinatura válida de %1.</translation>
    </message>
    <message>
        <source>Signature by a key named %1: the message is as that key signed it, but %2, so the key may not belong to the person its user ID names.</source>
        <translation>Assinatura de uma chave com o nome %1: a mensagem está como essa chave a assinou, mas %2, então a chave pode não pertencer à pessoa que o seu ID de usuário nomeia.</translation>
    </message>
    <message>
        <source>BAD signature: the message was signed by %1 but changed after signing.</source>
        <translation>Assinatura INVÁLIDA: a mensagem foi assinada por %1, mas alterada depois da assinatura.</translation>
    </message>
    <message>
        <source>Signed by a key that is not in the keyring (%1).</source>
        <translation>Assinada por uma chave que não está no chaveiro (%1).</translation>
    </message>
    <message>
        <source>A signature by %1 could not be checked: %2.</source>
        <translation>Não foi possível verificar uma assinatura de %1: %2.</translation>
    </message>
</context>
<context>
    <name>platform::HelpViewer</name>
    <message>
        <source>Shroud-a-Pad Help</source>
        <translation>Ajuda do Shroud-a-Pad</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Digite uma palavra-chave</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegação</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avançar</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>C&amp;onteúdo</translation>
    </message>
    <message>
        <source>The topic %1 is not in this help file.</source>
        <translation>O tópico %1 não está neste arquivo de ajuda.</translation>
    </message>
</context>
</TS>
