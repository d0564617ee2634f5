<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>ActivePortRow</name>
    <message>
        <location filename="../Qml/ActivePortRow.qml" line="+23"/>
        <source>Active Port</source>
        <translation>作用中的連接埠</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Active</source>
        <translation>作用中</translation>
    </message>
</context>
<context>
    <name>CardScrollBar</name>
    <message>
        <location filename="../Qml/CardScrollBar.qml" line="+15"/>
        <source>Devices</source>
        <translation>裝置</translation>
    </message>
</context>
<context>
    <name>Faq</name>
    <message>
        <location filename="../Qml/Faq.js" line="+11"/>
        <source>Q1. What kind of computers support QV5830?</source>
        <translation>Q1. 哪些電腦支援 QV5830？</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Any computer whose USB-C port carries DisplayPort Alt Mode video:<byte value="xd"/>
-Windows 10 and Windows 11 laptops and desktops<byte value="xd"/>
-Mac computers with USB-C or Thunderbolt 3 and 4 ports, on macOS 11 or later<byte value="xd"/>
-Chromebooks and Linux computers whose USB-C port outputs video<byte value="xd"/>
A USB-C port that carries data only gives keyboard and mouse, but no picture on the display.</source>
        <translation>凡 USB-C 連接埠支援 DisplayPort Alt Mode 影像輸出的電腦皆可使用：<byte value="xd"/>
-Windows 10 與 Windows 11 筆記型電腦及桌上型電腦<byte value="xd"/>
-配備 USB-C 或 Thunderbolt 3、4 連接埠，且執行 macOS 11 或更新版本的 Mac 電腦<byte value="xd"/>
-USB-C 連接埠可輸出影像的 Chromebook 與 Linux 電腦<byte value="xd"/>
若 USB-C 連接埠僅能傳輸資料，鍵盤與滑鼠仍可使用，但顯示器不會有畫面。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q2. What kind of Smartphone / Tablet support QV5830?</source>
        <translation>Q2. 哪些智慧型手機／平板電腦支援 QV5830？</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Smartphones and tablets whose USB-C port outputs DisplayPort Alt Mode video:<byte value="xd"/>
-Tablets on iPadOS with a USB-C port<byte value="xd"/>
-Android smartphones and tablets that offer a desktop or screen mirroring mode over USB-C<byte value="xd"/>
Devices without video output over USB-C can still use the keyboard and mouse.</source>
        <translation>USB-C 連接埠可輸出 DisplayPort Alt Mode 影像的智慧型手機與平板電腦：<byte value="xd"/>
-配備 USB-C 連接埠、執行 iPadOS 的平板電腦<byte value="xd"/>
-可透過 USB-C 提供桌面模式或螢幕鏡像的 Android 智慧型手機與平板電腦<byte value="xd"/>
無法透過 USB-C 輸出影像的裝置，仍可使用鍵盤與滑鼠。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q3. How much power does QV5830 supply on Port 2?</source>
        <translation>Q3. QV5830 的 Port 2 供電多少？</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Port 2 supplies 5V at up to 1.5A, 7.5W, to the connected device.<byte value="xd"/>
This keeps a smartphone or tablet charged while it is in use, but it does not charge a laptop.<byte value="xd"/>
Connect a laptop that needs charging to Port 1.</source>
        <translation>Port 2 為所連接的裝置提供 5V、最高 1.5A，即 7.5W 的電力。<byte value="xd"/>
足以讓使用中的智慧型手機或平板電腦維持電量，但無法為筆記型電腦充電。<byte value="xd"/>
需要充電的筆記型電腦請連接至 Port 1。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q4. Is there any USB-PD function supported by QV5830?</source>
        <translation>Q4. QV5830 是否支援 USB-PD 功能？</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes, Port 1 supports USB Power Delivery:<byte value="xd"/>
