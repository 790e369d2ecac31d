// The browser build's step clock. The game moves one step a drawn frame, and a
// browser draws at the display's rate (60, 75, 120, 144 Hz ...): a flight must
// last as long on every display, so the steps keep to a clock of their own.
//
// A step is due every 1000/60 ms. An animation frame that comes before the next
// step is due is skipped; one that comes when it is due runs one step, and the
// step after it is due one period later, counted from when this one was due (not
// from when its frame came), so that a 75 or 144 Hz display, whose frames never
// fall on the 60 Hz grid, still gets 60 steps a second. A frame at most
// TOLERANSSI early counts as on time: a 60 Hz display's frames come a little
// early or late, and missing the grid by a hair would cost a whole step. A
// display slower than 60 Hz gets one step a frame, and a page that was hidden or
// stalled does not catch up (no burst of steps): the clock starts again from the
// frame that ends the pause.
//
// TavioTahdistin() gives a function of an animation frame's timestamp (ms) that
// tells whether that frame runs a step.
function TavioTahdistin(askelMs, toleranssiMs) {
    var ASKEL = askelMs || 1000 / 60;
    var TOLERANSSI = toleranssiMs === undefined ? 1 : toleranssiMs;
    var seuraava = null; // ms: when the next step is due
    return function (aika) {
        if (seuraava === null || aika - seuraava >= ASKEL) {
            seuraava = aika + ASKEL;
            return true;
        }
        if (aika < seuraava - TOLERANSSI) return false;
        seuraava += ASKEL;
        return true;
    };
}
if (typeof module !== 'undefined' && module.exports) module.exports = TavioTahdistin;
