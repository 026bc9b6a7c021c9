import QtQuick
import QtQuick.Controls.Fusion
import QtQuick.Layouts
import Stint

// The popover's root: "Timer" and "Events" tabs over the one view-model.
// Only the shown tab's content exists. The popover is sized to implicitHeight.
Pane {
    id: root

    required property DefaultViewModel viewModel
    // 0 = Timer, 1 = Events.
    property int selectedIndex: 0

    implicitWidth: 330
    padding: 0
    font.pixelSize: Theme.bodySize

    // The panel is drawn light (white rows, blue ring) whatever the desktop's
    // colour scheme: dark-scheme text would vanish on the white rows.
    palette.window: "#efefef"
    palette.windowText: "#1d1d1f"
    palette.base: "white"
    palette.alternateBase: "#f7f7f7"
    palette.text: "#1d1d1f"
    palette.button: "#efefef"
    palette.buttonText: "#1d1d1f"
    palette.brightText: "white"
    palette.light: "white"
    palette.midlight: "#cacaca"
    palette.mid: "#b8b8b8"
    palette.dark: "#9f9f9f"
    palette.shadow: "#767676"
    palette.highlight: "#308cc6"
    palette.highlightedText: "white"
    palette.link: "blue"
    palette.toolTipBase: "#ffffdc"
    palette.toolTipText: "black"
    palette.disabled.text: "#bebebe"
    palette.disabled.windowText: "#bebebe"
    palette.disabled.buttonText: "#bebebe"

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

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
                color: "#e3e3e6"
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
            Layout.fillWidth: true
            Layout.preferredHeight: item ? item.implicitHeight : 0
            sourceComponent: root.selectedIndex === 0 ? timerTab
                           : root.selectedIndex === 1 ? eventsTab
                           : null
        }
    }

    component SegmentButton: TabButton {
        id: segment
        implicitHeight: 26
        font.pixelSize: Theme.bodySize
        Accessible.onPressAction: TabBar.tabBar.currentIndex = TabBar.index
        font.weight: checked ? Font.DemiBold : Font.Normal

        contentItem: Text {
            text: segment.text
            font: segment.font
            color: segment.checked ? "#1d1d1f" : "#48484a"
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
        }
        background: Rectangle {
            radius: 5
            color: segment.checked ? "white" : segment.down ? "#d5d5d8" : "transparent"
            border.width: segment.checked ? 1 : 0
            border.color: "#d2d2d7"
        }
    }

    Component {
        id: timerTab
        TimerView {
            viewModel: root.viewModel
        }
    }

    Component {
        id: eventsTab
        ListEventsView {
            viewModel: root.viewModel
        }
    }
}
