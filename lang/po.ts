<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>ActivePortRow</name>
    <message>
        <location filename="../Qml/ActivePortRow.qml" line="+23"/>
        <source>Active Port</source>
        <translation>Porta ativa</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Active</source>
        <translation>Ativa</translation>
    </message>
</context>
<context>
    <name>CardScrollBar</name>
    <message>
        <location filename="../Qml/CardScrollBar.qml" line="+15"/>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
</context>
<context>
    <name>Faq</name>
    <message>
        <location filename="../Qml/Faq.js" line="+11"/>
        <source>Q1. What kind of computers support QV5830?</source>
        <translation>P1. Quais computadores são compatíveis com o QV5830?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Any computer whose USB-C port carries DisplayPort Alt Mode video:<byte value="xd"/>
-Windows 10 and Windows 11 laptops and desktops<byte value="xd"/>
-Mac computers with USB-C or Thunderbolt 3 and 4 ports, on macOS 11 or later<byte value="xd"/>
-Chromebooks and Linux computers whose USB-C port outputs video<byte value="xd"/>
A USB-C port that carries data only gives keyboard and mouse, but no picture on the display.</source>
        <translation>Qualquer computador cuja porta USB-C transmita vídeo em DisplayPort Alt Mode:<byte value="xd"/>
-Notebooks e desktops com Windows 10 e Windows 11<byte value="xd"/>
-Computadores Mac com portas USB-C ou Thunderbolt 3 e 4, com macOS 11 ou posterior<byte value="xd"/>
-Chromebooks e computadores Linux cuja porta USB-C emita vídeo<byte value="xd"/>
Uma porta USB-C que só transmite dados oferece teclado e mouse, mas nenhuma imagem no monitor.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q2. What kind of Smartphone / Tablet support QV5830?</source>
        <translation>P2. Quais smartphones e tablets são compatíveis com o QV5830?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Smartphones and tablets whose USB-C port outputs DisplayPort Alt Mode video:<byte value="xd"/>
-Tablets on iPadOS with a USB-C port<byte value="xd"/>
-Android smartphones and tablets that offer a desktop or screen mirroring mode over USB-C<byte value="xd"/>
Devices without video output over USB-C can still use the keyboard and mouse.</source>
        <translation>Smartphones e tablets cuja porta USB-C emita vídeo em DisplayPort Alt Mode:<byte value="xd"/>
-Tablets com iPadOS e porta USB-C<byte value="xd"/>
-Smartphones e tablets Android com modo desktop ou espelhamento de tela via USB-C<byte value="xd"/>
Dispositivos sem saída de vídeo via USB-C ainda podem usar o teclado e o mouse.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q3. How much power does QV5830 supply on Port 2?</source>
        <translation>P3. Quanta energia o QV5830 fornece na porta 2?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Port 2 supplies 5V at up to 1.5A, 7.5W, to the connected device.<byte value="xd"/>
This keeps a smartphone or tablet charged while it is in use, but it does not charge a laptop.<byte value="xd"/>
Connect a laptop that needs charging to Port 1.</source>
        <translation>A porta 2 fornece ao dispositivo conectado 5 V com até 1,5 A, ou seja, 7,5 W.<byte value="xd"/>
Isso mantém um smartphone ou tablet carregado durante o uso, mas não carrega um notebook.<byte value="xd"/>
Conecte à porta 1 o notebook que precisa ser carregado.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q4. Is there any USB-PD function supported by QV5830?</source>
        <translation>P4. O QV5830 é compatível com USB-PD?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes, Port 1 supports USB Power Delivery:<byte value="xd"/>
-Connect a USB-C PD power adapter to the USB-C power port<byte value="xd"/>
-The laptop on Port 1 then charges at 5V, 9V, 15V or 20V<byte value="xd"/>
An adapter over 65W is recommended; it is not supplied in the package.</source>
        <translation>Sim, a porta 1 é compatível com USB Power Delivery:<byte value="xd"/>
