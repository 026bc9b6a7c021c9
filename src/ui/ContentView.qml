import QtQuick
import QtQuick.Controls.Fusion
import QtQuick.Layouts
import Stint

// The popover's root: "Timer" and "Events" tabs over the one view-model.
// Only the shown tab's content exists. The window is sized to implicitHeight;
// given more room, the lists take it, or flexible space above and below
// keeps the picker, divider and content together.
//
// Keys, when the task entry does not have them: Space starts or pauses the
// countdown, Escape asks to close (closeRequested), Tab reaches the tab
// picker and the arrow keys switch tabs there.
Pane {
    id: root

    required property DefaultViewModel viewModel
    // 0 = Timer, 1 = Events.
    property int selectedIndex: 0
    // The desktop's Do Not Disturb while focusing (enabled, available,
    // unavailableReason); none where the app does not offer it.
    property QtObject doNotDisturb: null
    // "Pause When the Screen Locks" (enabled, pausedByLock); none where the
    // app does not offer it.
    property QtObject lockPause: null

    // Escape was pressed; the window showing the view decides what that means.
    signal closeRequested()

    implicitWidth: 330
    padding: 0
    focus: true
    font.pixelSize: Theme.bodySize

    // The desktop's colours, light or dark, for the controls too.
    palette.window: Theme.background
    palette.windowText: Theme.text
    palette.base: Theme.rowBackground
    palette.alternateBase: Theme.background
    palette.text: Theme.text
    palette.button: Theme.button
    palette.buttonText: Theme.text
    palette.brightText: Theme.rowBackground
    palette.light: Qt.lighter(Theme.button, 1.25)
    palette.midlight: Qt.lighter(Theme.button, 1.1)
    palette.mid: Qt.darker(Theme.button, 1.2)
    palette.dark: Qt.darker(Theme.button, 1.5)
    palette.shadow: Qt.darker(Theme.button, 2.5)
    palette.highlight: Theme.accent
    palette.highlightedText: "white"
    palette.link: Theme.accent
    palette.toolTipBase: Theme.rowBackground
    palette.toolTipText: Theme.text
    palette.disabled.text: Theme.secondaryText
    palette.disabled.windowText: Theme.secondaryText
    palette.disabled.buttonText: Theme.secondaryText

    background: Rectangle {
        color: Theme.background
    }

    // The window's own colour shows for a moment while it grows.
    Binding {
        target: root.Window.window
        property: "color"
        value: Theme.background
        when: root.Window.window !== null
    }

    Keys.onSpacePressed: root.viewModel.isTimerRunning = !root.viewModel.isTimerRunning
    Keys.onEscapePressed: root.closeRequested()

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Item {
            Layout.fillHeight: !tabContent.fills
        }

        // A segmented control: the two tabs side by side in one rounded frame.
        TabBar {
            id: tabs
            objectName: "tabBar"
            Layout.fillWidth: true
            Layout.margins: Theme.padding
            padding: 2
            spacing: 2
            currentIndex: root.selectedIndex
            onCurrentIndexChanged: root.selectedIndex = currentIndex

            background: Rectangle {
                radius: 7
                color: Qt.rgba(Theme.track.r, Theme.track.g, Theme.track.b, 0.18)
            }

            SegmentButton {
                objectName: "timerTab"
                text: qsTr("Timer")
            }
            SegmentButton {
                objectName: "eventsTab"
                text: qsTr("Events")
            }
        }

        Rectangle {
            Layout.fillWidth: true
            implicitHeight: 1
            color: Theme.separator
        }

        Loader {
            id: tabContent
            objectName: "tabContent"
            // The lists grow with the window; other content keeps its size.
            readonly property bool fills: item !== null && item.fillsHeight === true
            Layout.fillWidth: true
            Layout.fillHeight: fills
            Layout.preferredHeight: item ? item.implicitHeight : 0
            Layout.minimumHeight: item ? item.implicitHeight : 0
            sourceComponent: root.selectedIndex === 0 ? timerTab
                           : root.selectedIndex === 1 ? eventsTab
                           : null
        }

        Item {
            Layout.fillHeight: !tabContent.fills
        }
    }

    component SegmentButton: TabButton {
        id: segment
        implicitHeight: 26
        font.pixelSize: Theme.bodySize
        font.weight: checked ? Font.DemiBold : Font.Normal
        Accessible.name: text
        Accessible.onPressAction: TabBar.tabBar.currentIndex = TabBar.index
        Keys.onLeftPressed: move(-1)
        Keys.onRightPressed: move(1)

        function move(step) {
            const bar = TabBar.tabBar
            const next = Math.max(0, Math.min(bar.count - 1, TabBar.index + step))
            bar.currentIndex = next
            bar.itemAt(next).forceActiveFocus(Qt.TabFocusReason)
        }

        contentItem: Text {
            text: segment.text
            font: segment.font
            color: Theme.text
            opacity: segment.checked ? 1 : 0.75
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
        }
        background: Rectangle {
            radius: 5
            color: segment.checked ? Theme.rowBackground
                 : segment.down ? Qt.rgba(Theme.track.r, Theme.track.g, Theme.track.b, 0.2)
                 : "transparent"
            border.width: segment.visualFocus ? 2 : segment.checked ? 1 : 0
            border.color: segment.visualFocus ? Theme.accent : Theme.separator
        }
    }

    Component {
        id: timerTab
        TimerView {
            viewModel: root.viewModel
            doNotDisturb: root.doNotDisturb
            lockPause: root.lockPause
        }
    }

    Component {
        id: eventsTab
        ListEventsView {
            viewModel: root.viewModel
        }
    }
}
