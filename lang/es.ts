<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>ActivePortRow</name>
    <message>
        <location filename="../Qml/ActivePortRow.qml" line="+23"/>
        <source>Active Port</source>
        <translation>Puerto activo</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Active</source>
        <translation>Activo</translation>
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
        <translation>P1. ¿Qué ordenadores son compatibles con el QV5830?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Any computer whose USB-C port carries DisplayPort Alt Mode video:<byte value="xd"/>
-Windows 10 and Windows 11 laptops and desktops<byte value="xd"/>
-Mac computers with USB-C or Thunderbolt 3 and 4 ports, on macOS 11 or later<byte value="xd"/>
-Chromebooks and Linux computers whose USB-C port outputs video<byte value="xd"/>
A USB-C port that carries data only gives keyboard and mouse, but no picture on the display.</source>
        <translation>Cualquier ordenador cuyo puerto USB-C transmita vídeo en DisplayPort Alt Mode:<byte value="xd"/>
-Portátiles y equipos de sobremesa con Windows 10 y Windows 11<byte value="xd"/>
-Mac con puertos USB-C o Thunderbolt 3 y 4, con macOS 11 o posterior<byte value="xd"/>
-Chromebooks y ordenadores Linux cuyo puerto USB-C emita vídeo<byte value="xd"/>
Un puerto USB-C que solo transmite datos ofrece teclado y ratón, pero no muestra imagen en la pantalla.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q2. What kind of Smartphone / Tablet support QV5830?</source>
        <translation>P2. ¿Qué smartphones y tabletas son compatibles con el QV5830?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Smartphones and tablets whose USB-C port outputs DisplayPort Alt Mode video:<byte value="xd"/>
-Tablets on iPadOS with a USB-C port<byte value="xd"/>
-Android smartphones and tablets that offer a desktop or screen mirroring mode over USB-C<byte value="xd"/>
Devices without video output over USB-C can still use the keyboard and mouse.</source>
        <translation>Smartphones y tabletas cuyo puerto USB-C emita vídeo en DisplayPort Alt Mode:<byte value="xd"/>
-Tabletas con iPadOS y puerto USB-C<byte value="xd"/>
-Smartphones y tabletas Android con modo escritorio o de duplicación de pantalla por USB-C<byte value="xd"/>
Los dispositivos sin salida de vídeo por USB-C pueden seguir usando el teclado y el ratón.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q3. How much power does QV5830 supply on Port 2?</source>
        <translation>P3. ¿Cuánta potencia suministra el QV5830 en el puerto 2?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Port 2 supplies 5V at up to 1.5A, 7.5W, to the connected device.<byte value="xd"/>
This keeps a smartphone or tablet charged while it is in use, but it does not charge a laptop.<byte value="xd"/>
Connect a laptop that needs charging to Port 1.</source>
        <translation>El puerto 2 suministra al dispositivo conectado 5 V hasta 1,5 A, es decir, 7,5 W.<byte value="xd"/>
Así se mantiene cargado un smartphone o una tableta mientras se usa, pero no carga un portátil.<byte value="xd"/>
Conecte al puerto 1 el portátil que necesite cargarse.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q4. Is there any USB-PD function supported by QV5830?</source>
        <translation>P4. ¿El QV5830 admite USB-PD?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes, Port 1 supports USB Power Delivery:<byte value="xd"/>
-Connect a USB-C PD power adapter to the USB-C power port<byte value="xd"/>
-The laptop on Port 1 then charges at 5V, 9V, 15V or 20V<byte value="xd"/>
An adapter over 65W is recommended; it is not supplied in the package.</source>
        <translation>Sí, el puerto 1 admite USB Power Delivery:<byte value="xd"/>