-Conecte um adaptador de energia USB-C PD à porta de alimentação USB-C<byte value="xd"/>
-O notebook na porta 1 passa a carregar a 5 V, 9 V, 15 V ou 20 V<byte value="xd"/>
Recomenda-se um adaptador acima de 65 W; ele não acompanha o produto.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q5. Does QV5830 support active / passive video converter?</source>
        <translation>P5. O QV5830 é compatível com conversores de vídeo ativos e passivos?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The DisplayPort output works with active video converters only:<byte value="xd"/>
-Active DisplayPort to HDMI, DVI or VGA adapters convert the signal and work<byte value="xd"/>
-Passive adapters need a dual-mode output, which this port does not provide, and show no picture<byte value="xd"/>
Where the display allows, connect it with a DisplayPort cable.</source>
        <translation>A saída DisplayPort funciona somente com conversores de vídeo ativos:<byte value="xd"/>
-Adaptadores ativos de DisplayPort para HDMI, DVI ou VGA convertem o sinal e funcionam<byte value="xd"/>
-Adaptadores passivos precisam de uma saída dual-mode, que esta porta não oferece, e não exibem imagem<byte value="xd"/>
Se o monitor permitir, conecte-o com um cabo DisplayPort.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q6. How to change 2Lane DP to 4Lane DP support on QV5830?</source>
        <translation>P6. Como mudar de DP de 2 vias para DP de 4 vias no QV5830?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Long press port selection button for 3 sec. and wait for LED flash:<byte value="xd"/>
-2 Lane mode -&gt; Port1 &amp; Port 2 LED flash 1 time<byte value="xd"/>
-4 Lane mode -&gt; Port1 &amp; Port 2 LED flash 2 times.</source>
        <translation>Mantenha pressionado o botão de seleção de porta por 3 s e aguarde os LEDs piscarem:<byte value="xd"/>
-Modo 2 vias -&gt; os LEDs de Port 1 e Port 2 piscam 1 vez<byte value="xd"/>
-Modo 4 vias -&gt; os LEDs de Port 1 e Port 2 piscam 2 vezes.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q7. Does it support Nintendo Switch?</source>
        <translation>P7. É compatível com o Nintendo Switch?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No, it does not support Nintendo Switch.</source>
        <translation>Não, não é compatível com o Nintendo Switch.</translation>
    </message>
</context>
<context>
    <name>GuidePage</name>
    <message>
        <location filename="../Qml/GuidePage.qml" line="+24"/>
        <source>USB Type-A ports</source>
        <translation>Portas USB Type-A</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>jack for port switch button</source>
        <translation>entrada do botão de seleção de porta</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DisplayPort out</source>
        <translation>saída DisplayPort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USB-C port (source 2)</source>
        <translation>porta USB-C (fonte 2)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>USB-C port (source 1)</source>
        <translation>porta USB-C (fonte 1)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>USB-C port (power)*</source>
        <translation>porta USB-C (alimentação)*</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>power jack</source>
        <translation>entrada de alimentação</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>port 1 status LED</source>
        <translation>LED de status da porta 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>port 2 status LED</source>
        <translation>LED de status da porta 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect up to 4 USB peripherals such as a USB mouse, USB keyboard, printer, or external hard drive to the unit’s USB Type-A ports.</source>
        <translation>Conecte até 4 periféricos USB, como mouse USB, teclado USB, impressora ou disco rígido externo, às portas USB Type-A do aparelho.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect a USB-C source device to the unit’s USB-C port (source 1).</source>
        <translation>Conecte um dispositivo de origem USB-C à porta USB-C (fonte 1) do aparelho.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect a DisplayPort-enabled display to the unit’s DisplayPort output port.</source>
        <translation>Conecte um monitor compatível com DisplayPort à saída DisplayPort do aparelho.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This USB-C port (power) supports USB-C PD laptop charging at 5V, 9V, 15V, and 20V output, and the USB-C power adapter is not supplied in the package.</source>
        <translation>Esta porta USB-C (alimentação) permite carregar notebooks via USB-C PD com saída de 5 V, 9 V, 15 V e 20 V; o adaptador de energia USB-C não acompanha o produto.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For device charging, a Limited Power Source (LPS) certified USB-C PD Power Adapter over 65 watts is recommended. The system power requirement for basic USB functions and video output should be at least 5V, 3A.</source>
        <translation>Para carregar dispositivos, recomenda-se um adaptador de energia USB-C PD acima de 65 watts com certificação Limited Power Source (LPS). O sistema precisa de pelo menos 5 V, 3 A para as funções USB básicas e a saída de vídeo.</translation>
    </message>
    <message>
        <location line="+126"/>
        <source>Make sure each device has installed @ Portview and connected to @ KVM correctly.</source>
        <translation>Verifique se o @ Portview está instalado em cada dispositivo e se cada um está conectado corretamente ao KVM @.</translation>
    </message>
    <message>
        <location line="-133"/>
        <source>Connect another USB-C source device to the unit’s USB-C port (source 2).</source>
        <translation>Conecte outro dispositivo de origem USB-C à porta USB-C (fonte 2) do aparelho.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect the supplied port switch button to the indicated jack.</source>
        <translation>Conecte o botão de seleção de porta fornecido à entrada indicada.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect the power adapter to the unit’s power jack.</source>
        <translation>Conecte o adaptador de energia à entrada de alimentação do aparelho.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(Optional) You can connect your source device to the USB-C port (power) for PD laptop charging.</source>
        <translation>(Opcional) Você pode conectar o dispositivo de origem à porta USB-C (alimentação) para carregar um notebook via PD.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Hardware Overview</source>
        <translation>Visão geral do hardware</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Installation</source>
        <translation>Instalação</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Skip</source>
        <translation>Pular</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>Computers connected to the switch</source>
        <translation>Computadores conectados ao switch</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Can be found at [Support] -&gt; [Quick Start Guide]</source>
        <translation>Disponível em [Suporte] -&gt; [Guia de início rápido]</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Note</source>
        <translation>Observação</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Finish</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next</source>
        <translation>Avançar</translation>
    </message>
