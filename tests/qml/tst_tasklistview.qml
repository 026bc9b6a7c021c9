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

        function makeList(tasks) {
            const viewModel = Fixtures.makeViewModel()
            Fixtures.setTasks(viewModel, tasks)
            const list = createTemporaryObject(listComponent, root, { viewModel: viewModel })
            waitForRendering(list)
            return list
        }

        // The task rows, top to bottom.
        function rows(list) {
            return Array.from(findChild(list, "taskRows").contentItem.children)
                .filter(item => item.task !== undefined).sort((a, b) => a.y - b.y)
        }

        function test_showsPendingTasks() {
            const longTitle = "A task whose title is far too long to fit on one line of the popover"
            const list = makeList([
                { title: longTitle, due: Qt.formatDate(new Date(), "yyyy-MM-dd") },
                { title: "Done already", status: "completed" },
                { title: "Call the bank" },
            ])
            const shown = rows(list)
            compare(shown.map(row => findChild(row, "title").text), [longTitle, "Call the bank"])
            compare(shown.map(row => findChild(row, "dueText").visible), [true, false])
            verify(!findChild(shown[0], "title").truncated)
        }

        // A fetch that brings the same tasks back (with new ids, as every
        // decoded reply has) keeps the rows, the scroll position and the
        // hovered row; the entry row opens in view however far down the list was.
        function test_refetchKeepsRowsAndScroll() {
            const tasks = []
            for (let i = 0; i < 12; ++i)
                tasks.push({ title: "Task " + i, link: "https://tasks.google.com/task/" + i })
            const list = makeList(tasks)
            const viewModel = list.viewModel
            const view = findChild(list, "taskRows")
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

        // The row's buttons show on the hovered row only, and stay while the
        // pointer is on them.
        function test_rowButtons() {
            const list = makeList([{ title: "Write report", link: "https://tasks.google.com/task/abc" },
                                   { title: "Call the bank" }])
            const viewModel = list.viewModel
            const [first, second] = rows(list)
            const start = findChild(first, "startButton")
            mouseMove(first, 20, first.height / 2)
            tryCompare(start, "iconOpacity", 1)
            compare(findChild(second, "startButton").iconOpacity, 0)

            mouseClick(findChild(first, "linkButton"))
            compare(Fixtures.openedUrls[Fixtures.openedUrls.length - 1], "https://tasks.google.com/task/abc")
            mouseClick(start)
            verify(first.isHovered)
            compare(viewModel.taskTitle, "Write report")
            verify(viewModel.isTimerRunning)
        }

        function test_fetchesOnlyWhenEmpty() {
            Fixtures.captureOutput()
            makeList([{ title: "Write report" }])
            compare(Fixtures.outputLines(), [])
            makeList([])
            compare(Fixtures.outputLines(), ["Too early to fetch tasks, creds not restored yet"])
        }

        // Return in the entry: a title is sent and the field cleared, an empty
        // field closes the entry; while a create is under way nothing happens.
        function test_return_data() {
            return [
                { tag: "title", text: "Buy milk", creating: false, kept: "", open: true },
                { tag: "empty", text: "", creating: false, kept: "", open: false },
                { tag: "while creating", text: "Second task", creating: true, kept: "Second task", open: true },
            ]
        }

        function test_return(data) {
            const list = makeList([{ title: "Write report" }])
            const viewModel = list.viewModel
            viewModel.newTask = true
            const field = findChild(list, "newTaskField")
            field.text = data.text
            viewModel.newTaskCreatingInProgress = data.creating
            field.accepted()
            compare(field.text, data.kept)
            compare(viewModel.newTask, data.open)
            compare(viewModel.newTaskCreatingInProgress, data.open)
            // A request sent fails against the closed local port; the entry closes.
            tryCompare(viewModel, "newTask", data.creating, 5000)
        }
    }
}
