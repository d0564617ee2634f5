<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>ActivePortRow</name>
    <message>
        <location filename="../Qml/ActivePortRow.qml" line="+23"/>
        <source>Active Port</source>
        <translation>当前端口</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Active</source>
        <translation>当前</translation>
    </message>
</context>
<context>
    <name>CardScrollBar</name>
    <message>
        <location filename="../Qml/CardScrollBar.qml" line="+15"/>
        <source>Devices</source>
        <translation>设备</translation>
    </message>
</context>
<context>
    <name>Faq</name>
    <message>
        <location filename="../Qml/Faq.js" line="+11"/>
        <source>Q1. What kind of computers support QV5830?</source>
        <translation>Q1. 哪些电脑支持 QV5830？</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Any computer whose USB-C port carries DisplayPort Alt Mode video:<byte value="xd"/>
-Windows 10 and Windows 11 laptops and desktops<byte value="xd"/>
-Mac computers with USB-C or Thunderbolt 3 and 4 ports, on macOS 11 or later<byte value="xd"/>
-Chromebooks and Linux computers whose USB-C port outputs video<byte value="xd"/>
A USB-C port that carries data only gives keyboard and mouse, but no picture on the display.</source>
        <translation>USB-C 接口支持 DisplayPort Alt Mode 视频输出的电脑均可使用：<byte value="xd"/>
-Windows 10 和 Windows 11 笔记本电脑及台式机<byte value="xd"/>
-配备 USB-C 或 Thunderbolt 3、4 接口且运行 macOS 11 或更高版本的 Mac 电脑<byte value="xd"/>
-USB-C 接口可输出视频的 Chromebook 和 Linux 电脑<byte value="xd"/>
仅支持数据传输的 USB-C 接口可以使用键盘和鼠标，但显示器不会有画面。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q2. What kind of Smartphone / Tablet support QV5830?</source>
        <translation>Q2. 哪些智能手机／平板电脑支持 QV5830？</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Smartphones and tablets whose USB-C port outputs DisplayPort Alt Mode video:<byte value="xd"/>
-Tablets on iPadOS with a USB-C port<byte value="xd"/>
-Android smartphones and tablets that offer a desktop or screen mirroring mode over USB-C<byte value="xd"/>
Devices without video output over USB-C can still use the keyboard and mouse.</source>
        <translation>USB-C 接口可输出 DisplayPort Alt Mode 视频的智能手机和平板电脑：<byte value="xd"/>
-配备 USB-C 接口、运行 iPadOS 的平板电脑<byte value="xd"/>
-可通过 USB-C 提供桌面模式或屏幕镜像的 Android 智能手机和平板电脑<byte value="xd"/>
无法通过 USB-C 输出视频的设备仍可使用键盘和鼠标。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q3. How much power does QV5830 supply on Port 2?</source>
        <translation>Q3. QV5830 的 Port 2 供电多少？</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Port 2 supplies 5V at up to 1.5A, 7.5W, to the connected device.<byte value="xd"/>
This keeps a smartphone or tablet charged while it is in use, but it does not charge a laptop.<byte value="xd"/>
Connect a laptop that needs charging to Port 1.</source>
        <translation>Port 2 为所连接的设备提供 5V、最高 1.5A，即 7.5W 的电力。<byte value="xd"/>
足以让使用中的智能手机或平板电脑保持电量，但无法为笔记本电脑充电。<byte value="xd"/>
需要充电的笔记本电脑请连接到 Port 1。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q4. Is there any USB-PD function supported by QV5830?</source>
        <translation>Q4. QV5830 是否支持 USB-PD 功能？</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes, Port 1 supports USB Power Delivery:<byte value="xd"/>
-Connect a USB-C PD power adapter to the USB-C power port<byte value="xd"/>
-The laptop on Port 1 then charges at 5V, 9V, 15V or 20V<byte value="xd"/>
An adapter over 65W is recommended; it is not supplied in the package.</source>
        <translation>是的，Port 1 支持 USB Power Delivery：<byte value="xd"/>
-将 USB-C PD 电源适配器连接到 USB-C 电源接口<byte value="xd"/>
-Port 1 上的笔记本电脑即可以 5V、9V、15V 或 20V 充电<byte value="xd"/>
建议使用 65W 以上的适配器；包装内不含适配器。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q5. Does QV5830 support active / passive video converter?</source>
        <translation>Q5. QV5830 是否支持有源／无源视频转换器？</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The DisplayPort output works with active video converters only:<byte value="xd"/>
