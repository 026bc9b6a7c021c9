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
