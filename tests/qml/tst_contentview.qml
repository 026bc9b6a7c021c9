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
        id: testCase
        name: "ContentView"
        when: windowShown

        function cleanup() {
            Fixtures.endCapture()
        }

        Component {
            id: contentComponent
            ContentView {}
        }

        function makeView(viewModel) {
            return createTemporaryObject(contentComponent, root, { viewModel: viewModel })
        }

        function test_opensOnTimerTab() {
            const view = makeView(Fixtures.makeViewModel())
            compare(view.selectedIndex, 0)
            compare(view.width, 330)
            verify(findChild(view, "ring") !== null)
            compare(findChild(view, "timerTab").text, "Timer")
            compare(findChild(view, "eventsTab").text, "Events")
            // Sized to its content, so the popover can be.
            const content = findChild(view, "tabContent")
            verify(view.implicitHeight >= content.item.implicitHeight)
            verify(view.implicitHeight < 900)
        }

        // Keys while the popover has the focus: Space starts and pauses,
        // Escape asks to close; in the task entry both are the entry's.
        function test_keyboard() {
            const viewModel = Fixtures.makeViewModel()
            viewModel.currentUserRenewed = true
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
            compare(view.selectedIndex, 1)
            verify(findChild(view, "eventsTab").activeFocus)
            keyClick(Qt.Key_Left)
            compare(view.selectedIndex, 0)
        }

        // Screen readers, and the end-to-end tests, find controls by name.
        function test_everyControlHasAnAccessibleName() {
            const viewModel = Fixtures.makeViewModel()
            viewModel.currentUserRenewed = true
            Fixtures.setTasks(viewModel, [{ title: "Write report" }])
            Fixtures.failFetch(viewModel, "offline")
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
            verify(!Theme.dark)
            Fixtures.setDarkPalette(true)
            verify(Theme.dark)
            compare(Theme.accent, Qt.color("#3daee9"))
            verify(view.background.color.hslLightness < 0.5)
            verify(Qt.colorEqual(findChild(view, "timeText").color, Theme.accent))
            Fixtures.setDarkPalette(false)
            verify(!Theme.dark)
            compare(view.background.color, lightBackground)
        }

        function test_tabsShareTheViewModel() {
            const viewModel = Fixtures.makeViewModel()
            Fixtures.setEvents(viewModel, [{ summary: "Standup" }])
            const view = makeView(viewModel)
            viewModel.isTimerRunning = true
            viewModel.tick()

            mouseClick(findChild(view, "eventsTab"))
            compare(view.selectedIndex, 1)
            tryVerify(() => findChild(view, "ring") === null)
            verify(findChild(view, "eventRows") !== null)

            Fixtures.captureOutput()
            mouseClick(findChild(view, "timerTab"))
            compare(findChild(view, "ring").viewModel, viewModel)
            compare(findChild(view, "timeText").text, "24:59")
            // Coming back fetches the tasks again.
            compare(Fixtures.outputLines(), ["Too early to fetch tasks, creds not restored yet"])
        }
    }
}
