<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AppDelegate</name>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="151"/>
        <source>Countdown Timer</source>
        <translation>倒计时器</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="155"/>
        <source>Open Stint</source>
        <translation>打开 Stint</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="157"/>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="334"/>
        <source>Welcome to the App!</source>
        <translation>欢迎使用本应用！</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="335"/>
        <source>This is the first time you&apos;ve launched the app.</source>
        <translation>这是您第一次启动本应用。</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="336"/>
        <source>Get Started</source>
        <translation>开始使用</translation>
    </message>
</context>
<context>
    <name>CircularProgressView</name>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="100"/>
        <source>Stay focused</source>
        <translation>专注</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="100"/>
        <source>Rest</source>
        <translation>休息</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="125"/>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="125"/>
        <source>Start</source>
        <translation>开始</translation>
    </message>
</context>
<context>
    <name>ConnectGoogleView</name>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="24"/>
        <source>Connect Google</source>
        <translation>连接 Google</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="30"/>
        <source>Stint reaches your tasks and calendar through a Google client of your own.</source>
        <translation>Stint 通过你自己的 Google 客户端访问你的任务和日历。</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="40"/>
        <source>Client ID</source>
        <translation>客户端 ID</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="51"/>
        <source>Client secret</source>
        <translation>客户端密钥</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="76"/>
        <source>How do I get these?</source>
        <translation>如何获取？</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="102"/>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="110"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="116"/>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <location filename="../src/ui/ContentView.qml" line="93"/>
        <source>Timer</source>
        <translation>计时器</translation>
    </message>
    <message>
        <location filename="../src/ui/ContentView.qml" line="97"/>
        <source>Events</source>
        <translation>日程</translation>
    </message>
</context>
<context>
    <name>FetchFailure</name>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="11"/>
        <source>Stint&apos;s own server took too long to start. Retry may help.</source>
        <translation>Stint 自带的服务器启动时间过长。重试可能会有帮助。</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="12"/>
        <source>Stint&apos;s own server could not be started.</source>
        <translation>无法启动 Stint 自带的服务器。</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="15"/>
        <source>The server did not answer in time. Retry may help.</source>
        <translation>服务器未能及时响应。重试可能会有帮助。</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="16"/>
        <source>The server could not be reached. Retry may help.</source>
        <translation>无法连接到服务器。重试可能会有帮助。</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="23"/>
        <source>The server did not accept your sign-in. Retry may help; if not, sign out and in again.</source>
        <translation>服务器未接受你的登录。重试可能会有帮助；如果不行，请退出后重新登录。</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="25"/>
        <source>Google refused access to your tasks.</source>
        <translation>Google 拒绝访问你的任务。</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="27"/>
        <source>Too many requests for now. Retry in a minute.</source>
        <translation>当前请求过多。请一分钟后重试。</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="29"/>
        <source>The server could not get your tasks from Google. Retry may help.</source>
        <translation>服务器无法从 Google 获取你的任务。重试可能会有帮助。</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="31"/>
        <source>Google took too long to answer the server. Retry may help.</source>
        <translation>Google 响应服务器的时间过长。重试可能会有帮助。</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="33"/>
        <source>The server failed. Retry may help.</source>
        <translation>服务器出错。重试可能会有帮助。</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="33"/>
        <source>The server refused the request.</source>
        <translation>服务器拒绝了该请求。</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="37"/>
        <source>The server&apos;s answer could not be read.</source>
        <translation>无法读取服务器的响应。</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="38"/>
        <source>The tasks could not be fetched. Retry may help.</source>
        <translation>无法获取任务。重试可能会有帮助。</translation>
    </message>
</context>
<context>
    <name>Formatters</name>
    <message>
        <source>Today</source>
        <translation type="vanished">今天</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation type="vanished">昨天</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation type="vanished">明天</translation>
    </message>
</context>
<context>
    <name>GoogleClientForm</name>
    <message>
        <location filename="../src/ui/googleclientform.cpp" line="56"/>
        <source>Enter the client ID.</source>
        <translation>请输入客户端 ID。</translation>
    </message>
    <message>
        <location filename="../src/ui/googleclientform.cpp" line="60"/>
        <source>A client ID ends in .apps.googleusercontent.com.</source>
        <translation>客户端 ID 以 .apps.googleusercontent.com 结尾。</translation>
    </message>
    <message>
        <location filename="../src/ui/googleclientform.cpp" line="64"/>
        <source>Enter the client secret.</source>
        <translation>请输入客户端密钥。</translation>
    </message>
</context>
<context>
    <name>GoogleSignIn</name>
    <message>
        <location filename="../src/accounts/signinattempt.cpp" line="215"/>
        <source>This answer does not belong to the sign-in that Stint started. Go back to Stint and sign in again.</source>
        <translation>此响应不属于 Stint 发起的登录。请返回 Stint 重新登录。</translation>
    </message>
    <message>
        <location filename="../src/accounts/signinattempt.cpp" line="224"/>
        <source>The sign-in was cancelled. You can close this tab.</source>
        <translation>登录已取消。您可以关闭此标签页。</translation>
    </message>
    <message>
        <location filename="../src/accounts/signinattempt.cpp" line="230"/>
        <source>The sign-in did not complete. Go back to Stint and sign in again.</source>
        <translation>登录未完成。请返回 Stint 重新登录。</translation>
    </message>
    <message>
        <location filename="../src/accounts/signinattempt.cpp" line="237"/>
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
        <location filename="../src/ui/ListEventsView.qml" line="94"/>
        <source>Join Meeting</source>
        <translation>加入会议</translation>
    </message>
    <message>
        <location filename="../src/ui/ListEventsView.qml" line="45"/>
        <source>Events</source>
        <translation>日程</translation>
    </message>