</context>
<context>
    <name>HeadControl</name>
    <message>
        <location filename="../Qml/HeadControl.qml" line="+136"/>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>confirm_dialog_control</name>
    <message>
        <location filename="../Qml/confirm_dialog_control.qml" line="+66"/>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>keys_control</name>
    <message>
        <location filename="../Qml/keys_control.qml" line="+65"/>
        <source>Not support key.</source>
        <translation>Tecla não suportada.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+30"/>
        <source>Conflict to system hotkey.</source>
        <translation>Conflito com um atalho do sistema.</translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+18"/>
        <source>Please enter combination key.</source>
        <translation>Digite uma combinação de teclas.</translation>
    </message>
    <message>
        <location line="-85"/>
        <location line="+128"/>
        <source>Hotkey Edit</source>
        <translation>Editar atalho</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Click the box to type the shortcut key.</source>
        <translation>Clique na caixa e pressione o atalho.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+37"/>
        <source>Device Switch</source>
        <translation>Alternar dispositivo</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Not set</source>
        <translation>Não definido</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../Qml/DialogHost.qml" line="+11"/>
        <location line="+20"/>
        <location filename="../Qml/main.qml" line="+192"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-19"/>
        <location filename="../Qml/main.qml" line="+0"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeLauncher.qml" line="+52"/>
        <source>Firmware Upgrade</source>
        <translation>Atualização de firmware</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch now reports firmware version @.</source>
        <translation>O switch agora informa a versão de firmware @.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch still reports firmware version @: the firmware is unchanged.</source>
        <translation>O switch ainda informa a versão de firmware @: o firmware não mudou.</translation>
    </message>
    <message>
        <location filename="../Qml/main.qml" line="-55"/>
        <source>The change could not be saved: the home folder is full or read-only.</source>
        <translation>Não foi possível salvar a alteração: a pasta pessoal está cheia ou é somente leitura.</translation>
    </message>
    <message>
        <location line="+53"/>
        <location filename="../Qml/TrayControl.qml" line="+69"/>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to quit @?</source>
        <translation>Tem certeza de que deseja sair do @?</translation>
    </message>
    <message>
        <location line="-54"/>
        <location filename="../Qml/UpgradeLauncher.qml" line="-12"/>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeLauncher.qml" line="+1"/>
        <source>Firmware upgrade file open failed.</source>
        <translation>Não foi possível abrir o arquivo de atualização do firmware.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch stays in upgrade mode: unplug it and plug it in again to leave upgrade mode, or start the upgrade tool again.</source>
        <translation>O switch continua no modo de atualização: desconecte-o e conecte-o novamente para sair desse modo, ou inicie a ferramenta de atualização outra vez.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start Again</source>
        <translation>Iniciar novamente</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <location filename="../Qml/main.qml" line="+199"/>
        <source>No tray can show the icon on this desktop: @ keeps running minimised, so that the hotkey keeps working.</source>
        <translation>Esta área de trabalho não tem bandeja para mostrar o ícone: o @ continua em execução minimizado para que o atalho continue funcionando.</translation>
    </message>
    <message>
        <location filename="../Qml/LogoBar.qml" line="+53"/>
        <location filename="../Qml/TrayControl.qml" line="-4"/>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <location filename="../Qml/HomePage.qml" line="+37"/>
        <source>Select Devices</source>
        <translation>Selecionar dispositivo</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Searching for devices</source>
        <translation>Procurando dispositivos</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Firmware upgrade in progress: keep the switch connected</source>
        <translation>Atualização de firmware em andamento: mantenha o switch conectado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No device detected</source>
        <translation>Nenhum dispositivo detectado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please check the connection to the device.</source>
        <translation>Verifique a conexão com o dispositivo.</translation>
    </message>
    <message>
        <location line="+119"/>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <location filename="../catalogue/descriptions.js" line="+6"/>
        <source>2-Port USB-C KVM Switch&lt;br&gt;DisplayPort 4K 60 Hz, USB-C PD charging</source>
        <translation>Switch KVM USB-C de 2 portas&lt;br&gt;DisplayPort 4K 60 Hz, carregamento USB-C PD</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2-Port USB-C Dual-Display KVM Switch&lt;br&gt;Two DisplayPort 4K 60 Hz outputs, USB-C PD charging</source>
        <translation>Switch KVM USB-C de 2 portas para dois monitores&lt;br&gt;Duas saídas DisplayPort 4K 60 Hz, carregamento USB-C PD</translation>
    </message>
    <message>
        <location filename="../Qml/HomePage.qml" line="-105"/>
        <source>Search again</source>
        <translation>Procurar novamente</translation>
    </message>
    <message>
        <location filename="../Qml/CardOpenProblem.qml" line="+19"/>
        <source>This switch still cannot be opened.</source>
        <translation>Este comutador ainda não pode ser aberto.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This switch cannot be opened.</source>
        <translation>Este comutador não pode ser aberto.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your user may not use it: the udev rule that gives access is missing. Install it with this command, then try again:</source>
        <translation>Seu usuário não pode usá-lo: falta a regra udev que dá acesso. Instale-a com este comando e tente novamente:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your user has no access to it. Ask the administrator of this computer for access, then try again.</source>
        <translation>Seu usuário não tem acesso a ele. Peça acesso ao administrador deste computador e tente novamente.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another program is using it. Close that program, then try again.</source>
        <translation>Outro programa o está usando. Feche esse programa e tente novamente.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unplug it and plug it in again, then try again.</source>
        <translation>Desconecte-o, conecte-o novamente e tente de novo.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Command that installs the udev rule</source>
        <translation>Comando que instala a regra udev</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Try again</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <location filename="../Qml/Ports.js" line="+10"/>
        <source>Port @</source>
        <translation>Porta @</translation>
    </message>