-Connect a USB-C PD power adapter to the USB-C power port<byte value="xd"/>
-The laptop on Port 1 then charges at 5V, 9V, 15V or 20V<byte value="xd"/>
An adapter over 65W is recommended; it is not supplied in the package.</source>
        <translation>是的，Port 1 支援 USB Power Delivery：<byte value="xd"/>
-將 USB-C PD 電源變壓器連接至 USB-C 電源連接埠<byte value="xd"/>
-Port 1 上的筆記型電腦即可以 5V、9V、15V 或 20V 充電<byte value="xd"/>
建議使用 65W 以上的變壓器；包裝內不附變壓器。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q5. Does QV5830 support active / passive video converter?</source>
        <translation>Q5. QV5830 是否支援主動式／被動式影像轉換器？</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The DisplayPort output works with active video converters only:<byte value="xd"/>
-Active DisplayPort to HDMI, DVI or VGA adapters convert the signal and work<byte value="xd"/>
-Passive adapters need a dual-mode output, which this port does not provide, and show no picture<byte value="xd"/>
Where the display allows, connect it with a DisplayPort cable.</source>
        <translation>DisplayPort 輸出僅支援主動式影像轉換器：<byte value="xd"/>
-主動式 DisplayPort 轉 HDMI、DVI 或 VGA 轉接器會轉換訊號，可以使用<byte value="xd"/>
-被動式轉接器需要雙模輸出，此連接埠不提供，因此不會有畫面<byte value="xd"/>
若顯示器允許，請以 DisplayPort 線直接連接。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q6. How to change 2Lane DP to 4Lane DP support on QV5830?</source>
        <translation>Q6. 如何將 QV5830 的 2Lane DP 切換為 4Lane DP？</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Long press port selection button for 3 sec. and wait for LED flash:<byte value="xd"/>
-2 Lane mode -&gt; Port1 &amp; Port 2 LED flash 1 time<byte value="xd"/>
-4 Lane mode -&gt; Port1 &amp; Port 2 LED flash 2 times.</source>
        <translation>長按連接埠切換按鈕 3 秒，等待 LED 閃爍：<byte value="xd"/>
-2 Lane 模式 -&gt; Port1 與 Port 2 LED 閃爍 1 次<byte value="xd"/>
-4 Lane 模式 -&gt; Port1 與 Port 2 LED 閃爍 2 次。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q7. Does it support Nintendo Switch?</source>
        <translation>Q7. 是否支援 Nintendo Switch？</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No, it does not support Nintendo Switch.</source>
        <translation>不，不支援 Nintendo Switch。</translation>
    </message>