-Active DisplayPort to HDMI, DVI or VGA adapters convert the signal and work<byte value="xd"/>
-Passive adapters need a dual-mode output, which this port does not provide, and show no picture<byte value="xd"/>
Where the display allows, connect it with a DisplayPort cable.</source>
        <translation>DisplayPort 输出仅支持有源视频转换器：<byte value="xd"/>
-有源 DisplayPort 转 HDMI、DVI 或 VGA 转接器会转换信号，可以使用<byte value="xd"/>
-无源转接器需要双模输出，此接口不提供，因此不会有画面<byte value="xd"/>
如果显示器支持，请用 DisplayPort 线直接连接。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q6. How to change 2Lane DP to 4Lane DP support on QV5830?</source>
        <translation>Q6. 如何将 QV5830 的 2Lane DP 切换为 4Lane DP？</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Long press port selection button for 3 sec. and wait for LED flash:<byte value="xd"/>
-2 Lane mode -&gt; Port1 &amp; Port 2 LED flash 1 time<byte value="xd"/>
-4 Lane mode -&gt; Port1 &amp; Port 2 LED flash 2 times.</source>
        <translation>长按端口切换按钮 3 秒，等待 LED 闪烁：<byte value="xd"/>
-2 Lane 模式 -&gt; Port1 和 Port 2 LED 闪烁 1 次<byte value="xd"/>
-4 Lane 模式 -&gt; Port1 和 Port 2 LED 闪烁 2 次。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q7. Does it support Nintendo Switch?</source>
        <translation>Q7. 是否支持 Nintendo Switch？</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No, it does not support Nintendo Switch.</source>
        <translation>不，不支持 Nintendo Switch。</translation>
    </message>
