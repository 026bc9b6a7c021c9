import QtQuick
import QtQuick.Controls.Fusion
import QtQuick.Layouts
import QtQuick.Shapes
import Stint

// The countdown as a ring: the part of the phase still left in blue on a
// faint track, a knob at the arc's moving end, and in the middle the phase,
// the time left and the play/pause button.
Item {
    id: root

    required property DefaultViewModel viewModel
    // The fraction of the phase left, 1 at its start. Held while the popover
    // is hidden (see ViewGate), as is the time below.
    property real progress: ViewGate.open ? viewModel.progress : progress
    // PomodoroState.focus; QML cannot reach an enum key that starts lower-case.
    readonly property bool isFocus: viewModel.currentState === 0

    implicitWidth: 230
    implicitHeight: 230

    CircularProgressModifier {
        id: geometry
        width: root.width
        height: root.height
        progress: root.progress
        circleProgress: root.progress
    }

    Shape {
        anchors.fill: parent
        antialiasing: true

        ShapePath {
            objectName: "track"
            fillColor: "transparent"
            strokeColor: Qt.rgba(Theme.track.r, Theme.track.g, Theme.track.b, 0.2)
            strokeWidth: 10
            capStyle: ShapePath.FlatCap
            joinStyle: ShapePath.MiterJoin
            miterLimit: 10

            PathAngleArc {
                centerX: geometry.center.x
                centerY: geometry.center.y
                radiusX: geometry.radius
                radiusY: geometry.radius
                startAngle: -90
                sweepAngle: 360
            }
        }

        ShapePath {
            objectName: "arc"
            fillColor: "transparent"
            strokeColor: Theme.accent
            strokeWidth: 10
            capStyle: ShapePath.FlatCap
            joinStyle: ShapePath.MiterJoin
            miterLimit: 10

            PathAngleArc {
                centerX: geometry.center.x
                centerY: geometry.center.y
                radiusX: geometry.radius
                radiusY: geometry.radius
                startAngle: geometry.arcStartAngle
                sweepAngle: geometry.arcSweepAngle
            }
        }
    }

    Rectangle {
        objectName: "knob"
        width: 14
        height: 14
        radius: 7
        x: geometry.knobPosition.x - width / 2
        y: geometry.knobPosition.y - height / 2
        color: "white"
        border.color: Theme.dark ? Theme.background : "black"
        border.width: 1
        antialiasing: true
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 16
        spacing: Theme.spacing

        Item { Layout.fillHeight: true }

        Label {
            objectName: "phaseLabel"
            Layout.alignment: Qt.AlignHCenter
            // Near the top the ring is narrow: a long phase name shrinks to
            // stay inside it.
            Layout.maximumWidth: 1.25 * geometry.radius
            text: root.isFocus ? qsTr("Stay focused") : qsTr("Rest")
            font.pixelSize: Theme.headlineSize
            font.weight: Font.DemiBold
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 9
            horizontalAlignment: Text.AlignHCenter
        }

        Item { Layout.fillHeight: true }

        Label {
            objectName: "timeText"
            Layout.alignment: Qt.AlignHCenter
            text: ViewGate.open ? Formatters.formatTime(root.viewModel.time) : text
            font.pixelSize: 50
            font.bold: true
            color: Theme.accent
        }

        Item { Layout.fillHeight: true }

        IconButton {
            objectName: "playPauseButton"
            Layout.alignment: Qt.AlignHCenter
            size: 32
            text: root.viewModel.isTimerRunning ? qsTr("Pause") : qsTr("Start")
            icon.source: Theme.iconPrefix + (root.viewModel.isTimerRunning ? "pause.circle.fill"
                                                                         : "play.circle.fill")
            onClicked: root.viewModel.isTimerRunning = !root.viewModel.isTimerRunning
        }

        Item { Layout.fillHeight: true }
    }
}
