import QtQuick
import QtQuick.Controls.Fusion

// Google's sign-in button in its dark scheme, standard style: the "G" mark
// on the left of "Sign in with Google", in a pill-shaped frame.
AbstractButton {
    id: control

    implicitWidth: leftPadding + mark.width + spacing + label.implicitWidth + rightPadding
    implicitHeight: 40
    leftPadding: 12
    rightPadding: 12
    spacing: 10
    focusPolicy: Qt.StrongFocus
    text: qsTr("Sign in with Google")
    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.description: qsTr("Sign in with Google button.")
    Accessible.onPressAction: clicked()

    background: Rectangle {
        radius: height / 2
        color: "#131314"
        border.width: 1
        border.color: "#8E918F"

        // Google's state layers: a light veil while hovered or pressed.
        Rectangle {
            anchors.fill: parent
            radius: parent.radius
            color: "#E3E3E3"
            opacity: control.down ? 0.12 : control.hovered ? 0.08 : 0
        }
        Rectangle {
            anchors.fill: parent
            anchors.margins: -3
            radius: height / 2
            color: "transparent"
            border.width: 2
            border.color: "#8E918F"
            visible: control.visualFocus
        }
    }

    contentItem: Item {
        Image {
            id: mark
            anchors.verticalCenter: parent.verticalCenter
            source: "icons/google-g.svg"
            width: 20
            height: 20
            sourceSize.width: 20
            sourceSize.height: 20
        }
        Text {
            id: label
            anchors.left: mark.right
            anchors.leftMargin: control.spacing
            anchors.verticalCenter: parent.verticalCenter
            text: control.text
            color: "#E3E3E3"
            font.pixelSize: 14
            font.weight: Font.Medium
        }
    }
}