</context>
<context>
    <name>GuidePage</name>
    <message>
        <location filename="../Qml/GuidePage.qml" line="+24"/>
        <source>USB Type-A ports</source>
        <translation>USB Type-A 接口</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>jack for port switch button</source>
        <translation>端口切换按钮插孔</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DisplayPort out</source>
        <translation>DisplayPort 输出</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USB-C port (source 2)</source>
        <translation>USB-C 接口（信号源 2）</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>USB-C port (source 1)</source>
        <translation>USB-C 接口（信号源 1）</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>USB-C port (power)*</source>
        <translation>USB-C 接口（电源）*</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>power jack</source>
        <translation>电源插孔</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>port 1 status LED</source>
        <translation>端口 1 状态指示灯</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>port 2 status LED</source>
        <translation>端口 2 状态指示灯</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect up to 4 USB peripherals such as a USB mouse, USB keyboard, printer, or external hard drive to the unit’s USB Type-A ports.</source>
        <translation>将最多 4 个 USB 外设（例如 USB 鼠标、USB 键盘、打印机或移动硬盘）连接到本机的 USB Type-A 接口。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect a USB-C source device to the unit’s USB-C port (source 1).</source>
        <translation>将一台 USB-C 信号源设备连接到本机的 USB-C 接口（信号源 1）。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect a DisplayPort-enabled display to the unit’s DisplayPort output port.</source>
        <translation>将支持 DisplayPort 的显示器连接到本机的 DisplayPort 输出接口。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This USB-C port (power) supports USB-C PD laptop charging at 5V, 9V, 15V, and 20V output, and the USB-C power adapter is not supplied in the package.</source>
        <translation>此 USB-C 接口（电源）支持 USB-C PD 笔记本电脑充电，输出 5V、9V、15V 和 20V；包装内不含 USB-C 电源适配器。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For device charging, a Limited Power Source (LPS) certified USB-C PD Power Adapter over 65 watts is recommended. The system power requirement for basic USB functions and video output should be at least 5V, 3A.</source>
        <translation>为设备充电时，建议使用通过受限电源（LPS）认证、功率 65 瓦以上的 USB-C PD 电源适配器。基本 USB 功能和视频输出的系统供电至少需要 5V、3A。</translation>
    </message>
    <message>
        <location line="+126"/>
        <source>Make sure each device has installed @ Portview and connected to @ KVM correctly.</source>
        <translation>请确认每台设备都已安装 @ Portview，并已正确连接到 @ KVM。</translation>
    </message>
    <message>
        <location line="-133"/>
        <source>Connect another USB-C source device to the unit’s USB-C port (source 2).</source>
        <translation>将另一台 USB-C 信号源设备连接到本机的 USB-C 接口（信号源 2）。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect the supplied port switch button to the indicated jack.</source>
        <translation>将随附的端口切换按钮连接到标示的插孔。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect the power adapter to the unit’s power jack.</source>
        <translation>将电源适配器连接到本机的电源插孔。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(Optional) You can connect your source device to the USB-C port (power) for PD laptop charging.</source>
        <translation>（可选）您可以将信号源设备连接到 USB-C 接口（电源），通过 PD 为笔记本电脑充电。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Hardware Overview</source>
        <translation>硬件概览</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Installation</source>
        <translation>安装</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Skip</source>
        <translation>跳过</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>Computers connected to the switch</source>
        <translation>连接到切换器的电脑</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Can be found at [Support] -&gt; [Quick Start Guide]</source>
        <translation>可在 [支持] -&gt; [快速入门指南] 中找到</translation>
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
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>confirm_dialog_control</name>
    <message>
        <location filename="../Qml/confirm_dialog_control.qml" line="+66"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>keys_control</name>
    <message>
        <location filename="../Qml/keys_control.qml" line="+65"/>
        <source>Not support key.</source>
        <translation>不支持此按键。</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+30"/>
        <source>Conflict to system hotkey.</source>
        <translation>与系统快捷键冲突。</translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+18"/>
        <source>Please enter combination key.</source>
        <translation>请输入组合键。</translation>
    </message>
    <message>
        <location line="-85"/>
        <location line="+128"/>
        <source>Hotkey Edit</source>
        <translation>编辑快捷键</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Click the box to type the shortcut key.</source>
        <translation>单击方框后输入快捷键。</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+37"/>
        <source>Device Switch</source>
        <translation>设备切换</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Not set</source>
        <translation>未设置</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../Qml/DialogHost.qml" line="+11"/>
        <location line="+20"/>
        <location filename="../Qml/main.qml" line="+192"/>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>固件升级</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch now reports firmware version @.</source>
        <translation>切换器现在报告的固件版本为 @。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch still reports firmware version @: the firmware is unchanged.</source>
        <translation>切换器仍报告固件版本 @：固件未更改。</translation>
    </message>
    <message>
        <location filename="../Qml/main.qml" line="-55"/>
        <source>The change could not be saved: the home folder is full or read-only.</source>
        <translation>无法保存此更改：主文件夹已满或为只读。</translation>
    </message>
    <message>
        <location line="+53"/>
        <location filename="../Qml/TrayControl.qml" line="+69"/>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to quit @?</source>
        <translation>确定要退出 @ 吗？</translation>
    </message>
    <message>
        <location line="-54"/>
        <location filename="../Qml/UpgradeLauncher.qml" line="-12"/>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeLauncher.qml" line="+1"/>
        <source>Firmware upgrade file open failed.</source>
        <translation>无法打开固件升级文件。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch stays in upgrade mode: unplug it and plug it in again to leave upgrade mode, or start the upgrade tool again.</source>
        <translation>切换器仍处于升级模式：请拔下并重新插入切换器以退出升级模式，或再次启动升级工具。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start Again</source>
        <translation>重新启动</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location filename="../Qml/main.qml" line="+199"/>
        <source>No tray can show the icon on this desktop: @ keeps running minimised, so that the hotkey keeps working.</source>
        <translation>此桌面没有可显示图标的系统托盘：@ 将最小化并继续运行，以便快捷键继续有效。</translation>
    </message>
    <message>
        <location filename="../Qml/LogoBar.qml" line="+53"/>
        <location filename="../Qml/TrayControl.qml" line="-4"/>
        <source>Preferences</source>
        <translation>偏好设置</translation>
    </message>
    <message>
        <location filename="../Qml/HomePage.qml" line="+37"/>
        <source>Select Devices</source>
        <translation>选择设备</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Searching for devices</source>
        <translation>正在搜索设备</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Firmware upgrade in progress: keep the switch connected</source>
        <translation>正在升级固件：请保持切换器连接</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No device detected</source>
        <translation>未检测到设备</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please check the connection to the device.</source>
        <translation>请检查设备的连接。</translation>
    </message>
    <message>
        <location line="+119"/>
        <source>Connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <location filename="../catalogue/descriptions.js" line="+6"/>
        <source>2-Port USB-C KVM Switch&lt;br&gt;DisplayPort 4K 60 Hz, USB-C PD charging</source>
        <translation>2 端口 USB-C KVM 切换器&lt;br&gt;DisplayPort 4K 60 Hz，USB-C PD 充电</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2-Port USB-C Dual-Display KVM Switch&lt;br&gt;Two DisplayPort 4K 60 Hz outputs, USB-C PD charging</source>
        <translation>2 端口 USB-C 双屏 KVM 切换器&lt;br&gt;两个 DisplayPort 4K 60 Hz 输出，USB-C PD 充电</translation>
    </message>
    <message>
        <location filename="../Qml/HomePage.qml" line="-105"/>
        <source>Search again</source>
        <translation>重新搜索</translation>
    </message>
    <message>
        <location filename="../Qml/CardOpenProblem.qml" line="+19"/>
        <source>This switch still cannot be opened.</source>
        <translation>仍无法打开此切换器。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This switch cannot be opened.</source>
        <translation>无法打开此切换器。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your user may not use it: the udev rule that gives access is missing. Install it with this command, then try again:</source>
        <translation>您的用户账户无权使用它：缺少授予访问权限的 udev 规则。请用此命令安装，然后重试：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your user has no access to it. Ask the administrator of this computer for access, then try again.</source>
        <translation>您的用户账户无法访问它。请向此电脑的管理员申请访问权限，然后重试。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another program is using it. Close that program, then try again.</source>
        <translation>另一个程序正在使用它。请关闭该程序，然后重试。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unplug it and plug it in again, then try again.</source>
        <translation>请拔下后重新插入，然后重试。</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Command that installs the udev rule</source>
        <translation>安装 udev 规则的命令</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Try again</source>
        <translation>重试</translation>
    </message>
    <message>
        <location filename="../Qml/Ports.js" line="+10"/>
        <source>Port @</source>
        <translation>端口 @</translation>
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
        <translation>消除开机时的显示问题并优化分辨率。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note: If you encounter any monitor compatibility issues when the Video Fitwell is enabled, please disable Video Fitwell.</source>
        <translation>注意：启用 Video Fitwell 后如遇到显示器兼容性问题，请停用 Video Fitwell。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DP lane </source>
        <translation>DP 通道 </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select suitable DP Lanes for current port.</source>
        <translation>为当前端口选择合适的 DP 通道数。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB Silent Removal</source>
        <translation>USB 静音移除</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove your USB devices without system prompt sound.</source>
        <translation>移除 USB 设备时不发出系统提示音。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB Safely Removal</source>
        <translation>USB 安全移除</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Safely remove your USB devices.</source>
        <translation>安全地移除您的 USB 设备。</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Not set</source>
        <translation>未设置</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The operation failed</source>
        <translation>操作失败</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to control the device, please check the device connection.</source>
        <translation>无法控制设备，请检查设备的连接。</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Note</source>
        <translation>注意</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you encounter any monitor compatibility issues when the Video Fitwell is enabled, please disable Video Fitwell.</source>
        <translation>启用 Video Fitwell 后如遇到显示器兼容性问题，请停用 Video Fitwell。</translation>
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
        <translation>恢复默认设置</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>Are you sure you want to reset the device setting to factory default?</source>
        <translation>确定要将设备设置恢复为出厂默认值吗？</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+134"/>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <location line="-122"/>
        <source>Reset success!</source>
        <translation>重置成功！</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reset to default successfully!</source>
        <translation>已成功恢复默认设置！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset failed</source>
        <translation>重置失败</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to reset the device, please check the device connection.</source>
        <translation>无法重置设备，请检查设备的连接。</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Switch Hotkey</source>
        <translation>切换快捷键</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hotkeys for switching between devices.</source>
        <translation>在设备之间切换的快捷键。</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The desktop does not allow global shortcuts for this program.</source>
        <translation>此桌面不允许本程序使用全局快捷键。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allow @ to use global shortcuts in your desktop&apos;s settings, or log in with an X11 session; until then the hotkey works only while the window has the focus.</source>
        <translation>请在桌面设置中允许 @ 使用全局快捷键，或改用 X11 会话登录；在此之前，快捷键仅在窗口获得焦点时有效。</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Reset the settings to default.</source>
        <translation>将设置恢复为默认值。</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>2 Lane:support USB 3.0 up to 4K@60</source>
        <translation>2 通道：支持 USB 3.0，最高 4K@60</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>4 Lane:support USB 2.0 up to 4K@60</source>
        <translation>4 通道：支持 USB 2.0，最高 4K@60</translation>
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
        <translation>常见问题</translation>
    </message>
    <message>
        <location line="-50"/>
        <location line="+8"/>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>No questions match your search.</source>
        <translation>没有与搜索匹配的问题。</translation>
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
        <translation>当前固件已是最新版本。</translation>
    </message>
    <message>
        <location filename="../Qml/product_device.qml" line="-153"/>
        <location filename="../Qml/product_frame.qml" line="+20"/>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <location filename="../Qml/product_frame.qml" line="+1"/>
        <source>Maintenance</source>
        <translation>维护</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Support</source>
        <translation>支持</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Home</source>
        <translation>首页</translation>
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
        <translation>备份</translation>
    </message>
    <message>
        <location line="-192"/>
        <source>Make a local copy of your device settings.</source>
        <translation>将设备设置备份到本地。</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+81"/>
        <location line="+9"/>
        <source>Restore Device</source>
        <translation>还原设备</translation>
    </message>
    <message>
        <location line="-90"/>
        <source>Restore device settings from your backup.</source>
        <translation>从备份还原设备设置。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Input the file name</source>
        <translation>输入文件名</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Select a file</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Backup successfully!</source>
        <translation>备份成功！</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Failed to backup setting.</source>
        <translation>无法备份设置。</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The file is not a settings backup.</source>
        <translation>此文件不是设置备份。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The backup file is damaged.</source>
        <translation>备份文件已损坏。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The backup was made for another model.</source>
        <translation>此备份是为其他型号创建的。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to restore setting.</source>
        <translation>无法还原设置。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Setting from [@] restored successfully!</source>
        <translation>已成功从 [@] 还原设置！</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+11"/>
        <source>List Files (*.kvm)</source>
        <translation>配置文件 (*.kvm)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Firmware Version</source>
        <translation>固件版本</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Checking</source>
        <translation>正在检查</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed: the firmware service reported an error, please try again later.</source>
        <translation>失败：固件服务报告错误，请稍后重试。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed: the firmware service&apos;s answer could not be read.</source>
        <translation>失败：无法读取固件服务的响应。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed, please confirm the network connection.</source>
        <translation>检查失败，请确认网络连接。</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Check for latest version.</source>
        <translation>检查是否有最新版本。</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+1"/>
        <source>Check</source>
        <translation>检查</translation>
    </message>
