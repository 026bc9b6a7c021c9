import QtQuick
import QtQuick.Controls.Fusion
import QtQuick.Layouts
import Stint

// One task: its title and due date; while the pointer is over the row, a
// button to open the task's page and one to start working on it. The row can
// be dragged out as text, onto the ring or into another application.
Rectangle {
    id: root

    required property var task
    required property DefaultViewModel viewModel
    readonly property bool isHovered: hover.hovered

    implicitHeight: row.implicitHeight + 2 * Theme.padding
    color: Theme.rowBackground

    HoverHandler {
        id: hover
    }

    // Set, not bound: an automatic drag runs the platform's drag loop, which
    // ends the handler's grab while the drag is still being started. The
    // flag is lowered once that loop is over, ready for the next drag.
    DragHandler {
        target: null
        onActiveChanged: {
            if (active)
                root.Drag.active = true
        }
    }
    Drag.onDragFinished: root.Drag.active = false
    Drag.dragType: Drag.Automatic
    Drag.supportedActions: Qt.CopyAction
    Drag.mimeData: { "text/plain": root.task.title }

    RowLayout {
        id: row
        anchors.fill: parent
        anchors.margins: Theme.padding
        spacing: Theme.spacing

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 2

            Label {
                objectName: "title"
                Layout.fillWidth: true
                text: root.task.title
                textFormat: Text.PlainText
                font.pixelSize: Theme.headlineSize
                font.weight: Font.DemiBold
                // The whole title, however long: rows grow rather than cut it.
                wrapMode: Text.Wrap
            }
            Label {
                objectName: "dueText"
                Layout.fillWidth: true
                visible: root.task.hasDueDate
                text: Formatters.dueText(root.task)
                textFormat: Text.PlainText
                font.pixelSize: Theme.subheadlineSize
                color: Theme.secondaryText
                elide: Text.ElideRight
            }
        }

        IconButton {
            objectName: "linkButton"
            size: Theme.largeTitleSize
            text: qsTr("Open %1").arg(root.task.title)
            icon.source: Theme.iconPrefix + "link.circle.fill"
            iconOpacity: root.isHovered ? 1 : 0
            Behavior on iconOpacity { NumberAnimation { duration: 150 } }
            onClicked: root.viewModel.openLink(root.task.webViewLink)
        }

        IconButton {
            objectName: "startButton"
            size: Theme.largeTitleSize
            text: qsTr("Start %1").arg(root.task.title)
            icon.source: Theme.iconPrefix + "play.circle.fill"
            iconOpacity: root.isHovered ? 1 : 0
            Behavior on iconOpacity { NumberAnimation { duration: 150 } }
            onClicked: root.viewModel.startTask(root.task)
        }
    }

    Rectangle {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.leftMargin: Theme.padding
        height: 1
        color: Theme.separator
    }
}