</context>
<context>
    <name>GuidePage</name>
    <message>
        <location filename="../Qml/GuidePage.qml" line="+24"/>
        <source>USB Type-A ports</source>
        <translation>USB Type-A 連接埠</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>jack for port switch button</source>
        <translation>連接埠切換按鈕插孔</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DisplayPort out</source>
        <translation>DisplayPort 輸出</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USB-C port (source 2)</source>
        <translation>USB-C 連接埠（來源 2）</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>USB-C port (source 1)</source>
        <translation>USB-C 連接埠（來源 1）</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>USB-C port (power)*</source>
        <translation>USB-C 連接埠（電源）*</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>power jack</source>
        <translation>電源插孔</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>port 1 status LED</source>
        <translation>連接埠 1 狀態指示燈</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>port 2 status LED</source>
        <translation>連接埠 2 狀態指示燈</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect up to 4 USB peripherals such as a USB mouse, USB keyboard, printer, or external hard drive to the unit’s USB Type-A ports.</source>
        <translation>將最多 4 個 USB 周邊裝置（例如 USB 滑鼠、USB 鍵盤、印表機或外接硬碟）連接到本機的 USB Type-A 連接埠。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect a USB-C source device to the unit’s USB-C port (source 1).</source>
        <translation>將一台 USB-C 來源裝置連接到本機的 USB-C 連接埠（來源 1）。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect a DisplayPort-enabled display to the unit’s DisplayPort output port.</source>
        <translation>將支援 DisplayPort 的顯示器連接到本機的 DisplayPort 輸出連接埠。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This USB-C port (power) supports USB-C PD laptop charging at 5V, 9V, 15V, and 20V output, and the USB-C power adapter is not supplied in the package.</source>
        <translation>此 USB-C 連接埠（電源）支援 USB-C PD 筆記型電腦充電，輸出 5V、9V、15V 與 20V；包裝內不附 USB-C 電源變壓器。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For device charging, a Limited Power Source (LPS) certified USB-C PD Power Adapter over 65 watts is recommended. The system power requirement for basic USB functions and video output should be at least 5V, 3A.</source>
        <translation>為裝置充電時，建議使用通過受限電源（LPS）認證、功率 65 瓦以上的 USB-C PD 電源變壓器。基本 USB 功能與影像輸出的系統電源需求至少為 5V、3A。</translation>
    </message>
    <message>
        <location line="+126"/>
        <source>Make sure each device has installed @ Portview and connected to @ KVM correctly.</source>
        <translation>請確認每台裝置都已安裝 @ Portview，並已正確連接到 @ KVM。</translation>
    </message>
    <message>
        <location line="-133"/>
        <source>Connect another USB-C source device to the unit’s USB-C port (source 2).</source>
        <translation>將另一台 USB-C 來源裝置連接到本機的 USB-C 連接埠（來源 2）。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect the supplied port switch button to the indicated jack.</source>
        <translation>將隨附的連接埠切換按鈕連接到標示的插孔。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect the power adapter to the unit’s power jack.</source>
        <translation>將電源變壓器連接到本機的電源插孔。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(Optional) You can connect your source device to the USB-C port (power) for PD laptop charging.</source>
        <translation>（選用）您可以將來源裝置連接到 USB-C 連接埠（電源），以 PD 為筆記型電腦充電。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Hardware Overview</source>
        <translation>硬體總覽</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Installation</source>
        <translation>安裝</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Skip</source>
        <translation>略過</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>Computers connected to the switch</source>
        <translation>連接到切換器的電腦</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Can be found at [Support] -&gt; [Quick Start Guide]</source>
        <translation>可在 [支援] -&gt; [快速入門指南] 中找到</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Note</source>
        <translation>注意</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Finish</source>
        <translation>完成</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