</context>
<context>
    <name>product_device</name>
    <message>
        <location filename="../Qml/product_device.qml" line="+22"/>
        <source>Video Fitwell</source>
        <translation>Video Fitwell</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eliminate boot-up display problems and optimize resolutions.</source>
        <translation>Elimina problemas de imagem na inicialização e otimiza a resolução.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note: If you encounter any monitor compatibility issues when the Video Fitwell is enabled, please disable Video Fitwell.</source>
        <translation>Observação: se houver problemas de compatibilidade com o monitor com o Video Fitwell ativado, desative o Video Fitwell.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DP lane </source>
        <translation>Vias DP </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select suitable DP Lanes for current port.</source>
        <translation>Escolha as vias DP adequadas para a porta atual.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB Silent Removal</source>
        <translation>Remoção USB silenciosa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove your USB devices without system prompt sound.</source>
        <translation>Remova dispositivos USB sem o som do sistema.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB Safely Removal</source>
        <translation>Remoção USB segura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Safely remove your USB devices.</source>
        <translation>Remova seus dispositivos USB com segurança.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Not set</source>
        <translation>Não definido</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The operation failed</source>
        <translation>Falha na operação</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to control the device, please check the device connection.</source>
        <translation>Não foi possível controlar o dispositivo. Verifique a conexão com o dispositivo.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Note</source>
        <translation>Observação</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you encounter any monitor compatibility issues when the Video Fitwell is enabled, please disable Video Fitwell.</source>
        <translation>Se houver problemas de compatibilidade com o monitor com o Video Fitwell ativado, desative o Video Fitwell.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+14"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+128"/>
        <source>Reset to Default</source>
        <translation>Restaurar padrões</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>Are you sure you want to reset the device setting to factory default?</source>
        <translation>Tem certeza de que deseja restaurar as configurações de fábrica do dispositivo?</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+134"/>
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <location line="-122"/>
        <source>Reset success!</source>
        <translation>Redefinido!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reset to default successfully!</source>
        <translation>Padrões restaurados com sucesso!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset failed</source>
        <translation>Falha ao redefinir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to reset the device, please check the device connection.</source>
        <translation>Não foi possível redefinir o dispositivo. Verifique a conexão com o dispositivo.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Switch Hotkey</source>
        <translation>Atalho de troca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hotkeys for switching between devices.</source>
        <translation>Atalhos para alternar entre dispositivos.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The desktop does not allow global shortcuts for this program.</source>
        <translation>A área de trabalho não permite atalhos globais para este programa.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allow @ to use global shortcuts in your desktop&apos;s settings, or log in with an X11 session; until then the hotkey works only while the window has the focus.</source>
        <translation>Permita que o @ use atalhos globais nas configurações da área de trabalho ou entre com uma sessão X11; até lá, o atalho só funciona enquanto a janela estiver em foco.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Reset the settings to default.</source>
        <translation>Restaurar as configurações padrão.</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>2 Lane:support USB 3.0 up to 4K@60</source>
        <translation>2 vias: USB 3.0, até 4K@60</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>4 Lane:support USB 2.0 up to 4K@60</source>
        <translation>4 vias: USB 2.0, até 4K@60</translation>
    </message>
