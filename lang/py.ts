<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>ActivePortRow</name>
    <message>
        <location filename="../Qml/ActivePortRow.qml" line="+23"/>
        <source>Active Port</source>
        <translation>Активный порт</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Active</source>
        <translation>Активен</translation>
    </message>
</context>
<context>
    <name>CardScrollBar</name>
    <message>
        <location filename="../Qml/CardScrollBar.qml" line="+15"/>
        <source>Devices</source>
        <translation>Устройства</translation>
    </message>
</context>
<context>
    <name>Faq</name>
    <message>
        <location filename="../Qml/Faq.js" line="+11"/>
        <source>Q1. What kind of computers support QV5830?</source>
        <translation>В1. Какие компьютеры поддерживает QV5830?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Any computer whose USB-C port carries DisplayPort Alt Mode video:<byte value="xd"/>
-Windows 10 and Windows 11 laptops and desktops<byte value="xd"/>
-Mac computers with USB-C or Thunderbolt 3 and 4 ports, on macOS 11 or later<byte value="xd"/>
-Chromebooks and Linux computers whose USB-C port outputs video<byte value="xd"/>
A USB-C port that carries data only gives keyboard and mouse, but no picture on the display.</source>
        <translation>Любой компьютер, порт USB-C которого передаёт видео в режиме DisplayPort Alt Mode:<byte value="xd"/>
-ноутбуки и настольные ПК с Windows 10 и Windows 11<byte value="xd"/>
-компьютеры Mac с портами USB-C или Thunderbolt 3 и 4 на macOS 11 или новее<byte value="xd"/>
-Chromebook и компьютеры с Linux, порт USB-C которых выводит видео<byte value="xd"/>
Порт USB-C, передающий только данные, обеспечивает работу клавиатуры и мыши, но изображения на мониторе не будет.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q2. What kind of Smartphone / Tablet support QV5830?</source>
        <translation>В2. Какие смартфоны и планшеты поддерживает QV5830?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Smartphones and tablets whose USB-C port outputs DisplayPort Alt Mode video:<byte value="xd"/>
-Tablets on iPadOS with a USB-C port<byte value="xd"/>
-Android smartphones and tablets that offer a desktop or screen mirroring mode over USB-C<byte value="xd"/>
Devices without video output over USB-C can still use the keyboard and mouse.</source>
        <translation>Смартфоны и планшеты, порт USB-C которых выводит видео в режиме DisplayPort Alt Mode:<byte value="xd"/>
-планшеты на iPadOS с портом USB-C<byte value="xd"/>
-смартфоны и планшеты на Android с режимом рабочего стола или дублирования экрана через USB-C<byte value="xd"/>
Устройства без видеовыхода через USB-C всё равно могут использовать клавиатуру и мышь.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q3. How much power does QV5830 supply on Port 2?</source>
        <translation>В3. Какую мощность QV5830 подаёт на порт 2?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Port 2 supplies 5V at up to 1.5A, 7.5W, to the connected device.<byte value="xd"/>
This keeps a smartphone or tablet charged while it is in use, but it does not charge a laptop.<byte value="xd"/>
Connect a laptop that needs charging to Port 1.</source>
        <translation>Порт 2 подаёт на подключённое устройство 5 В до 1,5 А, то есть 7,5 Вт.<byte value="xd"/>
Этого достаточно, чтобы смартфон или планшет не разряжался во время работы, но ноутбук так не зарядится.<byte value="xd"/>
Ноутбук, которому нужна зарядка, подключайте к порту 1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q4. Is there any USB-PD function supported by QV5830?</source>
        <translation>В4. Поддерживает ли QV5830 USB-PD?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes, Port 1 supports USB Power Delivery:<byte value="xd"/>
-Connect a USB-C PD power adapter to the USB-C power port<byte value="xd"/>
-The laptop on Port 1 then charges at 5V, 9V, 15V or 20V<byte value="xd"/>
An adapter over 65W is recommended; it is not supplied in the package.</source>
        <translation>Да, порт 1 поддерживает USB Power Delivery:<byte value="xd"/>
