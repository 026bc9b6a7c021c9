import QtQuick
import QtQuick.Controls

Item {
    id: root
    required property DefaultViewModel viewModel
    implicitWidth: 330
    implicitHeight: 400
}