-Conecte un adaptador de corriente USB-C PD al puerto de alimentación USB-C<byte value="xd"/>
-El portátil del puerto 1 se cargará entonces a 5 V, 9 V, 15 V o 20 V<byte value="xd"/>
Se recomienda un adaptador de más de 65 W; no se incluye en el paquete.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q5. Does QV5830 support active / passive video converter?</source>
        <translation>P5. ¿El QV5830 admite convertidores de vídeo activos y pasivos?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The DisplayPort output works with active video converters only:<byte value="xd"/>
-Active DisplayPort to HDMI, DVI or VGA adapters convert the signal and work<byte value="xd"/>
-Passive adapters need a dual-mode output, which this port does not provide, and show no picture<byte value="xd"/>
Where the display allows, connect it with a DisplayPort cable.</source>
        <translation>La salida DisplayPort solo funciona con convertidores de vídeo activos:<byte value="xd"/>
-Los adaptadores activos de DisplayPort a HDMI, DVI o VGA convierten la señal y funcionan<byte value="xd"/>
-Los adaptadores pasivos necesitan una salida de modo dual, que este puerto no ofrece, y no muestran imagen<byte value="xd"/>
Si la pantalla lo permite, conéctela con un cable DisplayPort.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q6. How to change 2Lane DP to 4Lane DP support on QV5830?</source>
        <translation>P6. ¿Cómo se cambia de DP de 2 carriles a DP de 4 carriles en el QV5830?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Long press port selection button for 3 sec. and wait for LED flash:<byte value="xd"/>
-2 Lane mode -&gt; Port1 &amp; Port 2 LED flash 1 time<byte value="xd"/>
-4 Lane mode -&gt; Port1 &amp; Port 2 LED flash 2 times.</source>
        <translation>Mantenga pulsado el botón de selección de puerto 3 s y espere a que parpadeen los LED:<byte value="xd"/>
-Modo 2 carriles -&gt; los LED de Port 1 y Port 2 parpadean 1 vez<byte value="xd"/>
-Modo 4 carriles -&gt; los LED de Port 1 y Port 2 parpadean 2 veces.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q7. Does it support Nintendo Switch?</source>
        <translation>P7. ¿Es compatible con Nintendo Switch?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No, it does not support Nintendo Switch.</source>
        <translation>No, no es compatible con Nintendo Switch.</translation>
    </message>
