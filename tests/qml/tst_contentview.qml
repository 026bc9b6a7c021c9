import QtQuick
import QtTest
import Stint
import StintTest

// TestCase itself is never visible: the views under test go under this item.
Item {
    id: root
    width: 400
    height: 900

    TestCase {
        name: "ContentView"
        when: windowShown

        Component {
            id: contentComponent
            ContentView {}
        }

        function cleanup() {
            Fixtures.endCapture()
        }

        function makeView(viewModel, tab) {
            return createTemporaryObject(contentComponent, root, { viewModel: viewModel, selectedIndex: tab || 0 })
        }

        // Keys while the popover has the focus: Space starts and pauses,
        // Escape asks to close; in the task entry both are the entry's.
        function test_keyboard() {
            const viewModel = Fixtures.makeViewModel()
            viewModel.currentUserRenewed = true
            Fixtures.setEvents(viewModel, [{ summary: "Standup" }]) // nothing to fetch
            const view = makeView(viewModel)
            let closeRequests = 0
            view.closeRequested.connect(() => ++closeRequests)
            view.forceActiveFocus()

            keyClick(Qt.Key_Space)
            verify(viewModel.isTimerRunning)
            keyClick(Qt.Key_Space)
            verify(!viewModel.isTimerRunning)
            keyClick(Qt.Key_Escape)
            compare(closeRequests, 1)

            viewModel.newTask = true
            tryVerify(() => findChild(view, "newTaskField") !== null)
            const field = findChild(view, "newTaskField")
            tryVerify(() => field.activeFocus)
            keyClick(Qt.Key_A)
            keyClick(Qt.Key_Space)
            compare(field.text, "a ")
            verify(!viewModel.isTimerRunning)

            // Tab reaches the tab picker; the arrow keys switch tabs there.
            view.forceActiveFocus()
            const timerTab = findChild(view, "timerTab")
            for (let i = 0; i < 8 && !timerTab.activeFocus; ++i)
                keyClick(Qt.Key_Tab)
            verify(timerTab.activeFocus)
            keyClick(Qt.Key_Right)
            verify(findChild(view, "eventsTab").activeFocus)
            tryVerify(() => findChild(view, "ring") === null)
            verify(findChild(view, "eventRows") !== null)
            keyClick(Qt.Key_Left)
            tryVerify(() => findChild(view, "ring") !== null)
        }

        // Screen readers, and the end-to-end tests, find controls by name.
        function test_everyControlHasAnAccessibleName() {
            const viewModel = Fixtures.makeViewModel()
            viewModel.currentUserRenewed = true
            Fixtures.setTasks(viewModel, [{ title: "Write report" }])
            viewModel.tasksFetchHasError = true
            viewModel.newTask = true
            viewModel.shouldAskIfTaskIsDone = true
            viewModel.isTimerRunning = true
            const view = makeView(viewModel)
            waitForRendering(view)
            const unnamed = []
            let seen = 0
            function visit(item) {
                if (item.visible && ("checkable" in item || "placeholderText" in item
                                     || item.Accessible.role === Accessible.List)) {
                    ++seen
                    // A button without a name of its own is read out by its text.
                    if (!item.Accessible.name && !item.text)
                        unnamed.push(item.objectName || String(item))
                }
                for (let i = 0; i < item.children.length; ++i)
                    visit(item.children[i])
            }
            visit(view)
            compare(unnamed, [])
            verify(seen >= 10, "only " + seen + " controls seen")
        }

        // The desktop switches to a dark scheme while the popover is open.
        function test_followsTheDesktopPaletteLive() {
            const view = makeView(Fixtures.makeViewModel())
            const lightBackground = view.background.color
            Fixtures.setDarkPalette(true)
            verify(view.background.color.hslLightness < 0.5)
            verify(Qt.colorEqual(findChild(view, "timeText").color, Theme.accent))
            Fixtures.setDarkPalette(false)
            compare(view.background.color, lightBackground)
        }

        // The Events tab: a start line for events that have a time, "Join
        // Meeting" for those with a conference.
        function test_eventRows() {
            const viewModel = Fixtures.makeViewModel()
            Fixtures.setEvents(viewModel, [
                { summary: "Standup", start: new Date(), meeting: "https://meet.google.com/abc-defg-hij" },
                { summary: "Holiday" },
            ])
            const view = makeView(viewModel, 1)
            waitForRendering(view)
            const rows = Array.from(findChild(view, "eventRows").contentItem.children)
                .filter(item => item.event !== undefined).sort((a, b) => a.y - b.y)
            compare(rows.map(row => findChild(row, "summary").text), ["Standup", "Holiday"])
            compare(rows.map(row => findChild(row, "startText").visible), [true, false])
            compare(rows.map(row => findChild(row, "joinButton").visible), [true, false])
            const opened = Fixtures.openedUrls.length
            mouseClick(findChild(rows[0], "joinButton"))
            tryCompare(Fixtures.openedUrls, "length", opened + 1)
        }

        // Only an empty Events tab asks for events; the request fails against
        // the closed local port.
        function test_eventsFetchedOnlyWhenEmpty() {
            const loaded = Fixtures.makeViewModel()
            Fixtures.setEvents(loaded, [{ summary: "Standup" }])
            Fixtures.captureOutput()
            makeView(Fixtures.makeViewModel(), 1)
            tryVerify(() => Fixtures.outputLines().length === 1, 5000)
            makeView(loaded, 1)
            makeView(Fixtures.makeViewModel(), 1)
            tryVerify(() => Fixtures.outputLines().length > 1, 5000)
            compare(Fixtures.outputLines().length, 2)
            verify(Fixtures.outputLines()[0].startsWith("Error fetching data: "))
        }
    }
}