-подключите адаптер питания USB-C PD к порту питания USB-C<byte value="xd"/>
-ноутбук на порту 1 будет заряжаться напряжением 5, 9, 15 или 20 В<byte value="xd"/>
Рекомендуется адаптер мощностью более 65 Вт; он не входит в комплект.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q5. Does QV5830 support active / passive video converter?</source>
        <translation>В5. Поддерживает ли QV5830 активные и пассивные видеоадаптеры?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The DisplayPort output works with active video converters only:<byte value="xd"/>
-Active DisplayPort to HDMI, DVI or VGA adapters convert the signal and work<byte value="xd"/>
-Passive adapters need a dual-mode output, which this port does not provide, and show no picture<byte value="xd"/>
Where the display allows, connect it with a DisplayPort cable.</source>
        <translation>Выход DisplayPort работает только с активными видеоадаптерами:<byte value="xd"/>
-активные адаптеры DisplayPort — HDMI, DVI или VGA преобразуют сигнал и работают<byte value="xd"/>
-пассивным адаптерам нужен выход Dual-Mode, которого у этого порта нет, поэтому изображения не будет<byte value="xd"/>
Если монитор позволяет, подключите его кабелем DisplayPort.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q6. How to change 2Lane DP to 4Lane DP support on QV5830?</source>
        <translation>В6. Как переключить QV5830 с 2-линейного DP на 4-линейный?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Long press port selection button for 3 sec. and wait for LED flash:<byte value="xd"/>
-2 Lane mode -&gt; Port1 &amp; Port 2 LED flash 1 time<byte value="xd"/>
-4 Lane mode -&gt; Port1 &amp; Port 2 LED flash 2 times.</source>
        <translation>Удерживайте кнопку выбора порта 3 секунды и дождитесь мигания индикаторов:<byte value="xd"/>
-режим 2 линий -&gt; индикаторы Port 1 и Port 2 мигнут 1 раз<byte value="xd"/>
-режим 4 линий -&gt; индикаторы Port 1 и Port 2 мигнут 2 раза.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q7. Does it support Nintendo Switch?</source>
        <translation>В7. Поддерживается ли Nintendo Switch?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No, it does not support Nintendo Switch.</source>
        <translation>Нет, Nintendo Switch не поддерживается.</translation>
    </message>
