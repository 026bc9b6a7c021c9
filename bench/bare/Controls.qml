import QtQuick
import QtQuick.Controls.Fusion
import QtQuick.Layouts

// The bare window plus the few Qt Quick Controls the popover is built from:
// what the controls alone cost in start-up and memory.
Rectangle {
    color: "white"

    ColumnLayout {
        anchors.fill: parent
        TabBar {
            TabButton { text: "Timer" }
            TabButton { text: "Events" }
        }
        Button { text: "Add task" }
        TextField { placeholderText: "Enter task name" }
        ScrollBar { orientation: Qt.Vertical; size: 0.5 }
        BusyIndicator { running: false }
    }
}