</context>
<context>
    <name>HeadControl</name>
    <message>
        <location filename="../Qml/HeadControl.qml" line="+136"/>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>confirm_dialog_control</name>
    <message>
        <location filename="../Qml/confirm_dialog_control.qml" line="+66"/>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>keys_control</name>
    <message>
        <location filename="../Qml/keys_control.qml" line="+65"/>
        <source>Not support key.</source>
        <translation>不支援此按鍵。</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+30"/>
        <source>Conflict to system hotkey.</source>
        <translation>與系統快速鍵衝突。</translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+18"/>
        <source>Please enter combination key.</source>
        <translation>請輸入組合鍵。</translation>
    </message>
    <message>
        <location line="-85"/>
        <location line="+128"/>
        <source>Hotkey Edit</source>
        <translation>編輯快速鍵</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Click the box to type the shortcut key.</source>
        <translation>按一下方框後輸入快速鍵。</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+37"/>
        <source>Device Switch</source>
        <translation>裝置切換</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Not set</source>
        <translation>未設定</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../Qml/DialogHost.qml" line="+11"/>
        <location line="+20"/>
        <location filename="../Qml/main.qml" line="+192"/>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <location line="-19"/>
        <location filename="../Qml/main.qml" line="+0"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeLauncher.qml" line="+52"/>
        <source>Firmware Upgrade</source>
        <translation>韌體升級</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch now reports firmware version @.</source>
        <translation>切換器現在回報的韌體版本為 @。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch still reports firmware version @: the firmware is unchanged.</source>
        <translation>切換器仍回報韌體版本 @：韌體未變更。</translation>
    </message>
    <message>
        <location filename="../Qml/main.qml" line="-55"/>
        <source>The change could not be saved: the home folder is full or read-only.</source>
        <translation>無法儲存此變更：主資料夾已滿或為唯讀。</translation>
    </message>
    <message>
        <location line="+53"/>
        <location filename="../Qml/TrayControl.qml" line="+69"/>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to quit @?</source>
        <translation>確定要結束 @ 嗎？</translation>
    </message>
    <message>
        <location line="-54"/>
        <location filename="../Qml/UpgradeLauncher.qml" line="-12"/>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeLauncher.qml" line="+1"/>
        <source>Firmware upgrade file open failed.</source>
        <translation>無法開啟韌體升級檔案。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch stays in upgrade mode: unplug it and plug it in again to leave upgrade mode, or start the upgrade tool again.</source>
        <translation>切換器仍處於升級模式：請拔下並重新插入切換器以離開升級模式，或再次啟動升級工具。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start Again</source>
        <translation>重新啟動</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <location filename="../Qml/main.qml" line="+199"/>
        <source>No tray can show the icon on this desktop: @ keeps running minimised, so that the hotkey keeps working.</source>
        <translation>此桌面沒有可顯示圖示的系統匣：@ 會最小化並繼續執行，讓快速鍵保持有效。</translation>
    </message>
    <message>
        <location filename="../Qml/LogoBar.qml" line="+53"/>
        <location filename="../Qml/TrayControl.qml" line="-4"/>
        <source>Preferences</source>
        <translation>偏好設定</translation>
    </message>
    <message>
        <location filename="../Qml/HomePage.qml" line="+37"/>
        <source>Select Devices</source>
        <translation>選擇裝置</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Searching for devices</source>
        <translation>正在搜尋裝置</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Firmware upgrade in progress: keep the switch connected</source>
        <translation>正在升級韌體：請保持切換器連接</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No device detected</source>
        <translation>未偵測到裝置</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please check the connection to the device.</source>
        <translation>請檢查裝置的連接。</translation>
    </message>
    <message>
        <location line="+119"/>
        <source>Connected</source>
        <translation>已連接</translation>
    </message>
    <message>
        <location filename="../catalogue/descriptions.js" line="+6"/>
        <source>2-Port USB-C KVM Switch&lt;br&gt;DisplayPort 4K 60 Hz, USB-C PD charging</source>
        <translation>2 埠 USB-C KVM 切換器&lt;br&gt;DisplayPort 4K 60 Hz，USB-C PD 充電</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2-Port USB-C Dual-Display KVM Switch&lt;br&gt;Two DisplayPort 4K 60 Hz outputs, USB-C PD charging</source>
        <translation>2 埠 USB-C 雙螢幕 KVM 切換器&lt;br&gt;兩個 DisplayPort 4K 60 Hz 輸出，USB-C PD 充電</translation>
    </message>
    <message>
        <location filename="../Qml/HomePage.qml" line="-105"/>
        <source>Search again</source>
        <translation>重新搜尋</translation>
    </message>
    <message>
        <location filename="../Qml/CardOpenProblem.qml" line="+19"/>
        <source>This switch still cannot be opened.</source>
        <translation>仍無法開啟此切換器。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This switch cannot be opened.</source>
        <translation>無法開啟此切換器。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your user may not use it: the udev rule that gives access is missing. Install it with this command, then try again:</source>
        <translation>您的使用者帳戶無權使用它：缺少授予存取權的 udev 規則。請以此命令安裝，然後再試一次：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your user has no access to it. Ask the administrator of this computer for access, then try again.</source>
        <translation>您的使用者帳戶無法存取它。請向此電腦的管理員要求存取權，然後再試一次。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another program is using it. Close that program, then try again.</source>
        <translation>另一個程式正在使用它。請關閉該程式，然後再試一次。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unplug it and plug it in again, then try again.</source>
        <translation>請拔除後重新插入，然後再試一次。</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Command that installs the udev rule</source>
        <translation>安裝 udev 規則的命令</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Try again</source>
        <translation>再試一次</translation>
    </message>
    <message>
        <location filename="../Qml/Ports.js" line="+10"/>
        <source>Port @</source>
        <translation>連接埠 @</translation>
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
        <translation>消除開機時的顯示問題並最佳化解析度。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note: If you encounter any monitor compatibility issues when the Video Fitwell is enabled, please disable Video Fitwell.</source>
        <translation>注意：啟用 Video Fitwell 後若遇到螢幕相容性問題，請停用 Video Fitwell。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DP lane </source>
        <translation>DP 通道 </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select suitable DP Lanes for current port.</source>
        <translation>為目前的連接埠選擇合適的 DP 通道數。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB Silent Removal</source>
        <translation>USB 靜音移除</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove your USB devices without system prompt sound.</source>
        <translation>移除 USB 裝置時不發出系統提示音。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB Safely Removal</source>
        <translation>USB 安全移除</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Safely remove your USB devices.</source>
        <translation>安全地移除您的 USB 裝置。</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Not set</source>
        <translation>未設定</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The operation failed</source>
        <translation>操作失敗</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to control the device, please check the device connection.</source>
        <translation>無法控制裝置，請檢查裝置的連接。</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Note</source>
        <translation>注意</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you encounter any monitor compatibility issues when the Video Fitwell is enabled, please disable Video Fitwell.</source>
        <translation>啟用 Video Fitwell 後若遇到螢幕相容性問題，請停用 Video Fitwell。</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+14"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+128"/>
        <source>Reset to Default</source>
        <translation>恢復預設值</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>Are you sure you want to reset the device setting to factory default?</source>
        <translation>確定要將裝置設定恢復為出廠預設值嗎？</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+134"/>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <location line="-122"/>
        <source>Reset success!</source>
        <translation>重設成功！</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reset to default successfully!</source>
        <translation>已成功恢復預設值！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset failed</source>
        <translation>重設失敗</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to reset the device, please check the device connection.</source>
        <translation>無法重設裝置，請檢查裝置的連接。</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Switch Hotkey</source>
        <translation>切換快速鍵</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hotkeys for switching between devices.</source>
        <translation>在裝置之間切換的快速鍵。</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The desktop does not allow global shortcuts for this program.</source>
        <translation>此桌面不允許本程式使用全域快速鍵。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allow @ to use global shortcuts in your desktop&apos;s settings, or log in with an X11 session; until then the hotkey works only while the window has the focus.</source>
        <translation>請在桌面設定中允許 @ 使用全域快速鍵，或改用 X11 工作階段登入；在此之前，快速鍵只在視窗取得焦點時有效。</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>System</source>
        <translation>系統</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Reset the settings to default.</source>
        <translation>將設定恢復為預設值。</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>2 Lane:support USB 3.0 up to 4K@60</source>
        <translation>2 通道：支援 USB 3.0，最高 4K@60</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>4 Lane:support USB 2.0 up to 4K@60</source>
        <translation>4 通道：支援 USB 2.0，最高 4K@60</translation>
    </message>