</context>
<context>
    <name>GuidePage</name>
    <message>
        <location filename="../Qml/GuidePage.qml" line="+24"/>
        <source>USB Type-A ports</source>
        <translation>Puertos USB Type-A</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>jack for port switch button</source>
        <translation>conector del botón de selección de puerto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DisplayPort out</source>
        <translation>salida DisplayPort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USB-C port (source 2)</source>
        <translation>puerto USB-C (fuente 2)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>USB-C port (source 1)</source>
        <translation>puerto USB-C (fuente 1)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>USB-C port (power)*</source>
        <translation>puerto USB-C (alimentación)*</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>power jack</source>
        <translation>conector de alimentación</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>port 1 status LED</source>
        <translation>LED de estado del puerto 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>port 2 status LED</source>
        <translation>LED de estado del puerto 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect up to 4 USB peripherals such as a USB mouse, USB keyboard, printer, or external hard drive to the unit’s USB Type-A ports.</source>
        <translation>Conecte hasta 4 periféricos USB, como un ratón USB, un teclado USB, una impresora o un disco duro externo, a los puertos USB Type-A de la unidad.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect a USB-C source device to the unit’s USB-C port (source 1).</source>
        <translation>Conecte un dispositivo fuente USB-C al puerto USB-C (fuente 1) de la unidad.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect a DisplayPort-enabled display to the unit’s DisplayPort output port.</source>
        <translation>Conecte una pantalla compatible con DisplayPort a la salida DisplayPort de la unidad.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This USB-C port (power) supports USB-C PD laptop charging at 5V, 9V, 15V, and 20V output, and the USB-C power adapter is not supplied in the package.</source>
        <translation>Este puerto USB-C (alimentación) admite la carga de portátiles por USB-C PD a 5 V, 9 V, 15 V y 20 V; el adaptador de corriente USB-C no se incluye en el paquete.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For device charging, a Limited Power Source (LPS) certified USB-C PD Power Adapter over 65 watts is recommended. The system power requirement for basic USB functions and video output should be at least 5V, 3A.</source>
        <translation>Para cargar dispositivos se recomienda un adaptador de corriente USB-C PD de más de 65 vatios con certificación Limited Power Source (LPS). El sistema necesita al menos 5 V, 3 A para las funciones USB básicas y la salida de vídeo.</translation>
    </message>
    <message>
        <location line="+126"/>
        <source>Make sure each device has installed @ Portview and connected to @ KVM correctly.</source>
        <translation>Asegúrese de que @ Portview esté instalado en cada dispositivo y de que cada uno esté bien conectado al KVM de @.</translation>
    </message>
    <message>
        <location line="-133"/>
        <source>Connect another USB-C source device to the unit’s USB-C port (source 2).</source>
        <translation>Conecte otro dispositivo fuente USB-C al puerto USB-C (fuente 2) de la unidad.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect the supplied port switch button to the indicated jack.</source>
        <translation>Conecte el botón de selección de puerto incluido al conector indicado.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect the power adapter to the unit’s power jack.</source>
        <translation>Conecte el adaptador de corriente al conector de alimentación de la unidad.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(Optional) You can connect your source device to the USB-C port (power) for PD laptop charging.</source>
        <translation>(Opcional) Puede conectar su dispositivo fuente al puerto USB-C (alimentación) para cargar un portátil por PD.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Hardware Overview</source>
        <translation>Descripción del hardware</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Installation</source>
        <translation>Instalación</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>Computers connected to the switch</source>
        <translation>Ordenadores conectados al conmutador</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Can be found at [Support] -&gt; [Quick Start Guide]</source>
        <translation>Disponible en [Soporte] -&gt; [Guía de inicio rápido]</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Finish</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next</source>
        <translation>Siguiente</translation>
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
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>confirm_dialog_control</name>
    <message>
        <location filename="../Qml/confirm_dialog_control.qml" line="+66"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>keys_control</name>
    <message>
        <location filename="../Qml/keys_control.qml" line="+65"/>
        <source>Not support key.</source>
        <translation>Tecla no admitida.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+30"/>
        <source>Conflict to system hotkey.</source>
        <translation>Entra en conflicto con un atajo del sistema.</translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+18"/>
        <source>Please enter combination key.</source>
        <translation>Introduzca una combinación de teclas.</translation>
    </message>
    <message>
        <location line="-85"/>
        <location line="+128"/>
        <source>Hotkey Edit</source>
        <translation>Editar atajo de teclado</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Click the box to type the shortcut key.</source>
        <translation>Haga clic en el cuadro y pulse el atajo.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+37"/>
        <source>Device Switch</source>
        <translation>Cambiar de dispositivo</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Not set</source>
        <translation>Sin asignar</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../Qml/DialogHost.qml" line="+11"/>
        <location line="+20"/>
        <location filename="../Qml/main.qml" line="+192"/>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Actualización de firmware</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch now reports firmware version @.</source>
        <translation>El conmutador indica ahora la versión de firmware @.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch still reports firmware version @: the firmware is unchanged.</source>
        <translation>El conmutador sigue indicando la versión de firmware @: el firmware no ha cambiado.</translation>
    </message>
    <message>
        <location filename="../Qml/main.qml" line="-55"/>
        <source>The change could not be saved: the home folder is full or read-only.</source>
        <translation>No se pudo guardar el cambio: la carpeta personal está llena o es de solo lectura.</translation>
    </message>
    <message>
        <location line="+53"/>
        <location filename="../Qml/TrayControl.qml" line="+69"/>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to quit @?</source>
        <translation>¿Seguro que desea salir de @?</translation>
    </message>
    <message>
        <location line="-54"/>
        <location filename="../Qml/UpgradeLauncher.qml" line="-12"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeLauncher.qml" line="+1"/>
        <source>Firmware upgrade file open failed.</source>
        <translation>No se pudo abrir el archivo de actualización del firmware.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch stays in upgrade mode: unplug it and plug it in again to leave upgrade mode, or start the upgrade tool again.</source>
        <translation>El conmutador sigue en modo de actualización: desconéctelo y vuelva a conectarlo para salir de ese modo, o inicie de nuevo la herramienta de actualización.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start Again</source>
        <translation>Iniciar de nuevo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location filename="../Qml/main.qml" line="+199"/>
        <source>No tray can show the icon on this desktop: @ keeps running minimised, so that the hotkey keeps working.</source>
        <translation>Este escritorio no tiene bandeja para mostrar el icono: @ sigue en ejecución minimizado para que el atajo siga funcionando.</translation>
    </message>
    <message>
        <location filename="../Qml/LogoBar.qml" line="+53"/>
        <location filename="../Qml/TrayControl.qml" line="-4"/>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <location filename="../Qml/HomePage.qml" line="+37"/>
        <source>Select Devices</source>
        <translation>Seleccionar dispositivo</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Searching for devices</source>
        <translation>Buscando dispositivos</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Firmware upgrade in progress: keep the switch connected</source>
        <translation>Actualización de firmware en curso: mantenga el conmutador conectado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No device detected</source>
        <translation>No se ha detectado ningún dispositivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please check the connection to the device.</source>
        <translation>Compruebe la conexión con el dispositivo.</translation>
    </message>
    <message>
        <location line="+119"/>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <location filename="../catalogue/descriptions.js" line="+6"/>
        <source>2-Port USB-C KVM Switch&lt;br&gt;DisplayPort 4K 60 Hz, USB-C PD charging</source>
        <translation>Conmutador KVM USB-C de 2 puertos&lt;br&gt;DisplayPort 4K 60 Hz, carga USB-C PD</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2-Port USB-C Dual-Display KVM Switch&lt;br&gt;Two DisplayPort 4K 60 Hz outputs, USB-C PD charging</source>
        <translation>Conmutador KVM USB-C de 2 puertos y doble pantalla&lt;br&gt;Dos salidas DisplayPort 4K 60 Hz, carga USB-C PD</translation>
    </message>
    <message>
        <location filename="../Qml/HomePage.qml" line="-105"/>
        <source>Search again</source>
        <translation>Buscar de nuevo</translation>
    </message>
    <message>
        <location filename="../Qml/CardOpenProblem.qml" line="+19"/>
        <source>This switch still cannot be opened.</source>
        <translation>Este conmutador sigue sin poder abrirse.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This switch cannot be opened.</source>
        <translation>Este conmutador no puede abrirse.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your user may not use it: the udev rule that gives access is missing. Install it with this command, then try again:</source>
        <translation>Su usuario no puede usarlo: falta la regla udev que da acceso. Instálela con este comando y vuelva a intentarlo:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your user has no access to it. Ask the administrator of this computer for access, then try again.</source>
        <translation>Su usuario no tiene acceso. Pida acceso al administrador de este ordenador y vuelva a intentarlo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another program is using it. Close that program, then try again.</source>
        <translation>Otro programa lo está usando. Cierre ese programa y vuelva a intentarlo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unplug it and plug it in again, then try again.</source>
        <translation>Desconéctelo, vuelva a conectarlo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Command that installs the udev rule</source>
        <translation>Comando que instala la regla udev</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Try again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <location filename="../Qml/Ports.js" line="+10"/>
        <source>Port @</source>
        <translation>Puerto @</translation>
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
        <translation>Elimina los problemas de imagen al arrancar y optimiza la resolución.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note: If you encounter any monitor compatibility issues when the Video Fitwell is enabled, please disable Video Fitwell.</source>
        <translation>Nota: si tiene problemas de compatibilidad con el monitor con Video Fitwell activado, desactive Video Fitwell.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DP lane </source>
        <translation>Carriles DP </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select suitable DP Lanes for current port.</source>
        <translation>Elija los carriles DP adecuados para el puerto actual.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB Silent Removal</source>
        <translation>Extracción USB silenciosa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove your USB devices without system prompt sound.</source>
        <translation>Extraiga sus dispositivos USB sin el sonido del sistema.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB Safely Removal</source>
        <translation>Extracción USB segura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Safely remove your USB devices.</source>
        <translation>Extraiga sus dispositivos USB de forma segura.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Not set</source>
        <translation>Sin asignar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The operation failed</source>
        <translation>Error en la operación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to control the device, please check the device connection.</source>
        <translation>No se pudo controlar el dispositivo. Compruebe la conexión con el dispositivo.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you encounter any monitor compatibility issues when the Video Fitwell is enabled, please disable Video Fitwell.</source>
        <translation>Si tiene problemas de compatibilidad con el monitor con Video Fitwell activado, desactive Video Fitwell.</translation>
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
        <translation>Restablecer valores predeterminados</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>Are you sure you want to reset the device setting to factory default?</source>
        <translation>¿Seguro que desea restablecer los valores de fábrica del dispositivo?</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+134"/>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <location line="-122"/>
        <source>Reset success!</source>
        <translation>¡Restablecido!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reset to default successfully!</source>
        <translation>¡Valores predeterminados restablecidos!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset failed</source>
        <translation>Error al restablecer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to reset the device, please check the device connection.</source>
        <translation>No se pudo restablecer el dispositivo. Compruebe la conexión con el dispositivo.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Switch Hotkey</source>
        <translation>Atajo de cambio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hotkeys for switching between devices.</source>
        <translation>Atajos para cambiar entre dispositivos.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The desktop does not allow global shortcuts for this program.</source>
        <translation>El escritorio no permite atajos globales a este programa.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allow @ to use global shortcuts in your desktop&apos;s settings, or log in with an X11 session; until then the hotkey works only while the window has the focus.</source>
        <translation>Permita que @ use atajos globales en la configuración del escritorio o inicie una sesión X11; hasta entonces, el atajo solo funciona mientras la ventana tiene el foco.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Reset the settings to default.</source>
        <translation>Restablecer la configuración predeterminada.</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>2 Lane:support USB 3.0 up to 4K@60</source>
        <translation>2 carriles: USB 3.0, hasta 4K@60</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>4 Lane:support USB 2.0 up to 4K@60</source>
        <translation>4 carriles: USB 2.0, hasta 4K@60</translation>
    </message>