</context>
<context>
    <name>GuidePage</name>
    <message>
        <location filename="../Qml/GuidePage.qml" line="+24"/>
        <source>USB Type-A ports</source>
        <translation>Порты USB Type-A</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>jack for port switch button</source>
        <translation>гнездо кнопки выбора порта</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DisplayPort out</source>
        <translation>выход DisplayPort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USB-C port (source 2)</source>
        <translation>порт USB-C (источник 2)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>USB-C port (source 1)</source>
        <translation>порт USB-C (источник 1)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>USB-C port (power)*</source>
        <translation>порт USB-C (питание)*</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>power jack</source>
        <translation>гнездо питания</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>port 1 status LED</source>
        <translation>индикатор состояния порта 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>port 2 status LED</source>
        <translation>индикатор состояния порта 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect up to 4 USB peripherals such as a USB mouse, USB keyboard, printer, or external hard drive to the unit’s USB Type-A ports.</source>
        <translation>Подключите к портам USB Type-A устройства до 4 периферийных USB-устройств: мышь, клавиатуру, принтер или внешний жёсткий диск.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect a USB-C source device to the unit’s USB-C port (source 1).</source>
        <translation>Подключите устройство-источник USB-C к порту USB-C (источник 1).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect a DisplayPort-enabled display to the unit’s DisplayPort output port.</source>
        <translation>Подключите монитор с поддержкой DisplayPort к выходу DisplayPort устройства.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This USB-C port (power) supports USB-C PD laptop charging at 5V, 9V, 15V, and 20V output, and the USB-C power adapter is not supplied in the package.</source>
        <translation>Этот порт USB-C (питание) поддерживает зарядку ноутбуков по USB-C PD напряжением 5, 9, 15 и 20 В; адаптер питания USB-C не входит в комплект.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For device charging, a Limited Power Source (LPS) certified USB-C PD Power Adapter over 65 watts is recommended. The system power requirement for basic USB functions and video output should be at least 5V, 3A.</source>
        <translation>Для зарядки устройств рекомендуется адаптер питания USB-C PD мощностью более 65 Вт с сертификацией Limited Power Source (LPS). Для базовых функций USB и вывода видео системе нужно не менее 5 В, 3 А.</translation>
    </message>
    <message>
        <location line="+126"/>
        <source>Make sure each device has installed @ Portview and connected to @ KVM correctly.</source>
        <translation>Убедитесь, что на каждом устройстве установлен @ Portview и что каждое правильно подключено к @ KVM.</translation>
    </message>
    <message>
        <location line="-133"/>
        <source>Connect another USB-C source device to the unit’s USB-C port (source 2).</source>
        <translation>Подключите второе устройство-источник USB-C к порту USB-C (источник 2).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect the supplied port switch button to the indicated jack.</source>
        <translation>Подключите кнопку выбора порта из комплекта к указанному гнезду.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect the power adapter to the unit’s power jack.</source>
        <translation>Подключите адаптер питания к гнезду питания устройства.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(Optional) You can connect your source device to the USB-C port (power) for PD laptop charging.</source>
        <translation>(Необязательно) Можно подключить устройство-источник к порту USB-C (питание), чтобы заряжать ноутбук по PD.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Hardware Overview</source>
        <translation>Обзор оборудования</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Installation</source>
        <translation>Установка</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Skip</source>
        <translation>Пропустить</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>Computers connected to the switch</source>
        <translation>Компьютеры, подключённые к переключателю</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Can be found at [Support] -&gt; [Quick Start Guide]</source>
        <translation>См. [Поддержка] -&gt; [Краткое руководство]</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Note</source>
        <translation>Примечание</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Finish</source>
        <translation>Готово</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