</context>
<context>
    <name>product_faq</name>
    <message>
        <location filename="../Qml/product_faq.qml" line="+60"/>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+76"/>
        <location line="+11"/>
        <source>FAQ</source>
        <translation>常見問題</translation>
    </message>
    <message>
        <location line="-50"/>
        <location line="+8"/>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>No questions match your search.</source>
        <translation>沒有符合搜尋的問題。</translation>
    </message>
</context>
<context>
    <name>product_frame</name>
    <message>
        <location filename="../Qml/product_frame.qml" line="+120"/>
        <source>Version is up to date!</source>
        <translation>已是最新版本！</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Current firmware is the latest version.</source>
        <translation>目前的韌體已是最新版本。</translation>
    </message>
    <message>
        <location filename="../Qml/product_device.qml" line="-153"/>
        <location filename="../Qml/product_frame.qml" line="+20"/>
        <source>Device</source>
        <translation>裝置</translation>
    </message>
    <message>
        <location filename="../Qml/product_frame.qml" line="+1"/>
        <source>Maintenance</source>
        <translation>維護</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Support</source>
        <translation>支援</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Home</source>
        <translation>首頁</translation>
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
        <translation>備份</translation>
    </message>
    <message>
        <location line="-192"/>
        <source>Make a local copy of your device settings.</source>
        <translation>將裝置設定備份到本機。</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+81"/>
        <location line="+9"/>
        <source>Restore Device</source>
        <translation>還原裝置</translation>
    </message>
    <message>
        <location line="-90"/>
        <source>Restore device settings from your backup.</source>
        <translation>從備份還原裝置設定。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restore</source>
        <translation>還原</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Input the file name</source>
        <translation>輸入檔案名稱</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Select a file</source>
        <translation>選擇檔案</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Backup successfully!</source>
        <translation>備份成功！</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Failed to backup setting.</source>
        <translation>無法備份設定。</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The file is not a settings backup.</source>
        <translation>此檔案不是設定備份。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The backup file is damaged.</source>
        <translation>備份檔案已損壞。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The backup was made for another model.</source>
        <translation>此備份是為其他型號建立的。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to restore setting.</source>
        <translation>無法還原設定。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Setting from [@] restored successfully!</source>
        <translation>已成功從 [@] 還原設定！</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+11"/>
        <source>List Files (*.kvm)</source>
        <translation>設定檔 (*.kvm)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Firmware Version</source>
        <translation>韌體版本</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Checking</source>
        <translation>正在檢查</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed: the firmware service reported an error, please try again later.</source>
        <translation>失敗：韌體服務回報錯誤，請稍後再試。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed: the firmware service&apos;s answer could not be read.</source>
        <translation>失敗：無法讀取韌體服務的回應。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed, please confirm the network connection.</source>
        <translation>檢查失敗，請確認網路連線。</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Check for latest version.</source>
        <translation>檢查是否有最新版本。</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+1"/>
        <source>Check</source>
        <translation>檢查</translation>
    </message>
