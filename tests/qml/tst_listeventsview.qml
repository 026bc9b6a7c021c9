import QtQuick
import QtTest
import Stint
import StintTest

// TestCase itself is never visible: the views under test go under this item.
Item {
    id: root
    width: 400
    height: 600

    TestCase {
        id: testCase
        name: "ListEventsView"
        when: windowShown

        function cleanup() {
            Fixtures.endCapture()
        }

        Component {
            id: eventsComponent
            ListEventsView {
                width: 330
            }
        }

        function makeList(viewModel) {
            return createTemporaryObject(eventsComponent, root, { viewModel: viewModel })
        }

        function rows(list) {
            const view = findChild(list, "eventRows")
            const result = []
            const items = view.contentItem.children
            for (let i = 0; i < items.length; ++i) {
                const item = items[i]
                if (item.event !== undefined)
                    result.push(item)
            }
            result.sort((a, b) => a.y - b.y)
            return result
        }

        function test_rows() {
            const viewModel = Fixtures.makeViewModel()
            const midnight = new Date()
            midnight.setHours(0, 0, 0, 0)
            Fixtures.setEvents(viewModel, [
                { summary: "Standup", start: midnight, meeting: "https://meet.google.com/abc-defg-hij" },
                { summary: "Holiday" },
            ])
            const list = makeList(viewModel)
            waitForRendering(list)
            const [standup, holiday] = rows(list)

            compare(findChild(standup, "summary").text, "Standup")
            compare(findChild(standup, "startText").text, "Today")
            verify(findChild(standup, "startText").visible)
            verify(findChild(standup, "joinButton").visible)

            compare(findChild(holiday, "summary").text, "Holiday")
            verify(!findChild(holiday, "startText").visible)
            verify(!findChild(holiday, "joinButton").visible)
        }

        function test_joinOpensTheMeeting() {
            const viewModel = Fixtures.makeViewModel()
            Fixtures.setEvents(viewModel, [{ summary: "Standup", meeting: "https://meet.google.com/abc-defg-hij" }])
            const list = makeList(viewModel)
            waitForRendering(list)
            const before = Fixtures.openedUrls.length
            mouseClick(findChild(rows(list)[0], "joinButton"))
            tryCompare(Fixtures.openedUrls, "length", before + 1)
            compare(Fixtures.openedUrls[before], "https://meet.google.com/abc-defg-hij")
        }

        function test_fetchesOnlyWhenEmpty() {
            // Loaded already: no request.
            const loaded = Fixtures.makeViewModel()
            Fixtures.setEvents(loaded, [{ summary: "Standup" }])
            Fixtures.captureOutput()
            makeList(loaded)
            wait(200)
            compare(Fixtures.outputLines(), [])

            // Empty: one request, which fails against the closed local port.
            makeList(Fixtures.makeViewModel())
            tryVerify(() => Fixtures.outputLines().length === 1, 5000)
            verify(Fixtures.outputLines()[0].startsWith("Error fetching data: "))
        }
    }
}