</context>
<context>
    <name>HeadControl</name>
    <message>
        <location filename="../Qml/HeadControl.qml" line="+136"/>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>confirm_dialog_control</name>
    <message>
        <location filename="../Qml/confirm_dialog_control.qml" line="+66"/>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>keys_control</name>
    <message>
        <location filename="../Qml/keys_control.qml" line="+65"/>
        <source>Not support key.</source>
        <translation>Клавиша не поддерживается.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+30"/>
        <source>Conflict to system hotkey.</source>
        <translation>Конфликт с системным сочетанием клавиш.</translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+18"/>
        <source>Please enter combination key.</source>
        <translation>Введите сочетание клавиш.</translation>
    </message>
    <message>
        <location line="-85"/>
        <location line="+128"/>
        <source>Hotkey Edit</source>
        <translation>Изменить сочетание клавиш</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Click the box to type the shortcut key.</source>
        <translation>Щёлкните поле и нажмите сочетание клавиш.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+37"/>
        <source>Device Switch</source>
        <translation>Переключение устройства</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Not set</source>
        <translation>Не задано</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../Qml/DialogHost.qml" line="+11"/>
        <location line="+20"/>
        <location filename="../Qml/main.qml" line="+192"/>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <location line="-19"/>
        <location filename="../Qml/main.qml" line="+0"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeLauncher.qml" line="+52"/>
        <source>Firmware Upgrade</source>
        <translation>Обновление прошивки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch now reports firmware version @.</source>
        <translation>Переключатель теперь сообщает версию прошивки @.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch still reports firmware version @: the firmware is unchanged.</source>
        <translation>Переключатель по-прежнему сообщает версию прошивки @: прошивка не изменилась.</translation>
    </message>
    <message>
        <location filename="../Qml/main.qml" line="-55"/>
        <source>The change could not be saved: the home folder is full or read-only.</source>
        <translation>Не удалось сохранить изменение: домашняя папка заполнена или доступна только для чтения.</translation>
    </message>
    <message>
        <location line="+53"/>
        <location filename="../Qml/TrayControl.qml" line="+69"/>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to quit @?</source>
        <translation>Выйти из @?</translation>
    </message>
    <message>
        <location line="-54"/>
        <location filename="../Qml/UpgradeLauncher.qml" line="-12"/>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeLauncher.qml" line="+1"/>
        <source>Firmware upgrade file open failed.</source>
        <translation>Не удалось открыть файл обновления прошивки.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch stays in upgrade mode: unplug it and plug it in again to leave upgrade mode, or start the upgrade tool again.</source>
        <translation>Переключатель остаётся в режиме обновления: отключите и снова подключите его, чтобы выйти из этого режима, или снова запустите программу обновления.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start Again</source>
        <translation>Запустить снова</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <location filename="../Qml/main.qml" line="+199"/>
        <source>No tray can show the icon on this desktop: @ keeps running minimised, so that the hotkey keeps working.</source>
        <translation>На этом рабочем столе нет области уведомлений для значка: @ продолжает работать в свёрнутом виде, чтобы сочетание клавиш работало.</translation>
    </message>
    <message>
        <location filename="../Qml/LogoBar.qml" line="+53"/>
        <location filename="../Qml/TrayControl.qml" line="-4"/>
        <source>Preferences</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <location filename="../Qml/HomePage.qml" line="+37"/>
        <source>Select Devices</source>
        <translation>Выбор устройства</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Searching for devices</source>
        <translation>Поиск устройств</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Firmware upgrade in progress: keep the switch connected</source>
        <translation>Идёт обновление прошивки: не отключайте переключатель</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No device detected</source>
        <translation>Устройства не обнаружены</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please check the connection to the device.</source>
        <translation>Проверьте подключение устройства.</translation>
    </message>
    <message>
        <location line="+119"/>
        <source>Connected</source>
        <translation>Подключено</translation>
    </message>
    <message>
        <location filename="../catalogue/descriptions.js" line="+6"/>
        <source>2-Port USB-C KVM Switch&lt;br&gt;DisplayPort 4K 60 Hz, USB-C PD charging</source>
        <translation>2-портовый KVM-переключатель USB-C&lt;br&gt;DisplayPort 4K 60 Гц, зарядка USB-C PD</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2-Port USB-C Dual-Display KVM Switch&lt;br&gt;Two DisplayPort 4K 60 Hz outputs, USB-C PD charging</source>
        <translation>2-портовый KVM-переключатель USB-C на два монитора&lt;br&gt;Два выхода DisplayPort 4K 60 Гц, зарядка USB-C PD</translation>
    </message>
    <message>
        <location filename="../Qml/HomePage.qml" line="-105"/>
        <source>Search again</source>
        <translation>Искать снова</translation>
    </message>
    <message>
        <location filename="../Qml/CardOpenProblem.qml" line="+19"/>
        <source>This switch still cannot be opened.</source>
        <translation>Этот переключатель по-прежнему не удаётся открыть.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This switch cannot be opened.</source>
        <translation>Этот переключатель не удаётся открыть.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your user may not use it: the udev rule that gives access is missing. Install it with this command, then try again:</source>
        <translation>Вашему пользователю он недоступен: нет правила udev, дающего доступ. Установите его этой командой и повторите попытку:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your user has no access to it. Ask the administrator of this computer for access, then try again.</source>
        <translation>У вашего пользователя нет к нему доступа. Попросите доступ у администратора этого компьютера и повторите попытку.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another program is using it. Close that program, then try again.</source>
        <translation>Его использует другая программа. Закройте эту программу и повторите попытку.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unplug it and plug it in again, then try again.</source>
        <translation>Отключите его, подключите снова и повторите попытку.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Command that installs the udev rule</source>
        <translation>Команда установки правила udev</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Try again</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <location filename="../Qml/Ports.js" line="+10"/>
        <source>Port @</source>
        <translation>Порт @</translation>
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
        <translation>Устраняет проблемы с изображением при загрузке и оптимизирует разрешение.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note: If you encounter any monitor compatibility issues when the Video Fitwell is enabled, please disable Video Fitwell.</source>
        <translation>Примечание: если при включённом Video Fitwell возникают проблемы совместимости с монитором, отключите Video Fitwell.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DP lane </source>
        <translation>Линии DP </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select suitable DP Lanes for current port.</source>
        <translation>Выберите число линий DP для текущего порта.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB Silent Removal</source>
        <translation>Тихое извлечение USB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove your USB devices without system prompt sound.</source>
        <translation>Извлечение USB-устройств без системного звука.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB Safely Removal</source>
        <translation>Безопасное извлечение USB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Safely remove your USB devices.</source>
        <translation>Безопасное извлечение USB-устройств.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Not set</source>
        <translation>Не задано</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The operation failed</source>
        <translation>Операция не выполнена</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to control the device, please check the device connection.</source>
        <translation>Не удалось управлять устройством. Проверьте подключение устройства.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Note</source>
        <translation>Примечание</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you encounter any monitor compatibility issues when the Video Fitwell is enabled, please disable Video Fitwell.</source>
        <translation>Если при включённом Video Fitwell возникают проблемы совместимости с монитором, отключите Video Fitwell.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+14"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+128"/>
        <source>Reset to Default</source>
        <translation>Сброс настроек</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>Are you sure you want to reset the device setting to factory default?</source>
        <translation>Сбросить настройки устройства до заводских?</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+134"/>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <location line="-122"/>
        <source>Reset success!</source>
        <translation>Сброс выполнен!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reset to default successfully!</source>
        <translation>Настройки по умолчанию восстановлены!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset failed</source>
        <translation>Не удалось сбросить</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to reset the device, please check the device connection.</source>
        <translation>Не удалось сбросить устройство. Проверьте подключение устройства.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Switch Hotkey</source>
        <translation>Клавиши переключения</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hotkeys for switching between devices.</source>
        <translation>Сочетание клавиш для переключения между устройствами.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The desktop does not allow global shortcuts for this program.</source>
        <translation>Рабочий стол не разрешает этой программе глобальные сочетания клавиш.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allow @ to use global shortcuts in your desktop&apos;s settings, or log in with an X11 session; until then the hotkey works only while the window has the focus.</source>
        <translation>Разрешите @ глобальные сочетания клавиш в настройках рабочего стола или войдите в сеанс X11; до тех пор сочетание работает, только пока окно в фокусе.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Reset the settings to default.</source>
        <translation>Сбросить настройки по умолчанию.</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>2 Lane:support USB 3.0 up to 4K@60</source>
        <translation>2 линии: USB 3.0, до 4K@60</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>4 Lane:support USB 2.0 up to 4K@60</source>
        <translation>4 линии: USB 2.0, до 4K@60</translation>
    </message>