</context>
<context>
    <name>product_setting</name>
    <message>
        <location filename="../Qml/product_setting.qml" line="+45"/>
        <location line="+72"/>
        <location line="+17"/>
        <source>Launch at Startup</source>
        <translation>開機時啟動</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>Failed to launch at startup, please try again.</source>
        <translation>無法設定開機時啟動，請再試一次。</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Run @ automatically at startup.</source>
        <translation>開機時自動執行 @。</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+8"/>
        <location line="+28"/>
        <location line="+16"/>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>About Us</source>
        <translation>關於我們</translation>
    </message>
</context>
<context>
    <name>product_support</name>
    <message>
        <location filename="../Qml/product_support.qml" line="+22"/>
        <source>Quick Start Guide</source>
        <translation>快速入門指南</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Assist you to quickly understand and use the device.</source>
        <translation>協助您快速了解並使用本裝置。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User Manual</source>
        <translation>使用手冊</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The complete user manual.</source>
        <translation>完整的使用手冊。</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>FAQ</source>
        <translation>常見問題</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Knowledgebase and Customer Support</source>
        <translation>知識庫與客戶支援</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Look up FAQ to help you solve the problems.</source>
        <translation>查閱常見問題，協助您解決問題。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>eService Help</source>
        <translation>eService 線上服務</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Support &amp; Additional Contacts</source>
        <translation>支援與其他聯絡方式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect to eService to report the problems.</source>
        <translation>連線至 eService 回報問題。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To access the contact information for Service Support.</source>
        <translation>取得服務支援的聯絡資訊。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Log Export</source>
        <translation>匯出記錄檔</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Attach log files can help customer service solve your problems faster.</source>
        <translation>附上記錄檔可協助客服人員更快解決您的問題。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <location line="+41"/>
        <location line="+11"/>
        <source>Support</source>
        <translation>支援</translation>
    </message>