</context>
<context>
    <name>product_faq</name>
    <message>
        <location filename="../Qml/product_faq.qml" line="+60"/>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+76"/>
        <location line="+11"/>
        <source>FAQ</source>
        <translation>Perguntas frequentes</translation>
    </message>
    <message>
        <location line="-50"/>
        <location line="+8"/>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>No questions match your search.</source>
        <translation>Nenhuma pergunta corresponde à sua pesquisa.</translation>
    </message>
</context>
<context>
    <name>product_frame</name>
    <message>
        <location filename="../Qml/product_frame.qml" line="+120"/>
        <source>Version is up to date!</source>
        <translation>Versão atualizada!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Current firmware is the latest version.</source>
        <translation>O firmware atual é a versão mais recente.</translation>
    </message>
    <message>
        <location filename="../Qml/product_device.qml" line="-153"/>
        <location filename="../Qml/product_frame.qml" line="+20"/>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <location filename="../Qml/product_frame.qml" line="+1"/>
        <source>Maintenance</source>
        <translation>Manutenção</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Support</source>
        <translation>Suporte</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Home</source>
        <translation>Início</translation>
    </message>
</context>
<context>
    <name>product_maintenance</name>
    <message>
        <location filename="../Qml/product_maintenance.qml" line="+33"/>
        <location line="+1"/>
        <location line="+46"/>
        <location line="+145"/>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <location line="-192"/>
        <source>Make a local copy of your device settings.</source>
        <translation>Salve uma cópia local das configurações do dispositivo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+81"/>
        <location line="+9"/>
        <source>Restore Device</source>
        <translation>Restaurar dispositivo</translation>
    </message>
    <message>
        <location line="-90"/>
        <source>Restore device settings from your backup.</source>
        <translation>Restaure as configurações do dispositivo a partir de um backup.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Input the file name</source>
        <translation>Digite o nome do arquivo</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Select a file</source>
        <translation>Selecionar arquivo</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Backup successfully!</source>
        <translation>Backup concluído!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Failed to backup setting.</source>
        <translation>Falha ao fazer backup das configurações.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The file is not a settings backup.</source>
        <translation>O arquivo não é um backup de configurações.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The backup file is damaged.</source>
        <translation>O arquivo de backup está danificado.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The backup was made for another model.</source>
        <translation>O backup foi feito para outro modelo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to restore setting.</source>
        <translation>Falha ao restaurar as configurações.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Setting from [@] restored successfully!</source>
        <translation>Configurações de [@] restauradas com sucesso!</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+11"/>
        <source>List Files (*.kvm)</source>
        <translation>Arquivos de backup (*.kvm)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Firmware Version</source>
        <translation>Versão do firmware</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Checking</source>
        <translation>Verificando</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed: the firmware service reported an error, please try again later.</source>
        <translation>Falha: o serviço de firmware informou um erro; tente novamente mais tarde.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed: the firmware service&apos;s answer could not be read.</source>
        <translation>Falha: não foi possível ler a resposta do serviço de firmware.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed, please confirm the network connection.</source>
        <translation>Falha. Verifique a conexão de rede.</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Check for latest version.</source>
        <translation>Procurar a versão mais recente.</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+1"/>
        <source>Check</source>
        <translation>Verificar</translation>
    </message>