</context>
<context>
    <name>product_faq</name>
    <message>
        <location filename="../Qml/product_faq.qml" line="+60"/>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+76"/>
        <location line="+11"/>
        <source>FAQ</source>
        <translation>Вопросы и ответы</translation>
    </message>
    <message>
        <location line="-50"/>
        <location line="+8"/>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>No questions match your search.</source>
        <translation>По вашему запросу вопросов не найдено.</translation>
    </message>
</context>
<context>
    <name>product_frame</name>
    <message>
        <location filename="../Qml/product_frame.qml" line="+120"/>
        <source>Version is up to date!</source>
        <translation>Версия актуальна!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Current firmware is the latest version.</source>
        <translation>Установлена последняя версия прошивки.</translation>
    </message>
    <message>
        <location filename="../Qml/product_device.qml" line="-153"/>
        <location filename="../Qml/product_frame.qml" line="+20"/>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <location filename="../Qml/product_frame.qml" line="+1"/>
        <source>Maintenance</source>
        <translation>Обслуживание</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Support</source>
        <translation>Поддержка</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Home</source>
        <translation>Главная</translation>
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
        <translation>Резервная копия</translation>
    </message>
    <message>
        <location line="-192"/>
        <source>Make a local copy of your device settings.</source>
        <translation>Сохраните локальную копию настроек устройства.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+81"/>
        <location line="+9"/>
        <source>Restore Device</source>
        <translation>Восстановление</translation>
    </message>
    <message>
        <location line="-90"/>
        <source>Restore device settings from your backup.</source>
        <translation>Восстановите настройки устройства из резервной копии.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Input the file name</source>
        <translation>Введите имя файла</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Select a file</source>
        <translation>Выберите файл</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Backup successfully!</source>
        <translation>Резервная копия создана!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Failed to backup setting.</source>
        <translation>Не удалось создать резервную копию настроек.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The file is not a settings backup.</source>
        <translation>Этот файл не является резервной копией настроек.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The backup file is damaged.</source>
        <translation>Файл резервной копии повреждён.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The backup was made for another model.</source>
        <translation>Резервная копия создана для другой модели.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to restore setting.</source>
        <translation>Не удалось восстановить настройки.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Setting from [@] restored successfully!</source>
        <translation>Настройки из [@] восстановлены!</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+11"/>
        <source>List Files (*.kvm)</source>
        <translation>Резервные копии (*.kvm)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Firmware Version</source>
        <translation>Версия прошивки</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Checking</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed: the firmware service reported an error, please try again later.</source>
        <translation>Ошибка: служба прошивки сообщила об ошибке, повторите попытку позже.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed: the firmware service&apos;s answer could not be read.</source>
        <translation>Ошибка: не удалось прочитать ответ службы прошивки.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed, please confirm the network connection.</source>
        <translation>Ошибка. Проверьте подключение к сети.</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Check for latest version.</source>
        <translation>Проверить наличие новой версии.</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+1"/>
        <source>Check</source>
        <translation>Проверить</translation>
    </message>