</context>
<context>
    <name>product_faq</name>
    <message>
        <location filename="../Qml/product_faq.qml" line="+60"/>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+76"/>
        <location line="+11"/>
        <source>FAQ</source>
        <translation>Preguntas frecuentes</translation>
    </message>
    <message>
        <location line="-50"/>
        <location line="+8"/>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>No questions match your search.</source>
        <translation>Ninguna pregunta coincide con la búsqueda.</translation>
    </message>
</context>
<context>
    <name>product_frame</name>
    <message>
        <location filename="../Qml/product_frame.qml" line="+120"/>
        <source>Version is up to date!</source>
        <translation>¡Versión actualizada!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Current firmware is the latest version.</source>
        <translation>El firmware actual es la última versión.</translation>
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
        <translation>Mantenimiento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Support</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Home</source>
        <translation>Inicio</translation>
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
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <location line="-192"/>
        <source>Make a local copy of your device settings.</source>
        <translation>Guarde una copia local de la configuración del dispositivo.</translation>
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
        <translation>Restaure la configuración del dispositivo desde una copia de seguridad.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Input the file name</source>
        <translation>Introduzca el nombre del archivo</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Select a file</source>
        <translation>Seleccionar archivo</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Backup successfully!</source>
        <translation>¡Copia de seguridad creada!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Failed to backup setting.</source>
        <translation>No se pudo guardar la configuración.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The file is not a settings backup.</source>
        <translation>El archivo no es una copia de seguridad de la configuración.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The backup file is damaged.</source>
        <translation>El archivo de copia de seguridad está dañado.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The backup was made for another model.</source>
        <translation>La copia de seguridad se hizo para otro modelo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to restore setting.</source>
        <translation>No se pudo restaurar la configuración.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Setting from [@] restored successfully!</source>
        <translation>¡Configuración de [@] restaurada!</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+11"/>
        <source>List Files (*.kvm)</source>
        <translation>Copias de seguridad (*.kvm)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Firmware Version</source>
        <translation>Versión del firmware</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Checking</source>
        <translation>Comprobando</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed: the firmware service reported an error, please try again later.</source>
        <translation>Error: el servicio de firmware informó de un error; inténtelo más tarde.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed: the firmware service&apos;s answer could not be read.</source>
        <translation>Error: no se pudo leer la respuesta del servicio de firmware.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed, please confirm the network connection.</source>
        <translation>Error. Compruebe la conexión de red.</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Check for latest version.</source>
        <translation>Buscar la última versión.</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+1"/>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