</context>
<context>
    <name>product_setting</name>
    <message>
        <location filename="../Qml/product_setting.qml" line="+45"/>
        <location line="+72"/>
        <location line="+17"/>
        <source>Launch at Startup</source>
        <translation>Iniciar com o sistema</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>Failed to launch at startup, please try again.</source>
        <translation>Não foi possível ativar a inicialização automática. Tente novamente.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Run @ automatically at startup.</source>
        <translation>Iniciar o @ automaticamente com o sistema.</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+8"/>
        <location line="+28"/>
        <location line="+16"/>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>About Us</source>
        <translation>Quem somos</translation>
    </message>
</context>
<context>
    <name>product_support</name>
    <message>
        <location filename="../Qml/product_support.qml" line="+22"/>
        <source>Quick Start Guide</source>
        <translation>Guia de início rápido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Assist you to quickly understand and use the device.</source>
        <translation>Ajuda você a conhecer e usar o dispositivo rapidamente.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User Manual</source>
        <translation>Manual do usuário</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The complete user manual.</source>
        <translation>O manual do usuário completo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>FAQ</source>
        <translation>Perguntas frequentes</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Knowledgebase and Customer Support</source>
        <translation>Base de conhecimento e suporte ao cliente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Look up FAQ to help you solve the problems.</source>
        <translation>Consulte as perguntas frequentes para resolver seus problemas.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>eService Help</source>
        <translation>Ajuda do eService</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Support &amp; Additional Contacts</source>
        <translation>Suporte e outros contatos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect to eService to report the problems.</source>
        <translation>Relate problemas pelo eService.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To access the contact information for Service Support.</source>
        <translation>Acesse as informações de contato do suporte técnico.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Log Export</source>
        <translation>Exportar log</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Attach log files can help customer service solve your problems faster.</source>
        <translation>Anexar os arquivos de log ajuda o suporte a resolver seu problema mais rápido.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <location line="+41"/>
        <location line="+11"/>
        <source>Support</source>
        <translation>Suporte</translation>
    </message>