</context>
<context>
    <name>product_setting</name>
    <message>
        <location filename="../Qml/product_setting.qml" line="+45"/>
        <location line="+72"/>
        <location line="+17"/>
        <source>Launch at Startup</source>
        <translation>Запуск при входе в систему</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>Failed to launch at startup, please try again.</source>
        <translation>Не удалось включить автозапуск. Повторите попытку.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Run @ automatically at startup.</source>
        <translation>Автоматически запускать @ при входе в систему.</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+8"/>
        <location line="+28"/>
        <location line="+16"/>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>About Us</source>
        <translation>О нас</translation>
    </message>
</context>
<context>
    <name>product_support</name>
    <message>
        <location filename="../Qml/product_support.qml" line="+22"/>
        <source>Quick Start Guide</source>
        <translation>Краткое руководство</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Assist you to quickly understand and use the device.</source>
        <translation>Поможет быстро разобраться в устройстве и начать работу.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start</source>
        <translation>Начать</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User Manual</source>
        <translation>Руководство пользователя</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The complete user manual.</source>
        <translation>Полное руководство пользователя.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>FAQ</source>
        <translation>Вопросы и ответы</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Knowledgebase and Customer Support</source>
        <translation>База знаний и поддержка клиентов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Look up FAQ to help you solve the problems.</source>
        <translation>Найдите решение проблемы в разделе вопросов и ответов.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>eService Help</source>
        <translation>Справка eService</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Support &amp; Additional Contacts</source>
        <translation>Поддержка и другие контакты</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect to eService to report the problems.</source>
        <translation>Сообщите о проблеме через eService.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To access the contact information for Service Support.</source>
        <translation>Контактные данные службы поддержки.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Log Export</source>
        <translation>Экспорт журнала</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Attach log files can help customer service solve your problems faster.</source>
        <translation>Приложенные файлы журнала помогут службе поддержки быстрее решить вашу проблему.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <location line="+41"/>
        <location line="+11"/>
        <source>Support</source>
        <translation>Поддержка</translation>
    </message>
