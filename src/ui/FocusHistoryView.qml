import QtQuick
import QtQuick.Controls.Fusion
import QtQuick.Dialogs
import QtQuick.Layouts
import Stint

// The "Focus History" window: a week's focused minutes per day as bars (back
// and forth by week), the tasks of the selected day or of the whole week,
// today's phases, and the export and clearing of the history.
//
// Keys: Tab moves between the controls; Left and Right move between the
// days, Page Up and Page Down between the weeks, Home goes back to today,
// Escape asks to close (closeRequested).
Pane {
    id: root

    required property FocusHistoryModel model

    signal closeRequested()

    // The phase rows' "Focus"/"Rest" column: as wide as the longer word in
    // the user's language.
    readonly property real kindWidth: Math.ceil(Math.max(focusWord.advanceWidth, restWord.advanceWidth))

    TextMetrics {
        id: focusWord
        font: root.font
        text: qsTranslate("FocusHistoryModel", "Focus")
    }
    TextMetrics {
        id: restWord
        font: root.font
        text: qsTranslate("FocusHistoryModel", "Rest")
    }

    implicitWidth: 540
    implicitHeight: 640
    padding: 2 * Theme.padding
    focus: true
    font.pixelSize: Theme.bodySize

    palette.window: Theme.background
    palette.windowText: Theme.text
    palette.base: Theme.rowBackground
    palette.alternateBase: Theme.background
    palette.text: Theme.text
    palette.button: Theme.button
    palette.buttonText: Theme.text
    palette.brightText: Theme.rowBackground
    palette.light: Qt.lighter(Theme.button, 1.25)
    palette.midlight: Qt.lighter(Theme.button, 1.1)
    palette.mid: Qt.darker(Theme.button, 1.2)
    palette.dark: Qt.darker(Theme.button, 1.5)
    palette.shadow: Qt.darker(Theme.button, 2.5)
    palette.highlight: Theme.accent
    palette.highlightedText: "white"
    palette.toolTipBase: Theme.rowBackground
    palette.toolTipText: Theme.text
    palette.disabled.text: Theme.secondaryText
    palette.disabled.windowText: Theme.secondaryText
    palette.disabled.buttonText: Theme.secondaryText

    background: Rectangle {
        color: Theme.background
    }

    Binding {
        target: root.Window.window
        property: "color"
        value: Theme.background
        when: root.Window.window !== null
    }

    Keys.onEscapePressed: root.closeRequested()
    Keys.onPressed: event => {
        if (event.key === Qt.Key_PageUp) {
            root.model.previousWeek()
        } else if (event.key === Qt.Key_PageDown) {
            root.model.nextWeek()
        } else if (event.key === Qt.Key_Home) {
            root.model.showToday()
        } else {
            return
        }
        event.accepted = true
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: Theme.spacing

        // The week, and the way to the ones before and after it.
        RowLayout {
            Layout.fillWidth: true
            spacing: Theme.spacing

            Button {
                objectName: "previousWeekButton"
                text: "‹"
                Accessible.name: qsTr("Previous Week")
                Accessible.onPressAction: clicked()
                ToolTip.visible: hovered
                ToolTip.text: qsTr("Previous Week")
                onClicked: root.model.previousWeek()
            }
            Label {
                objectName: "weekTitle"
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                text: root.model.weekTitle
                font.pixelSize: Theme.headlineSize
                font.weight: Font.DemiBold
            }
            Button {
                objectName: "nextWeekButton"
                text: "›"
                enabled: root.model.canGoForward
                Accessible.name: qsTr("Next Week")
                Accessible.onPressAction: clicked()
                ToolTip.visible: hovered
                ToolTip.text: qsTr("Next Week")
                onClicked: root.model.nextWeek()
            }
            Button {
                objectName: "todayButton"
                text: qsTr("Today")
                Accessible.onPressAction: clicked()
                onClicked: root.model.showToday()
            }
        }

        Label {
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            text: qsTr("Focused this week: %1").arg(root.model.weekTotal)
            color: Theme.secondaryText
        }

        // Focused minutes per day; a day's bar selects its tasks, the
        // selected one again the whole week.
        RowLayout {
            id: bars
            objectName: "bars"
            Layout.fillWidth: true
            Layout.preferredHeight: 170
            spacing: Theme.spacing

            Repeater {
                id: dayBars
                model: root.model.days

                AbstractButton {
                    id: day
                    required property var modelData
                    required property int index
                    readonly property bool selected: root.model.selectedDay === index
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    focusPolicy: Qt.StrongFocus
                    Accessible.role: Accessible.Button
                    Accessible.name: modelData.label + " " + modelData.date + ": " + modelData.time
                    Accessible.onPressAction: clicked()
                    Keys.onLeftPressed: move(-1)
                    Keys.onRightPressed: move(1)
                    onClicked: root.model.selectedDay = selected ? -1 : index

                    function move(step) {
                        const next = Math.max(0, Math.min(6, index + step))
                        root.model.selectedDay = next
                        dayBars.itemAt(next).forceActiveFocus(Qt.TabFocusReason)
                    }

                    contentItem: ColumnLayout {
                        spacing: 2

                        Label {
                            Layout.alignment: Qt.AlignHCenter
                            text: day.modelData.minutes > 0 ? day.modelData.time : ""
                            font.pixelSize: Theme.subheadlineSize
                            color: Theme.secondaryText
                        }
                        Item {
                            Layout.fillWidth: true
                            Layout.fillHeight: true

                            Rectangle {
                                anchors.bottom: parent.bottom
                                anchors.horizontalCenter: parent.horizontalCenter
                                width: Math.min(parent.width, 36)
                                height: Math.max(day.modelData.minutes > 0 ? 3 : 1,
                                                 parent.height * day.modelData.minutes / root.model.scaleMinutes)
                                radius: 4
                                color: day.modelData.minutes > 0
                                       ? (day.selected || root.model.selectedDay < 0 ? Theme.accent
                                                                                     : Qt.rgba(Theme.accent.r, Theme.accent.g, Theme.accent.b, 0.45))
                                       : Theme.separator
                            }
                        }
                        Label {
                            Layout.alignment: Qt.AlignHCenter
                            text: day.modelData.label
                            font.weight: day.modelData.isToday ? Font.Bold : Font.Normal
                            color: day.modelData.isFuture ? Theme.secondaryText : Theme.text
                        }
                    }
                    background: Rectangle {
                        radius: 6
                        color: day.selected ? Qt.rgba(Theme.track.r, Theme.track.g, Theme.track.b, 0.15) : "transparent"
                        border.width: day.visualFocus ? 2 : 0
                        border.color: Theme.accent
                    }
                }
            }
        }

        Rectangle {
            Layout.fillWidth: true
            implicitHeight: 1
            color: Theme.separator
        }

        ScrollView {
            id: scroll
            Layout.fillWidth: true
            Layout.fillHeight: true
            contentWidth: availableWidth

            ColumnLayout {
                width: scroll.availableWidth
                spacing: Theme.spacing

                RowLayout {
                    Layout.fillWidth: true
                    Label {
                        objectName: "selectionTitle"
                        Layout.fillWidth: true
                        text: root.model.selectionTitle
                        font.pixelSize: Theme.headlineSize
                        font.weight: Font.DemiBold
                    }
                    Button {
                        objectName: "wholeWeekButton"
                        visible: root.model.selectedDay >= 0
                        text: qsTr("Whole Week")
                        Accessible.onPressAction: clicked()
                        onClicked: root.model.selectedDay = -1
                    }
                }
                Label {
                    visible: root.model.tasks.length === 0
                    text: root.model.available ? qsTr("No focus recorded.")
                                               : qsTr("The focus history is off: its file is from a newer version of Stint.")
                    color: Theme.secondaryText
                    wrapMode: Text.WordWrap
                    Layout.fillWidth: true
                }
                Repeater {
                    objectName: "taskRows"
                    model: root.model.tasks

                    RowLayout {
                        required property var modelData
                        Layout.fillWidth: true
                        spacing: Theme.spacing

                        Label {
                            Layout.fillWidth: true
                            text: modelData.title
                            textFormat: Text.PlainText
                            elide: Text.ElideRight
                        }
                        Label {
                            text: modelData.phases
                            color: Theme.secondaryText
                        }
                        Label {
                            Layout.minimumWidth: 80
                            horizontalAlignment: Text.AlignRight
                            text: modelData.time
                        }
                    }
                }

                Label {
                    Layout.topMargin: Theme.padding
                    text: qsTr("Today’s Phases")
                    font.pixelSize: Theme.headlineSize
                    font.weight: Font.DemiBold
                }
                Label {
                    visible: root.model.todayPhases.length === 0
                    text: qsTr("No phases today yet.")
                    color: Theme.secondaryText
                }
                Repeater {
                    objectName: "phaseRows"
                    model: root.model.todayPhases

                    RowLayout {
                        required property var modelData
                        Layout.fillWidth: true
                        spacing: Theme.spacing

                        Label {
                            Layout.preferredWidth: 150
                            text: modelData.times
                        }
                        Label {
                            Layout.preferredWidth: root.kindWidth
                            text: modelData.kind
                            color: modelData.isFocus ? Theme.accent : Theme.secondaryText
                        }
                        Label {
                            Layout.fillWidth: true
                            text: modelData.task
                            textFormat: Text.PlainText
                            elide: Text.ElideRight
                        }
                        Label {
                            text: modelData.time + " · " + modelData.ending
                            color: Theme.secondaryText
                        }
                    }
                }
            }
        }

        Label {
            objectName: "privacyNote"
            Layout.fillWidth: true
            text: qsTr("Your focus history stays on this computer: it never leaves the machine.")
            color: Theme.secondaryText
            font.pixelSize: Theme.subheadlineSize
            wrapMode: Text.WordWrap
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: Theme.spacing

            Button {
                objectName: "exportButton"
                text: qsTr("Export…")
                Accessible.onPressAction: clicked()
                onClicked: {
                    exportDialog.selectedFile = exportDialog.currentFolder + "/" + root.model.exportFileName()
                    exportDialog.open()
                }
            }
            Item {
                Layout.fillWidth: true
            }
            Button {
                objectName: "clearButton"
                text: qsTr("Clear History…")
                palette.buttonText: Theme.danger
                Accessible.onPressAction: clicked()
                onClicked: clearDialog.open()
            }
        }
    }

    FileDialog {
        id: exportDialog
        objectName: "exportDialog"
        title: qsTr("Export Focus History")
        fileMode: FileDialog.SaveFile
        defaultSuffix: "csv"
        nameFilters: [qsTr("CSV files (*.csv)")]
        onAccepted: root.model.exportTo(selectedFile)
    }

    Dialog {
        id: clearDialog
        objectName: "clearDialog"
        anchors.centerIn: parent
        modal: true
        title: qsTr("Clear the focus history?")
        standardButtons: Dialog.Cancel | Dialog.Discard

        Label {
            width: 320
            text: qsTr("Every recorded phase is removed from this computer. This cannot be undone.")
            wrapMode: Text.WordWrap
        }

        Component.onCompleted: standardButton(Dialog.Discard).text = qsTr("Clear History")
        onDiscarded: {
            root.model.clear()
            close()
        }
    }
}