</context>
<context>
    <name>upgrade_info</name>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="+36"/>
        <location line="+22"/>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+30"/>
        <location line="+40"/>
        <source>Firmware upgrade file open failed.</source>
        <translation>Não foi possível abrir o arquivo de atualização do firmware.</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>Set upgrade mode failed, please check the device connection.</source>
        <translation>Não foi possível ativar o modo de atualização. Verifique a conexão com o dispositivo.</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeOffer.qml" line="+26"/>
        <location line="+8"/>
        <source>New Firmware Version</source>
        <translation>Nova versão do firmware</translation>
    </message>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="+96"/>
        <location filename="../Qml/UpgradeOffer.qml" line="+7"/>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeOffer.qml" line="+17"/>
        <source>Offered version: @</source>
        <translation>Versão oferecida: @</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Please read the following carefully before downloading.</source>
        <translation>Leia com atenção o texto abaixo antes de baixar.</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+3"/>
        <source>Licence terms</source>
        <translation>Termos da licença</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&lt;p&gt;&lt;b&gt;Firmware Licence&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Copyright © @. All rights reserved except as granted below.&lt;/p&gt;&lt;p&gt;Permission is granted, free of charge, to anyone who owns a switch of this kind to download this firmware and its upgrade tool, to install the firmware on that switch and to keep copies of both for that purpose.&lt;/p&gt;&lt;p&gt;The firmware and the tool are provided &lt;b&gt;as is&lt;/b&gt;, without warranty of any kind, express or implied, including fitness for a particular purpose. In no event shall the authors be liable for any claim, damages or other liability arising from their use.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Before you start&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Keep the switch connected to power and to this computer until the tool reports that it has finished.&lt;/li&gt;&lt;li&gt;Do not switch ports while the firmware is written.&lt;/li&gt;&lt;li&gt;Your settings stay in place; a backup on the Maintenance page keeps a copy.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;By choosing &quot;Download&quot; you accept these terms.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Licença do firmware&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Copyright © @. Todos os direitos reservados, exceto os concedidos abaixo.&lt;/p&gt;&lt;p&gt;Qualquer pessoa que possua um switch deste tipo tem permissão, gratuitamente, para baixar este firmware e sua ferramenta de atualização, instalar o firmware nesse switch e manter cópias de ambos para essa finalidade.&lt;/p&gt;&lt;p&gt;O firmware e a ferramenta são fornecidos &lt;b&gt;no estado em que se encontram&lt;/b&gt;, sem garantia de qualquer tipo, expressa ou implícita, inclusive de adequação a uma finalidade específica. Em nenhuma hipótese os autores serão responsáveis por qualquer reclamação, dano ou outra responsabilidade decorrente do seu uso.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Antes de começar&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Mantenha o switch ligado à energia e conectado a este computador até que a ferramenta informe que terminou.&lt;/li&gt;&lt;li&gt;Não troque de porta enquanto o firmware estiver sendo gravado.&lt;/li&gt;&lt;li&gt;Suas configurações são mantidas; um backup na página Manutenção guarda uma cópia.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Ao escolher “Baixar”, você aceita estes termos.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>About this version</source>
        <translation>Sobre esta versão</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Note: Only supports firmware updates for computers on Port 1.</source>
        <translation>Observação: a atualização de firmware só é possível no computador da porta 1.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The upgrade tool is a Windows program: on this system, upgrade from a Windows computer on the switch&apos;s Port 1.</source>
        <translation>A ferramenta de atualização é um programa do Windows: neste sistema, atualize a partir de um computador Windows conectado à porta 1 do switch.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Skip this version</source>
        <translation>Pular esta versão</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Remind me later</source>
        <translation>Lembrar mais tarde</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Download</source>
        <translation>Baixar</translation>
    </message>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="-166"/>
        <source>Fail to download file. Please check your internet connection and try again later.</source>
        <translation>Falha ao baixar o arquivo. Verifique sua conexão com a Internet e tente novamente mais tarde.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The switch was disconnected, so the download has ended.</source>
        <translation>O switch foi desconectado, então o download foi encerrado.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect the switch again and check for the new firmware again.</source>
        <translation>Conecte o switch novamente e verifique o novo firmware outra vez.</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>The upgrade tool could not be saved: the temporary folder is full or read-only.</source>
        <translation>Não foi possível salvar a ferramenta de atualização: a pasta temporária está cheia ou é somente leitura.</translation>
    </message>
    <message>
        <location line="+50"/>
        <location line="+8"/>
        <source>Downloading</source>
        <translation>Baixando</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Download progress</source>
        <translation>Progresso do download</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