</context>
<context>
    <name>product_setting</name>
    <message>
        <location filename="../Qml/product_setting.qml" line="+45"/>
        <location line="+72"/>
        <location line="+17"/>
        <source>Launch at Startup</source>
        <translation>Iniciar con el sistema</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>Failed to launch at startup, please try again.</source>
        <translation>No se pudo activar el inicio automático. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Run @ automatically at startup.</source>
        <translation>Iniciar @ automáticamente con el sistema.</translation>
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
        <translation>Quiénes somos</translation>
    </message>
</context>
<context>
    <name>product_support</name>
    <message>
        <location filename="../Qml/product_support.qml" line="+22"/>
        <source>Quick Start Guide</source>
        <translation>Guía de inicio rápido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Assist you to quickly understand and use the device.</source>
        <translation>Le ayuda a conocer y usar el dispositivo rápidamente.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User Manual</source>
        <translation>Manual de usuario</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The complete user manual.</source>
        <translation>El manual de usuario completo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>FAQ</source>
        <translation>Preguntas frecuentes</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Knowledgebase and Customer Support</source>
        <translation>Base de conocimientos y atención al cliente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Look up FAQ to help you solve the problems.</source>
        <translation>Consulte las preguntas frecuentes para resolver sus problemas.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>eService Help</source>
        <translation>Ayuda de eService</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Support &amp; Additional Contacts</source>
        <translation>Soporte y otros contactos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect to eService to report the problems.</source>
        <translation>Informe de sus problemas a través de eService.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To access the contact information for Service Support.</source>
        <translation>Consulte los datos de contacto del servicio de soporte.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Log Export</source>
        <translation>Exportar registro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Attach log files can help customer service solve your problems faster.</source>
        <translation>Adjuntar los archivos de registro ayuda al servicio de atención al cliente a resolver antes su problema.</translation>
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
        <translation>Soporte</translation>
    </message>