</context>
<context>
    <name>product_setting</name>
    <message>
        <location filename="../Qml/product_setting.qml" line="+45"/>
        <location line="+72"/>
        <location line="+17"/>
        <source>Launch at Startup</source>
        <translation>开机自动启动</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>Failed to launch at startup, please try again.</source>
        <translation>无法设置开机自动启动，请重试。</translation>
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
        <translation>开机时自动运行 @。</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+8"/>
        <location line="+28"/>
        <location line="+16"/>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>About Us</source>
        <translation>关于我们</translation>
    </message>
</context>
<context>
    <name>product_support</name>
    <message>
        <location filename="../Qml/product_support.qml" line="+22"/>
        <source>Quick Start Guide</source>
        <translation>快速入门指南</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Assist you to quickly understand and use the device.</source>
        <translation>帮助您快速了解和使用本设备。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User Manual</source>
        <translation>用户手册</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The complete user manual.</source>
        <translation>完整的用户手册。</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>FAQ</source>
        <translation>常见问题</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Knowledgebase and Customer Support</source>
        <translation>知识库与客户支持</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Look up FAQ to help you solve the problems.</source>
        <translation>查阅常见问题，帮助您解决问题。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>eService Help</source>
        <translation>eService 在线服务</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Support &amp; Additional Contacts</source>
        <translation>支持与其他联系方式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect to eService to report the problems.</source>
        <translation>连接 eService 反馈问题。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To access the contact information for Service Support.</source>
        <translation>获取服务支持的联系信息。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Log Export</source>
        <translation>导出日志</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Attach log files can help customer service solve your problems faster.</source>
        <translation>附上日志文件可以帮助客服更快解决您的问题。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <location line="+41"/>
        <location line="+11"/>
        <source>Support</source>
        <translation>支持</translation>
    </message>
