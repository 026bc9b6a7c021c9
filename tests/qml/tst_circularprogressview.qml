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
        name: "CircularProgressView"
        when: windowShown

        function cleanup() {
            Fixtures.endCapture()
        }

        Component {
            id: ringComponent
            CircularProgressView {}
        }

        function makeRing(viewModel, size) {
            const ring = createTemporaryObject(ringComponent, root, { viewModel: viewModel })
            if (size) {
                ring.width = size.width
                ring.height = size.height
            }
            return ring
        }

        function knobCentre(ring) {
            const knob = findChild(ring, "knob")
            return Qt.point(knob.x + knob.width / 2, knob.y + knob.height / 2)
        }

        function test_knob_data() {
            return [
                { tag: "full: 12 o'clock", w: 230, h: 230, p: 1, x: 115, y: 10 },
                { tag: "three quarters: 3 o'clock", w: 230, h: 230, p: 0.75, x: 220, y: 115 },
                { tag: "half: 6 o'clock", w: 230, h: 230, p: 0.5, x: 115, y: 220 },
                { tag: "quarter: 9 o'clock", w: 230, h: 230, p: 0.25, x: 10, y: 115 },
                { tag: "240 by 200, half", w: 240, h: 200, p: 0.5, x: 120, y: 190 },
            ]
        }

        function test_knob(data) {
            const viewModel = Fixtures.makeViewModel()
            const ring = makeRing(viewModel, Qt.size(data.w, data.h))
            ring.progress = data.p
            const centre = knobCentre(ring)
            fuzzyCompare(centre.x, data.x, 1e-6)
            fuzzyCompare(centre.y, data.y, 1e-6)
            const knob = findChild(ring, "knob")
        }

        function test_followsViewModelProgress() {
            const viewModel = Fixtures.makeViewModel()
            const ring = makeRing(viewModel)
            compare(ring.width, 230)
            viewModel.progress = 0.75
            fuzzyCompare(knobCentre(ring).x, 220, 1e-6)
        }

        // Blue where the phase is left, only the faint track elsewhere.
        function test_arcIsDrawnFromKnobToTwelve() {
            const viewModel = Fixtures.makeViewModel()
            const ring = makeRing(viewModel)
            ring.progress = 0.75
            waitForRendering(ring)
            const image = grabImage(ring)
            function at(degrees) {
                const a = degrees * Math.PI / 180
                return image.pixel(Math.round(115 + 105 * Math.cos(a)), Math.round(115 + 105 * Math.sin(a)))
            }
            const blue = Theme.accent
            // 6 and 9 o'clock, and just before 12, are blue.
            for (const angle of [90, 180, 260])
                verify(Qt.colorEqual(at(angle), blue), "blue at " + angle)
            // The top-right quarter shows only the track.
            for (const angle of [-80, -45, -10]) {
                const pixel = at(angle)
                verify(!Qt.colorEqual(pixel, blue), "track at " + angle)
                verify(pixel.r < 0.98 && Math.abs(pixel.r - pixel.b) < 0.05, "gray at " + angle + ": " + pixel)
            }
        }

        function test_texts() {
            const viewModel = Fixtures.makeViewModel()
            const ring = makeRing(viewModel)
            const time = findChild(ring, "timeText")
            const phase = findChild(ring, "phaseLabel")
            compare(time.text, "25:00")
            compare(phase.text, "Stay focused")

            viewModel.time = 1499
            compare(time.text, "24:59")
            viewModel.time = 59.9
            compare(time.text, "00:59")

            viewModel.stopAndSwitchPhase()
            compare(phase.text, "Rest")
            compare(time.text, "05:00")
        }

        function test_playPause() {
            const viewModel = Fixtures.makeViewModel()
            const ring = makeRing(viewModel)
            const button = findChild(ring, "playPauseButton")
            verify(String(button.icon.source).endsWith("play.circle.fill"))

            mouseClick(button)
            verify(viewModel.isTimerRunning)
            verify(String(button.icon.source).endsWith("pause.circle.fill"))

            viewModel.tick()
            mouseClick(button)
            verify(!viewModel.isTimerRunning)
            compare(viewModel.time, 1499)
            verify(String(button.icon.source).endsWith("play.circle.fill"))
        }
    }
}
