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
        name: "Views"
        when: windowShown

        Component { id: contentComponent; ContentView {} }
        Component { id: timerComponent; TimerView {} }
        Component { id: ringComponent; CircularProgressView {} }
        Component { id: listComponent; TaskListView { width: 330; height: 240 } }
        Component { id: spyComponent; SignalSpy {} }

        function cleanup() { Fixtures.endCapture() }

        function make(component, viewModel, properties) {
            const view = createTemporaryObject(component, root, Object.assign({ viewModel: viewModel }, properties))
            waitForRendering(view)
            return view
        }

        function makeList(tasks) {
            const viewModel = Fixtures.makeViewModel()
            Fixtures.setTasks(viewModel, tasks)
            return make(listComponent, viewModel)
        }

        // The rows of a list view, top to bottom.
        function rows(view, listName, property) {
            return Array.from(findChild(view, listName).contentItem.children)
                .filter(item => item[property] !== undefined).sort((a, b) => a.y - b.y)
        }

        function shown(view, name) { return findChild(view, name)?.visible ?? false }

        // Keys while the popover has the focus: Space starts and pauses,
        // Escape asks to close; in the task entry both are the entry's, also
        // when the task rows arrive while it is open; Tab
        // reaches the tab picker, where the arrow keys switch tabs.
        function test_keyboard() {
            const viewModel = Fixtures.makeViewModel()
            viewModel.currentUserRenewed = true
            Fixtures.setEvents(viewModel, [{ summary: "Standup" }]) // nothing to fetch
            const view = make(contentComponent, viewModel)
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
            Fixtures.setTasks(viewModel, [{ title: "Write report" }]) // rows arriving keep out of its way
            waitForRendering(view)
            keyClick(Qt.Key_A)
            keyClick(Qt.Key_Space)
            compare(field.text, "a ")
            compare(viewModel.newTaskDraft.title, "a ") // kept beyond the entry
            verify(!viewModel.isTimerRunning)

            view.forceActiveFocus()
            const timerTab = findChild(view, "timerTab")
            for (let i = 0; i < 8 && !timerTab.activeFocus; ++i)
                keyClick(Qt.Key_Tab)
            keyClick(Qt.Key_Right)
            verify(findChild(view, "eventsTab").activeFocus)
            tryVerify(() => findChild(view, "eventRows") !== null)
        }

        // Screen readers, and the end-to-end tests, find controls by name.
        function test_everyControlHasAnAccessibleName() {
            const viewModel = Fixtures.makeViewModel()
            viewModel.currentUserRenewed = true
            Fixtures.setTasks(viewModel, [{ title: "Write report" }])
            Fixtures.setEvents(viewModel, [{ summary: "Standup", start: new Date(), minutes: 60,
                                             meeting: "https://meet.google.com/abc-defg-hij" }])
            viewModel.tasksFetchHasError = true
            viewModel.newTask = true
            viewModel.shouldAskIfTaskIsDone = true
            viewModel.isTimerRunning = true
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
            visit(make(contentComponent, viewModel))
            compare(unnamed, [])
            verify(seen >= 10, "only " + seen + " controls seen")
        }

        // The desktop switches to a dark scheme while the popover is open.
        function test_followsTheDesktopPaletteLive() {
            const view = make(contentComponent, Fixtures.makeViewModel())
            const lightBackground = view.background.color
            Fixtures.setDarkPalette(true)
            verify(view.background.color.hslLightness < 0.5)
            verify(Qt.colorEqual(findChild(view, "timeText").color, Theme.accent))
            Fixtures.setDarkPalette(false)
            compare(view.background.color, lightBackground)
        }

        // Events: a start line for those that have a time, "Join Meeting"
        // for those with a conference.
        function test_eventRows() {
            const viewModel = Fixtures.makeViewModel()
            Fixtures.setEvents(viewModel, [
                { summary: "Standup", start: new Date(), meeting: "https://meet.google.com/abc-defg-hij" },
                { summary: "Holiday" },
            ])
            const shown = rows(make(contentComponent, viewModel, { selectedIndex: 1 }), "eventRows", "event")
            compare(shown.map(row => findChild(row, "summary").text), ["Standup", "Holiday"])
            compare(shown.map(row => findChild(row, "startText").visible), [true, false])
            compare(shown.map(row => findChild(row, "joinButton").visible), [true, false])
            const opened = Fixtures.openedUrls.length
            mouseClick(findChild(shown[0], "joinButton"))
            tryCompare(Fixtures.openedUrls, "length", opened + 1)
        }

        // The task list asks for its items only when empty, and "Retry"
        // again; the events are asked for at each showing, or only when
        // empty while nobody is signed in. Requests fail against the closed
        // local port.
        function test_fetches() {
            Fixtures.captureOutput()
            makeList([{ title: "Write report" }])
            compare(Fixtures.outputLines(), [])
            const timer = make(timerComponent, Fixtures.makeViewModel())
            timer.viewModel.tasksFetchHasError = true
            mouseClick(findChild(timer, "retryButton"))
            compare(Fixtures.outputLines(), Array(2).fill("Too early to fetch tasks, creds not restored yet"))

            const loaded = Fixtures.makeViewModel()
            Fixtures.setEvents(loaded, [{ summary: "Standup" }])
            Fixtures.captureOutput()
            make(contentComponent, loaded, { selectedIndex: 1 })
            make(contentComponent, Fixtures.makeViewModel(), { selectedIndex: 1 })
            loaded.currentUserRenewed = true
            make(contentComponent, loaded, { selectedIndex: 1 })
            tryVerify(() => Fixtures.outputLines().length > 1, 5000)
            compare(Fixtures.outputLines().length, 2)
            verify(Fixtures.outputLines()[0].startsWith("Error fetching data: "))
            compare(loaded.events.length, 1)
        }

        function test_showsPendingTasks() {
            const longTitle = "A task whose title is far too long to fit on one line of the popover"
            const shown = rows(makeList([
                { title: longTitle, due: Qt.formatDate(new Date(), "yyyy-MM-dd") },
                { title: "Done already", status: "completed" },
                { title: "Call the bank" },
            ]), "taskRows", "task")
            compare(shown.map(row => findChild(row, "title").text), [longTitle, "Call the bank"])
            compare(shown.map(row => findChild(row, "dueText").visible), [true, false])
            verify(!findChild(shown[0], "title").truncated)
        }

        // A fetch that brings the same tasks back (with new ids, as every
        // decoded reply has) keeps the scroll position; the entry row opens
        // in view however far down the list was.
        function test_refetchKeepsScroll() {
            const tasks = []
            for (let i = 0; i < 12; ++i)
                tasks.push({ title: "Task " + i, link: "https://tasks.google.com/task/" + i })
            const list = makeList(tasks)
            const view = findChild(list, "taskRows")
            view.contentY = 200
            Fixtures.setTasks(list.viewModel, tasks)
            waitForRendering(list)
            compare(view.contentY, 200)
            // A fetch under way puts nothing above the rows: the spinner is
            // for an empty list.
            list.viewModel.isTaskLoading = true
            verify(!findChild(list, "loadingIndicator").visible)
            list.viewModel.isTaskLoading = false
            list.viewModel.newTask = true
            tryVerify(() => findChild(list, "newTaskField") !== null)
            const field = findChild(list, "newTaskField")
            tryVerify(() => field.mapToItem(view, 0, 0).y >= 0)
        }

        // The row's buttons show on the hovered row only.
        function test_rowButtons() {
            const list = makeList([{ title: "Write report", link: "https://tasks.google.com/task/abc" },
                                   { title: "Call the bank" }])
            const [first, second] = rows(list, "taskRows", "task")
            const start = findChild(first, "startButton")
            mouseMove(first, 20, first.height / 2)
            tryCompare(start, "iconOpacity", 1)
            compare(findChild(second, "startButton").iconOpacity, 0)
            mouseClick(findChild(first, "linkButton"))
            compare(Fixtures.openedUrls[Fixtures.openedUrls.length - 1], "https://tasks.google.com/task/abc")
            mouseClick(start)
            compare(list.viewModel.taskTitle, "Write report")
            verify(list.viewModel.isTimerRunning)
        }

        // Return in the entry: a title is sent and stays in the field until
        // the task is made, here with why it was not; an empty field closes
        // the entry; while a create is under way nothing happens.
        function test_return_data() {
            return [
                { tag: "title", text: "Buy milk", creating: false, open: true,
                  failure: "Not added: the server could not be reached" },
                { tag: "empty", text: "", creating: false, open: false, failure: "" },
                { tag: "while creating", text: "Second task", creating: true, open: true, failure: "" },
            ]
        }

        function test_return(data) {
            const list = makeList([{ title: "Write report" }])
            const viewModel = list.viewModel
            viewModel.newTask = true
            const field = findChild(list, "newTaskField")
            viewModel.newTaskDraft.title = data.text
            compare(field.text, data.text)
            viewModel.newTaskCreatingInProgress = data.creating
            const calls = createTemporaryObject(spyComponent, root, { target: viewModel,
                                                                      signalName: "newTaskCreatingInProgressChanged" })
            field.accepted()
            compare(calls.count, data.creating ? 0 : 1) // the view-model was asked, or not
            compare(viewModel.newTask, data.open)
            compare(viewModel.newTaskCreatingInProgress, data.open)
            tryCompare(viewModel, "newTaskCreatingInProgress", data.creating, 5000)
            compare(viewModel.newTask, data.open)
            compare(field.text, data.text)
            compare(findChild(list, "newTaskFailure")?.text ?? "", data.failure)
            compare(findChild(list, "newTaskFailure")?.visible ?? false, data.failure !== "")
        }

        // The next meeting under the ring, with "Join Meeting" when it has a
        // link; nothing while nobody is signed in.
        function test_nextMeeting() {
            const viewModel = Fixtures.makeViewModel()
            const started = new Date(Date.now() - 5 * 60000)
            Fixtures.setEvents(viewModel, [{ summary: "Standup", start: started, minutes: 60,
                                             meeting: "https://meet.google.com/abc-defg-hij" }])
            const view = make(timerComponent, viewModel)
            verify(!shown(view, "meetingLine"))
            viewModel.currentUserRenewed = true
            compare(findChild(view, "meetingText").text, "Standup now")
            waitForRendering(view)
            const opened = Fixtures.openedUrls.length
            mouseClick(findChild(view, "meetingJoinButton"))
            tryCompare(Fixtures.openedUrls, "length", opened + 1)
            Fixtures.setEvents(viewModel, [{ summary: "Standup", start: started, minutes: 60 }])
            verify(shown(view, "meetingLine") && !shown(view, "meetingJoinButton"))
        }

        // Signed in: the task list and "Add task"; signing out from the menu
        // brings back the sign-in button.
        function test_signInAndOut() {
            const viewModel = Fixtures.makeViewModel()
            viewModel.currentUserRenewed = true
            Fixtures.setTasks(viewModel, [{ title: "Write report" }])
            const view = make(timerComponent, viewModel)
            const taskList = findChild(view, "taskList")
            verify(taskList.active)
            verify(!shown(view, "GoogleSignInButton"))
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
        }

        // Play, pause, then stop: the phase ends early and the other one begins.
        function test_playPauseStop() {
            const viewModel = Fixtures.makeViewModel()
            const view = make(timerComponent, viewModel)
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

        // With three quarters of the phase left: the accent from 3 o'clock
        // clockwise to 12, only the faint track in the quarter left.
        function test_ringArc() {
            const viewModel = Fixtures.makeViewModel()
            const ring = make(ringComponent, viewModel)
            viewModel.progress = 0.75
            waitForRendering(ring)
            const image = grabImage(ring)
            function at(degrees) {
                const a = degrees * Math.PI / 180
                return image.pixel(Math.round(115 + 105 * Math.cos(a)), Math.round(115 + 105 * Math.sin(a)))
            }
            for (const angle of [90, 180, 260])
                verify(Qt.colorEqual(at(angle), Theme.accent), "accent at " + angle)
            for (const angle of [-80, -45, -10])
                verify(at(angle).r < 0.98 && Math.abs(at(angle).r - at(angle).b) < 0.05, "gray at " + angle)
        }
    }
}
