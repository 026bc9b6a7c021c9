import QtQuick
import QtQuick.Controls.Fusion
import QtQuick.Layouts
import Stint

// "Connect Google": the Google OAuth client Stint signs in with, entered by
// the user, with a link to the guide that tells how to make one. Made each
// time the form shows, so it starts from the current client id.
ColumnLayout {
    id: root

    required property GoogleClientForm form

    spacing: Theme.spacing

    function save() {
        if (root.form.save(idField.text, secretField.text))
            secretField.text = ""
    }

    Label {
        objectName: "connectGoogleTitle"
        Layout.alignment: Qt.AlignHCenter
        text: qsTr("Connect Google")
        font.pixelSize: Theme.titleSize
    }

    Label {
        Layout.fillWidth: true
        text: qsTr("Stint reaches your tasks and calendar through a Google client of your own.")
        wrapMode: Text.WordWrap
        horizontalAlignment: Text.AlignHCenter
        color: Theme.secondaryText
    }

    TextField {
        id: idField
        objectName: "clientIdField"
        Layout.fillWidth: true
        placeholderText: qsTr("Client ID")
        Accessible.name: placeholderText
        text: root.form.client ? root.form.client.clientId : ""
        inputMethodHints: Qt.ImhNoAutoUppercase | Qt.ImhNoPredictiveText | Qt.ImhUrlCharactersOnly
        onAccepted: root.save()
    }

    TextField {
        id: secretField
        objectName: "clientSecretField"
        Layout.fillWidth: true
        placeholderText: qsTr("Client secret")
        // Qt gives a password field no name on the accessibility bus; the
        // placeholder reaches it as the field's description.
        Accessible.name: placeholderText
        echoMode: TextInput.Password
        inputMethodHints: Qt.ImhSensitiveData | Qt.ImhNoPredictiveText
        onAccepted: root.save()
    }

    Label {
        objectName: "clientFormReason"
        Layout.fillWidth: true
        visible: root.form.reason !== ""
        text: root.form.reason
        textFormat: Text.PlainText
        color: Theme.danger
        wrapMode: Text.Wrap
        horizontalAlignment: Text.AlignHCenter
    }

    AbstractButton {
        id: guideLink
        objectName: "clientGuideLink"
        Layout.alignment: Qt.AlignHCenter
        focusPolicy: Qt.StrongFocus
        text: qsTr("How do I get these?")
        Accessible.name: text
        Accessible.onPressAction: clicked()
        onClicked: root.form.openGuide()

        contentItem: Text {
            text: guideLink.text
            font: guideLink.font
            color: Theme.accent
            textFormat: Text.PlainText
        }
        background: Rectangle {
            y: parent.height - 1
            height: 1
            color: Theme.accent
            visible: guideLink.hovered || guideLink.visualFocus
        }
    }

    RowLayout {
        Layout.alignment: Qt.AlignHCenter
        spacing: Theme.spacing

        Button {
            objectName: "clientRemoveButton"
            visible: root.form.isEditing && root.form.client !== null && root.form.client.isEntered
            text: qsTr("Remove")
            palette.buttonText: Theme.danger
            Accessible.onPressAction: clicked()
            onClicked: root.form.remove()
        }
        Button {
            objectName: "clientCancelButton"
            visible: root.form.isEditing
            text: qsTr("Cancel")
            Accessible.onPressAction: clicked()
            onClicked: root.form.cancel()
        }
        Button {
            objectName: "clientSaveButton"
            text: qsTr("Save")
            Accessible.onPressAction: clicked()
            onClicked: root.save()
        }
    }
}
