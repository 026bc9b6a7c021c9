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
        name: "TimerView"
        when: windowShown

        function cleanup() {
            Fixtures.endCapture()
        }

        Component {
            id: timerComponent
            TimerView {}
        }

        function makeView(viewModel) {
            return createTemporaryObject(timerComponent, root, { viewModel: viewModel })
        }

        function shown(view, name) {
            const item = findChild(view, name)
            return item !== null && item.visible
        }

        function test_signedOut() {
            const viewModel = Fixtures.makeViewModel()
            const view = makeView(viewModel)
            verify(!shown(view, "addTaskButton"))
            verify(!findChild(view, "taskList").active)
            verify(shown(view, "GoogleSignInButton"))
            const explanation = findChild(view, "signInExplanation")
            verify(explanation.visible)
            compare(explanation.text,
                    "Sign in to Google to use the app fully and synchronize the Google Calendar tasks & events")
            const menu = findChild(view, "settingsMenu")
            menu.open()
            tryCompare(menu, "opened", true)
            verify(!findChild(view, "signOutItem").visible)
            verify(findChild(view, "privacyPolicyItem").visible)
            menu.close()

            const button = findChild(view, "GoogleSignInButton")
            compare(button.Accessible.name, "Sign in with Google")
            compare(button.Accessible.description, "Sign in with Google button.")
            const presses = Fixtures.signInPresses
            mouseClick(button)
            mouseClick(button)
            compare(Fixtures.signInPresses, presses + 2)
        }

        function test_signedIn() {
            const viewModel = Fixtures.makeViewModel()
            viewModel.currentUserRenewed = true
            Fixtures.setTasks(viewModel, [{ title: "Write report" }])
            const view = makeView(viewModel)
            verify(shown(view, "addTaskButton"))
            verify(findChild(view, "taskList").active)
            // The list takes the height the view is given, never under 240.
            const taskList = findChild(view, "taskList")
            compare(taskList.height, 240)
            view.height = view.implicitHeight + 100
            tryCompare(taskList, "height", 340)
            view.height = view.implicitHeight - 100
            tryCompare(taskList, "height", 240)
            verify(!shown(view, "GoogleSignInButton"))
            const menu = findChild(view, "settingsMenu")
            menu.open()
            tryCompare(menu, "opened", true)
            verify(findChild(view, "signOutItem").visible)
            menu.close()
            tryCompare(menu, "visible", false)

            mouseClick(findChild(view, "addTaskButton"))
            verify(viewModel.newTask)
        }

        function test_signOutFromMenu() {
            const viewModel = Fixtures.makeViewModel()
            viewModel.currentUserRenewed = true
            Fixtures.setTasks(viewModel, [{ title: "Write report" }])
            const view = makeView(viewModel)
            const menu = findChild(view, "settingsMenu")
            mouseClick(findChild(view, "menuButton"))
            tryCompare(menu, "opened", true)
            const signOut = findChild(view, "signOutItem")
            mouseClick(signOut)
            verify(!viewModel.currentUserRenewed)
            verify(shown(view, "GoogleSignInButton"))
            verify(!shown(view, "addTaskButton"))
            verify(!signOut.visible)
        }

        function test_privacyPolicyFromMenu() {
            const viewModel = Fixtures.makeViewModel()
            const view = makeView(viewModel)
            const menu = findChild(view, "settingsMenu")
            mouseClick(findChild(view, "menuButton"))
            tryCompare(menu, "opened", true)
            const before = Fixtures.openedUrls.length
            mouseClick(findChild(view, "privacyPolicyItem"))
            compare(Fixtures.openedUrls.length, before + 1)
            verify(Fixtures.openedUrls[before].endsWith("/privacy-policy/"))
        }

        function test_stopButton() {
            const viewModel = Fixtures.makeViewModel()
            const view = makeView(viewModel)
            verify(!shown(view, "stopButton"))
            viewModel.isTimerRunning = true
            verify(shown(view, "stopButton"))
            viewModel.isTimerRunning = false // paused before any tick: still at full length
            verify(!shown(view, "stopButton"))

            viewModel.isTimerRunning = true
            viewModel.tick()
            viewModel.isTimerRunning = false
            verify(shown(view, "stopButton"))

            mouseClick(findChild(view, "stopButton"))
            compare(viewModel.time, 300)
            verify(!shown(view, "stopButton"))
            compare(findChild(view, "phaseLabel").text, "Rest")
        }

        function test_question_data() {
            return [{ tag: "Yes", button: "yesButton" }, { tag: "No", button: "noButton" }]
        }

        function test_question(data) {
            const viewModel = Fixtures.makeViewModel()
            const view = makeView(viewModel)
            verify(!shown(view, "question"))

            // A task's focus phase runs out.
            viewModel.taskTitle = "Write report"
            viewModel.time = 1
            viewModel.isTimerRunning = true
            viewModel.tick()
            verify(shown(view, "question"))

            mouseClick(findChild(view, data.button))
            verify(!shown(view, "question"))
            compare(viewModel.taskTitle, "Write report")
            verify(!viewModel.isTimerRunning)
        }

        function test_errorRow() {
            const viewModel = Fixtures.makeViewModel()
            const view = makeView(viewModel)
            verify(!shown(view, "errorRow"))

            Fixtures.failFetch(viewModel, undefined)
            verify(shown(view, "errorRow"))
            compare(findChild(view, "errorText").text, "An error occurred")

            Fixtures.failFetch(viewModel, "The Internet connection appears to be offline.")
            compare(findChild(view, "errorText").text, "The Internet connection appears to be offline.")

            Fixtures.captureOutput()
            mouseClick(findChild(view, "retryButton"))
            compare(Fixtures.outputLines(), ["Too early to fetch tasks, creds not restored yet"])
        }

        function test_fetchesTasksWhenShown() {
            const viewModel = Fixtures.makeViewModel()
            Fixtures.captureOutput()
            makeView(viewModel)
            compare(Fixtures.outputLines(), ["Too early to fetch tasks, creds not restored yet"])
        }
    }
}
