import QtQuick
import QtTest
import Stint
import StintTest

// TestCase itself is never visible: the views under test go under this item.
Item {
    id: root
    width: 400
    height: 400

    TestCase {
        id: testCase
        name: "TaskListView"
        when: windowShown

        function cleanup() {
            Fixtures.endCapture()
        }

        Component {
            id: listComponent
            TaskListView {
                width: 330
                height: 240
            }
        }

        function makeList(viewModel) {
            return createTemporaryObject(listComponent, root, { viewModel: viewModel })
        }

        function rows(list) {
            const view = findChild(list, "taskRows")
            const result = []
            const items = view.contentItem.children
            for (let i = 0; i < items.length; ++i) {
                const item = items[i]
                if (item.task !== undefined)
                    result.push(item)
            }
            result.sort((a, b) => a.y - b.y)
            return result
        }

        function test_showsPendingTasksInOrder() {
            const viewModel = Fixtures.makeViewModel()
            Fixtures.setTasks(viewModel, [
                { title: "Write report" },
                { title: "Done already", status: "completed" },
                { title: "Call the bank", status: "Completed" },
                { title: "No status", status: "" },
            ])
            const list = makeList(viewModel)
            waitForRendering(list)
            const shown = rows(list).map(row => findChild(row, "title").text)
            compare(shown, ["Write report", "Call the bank", "No status"])
        }

        function test_dueLine() {
            const viewModel = Fixtures.makeViewModel()
            const today = new Date()
            const due = Qt.formatDate(today, "yyyy-MM-dd")
            Fixtures.setTasks(viewModel, [{ title: "With due date", due: due }, { title: "Without" }])
            const list = makeList(viewModel)
            waitForRendering(list)
            const [withDue, without] = rows(list)
            verify(findChild(withDue, "dueText").visible)
            compare(findChild(withDue, "dueText").text, "Today")
            verify(!findChild(without, "dueText").visible)
        }

        // A fetch that brings the same tasks back (with new ids, as every
        // decoded reply has) keeps the rows, the scroll position and the
        // hovered row; the entry row opens in view however far down the list was.
        function test_refetchKeepsRowsAndScroll() {
            const viewModel = Fixtures.makeViewModel()
            const tasks = []
            for (let i = 0; i < 12; ++i)
                tasks.push({ title: "Task " + i, link: "https://tasks.google.com/task/" + i })
            Fixtures.setTasks(viewModel, tasks)
            const list = makeList(viewModel)
            const view = findChild(list, "taskRows")
            waitForRendering(list)
            view.contentY = 200
            waitForRendering(list)
            const hovered = rows(list).find(row => row.y > view.contentY + 10)
            mouseMove(hovered, 20, hovered.height / 2)
            tryVerify(() => hovered.isHovered)

            Fixtures.setTasks(viewModel, tasks)
            waitForRendering(list)
            compare(view.contentY, 200)
            verify(rows(list).indexOf(hovered) >= 0)
            verify(hovered.isHovered)

            viewModel.newTask = true
            tryVerify(() => findChild(list, "newTaskField") !== null)
            const field = findChild(list, "newTaskField")
            tryVerify(() => field.mapToItem(view, 0, 0).y >= 0)
        }

        function test_longTitleIsShownWhole() {
            const viewModel = Fixtures.makeViewModel()
            const title = "A task whose title is far too long to fit on one line of the popover"
            Fixtures.setTasks(viewModel, [{ title: title }])
            const list = makeList(viewModel)
            waitForRendering(list)
            const label = findChild(rows(list)[0], "title")
            verify(!label.truncated)
            verify(label.lineCount > 1)
        }

        function test_buttonsFadeInOnHover() {
            const viewModel = Fixtures.makeViewModel()
            Fixtures.setTasks(viewModel, [{ title: "Write report" }, { title: "Call the bank" }])
            const list = makeList(viewModel)
            waitForRendering(list)
            const [first, second] = rows(list)
            const link = findChild(first, "linkButton")
            const start = findChild(first, "startButton")
            compare(link.iconOpacity, 0)
            compare(start.iconOpacity, 0)
            // Hidden from the eye only: still there for a screen reader.
            verify(start.visible)
            compare(start.Accessible.name, "Start Write report")
            compare(link.Accessible.name, "Open Write report")

            mouseMove(first, 20, first.height / 2)
            verify(link.iconOpacity < 1) // fading in, not switched on
            tryCompare(link, "iconOpacity", 1)
            tryCompare(start, "iconOpacity", 1)
            compare(findChild(second, "startButton").iconOpacity, 0)

            // Still shown while the pointer is on one of them.
            mouseMove(start, start.width / 2, start.height / 2)
            wait(300)
            compare(start.iconOpacity, 1)
            compare(link.iconOpacity, 1)

            mouseMove(second, 20, second.height / 2)
            tryCompare(link, "iconOpacity", 0)
            tryCompare(findChild(second, "startButton"), "iconOpacity", 1)
        }

        function test_startButtonStartsTheTask() {
            const viewModel = Fixtures.makeViewModel()
            Fixtures.setTasks(viewModel, [{ title: "Write report" }])
            viewModel.stopAndSwitchPhase() // a rest phase
            const list = makeList(viewModel)
            waitForRendering(list)
            const row = rows(list)[0]
            mouseMove(row, 20, row.height / 2)
            Fixtures.captureOutput()
            mouseClick(findChild(row, "startButton"))
            compare(viewModel.taskTitle, "Write report")
            verify(viewModel.isTimerRunning)
            compare(viewModel.currentState, 0) // focus
            compare(viewModel.time, 1500)
            compare(Fixtures.outputLines(), ["Dropped task: Write report"])
        }

        function test_linkButtonOpensTheTaskPage() {
            const viewModel = Fixtures.makeViewModel()
            Fixtures.setTasks(viewModel, [{ title: "Write report", link: "https://tasks.google.com/task/abc" }])
            const list = makeList(viewModel)
            waitForRendering(list)
            const row = rows(list)[0]
            mouseMove(row, 20, row.height / 2)
            Fixtures.captureOutput()
            mouseClick(findChild(row, "linkButton"))
            compare(Fixtures.openedUrls[Fixtures.openedUrls.length - 1], "https://tasks.google.com/task/abc")
            compare(Fixtures.outputLines(), ["URL successfully opened"])
        }

        function test_fetchesWhenEmpty_data() {
            return [
                { tag: "no tasks", tasks: [], lines: ["Too early to fetch tasks, creds not restored yet"] },
                { tag: "tasks loaded", tasks: [{ title: "Write report" }], lines: [] },
            ]
        }

        function test_fetchesWhenEmpty(data) {
            const viewModel = Fixtures.makeViewModel()
            Fixtures.setTasks(viewModel, data.tasks)
            Fixtures.captureOutput()
            makeList(viewModel)
            compare(Fixtures.outputLines(), data.lines)
        }

        function test_loadingRow() {
            const viewModel = Fixtures.makeViewModel()
            Fixtures.setTasks(viewModel, [{ title: "Write report" }])
            const list = makeList(viewModel)
            const spinner = findChild(list, "loadingIndicator")
            verify(!spinner.visible)
            viewModel.isTaskLoading = true
            verify(spinner.visible)
        }

        function openEntry(viewModel) {
            Fixtures.setTasks(viewModel, [{ title: "Write report" }])
            const list = makeList(viewModel)
            viewModel.newTask = true
            const field = findChild(list, "newTaskField")
            verify(field !== null)
            return field
        }

        function test_entryTakesFocusWhenOpened() {
            const viewModel = Fixtures.makeViewModel()
            const field = openEntry(viewModel)
            tryCompare(field, "activeFocus", true)
            compare(field.placeholderText, "Enter task name")
        }

        function test_returnWithTitleCreatesTask() {
            const viewModel = Fixtures.makeViewModel()
            const field = openEntry(viewModel)
            tryCompare(field, "activeFocus", true)
            for (const character of "Buy milk")
                keyClick(character)
            compare(field.text, "Buy milk")
            keyClick(Qt.Key_Return)
            compare(field.text, "")
            verify(viewModel.newTaskCreatingInProgress)
            verify(!field.enabled)
            verify(findChild(root, "creatingIndicator").visible)
            // The request fails against the closed local port; the entry closes.
            tryCompare(viewModel, "newTask", false, 5000)
            verify(!viewModel.newTaskCreatingInProgress)
        }

        function test_returnWithEmptyFieldClosesEntry() {
            const viewModel = Fixtures.makeViewModel()
            const field = openEntry(viewModel)
            tryCompare(field, "activeFocus", true)
            keyClick(Qt.Key_Return)
            verify(!viewModel.newTask)
            verify(!viewModel.newTaskCreatingInProgress)
        }

        function test_returnWhileCreatingKeepsText() {
            const viewModel = Fixtures.makeViewModel()
            const field = openEntry(viewModel)
            field.text = "Second task"
            viewModel.newTaskCreatingInProgress = true
            verify(!field.enabled)
            field.accepted()
            compare(field.text, "Second task")
            verify(viewModel.newTask)
            verify(viewModel.newTaskCreatingInProgress)
        }
    }
}