</context>
<context>
    <name>upgrade_info</name>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="+36"/>
        <location line="+22"/>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+30"/>
        <location line="+40"/>
        <source>Firmware upgrade file open failed.</source>
        <translation>无法打开固件升级文件。</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>Set upgrade mode failed, please check the device connection.</source>
        <translation>无法进入升级模式，请检查设备的连接。</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeOffer.qml" line="+26"/>
        <location line="+8"/>
        <source>New Firmware Version</source>
        <translation>新版固件</translation>
    </message>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="+96"/>
        <location filename="../Qml/UpgradeOffer.qml" line="+7"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeOffer.qml" line="+17"/>
        <source>Offered version: @</source>
        <translation>提供的版本：@</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Please read the following carefully before downloading.</source>
        <translation>下载前请仔细阅读以下内容。</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+3"/>
        <source>Licence terms</source>
        <translation>许可条款</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&lt;p&gt;&lt;b&gt;Firmware Licence&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Copyright © @. All rights reserved except as granted below.&lt;/p&gt;&lt;p&gt;Permission is granted, free of charge, to anyone who owns a switch of this kind to download this firmware and its upgrade tool, to install the firmware on that switch and to keep copies of both for that purpose.&lt;/p&gt;&lt;p&gt;The firmware and the tool are provided &lt;b&gt;as is&lt;/b&gt;, without warranty of any kind, express or implied, including fitness for a particular purpose. In no event shall the authors be liable for any claim, damages or other liability arising from their use.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Before you start&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Keep the switch connected to power and to this computer until the tool reports that it has finished.&lt;/li&gt;&lt;li&gt;Do not switch ports while the firmware is written.&lt;/li&gt;&lt;li&gt;Your settings stay in place; a backup on the Maintenance page keeps a copy.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;By choosing &quot;Download&quot; you accept these terms.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;固件许可协议&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Copyright © @。除下文授予的权利外，保留所有权利。&lt;/p&gt;&lt;p&gt;任何拥有此类切换器的人均可免费下载本固件及其升级工具、将固件安装到该切换器上，并为此目的保留两者的副本。&lt;/p&gt;&lt;p&gt;本固件和工具按&lt;b&gt;“原样”&lt;/b&gt;提供，不提供任何明示或暗示的保证，包括适用于特定用途的保证。在任何情况下，作者均不对因使用本固件和工具而产生的任何索赔、损害或其他责任负责。&lt;/p&gt;&lt;p&gt;&lt;b&gt;开始之前&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;在工具报告完成之前，请保持切换器连接电源和本电脑。&lt;/li&gt;&lt;li&gt;写入固件期间请勿切换端口。&lt;/li&gt;&lt;li&gt;您的设置会保留；可在“维护”页面备份一份副本。&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;选择“下载”即表示您接受这些条款。&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>About this version</source>
        <translation>关于此版本</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Note: Only supports firmware updates for computers on Port 1.</source>
        <translation>注意：仅支持从端口 1 上的电脑更新固件。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The upgrade tool is a Windows program: on this system, upgrade from a Windows computer on the switch&apos;s Port 1.</source>
        <translation>升级工具是 Windows 程序：在此系统上，请从连接切换器端口 1 的 Windows 电脑进行升级。</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Skip this version</source>
        <translation>跳过此版本</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Remind me later</source>
        <translation>稍后提醒我</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="-166"/>
        <source>Fail to download file. Please check your internet connection and try again later.</source>
        <translation>无法下载文件。请检查网络连接，稍后重试。</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The switch was disconnected, so the download has ended.</source>
        <translation>切换器已断开连接，下载已结束。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect the switch again and check for the new firmware again.</source>
        <translation>请重新连接切换器，然后再次检查新固件。</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>The upgrade tool could not be saved: the temporary folder is full or read-only.</source>
        <translation>无法保存升级工具：临时文件夹已满或为只读。</translation>
    </message>
    <message>
        <location line="+50"/>
        <location line="+8"/>
        <source>Downloading</source>
        <translation>正在下载</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Download progress</source>
        <translation>下载进度</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
