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
        name: "TimerView"
        when: windowShown

        function cleanup() {
            Fixtures.endCapture()
        }

        Component {
            id: timerComponent
            TimerView {}
        }

        Component {
            id: ringComponent
            CircularProgressView {}
        }

        function makeView(viewModel) {
            return createTemporaryObject(timerComponent, root, { viewModel: viewModel })
        }

        function shown(view, name) {
            const item = findChild(view, name)
            return item !== null && item.visible
        }

        // Signed in: the task list, taking the height it is given but never
        // under 240, and "Add task"; signing out from the menu brings back
        // the sign-in button.
        function test_signInAndOut() {
            const viewModel = Fixtures.makeViewModel()
            viewModel.currentUserRenewed = true
            Fixtures.setTasks(viewModel, [{ title: "Write report" }])
            const view = makeView(viewModel)
            const taskList = findChild(view, "taskList")
            verify(taskList.active)
            verify(!shown(view, "GoogleSignInButton"))
            view.height = view.implicitHeight + 100
            tryCompare(taskList, "height", 340)
            view.height = view.implicitHeight - 100
            tryCompare(taskList, "height", 240)
            mouseClick(findChild(view, "addTaskButton"))
            verify(viewModel.newTask)

            const menu = findChild(view, "settingsMenu")
            mouseClick(findChild(view, "menuButton"))
            tryCompare(menu, "opened", true)
            mouseClick(findChild(view, "signOutItem"))
            verify(!taskList.active)
            verify(!shown(view, "addTaskButton"))
            const presses = Fixtures.signInPresses
            mouseClick(findChild(view, "GoogleSignInButton"))
            compare(Fixtures.signInPresses, presses + 1)
            menu.open()
            tryCompare(menu, "opened", true)
            verify(!findChild(view, "signOutItem").visible)
        }

        // Play, pause, then stop: the phase ends early and the other one begins.
        function test_playPauseStop() {
            const viewModel = Fixtures.makeViewModel()
            const view = makeView(viewModel)
            mouseClick(findChild(view, "playPauseButton"))
            verify(viewModel.isTimerRunning)
            viewModel.tick()
            mouseClick(findChild(view, "playPauseButton"))
            verify(!viewModel.isTimerRunning)
            mouseClick(findChild(view, "stopButton"))
            compare(findChild(view, "phaseLabel").text, "Rest")
            compare(findChild(view, "timeText").text, "05:00")
            verify(!shown(view, "stopButton"))
        }

        // With three quarters of the phase left: blue from the knob at
        // 3 o'clock clockwise to 12, only the faint track in the quarter left.
        function test_ringArcAndKnob() {
            const viewModel = Fixtures.makeViewModel()
            const ring = createTemporaryObject(ringComponent, root, { viewModel: viewModel })
            viewModel.progress = 0.75
            waitForRendering(ring)
            const image = grabImage(ring)
            function at(degrees) {
                const a = degrees * Math.PI / 180
                return image.pixel(Math.round(115 + 105 * Math.cos(a)), Math.round(115 + 105 * Math.sin(a)))
            }
            const knob = findChild(ring, "knob")
            fuzzyCompare(knob.x + knob.width / 2, 220, 1e-6)
            fuzzyCompare(knob.y + knob.height / 2, 115, 1e-6)
            for (const angle of [90, 180, 260])
                verify(Qt.colorEqual(at(angle), Theme.accent), "blue at " + angle)
            for (const angle of [-80, -45, -10])
                verify(at(angle).r < 0.98 && Math.abs(at(angle).r - at(angle).b) < 0.05, "gray at " + angle)
        }

        // Tasks are fetched as the view appears and again from "Retry".
        function test_fetchAndRetry() {
            const viewModel = Fixtures.makeViewModel()
            Fixtures.captureOutput()
            const view = makeView(viewModel)
            viewModel.tasksFetchHasError = true
            mouseClick(findChild(view, "retryButton"))
            compare(Fixtures.outputLines(), Array(2).fill("Too early to fetch tasks, creds not restored yet"))
        }
    }
}