</context>
<context>
    <name>upgrade_info</name>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="+36"/>
        <location line="+22"/>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+30"/>
        <location line="+40"/>
        <source>Firmware upgrade file open failed.</source>
        <translation>無法開啟韌體升級檔案。</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>Set upgrade mode failed, please check the device connection.</source>
        <translation>無法進入升級模式，請檢查裝置的連接。</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeOffer.qml" line="+26"/>
        <location line="+8"/>
        <source>New Firmware Version</source>
        <translation>新版韌體</translation>
    </message>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="+96"/>
        <location filename="../Qml/UpgradeOffer.qml" line="+7"/>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeOffer.qml" line="+17"/>
        <source>Offered version: @</source>
        <translation>提供的版本：@</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Please read the following carefully before downloading.</source>
        <translation>下載前請仔細閱讀以下內容。</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+3"/>
        <source>Licence terms</source>
        <translation>授權條款</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&lt;p&gt;&lt;b&gt;Firmware Licence&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Copyright © @. All rights reserved except as granted below.&lt;/p&gt;&lt;p&gt;Permission is granted, free of charge, to anyone who owns a switch of this kind to download this firmware and its upgrade tool, to install the firmware on that switch and to keep copies of both for that purpose.&lt;/p&gt;&lt;p&gt;The firmware and the tool are provided &lt;b&gt;as is&lt;/b&gt;, without warranty of any kind, express or implied, including fitness for a particular purpose. In no event shall the authors be liable for any claim, damages or other liability arising from their use.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Before you start&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Keep the switch connected to power and to this computer until the tool reports that it has finished.&lt;/li&gt;&lt;li&gt;Do not switch ports while the firmware is written.&lt;/li&gt;&lt;li&gt;Your settings stay in place; a backup on the Maintenance page keeps a copy.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;By choosing &quot;Download&quot; you accept these terms.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;韌體授權條款&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Copyright © @。除下列授權外，保留一切權利。&lt;/p&gt;&lt;p&gt;凡擁有此類切換器者，均可免費下載本韌體及其升級工具、將韌體安裝於該切換器，並為此目的保留兩者的副本。&lt;/p&gt;&lt;p&gt;本韌體與工具係&lt;b&gt;依現狀&lt;/b&gt;提供，不提供任何明示或默示的保證，包括適用於特定用途的保證。作者對於因使用本韌體與工具而產生的任何索賠、損害或其他責任，概不負責。&lt;/p&gt;&lt;p&gt;&lt;b&gt;開始之前&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;在工具回報完成之前，請保持切換器連接電源與本電腦。&lt;/li&gt;&lt;li&gt;寫入韌體期間請勿切換連接埠。&lt;/li&gt;&lt;li&gt;您的設定會保留；可在「維護」頁面備份一份副本。&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;選擇「下載」即表示您接受這些條款。&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>About this version</source>
        <translation>關於此版本</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Note: Only supports firmware updates for computers on Port 1.</source>
        <translation>注意：僅支援從連接埠 1 的電腦更新韌體。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The upgrade tool is a Windows program: on this system, upgrade from a Windows computer on the switch&apos;s Port 1.</source>
        <translation>升級工具是 Windows 程式：在此系統上，請從連接切換器連接埠 1 的 Windows 電腦進行升級。</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Skip this version</source>
        <translation>略過此版本</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Remind me later</source>
        <translation>稍後提醒我</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="-166"/>
        <source>Fail to download file. Please check your internet connection and try again later.</source>
        <translation>無法下載檔案。請檢查網際網路連線，稍後再試一次。</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The switch was disconnected, so the download has ended.</source>
        <translation>切換器已中斷連接，下載已結束。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect the switch again and check for the new firmware again.</source>
        <translation>請重新連接切換器，然後再次檢查新韌體。</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>The upgrade tool could not be saved: the temporary folder is full or read-only.</source>
        <translation>無法儲存升級工具：暫存資料夾已滿或為唯讀。</translation>
    </message>
    <message>
        <location line="+50"/>
        <location line="+8"/>
        <source>Downloading</source>
        <translation>正在下載</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Download progress</source>
        <translation>下載進度</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
