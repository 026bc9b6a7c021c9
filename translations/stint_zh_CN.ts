<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AppDelegate</name>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="108"/>
        <source>Countdown Timer</source>
        <translation>倒计时器</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="112"/>
        <source>Open Stint</source>
        <translation>打开 Stint</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="114"/>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="235"/>
        <source>Welcome to the App!</source>
        <translation>欢迎使用本应用！</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="236"/>
        <source>This is the first time you&apos;ve launched the app.</source>
        <translation>这是您第一次启动本应用。</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="237"/>
        <source>Get Started</source>
        <translation>开始使用</translation>
    </message>
</context>
<context>
    <name>CircularProgressView</name>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="99"/>
        <source>Stay focused</source>
        <translation>专注</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="99"/>
        <source>Rest</source>
        <translation>休息</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="124"/>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="124"/>
        <source>Start</source>
        <translation>开始</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <location filename="../src/ui/ContentView.qml" line="66"/>
        <source>Timer</source>
        <translation>计时器</translation>
    </message>
    <message>
        <location filename="../src/ui/ContentView.qml" line="70"/>
        <source>Events</source>
        <translation>日程</translation>
    </message>
</context>
<context>
    <name>Formatters</name>
    <message>
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>昨天</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>明天</translation>
    </message>
</context>
<context>
    <name>GoogleSignIn</name>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="563"/>
        <source>This answer does not belong to the sign-in that Stint started. Go back to Stint and sign in again.</source>
        <translation>此响应不属于 Stint 发起的登录。请返回 Stint 重新登录。</translation>
    </message>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="570"/>
        <source>The sign-in was cancelled. You can close this tab.</source>
        <translation>登录已取消。您可以关闭此标签页。</translation>
    </message>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="576"/>
        <source>The sign-in did not complete. Go back to Stint and sign in again.</source>
        <translation>登录未完成。请返回 Stint 重新登录。</translation>
    </message>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="582"/>
        <source>You are signed in to Stint. You can close this tab.</source>
        <translation>已登录 Stint。您可以关闭此标签页。</translation>
    </message>
</context>
<context>
    <name>GoogleSignInButton</name>
    <message>
        <location filename="../src/ui/GoogleSignInButton.qml" line="15"/>
        <source>Sign in with Google</source>
        <translation>使用 Google 账号登录</translation>
    </message>
    <message>
        <location filename="../src/ui/GoogleSignInButton.qml" line="18"/>
        <source>Sign in with Google button.</source>
        <translation>“使用 Google 账号登录”按钮。</translation>
    </message>
</context>
<context>
    <name>ListEventsView</name>
    <message>
        <location filename="../src/ui/ListEventsView.qml" line="86"/>
        <source>Join Meeting</source>
        <translation>加入会议</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>日程</translation>
    </message>
</context>
<context>
    <name>ListItemView</name>
    <message>
        <location filename="../src/ui/ListItemView.qml" line="71"/>
        <source>Open %1</source>
        <translation>打开 %1</translation>
    </message>
    <message>
        <location filename="../src/ui/ListItemView.qml" line="81"/>
        <source>Start %1</source>
        <translation>开始 %1</translation>
    </message>
</context>
<context>
    <name>PhaseNotifier</name>
    <message>
        <source>Focus phase over</source>
        <translation>专注结束</translation>
    </message>
    <message>
        <source>Rest over</source>
        <translation>休息结束</translation>
    </message>
    <message>
        <source>Open Stint</source>
        <translation>打开 Stint</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>TaskListView</name>
    <message>
        <location filename="../src/ui/TaskListView.qml" line="69"/>
        <source>Enter task name</source>
        <translation>输入任务名称</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>任务</translation>
    </message>
</context>
<context>
    <name>TimerView</name>
    <message>
        <location filename="../src/ui/TimerView.qml" line="75"/>
        <source>Add task</source>
        <translation>添加任务</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="102"/>
        <source>Is the task now done?</source>
        <translation>任务完成了吗？</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="116"/>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="122"/>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="134"/>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="164"/>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="214"/>
        <source>Sign in to Google to use the app fully and synchronize the Google Calendar tasks &amp; events</source>
        <translation>登录 Google 即可使用全部功能，并同步 Google 日历中的任务和日程</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="234"/>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="263"/>
        <source>Sign Out</source>
        <translation>退出登录</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="271"/>
        <source>Privacy Policy</source>
        <translation>隐私政策</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="278"/>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>登录时启动</translation>
    </message>
</context>
<context>
    <name>TrayCountdown</name>
    <message numerus="yes">
        <source>Focus · %n min left</source>
        <translation>
            <numerusform>专注 · 剩余 %n 分钟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Rest · %n min left</source>
        <translation>
            <numerusform>休息 · 剩余 %n 分钟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paused · %n min left</source>
        <translation>
            <numerusform>已暂停 · 剩余 %n 分钟</numerusform>
        </translation>
    </message>
</context>
</TS>