</context>
<context>
    <name>ListItemView</name>
    <message>
        <location filename="../src/ui/ListItemView.qml" line="73"/>
        <source>Open %1</source>
        <translation>打开 %1</translation>
    </message>
    <message>
        <location filename="../src/ui/ListItemView.qml" line="83"/>
        <source>Start %1</source>
        <translation>开始 %1</translation>
    </message>
</context>
<context>
    <name>MeetingLine</name>
    <message numerus="yes">
        <location filename="../src/timer/meetingrule.cpp" line="67"/>
        <source>%1 starts %n min before this focus phase ends</source>
        <translation>
            <numerusform>%1 将在本次专注结束前 %n 分钟开始</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/timer/meetingrule.cpp" line="82"/>
        <source>%1 now</source>
        <translation>%1 正在进行</translation>
    </message>
    <message>
        <location filename="../src/timer/meetingrule.cpp" line="88"/>
        <source>%1 at %2</source>
        <translation>%1 于 %2 开始</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/timer/meetingrule.cpp" line="93"/>
        <source>%1 in %n min</source>
        <translation>
            <numerusform>%1 %n 分钟后开始</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MeetingReminders</name>
    <message>
        <location filename="../src/timer/meetingreminders.cpp" line="47"/>
        <source>%1 has started</source>
        <translation>%1 已开始</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/timer/meetingreminders.cpp" line="48"/>
        <source>%1 starts in %n min</source>
        <translation>
            <numerusform>%1 将在 %n 分钟后开始</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhaseNotifier</name>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="43"/>
        <source>Focus phase over</source>
        <translation>专注结束</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="43"/>
        <source>Rest over</source>
        <translation>休息结束</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="39"/>
        <source>Open Stint</source>
        <translation>打开 Stint</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="41"/>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="41"/>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>ReminderNotifier</name>
    <message>
        <location filename="../src/app/remindernotifier.cpp" line="40"/>
        <source>Open Stint</source>
        <translation>打开 Stint</translation>
    </message>
    <message>
        <location filename="../src/app/remindernotifier.cpp" line="40"/>
        <source>Join Meeting</source>
        <translation>加入会议</translation>
    </message>
</context>
<context>
    <name>TaskDraft</name>
    <message>
        <location filename="../src/timer/taskdraft.cpp" line="16"/>
        <source>Not added: the server could not be reached</source>
        <translation>未添加：无法连接到服务器</translation>
    </message>
    <message>
        <location filename="../src/timer/taskdraft.cpp" line="18"/>
        <source>Not added: the server did not accept your sign-in</source>
        <translation>未添加：服务器未接受你的登录</translation>
    </message>
    <message>
        <location filename="../src/timer/taskdraft.cpp" line="19"/>
        <source>Not added: the server reported an error</source>
        <translation>未添加：服务器报告了错误</translation>
    </message>
</context>
<context>
    <name>TaskListView</name>
    <message>
        <location filename="../src/ui/TaskListView.qml" line="88"/>
        <source>Enter task name</source>
        <translation>输入任务名称</translation>
    </message>
    <message>
        <location filename="../src/ui/TaskListView.qml" line="52"/>
        <source>Tasks</source>
        <translation>任务</translation>
    </message>
</context>
<context>
    <name>TimerView</name>
    <message>
        <location filename="../src/ui/TimerView.qml" line="96"/>
        <source>Join Meeting</source>
        <translation>加入会议</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="108"/>
        <source>Add task</source>
        <translation>添加任务</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="137"/>
        <source>Is the task now done?</source>
        <translation>任务完成了吗？</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="151"/>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="157"/>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="169"/>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="199"/>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="266"/>
        <source>Sign in to Google to use the app fully and synchronize the Google Calendar tasks &amp; events</source>
        <translation>登录 Google 即可使用全部功能，并同步 Google 日历中的任务和日程</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="286"/>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="317"/>
        <source>Sign Out</source>
        <translation>退出登录</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="327"/>
        <source>Google Client…</source>
        <translation>Google 客户端…</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="345"/>
        <source>Privacy Policy</source>
        <translation>隐私政策</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="352"/>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="335"/>
        <source>Start at Login</source>
        <translation>登录时启动</translation>
    </message>
</context>
<context>
    <name>TrayCountdown</name>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="84"/>
        <source>Focus · %n min left</source>
        <translation>
            <numerusform>专注 · 剩余 %n 分钟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="86"/>
        <source>Rest · %n min left</source>
        <translation>
            <numerusform>休息 · 剩余 %n 分钟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="88"/>
        <source>Paused · %n min left</source>
        <translation>
            <numerusform>已暂停 · 剩余 %n 分钟</numerusform>
        </translation>
    </message>
</context>
</TS>