</context>
<context>
    <name>upgrade_info</name>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="+36"/>
        <location line="+22"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+30"/>
        <location line="+40"/>
        <source>Firmware upgrade file open failed.</source>
        <translation>No se pudo abrir el archivo de actualización del firmware.</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>Set upgrade mode failed, please check the device connection.</source>
        <translation>No se pudo activar el modo de actualización. Compruebe la conexión con el dispositivo.</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeOffer.qml" line="+26"/>
        <location line="+8"/>
        <source>New Firmware Version</source>
        <translation>Nueva versión del firmware</translation>
    </message>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="+96"/>
        <location filename="../Qml/UpgradeOffer.qml" line="+7"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeOffer.qml" line="+17"/>
        <source>Offered version: @</source>
        <translation>Versión ofrecida: @</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Please read the following carefully before downloading.</source>
        <translation>Lea atentamente lo siguiente antes de descargar.</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+3"/>
        <source>Licence terms</source>
        <translation>Términos de la licencia</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&lt;p&gt;&lt;b&gt;Firmware Licence&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Copyright © @. All rights reserved except as granted below.&lt;/p&gt;&lt;p&gt;Permission is granted, free of charge, to anyone who owns a switch of this kind to download this firmware and its upgrade tool, to install the firmware on that switch and to keep copies of both for that purpose.&lt;/p&gt;&lt;p&gt;The firmware and the tool are provided &lt;b&gt;as is&lt;/b&gt;, without warranty of any kind, express or implied, including fitness for a particular purpose. In no event shall the authors be liable for any claim, damages or other liability arising from their use.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Before you start&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Keep the switch connected to power and to this computer until the tool reports that it has finished.&lt;/li&gt;&lt;li&gt;Do not switch ports while the firmware is written.&lt;/li&gt;&lt;li&gt;Your settings stay in place; a backup on the Maintenance page keeps a copy.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;By choosing &quot;Download&quot; you accept these terms.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Licencia del firmware&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Copyright © @. Todos los derechos reservados, salvo los que se conceden a continuación.&lt;/p&gt;&lt;p&gt;Se concede a cualquier propietario de un conmutador de este tipo, de forma gratuita, permiso para descargar este firmware y su herramienta de actualización, instalar el firmware en dicho conmutador y conservar copias de ambos con ese fin.&lt;/p&gt;&lt;p&gt;El firmware y la herramienta se proporcionan &lt;b&gt;tal cual&lt;/b&gt;, sin garantía de ningún tipo, expresa o implícita, incluida la idoneidad para un fin determinado. En ningún caso los autores serán responsables de reclamaciones, daños u otras responsabilidades derivadas de su uso.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Antes de empezar&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Mantenga el conmutador conectado a la corriente y a este ordenador hasta que la herramienta indique que ha terminado.&lt;/li&gt;&lt;li&gt;No cambie de puerto mientras se escribe el firmware.&lt;/li&gt;&lt;li&gt;Su configuración se conserva; una copia de seguridad en la página Mantenimiento guarda una copia.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Al elegir «Descargar» acepta estas condiciones.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>About this version</source>
        <translation>Acerca de esta versión</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Note: Only supports firmware updates for computers on Port 1.</source>
        <translation>Nota: solo se puede actualizar el firmware desde el ordenador del puerto 1.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The upgrade tool is a Windows program: on this system, upgrade from a Windows computer on the switch&apos;s Port 1.</source>
        <translation>La herramienta de actualización es un programa de Windows: en este sistema, actualice desde un equipo Windows conectado al puerto 1 del conmutador.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Skip this version</source>
        <translation>Omitir esta versión</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Remind me later</source>
        <translation>Recordármelo más tarde</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="-166"/>
        <source>Fail to download file. Please check your internet connection and try again later.</source>
        <translation>No se pudo descargar el archivo. Compruebe su conexión a Internet e inténtelo más tarde.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The switch was disconnected, so the download has ended.</source>
        <translation>El conmutador se desconectó, así que la descarga ha terminado.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect the switch again and check for the new firmware again.</source>
        <translation>Vuelva a conectar el conmutador y busque de nuevo el firmware nuevo.</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>The upgrade tool could not be saved: the temporary folder is full or read-only.</source>
        <translation>No se pudo guardar la herramienta de actualización: la carpeta temporal está llena o es de solo lectura.</translation>
    </message>
    <message>
        <location line="+50"/>
        <location line="+8"/>
        <source>Downloading</source>
        <translation>Descargando</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Download progress</source>
        <translation>Progreso de la descarga</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
