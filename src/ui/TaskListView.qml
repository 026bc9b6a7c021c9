import QtQuick
import QtQuick.Controls.Fusion
import QtQuick.Layouts
import Stint

// The tasks still to do, under the ring: the new-task entry while it is open,
// a spinner while the list loads, then one row per task.
Item {
    id: root

    required property DefaultViewModel viewModel

    implicitHeight: 240

    Component.onCompleted: {
        if (viewModel.tasks.length === 0)
            viewModel.fetchTasks()
    }

    // Return in the entry field. While a task is being created nothing
    // happens; otherwise the text goes to the view-model (an empty one closes
    // the entry). The text stays in the entry until the task has been made.
    function commitNewTask(field) {
        if (viewModel.newTaskCreatingInProgress)
            return
        viewModel.addTask(field.text)
    }

    Rectangle {
        id: frame
        anchors.fill: parent
        anchors.leftMargin: Theme.padding
        anchors.rightMargin: Theme.padding
        anchors.bottomMargin: Theme.padding
        radius: 6
        color: Theme.rowBackground
    }

    ListView {
        id: list
        objectName: "taskRows"
        anchors.fill: frame
        // Far enough in that square rows stay inside the rounded corners.
        anchors.margins: 3
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        // No current row: a view makes its first row current when rows
        // arrive, and the current row takes the keyboard focus, away from
        // the entry the user may be typing in while the list loads.
        currentIndex: -1
        Accessible.role: Accessible.List
        Accessible.name: qsTr("Tasks")
        // Rows follow the tasks by identity: a fetch of the same tasks
        // leaves the rows, the scroll position and the hovered row alone.
        model: TaskListModel {
            tasks: root.viewModel.pendingTasks
        }
        ScrollBar.vertical: ScrollBar {}

        header: ColumnLayout {
            width: ListView.view.width
            spacing: 0

            Loader {
                objectName: "newTaskRow"
                Layout.fillWidth: true
                active: root.viewModel.newTask
                visible: active
                // The entry opens where it can be seen, however far down
                // the list was scrolled.
                onActiveChanged: {
                    if (active)
                        list.positionViewAtBeginning()
                }
                sourceComponent: ColumnLayout {
                    spacing: 0

                    RowLayout {
                        spacing: Theme.spacing

                        // Kept by the view-model: it outlives the entry, the
                        // tab and the popover's closing.
                        TextField {
                            id: field
                            objectName: "newTaskField"
                            Layout.fillWidth: true
                            Layout.margins: Theme.padding
                            placeholderText: qsTr("Enter task name")
                            Accessible.name: placeholderText
                            text: root.viewModel.newTaskDraft.title
                            onTextEdited: root.viewModel.newTaskDraft.title = text
                            enabled: !root.viewModel.newTaskCreatingInProgress
                            onAccepted: root.commitNewTask(field)
                            // The entry opens ready for typing.
                            Component.onCompleted: forceActiveFocus()
                        }

                        BusyIndicator {
                            objectName: "creatingIndicator"
                            Layout.rightMargin: Theme.padding
                            Layout.preferredWidth: 24
                            Layout.preferredHeight: 24
                            visible: root.viewModel.newTaskCreatingInProgress
                            running: visible
                        }
                    }

                    // Why the last try failed; Return tries again.
                    Label {
                        objectName: "newTaskFailure"
                        Layout.fillWidth: true
                        Layout.leftMargin: Theme.padding
                        Layout.rightMargin: Theme.padding
                        Layout.bottomMargin: Theme.padding
                        visible: text.length > 0
                        text: root.viewModel.newTaskDraft.failure
                        color: Theme.danger
                        font.pixelSize: Theme.subheadlineSize
                        wrapMode: Text.Wrap
                    }
                }
            }

            BusyIndicator {
                objectName: "loadingIndicator"
                Layout.alignment: Qt.AlignHCenter
                Layout.margins: Theme.padding
                Layout.preferredWidth: 28
                Layout.preferredHeight: 28
                // Only for a list still empty: a refresh leaves the rows
                // where they are.
                visible: root.viewModel.isTaskLoading && list.count === 0
                running: visible
            }
        }

        delegate: ListItemView {
            width: ListView.view.width
            viewModel: root.viewModel
        }
    }

    // Drawn over the rows so they never hide it.
    Rectangle {
        anchors.fill: frame
        radius: frame.radius
        color: "transparent"
        border.color: Theme.separator
    }
}
