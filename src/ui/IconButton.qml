import QtQuick
import QtQuick.Controls.Fusion

// A button that is only its icon: no frame, no background; it dims while
// pressed. The icons carry their own colours. Its text is what assistive
// technology reads out, and assistive technology can press it like a click.
Button {
    id: control

    property int size: 32
    // Fades the icon alone: the button itself stays visible to assistive
    // technology (which skips fully transparent items) and clickable.
    property real iconOpacity: 1

    padding: 0
    flat: true
    focusPolicy: Qt.NoFocus
    display: AbstractButton.IconOnly
    Accessible.name: text
    Accessible.onPressAction: clicked()

    contentItem: Image {
        source: control.icon.source
        sourceSize.width: control.size
        sourceSize.height: control.size
        fillMode: Image.PreserveAspectFit
        opacity: control.iconOpacity * (control.down ? 0.55 : 1)
    }
    background: Item {
        implicitWidth: control.size
        implicitHeight: control.size
    }
}