</context>
<context>
    <name>upgrade_info</name>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="+36"/>
        <location line="+22"/>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+30"/>
        <location line="+40"/>
        <source>Firmware upgrade file open failed.</source>
        <translation>Не удалось открыть файл обновления прошивки.</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>Set upgrade mode failed, please check the device connection.</source>
        <translation>Не удалось перейти в режим обновления. Проверьте подключение устройства.</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeOffer.qml" line="+26"/>
        <location line="+8"/>
        <source>New Firmware Version</source>
        <translation>Новая версия прошивки</translation>
    </message>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="+96"/>
        <location filename="../Qml/UpgradeOffer.qml" line="+7"/>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeOffer.qml" line="+17"/>
        <source>Offered version: @</source>
        <translation>Предлагаемая версия: @</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Please read the following carefully before downloading.</source>
        <translation>Перед загрузкой внимательно прочтите следующее.</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+3"/>
        <source>Licence terms</source>
        <translation>Условия лицензии</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&lt;p&gt;&lt;b&gt;Firmware Licence&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Copyright © @. All rights reserved except as granted below.&lt;/p&gt;&lt;p&gt;Permission is granted, free of charge, to anyone who owns a switch of this kind to download this firmware and its upgrade tool, to install the firmware on that switch and to keep copies of both for that purpose.&lt;/p&gt;&lt;p&gt;The firmware and the tool are provided &lt;b&gt;as is&lt;/b&gt;, without warranty of any kind, express or implied, including fitness for a particular purpose. In no event shall the authors be liable for any claim, damages or other liability arising from their use.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Before you start&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Keep the switch connected to power and to this computer until the tool reports that it has finished.&lt;/li&gt;&lt;li&gt;Do not switch ports while the firmware is written.&lt;/li&gt;&lt;li&gt;Your settings stay in place; a backup on the Maintenance page keeps a copy.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;By choosing &quot;Download&quot; you accept these terms.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Лицензия на прошивку&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Copyright © @. Все права защищены, кроме предоставленных ниже.&lt;/p&gt;&lt;p&gt;Любому владельцу переключателя этого типа бесплатно разрешается загрузить эту прошивку и средство её обновления, установить прошивку на этот переключатель и хранить копии обоих для этой цели.&lt;/p&gt;&lt;p&gt;Прошивка и средство обновления предоставляются &lt;b&gt;«как есть»&lt;/b&gt;, без каких-либо явных или подразумеваемых гарантий, включая пригодность для определённой цели. Авторы ни при каких обстоятельствах не несут ответственности по каким-либо претензиям, за ущерб или иные обязательства, возникающие в связи с их использованием.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Перед началом&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Не отключайте переключатель от питания и от этого компьютера, пока средство обновления не сообщит о завершении.&lt;/li&gt;&lt;li&gt;Не переключайте порты во время записи прошивки.&lt;/li&gt;&lt;li&gt;Ваши настройки сохранятся; резервная копия на странице «Обслуживание» сохранит их копию.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Нажимая «Загрузить», вы принимаете эти условия.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>About this version</source>
        <translation>Об этой версии</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Note: Only supports firmware updates for computers on Port 1.</source>
        <translation>Примечание: прошивку можно обновить только с компьютера на порту 1.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The upgrade tool is a Windows program: on this system, upgrade from a Windows computer on the switch&apos;s Port 1.</source>
        <translation>Программа обновления работает только в Windows: в этой системе обновляйте с компьютера Windows, подключённого к порту 1 переключателя.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Skip this version</source>
        <translation>Пропустить версию</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Remind me later</source>
        <translation>Напомнить позже</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Download</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="-166"/>
        <source>Fail to download file. Please check your internet connection and try again later.</source>
        <translation>Не удалось загрузить файл. Проверьте подключение к Интернету и повторите попытку позже.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The switch was disconnected, so the download has ended.</source>
        <translation>Переключатель отключён, поэтому загрузка прервана.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect the switch again and check for the new firmware again.</source>
        <translation>Подключите переключатель снова и ещё раз проверьте наличие новой прошивки.</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>The upgrade tool could not be saved: the temporary folder is full or read-only.</source>
        <translation>Не удалось сохранить программу обновления: временная папка заполнена или доступна только для чтения.</translation>
    </message>
    <message>
        <location line="+50"/>
        <location line="+8"/>
        <source>Downloading</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Download progress</source>
        <translation>Ход загрузки</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
</TS>
