import QtQuick
import QtQuick.Controls.Fusion
import QtQuick.Layouts
import Stint

// The "Timer" tab: the ring with the next meeting under it, the done
// question, the stop button, the fetch error, and the task list or the
// sign-in button; the settings menu in the top-right corner. Text dropped on the ring becomes the current task.
//
// Each control also answers assistive technology's "press" (Accessible.
// onPressAction): Qt 6.4's default press action does not reach click handlers.
Item {
    id: root

    required property DefaultViewModel viewModel
    // "Silence Notifications While Focusing": enabled, available and
    // unavailableReason; the entry is left out without one.
    property QtObject doNotDisturb: null
    // "Pause When the Screen Locks": enabled and pausedByLock; the entry is
    // left out without one.
    property QtObject lockPause: null
    // Given more height, the task list takes it.
    readonly property bool fillsHeight: viewModel.isSignedIn

    implicitWidth: 330
    implicitHeight: content.implicitHeight

    Component.onCompleted: viewModel.fetchTasks()

    GoogleClientForm {
        id: clientForm
        objectName: "googleClientForm"
        client: root.viewModel.googleClient
    }

    ColumnLayout {
        id: content
        anchors.fill: parent
        spacing: Theme.spacing

        // The ring and "Add task" take dropped text.
        DropArea {
            objectName: "dropArea"
            Layout.alignment: Qt.AlignHCenter
            Layout.topMargin: Theme.padding
            implicitWidth: ringColumn.implicitWidth
            implicitHeight: ringColumn.implicitHeight
            keys: ["text/plain"]

            TextDropDelegate {
                id: dropDelegate
                viewModel: root.viewModel
            }

            onEntered: dropDelegate.dropEntered()
            onExited: dropDelegate.dropExited()
            onDropped: drop => {
                if (dropDelegate.performDrop(drop.hasText ? [drop.text] : []))
                    drop.accept(Qt.CopyAction)
            }

            ColumnLayout {
                id: ringColumn
                anchors.fill: parent
                spacing: Theme.spacing

                CircularProgressView {
                    objectName: "ring"
                    Layout.alignment: Qt.AlignHCenter
                    Layout.preferredWidth: 230
                    Layout.preferredHeight: 230
                    viewModel: root.viewModel
                    progress: ViewGate.open ? root.viewModel.progress : progress
                }

                // The next meeting, or the one this focus phase runs into.
                RowLayout {
                    id: meetingLine
                    objectName: "meetingLine"
                    readonly property NextMeeting meeting: root.viewModel.nextMeeting
                    Layout.alignment: Qt.AlignHCenter
                    visible: meetingText.text.length > 0
                    spacing: Theme.spacing

                    Label {
                        id: meetingText
                        objectName: "meetingText"
                        Layout.maximumWidth: root.width - 2 * Theme.padding
                                             - (meetingJoin.visible ? meetingJoin.implicitWidth + Theme.spacing : 0)
                        text: ViewGate.open ? meetingLine.meeting.text : text
                        textFormat: Text.PlainText
                        color: Theme.secondaryText
                        wrapMode: Text.WordWrap
                        maximumLineCount: 3
                        elide: Text.ElideRight
                        horizontalAlignment: Text.AlignHCenter
                    }
                    Button {
                        id: meetingJoin
                        objectName: "meetingJoinButton"
                        visible: ViewGate.open ? meetingLine.meeting.hasJoinLink : visible
                        text: qsTr("Join Meeting")
                        palette.buttonText: Theme.accent
                        Accessible.onPressAction: clicked()
                        onClicked: root.viewModel.joinMeeting(meetingLine.meeting.event)
                    }
                }

                Button {
                    objectName: "addTaskButton"
                    Layout.alignment: Qt.AlignHCenter
                    Layout.bottomMargin: 15
                    visible: root.viewModel.isSignedIn && !clientForm.isShown
                    text: qsTr("Add task")
                    Accessible.onPressAction: clicked()
                    onClicked: root.viewModel.newTask = true
                }
            }
        }

        // "Is the task now done?"
        ColumnLayout {
            objectName: "question"
            Layout.alignment: Qt.AlignHCenter
            Layout.maximumWidth: root.width
            // Like every binding that changes with the ticks: held while the
            // popover is hidden (see ViewGate).
            visible: ViewGate.open ? root.viewModel.shouldAskIfTaskIsDone : visible
            spacing: Theme.spacing

            RowLayout {
                Layout.alignment: Qt.AlignHCenter
                Layout.margins: Theme.padding
                spacing: Theme.spacing

                Image {
                    source: Theme.iconPrefix + "star.fill"
                    sourceSize.width: Theme.titleSize
                    sourceSize.height: Theme.titleSize
                }
                Label {
                    Layout.maximumWidth: root.width - 2 * Theme.padding - Theme.titleSize - Theme.spacing
                    text: qsTr("Is the task now done?")
                    font.pixelSize: Theme.titleSize
                    color: Theme.accent
                    wrapMode: Text.WordWrap
                    horizontalAlignment: Text.AlignHCenter
                }
            }

            RowLayout {
                Layout.alignment: Qt.AlignHCenter
                spacing: Theme.spacing

                Button {
                    objectName: "yesButton"
                    text: qsTr("Yes")
                    Accessible.onPressAction: clicked()
                    onClicked: root.viewModel.answerTaskQuestion(true)
                }
                Button {
                    objectName: "noButton"
                    text: qsTr("No")
                    Accessible.onPressAction: clicked()
                    onClicked: root.viewModel.answerTaskQuestion(false)
                }
            }
        }

        // What "Yes" did to the task in Google Tasks, with a moment to undo it.
        RowLayout {
            objectName: "completionRow"
            Layout.alignment: Qt.AlignHCenter
            Layout.maximumWidth: root.width - 2 * Theme.padding
            visible: TaskCompletion.message.length > 0
            spacing: Theme.spacing

            Label {
                objectName: "completionText"
                Layout.maximumWidth: root.width - 2 * Theme.padding
                                     - (undoButton.visible ? undoButton.implicitWidth + Theme.spacing : 0)
                text: TaskCompletion.message
                textFormat: Text.PlainText
                color: TaskCompletion.failed ? Theme.danger : Theme.secondaryText
                wrapMode: Text.WordWrap
                horizontalAlignment: Text.AlignHCenter
            }
            Button {
                id: undoButton
                objectName: "undoButton"
                visible: TaskCompletion.canUndo
                enabled: !TaskCompletion.busy
                text: qsTr("Undo")
                Accessible.onPressAction: clicked()
                onClicked: TaskCompletion.undo()
            }
        }

        Label {
            objectName: "pausedByLockNote"
            Layout.alignment: Qt.AlignHCenter
            Layout.maximumWidth: root.width - 2 * Theme.padding
            visible: root.lockPause !== null && root.lockPause.pausedByLock
            text: qsTr("Paused while the screen was locked")
            color: Theme.secondaryText
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
        }

        IconButton {
            objectName: "stopButton"
            Layout.alignment: Qt.AlignHCenter
            visible: ViewGate.open ? root.viewModel.isPhaseStarted : visible
            size: 32
            text: qsTr("Stop")
            icon.source: Theme.iconPrefix + "stop.circle.fill"
            onClicked: root.viewModel.stopAndSwitchPhase()
        }

        // The day's focus, from the history; a click opens it.
        Label {
            id: todayLine
            objectName: "todayLine"
            Layout.alignment: Qt.AlignHCenter
            Layout.maximumWidth: root.width - 2 * Theme.padding
            visible: text.length > 0
            text: FocusHistory.todayText
            textFormat: Text.PlainText
            color: todayMouse.containsMouse ? Theme.accent : Theme.secondaryText
            font.pixelSize: Theme.subheadlineSize
            elide: Text.ElideRight
            Accessible.role: Accessible.Button
            Accessible.name: text
            Accessible.onPressAction: FocusHistory.open()

            MouseArea {
                id: todayMouse
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: FocusHistory.open()
            }
        }

        // The last task fetch failed.
        ColumnLayout {
            objectName: "errorRow"
            Layout.alignment: Qt.AlignHCenter
            Layout.leftMargin: Theme.padding
            Layout.rightMargin: Theme.padding
            visible: root.viewModel.tasksFetchHasError
            spacing: Theme.spacing

            Label {
                objectName: "errorText"
                Layout.alignment: Qt.AlignHCenter
                Layout.maximumWidth: root.width - 2 * Theme.padding
                text: root.viewModel.tasksErrorText
                textFormat: Text.PlainText
                color: Theme.danger
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignHCenter
            }

            Button {
                id: retryButton
                objectName: "retryButton"
                Layout.alignment: Qt.AlignHCenter
                padding: Theme.padding
                text: qsTr("Retry")
                Accessible.onPressAction: clicked()
                onClicked: root.viewModel.fetchTasks()

                contentItem: Text {
                    text: retryButton.text
                    font: retryButton.font
                    color: "white"
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                }
                background: Rectangle {
                    radius: 8
                    color: retryButton.down ? Qt.darker(Theme.accent, 1.4) : Theme.accent
                }
            }
        }

        // Made when someone signs in, so it looks for tasks as it appears.
        Loader {
            objectName: "taskList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.minimumHeight: 240
            Layout.preferredHeight: 240
            visible: active && !clientForm.isShown
            active: root.viewModel.isSignedIn
            sourceComponent: TaskListView {
                viewModel: root.viewModel
            }
        }

        // The Google client to sign in with, when there is none yet or
        // "Google Client…" was chosen.
        Loader {
            objectName: "connectGoogle"
            Layout.fillWidth: true
            Layout.leftMargin: 2 * Theme.padding
            Layout.rightMargin: 2 * Theme.padding
            Layout.bottomMargin: 2 * Theme.padding
            visible: active
            active: clientForm.isShown
            sourceComponent: ConnectGoogleView {
                form: clientForm
            }
        }

        // Nobody is signed in: the sign-in button and why to use it.
        ColumnLayout {
            objectName: "signIn"
            Layout.alignment: Qt.AlignHCenter
            Layout.bottomMargin: Theme.padding
            visible: !root.viewModel.isSignedIn && !clientForm.isShown
            spacing: Theme.spacing

            GoogleSignInButton {
                objectName: "GoogleSignInButton"
                Layout.alignment: Qt.AlignHCenter
                Layout.margins: Theme.padding
                onClicked: root.viewModel.signInButtonPressed()
            }

            Label {
                objectName: "signInExplanation"
                Layout.alignment: Qt.AlignHCenter
                Layout.preferredWidth: 200
                Layout.margins: Theme.padding
                text: qsTr("Sign in to Google to use the app fully and synchronize the Google Calendar tasks & events")
                wrapMode: Text.WordWrap
                horizontalAlignment: Text.AlignHCenter
            }
        }
    }

    // The settings menu, over the top-right corner.
    Item {
        anchors.top: parent.top
        anchors.right: parent.right
        width: 50
        height: menuButton.height

        AbstractButton {
            id: menuButton
            objectName: "menuButton"
            padding: Theme.padding
            focusPolicy: Qt.NoFocus
            Accessible.role: Accessible.Button
            Accessible.name: qsTr("Settings")
            Accessible.onPressAction: clicked()
            onClicked: menu.open()

            contentItem: Rectangle {
                implicitWidth: 30
                implicitHeight: 30
                radius: 15
                color: Qt.rgba(Theme.track.r, Theme.track.g, Theme.track.b, menuButton.down ? 0.3 : 0.15)

                Image {
                    anchors.centerIn: parent
                    source: Theme.iconPrefix + "gearshape.fill"
                    sourceSize.width: Theme.titleSize
                    sourceSize.height: Theme.titleSize
                }
            }

            Menu {
                id: menu
                objectName: "settingsMenu"
                // Wide enough for the longest entry; the popup stays inside the window.
                width: Math.min(root.width - 2 * Theme.padding, 320)
                x: menuButton.width - width
                // A popup does not take the view's palette: disabled entries dim here.
                palette.disabled.text: Theme.secondaryText
                palette.disabled.windowText: Theme.secondaryText
                y: menuButton.height
                // The autostart entry may have been removed by hand.
                onAboutToShow: startAtLoginItem.checked = StartAtLogin.isEnabled()

                MenuItem {
                    objectName: "signOutItem"
                    // Taken out of the menu, not just hidden, so it leaves no gap.
                    height: root.viewModel.isSignedIn ? implicitHeight : 0
                    visible: root.viewModel.isSignedIn
                    text: qsTr("Sign Out")
                    icon.source: Theme.iconPrefix + "arrow.right.square.fill"
                    palette.text: Theme.danger
                    Accessible.onPressAction: triggered()
                    onTriggered: root.viewModel.signOut()
                }
                MenuItem {
                    objectName: "googleClientItem"
                    height: root.viewModel.googleClient ? implicitHeight : 0
                    visible: root.viewModel.googleClient !== null
                    text: qsTr("Google Client…")
                    icon.source: Theme.iconPrefix + "key.fill"
                    Accessible.onPressAction: triggered()
                    onTriggered: clientForm.edit()
                }
                MenuItem {
                    id: startAtLoginItem
                    objectName: "startAtLoginItem"
                    text: qsTr("Start at Login")
                    checkable: true
                    Accessible.onPressAction: { toggle(); toggled() }
                    onToggled: {
                        StartAtLogin.setEnabled(checked)
                        checked = StartAtLogin.isEnabled()
                    }
                }
                MenuItem {
                    objectName: "silenceNotificationsItem"
                    height: root.doNotDisturb ? implicitHeight : 0
                    visible: root.doNotDisturb !== null
                    enabled: root.doNotDisturb !== null && root.doNotDisturb.available
                    text: qsTr("Silence Notifications While Focusing")
                    checkable: true
                    checked: root.doNotDisturb !== null && root.doNotDisturb.enabled
                    Accessible.onPressAction: { toggle(); toggled() }
                    onToggled: root.doNotDisturb.enabled = checked
                    // A disabled item gets no hover of its own: the handler says why.
                    HoverHandler {
                        id: silenceHover
                        enabled: true
                    }
                    ToolTip.visible: silenceHover.hovered && root.doNotDisturb !== null && !root.doNotDisturb.available
                    ToolTip.text: root.doNotDisturb ? root.doNotDisturb.unavailableReason : ""
                    ToolTip.delay: 500
                }
                MenuItem {
                    objectName: "pauseOnLockItem"
                    height: root.lockPause ? implicitHeight : 0
                    visible: root.lockPause !== null
                    text: qsTr("Pause When the Screen Locks")
                    checkable: true
                    checked: root.lockPause !== null && root.lockPause.enabled
                    Accessible.onPressAction: { toggle(); toggled() }
                    onToggled: root.lockPause.enabled = checked
                }
                MenuItem {
                    id: completeTaskItem
                    objectName: "completeTaskItem"
                    text: qsTr("Complete the Task in Google Tasks When I Answer Yes")
                    checkable: true
                    checked: TaskCompletion.enabled
                    Accessible.onPressAction: { toggle(); toggled() }
                    onToggled: TaskCompletion.enabled = checked
                }
                MenuItem {
                    objectName: "focusHistoryItem"
                    text: qsTr("Focus History…")
                    icon.source: Theme.iconPrefix + "timer"
                    Accessible.onPressAction: triggered()
                    onTriggered: FocusHistory.open()
                }
                MenuItem {
                    objectName: "privacyPolicyItem"
                    text: qsTr("Privacy Policy")
                    icon.source: Theme.iconPrefix + "shield.fill"
                    Accessible.onPressAction: triggered()
                    onTriggered: root.viewModel.openPrivacyPolicy()
                }
                MenuItem {
                    objectName: "exitItem"
                    text: qsTr("Exit")
                    icon.source: Theme.iconPrefix + "power"
                    Accessible.onPressAction: triggered()
                    onTriggered: root.viewModel.quit()
                }
            }
        }
    }
}
