import QtQuick
import QtQuick.Controls.Fusion
import QtQuick.Layouts
import Stint

// The "Events" tab: the user's calendar events with their start times and,
// for a video conference, a "Join Meeting" button. Fetched again at each
// showing; the rows that stay keep their place, scroll position and hover.
Item {
    id: root

    required property DefaultViewModel viewModel
    // Given more height, the list takes it.
    readonly property bool fillsHeight: true

    implicitWidth: 330
    // As tall as the rows, within bounds: the popover is sized to this.
    implicitHeight: Math.max(240, Math.min(list.contentHeight + 6, 480)) + 2 * Theme.padding

    // Nobody signed in: asked for only while there are none, as the answer
    // can only be a refusal.
    Component.onCompleted: {
        if (viewModel.isSignedIn || viewModel.events.length === 0)
            viewModel.fetchEvents()
    }

    Rectangle {
        id: frame
        anchors.fill: parent
        anchors.margins: Theme.padding
        radius: 6
        color: Theme.rowBackground
        border.color: Theme.separator
    }

    ListView {
        id: list
        objectName: "eventRows"
        anchors.fill: frame
        // Far enough in that square rows stay inside the rounded corners.
        anchors.margins: 3
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        Accessible.role: Accessible.List
        Accessible.name: qsTr("Events")
        // Held while the popover is hidden (see ViewGate).
        model: EventListModel {
            events: ViewGate.open ? root.viewModel.events : events
        }
        ScrollBar.vertical: ScrollBar {}

        delegate: Item {
            id: eventRow

            required property var event

            width: ListView.view.width
            implicitHeight: rowLayout.implicitHeight + 2 * Theme.padding

            RowLayout {
                id: rowLayout
                anchors.fill: parent
                anchors.margins: Theme.padding
                spacing: Theme.spacing

                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 2

                    Label {
                        objectName: "summary"
                        Layout.fillWidth: true
                        text: eventRow.event.summary
                        textFormat: Text.PlainText
                        font.pixelSize: Theme.bodySize
                        font.bold: true
                        elide: Text.ElideRight
                    }
                    Label {
                        objectName: "startText"
                        Layout.fillWidth: true
                        visible: eventRow.event.hasStartDateTime
                        text: Formatters.startText(eventRow.event)
                        textFormat: Text.PlainText
                        font.pixelSize: Theme.subheadlineSize
                        color: Theme.secondaryText
                        elide: Text.ElideRight
                    }
                }

                Button {
                    objectName: "joinButton"
                    visible: eventRow.event.hasConferenceData
                    text: qsTr("Join Meeting")
                    palette.buttonText: Theme.accent
                    Accessible.onPressAction: clicked()
                    onClicked: root.viewModel.joinMeeting(eventRow.event)
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
    }
}
